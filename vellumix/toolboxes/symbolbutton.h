// One button of a symbol toolbox: a square of SymbolButtonSize pixels that shows
// its symbol as a glyph of a font that has it. Its accessible name is the text it
// inserts, its tooltip that text and the hint.
#pragma once

#include "toolboxes/symboltables.h"

#include <QAbstractButton>

class SymbolButton : public QAbstractButton
{
    Q_OBJECT
public:
    SymbolButton(const SymbolEntry &entry, QWidget *parent = nullptr);

    const SymbolEntry &entry() const { return m_entry; }
    // The font the glyph is drawn with.
    static QFont glyphFont();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SymbolEntry &m_entry;
};
