// Starting a command line the way the desktop shell's "open" does: an executable
// program is started detached with its arguments, anything else (a document, a
// folder, a URL) goes to the desktop opener, whose failure is reported as well.
#pragma once

#include "programcalls/commandline.h"
#include "programcalls/desktopopener.h"

#include <QString>

class ProgramCallsHost;

// Caption-less error text shown when a command line cannot be started; the
// command line and UnableToOpenTail follow it.
inline constexpr char16_t UnableToOpenHead[] = u"Unable to open\r\n>>\r\n>> ";
inline constexpr char16_t UnableToOpenTail[] = u"\r\n>> ";

// The error box's text; a reason (what the desktop opener said) follows the tail.
QString unableToOpenMessage(const QString &commandLine, const QString &reason = QString());

class ProgramRunner
{
public:
    explicit ProgramRunner(ProgramCallsHost &host);

    // What the program of a command line names, seen from dir: an executable file
    // (found by its path, on PATH or in dir), else an existing document or folder or
    // a URL for the desktop opener; both empty when it names nothing.
    struct Target {
        QString executable;
        QString document;
    };
    static Target locate(const QString &program, const QString &dir);

    // Runs a command line in the working directory (empty: the current directory),
    // after saving every modified editor when the line names a TeX file. Does not
    // wait for the started program. Returns false after showing the error box when
    // nothing could be started; a desktop opener that fails later shows it then.
    bool run(const CommandLine &command, const QString &workingDir = QString());
    // A line as it is (the editor's Execute).
    bool run(const QString &commandLine, const QString &workingDir = QString())
    {
        return run(CommandLine::fromText(commandLine), workingDir);
    }
    // A command template, split and then expanded with the host's placeholders.
    bool runTemplate(const QString &commandTemplate, const QString &workingDir = QString());

    // Opens one file or program named by its full path, which is never split at
    // blanks (a path may hold spaces); no editor is saved first.
    bool open(const QString &path, const QString &workingDir = QString());

    DesktopOpener &opener() { return m_opener; }

    // The error box for a command line that could not be started.
    void reportFailure(const QString &commandLine, const QString &reason = QString());

private:
    bool start(const CommandLine &command, const QString &workingDir);

    ProgramCallsHost &m_host;
    DesktopOpener m_opener;
};
