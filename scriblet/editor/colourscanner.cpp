#include "editor/colourscanner.h"

namespace {

QSet<QString> entries(const QString &list)
{
    QSet<QString> set;
    for (const QString &e : list.split(u' ', Qt::SkipEmptyParts))
        set.insert(e);
    return set;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

} // namespace

ColourScanner::ColourScanner(const QString &commandList, const QString &controlSymbols,
                             const QString &environmentList)
    : m_commands(entries(commandList))
    , m_environments(entries(environmentList))
    , m_controlSymbols(controlSymbols)
{
}

bool ColourScanner::contains(const QSet<QString> &set, QStringView word)
{
    // The word's own characters serve as the key: no copy per word.
    return set.contains(QString::fromRawData(word.data(), word.size()));
}

QList<ColourScanner::Run> ColourScanner::scan(QStringView text) const
{
    QList<Run> runs;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'%': {
            qsizetype end = i + 1;
            while (end < n && text.at(end) != u'\n' && text.at(end) != u'\r' && text.at(end) != QChar::ParagraphSeparator)
                ++end;
            runs.append({int(i), int(end - i), Token::Comment});
            i = end;
            continue;
        }
        case u'{':
        case u'}':
            runs.append({int(i), 1, Token::CurlyBrace});
            ++i;
            continue;
        case u'[':
        case u']':
            runs.append({int(i), 1, Token::SquareBracket});
            ++i;
            continue;
        case u'$':
            runs.append({int(i), 1, Token::Math});
            ++i;
            continue;
        default:
            break;
        }
        if (c != u'\\' && !isAsciiLetter(c)) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (c == u'\\' && end < n && m_controlSymbols.contains(text.at(end))) {
            ++end;
        } else {
            while (end < n && isAsciiLetter(text.at(end)))
                ++end;
        }
        const QStringView word = text.mid(i, end - i);
        if (isCommand(word))
            runs.append({int(i), int(end - i), Token::Command});
        else if (i > 0 && text.at(i - 1) == u'{' && isEnvironment(word))
            runs.append({int(i), int(end - i), Token::Environment});
        i = end;
    }
    return runs;
}
