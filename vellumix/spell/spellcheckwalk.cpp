#include "spell/spellcheckwalk.h"

#include "spell/ispell.h"
#include "spell/pipetext.h"
#include "spell/spelllines.h"

SpellCheckWalk::SpellCheckWalk(Ispell &ispell, TextCodec::Encoding pipeEncoding)
    : m_ispell(ispell), m_encoding(pipeEncoding)
{
}

SpellCheckWalk::Outcome SpellCheckWalk::next(const SpellLines &text, int position, Found *found)
{
    const int count = text.lineCount();
    const int first = text.lineOf(position);
    for (int line = qMax(0, first); line < count; ++line) {
        const int start = text.lineStart(line);
        const int column = line == first ? qMax(0, position - start) : 0;
        const QString rest = text.lineText(line).mid(column);
        if (rest.isEmpty())
            continue;
        Found inLine;
        const Outcome o = checkText(rest, &inLine);
        if (o == Outcome::Failed)
            return o;
        if (o == Outcome::Found) {
            found->position = start + column + inLine.position;
            found->length = inLine.length;
            return o;
        }
    }
    return Outcome::EndOfText;
}

SpellCheckWalk::Outcome SpellCheckWalk::checkText(const QString &text, Found *found)
{
    const PipeText pipe(text, m_encoding);
    for (const PipeText::Piece &piece : pipe.pieces(MaxQueryBytes)) {
        Ispell::LineCheck check;
        if (!m_ispell.checkLine(pipe.bytes().mid(piece.from, piece.size), &check))
            return Outcome::Failed;
        if (check.found) {
            const int from = piece.from + check.start;
            found->position = pipe.charIndex(from);
            found->length = pipe.charIndex(from + check.length) - found->position;
            return Outcome::Found;
        }
    }
    return Outcome::EndOfText;
}

bool SpellCheckWalk::checkWord(const QString &word, IspellAnswer::Kind *kind, QStringList *suggestions)
{
    Ispell::WordCheck check;
    if (!m_ispell.checkWord(TextCodec::encode(word, m_encoding), &check))
        return false;
    *kind = check.kind;
    suggestions->clear();
    for (const QByteArray &s : check.suggestions)
        suggestions->append(TextCodec::decode(s, m_encoding));
    return true;
}

bool SpellCheckWalk::canCarry(const QString &word) const
{
    bool lossless = true;
    TextCodec::encode(word, m_encoding, &lossless);
    return lossless;
}

bool SpellCheckWalk::addToDictionary(const QString &word)
{
    return m_ispell.addToDictionary(TextCodec::encode(word, m_encoding));
}

bool SpellCheckWalk::acceptForRun(const QString &word)
{
    return m_ispell.acceptForRun(TextCodec::encode(word, m_encoding));
}
