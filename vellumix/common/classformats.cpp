#include "common/classformats.h"

#include <QFontDatabase>

ClassFormats::ClassFormats(const ClassFonts &fonts)
{
    for (int i = 0; i < TokenClassCount; ++i)
        m_formats[size_t(i)] = formatFor(fonts[size_t(i)], TokenClass(i));
}

QTextCharFormat ClassFormats::formatFor(const ClassFont &font, TokenClass cls)
{
    QTextCharFormat f;
    f.setFont(fontOf(font), QTextCharFormat::FontPropertiesAll);
    f.setForeground(font.color);
    f.setProperty(ClassProperty, int(cls));
    return f;
}

QString ClassFormats::familyOf(const QString &face)
{
    if (face.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0)
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return face;
}

QFont ClassFormats::fontOf(const ClassFont &font)
{
    QFont f(familyOf(font.face));
    f.setPointSize(font.size > 0 ? font.size : 10);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

TokenClass ClassFormats::classOf(const QTextCharFormat &format)
{
    const QVariant v = format.property(ClassProperty);
    const int n = v.isValid() ? v.toInt() : 0;
    return (n >= 0 && n < TokenClassCount) ? TokenClass(n) : TokenClass::Standard;
}
