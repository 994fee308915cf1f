// Deleting the auxiliary files that LaTeX and its companions leave behind.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class Profile;

namespace CleanUp {

// One kind of auxiliary file: check-box caption, file pattern and key in section
// `CleanUp` of the settings file.
struct Kind {
    const char *caption;
    const char *pattern;
    const char *key;
};

inline constexpr int KindCount = 14;
// Fixed order: the order of the boxes on screen and of the deletions.
inline constexpr std::array<Kind, KindCount> Kinds{{
    {"DLG", "*.dlg", "dlg"}, {"AUX", "*.aux", "aux"}, {"BAK", "*.bak", "bak"}, {"BBL", "*.bbl", "bbl"},
    {"BLG", "*.blg", "blg"}, {"DVI", "*.dvi", "dvi"}, {"GLO", "*.glo", "glo"}, {"IDX", "*.idx", "idx"},
    {"ILG", "*.ilg", "ilg"}, {"IND", "*.ind", "ind"}, {"LOF", "*.lof", "lof"}, {"LOG", "*.log", "log"},
    {"LOT", "*.lot", "lot"}, {"TOC", "*.toc", "toc"},
}};

inline constexpr char SettingsSection[] = "CleanUp";

// One mark per kind, in the order of Kinds.
using Marks = std::array<bool, KindCount>;

// Index of a kind by its key (compared without case); -1 when unknown.
int kindIndex(const QString &key);

// Reads the fourteen marks from section `CleanUp` (missing keys are false).
Marks readMarks(const Profile &profile);
// Writes the fourteen marks as 1 or 0; false when the file cannot be written.
bool writeMarks(Profile &profile, const Marks &marks);

// Files of the directory that match the kind: ordinary and read-only files only;
// hidden files (names starting with a dot), directories and anything else that is
// not a regular file are left out. Names are matched with case, as the file system
// compares them. Sorted by name.
QStringList matchingFiles(const QString &directory, int kind);

// Deletes, kind by kind in the order of Kinds, every matching file of the directory
// for each ticked mark. A file that cannot be deleted is skipped. Returns the paths
// that were deleted.
QStringList deleteMarked(const QString &directory, const Marks &marks);

} // namespace CleanUp
