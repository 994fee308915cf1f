// The text of a heading as a reader sees it, from the LaTeX that writes it: the
// title as LaTeX put it into the ".toc" file ("Grundlagen der \textbf {Methode}")
// and the argument of \section in the sources ("Grundlagen der \textbf{Methode}")
// both become "Grundlagen der Methode", so that a heading of the table of contents
// is shown without markup and found in the sources however its markup is spaced
// or its title wrapped.
#pragma once

#include <QString>
#include <QStringView>

namespace HeadingText {

// Markup removed: commands with a braced argument keep the argument's text
// (\textbf, \emph, \IeC ...), \texorpdfstring keeps its first, \textcolor its
// second; \label, \index, \footnote and their like go with their arguments; other
// commands go; braces go; accents (\"a, \'e, \c c) become letters; ~, \\ and runs
// of blanks and line breaks become one blank; comments go. Math stays as written.
QString plain(QStringView tex);

// The arguments of the first heading command `command` ("\section") that starts at
// text[from]: the optional short title (empty when there is none) and the title,
// which may run over several lines. False when no braced title follows.
bool headingArguments(QStringView text, qsizetype from, const QString &command, QString *shortTitle, QString *title);

} // namespace HeadingText
