// The highlighter that runs while the user types: a small state machine that decides
// the format of the next typed character from the characters typed before it.
#pragma once

#include "editor/highlighter.h"

class TypingHighlighter {
public:
    // What to do for one typed character.
    struct Step {
        TokenClass format = TokenClass::Standard; // format of the typed character
        bool unescapeBackslash = false;           // the backslash before the caret becomes standard
    };

    HighlightState state() const { return m_state; }
    bool isValid() const { return m_valid; }
    TokenClass insertionFormat() const { return m_format; }

    // A caret move: the state is computed afresh before the next typed character.
    void invalidate() { m_valid = false; }
    // Sets the state from the context at the caret (see Highlighter::contextState);
    // the insertion format follows the state.
    void setContext(HighlightState state);

    // Called before c is inserted. lineBeforeCaret is the caret line's text up to the
    // caret; it is used to compute an invalid state and for the escape test.
    Step typeChar(QChar c, QStringView lineBeforeCaret);
    // Space (outside a comment) and Enter reset to Standard before they are inserted.
    // Both return the format of the inserted blank or line break.
    TokenClass space(QStringView lineBeforeCaret);
    TokenClass enter();

private:
    HighlightState m_state = HighlightState::Standard;
    TokenClass m_format = TokenClass::Standard;
    bool m_valid = true;
};
