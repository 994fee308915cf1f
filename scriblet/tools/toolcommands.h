// The tool commands: LaTeX (F5), BibTeX (F6), DVI viewer (F7), DVIPS (F8),
// PostScript viewer (F9), the user tools (Ctrl+F1..Ctrl+F10), the main-document
// command (F4), the program-calls dialog and the walk through the errors of the
// last log ("Nächster Fehler" F12, "Vorheriger Fehler" Shift+F12). Their actions
// belong to the window given (their keys work with and without a document); the
// main window's wiring puts them into its menus. While a waited tool runs the
// window shows the wait cursor and the tool's name in its status bar and takes no
// input but Escape; afterwards a pane of the status bar tells how the last LaTeX
// or BibTeX run ended.
#pragma once

#include "tools/toolrunner.h"

#include <QObject>
#include <array>
#include <memory>

class CLogBar;
class CShellSettings;
class Prompter;
class QAction;
class QLabel;
class QMainWindow;
class QStatusBar;
class ToolHost;

class ToolCommands : public QObject
{
    Q_OBJECT
public:
    // Everything given must outlive this object; logBar may be null.
    ToolCommands(QMainWindow *window, CShellSettings &settings, ToolHost &host, Prompter &prompter,
                 CLogBar *logBar, std::unique_ptr<ToolLauncher> launcher = nullptr);
    ~ToolCommands() override;

    ToolRunner &runner() { return *m_runner; }

    QAction *runLatexAction() const { return m_runLatex; }
    QAction *runBibtexAction() const { return m_runBibtex; }
    QAction *runDviViewerAction() const { return m_runDviViewer; }
    QAction *runDvipsAction() const { return m_runDvips; }
    QAction *runPsViewerAction() const { return m_runPsViewer; }
    QAction *mainDocumentAction() const { return m_mainDocument; }
    QAction *programCallsAction() const { return m_programCalls; }
    QAction *userToolAction(int n) const { return m_userTools.at(n); }
    QAction *nextErrorAction() const { return m_nextError; }
    QAction *previousErrorAction() const { return m_previousError; }
    // The two walk commands, in menu order.
    QList<QAction *> errorActions() const { return {m_nextError, m_previousError}; }
    // The five built-in tools in menu order (for the "&Run" pop-up).
    QList<QAction *> runActions() const;
    // Every action, the user tools included.
    QList<QAction *> actions() const;

    // True while a waited tool runs.
    bool isBusy() const;

    void onRunLatex();
    void onRunBibtex();
    void onRunDviViewer();
    void onRunDvips();
    void onRunPsViewer();
    void onUserTool(int n);
    void onMainDocument();
    void onProgramCalls();
    void onNextError();
    void onPreviousError();
    // Opens the file of the log pane's entry at its line and makes it the walk's
    // current entry (a double click in the pane does the same).
    void openEntry(int entry);

    // The status-bar pane with the result of the last LaTeX or BibTeX run.
    QLabel *runStatusPane() const { return m_runStatus; }

    // Status and tool tips of the user tools follow their names; called again
    // when the language changes, so the run-status pane (its name and the result
    // of the last run) follows too.
    void updateUserToolTexts();

signals:
    // The last waited tool ended: input is taken again.
    void waitedRunEnded();

private:
    class Display;
    QAction *makeAction(int id, int captionId, const QKeySequence &key, int promptId = 0);
    void goToError(bool forward);

    QMainWindow *m_window;
    CShellSettings &m_settings;
    ToolHost &m_host;
    Prompter &m_prompter;
    CLogBar *m_logBar;
    QLabel *m_runStatus = nullptr;
    std::unique_ptr<Display> m_display;
    std::unique_ptr<ToolRunner> m_runner;
    QAction *m_runLatex = nullptr;
    QAction *m_runBibtex = nullptr;
    QAction *m_runDviViewer = nullptr;
    QAction *m_runDvips = nullptr;
    QAction *m_runPsViewer = nullptr;
    QAction *m_mainDocument = nullptr;
    QAction *m_programCalls = nullptr;
    QAction *m_nextError = nullptr;
    QAction *m_previousError = nullptr;
    std::array<QAction *, 10> m_userTools{};
};
