// Why reading or writing a file failed, in a form each program can phrase in its
// own interface language.
//
// message() is an English sentence for logs and the English interface. A program
// with another language builds its own text from kind (what we tried), path and
// cause() (what the system said, e.g. NoSpace for a full disk); reason holds the
// system's own words (strerror in the C locale, English) for the rare causes that
// have no entry of their own, and systemError the errno value itself.
#pragma once

#include <QString>

struct FileError {
    enum class Kind { None, NotFound, NotRegularFile, TooLarge, ReadFailed, WriteFailed, Cancelled };
    // The system's reason, grouped into what a user can act on.
    enum class Cause {
        None,         // no system error (or the kind says it all: NotRegularFile, TooLarge)
        NotFound,     // ENOENT, ENOTDIR: the file or a folder on its path is missing
        NoPermission, // EACCES, EPERM
        ReadOnly,     // EROFS, ETXTBSY: the file system or file cannot be written
        NoSpace,      // ENOSPC, EDQUOT, EFBIG: disk full, quota or file-size limit
        IsDirectory,  // EISDIR
        NameTooLong,  // ENAMETOOLONG
        InputOutput,  // EIO: the device failed
        Other         // anything else: see reason
    };

    Kind kind = Kind::None;
    QString path;        // as given by the caller
    QString reason;      // the system's words, may be empty
    int systemError = 0; // errno, 0 when the failure has none
    qint64 size = 0;     // TooLarge: the file's size (or what was read of it)
    qint64 maxSize = 0;  // TooLarge: the limit

    bool failed() const { return kind != Kind::None; }
    Cause cause() const;
    // English sentence naming the file with native separators; empty for None and Cancelled.
    QString message() const;

    // An error of that kind for path; reason and cause come from errno value errnum.
    static FileError fromErrno(Kind kind, const QString &path, int errnum);
    static FileError make(Kind kind, const QString &path, const QString &reason = QString());
    // strerror in the C locale (English, whatever the process locale).
    static QString systemText(int errnum);
};
