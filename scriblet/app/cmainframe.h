// Scriblet's main window: MDI area, menus, toolbars, status bar and the two
// docking panes. Other areas add their commands with addCommand() and reach the
// settings, the active view and the panes through the accessors below.
#pragma once

#include <functional>
#include <vector>

#include <QHash>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>

class QAction;
class QFont;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class CChildFrame;
class CControlBarEx;
class CShellCommandLineInfo;
class CShellDoc;
class CShellSettings;
class CShellView;
class Prompter;
struct MacroTable;
struct SymbolCommand;

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
    CShellView *activeView() const;
    CChildFrame *activeChild() const;
    QList<CChildFrame *> children() const;
    CControlBarEx *logBar() const { return m_logBar; }
    CControlBarEx *projectBar() const { return m_projectBar; }
    QToolBar *toolBar(int id) const { return m_toolBars.value(id); }
    const QImage &toolImages() const { return m_toolImages; }
    const QImage &macroImages() const { return m_macroImages; }

    // --- Commands ------------------------------------------------------------------
    // Top-level menus by objectName: "menuFile", "menuEdit", "menuView", "menuTex",
    // "menuProject", "menuWindow", "menuHelp"; another name creates a new menu
    // before "menuWindow" with the given title. Empty menus are hidden.
    QMenu *menu(const QString &name, const QString &title = QString());
    // Creates a command (objectName "cmd<id>") in the named menu (none when empty).
    // documentOnly: shown only while a document is open (the document menu).
    QAction *addCommand(int id, const QString &menuName, const QString &text,
                        const QKeySequence &shortcut = QKeySequence(), bool documentOnly = false);
    QAction *action(int id) const { return m_actions.value(id); }

    // --- Documents ------------------------------------------------------------------
    // Opens (or activates when already open) a file; line > 0 puts the caret at
    // the start of that line. Null (after a message) when it cannot be read.
    CShellView *openDocument(const QString &path, int line = 0);
    CShellView *newDocument();
    // Saves one document as the Save command does (untitled or read-only: Save As).
    bool saveDocument(CShellDoc *doc);
    bool saveDocumentAs(CShellDoc *doc);
    // Saves every modified document; false when one stayed modified.
    bool saveAll();
    QStringList recentFiles() const { return m_recent; }

    // --- Main document, flags, status --------------------------------------------
    // Makes a full path the main document ("TeX Settings" written at once).
    void setMainDocument(const QString &fullPath);
    void updateMainDocPane();
    void setStatusMessage(const QString &text, int timeoutMs = 0);
    bool needsTexRun() const { return m_needsTexRun; }
    void setNeedsTexRun(bool on) { m_needsTexRun = on; }

    // Project named on the command line or by a later start; the project pane
    // opens it (see projectRequested).
    QString pendingProject() const { return m_pendingProject; }
    void requestProject(const QString &path);

    // One idle pass: the line pane follows the caret, the active view colours
    // its next chunk. Runs whenever the event queue is empty and work is left.
    void onIdle();
    QString linePaneText() const;
    QString mainDocPaneText() const;

    // Applies the word-wrap mode to every open document's view.
    void applyWrapToAll();
    // Stores a new editor font in "Font" and gives it to every open view; false
    // (nothing changed) when the settings file cannot be written.
    bool applyEditorFont(const QFont &font);

    // Takes the seven umlaut replacements (order ä Ä ö Ö ü Ü ß) and writes "Umlaute".
    bool applyUmlauts(const std::array<QString, 7> &values);
    // Inserts the text of a symbol command at the caret of the active view.
    bool insertSymbol(int id);
    // Inserts macro index (0..9) at the caret of the active view; false without one.
    bool insertMacro(int index);
    // Takes a new macro table: captions, settings object and the macros file.
    bool applyMacros(const MacroTable &table);

    // A check that runs when the main window is about to close, after the documents
    // are saved; returning false keeps the window open (its data could not be saved).
    void addCloseGuard(std::function<bool()> guard) { m_closeGuards.push_back(std::move(guard)); }

signals:
    // A project (".sbp") should be opened.
    void projectRequested(const QString &path);
    // The main window is closing (documents are saved next); the project is saved here.
    void closing();
    // The active view changed (null when none is left).
    void activeViewChanged(CShellView *view);

protected:
    void closeEvent(QCloseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<std::function<bool()>> m_closeGuards;
    void createMenus();
    bool createToolBars();
    void createStatusBar();
    void restorePlacement();
    void savePlacement();
    void updateDocumentMenus();
    void addRecent(const QString &path);
    void loadRecent();
    void rebuildRecentMenu();
    void scheduleIdle();
    // "<document> - Scriblet" while a document window is active, else "Scriblet".
    void updateTitle();
    // Window menu: one entry "&n  title" per document window, the active one checked.
    void rebuildWindowList();
    void updateMacroCaptions();
    QAction *createSymbolCommand(const SymbolCommand &c);
    void onMacros();
    CChildFrame *childForPath(const QString &path) const;
    CChildFrame *addChild(CShellDoc *doc);
    bool askSaveBeforeClose(CChildFrame *child);

    void onFileOpen();
    void onFileClose();
    void onFileSave();
    void onFileSaveAs();
    void onWordWrap();
    void onFont();
    void onFind(bool replace);
    void onFindNext();

    CShellSettings *m_settings;
    Prompter *m_prompter;
    QMdiArea *m_mdi = nullptr;
    QHash<int, QAction *> m_actions;
    QList<QAction *> m_documentOnly;
    QHash<int, QToolBar *> m_toolBars;
    QLabel *m_linePane = nullptr;
    QLabel *m_mainDocPane = nullptr;
    CControlBarEx *m_logBar = nullptr;
    CControlBarEx *m_projectBar = nullptr;
    QImage m_toolImages;
    QImage m_macroImages;
    QStringList m_recent;
    QMenu *m_recentMenu = nullptr;
    QAction *m_recentSeparator = nullptr;
    QTimer *m_idleTimer = nullptr;
    QList<QAction *> m_windowEntries;
    QPointer<CShellView> m_lastActive;
    QString m_pendingProject;
    QString m_findText;
    QString m_replaceText;
    bool m_findCase = false;
    bool m_needsTexRun = false;
    bool m_closing = false;
    bool m_menusQueued = false;
    int m_untitledCount = 0;
};
