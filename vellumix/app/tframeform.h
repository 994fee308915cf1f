// The main window of Vellumix: an MDI frame that owns the editors (in its editor
// area), the settings in memory (read once when the frame is created, written once
// when it closes, see Session), the main file, the recent-file list, the speed bar,
// the window bar and the status bar, and dispatches the menu commands.
//
// The features (editor commands, program calls, clean-up, templates, toolboxes, spell
// check, the document guard) are wired in when the frame is created; each reaches the
// frame only through its wiring in app/.
#pragma once

#include "app/argumenthandler.h"
#include "app/framemenus.h"
#include "app/recentfiles.h"
#include "app/session.h"
#include "app/speedbutton.h"
#include "common/prompter.h"
#include "common/settingslocation.h"
#include "common/tokenclass.h"
#include "common/vellumixsettings.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>

class CleanUpWiring;
class DocumentGuard;
class DocumentGuardWiring;
class EditorArea;
class EditorCommands;
class EditorWiring;
class HelpCommands;
class ProgramCalls;
class ProgramCallsWiring;
class TemplatesWiring;
class ToolboxesWiring;
class QLabel;
class QMdiSubWindow;
class SpellWiring;
class TEditForm;
class TemplateCommands;
class ToolboxCommands;
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

    const ClassFonts &classFonts() const { return m_settings.fonts; }
    // New fonts: editors take the standard font; classFontsChanged() is emitted.
    void setClassFonts(const ClassFonts &fonts);
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
    EditorArea *editorArea() const { return m_area; }
    TEditForm *activeEditor() const;
    // Open editors in creation order.
    QList<TEditForm *> editors() const;
    // New empty editor "Unnamed" + counter.
    TEditForm *newEditor();
    // Opens a file (full or relative path) in an editor; an open editor of the file is
    // brought to the front instead (a ".log" file is read afresh). Returns the editor,
    // or nullptr when the file does not exist (also after the ".tex" fallback).
    TEditForm *openFile(const QString &path, OpenFormat format = OpenFormat::Plain, int line = 0);
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
    // Restores the main file, the remembered editors and the windows that were open
    // at the last exit (after every window exists).
    void restoreAtStartUp();

    // ---- placeholders
    PlaceholderContext placeholderContext() const;
    QString expand(const QString &commandTemplate) const;

    // ---- menus, bars, features
    // The menus and items; the features' wiring adds their items through it.
    FrameMenus &menus() const { return *m_menus; }
    FrameActions &actions() const { return m_menus->actions; }
    TSpeedBar *speedBar() const { return m_speedBar; }
    TWindowBar *windowBar() const { return m_windowBar; }
    QLabel *caretPanel() const { return m_caretPanel; }
    QLabel *mainFilePanel() const { return m_mainPanel; }
    Prompter &prompter() const { return *m_prompter; }
    EditorCommands &editorCommands() const;
    ProgramCalls &programCalls() const;
    TemplateCommands &templateCommands() const;
    ToolboxCommands &toolboxCommands() const;
    // Crash recovery and changes on disk of the open documents.
    DocumentGuard &documentGuard() const;
    // Help > "Vellumix..." and "LaTeX...".
    HelpCommands &help() const { return *m_help; }
    // Rebuilds the speed bar from the settings (version and Buttons entries).
    void rebuildSpeedBar();
    // Refreshes status panel 0 with the caret of the active editor.
    void updateCaretStatus();
    // The bars as the settings say (View menu).
    void applyBarVisibility();

    // ---- command handlers of the menus
    void onOpen();
    void onSave();
    void onSaveAs();
    void onAbout();

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
    void createStatusBar();
    void connectBars();
    void editorAdded(TEditForm *editor);
    void editorRemoved(TEditForm *editor);
    void onActiveEditorChanged(TEditForm *editor);
    void updateTitle();
    void onSpeedButton(const SpeedButton &button);

    QString m_programDir;
    SettingsLocation m_location;
    VellumixSettings m_settings;
    RecentFiles m_recent;
    ArgumentHandler m_arguments;
    int m_newCounter = 1;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;

    FrameMenus *m_menus = nullptr;
    EditorWiring *m_editorWiring = nullptr;
    ProgramCallsWiring *m_programCallsWiring = nullptr;
    CleanUpWiring *m_cleanUpWiring = nullptr;
    TemplatesWiring *m_templatesWiring = nullptr;
    ToolboxesWiring *m_toolboxesWiring = nullptr;
    HelpCommands *m_help = nullptr;
    SpellWiring *m_spellWiring = nullptr;
    DocumentGuardWiring *m_guardWiring = nullptr;
    EditorArea *m_area = nullptr;
    std::unique_ptr<Session> m_session;
    TSpeedBar *m_speedBar = nullptr;
    TWindowBar *m_windowBar = nullptr;
    QLabel *m_caretPanel = nullptr;
    QLabel *m_mainPanel = nullptr;
    QMetaObject::Connection m_caretConnection;
    bool m_closing = false;
};
