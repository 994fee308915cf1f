// The seven highlighting classes of the editor and the font each one is drawn with.
#pragma once

#include <QColor>
#include <QString>
#include <array>

// Fixed order: it is the order of the settings file, the appearance dialog and the
// highlighting tables.
enum class TokenClass { Standard = 0, TexCommand, Parenthesis, SquareBracket, RoundBracket, Dollar, Comment };
inline constexpr int TokenClassCount = 7;

struct ClassFont {
    QString face = QStringLiteral("Courier New");
    int size = 10;           // points
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const ClassFont &) const = default;
};

using ClassFonts = std::array<ClassFont, TokenClassCount>;
