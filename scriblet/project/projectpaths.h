// Path rules of the project file: the file's "\" form, the entries relative to
// the main directory, and the host's way of comparing paths.
#pragma once

#include <QString>
#include <QStringList>

namespace ProjectPaths {

// Paths on this host compare case-sensitively, as its file system does.
inline constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;

bool samePath(const QString &a, const QString &b);

// "\" (the project file's separator) and "/" both become "/".
QString fromFileForm(const QString &entry);
// "/" becomes "\".
QString toFileForm(const QString &path);

// Text after the last "/" (the whole path when there is none).
QString namePart(const QString &path);
// Text before the last "/"; empty when there is none ("/" for a file in the root).
QString directoryPart(const QString &path);

// A further file's entry relative to the main directory D (host form):
// "./rest" below D, "../"-steps and the rest elsewhere on the same root,
// the full path otherwise (for example an entry that is itself relative).
QString relativeEntry(const QString &mainDirectory, const QString &path);

// The main path without its last three characters, followed by "toc".
QString tocPathFor(const QString &mainPath);

} // namespace ProjectPaths
