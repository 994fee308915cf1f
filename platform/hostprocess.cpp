#include "hostprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace HostProcess {

QStringList splitCommandLine(const QString &cmd)
{
    QStringList args;
    const int n = cmd.size();
    int i = 0;
    while (true) {
        while (i < n && (cmd[i] == ' ' || cmd[i] == '\t'))
            ++i;
        if (i >= n)
            break;
        QString arg;
        bool inQuotes = false;
        while (i < n) {
            const QChar c = cmd[i];
            if (!inQuotes && (c == ' ' || c == '\t'))
                break;
            if (c == '\\') {
                int slashes = 0;
                while (i < n && cmd[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && cmd[i] == '"') {
                    arg += QString(slashes / 2, '\\');
                    if (slashes % 2) {
                        arg += '"';
                        ++i;
                    }
                    // an even count leaves the quote to the quote rule below
                } else {
                    arg += QString(slashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (inQuotes && i + 1 < n && cmd[i + 1] == '"') {
                    arg += '"'; // "" inside quotes is a literal quote
                    i += 2;
                    continue;
                }
                inQuotes = !inQuotes;
                ++i;
                continue;
            }
            arg += c;
            ++i;
        }
        args.append(arg);
    }
    return args;
}

QString findProgram(const QString &program, const QString &workingDir)
{
    if (program.isEmpty())
        return {};
    if (program.contains('/')) {
        QFileInfo fi(program);
        if (fi.isRelative() && !workingDir.isEmpty())
            fi = QFileInfo(QDir(workingDir), program);
        return fi.isFile() && fi.isExecutable() ? fi.absoluteFilePath() : QString();
    }
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        return found;
    if (!workingDir.isEmpty()) {
        const QFileInfo local(QDir(workingDir), program);
        if (local.isFile() && local.isExecutable())
            return local.absoluteFilePath();
    }
    return {};
}

namespace {
bool g_cancelRequested = false; // one user-interface thread: no lock needed

Result notFound(const QString &program)
{
    Result r;
    r.error = program.isEmpty() ? QStringLiteral("No program given")
                                : QStringLiteral("Program not found: %1").arg(program);
    return r;
}

// Program, arguments, working directory and an empty standard input: a tool that
// asks the keyboard gets end-of-file at once.
void prepare(QProcess &p, const QString &path, const QStringList &args, const QString &workingDir)
{
    p.setProgram(path);
    p.setArguments(args);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.setStandardInputFile(QProcess::nullDevice());
}

// Does a process of the group still run? Zombies do not count: they have ended and
// only wait to be reaped (by us, or by an init that may never do it).
bool groupIsAlive(pid_t group)
{
    if (::kill(-group, 0) != 0 && errno == ESRCH)
        return false;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        entry.toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid pgrp ...": the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields[2].toLongLong() == group && fields[0] != "Z")
            return true;
    }
    return false;
}

// Ends a whole process group: SIGTERM, time to tidy up, then SIGKILL; returns
// when nothing of the group runs any more (or after a last second).
void endGroup(pid_t group)
{
    auto waitUntilGone = [group](int limitMs) {
        QElapsedTimer t;
        t.start();
        while (groupIsAlive(group)) {
            if (t.elapsed() >= limitMs)
                return false;
            QThread::msleep(10);
        }
        return true;
    };
    ::kill(-group, SIGTERM);
    if (!waitUntilGone(CancelGraceMs)) {
        ::kill(-group, SIGKILL);
        waitUntilGone(1000);
    }
}
} // namespace

Result startDetached(const QString &program, const QStringList &args, const QString &workingDir)
{
    const QString path = findProgram(program, workingDir);
    if (path.isEmpty())
        return notFound(program);
    QProcess p;
    prepare(p, path, args, workingDir);
    Result r;
    qint64 pid = 0;
    r.started = p.startDetached(&pid);
    if (!r.started)
        r.error = p.errorString();
    return r;
}

Result runAndWait(const QString &program, const QStringList &args, const QString &workingDir,
                  const std::function<void()> &pump)
{
    const QString path = findProgram(program, workingDir);
    if (path.isEmpty())
        return notFound(program);
    QProcess p;
    prepare(p, path, args, workingDir);
    // The tool's output is not shown; discarding it keeps a chatty tool from blocking on a full pipe.
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    // The tool leads a session (and process group) of its own, so that a cancel
    // reaches what it started too: a script's children, latexmk's latex.
    p.setChildProcessModifier([] { ::setsid(); });
    p.start();
    Result r;
    if (!p.waitForStarted(-1)) {
        r.error = p.errorString();
        return r;
    }
    r.started = true;
    g_cancelRequested = false;
    while (!p.waitForFinished(pump ? 30 : -1)) {
        if (p.state() == QProcess::NotRunning)
            break;
        if (pump)
            pump();
        if (g_cancelRequested) {
            endGroup(pid_t(p.processId()));
            p.waitForFinished(5000);
            g_cancelRequested = false;
            r.error = QStringLiteral("cancelled");
            r.exitCode = -1;
            return r;
        }
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

void cancelWaitedRun() { g_cancelRequested = true; }

} // namespace HostProcess
