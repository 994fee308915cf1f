// The built-in layout of the main window's toolbars: the buttons each bar
// carries until the user customises it, the bars' numbers in the settings file,
// and how the bars share rows.
#pragma once

#include "bars/barbuttons.h"

#include <QList>

namespace ToolbarLayout {

// Stands between two groups of buttons in mainToolbar().
inline constexpr int Separator = 0;

// The main toolbar's command ids in order: new, open, save, save all; cut, copy,
// paste; print; LaTeX, BibTeX, DVI viewer, DVIPS, PostScript viewer; then the
// seven bar toggles (arrows, binary operators, accents, relations, Greek
// letters, other symbols, macros).
const QList<int> &mainToolbar();

// The bars (their ids) in the order they are made; a bar's position here is
// its number in the sections "General Settings-Scriblet-<n>".
const QList<int> &barIds();
int barIndex(int barId); // -1 for an unknown bar

// A bar's built-in buttons: the main toolbar's table, the symbols of a symbol
// bar, the ten macros (image and name) of the macro bar.
BarButtons builtin(int barId);

// Puts bars of the given widths into rows no wider than available: each bar, in
// order, joins the first row it fits in, else it starts a new row. The result
// holds the bars' indices row by row (a bar wider than available gets a row of
// its own).
QList<QList<int>> rows(const QList<int> &widths, int available);

} // namespace ToolbarLayout
