// Reading ispell's answers in pipe mode ("-a"). An answer is a run of lines ended by
// an empty line; every answer line starts with its kind:
//   *            the word is correct
//   + root       correct through its root
//   -            correct as a compound
//   & word count offset: miss, miss, ...     misspelt, with near misses
//   ? word count offset: guess, guess, ...   misspelt, with guesses
//   # word offset                            misspelt, nothing to offer
// Offsets count from 1 at the first character after the query's "^", so the word
// starts at offset - 1 in the text that was sent. Everything here works on the bytes
// of the pipe; the caller knows their encoding.
#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace IspellAnswer {

// The kinds of a word answer, numbered as the window's callers know them.
enum class Kind { Other = 0, Correct = 1, Root = 2, Compound = 3, Miss = 4, Guess = 5, None = 6 };

Kind kindOf(const QByteArray &line);

// A misspelling reported on one answer line: the word as ispell read it and where it
// starts (0-based) in the text that was sent.
struct Misspelling {
    QByteArray word;
    int start = 0;
};

// Parses a "#", "&" or "?" line: the word runs from two characters after the marker
// to the next blank; the offset is the field after the word for "#", the second field
// after it for "&" and "?" (the first is a count), read up to the next separator. No
// result for any other line, for a missing or non-numeric offset, or for an offset
// below 1.
std::optional<Misspelling> parseMisspelling(const QByteArray &line);

// The near misses of an "&" line: what follows the first ':' split at commas, each
// trimmed of blanks; a suggestion may hold a blank ("this is" for "thisis"). A line
// that was cut short (see AnswerLines) loses its last, incomplete suggestion.
QList<QByteArray> suggestions(const QByteArray &line, bool lineWasCut = false);

} // namespace IspellAnswer
