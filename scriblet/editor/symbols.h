// The six symbol bars: each command inserts its LaTeX text at the caret. The
// vocabulary is data: the text to insert is the part of the command's string
// table entry after its line feed (the whole entry when it has none), the part
// before it is the status-bar prompt; this table only says which bar holds which
// command and what its button shows.
#pragma once

#include <QList>
#include <QString>

struct SymbolCommand {
    int id;
    const char *glyph;  // what the button shows (UTF-8)
    bool group = false; // a separator stands before this entry
};

struct SymbolBar {
    int barId; // toolbar id (845 arrows, 847 binary operators, ...)
    QList<SymbolCommand> commands;
};

namespace Symbols {
// In the order arrows, binary operators, accents, relations, Greek letters, other symbols.
const QList<SymbolBar> &bars();
// Every symbol command, also the two that sit on no bar (32981, 32982).
const SymbolCommand *find(int id);
QList<int> allIds();
// The text a command inserts, and its status-bar prompt.
QString text(int id);
QString prompt(int id);
} // namespace Symbols
