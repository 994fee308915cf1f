// The one atomic save used for documents and every settings-like file: the bytes
// go to a temporary file in the target's folder, are flushed to the disk (fsync),
// and the temporary file is renamed over the target; the folder is flushed too.
// After a crash, a kill or a power cut the target is either its old self or
// complete, never half-written.
//
// - A symbolic link is followed: the file it points to is replaced, the link stays.
// - An existing target keeps its permission bits; a new one gets 0666 less umask.
// - A target that exists but is not a regular file (a FIFO, a device, a folder) is
//   never replaced: the save fails with FileError::Kind::NotRegularFile.
// - Missing parent folders are created.
// - Temporary files are named "<target name>.XXXXXX" (six letters, as Qt's
//   QSaveFile names them). A save first removes such files of the same target that
//   an earlier, killed save left behind (see removeStaleTemporaries).
#pragma once

#include "platform/fileerror.h"

#include <QByteArray>
#include <QString>

namespace SaveFile {

// Writes bytes to path atomically. On failure the old file is intact and *error
// says why (kind WriteFailed or NotRegularFile, with the errno value).
bool write(const QString &path, const QByteArray &bytes, FileError *error);
// The same with an English message that names the file (FileError::message()).
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Copies source (a regular file) to target atomically, with source's permission
// bits: target is either its old self or a complete copy, so a failed backup never
// leaves none. Read failures have kind ReadFailed, NotFound or NotRegularFile with
// error->path the source; write failures name the target.
bool copy(const QString &source, const QString &target, FileError *error = nullptr);

// True when name (without folder) is one of our temporary files for targetName:
// targetName, '.', then six ASCII letters holding a lower-case letter and an
// upper-case one after the first place. The case rule spares a user's own
// "x.tex.backup" or "x.tex.Backup"; random names pass it 95 times in 100.
bool isTemporaryName(const QString &targetName, const QString &name);

// Removes the temporaries of path (see isTemporaryName) that are regular files of
// this user, untouched for at least minAgeSeconds (a save in progress in another
// process is younger). Returns how many were removed.
int removeStaleTemporaries(const QString &path, int minAgeSeconds = 60);

} // namespace SaveFile
