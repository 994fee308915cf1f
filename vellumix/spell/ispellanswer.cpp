#include "spell/ispellanswer.h"

namespace IspellAnswer {

namespace {

bool isSeparator(char c) { return c == '\n' || c == '\r' || c == ' ' || c == ',' || c == ':'; }

// The run of non-separators from pos on; pos moves past it.
QByteArray takeField(const QByteArray &line, qsizetype &pos)
{
    const qsizetype from = pos;
    while (pos < line.size() && !isSeparator(line.at(pos)))
        ++pos;
    return line.mid(from, pos - from);
}

void skipBlanks(const QByteArray &line, qsizetype &pos)
{
    while (pos < line.size() && line.at(pos) == ' ')
        ++pos;
}

} // namespace

Kind kindOf(const QByteArray &line)
{
    switch (line.isEmpty() ? '\0' : line.at(0)) {
    case '*': return Kind::Correct;
    case '+': return Kind::Root;
    case '-': return Kind::Compound;
    case '&': return Kind::Miss;
    case '?': return Kind::Guess;
    case '#': return Kind::None;
    default: return Kind::Other;
    }
}

std::optional<Misspelling> parseMisspelling(const QByteArray &line)
{
    const Kind kind = kindOf(line);
    if (kind != Kind::Miss && kind != Kind::Guess && kind != Kind::None)
        return std::nullopt;
    qsizetype pos = 2;
    if (pos > line.size())
        return std::nullopt;
    const qsizetype wordEnd = line.indexOf(' ', pos);
    if (wordEnd <= pos)
        return std::nullopt;
    Misspelling m;
    m.word = line.mid(pos, wordEnd - pos);
    pos = wordEnd;
    if (kind != Kind::None) {
        // The count of suggestions comes first.
        skipBlanks(line, pos);
        if (takeField(line, pos).isEmpty())
            return std::nullopt;
    }
    skipBlanks(line, pos);
    bool numeric = false;
    const int offset = takeField(line, pos).toInt(&numeric);
    if (!numeric || offset < 1)
        return std::nullopt;
    m.start = offset - 1;
    return m;
}

QList<QByteArray> suggestions(const QByteArray &line, bool lineWasCut)
{
    QList<QByteArray> out;
    if (kindOf(line) != Kind::Miss)
        return out;
    const qsizetype colon = line.indexOf(':');
    if (colon < 0)
        return out;
    const QList<QByteArray> parts = line.mid(colon + 1).split(',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (lineWasCut && i == parts.size() - 1)
            break;
        const QByteArray s = parts.at(i).trimmed();
        if (!s.isEmpty())
            out.append(s);
    }
    return out;
}

} // namespace IspellAnswer
