#include "platform/textview/plaintextview.h"

#include <QPaintEvent>
#include <QPainter>

PlainTextView::PlainTextView(int longLine, QWidget *parent) : QPlainTextEdit(parent), m_longLines(longLine) {}

void PlainTextView::paintEvent(QPaintEvent *e)
{
    // Wrapped long lines are drawn a screen line at a time already.
    if (lineWrapMode() == NoWrap && !overwriteMode() && !backgroundVisible()) {
        LongLinePainter::Frame frame{firstVisibleBlock(),
                                     contentOffset(),
                                     e->rect(),
                                     getPaintContext(),
                                     [this](const QTextBlock &b) { return blockBoundingRect(b); },
                                     !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard),
                                     cursorWidth(),
                                     viewport()->size(),
                                     document()->documentLayout()->documentSize().width()};
        if (m_longLines.needed(frame)) {
            QPainter p(viewport());
            m_longLines.paint(&p, frame);
            return;
        }
    }
    QPlainTextEdit::paintEvent(e);
}
