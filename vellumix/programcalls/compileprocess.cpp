#include "programcalls/compileprocess.h"

#include "platform/hostprocess.h"

#include <csignal>
#include <unistd.h>

CompileProcess::CompileProcess(QObject *parent) : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
    // A group of its own, so that a stop reaches the children as well.
    m_process.setChildProcessModifier([] { ::setsid(); });
    connect(&m_process, &QProcess::readyRead, this, &CompileProcess::readOutput);
    connect(&m_process, &QProcess::finished, this, &CompileProcess::onFinished);
}

CompileProcess::~CompileProcess()
{
    if (isRunning()) {
        // Nobody hears of the end any more.
        m_process.disconnect(this);
        blockSignals(true);
        stop();
    }
}

bool CompileProcess::start(const QString &executable, const QStringList &arguments, const QString &workingDir,
                           QString *error)
{
    if (isRunning()) {
        if (error)
            *error = QStringLiteral("A compile is still running");
        return false;
    }
    m_decoder = QStringDecoder(QStringDecoder::Utf8);
    m_stopping = false;
    m_process.setProgram(executable);
    m_process.setArguments(arguments);
    m_process.setWorkingDirectory(workingDir);
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        if (error)
            *error = m_process.errorString();
        m_process.kill();
        m_process.waitForFinished(1000);
        return false;
    }
    m_group = m_process.processId();
    return true;
}

void CompileProcess::stop()
{
    if (!isRunning())
        return;
    m_stopping = true;
    const pid_t group = pid_t(m_group);
    ::kill(-group, SIGTERM);
    if (!m_process.waitForFinished(HostProcess::CancelGraceMs)) {
        ::kill(-group, SIGKILL);
        m_process.waitForFinished(5000);
    }
    // What the leader left behind in its group goes too.
    ::kill(-group, SIGKILL);
}

void CompileProcess::readOutput()
{
    const QString text = m_decoder.decode(m_process.readAll());
    if (!text.isEmpty())
        emit output(text);
}

void CompileProcess::onFinished(int exitCode, QProcess::ExitStatus status)
{
    readOutput();
    Outcome o;
    if (m_stopping)
        o.end = Outcome::End::Stopped;
    else if (status == QProcess::CrashExit)
        o.end = Outcome::End::Crashed;
    else
        o.exitCode = exitCode;
    m_stopping = false;
    emit finished(o);
}
