// The spell check's walk through a text: from a position on, line by line, each line
// (the first from the position's column, the others from their start) goes to the
// checker until one holds a misspelling. Also the word-sized requests of the spell
// check window. Text travels in the pipe's encoding (PipeText) and comes back as
// characters of the document, whatever its encoding.
//
// A line longer than MaxQueryBytes is sent in pieces that end after a blank, so that
// every word of it is checked and no answer outgrows the bounds the checker is held
// to.
#pragma once

#include "platform/textcodec.h"
#include "spell/ispellanswer.h"

#include <QString>
#include <QStringList>

class Ispell;
class SpellLines;

class SpellCheckWalk
{
public:
    static constexpr int MaxQueryBytes = 4096;

    enum class Outcome { Found, EndOfText, Failed };

    // A misspelling: its first character and length, in characters of the text.
    struct Found {
        int position = 0;
        int length = 0;
    };

    SpellCheckWalk(Ispell &ispell, TextCodec::Encoding pipeEncoding);

    // The first misspelling at or after position. Failed: the checker failed (its
    // failure() says why).
    Outcome next(const SpellLines &text, int position, Found *found);

    // The kind of a word and, for a near miss, the checker's suggestions.
    bool checkWord(const QString &word, IspellAnswer::Kind *kind, QStringList *suggestions);
    // False when the word holds a character the pipe's encoding cannot carry: the
    // checker would be told another word.
    bool canCarry(const QString &word) const;
    bool addToDictionary(const QString &word);
    bool acceptForRun(const QString &word);

private:
    // Checks text (one line or the rest of one); found->position relative to it.
    Outcome checkText(const QString &text, Found *found);

    Ispell &m_ispell;
    TextCodec::Encoding m_encoding;
};
