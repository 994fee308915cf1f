// The commands of the TeX menu, the external programs, the user buttons and the
// editor's Execute/Open, on top of ProgramRunner and Compiler. The window supplies
// the main file, the placeholders and the editors through ProgramCallsHost.
#pragma once

#include "programcalls/compiler.h"
#include "programcalls/programrunner.h"

class ProgramCallsHost;

class TexCommands
{
public:
    explicit TexCommands(ProgramCallsHost &host) : m_host(host), m_runner(host), m_compiler(host, m_runner) {}

    // Each of the four TeX commands first lets the user choose a main file while
    // none is set, and does nothing when that is cancelled. They return false when
    // nothing was done or started.

    // Opens the main file, shows it in the status bar and makes its directory the
    // current directory.
    bool openMainFile();
    // Saves every modified editor, then runs the compile template in the main
    // file's directory, watched (see Compiler).
    bool compile();
    // Runs the preview template in the main file's directory.
    bool preview();
    // Opens the log file named by the log template at its first error; a missing
    // log opens nothing.
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
    Compiler &compiler() { return m_compiler; }

private:
    bool ensureMainFile();

    ProgramCallsHost &m_host;
    ProgramRunner m_runner;
    Compiler m_compiler;
};
