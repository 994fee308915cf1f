#include "common/classformats.h"

ClassFormats::ClassFormats(const ClassFonts &fonts)
{
    for (int i = 0; i < TokenClassCount; ++i)
        m_formats[size_t(i)] = formatFor(fonts[size_t(i)], TokenClass(i));
}

QTextCharFormat ClassFormats::formatFor(const ClassFont &font, TokenClass cls)
{
    QTextCharFormat f;
    f.setFontFamilies({font.face});
    f.setFontPointSize(font.size > 0 ? font.size : 10);
    f.setForeground(font.color);
    f.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(font.italic);
    f.setFontUnderline(font.underline);
    f.setFontStrikeOut(font.strikeOut);
    f.setProperty(ClassProperty, int(cls));
    return f;
}

TokenClass ClassFormats::classOf(const QTextCharFormat &format)
{
    const QVariant v = format.property(ClassProperty);
    const int n = v.isValid() ? v.toInt() : 0;
    return (n >= 0 && n < TokenClassCount) ? TokenClass(n) : TokenClass::Standard;
}
