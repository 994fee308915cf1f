#include "editor/editorfont.h"

#include <cmath>

namespace EditorFontConv {

QFont toQFont(const EditorFont &f)
{
    QFont font(f.faceName);
    font.setStyleHint(QFont::TypeWriter);
    if (f.height != 0)
        font.setPixelSize(std::max(1, std::abs(f.height)));
    font.setWeight(QFont::Weight(std::clamp(f.weight > 0 ? f.weight : 400, 100, 900)));
    font.setItalic(f.italic != 0);
    font.setUnderline(f.underline != 0);
    font.setStrikeOut(f.strikeOut != 0);
    return font;
}

EditorFont fromQFont(const QFont &font, const EditorFont &base)
{
    EditorFont f = base;
    int px = font.pixelSize();
    if (px <= 0)
        px = int(std::lround(font.pointSizeF() * 96.0 / 72.0));
    f.height = -std::max(1, px);
    f.width = 0;
    f.weight = int(font.weight());
    f.italic = font.italic() ? 1 : 0;
    f.underline = font.underline() ? 1 : 0;
    f.strikeOut = font.strikeOut() ? 1 : 0;
    f.faceName = font.family().left(31);
    return f;
}

QColor toQColor(unsigned c) { return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff)); }

unsigned fromQColor(const QColor &c)
{
    return unsigned(c.red()) | (unsigned(c.green()) << 8) | (unsigned(c.blue()) << 16);
}

} // namespace EditorFontConv
