// The text widget of an editor form. It tells the form's highlighter which lines
// are on the screen, lets no edit in while a file is still arriving (the first edit
// completes the text first), and opens the context menu: "Cu&t", "&Copy", "&Paste",
// "E&mphasis", "&Bold", "&Open", "&Execute", "Update Selection", whose commands are
// the form's.
#pragma once

#include "editor/documenthighlighter.h"
#include "platform/textview/plaintextview.h"

#include <QPlainTextEdit>

class QMenu;
class TEditForm;

class TEditView final : public PlainTextView, public HighlightView {
public:
    explicit TEditView(TEditForm *form);

    QMenu *contextMenu() const { return m_contextMenu; }
    // Enabled states: Cut and Copy with a selection, Paste with text on the
    // clipboard, Update Selection with a selection while highlighting is on.
    void refreshContextMenu();

    std::pair<int, int> visibleBlocks() const override;
    std::pair<int, int> visibleColumns(const QTextBlock &block) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildContextMenu();
    // While a file arrives, keys that reach its end or act on the whole text (select all,
    // undo, redo) need all of it.
    static bool needsWholeText(const QKeyEvent *event);
    // The caret is in a line whose layout, redone on every key, is large: the key
    // reuses the memory of the last layout (HeapReuse).
    bool onLongLine() const;

    TEditForm *m_form;
    QMenu *m_contextMenu = nullptr;
};
