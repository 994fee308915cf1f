#include "resources/fileerrortext.h"

#include "resources/strings.h"

QString FileErrorText::text(const FileError &error)
{
    using Kind = FileError::Kind;
    switch (error.kind) {
    case Kind::None:
    case Kind::Cancelled:
        return QString();
    case Kind::NotFound:
        return Str::text(Str::FileNotFound);
    case Kind::NotRegularFile:
        return Str::text(Str::FileNotRegular);
    case Kind::TooLarge:
        return Str::format(Str::FileTooLarge, {QString::number(error.size / (1024 * 1024)),
                                               QString::number(error.maxSize / (1024 * 1024))});
    case Kind::ReadFailed:
    case Kind::WriteFailed: {
        const QString why = cause(error);
        return why.isEmpty() ? Str::text(Str::FileAccessFailed) : why;
    }
    }
    return QString();
}

QString FileErrorText::cause(const FileError &error)
{
    using Cause = FileError::Cause;
    switch (error.cause()) {
    case Cause::None:
        return error.reason.isEmpty() ? QString() : Str::format(Str::CauseOther, {error.reason});
    case Cause::NotFound:
        return Str::text(Str::FileNotFound);
    case Cause::NoPermission:
        return Str::text(Str::CauseNoPermission);
    case Cause::ReadOnly:
        return Str::text(Str::CauseReadOnly);
    case Cause::NoSpace:
        return Str::text(Str::CauseNoSpace);
    case Cause::IsDirectory:
        return Str::text(Str::CauseIsDirectory);
    case Cause::NameTooLong:
        return Str::text(Str::CauseNameTooLong);
    case Cause::InputOutput:
        return Str::text(Str::CauseInputOutput);
    case Cause::Other:
        return Str::format(Str::CauseOther,
                           {error.reason.isEmpty() ? QString::number(error.systemError) : error.reason});
    }
    return QString();
}
