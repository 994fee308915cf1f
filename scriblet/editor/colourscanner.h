// What colouring a piece of LaTeX means: the tokens of a text and their classes.
//
// The scan walks the text once: "%" starts a comment up to the next line break;
// "{", "}", "[", "]" and "$" are tokens of one character; a word starts at an
// ASCII letter or a backslash. A backslash followed by a control-symbol character
// is a word of two characters; any other word is its first character and the
// ASCII letters directly behind it (so a backslash followed by anything else is a
// word of one character, and a letter outside ASCII ends a word). A word is a
// command when the command list holds it; otherwise it is an environment name
// when the environment list holds it and "{" stands directly before it. Every
// other character is plain text.
//
// The lists are the strings the keyword files give (" \begin \end",
// " itemize center"): blank-separated entries, every entry (the last one
// included) can match, comparison is case-sensitive.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

class ColourScanner
{
public:
    // In the order of the view's token formats.
    enum class Token { Comment, CurlyBrace, SquareBracket, Environment, Command, Math };
    struct Run {
        int start;
        int length;
        Token token;
        bool operator==(const Run &) const = default;
    };

    ColourScanner() = default;
    ColourScanner(const QString &commandList, const QString &controlSymbols, const QString &environmentList);

    // The tokens of text in order; what lies between them is plain text.
    QList<Run> scan(QStringView text) const;

    bool isCommand(QStringView word) const { return contains(m_commands, word); }
    bool isEnvironment(QStringView word) const { return contains(m_environments, word); }

private:
    static bool contains(const QSet<QString> &set, QStringView word);

    QSet<QString> m_commands;
    QSet<QString> m_environments;
    QString m_controlSymbols;
};
