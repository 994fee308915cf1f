// One line of a document as it travels to the spell checker: its bytes in the pipe's
// encoding, and the way back from a byte offset in an answer to a character of the
// line. A character the encoding cannot hold travels as '?', which no dictionary
// takes for a letter, so the positions of everything after it stay right.
#pragma once

#include "platform/textcodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

class PipeText
{
public:
    // A run of the bytes, sent as one query.
    struct Piece {
        int from = 0;
        int size = 0;
    };

    // The pipe's encoding for a checker command line: its "-T" string type when
    // that names Latin-1 ("latin1", as the German dictionary's suggestion has it) or
    // UTF-8 ("utf8"); otherwise the document's own encoding.
    static TextCodec::Encoding encodingFor(const QString &commandLine, TextCodec::Encoding documentEncoding);

    PipeText(const QString &text, TextCodec::Encoding encoding);

    const QByteArray &bytes() const { return m_bytes; }
    // The character (UTF-16 index into the text) that starts at byteOffset; a byte
    // inside a character gives the next one, the end of the bytes the text's length.
    int charIndex(int byteOffset) const;
    // Where the character at charIndex starts among the bytes.
    int byteOffset(int charIndex) const;

    // The bytes cut into pieces of at most maxBytes, each ending after a blank where
    // the piece would be too long (or, in a run without blanks, at a character
    // boundary), so that no word is split while there is a blank to split at.
    QList<Piece> pieces(int maxBytes) const;

private:
    QByteArray m_bytes;
    // Byte offset of each UTF-16 unit, and the total at the end; both halves of a
    // surrogate pair start where the pair starts.
    QList<int> m_starts;
};
