#include "programcalls/compiler.h"

#include "common/prompter.h"
#include "programcalls/compilereport.h"
#include "programcalls/programcallshost.h"
#include "programcalls/programrunner.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

Compiler::Compiler(ProgramCallsHost &host, ProgramRunner &runner, QObject *parent)
    : QObject(parent), m_host(host), m_runner(runner)
{
    connect(&m_process, &CompileProcess::output, this, &Compiler::output);
    connect(&m_process, &CompileProcess::finished, this, &Compiler::onProcessFinished);
    connect(&m_loader, &LogLoader::loaded, this, &Compiler::onLoaded);
}

QString Compiler::mainDirectory() const
{
    const QString main = m_host.mainFile();
    return main.isEmpty() ? QString() : QFileInfo(main).absolutePath();
}

QString Compiler::logPath() const
{
    const QString log = m_host.expand(m_host.templates().logFile);
    if (log.isEmpty())
        return {};
    return QDir::cleanPath(QDir(mainDirectory()).absoluteFilePath(log));
}

void Compiler::setStatus(const QString &text)
{
    m_host.showStatus(text);
}

bool Compiler::compile()
{
    const CommandLine command = CommandLine::fromTemplate(m_host.templates().compile, m_host.placeholderContext());
    if (isRunning()) {
        const QString question = CompileReport::StillRunning.arg(command.text);
        if (m_host.prompter().askYesNoCancel(question) != Prompter::Answer::Yes)
            return false;
        stop();
    }
    m_host.saveModifiedEditors();
    const QString dir = mainDirectory();
    const ProgramRunner::Target target = ProgramRunner::locate(command.program, dir);
    if (target.executable.isEmpty() || !QFileInfo(dir).isDir())
        return m_runner.run(command, dir);

    m_runLog = logPath();
    m_runDir = dir;
    m_logBefore = FileStamp::of(m_runLog);
    QString error;
    if (!m_process.start(target.executable, command.arguments, dir, &error)) {
        setStatus(CompileReport::CouldNotStart);
        m_runner.reportFailure(command.text, error);
        return false;
    }
    m_compileTicket = 0;
    emit started(command.text);
    emit runningChanged(true);
    setStatus(CompileReport::runningText(m_host.mainFile()));
    return true;
}

void Compiler::stop()
{
    m_process.stop();
}

void Compiler::onProcessFinished(const CompileProcess::Outcome &outcome)
{
    m_outcome = outcome;
    emit runningChanged(false);
    // Only a log this run wrote tells about it; an old one would tell about another.
    const FileStamp now = FileStamp::of(m_runLog);
    if (outcome.end == CompileProcess::Outcome::End::Stopped || !now.exists || now == m_logBefore) {
        const QString text = CompileReport::endText(outcome, nullptr);
        setStatus(text);
        emit finished(text);
        return;
    }
    m_compileTicket = m_loader.load(m_runLog, m_runDir);
}

void Compiler::request(Request what, const QString &log)
{
    m_request = what;
    m_requestTicket = m_loader.load(log, mainDirectory());
}

void Compiler::onLoaded(const LogLoader::Result &result)
{
    const bool forRun = result.ticket == m_compileTicket;
    const bool forRequest = result.ticket == m_requestTicket;
    if (!forRun && !forRequest)
        return;
    if (result.ok)
        m_walk.setLog(result.path, result.stamp, result.log);
    if (forRun) {
        m_compileTicket = 0;
        QString text = CompileReport::endText(m_outcome, result.ok ? &result.log : nullptr);
        if (!result.ok)
            text += QStringLiteral("; ") + CompileReport::LogUnreadable.arg(result.path, result.error);
        setStatus(text);
        emit finished(text);
    }
    if (!forRequest)
        return;
    m_requestTicket = 0;
    const Request what = std::exchange(m_request, Request::None);
    if (!result.ok) {
        setStatus(CompileReport::LogUnreadable.arg(result.path, result.error));
        return;
    }
    if (what == Request::Next || what == Request::Previous)
        jump(what == Request::Next);
    else if (what == Request::LogLine && firstErrorLogLine() > 0)
        m_host.showLine(result.path, firstErrorLogLine());
}

int Compiler::firstErrorLogLine() const
{
    const int first = m_walk.log().firstError();
    return first < 0 ? 0 : m_walk.log().at(first).logLine + 1;
}

bool Compiler::showLogFile()
{
    const QString log = logPath();
    if (log.isEmpty() || !QFileInfo(log).isFile())
        return false;
    if (m_walk.isCurrent(log)) {
        m_host.openFile(log, firstErrorLogLine());
        return true;
    }
    // Opened at once; the caret follows when the log has been read.
    m_host.openFile(log, 0);
    request(Request::LogLine, log);
    return true;
}

void Compiler::walk(bool forward)
{
    if (m_host.mainFile().isEmpty()) {
        setStatus(CompileReport::NoMainFile);
        return;
    }
    const QString log = logPath();
    if (m_walk.isCurrent(log)) {
        jump(forward);
        return;
    }
    if (log.isEmpty() || !QFileInfo(log).isFile()) {
        setStatus(CompileReport::NoLog.arg(QDir::toNativeSeparators(log)));
        return;
    }
    request(forward ? Request::Next : Request::Previous, log);
}

void Compiler::jump(bool forward)
{
    const int index = m_walk.step(forward);
    if (index < 0) {
        setStatus(CompileReport::NoErrors.arg(QFileInfo(m_walk.path()).fileName()));
        return;
    }
    const LatexLogEntry &e = m_walk.log().at(index);
    if (!e.file.isEmpty() && e.line > 0 && QFileInfo(e.file).isFile())
        m_host.openFile(e.file, e.line);
    else
        m_host.openFile(m_walk.path(), e.logLine + 1);
    setStatus(CompileReport::errorText(m_walk.errorNumber(index), m_walk.log().errorCount(), e.message));
}
