// One row of the user-templates toolbox: a flat clickable row whose caption stands
// left-aligned after a margin (see templaterows.h). The caption is its text and its
// accessible name.
#pragma once

#include <QAbstractButton>

class TemplateRowButton : public QAbstractButton
{
    Q_OBJECT
public:
    TemplateRowButton(const QString &caption, qreal leftMargin, QWidget *parent = nullptr);

    qreal leftMargin() const { return m_leftMargin; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_leftMargin;
};
