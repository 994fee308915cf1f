// The three symbol toolboxes as tables: a grid of six columns, filled row by row;
// each button shows a glyph, inserts a text before the selection (and for some math
// symbols one after it) and carries a hint.
#pragma once

#include <QString>
#include <span>

struct SymbolEntry {
    const char *glyph;   // UTF-8: what the button shows
    const char *before;  // inserted before the selection
    const char *after;   // inserted after it (mostly empty)
    const char *hint;

    QString glyphText() const { return QString::fromUtf8(glyph); }
    QString beforeText() const { return QString::fromLatin1(before); }
    QString afterText() const { return QString::fromLatin1(after); }
    QString hintText() const { return QString::fromLatin1(hint); }
    // What the button inserts, without trailing blanks: its accessible name.
    QString insertedText() const;
};

struct SymbolTable {
    const char *caption;
    const char *objectName;  // of the toolbox window
    int rows;
    std::span<const SymbolEntry> entries;  // rows * SymbolColumns
};

inline constexpr int SymbolColumns = 6;
// Every button is square, this many pixels.
inline constexpr int SymbolButtonSize = 21;

// "Greek Letters": lower-case letters in rows 1 to 4, capitals in rows 5 to 8.
const SymbolTable &greekTable();
// "Math": hint "(Math Mode)" on every button; \sum, \prod and \sqrt wrap the selection.
const SymbolTable &mathTable();
// "Symbols": text and other symbols with "(Text Mode)" or "(Math Mode)".
const SymbolTable &symbolTable();
