// The rows of the user-templates toolbox: captions and left margins that line the
// names of rows 1 to 12 up. Rows 1 to 9 show "<n>: <name>" after a margin of the width
// of "1" + 4 pixels, rows 10 to 12 "<n>: <name>" after 4 pixels, later rows (which
// have no shortcut) three spaces and the name after the width of "12: " less that of
// three spaces + 4 pixels. Rows are numbered from 1 on screen, indexes count from 0.
#pragma once

#include <QString>
#include <functional>

namespace TemplateRows {

// The templates that have a number and a shortcut (Shift+F1 to Shift+F12).
inline constexpr int NumberedRows = 12;
inline constexpr int Padding = 4;

QString caption(int index, const QString &name);
// textWidth: the width of a text in the rows' font. Fractional widths keep the names
// lined up to the pixel where whole-pixel widths would round differently.
qreal leftMargin(int index, const std::function<qreal(const QString &)> &textWidth);
// The height of "gÄ" in the rows' font + 8 pixels.
inline int rowHeight(int textHeight) { return textHeight + 8; }

} // namespace TemplateRows
