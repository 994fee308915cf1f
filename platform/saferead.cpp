#include "platform/saferead.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeRead {

namespace {
void set(FileError *error, const FileError &e)
{
    if (error)
        *error = e;
}
} // namespace

bool openRegularFile(QFile &file, const QString &path, FileError *error)
{
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for ever.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            set(error, FileError::fromErrno(FileError::Kind::NotFound, path, err));
        else if (err == ENXIO || err == EISDIR) // a socket, or a folder opened for writing
            set(error, FileError::make(FileError::Kind::NotRegularFile, path));
        else
            set(error, FileError::fromErrno(FileError::Kind::ReadFailed, path, err));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        set(error, FileError::fromErrno(FileError::Kind::ReadFailed, path, err));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        set(error, FileError::make(FileError::Kind::NotRegularFile, path));
        return false;
    }
    // Regular files never block; blocking reads keep QFile's error handling simple.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        set(error, FileError::make(FileError::Kind::ReadFailed, path, file.errorString()));
        return false;
    }
    set(error, FileError());
    return true;
}

bool readRegularFile(const QString &path, qint64 limit, QByteArray *bytes, FileError *error)
{
    QFile file;
    if (!openRegularFile(file, path, error))
        return false;
    // In pieces, so that a huge limit never means a huge buffer for a small file.
    QByteArray all;
    all.reserve(qsizetype(qMin(file.size(), limit) + 1));
    while (all.size() <= limit) {
        const qint64 want = qMin<qint64>(qint64(1) << 20, limit + 1 - all.size());
        const qsizetype old = all.size();
        all.resize(old + qsizetype(want));
        const qint64 got = file.read(all.data() + old, want);
        if (got < 0) {
            set(error, FileError::make(FileError::Kind::ReadFailed, path, file.errorString()));
            return false;
        }
        all.resize(old + qsizetype(got));
        if (got == 0)
            break;
    }
    if (all.size() > limit) {
        FileError e = FileError::make(FileError::Kind::TooLarge, path);
        e.size = qMax(file.size(), qint64(all.size()));
        e.maxSize = limit;
        set(error, e);
        return false;
    }
    if (bytes)
        *bytes = all;
    return true;
}

} // namespace SafeRead
