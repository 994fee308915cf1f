// The editor's text widget draws a very long line only where the window shows
// it: it must look exactly as when the plain editor draws the line whole.
#include "editformfixture.h"

#include <QScrollBar>

namespace {

using EditViewTest = EditFormFixture;

TEST_F(EditViewTest, AVeryLongLineLooksTheSameDrawnInPart)
{
    QByteArray bytes = "\\section{short} before\n";
    while (bytes.size() < 3 * DocumentHighlighter::LongLine)
        bytes += "Text \\emph{x} and $a^2$ % more ";
    bytes += "\n\\textbf{bold} after\n";
    load(bytes);
    form->show();
    settle();
    QPlainTextEdit *view = form->editor();
    // The same text drawn whole by the plain editor.
    QPlainTextEdit whole;
    whole.setLineWrapMode(QPlainTextEdit::NoWrap);
    whole.setFont(view->font());
    whole.setPalette(view->palette());
    whole.setDocument(view->document());
    whole.resize(view->size());
    whole.show();
    QApplication::processEvents();
    ASSERT_EQ(whole.viewport()->size(), view->viewport()->size());

    const int max = view->horizontalScrollBar()->maximum();
    ASSERT_GT(max, 0);
    ASSERT_EQ(whole.horizontalScrollBar()->maximum(), max);
    for (bool selected : {false, true}) {
        if (selected) {
            select(30, int(bytes.size()) - 30); // into the last line
            whole.setTextCursor(view->textCursor());
        }
        for (int x : {0, 333, max / 2 + 7, max}) {
            view->horizontalScrollBar()->setValue(x);
            whole.horizontalScrollBar()->setValue(x);
            // Scrolling colours what comes into view.
            settle();
            const QImage part = view->viewport()->grab().toImage();
            EXPECT_EQ(part, whole.viewport()->grab().toImage()) << "scrolled to " << x << (selected ? ", selected" : "");
        }
    }
}

} // namespace
