#include "programcalls/programrunner.h"

#include "common/prompter.h"
#include "programcalls/programcallshost.h"

#include "platform/hostprocess.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString unableToOpenMessage(const QString &commandLine)
{
    return QString::fromUtf16(UnableToOpenHead) + commandLine + QString::fromUtf16(UnableToOpenTail);
}

ProgramCommand splitProgramCommand(const QString &commandLine)
{
    ProgramCommand cmd;
    if (commandLine.startsWith(QLatin1Char('"'))) {
        const qsizetype close = commandLine.indexOf(QLatin1Char('"'), 1);
        if (close < 0) {
            cmd.program = commandLine.mid(1);
            return cmd;
        }
        cmd.program = commandLine.mid(1, close - 1);
        // The character right after the closing quote is the separator.
        cmd.parameters = commandLine.mid(close + 2);
        return cmd;
    }
    const qsizetype blank = commandLine.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        cmd.program = commandLine;
        return cmd;
    }
    cmd.program = commandLine.left(blank);
    cmd.parameters = commandLine.mid(blank + 1);
    return cmd;
}

bool commandNamesTexFile(const QString &commandLine)
{
    const QString lower = commandLine.toLower();
    return lower.contains(QLatin1String(".txx")) || lower.contains(QLatin1String(".tex"));
}

bool ProgramRunner::run(const QString &commandLine, const QString &workingDir)
{
    if (commandNamesTexFile(commandLine))
        m_host.saveModifiedEditors();
    const ProgramCommand cmd = splitProgramCommand(commandLine);
    return start(cmd.program, cmd.parameters, workingDir, commandLine);
}

bool ProgramRunner::open(const QString &path, const QString &workingDir)
{
    return start(path, QString(), workingDir, path);
}

namespace {

// "http://...", "mailto:..." and the like: a scheme of two or more letters, so that
// a Windows drive letter never counts as one.
bool looksLikeUrl(const QString &text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

} // namespace

bool ProgramRunner::start(const QString &program, const QString &parameters, const QString &workingDir,
                          const QString &shownCommandLine)
{
    const QString dir = workingDir.isEmpty() ? QDir::currentPath() : workingDir;
    auto fail = [&] {
        m_host.prompter().showError(unableToOpenMessage(shownCommandLine));
        return false;
    };
    if (program.trimmed().isEmpty() || !QFileInfo(dir).isDir())
        return fail();

    QString executable;
    QString document;
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(QDir(dir).absoluteFilePath(program));
        if (info.isFile() && info.isExecutable())
            executable = info.absoluteFilePath();
        else if (info.exists())
            document = info.absoluteFilePath();
        else if (looksLikeUrl(program))
            document = program;
    } else {
        const QFileInfo local(QDir(dir).absoluteFilePath(program));
        const QString found = HostProcess::findProgram(program, dir);
        if (!found.isEmpty() && QFileInfo(found).isFile() && QFileInfo(found).isExecutable())
            executable = found;
        else if (local.exists())
            document = local.absoluteFilePath();
        else if (looksLikeUrl(program))
            document = program;
    }

    if (!executable.isEmpty()) {
        const HostProcess::Result r =
            HostProcess::startDetached(executable, HostProcess::splitCommandLine(parameters), dir);
        return r.started ? true : fail();
    }
    if (!document.isEmpty()) {
        // The desktop opener takes one file; parameters have no meaning for it.
        if (m_host.openWithDesktop(document, dir, nullptr))
            return true;
    }
    return fail();
}
