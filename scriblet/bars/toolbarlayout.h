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

// Puts bars of the given widths into rows no wider than available: each bar, in
// order, joins the first row it fits in, else it starts a new row. The result
// holds the bars' indices row by row (a bar wider than available gets a row of
// its own).
QList<QList<int>> rows(const QList<int> &widths, int available);

} // namespace ToolbarLayout
