#include "editor/textsearch.h"

namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

bool isEscaped(const QString &text, int pos) { return pos > 0 && text.at(pos - 1) == QLatin1Char('\\'); }

// The run around pos whose characters are not delimiters; pos is a caret (between
// characters). Examines at most TextSearch::MaxExamined characters.
QString runAround(const QString &text, int pos, bool (*isDelimiter)(QChar))
{
    pos = qBound(0, pos, int(text.size()));
    int budget = TextSearch::MaxExamined;
    int left = pos;
    while (left > 0 && budget > 0 && !isDelimiter(text.at(left - 1))) {
        --left;
        --budget;
    }
    int right = pos;
    while (right < text.size() && budget > 0 && !isDelimiter(text.at(right))) {
        ++right;
        --budget;
    }
    return text.mid(left, right - left);
}

bool isNameDelimiter(QChar c)
{
    switch (c.unicode()) {
    case '\t': case '\n': case '\r': case ' ': case '(': case ')': case '*': case ',': case ';':
    case '<': case '>': case '?': case '[': case ']': case '{': case '}':
    case 0x2029: // paragraph separator of a selection taken from the widget
        return true;
    default:
        return false;
    }
}

bool isCommandDelimiter(QChar c)
{
    switch (c.unicode()) {
    case '\n': case '\r': case '%': case ';': case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

int TextSearch::find(const QString &text, const QString &needle, int from, bool matchCase, bool wholeWord)
{
    if (needle.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int pos = qMax(0, from);
    while (pos <= text.size() - needle.size()) {
        const int hit = int(text.indexOf(needle, pos, cs));
        if (hit < 0)
            return -1;
        if (!wholeWord)
            return hit;
        const int end = hit + int(needle.size());
        const bool startOk = hit == 0 || !isWordChar(text.at(hit - 1));
        const bool endOk = end >= text.size() || !isWordChar(text.at(end));
        if (startOk && endOk)
            return hit;
        pos = hit + 1;
    }
    return -1;
}

int TextSearch::matchBrace(const QString &text, int pos)
{
    if (pos < 0 || pos >= text.size() || isEscaped(text, pos))
        return -1;
    const QChar c = text.at(pos);
    int opening = 0;
    int closing = 0;
    auto count = [&](int i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('{') && !isEscaped(text, i))
            ++opening;
        else if (ch == QLatin1Char('}') && !isEscaped(text, i))
            ++closing;
        return opening == closing;
    };
    if (c == QLatin1Char('{')) {
        for (int i = pos; i < text.size(); ++i)
            if (count(i))
                return i;
    } else if (c == QLatin1Char('}')) {
        for (int i = pos; i >= 0; --i)
            if (count(i))
                return i;
    }
    return -1;
}

QString TextSearch::nameAt(const QString &text, int pos, const QString &selection)
{
    if (!selection.isEmpty())
        return selection.trimmed();
    return runAround(text, pos, isNameDelimiter);
}

QString TextSearch::commandAt(const QString &text, int pos, const QString &selection)
{
    if (!selection.isEmpty())
        return selection.trimmed();
    return runAround(text, pos, isCommandDelimiter).trimmed();
}
