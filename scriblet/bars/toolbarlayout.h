// The built-in layout of the main window's toolbars: the commands the main
// toolbar carries, and how the bars share rows. Data, so that a customised layout
// can take its place.
#pragma once

#include <QList>

namespace ToolbarLayout {

// Stands between two groups of buttons.
inline constexpr int Separator = 0;

// The main toolbar's command ids in order: the file commands, then the seven bar
// toggles (arrows, binary operators, accents, relations, Greek letters, other
// symbols, macros).
const QList<int> &mainToolbar();

// Puts bars of the given widths into rows no wider than available, in their
// order: a bar joins the current row when it fits, else it starts the next one.
// The result holds the index of the first bar of every row (a bar wider than
// available gets a row of its own).
QList<int> rowStarts(const QList<int> &widths, int available);

} // namespace ToolbarLayout
