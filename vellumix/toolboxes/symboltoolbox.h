// A symbol toolbox: a small tool window that stays on top, with a grid of symbol
// buttons six columns wide; its client area is exactly the grid. A click inserts the
// button's texts around the selection of the active editor through the host, which
// gives the focus back to the window. TGreekDialog, TMathDialog and TSymbolDialog are
// this window with their tables.
#pragma once

#include "toolboxes/symboltables.h"

#include <QList>
#include <QWidget>

class SymbolButton;
class ToolboxHost;

class SymbolToolbox : public QWidget
{
    Q_OBJECT
public:
    SymbolToolbox(const SymbolTable &table, ToolboxHost &host, QWidget *parent = nullptr);

    const SymbolTable &table() const { return m_table; }
    // In grid order, row by row.
    const QList<SymbolButton *> &buttons() const { return m_buttons; }
    SymbolButton *button(int row, int column) const { return m_buttons.value(row * SymbolColumns + column); }

private:
    const SymbolTable &m_table;
    ToolboxHost &m_host;
    QList<SymbolButton *> m_buttons;
};
