#include "app/tspeedbar.h"

#include <QFontMetrics>
#include <QToolButton>

namespace {

// The bar's font: 15 pixels high, like the old "MS Sans Serif" 15-pixel bar font.
QFont barFont()
{
    QFont f;
    f.setPixelSize(15);
    return f;
}

} // namespace

TSpeedBar::TSpeedBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SpeedBar"));
    setAccessibleName(QStringLiteral("Speed Bar"));
    setFont(barFont());
    setFixedHeight(barHeight());
}

int TSpeedBar::barHeight() const { return QFontMetrics(font()).boundingRect(QStringLiteral("Äg")).height() + 13; }

int TSpeedBar::buttonWidth() const { return QFontMetrics(font()).horizontalAdvance(QStringLiteral("Save all files")) + 8; }

void TSpeedBar::setButtons(const QList<SpeedButton> &buttons)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_defs = buttons;
    int x = 2;
    for (int i = 0; i < buttons.size(); ++i) {
        const SpeedButton def = buttons.at(i);
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(i));
        b->setText(def.caption);
        b->setToolTip(def.hint);
        b->setAccessibleName(def.caption.isEmpty() ? def.hint : def.caption);
        b->setAccessibleDescription(def.hint);
        b->setAutoRaise(true);
        b->setGeometry(x, 4, buttonWidth(), barHeight() - 5);
        connect(b, &QToolButton::clicked, this, [this, def]() { emit buttonClicked(def); });
        b->show();
        m_buttons.append(b);
        x += buttonWidth() + 2;
    }
    setMinimumWidth(0);
}
