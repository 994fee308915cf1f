// Placeholder expansion of command templates (compile, log file, preview, external
// programs, speed-bar buttons, command-line file arguments).
//
// Each placeholder is replaced at its FIRST occurrence only (a second occurrence stays
// as it is), in this fixed order, case-sensitively:
//   %M  main file, full path
//   %m  main file without extension (directory + base name)
//   %P  main file's directory, with trailing '/'
//   %F  main file's base name, without extension
//   %E  main file's extension, with the dot
//   %x  ".txx" when line specials are on, else ".tex"
//   %p  active editor's directory, with trailing '/'       -- only with an active editor
//   %f  active editor's base name, without extension       -- only with an active editor
//   %e  active editor's extension, with the dot            -- only with an active editor
//   %l  active editor's caret line (1-based)               -- only with an active editor
//   %S  active editor's file name without directory        -- only with an active editor
// Without an active editor, %p %f %e %l %S stay in the text unchanged. An empty main
// file (none set) or an editor without a file name gives empty parts. Occurrences are
// looked for in the template only: a file name that holds "%F" is never expanded.
//
// Example: main file /doc/paper.tex, editor /doc/chap1.tex on line 12:
//   "latex --src-specials %F.tex"        -> "latex --src-specials paper.tex"
//   "%P%F.log"                           -> "/doc/paper.log"
//   "yap -1 -s %l%f%e \"%P%F.dvi\""      -> "yap -1 -s 12chap1.tex \"/doc/paper.dvi\""
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct PlaceholderContext {
    QString mainFile;              // full path of the main file; empty when none is set
    bool lineSpecials = false;     // decides %x
    bool hasActiveEditor = false;  // false: %p %f %e %l %S are left alone
    QString editorFile;            // full path of the active editor's file (may be empty)
    int editorLine = 1;            // caret line of the active editor, 1-based
};

// The pieces a path is split into for the placeholders.
struct PathParts {
    QString directory;  // with trailing '/', empty when the path has none
    QString baseName;   // file name without its extension
    QString extension;  // from the last '.' of the file name, with the dot; may be empty
    QString fileName;   // file name with extension
};
PathParts splitPath(const QString &path);

QString expandPlaceholders(const QString &templ, const PlaceholderContext &ctx);

// The pieces of one template (its arguments, in order) expanded together: "first
// occurrence" counts across all pieces, so the result is what expanding the whole
// template would give, piece by piece.
struct ExpandedPiece {
    QString text;
    // The piece begins with a placeholder's value (not with the template's own text).
    bool startsWithValue = false;
};
QList<ExpandedPiece> expandPlaceholders(const QStringList &pieces, const PlaceholderContext &ctx);
