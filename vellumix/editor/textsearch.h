// Searching in the editor's text: find, brace matching and the names the context
// menu's Open and Execute take from around the caret. Positions are offsets into a
// text with '\n' between lines.
#pragma once

#include <QString>

// What the find and replace dialogs ask for.
struct FindOptions {
    QString text;
    QString replaceText;
    bool matchCase = false;
    bool wholeWord = false;
};

class TextSearch {
public:
    // Forward search from 'from' to the end of the text, no wrap-around. Whole words:
    // the match is neither preceded nor followed by a letter, digit or underscore.
    // Returns the match position or -1; an empty needle never matches.
    static int find(const QString &text, const QString &needle, int from, bool matchCase, bool wholeWord);

    // Brace matching from the brace at pos ('{' scans forward, '}' backward). Braces
    // directly preceded by a backslash are not counted. Returns the position of the
    // matching brace, or -1 when there is none, when pos holds no brace, or when the
    // brace at pos is itself escaped.
    static int matchBrace(const QString &text, int pos);

    // At most this many characters are examined around the caret (both sides together).
    static constexpr int MaxExamined = 255;

    // The file name for "&Open": the selection without surrounding blanks, or else the
    // run around pos between blanks, line breaks and ( ) * , ; < > ? [ ] { }.
    static QString nameAt(const QString &text, int pos, const QString &selection);
    // The command for "&Execute": the selection, or else the run around pos between line
    // breaks, '%' and ';'; without surrounding blanks.
    static QString commandAt(const QString &text, int pos, const QString &selection);
};
