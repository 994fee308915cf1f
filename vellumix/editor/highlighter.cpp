#include "editor/highlighter.h"

namespace {

class RunBuilder {
public:
    void add(int start, int length, TokenClass cls)
    {
        if (length <= 0)
            return;
        if (!m_runs.empty()) {
            ClassRun &last = m_runs.back();
            if (last.cls == cls && last.start + last.length == start) {
                last.length += length;
                return;
            }
        }
        m_runs.push_back({start, length, cls});
    }
    ClassRuns take() { return std::move(m_runs); }

private:
    ClassRuns m_runs;
};

// The class of a character that forms a token of its own, or Standard.
TokenClass singleClass(QChar c)
{
    switch (c.unicode()) {
    case '{': case '}': return TokenClass::Parenthesis;
    case '[': case ']': return TokenClass::SquareBracket;
    case '(': case ')': return TokenClass::RoundBracket;
    case '$': return TokenClass::Dollar;
    default: return TokenClass::Standard;
    }
}

bool isEscapable(QChar c)
{
    switch (c.unicode()) {
    case '#': case '$': case '%': case '&': case '_': case '{': case '}': return true;
    default: return false;
    }
}

bool isPlain(QChar c)
{
    switch (c.unicode()) {
    case '\n': case '\\': case '%': case '{': case '}': case '[': case ']': case '(': case ')': case '$':
        return false;
    default:
        return true;
    }
}

int lineEnd(const QString &text, int from, int limit)
{
    const int j = text.indexOf(QLatin1Char('\n'), from);
    return (j < 0 || j >= limit) ? limit : j;
}

// Shared by full and preview highlighting, which differ only in the escape rule.
ClassRuns walk(const QString &text, bool escapes)
{
    RunBuilder b;
    const int n = int(text.size());
    const QChar *s = text.constData();
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        if (c == QLatin1Char('%')) {
            const int j = lineEnd(text, i, n);
            b.add(i, j - i, TokenClass::Comment);
            i = j;
        } else if (c == QLatin1Char('\\')) {
            if (escapes && i + 1 < n && isEscapable(s[i + 1])) {
                b.add(i, 2, TokenClass::Standard);
                i += 2;
                continue;
            }
            int j = i + 1;
            while (j < n && Highlighter::isCommandLetter(s[j]))
                ++j;
            b.add(i, j - i, TokenClass::TexCommand);
            i = j;
        } else if (c == QLatin1Char('\n')) {
            b.add(i, 1, TokenClass::Standard);
            ++i;
        } else if (TokenClass cls = singleClass(c); cls != TokenClass::Standard) {
            b.add(i, 1, cls);
            ++i;
        } else {
            int j = i + 1;
            while (j < n && isPlain(s[j]))
                ++j;
            b.add(i, j - i, TokenClass::Standard);
            i = j;
        }
    }
    return b.take();
}

} // namespace

bool Highlighter::isCommandLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || u == '@' || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')
        || u >= 0x80;
}

ClassRuns Highlighter::fullRuns(const QString &text) { return walk(text, true); }

ClassRuns Highlighter::previewRuns(const QString &text) { return walk(text, false); }

std::vector<TokenClass> Highlighter::expand(const ClassRuns &runs, int length)
{
    std::vector<TokenClass> out(size_t(qMax(0, length)), TokenClass::Standard);
    for (const ClassRun &r : runs)
        for (int i = r.start; i < r.start + r.length && i < length; ++i)
            out[size_t(i)] = r.cls;
    return out;
}
