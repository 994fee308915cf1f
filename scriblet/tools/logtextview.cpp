#include "tools/logtextview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>

namespace {

bool isFindKey(const QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    return (e->key() == Qt::Key_F && mods == Qt::ControlModifier)
        || (e->key() == Qt::Key_F3 && (mods == Qt::NoModifier || mods == Qt::ShiftModifier));
}

} // namespace

LogTextView::LogTextView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // The caret moves by keyboard too: Ctrl+Home and Ctrl+End reach both ends.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void LogTextView::setMarks(std::vector<Mark> marks)
{
    m_marks = std::move(marks);
    viewport()->update();
}

LogTextView::Mark LogTextView::markAt(int line) const
{
    return line >= 0 && size_t(line) < m_marks.size() ? m_marks[size_t(line)] : Mark::None;
}

QColor LogTextView::colour(Mark mark)
{
    switch (mark) {
    case Mark::Error: return QColor(255, 214, 214);
    case Mark::Warning: return QColor(255, 241, 196);
    case Mark::BadBox: return QColor(226, 234, 246);
    case Mark::None: break;
    }
    return {};
}

bool LogTextView::event(QEvent *e)
{
    // The main window's Ctrl+F and F3 belong to the editor; here they search the log.
    if (e->type() == QEvent::ShortcutOverride && isFindKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    return QPlainTextEdit::event(e);
}

void LogTextView::keyPressEvent(QKeyEvent *e)
{
    if (isFindKey(e)) {
        if (e->key() == Qt::Key_F)
            emit findRequested();
        else
            emit findAgainRequested(e->modifiers() & Qt::ShiftModifier);
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void LogTextView::paintEvent(QPaintEvent *e)
{
    // Only the visible lines are tinted, so a long log costs nothing extra.
    if (!m_marks.empty()) {
        QPainter p(viewport());
        const QPointF offset = contentOffset();
        const int height = viewport()->height();
        for (QTextBlock b = firstVisibleBlock(); b.isValid(); b = b.next()) {
            const QRectF r = blockBoundingGeometry(b).translated(offset);
            if (r.top() > height)
                break;
            const Mark m = markAt(b.blockNumber());
            if (m != Mark::None)
                p.fillRect(QRectF(0, r.top(), viewport()->width(), r.height()), colour(m));
        }
    }
    QPlainTextEdit::paintEvent(e);
}

void LogTextView::mouseDoubleClickEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit lineActivated(cursorForPosition(e->position().toPoint()).blockNumber());
}
