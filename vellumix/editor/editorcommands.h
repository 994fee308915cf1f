// The frame's commands that act on the active editor: Find, Replace, Search Again,
// Find {}, Go To Line, Update Selection, and the Appearance dialog. Created once by
// the frame; adds its items to the frame's named menus and owns its dialogs.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QAction;
class TAppearanceDialog;
class TEditForm;
class TFindDialog;
class TFrameForm;

class TEditorCommands : public QObject {
    Q_OBJECT
public:
    explicit TEditorCommands(TFrameForm *frame);

    TFindDialog *findDialog() const { return m_find; }
    TFindDialog *replaceDialog() const { return m_replace; }
    TAppearanceDialog *appearanceDialog() const { return m_appearance; }

    void onFind();
    void onReplace();
    void onSearchAgain();
    void onFindBrace();
    void onGoToLine();
    void onUpdateSelection();
    // Opens the appearance dialog; on OK the frame takes the fonts and colour and every
    // editor is recoloured.
    void onAppearance();
    // "&Syntax Highlighting" switched: every editor is highlighted in full or plain.
    void onSyntaxColoringChanged();
    // Enabled states of the items, from the active editor.
    void refreshStates();

private:
    QAction *add(const QString &menu, const char *name, const QString &caption, const QKeySequence &key = {});
    void watch(TEditForm *editor);

    TFrameForm *m_frame;
    TFindDialog *m_find;
    TFindDialog *m_replace;
    TAppearanceDialog *m_appearance;
    QMetaObject::Connection m_cursorWatch;
    QMetaObject::Connection m_selectionWatch;
};
