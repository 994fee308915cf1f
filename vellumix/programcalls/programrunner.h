// Starting a command line the way the desktop shell's "open" does: an executable
// program is started detached with its parameters, anything else (a document, a
// directory, a URL) goes to the desktop opener.
#pragma once

#include <QString>

class ProgramCallsHost;

// Caption-less error text shown when a command line cannot be started; the
// command line and UnableToOpenTail follow it.
inline constexpr char16_t UnableToOpenHead[] = u"Unable to open\r\n>>\r\n>> ";
inline constexpr char16_t UnableToOpenTail[] = u"\r\n>> ";

QString unableToOpenMessage(const QString &commandLine);

// Program and parameters of a command line.
//  - A line that starts with a double quote: the program is the text up to the next
//    double quote (quotes removed); the parameters start after the one character that
//    follows the closing quote. Without a closing quote the rest of the line is the
//    program.
//  - Otherwise the program is the text before the first blank, the parameters the
//    text after it.
struct ProgramCommand {
    QString program;
    QString parameters;
    bool operator==(const ProgramCommand &) const = default;
};
ProgramCommand splitProgramCommand(const QString &commandLine);

// True when the command line names a ".tex" or ".txx" file (compared without case),
// which is when modified editors are saved before it runs.
bool commandNamesTexFile(const QString &commandLine);

class ProgramRunner
{
public:
    explicit ProgramRunner(ProgramCallsHost &host) : m_host(host) {}

    // Runs a command line in the working directory (empty: the current directory),
    // after saving every modified editor when the line names a TeX file. Does not
    // wait for the started program. Returns false after showing the error box when
    // nothing could be started.
    bool run(const QString &commandLine, const QString &workingDir = QString());

    // Opens one file or program named by its full path, which is never split at
    // blanks (a path may hold spaces); no editor is saved first.
    bool open(const QString &path, const QString &workingDir = QString());

private:
    bool start(const QString &program, const QString &parameters, const QString &workingDir,
               const QString &shownCommandLine);

    ProgramCallsHost &m_host;
};
