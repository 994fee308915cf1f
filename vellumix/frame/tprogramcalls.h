// The frame's program calls: the actions of File > "&Main File...", the TeX menu,
// Options > "&Program Calls..." and File > "&Clean Up...", the external-program
// items, user buttons and the editor's Execute/Open. The frame lends its main
// file, editors, placeholder expansion and templates through ProgramCallsFrame;
// this object owns the program-calls dialog and the clean-up dialog.
#pragma once

#include "frame/programtemplates.h"
#include "frame/texcommands.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <functional>

class QAction;
class QMenu;
class QWidget;
class TCleanUpDlg;
class TProgramsDialog;

// What the frame lends to the program calls.
struct ProgramCallsFrame {
    std::function<QString()> mainFile;                         // full path; empty while none is set
    std::function<void(const QString &)> setMainFile;          // makes the path the main file
    std::function<void()> saveModifiedEditors;
    std::function<void(const QString &)> openFile;             // format 1, no line; a log is read afresh
    std::function<void(const QString &)> showMainFile;         // status panel 1
    std::function<QString(const QString &)> expand;            // placeholder expansion
    std::function<ProgramTemplates()> templates;
    std::function<void(const ProgramTemplates &)> setTemplates;
};

inline constexpr char SelectMainFileTitle[] = "Select Main File";
inline constexpr char MainFileFilter[] = "Tex Files (*.tex)";
inline constexpr char RunErrorCaption[] = "Error";

class TProgramCalls : public QObject, private TexCommandHost
{
    Q_OBJECT
public:
    TProgramCalls(QWidget *window, ProgramCallsFrame frame);
    ~TProgramCalls() override;

    // File > "&Main File..." (SelectMainFile1), TeX > "&Main File" F4 (MainFile1),
    // "&Compile" F6 (Compile1), "&Log File" F7 (LogFile1), "&Preview" F8 (Preview1),
    // Options > "&Program Calls..." (ProgramCalls1), File > "&Clean Up..." (CleanUp1).
    QAction *selectMainFileAction() const { return m_selectMainFile; }
    QAction *mainFileAction() const { return m_mainFile; }
    QAction *compileAction() const { return m_compile; }
    QAction *logFileAction() const { return m_logFile; }
    QAction *previewAction() const { return m_preview; }
    QAction *programCallsAction() const { return m_programCalls; }
    QAction *cleanUpAction() const { return m_cleanUp; }

    // Adds a separator and one item per external program (caption = command
    // template) to the TeX menu; nothing when the list is empty. Items made by an
    // earlier call are replaced.
    void setExternalPrograms(QMenu *texMenu, const QList<QPair<QString, QString>> &programs);
    QList<QAction *> externalProgramActions() const { return m_externalActions; }

    // Creates the clean-up dialog (once, at start-up): marks from settingsInUse,
    // written to perUserSettings at exit unless settings are unavailable.
    TCleanUpDlg *createCleanUpDialog(const QString &settingsInUse, const QString &perUserSettings,
                                     bool settingsAvailable);
    TCleanUpDlg *cleanUpDialog() const { return m_cleanUpDlg; }
    TProgramsDialog *programsDialog() const { return m_programsDlg; }
    // The directory the clean-up works in: the main file's, else the current one.
    QString cleanUpDirectory() const;

    TexCommands &commands() { return m_commands; }

    // A speed-bar user button: the command line expanded and run without a working directory.
    bool runUserButton(const QString &commandLine) { return m_commands.runTemplate(commandLine); }
    // The editor's "&Execute": the line unchanged, without a working directory.
    bool execute(const QString &commandLine) { return m_commands.execute(commandLine); }
    // The editor's "&Open" on a file that is not a TeX source.
    bool openDocument(const QString &path) { return m_commands.openDocument(path); }

    // Answers for tests; by default a file dialog and an error box.
    std::function<QString(const QString &startDirectory)> askMainFile;
    std::function<void(const QString &message)> showError;

public slots:
    // File > "&Main File...": on OK the file becomes the main file and is opened.
    bool selectMainFile() override;
    void editProgramCalls();
    void cleanUp();

private:
    // TexCommandHost
    void saveModifiedEditors() override;
    void showRunError(const QString &message) override;
    QString mainFile() const override;
    QString expand(const QString &commandTemplate) const override;
    void openFile(const QString &path) override;
    void showMainFile(const QString &path) override;
    ProgramTemplates templates() const override;

    QAction *makeAction(const char *text, const char *name, const QKeySequence &key);

    QWidget *m_window;
    ProgramCallsFrame m_frame;
    TexCommands m_commands;
    QAction *m_selectMainFile;
    QAction *m_mainFile;
    QAction *m_compile;
    QAction *m_logFile;
    QAction *m_preview;
    QAction *m_programCalls;
    QAction *m_cleanUp;
    QList<QAction *> m_externalActions;
    QAction *m_externalSeparator = nullptr;
    TProgramsDialog *m_programsDlg;
    TCleanUpDlg *m_cleanUpDlg = nullptr;
};
