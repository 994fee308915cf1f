// Starting external programs from one command-line string, as the tool runners do.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace HostProcess {

// Splits a command line into arguments as the Windows C runtime does: blanks and
// tabs separate; double quotes group and are removed; 2n backslashes before a quote
// give n backslashes and the quote toggles grouping, 2n+1 give n backslashes and a
// literal quote; "" inside a quoted group is a literal quote; other backslashes are
// literal.
QStringList splitCommandLine(const QString &commandLine);

// Absolute path of the program: as given when it contains a '/', else found on PATH
// (also in the working directory when given). Empty when not found.
QString findProgram(const QString &program, const QString &workingDir = QString());

// How long a cancelled tool may tidy up after SIGTERM before SIGKILL ends it.
constexpr int CancelGraceMs = 1000;

struct Result {
    bool started = false;
    QString error;     // why the start failed (not found, not executable, ...)
    int exitCode = -1; // only for waited runs that started
};

// Starts the program detached (never waited for) with the given arguments.
Result startDetached(const QString &program, const QStringList &args, const QString &workingDir);

// Starts the program, gives it an empty standard input and waits for it to end.
// The program leads a new session and process group, so that a cancel ends what
// it started as well (a process that leaves the group on purpose is beyond reach).
// While it runs, pump() is called every few milliseconds so that the caller can keep
// the window repainting. Exit codes are reported, never judged.
Result runAndWait(const QString &program, const QStringList &args, const QString &workingDir,
                  const std::function<void()> &pump = {});

// Asks the waited run in progress (if any) to end: at the next pump its whole
// process group gets SIGTERM, and SIGKILL when anything of it still runs after
// CancelGraceMs; the run reports exit code -1 with the error "cancelled". Meant for the
// one key a window still accepts while it waits, so that a tool that never ends
// (a viewer entered as LaTeX, say) cannot hold the window for ever.
void cancelWaitedRun();

} // namespace HostProcess
