#include "editor/typinghighlighter.h"

void TypingHighlighter::setContext(HighlightState state)
{
    m_state = state;
    m_format = state == HighlightState::Command ? TokenClass::TexCommand
        : state == HighlightState::Comment      ? TokenClass::Comment
                                                : TokenClass::Standard;
    m_valid = true;
}

TypingHighlighter::Step TypingHighlighter::typeChar(QChar c, QStringView line)
{
    if (!m_valid)
        setContext(Highlighter::contextState(line));
    if (m_state == HighlightState::AfterToken || m_state == HighlightState::Standard)
        m_format = TokenClass::Standard;
    if (m_state == HighlightState::Comment)
        return {m_format, false};

    Step step;
    // An escaped special: the backslash typed just before is plain text after all.
    auto escaped = [&] {
        if (m_state == HighlightState::Command && !line.isEmpty() && line.back() == QLatin1Char('\\')) {
            step.unescapeBackslash = true;
            m_format = TokenClass::Standard;
            return true;
        }
        return false;
    };
    auto token = [&](TokenClass format, HighlightState next) {
        m_format = format;
        m_state = next;
    };
    switch (c.unicode()) {
    case '\\':
        token(TokenClass::TexCommand, HighlightState::Command);
        break;
    case '{': case '}':
        if (!escaped())
            token(TokenClass::Parenthesis, HighlightState::AfterToken);
        break;
    case '$':
        if (!escaped())
            token(TokenClass::Dollar, HighlightState::AfterToken);
        break;
    case '%':
        if (!escaped())
            token(TokenClass::Comment, HighlightState::Comment);
        break;
    case '(': case ')':
        token(TokenClass::RoundBracket, HighlightState::AfterToken);
        break;
    case '[': case ']':
        token(TokenClass::SquareBracket, HighlightState::AfterToken);
        break;
    case '#': case '&': case '_':
        escaped();
        break;
    default:
        break;
    }
    if (m_state == HighlightState::Command && Highlighter::isCommandEnd(c))
        m_state = HighlightState::AfterToken;
    step.format = m_format;
    return step;
}

TokenClass TypingHighlighter::space(QStringView line)
{
    if (!m_valid)
        setContext(Highlighter::contextState(line));
    if (m_state != HighlightState::Comment) {
        m_state = HighlightState::Standard;
        m_format = TokenClass::Standard;
    }
    return m_format;
}

TokenClass TypingHighlighter::enter()
{
    m_state = HighlightState::Standard;
    m_format = TokenClass::Standard;
    m_valid = true;
    return m_format;
}
