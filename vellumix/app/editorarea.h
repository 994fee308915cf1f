// The frame's workspace: the MDI area that holds the editors. It creates editors,
// opens files in them (or brings an open one to the front), closes them, and knows
// their two orders: creation order, and child order (the active editor first, then
// back through the activation history), which the settings file remembers.
#pragma once

#include "common/openformat.h"

#include <QList>
#include <QMdiArea>

class EditorHost;
class QMdiSubWindow;
class TEditForm;

class EditorArea : public QMdiArea
{
    Q_OBJECT
public:
    // host: what every editor is created with; it outlives the area's editors.
    EditorArea(EditorHost &host, QWidget *parent = nullptr);

    TEditForm *activeEditor() const;
    QList<TEditForm *> editors() const;
    QList<TEditForm *> editorsInChildOrder() const;
    QMdiSubWindow *subWindowOf(TEditForm *editor) const;
    // The open editor of a file (full path, compared exactly); null when none.
    TEditForm *editorOf(const QString &path) const;

    // A new empty editor with the caption, shown and active.
    TEditForm *newEditor(const QString &caption);
    // Loads a file (full path) into a new editor and adds it, not yet shown; null
    // when it could not be read (the editor has said why).
    TEditForm *loadEditor(const QString &path, OpenFormat format);
    // Opens a file (full path, existing): an open editor of it comes to the front
    // instead, except for a ".log" file, which is read afresh. Goes to the line
    // (<= 0: none). *loaded tells whether the file was read into a new editor.
    TEditForm *openFile(const QString &path, OpenFormat format, int line, bool *loaded = nullptr);

    void activate(TEditForm *editor);
    // Closes the active editor once per open editor, each close finished before the
    // next; a cancelled save question stops the whole command.
    void closeAll();
    // Minimised editors are lined up along the bottom of the workspace.
    void arrangeIcons();
    // Closes and destroys every editor without asking (the frame goes away); no
    // editor becomes active meanwhile.
    void destroyEditors();

signals:
    void editorAdded(TEditForm *editor);
    // The editor is being destroyed: only its address may be used.
    void editorRemoved(TEditForm *editor);
    void activeEditorChanged(TEditForm *editor);

private:
    // A new or opened window fills the area when it is the only one, else three
    // quarters of it (the area places it); never the tiny default size.
    void giveUsefulSize(QMdiSubWindow *window) const;
    void addEditor(TEditForm *editor);

    EditorHost &m_host;
    bool m_destroying = false;
};
