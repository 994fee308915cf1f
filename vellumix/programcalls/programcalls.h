// The program calls: TeX > "&Compile" (F6), "Stop Compile", "&Log File" (F7),
// "&Preview" (F8), "&Next Error" (F5), "Pre&vious Error" (Ctrl+F5), Options >
// "&Program Calls...", the compile log view, and the runner behind every command line
// the window starts (external programs, user buttons, the editor's Execute and Open).
// The window puts the items into its menus and the log view at its bottom, and lends
// the main file, the editors, the placeholders and the templates through
// ProgramCallsHost.
#pragma once

#include "programcalls/texcommands.h"

#include <QKeySequence>
#include <QObject>

class CompileLogView;
class ProgramCallsHost;
class QAction;
class QWidget;
class TProgramsDialog;

class ProgramCalls : public QObject
{
    Q_OBJECT
public:
    // The menu items: TeX (Compile1 LogFile1 Preview1, then StopCompile1 NextError1
    // PreviousError1), Options (ProgramCalls1).
    struct Actions {
        QAction *compile, *logFile, *preview;
        QAction *stopCompile, *nextError, *previousError;
        QAction *programCalls;
    };

    // window: the owner of the program-calls dialog, the log view and this object.
    ProgramCalls(ProgramCallsHost &host, QWidget *window);
    ~ProgramCalls() override;

    const Actions &actions() const { return m_actions; }
    TProgramsDialog *programsDialog() const { return m_programsDlg; }
    CompileLogView *logView() const { return m_logView; }
    TexCommands &commands() { return m_commands; }
    Compiler &compiler() { return m_commands.compiler(); }

    // Runs a command line as it is (working directory empty: the current one).
    bool run(const QString &commandLine, const QString &workingDir = QString())
    {
        return m_commands.runner().run(commandLine, workingDir);
    }
    // An external program or a user button: the template expanded, run without a
    // working directory.
    bool runTemplate(const QString &commandTemplate) { return m_commands.runTemplate(commandTemplate); }
    // The editor's "&Open" on a file that is not a TeX source: the file itself, never
    // split at blanks, in the working directory, which becomes the current directory
    // (the clean-up follows it).
    bool openDocument(const QString &path, const QString &workingDir);

    // Options > "&Program Calls...": the dialog edits a copy of the templates; OK
    // hands them to the host.
    void editProgramCalls();

private:
    QAction *makeAction(const char *text, const char *name, const QKeySequence &key);

    ProgramCallsHost &m_host;
    TexCommands m_commands;
    Actions m_actions;
    TProgramsDialog *m_programsDlg;
    CompileLogView *m_logView;
};
