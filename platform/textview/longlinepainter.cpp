#include "platform/textview/longlinepainter.h"

#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Characters drawn beyond each edge of the view: a glyph that overhangs its
// cell (italic, a caret at the edge) still shows whole.
constexpr int EdgeCharacters = 8;

// Text whose part could be laid out differently from the whole line.
bool layoutDependsOnContext(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\t')
            return true; // tab stops count from the start of the line
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true; // reordered across the whole line
        default:
            break;
        }
    }
    return false;
}

// The ranges that overlap [from, to), moved to start at from. A range past the
// end of the text (a selection holding the line break) keeps its end.
QList<QTextLayout::FormatRange> clipRanges(const QList<QTextLayout::FormatRange> &ranges, int from, int to, int textLength)
{
    QList<QTextLayout::FormatRange> out;
    for (const QTextLayout::FormatRange &r : ranges) {
        const int start = std::max(r.start, from);
        const int end = r.start + r.length > textLength && to == textLength ? r.start + r.length
                                                                            : std::min(r.start + r.length, to);
        if (end > start)
            out.append({start - from, end - start, r.format});
    }
    return out;
}

} // namespace

bool LongLinePainter::needed(const Frame &frame) const
{
    QPointF offset = frame.offset;
    for (QTextBlock b = frame.first; b.isValid(); b = b.next()) {
        const QRectF r = frame.blockRect(b).translated(offset);
        if (b.isVisible() && r.bottom() >= frame.rect.top() && r.top() <= frame.rect.bottom()
            && b.length() >= m_minLength)
            return true;
        offset.ry() += r.height();
        if (offset.y() > frame.viewport.height() || offset.y() > frame.rect.bottom())
            break;
    }
    return false;
}

void LongLinePainter::paint(QPainter *p, const Frame &frame) const
{
    // The loop of the plain-text editor's own paint, with long lines drawn in part.
    const auto &ctx = frame.context;
    QPointF offset = frame.offset;
    // The right margin stays clear of full-width selections.
    QRect er = frame.rect;
    const qreal margin = frame.first.isValid() ? frame.first.document()->documentMargin() : 0;
    er.setRight(std::min(er.right(), int(offset.x() + std::max<qreal>(frame.viewport.width(), frame.documentWidth)
                                         - margin + frame.cursorWidth)));
    p->setBrushOrigin(offset);
    p->setClipRect(er);
    p->setPen(ctx.palette.text().color());
    for (QTextBlock block = frame.first; block.isValid(); block = block.next()) {
        const QRectF r = frame.blockRect(block).translated(offset);
        if (!block.isVisible()) {
            offset.ry() += r.height();
            continue;
        }
        if (r.bottom() >= er.top() && r.top() <= er.bottom()) {
            QTextLayout *layout = block.layout();
            const QBrush bg = block.blockFormat().background();
            if (bg != Qt::NoBrush)
                p->fillRect(r, bg);
            const int blpos = block.position();
            const int bllen = block.length();
            QList<QTextLayout::FormatRange> selections;
            for (const QAbstractTextDocumentLayout::Selection &range : ctx.selections) {
                const int selStart = range.cursor.selectionStart() - blpos;
                const int selEnd = range.cursor.selectionEnd() - blpos;
                if (selStart < bllen && selEnd > 0 && selEnd > selStart) {
                    selections.append({selStart, selEnd - selStart, range.format});
                } else if (!range.cursor.hasSelection() && range.format.hasProperty(QTextFormat::FullWidthSelection)
                           && block.contains(range.cursor.position())) {
                    // A full-width selection marks the line of its position.
                    const QTextLine l = layout->lineForTextPosition(range.cursor.position() - blpos);
                    QTextLayout::FormatRange o{l.textStart(), l.textLength(), range.format};
                    if (o.start + o.length == bllen - 1)
                        ++o.length; // the line break with it
                    selections.append(o);
                }
            }
            const bool caretHere = frame.editable && ctx.cursorPosition >= blpos && ctx.cursorPosition < blpos + bllen;
            const int caret = caretHere ? ctx.cursorPosition - blpos : -1;
            if (bllen < m_minLength
                || !drawVisiblePart(p, block, offset, selections, er, caret, frame.cursorWidth)) {
                layout->draw(p, offset, selections, er);
                if (caretHere || (frame.editable && ctx.cursorPosition < -1 && !layout->preeditAreaText().isEmpty())) {
                    const int cpos = ctx.cursorPosition < -1
                                         ? layout->preeditAreaPosition() - (ctx.cursorPosition + 2)
                                         : ctx.cursorPosition - blpos;
                    layout->drawCursor(p, offset, cpos, frame.cursorWidth);
                }
            }
        }
        offset.ry() += r.height();
        if (offset.y() > frame.viewport.height())
            break;
    }
}

bool LongLinePainter::drawVisiblePart(QPainter *p, const QTextBlock &block, const QPointF &offset,
                                      const QList<QTextLayout::FormatRange> &selections, const QRect &clip,
                                      int cursor, int cursorWidth)
{
    QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() != 1 || !layout->preeditAreaText().isEmpty()
        || layout->textOption().textDirection() == Qt::RightToLeft)
        return false;
    const QTextLine line = layout->lineAt(0);
    const QPointF origin = offset + layout->position();
    const int length = block.length() - 1;
    // The characters under the clip, a few more on each side.
    int from = line.xToCursor(clip.left() - origin.x(), QTextLine::CursorBetweenCharacters);
    int to = line.xToCursor(clip.right() + 1 - origin.x(), QTextLine::CursorBetweenCharacters);
    for (int i = 0; i < EdgeCharacters; ++i) {
        from = layout->previousCursorPosition(from);
        to = layout->nextCursorPosition(to);
    }
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    // Only these characters: the line's text as a whole is a copy of a megabyte, and a
    // cursor placed in the line measures its way there from the line's start.
    const QTextDocument *doc = block.document();
    QString text(to - from, Qt::Uninitialized);
    for (int i = from; i < to; ++i)
        text[i - from] = doc->characterAt(block.position() + i);
    if (layoutDependsOnContext(text))
        return false;

    QFont font = block.document()->defaultFont();
    font = block.charFormat().font().resolve(font);
    QTextLayout part(text, font);
    // Placed where the whole line has it, alignment included.
    QTextOption option = layout->textOption();
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    part.setTextOption(option);
    part.setFormats(clipRanges(layout->formats(), from, to, length));
    part.beginLayout();
    QTextLine partLine = part.createLine();
    partLine.setLeadingIncluded(true);
    partLine.setLineWidth(1e6);
    part.endLayout();
    // Where the line has its character from, on the same baseline.
    partLine.setPosition(QPointF(line.cursorToX(from), line.y() + line.ascent() - partLine.ascent()));

    part.draw(p, origin, clipRanges(selections, from, to, length), clip);
    if (cursor >= from && cursor <= to)
        part.drawCursor(p, origin, cursor - from, cursorWidth);
    return true;
}
