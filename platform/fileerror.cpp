#include "platform/fileerror.h"

#include <QDir>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>

QString FileError::systemText(int errnum)
{
    if (errnum == 0)
        return QString();
    // strerror_l with the C locale: the same English text in every environment.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const char *text = c ? strerror_l(errnum, c) : nullptr;
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("error %1").arg(errnum);
}

FileError FileError::make(Kind kind, const QString &path, const QString &reason)
{
    FileError e;
    e.kind = kind;
    e.path = path;
    e.reason = reason;
    return e;
}

FileError FileError::fromErrno(Kind kind, const QString &path, int errnum)
{
    FileError e = make(kind, path, systemText(errnum));
    e.systemError = errnum;
    return e;
}

FileError::Cause FileError::cause() const
{
    switch (systemError) {
    case 0: return Cause::None;
    case ENOENT:
    case ENOTDIR: return Cause::NotFound;
    case EACCES:
    case EPERM: return Cause::NoPermission;
    case EROFS:
    case ETXTBSY: return Cause::ReadOnly;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Cause::NoSpace;
    case EISDIR: return Cause::IsDirectory;
    case ENAMETOOLONG: return Cause::NameTooLong;
    case EIO: return Cause::InputOutput;
    default: return Cause::Other;
    }
}

QString FileError::message() const
{
    const QString native = QDir::toNativeSeparators(path);
    switch (kind) {
    case Kind::None:
    case Kind::Cancelled: return QString();
    case Kind::NotFound: return QStringLiteral("The file %1 does not exist.").arg(native);
    case Kind::NotRegularFile: return QStringLiteral("%1 is not a regular file.").arg(native);
    case Kind::TooLarge:
        return QStringLiteral("The file %1 is too large (%2 MB; at most %3 MB).")
            .arg(native)
            .arg(size / (1024 * 1024))
            .arg(maxSize / (1024 * 1024));
    case Kind::ReadFailed:
        return reason.isEmpty() ? QStringLiteral("Unable to read file %1.").arg(native)
                                : QStringLiteral("Unable to read file %1: %2").arg(native, reason);
    case Kind::WriteFailed:
        return reason.isEmpty() ? QStringLiteral("Unable to write file %1.").arg(native)
                                : QStringLiteral("Unable to write file %1: %2").arg(native, reason);
    }
    return QString();
}
