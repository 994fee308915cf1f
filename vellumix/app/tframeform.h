// The main window of Vellumix: an MDI frame that owns the editors, the settings in
// memory (read once when the frame is created, written once when it closes), the main
// file, the recent-file list, the speed bar, the window bar and the status bar, and
// dispatches the menu commands.
//
// Other windows reach the frame through its public interface: the settings record
// (fonts, option flags, command templates), the main file, the active editor and
// insert(before, after), the named menus and actions (objectName, e.g. "File1",
// "Save1"), the status bar and the prompter that asks the user.
#pragma once

#include "app/argumenthandler.h"
#include "common/prompter.h"
#include "app/recentfiles.h"
#include "app/speedbutton.h"
#include "common/tokenclass.h"
#include "common/vellumixsettings.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTextCharFormat>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TEditForm;
class TSpeedBar;
class TWindowBar;

class TFrameForm : public QMainWindow
{
    Q_OBJECT
public:
    // Reads the settings from programDir's Vellumix.ini (or the per-user file it names).
    // A prompter given here is used instead of message boxes and file dialogs (not owned).
    explicit TFrameForm(const QString &programDir, Prompter *prompter = nullptr,
                        const EnvironmentLookup &env = processEnvironment(), QWidget *parent = nullptr);
    ~TFrameForm() override;

    // ---- settings
    VellumixSettings &settings() { return m_settings; }
    const VellumixSettings &settings() const { return m_settings; }
    const SettingsLocation &settingsLocation() const { return m_location; }
    // True when nothing may be written to any settings file (dialogs check it too).
    bool settingsUnavailable() const { return m_location.unavailable; }
    // The file the settings were read from / are written to at exit.
    QString settingsFileInUse() const { return m_location.inUse; }
    QString settingsFileTarget() const { return m_location.target; }
    // The version of the settings file in use (below 50: settings of an older release).
    int settingsVersion() const { return m_settings.version; }

    const ClassFonts &classFonts() const { return m_settings.fonts; }
    // New fonts: the prepared formats follow; classFontsChanged() is emitted.
    void setClassFonts(const ClassFonts &fonts);
    QFont classFont(TokenClass cls) const;
    // Face, size, colour and styles of the class, ready to apply to text.
    QTextCharFormat classFormat(TokenClass cls) const { return m_formats[int(cls)]; }
    QColor backgroundColor() const;
    void setBackgroundColor(quint32 winColor);

    bool wordWrap() const { return m_settings.wordWrap; }
    bool lineSpecials() const { return m_settings.lineSpecials; }
    bool createBackup() const { return m_settings.createBackup; }
    bool syntaxColoring() const { return m_settings.syntaxColoring; }
    void setWordWrap(bool on);
    void setSyntaxColoring(bool on);
    void setLineSpecials(bool on);
    void setCreateBackup(bool on);

    // ---- main file
    QString mainFile() const { return m_settings.mainFile; }
    bool hasMainFile() const { return !m_settings.mainFile.isEmpty(); }
    // Sets the main file and shows it in the status bar.
    void setMainFile(const QString &path);
    // File > "Main File...": choose a main file, then open it. False when cancelled.
    bool selectMainFile();
    // TeX > "Main File": opens the main file (choosing one first while none is set),
    // shows it in the status bar and makes its directory the current directory.
    void openMainFile();
    // Status panel 1: prefix + main file.
    void showMainFileStatus(const QString &prefix = QStringLiteral("Main file: "));

    // ---- editors
    TEditForm *activeEditor() const;
    // Open editors in creation order.
    QList<TEditForm *> editors() const;
    // The editors in child order: the active one first, then back through the
    // activation history.
    QList<TEditForm *> editorsInChildOrder() const;
    QMdiSubWindow *subWindowOf(TEditForm *editor) const;
    // New empty editor "Unnamed" + counter.
    TEditForm *newEditor();
    // Opens a file (full or relative path) in an editor; an open editor of the file is
    // brought to the front instead (a ".log" file is read afresh). Returns the editor,
    // or nullptr when the file does not exist (also after the ".tex" fallback).
    TEditForm *openFile(const QString &path, OpenFormat format = OpenFormat::Plain, int line = 0);
    // Selects line n (1-based) of the editor; n <= 0 does nothing.
    void goToLine(TEditForm *editor, int line);
    // Inserts into the active editor around its selection; nothing without an editor.
    void insert(const QString &before, const QString &after);
    // Saves every modified editor; false when one could not be saved.
    bool saveModifiedEditors();
    void activateEditor(TEditForm *editor);
    // Save / Save As of one editor, as the menus and the window bar do.
    bool saveEditor(TEditForm *editor);
    bool saveEditorAs(TEditForm *editor);

