#include "toolboxes/symbolbutton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

SymbolButton::SymbolButton(const SymbolEntry &entry, QWidget *parent) : QAbstractButton(parent), m_entry(entry)
{
    setText(entry.glyphText());
    setFixedSize(SymbolButtonSize, SymbolButtonSize);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(entry.insertedText());
    setAccessibleDescription(entry.hintText());
    setToolTip(entry.insertedText() + QLatin1Char('\n') + entry.hintText());
}

QFont SymbolButton::glyphFont()
{
    // A face with Greek, mathematical and text symbols; Qt falls back to another
    // installed face for any glyph it lacks.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    return font;
}

QSize SymbolButton::sizeHint() const { return QSize(SymbolButtonSize, SymbolButtonSize); }

void SymbolButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    p.setFont(glyphFont());
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
