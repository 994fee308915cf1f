// The text widget of an editor form. It formats what the user types through the
// typing highlighter (the form's class formats, in one undo step per typed run) and
// opens the context menu: "Cu&t", "&Copy", "&Paste", "E&mphasis", "&Bold",
// "&Open", "&Execute", "Update Selection", whose commands are the form's.
#pragma once

#include "editor/typinghighlighter.h"

#include <QPlainTextEdit>

class QMenu;
class TEditForm;

class TEditView final : public QPlainTextEdit {
public:
    explicit TEditView(TEditForm *form);

    const TypingHighlighter &typingHighlighter() const { return m_typing; }
    // After the text or its formats changed under the caret: the typing state is
    // computed afresh before the next typed character.
    void invalidateTyping() { m_typing.invalidate(); }

    QMenu *contextMenu() const { return m_contextMenu; }
    // Enabled states: Cut and Copy with a selection, Paste with text on the
    // clipboard, Update Selection with a selection while highlighting is on.
    void refreshContextMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildContextMenu();
    void typeKey(QKeyEvent *event);

    TEditForm *m_form;
    QMenu *m_contextMenu = nullptr;
    TypingHighlighter m_typing;
    int m_expectedCaret = -1;  // where the caret lands after a typed character
};
