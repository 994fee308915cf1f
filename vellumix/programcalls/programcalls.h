// The frame's program calls: TeX > "&Compile" (F6), "&Log File" (F7), "&Preview"
// (F8), Options > "&Program Calls..." and File > "&Clean Up...", and the runner
// behind every command line the frame starts (external programs, user buttons,
// the editor's Execute and Open). The frame lends its main file, editors,
// placeholder expansion and templates through ProgramCallsFrame; this object owns
// the program-calls dialog and the clean-up dialog.
#pragma once

#include "common/programtemplates.h"
#include "programcalls/texcommands.h"

#include <QObject>
#include <functional>

class QAction;
class QWidget;
class TCleanUpDlg;
class TFrameForm;
class TProgramsDialog;

// What the frame lends to the program calls.
struct ProgramCallsFrame {
    std::function<QString()> mainFile;                         // full path; empty while none is set
    std::function<bool()> selectMainFile;                      // File > "Main File..."; false when cancelled
    std::function<void()> saveModifiedEditors;
    std::function<void(const QString &)> openFile;             // format 1, no line; a log is read afresh
    std::function<void(const QString &)> showMainFile;         // status panel 1
    std::function<QString(const QString &)> expand;            // placeholder expansion
    std::function<ProgramTemplates()> templates;
    std::function<void(const ProgramTemplates &)> setTemplates;
    std::function<void(const QString &)> showError;            // error box
};

class TProgramCalls : public QObject, private TexCommandHost
{
    Q_OBJECT
public:
    TProgramCalls(QWidget *window, ProgramCallsFrame frame);
    ~TProgramCalls() override;

    // Creates the program calls of the frame: the menu items, the runner of its
    // command lines and the clean-up dialog (marks from the settings file in use,
    // written to the frame's settings target at exit). Owned by the frame.
    static TProgramCalls *install(TFrameForm &frame);

    // Compile1, LogFile1, Preview1, ProgramCalls1, CleanUp1.
    QAction *compileAction() const { return m_compile; }
    QAction *logFileAction() const { return m_logFile; }
    QAction *previewAction() const { return m_preview; }
    QAction *programCallsAction() const { return m_programCalls; }
    QAction *cleanUpAction() const { return m_cleanUp; }

    // Creates the clean-up dialog (once, at start-up): marks from settingsInUse,
    // written to perUserSettings at exit unless settings are unavailable.
    TCleanUpDlg *createCleanUpDialog(const QString &settingsInUse, const QString &perUserSettings,
                                     bool settingsAvailable);
    TCleanUpDlg *cleanUpDialog() const { return m_cleanUpDlg; }
    TProgramsDialog *programsDialog() const { return m_programsDlg; }
    // The directory the clean-up works in: the main file's, else the current one.
    QString cleanUpDirectory() const;

    TexCommands &commands() { return m_commands; }

    // Runs a command line as the frame does for external programs, user buttons and
    // the editor's Execute (working directory empty: the current one).
    bool run(const QString &commandLine, const QString &workingDir = QString())
    {
        return m_commands.runner().run(commandLine, workingDir);
    }
    // The editor's "&Open" on a file that is not a TeX source: the file itself, never
    // split at blanks, in the working directory, which becomes the current directory
    // (the clean-up follows it).
    bool openDocument(const QString &path, const QString &workingDir);

public slots:
    void editProgramCalls();
    void cleanUp();

private:
    // TexCommandHost
    void saveModifiedEditors() override;
    void showRunError(const QString &message) override;
    QString mainFile() const override;
    bool selectMainFile() override;
    QString expand(const QString &commandTemplate) const override;
    void openFile(const QString &path) override;
    void showMainFile(const QString &path) override;
    ProgramTemplates templates() const override;

    QAction *makeAction(const char *text, const char *name, const QKeySequence &key);

    QWidget *m_window;
    ProgramCallsFrame m_frame;
    TexCommands m_commands;
    QAction *m_compile;
    QAction *m_logFile;
    QAction *m_preview;
    QAction *m_programCalls;
    QAction *m_cleanUp;
    TProgramsDialog *m_programsDlg;
    TCleanUpDlg *m_cleanUpDlg = nullptr;
};
