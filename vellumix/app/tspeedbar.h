// The speed bar: equally wide text buttons along the top of the frame.
#pragma once

#include "app/speedbutton.h"

#include <QList>
#include <QWidget>

class QToolButton;

class TSpeedBar : public QWidget
{
    Q_OBJECT
public:
    explicit TSpeedBar(QWidget *parent = nullptr);

    // Replaces the buttons; each is named "SpeedButton<n>" (n from 0).
    void setButtons(const QList<SpeedButton> &buttons);
    const QList<SpeedButton> &buttons() const { return m_defs; }
    QToolButton *button(int index) const { return m_buttons.value(index); }

    // Height of the speed bar and the window bar: text height of "Äg" + 13.
    int barHeight() const;
    // Every button is as wide as "Save all files" + 8.
    int buttonWidth() const;

signals:
    void buttonClicked(const SpeedButton &button);

private:
    QList<SpeedButton> m_defs;
    QList<QToolButton *> m_buttons;
};