    // ---- recent files
    const RecentFiles &recentFiles() const { return m_recent; }
    void addRecent(const QString &path);
    void replaceFirstRecent(const QString &path);
    // Opens recent entry index (asks Retry/Cancel while it is missing).
    void openRecent(int index);

    // ---- arguments and hand-over
    void handleArgument(const QString &text);
    void handleArguments(const QStringList &arguments);
    // Messages of a later start: the window is restored or raised, then each argument
    // is handled in order. Anything that is not a hand-over is ignored.
    void receiveHandOver(const QList<QByteArray> &messages);

    // ---- start-up
    // Restores the main file and the remembered editors (after every window exists).
    void restoreAtStartUp();

    // ---- placeholders and command lines
    PlaceholderContext placeholderContext() const;
    QString expand(const QString &commandTemplate) const;
    // Runs a command line without waiting (working directory empty: the current one).
    // The program-call module installs its runner; the default starts the program
    // directly and reports failure.
    using CommandRunner = std::function<void(const QString &commandLine, const QString &workingDir)>;
    void setCommandRunner(CommandRunner runner) { m_runner = std::move(runner); }
    void runCommandLine(const QString &commandLine, const QString &workingDir = QString());

    // ---- menus, bars, dialogs
    // Menus by objectName: "File1", "Edit1", "View1", "Templates1", "Toolboxes1", "TeX1",
    // "Window1", "Options1", "Help1"; actions by objectName (see the .cpp for the list).
    QMenu *menu(const QString &objectName) const;
    QAction *action(const QString &objectName) const;
    // Adds an action to a named menu, before the named action (at the end when empty or
    // not found). Menus that depend on editors or hold nothing are shown as they should.
    void addMenuAction(const QString &menuName, QAction *action, const QString &beforeName = QString());
    void refreshMenuVisibility();
    QMdiArea *mdiArea() const { return m_mdi; }
    TSpeedBar *speedBar() const { return m_speedBar; }
    TWindowBar *windowBar() const { return m_windowBar; }
    QLabel *caretPanel() const { return m_caretPanel; }
    QLabel *mainFilePanel() const { return m_mainPanel; }
    Prompter *prompter() const { return m_prompter; }
    // Rebuilds the speed bar from the settings (version and Buttons entries).
    void rebuildSpeedBar();
    // Rebuilds the external-program items of the TeX menu.
    void rebuildExternalPrograms();
    // Refreshes status panel 0 with the caret of the active editor.
    void updateCaretStatus();

signals:
    void editorsChanged();
    void activeEditorChanged(TEditForm *editor);
    void wordWrapChanged(bool on);
    void syntaxColoringChanged(bool on);
    void classFontsChanged();
    void backgroundColorChanged();
    void mainFileChanged(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    QAction *addItem(QMenu *menu, const char *objectName, const QString &caption, const QKeySequence &shortcut = {});
    void addEditor(TEditForm *editor);
    void editorClosed(TEditForm *editor);
    void onSubWindowActivated(QMdiSubWindow *window);
    void updateTitle();
    void refreshFileMenu();
    void refreshEditMenu();
    void refreshViewMenu();
    void refreshOptionsMenu();
    void rebuildWindowList();
    void rebuildRecentMenu();
    void applyBarVisibility();
    void applyWindowBounds();
    void rebuildFormats();
    bool loadInFormat(TEditForm *editor, const QString &path, OpenFormat format);
    void onSpeedButton(const SpeedButton &button);
    void triggerNamed(const QString &actionName);
    void onNew();
    void onOpen();
    void onSave();
    void onSaveAs();
    void onCloseAll();
    void onArrangeIcons();
    void onHelp(const QString &fileName);
    void onAbout();
    void writeSettingsAtExit();

    SettingsLocation m_location;
    VellumixSettings m_settings;
    std::array<QTextCharFormat, TokenClassCount> m_formats;
    RecentFiles m_recent;
    ArgumentHandler m_arguments;
    int m_newCounter = 1;
    QString m_programDir;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    CommandRunner m_runner;

    QMdiArea *m_mdi;
    TSpeedBar *m_speedBar;
    TWindowBar *m_windowBar;
    QLabel *m_caretPanel;
    QLabel *m_mainPanel;
    QMenu *m_recentMenu = nullptr;
    QList<QAction *> m_windowListActions;
    QList<QAction *> m_externalActions;
    QAction *m_externalSeparator = nullptr;
    QMetaObject::Connection m_caretConnection;
    bool m_closing = false;
};
