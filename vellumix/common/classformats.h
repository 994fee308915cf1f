// Character formats of the seven highlighting classes, built from the frame's fonts.
// Every format carries its class as a property, so the class of any character can be
// read back from the document.
#pragma once

#include "common/tokenclass.h"

#include <QTextCharFormat>
#include <array>

class ClassFormats {
public:
    static constexpr int ClassProperty = QTextFormat::UserProperty + 1;

    ClassFormats() : ClassFormats(ClassFonts{}) {}
    explicit ClassFormats(const ClassFonts &fonts);

    const QTextCharFormat &format(TokenClass cls) const { return m_formats[size_t(cls)]; }
    static QTextCharFormat formatFor(const ClassFont &font, TokenClass cls);
    // The class a format stands for; Standard for formats of no class.
    static TokenClass classOf(const QTextCharFormat &format);

private:
    std::array<QTextCharFormat, TokenClassCount> m_formats;
};
