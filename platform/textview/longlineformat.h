// The character format laid under a very long line: without kerning and, where the
// font and script allow, without complex shaping, so that the line's layout, redone on
// every key, costs about a quarter less. The marker property keeps it apart from the
// program's own colour formats.
#pragma once

#include <QFont>
#include <QTextCharFormat>

inline QTextCharFormat longLineFormat(int marker)
{
    QTextCharFormat f;
    f.setFontStyleStrategy(QFont::PreferNoShaping);
    f.setFontKerning(false);
    f.setProperty(marker, true);
    return f;
}
