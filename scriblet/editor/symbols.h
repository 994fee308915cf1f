// The six symbol bars: each command inserts its LaTeX text at the caret. The
// vocabulary is data; a separator before an entry is marked with `group`.
#pragma once

#include <QList>
#include <QString>

struct SymbolCommand {
    int id;
    QString text;   // inserted, also the tooltip
    QString prompt; // status-bar help
    QString glyph;  // what the button shows
    bool group;     // a separator stands before this entry
};

struct SymbolBar {
    int barId;       // toolbar id (845 arrows, 847 binary operators, 848 accents, 849 relations, 854 Greek, 855 other)
    int toggleId;    // command that shows and hides it
    QString toggleText;
    QString togglePrompt;
    QList<SymbolCommand> commands;
};

namespace Symbols {
// In the order arrows, binary operators, accents, relations, Greek letters, other symbols.
const QList<SymbolBar> &bars();
// Every symbol command, also the two that sit on no bar (32981, 32982).
const SymbolCommand *find(int id);
QList<int> allIds();
} // namespace Symbols
