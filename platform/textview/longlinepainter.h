// Paints the text of an unwrapped plain-text view when a very long line is on the
// screen. The text layout draws a line whole: every glyph of a 1 MB line is looked
// up and placed on each paint (the caret blinking included), which costs as much as
// laying the line out again. Here only the part of such a line that the view shows
// is drawn, from a small layout of those characters placed where the line has
// them; every other line is drawn as the plain-text editor draws it.
#pragma once

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <functional>

class QPainter;
class QPlainTextEdit;

class LongLinePainter
{
public:
    // What the view tells of itself for one paint.
    struct Frame {
        QTextBlock first;           // the first visible block
        QPointF offset;             // where it starts on the viewport
        QRect rect;                 // the region to paint
        QAbstractTextDocumentLayout::PaintContext context;
        std::function<QRectF(const QTextBlock &)> blockRect; // its bounding rectangle
        bool editable = true;       // the caret is drawn
        int cursorWidth = 1;
        QSize viewport;             // the viewport's size
        qreal documentWidth = 0;    // the width of the widest line
    };

    // Lines of at least minLength characters are drawn in part.
    explicit LongLinePainter(int minLength) : m_minLength(minLength) {}

    // A line this painter would draw in part lies in the frame's region.
    bool needed(const Frame &frame) const;
    // Paints the text in the frame's region: selections, caret and formats as the
    // plain-text editor paints them.
    void paint(QPainter *p, const Frame &frame) const;

    // Draws what lies in clip of block's only line; false (nothing drawn) where
    // the part could look different from the whole (tabs, right-to-left text,
    // input-method text, a wrapped line).
    static bool drawVisiblePart(QPainter *p, const QTextBlock &block, const QPointF &offset,
                                const QList<QTextLayout::FormatRange> &selections, const QRect &clip, int cursor,
                                int cursorWidth);

private:
    int m_minLength;
};
