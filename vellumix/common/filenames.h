// File-name extensions as Vellumix speaks of them ("change the extension to .tex").
//
// The extension of a path is its file name's part from the last dot on, the dot
// included ("doc.x.tex": ".tex"; "doc.": "."). A file name without a dot, or whose
// only dot is its first character (".latexmkrc"), has no extension. Directories
// never count: "/a.b/doc" has none.
#pragma once

#include <QString>

namespace FileNames {

// The extension with its dot; empty when there is none.
QString extension(const QString &path);
// path with its extension replaced by ext (given with its dot, e.g. ".tex"), or with
// ext appended when it has none.
QString changeExtension(const QString &path, const QString &ext);
// path with ".tex" appended when it has no extension.
QString withDefaultExtension(const QString &path);

} // namespace FileNames
