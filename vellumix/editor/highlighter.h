// The LaTeX highlighting rules of the editor: which class each character gets. Every
// state of the walk ends at a line break, so each line can be coloured on its own.
// Texts use '\n' between lines (the host text model); a line break plays the part
// of the old CR. Positions are character offsets into that text.
#pragma once

#include "common/tokenclass.h"

#include <QString>
#include <vector>

// A run of characters of one class; runs returned by the walks are ordered, never
// overlap and never empty.
struct ClassRun {
    int start = 0;
    int length = 0;
    TokenClass cls = TokenClass::Standard;
    bool operator==(const ClassRun &) const = default;
};
using ClassRuns = std::vector<ClassRun>;

class Highlighter {
public:
    // Full highlighting of a whole text: escaped specials (backslash before # $ % & _ { })
    // are standard, a backslash with the letters, digits, at signs and non-ASCII
    // characters after it is texCommand, each bracket, brace and dollar its own class,
    // and a percent comments the rest of its line. Adjacent runs of one class merge.
    static ClassRuns fullRuns(const QString &text);

    // The appearance dialog's preview walk: like full highlighting but without the
    // escape rule.
    static ClassRuns previewRuns(const QString &text);

    // Characters that continue a command name in full highlighting.
    static bool isCommandLetter(QChar c);

    // Class of every character of text as one flat list (used by tests and checks).
    static std::vector<TokenClass> expand(const ClassRuns &runs, int length);
};
