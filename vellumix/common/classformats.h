// Character formats of the seven highlighting classes, built from the frame's fonts.
// Every format carries its class as a property, so the class of any character can be
// read back from the document.
#pragma once

#include "common/tokenclass.h"

#include <QFont>
#include <QTextCharFormat>
#include <array>

class ClassFormats {
public:
    static constexpr int ClassProperty = QTextFormat::UserProperty + 1;

    ClassFormats() : ClassFormats(ClassFonts{}) {}
    explicit ClassFormats(const ClassFonts &fonts);

    const QTextCharFormat &format(TokenClass cls) const { return m_formats[size_t(cls)]; }
    static QTextCharFormat formatFor(const ClassFont &font, TokenClass cls);
    // The font a class font stands for. The face "System" (the old platform's
    // system font, the first-start default) is this system's fixed-width font.
    static QFont fontOf(const ClassFont &font);
    static QString familyOf(const QString &face);
    // The class a format stands for; Standard for formats of no class.
    static TokenClass classOf(const QTextCharFormat &format);

private:
    std::array<QTextCharFormat, TokenClassCount> m_formats;
};
