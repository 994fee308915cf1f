// The text a spell check walks, seen as lines: the window lends the active editor's
// document, tests a plain string. Positions are character (UTF-16) offsets into the
// whole text, where a line break counts as one character; lines count from 0.
#pragma once

#include <QString>

class SpellLines
{
public:
    virtual ~SpellLines() = default;
    virtual int lineCount() const = 0;
    // The line that holds position (the last line for the end of the text).
    virtual int lineOf(int position) const = 0;
    // Position of the line's first character.
    virtual int lineStart(int line) const = 0;
    // The line's text without its line break.
    virtual QString lineText(int line) const = 0;
};
