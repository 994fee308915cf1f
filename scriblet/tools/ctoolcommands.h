// The tool commands of the main frame: LaTeX (F5), BibTeX (F6), DVI viewer (F7),
// DVIPS (F8), PostScript viewer (F9), the user tools (Ctrl+F1..Ctrl+F10), the
// main-document command (F4) and the program-calls dialog. The frame adds the
// actions to its menus (or creates them itself through FrameHooks::createAction)
// and hands in what only it knows (documents, project pane) through FrameHooks.
#pragma once

#include "tools/toolhost.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class CLogBar;
class CShellSettings;
class FileChooser;
class QAction;
class QLabel;
class QMainWindow;
class QStatusBar;
class ToolRunner;

struct FrameHooks {
    std::function<bool()> saveModifiedDocuments;             // true when one was saved
    std::function<bool()> hasOpenDocuments;
    std::function<std::optional<ActiveDocument>()> activeDocument;
    // The frame's needsTexRun flag; without these the commands keep their own.
    std::function<bool()> needsTexRun;
    std::function<void(bool)> setNeedsTexRun;
    std::function<bool()> isProjectLoaded;
    std::function<void()> refreshTableOfContents;
    // The main-document status pane (32943) shows this text; default: the pane made
    // by installStatusPane().
    std::function<void(const QString &)> setMainDocumentStatus;
    // Message boxes; default: a warning box with an OK button.
    std::function<void(const QString &)> showMessage;
    // Creates the command's action (the frame puts it into its menus); default: an
    // action of the frame named "cmd<id>" whose shortcut works in the whole window.
    std::function<QAction *(int id, const QString &text, const QKeySequence &key)> createAction;
};

class CToolCommands : public QObject
{
    Q_OBJECT
public:
    // settings and the frame's log pane (may be null) must outlive this object;
    // chooser defaults to the real file dialog.
    CToolCommands(QMainWindow *frame, CShellSettings &settings, CLogBar *logBar, FrameHooks hooks,
                  std::unique_ptr<FileChooser> chooser = nullptr);
    ~CToolCommands() override;

    ToolRunner &runner() { return *m_runner; }

    QAction *runLatexAction() const { return m_runLatex; }
    QAction *runBibtexAction() const { return m_runBibtex; }
    QAction *runDviViewerAction() const { return m_runDviViewer; }
    QAction *runDvipsAction() const { return m_runDvips; }
    QAction *runPsViewerAction() const { return m_runPsViewer; }
    QAction *mainDocumentAction() const { return m_mainDocument; }
    QAction *programCallsAction() const { return m_programCalls; }
    QAction *userToolAction(int n) const { return m_userTools.at(n); }
    // The five built-in tools in menu order (for the "&Run" pop-up).
    QList<QAction *> runActions() const;

    // Adds the main-document pane (32943) to the status bar.
    QLabel *installStatusPane(QStatusBar *statusBar);
    QLabel *statusPane() const { return m_statusPane; }

    void onRunLatex();
    void onRunBibtex();
    void onRunDviViewer();
    void onRunDvips();
    void onRunPsViewer();
    void onUserTool(int n);
    void onMainDocument();
    void onProgramCalls();

    // Status and tool tips of the user tools follow their names.
    void updateUserToolTexts();

private:
    class Host;
    QAction *makeAction(int id, const QString &text, const QString &prompt, const QKeySequence &key,
                        const FrameHooks &hooks);

    QMainWindow *m_frame;
    CShellSettings &m_settings;
    std::unique_ptr<FileChooser> m_chooser;
    std::unique_ptr<Host> m_host;
    std::unique_ptr<ToolRunner> m_runner;
    QLabel *m_statusPane = nullptr;
    QAction *m_runLatex = nullptr;
    QAction *m_runBibtex = nullptr;
    QAction *m_runDviViewer = nullptr;
    QAction *m_runDvips = nullptr;
    QAction *m_runPsViewer = nullptr;
    QAction *m_mainDocument = nullptr;
    QAction *m_programCalls = nullptr;
    std::array<QAction *, 10> m_userTools{};
};
