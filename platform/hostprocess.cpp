#include "hostprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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
            p.kill();
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
