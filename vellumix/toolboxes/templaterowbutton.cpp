#include "toolboxes/templaterowbutton.h"

#include "toolboxes/templaterows.h"

#include <QStyleOptionButton>
#include <QtMath>
#include <QStylePainter>

TemplateRowButton::TemplateRowButton(const QString &caption, qreal leftMargin, QWidget *parent)
    : QAbstractButton(parent), m_leftMargin(leftMargin)
{
    setText(caption);
    setAccessibleName(caption.trimmed());
    setFocusPolicy(Qt::TabFocus);
}

QSize TemplateRowButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(qCeil(m_leftMargin) + fm.horizontalAdvance(text()) + TemplateRows::Padding,
                 TemplateRows::rowHeight(fm.boundingRect(QStringLiteral("gÄ")).height()));
}

void TemplateRowButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    p.setPen(palette().color(QPalette::ButtonText));
    // Blanks lead later rows' captions: the text is drawn as it is, never trimmed.
    p.drawText(QRectF(rect()).adjusted(m_leftMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
               text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
