// The jump from a heading of the table of contents to its line in the sources.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class CProject;
class ProjectHost;
class Prompter;
class TocTable;

struct HeadingLocation {
    QString path;       // the project file's path, resolved against the main directory
    int line = 0;       // counted from 1
    QString searchText; // the text found on the line beside the command
    QString command;    // "\chapter", "\section", "\subsection" or "\subsubsection"
};

// The title as the user writes it: each of ä Ä ö Ö ü Ü ß replaced once by the
// user's spelling (umlauts in that order; a missing spelling keeps the letter).
QString spellTitle(const QString &title, const QStringList &umlauts);

// Searches the project's files ending in "tex" (slot order) for the first row of
// the table whose display text contains text: the first line with the heading
// command and the title, in the user's spelling or as written in the table (the
// latter finds headings in sources that hold the letters themselves), or else a
// heading command on the line whose title reads the same once markup, blanks and
// line breaks are left aside (HeadingText). A file that cannot be read gives
// "error reading file" and the search goes on.
std::optional<HeadingLocation> locateHeading(const TocTable &table, const CProject &project,
                                             const QString &text, const QStringList &umlauts,
                                             const std::function<void(const QString &)> &message);

// locateHeading, then opens the file with the heading's line at the top; shows
// "Eintrag konnte nicht gefunden werden !!" when nothing was found.
bool FindHeading(const TocTable &table, const CProject &project, const QString &text, ProjectHost &host,
                 Prompter &prompter);
