// Reading files that may be anything: only regular files are read, and only up
// to a limit. A FIFO, a device (/dev/zero, /dev/urandom), a socket or a folder is
// refused without blocking and without reading a byte; a symbolic link counts as
// what it points to. The check is made on the opened file, so a name swapped for
// a FIFO between a check and the open cannot block the caller.
#pragma once

#include "platform/fileerror.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace SafeRead {

// Opens path read-only into file when it is a regular file. On failure file stays
// closed and *error says why (NotFound, NotRegularFile, ReadFailed with errno).
bool openRegularFile(QFile &file, const QString &path, FileError *error = nullptr);

// The whole file when it is a regular file of at most limit bytes. Reads at most
// limit + 1 bytes, so a file that grows while it is read is refused too (TooLarge).
bool readRegularFile(const QString &path, qint64 limit, QByteArray *bytes, FileError *error = nullptr);

} // namespace SafeRead
