// Profile (INI) file with the semantics of the Windows private-profile functions.
//
// Sections and keys compare without case; values are stored verbatim (no quoting,
// a value ends at the end of its line); a missing key gives the default; integers
// read like atoi (leading digits count, anything else is 0). Every write changes
// one key (or erases one section) and keeps every other line, comment and the
// order of the file; the file is replaced atomically, so a failed write leaves
// the old file intact. Lines are written with CR LF and read with CR LF or LF.
// A file that does not exist reads as empty; the first write creates it and its
// directory. A file that cannot be read (a FIFO, a device, a folder, a file over
// MaxFileSize, no permission) also reads as empty, and every write is refused
// with lastError(), so that it is never replaced by a file of a few keys.
//
// Values are byte strings: the byte API stores exactly what it is given. The
// QString API writes UTF-8 and reads UTF-8, falling back to Windows-1252 for
// bytes that are not valid UTF-8 (files edited on the old platform).
#pragma once

#include "platform/fileerror.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Profile
{
public:
    // Settings files are small; anything larger is not one of ours.
    static constexpr qint64 MaxFileSize = qint64(16) * 1024 * 1024;

    explicit Profile(const QString &path);

    const QString &path() const { return m_path; }

    QByteArray getBytes(const QString &section, const QString &key, const QByteArray &def = {}) const;
    QString getString(const QString &section, const QString &key, const QString &def = {}) const;
    int getInt(const QString &section, const QString &key, int def) const;
    // True when the key exists in the section (even with an empty value).
    bool hasKey(const QString &section, const QString &key) const;
    bool hasSection(const QString &section) const;

    // Each write returns false and sets lastError() when the file cannot be replaced.
    bool writeBytes(const QString &section, const QString &key, const QByteArray &value);
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInt(const QString &section, const QString &key, int value);
    // Removes one key; a missing key is not an error.
    bool deleteKey(const QString &section, const QString &key);
    // Removes the section header and every line up to the next section.
    bool eraseSection(const QString &section);
    // Replaces a whole section's body with the given lines (each "key=value" or any text),
    // creating the section at the end of the file when it is missing.
    bool writeSectionLines(const QString &section, const QList<QByteArray> &lines);

    // Batch mode: between beginBatch() and commitBatch() every write changes only
    // the file's image in memory; commitBatch() then replaces the file once
    // (atomically) and returns false, with lastError(), when it cannot or when a write
    // of the batch was refused: the old file is intact. cancelBatch() drops the
    // collected writes. Reads see the batch.
    void beginBatch();
    bool commitBatch();
    void cancelBatch();
    bool inBatch() const { return m_batch; }

    // Keys of a section in file order (first spelling of each key).
    QStringList sectionKeys(const QString &section) const;
    // The non-empty lines of a section in file order, as stored (without line ends).
    QList<QByteArray> sectionLines(const QString &section) const;
    // Section names in file order.
    QStringList sections() const;

    // Called after every write (or batch) that failed, with its reason: a file that
    // turns unwritable later in the run (a full disk, a folder in its place) is
    // noticed by whoever keeps the settings, not only by each caller.
    using WriteFailed = std::function<void(const FileError &)>;
    void setWriteFailedHandler(WriteFailed handler) { m_writeFailed = std::move(handler); }

    QString lastError() const { return m_lastError; }
    // The same as kind, path and system cause, for a message in the interface language.
    const FileError &lastFileError() const { return m_lastFileError; }
    // Why the file could not be read (None when it was read or does not exist).
    FileError readError() const;

    // atoi: optional blanks, optional sign, leading digits; anything else reads 0.
    static int parseInt(const QByteArray &text);

private:
    struct Line {
        QByteArray text;     // without line end
        QByteArray section;  // lower-cased section the line belongs to ("" before the first)
        bool isHeader = false;
        QByteArray key;      // lower-cased key of a "key=value" line, else empty
    };
    void load() const;
    bool save(const QList<Line> &lines);
    int findKey(const QByteArray &section, const QByteArray &key) const;
    static QByteArray lower(const QString &s);
    void failed();

    QString m_path;
    QString m_lastError;
    FileError m_lastFileError;
    mutable FileError m_readError;
    // Parsed file, reloaded when the file's time stamp or size changes.
    mutable QList<Line> m_lines;
    mutable QDateTime m_stamp;
    mutable qint64 m_size = -1;
    mutable bool m_loaded = false;
    bool m_batch = false;
    bool m_batchDirty = false;
    bool m_batchFailed = false;
    WriteFailed m_writeFailed;
};
