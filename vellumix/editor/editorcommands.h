// The commands that act on the active editor: Find, Replace, Search Again, Find {},
// Go To Line, Update Selection, and the Appearance dialog. They own their dialogs and
// their menu items; the window puts the items into its menus and tells the commands
// when the active editor or an option changes.
#pragma once

#include <QKeySequence>
#include <QObject>

class EditorHost;
class QAction;
class QWidget;
class TAppearanceDialog;
class TEditForm;
class TFindDialog;

class EditorCommands : public QObject {
    Q_OBJECT
public:
    // The menu items, by menu: Edit (Find1 Replace1 SearchAgain1 FindBrace1 GoToLine1),
    // View (UpdateSelection1), Options (Appearance1).
    struct Actions {
        QAction *find, *replace, *searchAgain, *findBrace, *goToLine;
        QAction *updateSelection;
        QAction *appearance;
    };

    // window: the owner of the dialogs (and of this object).
    EditorCommands(EditorHost &host, QWidget *window);

    const Actions &actions() const { return m_actions; }
    TFindDialog *findDialog() const { return m_find; }
    TFindDialog *replaceDialog() const { return m_replace; }
    TAppearanceDialog *appearanceDialog() const { return m_appearance; }

    void onFind();
    void onReplace();
    void onSearchAgain();
    void onFindBrace();
    void onGoToLine();
    void onUpdateSelection();
    // Opens the appearance dialog; on OK the host takes the fonts and colour and every
    // editor is recoloured, each keeping its modified flag.
    void onAppearance();

    // The window's notices. Another editor became active (null: none).
    void activeEditorChanged(TEditForm *editor);
    // "&Syntax Highlighting" switched: every editor is highlighted in full or plain.
    void syntaxColoringChanged();
    // "&WordWrap" switched: every editor takes the option.
    void wordWrapChanged();
    // Enabled states of the items, from the active editor (also when a menu opens).
    void refreshStates();

private:
    QAction *makeAction(const char *name, const QString &caption, const QKeySequence &key = {});

    EditorHost &m_host;
    Actions m_actions;
    TFindDialog *m_find;
    TFindDialog *m_replace;
    TAppearanceDialog *m_appearance;
    QMetaObject::Connection m_cursorWatch;
    QMetaObject::Connection m_selectionWatch;
};
