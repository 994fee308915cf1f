// The commands of the TeX menu, the external programs, the user buttons and the
// editor's Execute/Open, on top of ProgramRunner. The frame supplies the main
// file, placeholder expansion and the editors through TexCommandHost.
#pragma once

#include "programcalls/programrunner.h"
#include "common/programtemplates.h"

class TexCommandHost : public RunHost
{
public:
    // Full path of the main file; empty while none is set.
    virtual QString mainFile() const = 0;
    // Runs File > "Main File...": lets the user choose the main file, makes it the
    // main file and opens it. False when the dialog was cancelled.
    virtual bool selectMainFile() = 0;
    // Placeholder expansion of a command template.
    virtual QString expand(const QString &commandTemplate) const = 0;
    // Opens a file in an editor (plain format, no line); a ".log" file is read afresh.
    virtual void openFile(const QString &path) = 0;
    // Shows the main file in the status bar.
    virtual void showMainFile(const QString &path) = 0;
    // The current command templates (kept with the frame's settings).
    virtual ProgramTemplates templates() const = 0;
};

class TexCommands
{
public:
    explicit TexCommands(TexCommandHost &host) : m_host(host), m_runner(host) {}

    // Each of the four TeX commands first lets the user choose a main file while
    // none is set, and does nothing when that is cancelled. They return false when
    // nothing was done or started.

    // Opens the main file, shows it in the status bar and makes its directory the
    // current directory.
    bool openMainFile();
    // Saves every modified editor, then runs the compile template in the main
    // file's directory.
    bool compile();
    // Runs the preview template in the main file's directory.
    bool preview();
    // Opens the log file named by the log template; a missing log opens nothing.
    bool showLogFile();

    // An external program of the TeX menu or a user button: expanded, run without a
    // working directory.
    bool runTemplate(const QString &commandTemplate);
    // The editor's Execute: the line as it is, without a working directory.
    bool execute(const QString &commandLine);
    // The editor's Open on a file that is not a TeX source: the file is opened by
    // its full path in the main file's directory (else the program's directory).
    bool openDocument(const QString &path);

    // Directory of the main file, without a trailing '/'; empty while none is set.
    QString mainDirectory() const;

    ProgramRunner &runner() { return m_runner; }

private:
    bool ensureMainFile();

    TexCommandHost &m_host;
    ProgramRunner m_runner;
};
