// The template file: the user templates in the program's own binary format.
//
// A sequence of records, one per template in list order, and nothing else. A record
// is four strings: name, part 1, part 2 and an empty string that closes it. A string
// is a 32-bit little-endian length n followed by n bytes of text (no NUL). Reading
// stops when fewer than 16 bytes (a record of four empty strings) remain.
//
// Text is written as UTF-8; each string is read as UTF-8 when it is valid UTF-8,
// else as Windows-1252 (files of the old platform).
//
// The file is the settings file's path with ".tpl" for its extension. It is read
// from beside the per-user settings file when it exists there, else from beside the
// settings file in use, and always written beside the per-user settings file.
#pragma once

#include "platform/fileerror.h"
#include "templates/usertemplates.h"

#include <QByteArray>
#include <QString>

namespace TemplateFile {

inline constexpr int MinRecordSize = 16;
// A template file is small; anything larger is not one of ours and is not read.
inline constexpr qint64 MaxFileSize = qint64(64) * 1024 * 1024;

QByteArray encode(const QList<UserTemplate> &templates);

struct Decoded {
    QList<UserTemplate> templates;  // the whole records, in file order
    // Bytes are left that do not form a whole record (a truncated file, a length
    // that points past the end or is negative, random bytes).
    bool damaged = false;
};
// Never reads past the end and never allocates more than the bytes hold.
Decoded decode(const QByteArray &bytes);

// The settings file's path with ".tpl" instead of its extension (added when the
// name has none).
QString pathFor(const QString &settingsPath);
// The file to read: beside the per-user settings file when it exists, else beside
// the settings file in use.
QString readPath(const QString &perUserSettings, const QString &settingsInUse);

struct ReadResult {
    QList<UserTemplate> templates;
    bool damaged = false;
    // Why the file could not be read; kind NotFound for a missing file (no templates,
    // no message).
    FileError error;
};
ReadResult read(const QString &path);

// Replaces the file atomically with the templates; false (and *error, a sentence
// naming the file) when it could not be written, and then the old file is intact.
bool write(const QString &path, const QList<UserTemplate> &templates, QString *error = nullptr);

} // namespace TemplateFile
