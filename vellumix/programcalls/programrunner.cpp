#include "programcalls/programrunner.h"

#include "common/prompter.h"
#include "programcalls/programcallshost.h"

#include "platform/hostprocess.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString unableToOpenMessage(const QString &commandLine, const QString &reason)
{
    return QString::fromUtf16(UnableToOpenHead) + commandLine + QString::fromUtf16(UnableToOpenTail) + reason;
}

namespace {

// "http://...", "mailto:..." and the like: a scheme of two or more letters, so that
// a Windows drive letter never counts as one.
bool looksLikeUrl(const QString &text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

ProgramRunner::ProgramRunner(ProgramCallsHost &host) : m_host(host)
{
    // The opener names the command line it was given in the label.
    QObject::connect(&m_opener, &DesktopOpener::failed, &m_opener,
                     [this](const QString &label, const QString &reason) { reportFailure(label, reason); });
}

ProgramRunner::Target ProgramRunner::locate(const QString &program, const QString &dir)
{
    Target t;
    if (program.trimmed().isEmpty())
        return t;
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(QDir(dir).absoluteFilePath(program));
        if (isExecutableFile(info.absoluteFilePath()))
            t.executable = info.absoluteFilePath();
        else if (info.exists())
            t.document = info.absoluteFilePath();
        else if (looksLikeUrl(program))
            t.document = program;
        return t;
    }
    const QString found = HostProcess::findProgram(program, dir);
    const QFileInfo local(QDir(dir).absoluteFilePath(program));
    if (!found.isEmpty() && isExecutableFile(found))
        t.executable = found;
    else if (local.exists())
        t.document = local.absoluteFilePath();
    else if (looksLikeUrl(program))
        t.document = program;
    return t;
}

void ProgramRunner::reportFailure(const QString &commandLine, const QString &reason)
{
    m_host.prompter().showError(unableToOpenMessage(commandLine, reason));
}

bool ProgramRunner::runTemplate(const QString &commandTemplate, const QString &workingDir)
{
    return run(CommandLine::fromTemplate(commandTemplate, m_host.placeholderContext()), workingDir);
}

bool ProgramRunner::run(const CommandLine &command, const QString &workingDir)
{
    if (commandNamesTexFile(command.text))
        m_host.saveModifiedEditors();
    return start(command, workingDir);
}

bool ProgramRunner::open(const QString &path, const QString &workingDir)
{
    return start(CommandLine::ofPath(path), workingDir);
}

bool ProgramRunner::start(const CommandLine &command, const QString &workingDir)
{
    const QString dir = workingDir.isEmpty() ? QDir::currentPath() : workingDir;
    const Target target = QFileInfo(dir).isDir() ? locate(command.program, dir) : Target();
    if (!target.executable.isEmpty()) {
        if (HostProcess::startDetached(target.executable, command.arguments, dir).started)
            return true;
    } else if (!target.document.isEmpty()) {
        // The desktop opener takes one file; parameters have no meaning for it.
        QString error;
        if (m_opener.open(target.document, dir, command.text, &error))
            return true;
        reportFailure(command.text, error);
        return false;
    }
    reportFailure(command.text);
    return false;
}
