// Scriblet's main window: MDI area, menus, toolbars, status bar and the two
// docking panes. The features reach it only through the wiring files beside it
// (editorwiring, toolwiring, projectwiring), which add their commands with
// addCommand() and implement the features' host interfaces; the documents are
// handled by its DocumentManager.
#pragma once

#include <functional>
#include <vector>

#include <QHash>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class CChildFrame;
class CLogBar;
class CProjectBar;
class CShellCommandLineInfo;
class CShellSettings;
class CShellView;
class DocumentManager;
class DocumentSafety;
class EditorCommands;
class LanguageCommands;
class Prompter;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class ToolCommands;

class SettingsFailureReport;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    CMainFrame(CShellSettings *settings, Prompter *prompter, QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Builds menus, bars, status bar and panes after reading the settings. False
    // when the toolbar image files can neither be read nor written.
    bool create(const CShellCommandLineInfo *cmdInfo = nullptr);

    CShellSettings *settings() const { return m_settings; }
    Prompter *prompter() const { return m_prompter; }
    QMdiArea *mdiArea() const { return m_mdi; }
    DocumentManager &documents() const { return *m_documents; }
    CShellView *activeView() const;
    CChildFrame *activeChild() const;
    QList<CChildFrame *> children() const;
    QToolBar *toolBar(int id) const { return m_toolBars.value(id); }
    const QImage &toolImages() const { return m_toolImages; }
    const QImage &macroImages() const { return m_macroImages; }

    // The features' parts, set by the wiring when create() installs them.
    CLogBar *logBar() const { return m_logBar; }
    CProjectBar *projectBar() const { return m_projectBar; }
    EditorCommands *editorCommands() const { return m_editorCommands; }
    ToolCommands *toolCommands() const { return m_toolCommands; }
    LanguageCommands *languageCommands() const { return m_languageCommands; }
    void setLogBar(CLogBar *bar) { m_logBar = bar; }
    void setProjectBar(CProjectBar *bar) { m_projectBar = bar; }
    void setEditorCommands(EditorCommands *c) { m_editorCommands = c; }
    void setToolCommands(ToolCommands *c) { m_toolCommands = c; }
    DocumentSafety *documentSafety() const { return m_documentSafety; }
    void setDocumentSafety(DocumentSafety *s) { m_documentSafety = s; }

    // --- Commands ------------------------------------------------------------------
    // Top-level menus by objectName: "menuFile", "menuEdit", "menuView", "menuTex",
    // "menuSettings", "menuProject", "menuWindow", "menuHelp"; another name creates
    // a new menu before "menuWindow" with the title of titleId. Empty menus are hidden.
    QMenu *menu(const QString &name, int titleId = 0);
    // Creates a command (objectName "cmd<id>") in the named menu (none when empty),
    // its texts from the string table (see ActionText). documentOnly: shown only
    // while a document is open (the document menu).
    QAction *addCommand(int id, const QString &menuName, int captionId, int promptId = 0,
                        const QKeySequence &shortcut = QKeySequence(), bool documentOnly = false);
    // Puts an action that a feature made into the named menu and under its id.
    void addFeatureCommand(int id, QAction *action, const QString &menuName, bool documentOnly = false);
    QAction *action(int id) const { return m_actions.value(id); }

    // --- Main document, flags, status --------------------------------------------
    // Makes a full path the main document ("TeX Settings" written at once).
    void setMainDocument(const QString &fullPath);
    void updateMainDocPane();
    bool needsTexRun() const { return m_needsTexRun; }
    void setNeedsTexRun(bool on) { m_needsTexRun = on; }

    // Project named on the command line, by a later start or in the open dialog;
    // the project pane opens it (see projectRequested).
    void requestProject(const QString &path);

    // One idle pass: the line pane follows the caret, the active view colours
    // its next chunk. Runs whenever the event queue is empty and work is left.
    void onIdle();
    void scheduleIdle();
    QString linePaneText() const;
    QString mainDocPaneText() const;

    // A check that runs when the main window is about to close, after the documents
    // are saved; returning false keeps the window open (its data could not be saved).
    // A stored window rectangle bounded by the available screens and moved onto the
    // primary screen when no screen shows enough of it.
    static QRect placedOnScreens(QRect r);

    void addCloseGuard(std::function<bool()> guard) { m_closeGuards.push_back(std::move(guard)); }

signals:
    // A project (".sbp") should be opened.
    void projectRequested(const QString &path);
    // The main window is closing (documents are saved next); the project is saved here.
    void closing();
    // The active view changed (null when none is left).
    void activeViewChanged(CShellView *view);

protected:
    // A change of language sets every text again from the string table, after the
    // bars and panes have set their titles (which Qt copies into their toggles).
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    bool createToolBars();
    // Puts the bars into rows that fit the window's width.
    void arrangeToolBars();
    void createStatusBar();
    void retranslateUi();
    // The LaTeX2e help command: a LaTeX reference through the desktop opener.
    void onLatexHelp();
    void restorePlacement();
    void savePlacement();
    void updateDocumentMenus();
    void onDocumentAdded(CChildFrame *child);
    void onActiveChanged();
    // "<document> - Scriblet" while a document window is active, else "Scriblet".
    void updateTitle();
    // Entry texts end in a tab and all the command's keys ("Ctrl+C, Ctrl+Ins").
    static void showAcceleratorTexts(QMenu *m);
    // Window menu: one entry "&n  title" per document window, the active one checked.
    void rebuildWindowList();

    CShellSettings *m_settings;
    Prompter *m_prompter;
    SettingsFailureReport *m_settingsReport = nullptr;
    QMdiArea *m_mdi = nullptr;
    DocumentManager *m_documents = nullptr;
    CLogBar *m_logBar = nullptr;
    CProjectBar *m_projectBar = nullptr;
    EditorCommands *m_editorCommands = nullptr;
    ToolCommands *m_toolCommands = nullptr;
    DocumentSafety *m_documentSafety = nullptr;
    LanguageCommands *m_languageCommands = nullptr;
    QHash<int, QAction *> m_actions;
    QList<QAction *> m_documentOnly;
    QHash<int, QToolBar *> m_toolBars;
    QLabel *m_linePane = nullptr;
    QLabel *m_mainDocPane = nullptr;
    QImage m_toolImages;
    QImage m_macroImages;
    QTimer *m_idleTimer = nullptr;
    QList<QAction *> m_windowEntries;
    QPointer<CShellView> m_lastActive;
    std::vector<std::function<bool()>> m_closeGuards;
    bool m_needsTexRun = false;
    bool m_firstLook = false; // no stored placement: the window has its first-look size
    bool m_closing = false;
    bool m_menusQueued = false;
};
