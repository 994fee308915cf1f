// The file behind an editor: its name, and how it is read and written in Vellumix's
// formats (plain, DOS OEM, Unix) with the backup and the line-specials copy. Reading,
// encodings, line breaks and the atomic save follow the shared document-file rule
// (TextFile). The text itself lives in the editor widget; it is handed in and out as
// a QString with '\n' between lines.
#pragma once

#include "common/openformat.h"
#include "platform/textfile.h"

#include <QString>
#include <functional>

struct SaveOptions {
    bool createBackup = false;
    bool lineSpecials = false;
};

// Outcome of a load or save. 'notice' carries something the user should hear about
// although the operation worked (a failed line-specials copy, characters the OEM
// export could not hold). 'unencodable': the save wrote nothing because the file's
// encoding cannot hold every character; the caller asks and may switch to UTF-8.
struct FileResult {
    bool ok = false;
    QString error;
    QString notice;
    bool unencodable = false;
};

class TextDocument {
public:
    using LineBreak = TextFile::LineBreak;

    // Files from this size on are read on a worker thread (see load()).
    static constexpr qint64 WorkerSize = 256 * 1024;

    // The name a load really reads: the path itself, or with the extension changed to
    // ".tex" when the path does not exist. Made absolute.
    static QString resolveLoadPath(const QString &path);
    // The line-specials copy of text: every non-empty line that follows an empty line
    // starts with "\special{src: <line> <shortName>}" (lines count from 1).
    static QString lineSpecialsCopy(const QString &text, const QString &shortName);

    // Reads the file (after the ".tex" fallback) in the given format. On success the
    // file name is set and takeLoadedText() yields the text. A DOS OEM file is
    // decoded from code page 850 and becomes a UTF-8 document with its line breaks
    // kept: convertedOnLoad() then tells the editor to mark itself modified.
    // With a pause, a file of WorkerSize bytes or more is read on a worker thread
    // while this thread turns its event loop (user input waits) and calls pause every
    // few milliseconds; a smaller one is read here, with pause called between the
    // phases (reading, decoding, line breaks). When pause returns false the document
    // is gone: load returns without touching it (on the worker path, once the worker
    // has stopped at its next check).
    FileResult load(const QString &path, OpenFormat format, const std::function<bool()> &pause = {});
    QString takeLoadedText() { return m_file.takeText(); }
    bool convertedOnLoad() const { return m_converted; }

    // Writes text to fileName() atomically: the previous file is first copied to
    // fileName() + ".bak" when backups are on, and the line-specials copy goes to the
    // ".txx" name when line specials are on and the extension is exactly ".tex".
    // Nothing is written (not even the backup) when the encoding cannot hold the text.
    FileResult save(const QString &text, const SaveOptions &options);
    // Writes text converted to code page 850 with CR LF to path (".tex" appended
    // when it has no extension); the document's own name is untouched.
    FileResult exportOem(const QString &path, const QString &text) const;

    // The bytes save() would write for text.
    QByteArray encode(const QString &text, bool *lossless = nullptr) const { return m_file.encode(text, lossless); }

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }
    // The file-name part of fileName(), at most 255 characters.
    QString shortName() const;
    TextCodec::Encoding encoding() const { return m_file.encoding(); }
    void setEncoding(TextCodec::Encoding e) { m_file.setEncoding(e); }
    LineBreak lineBreak() const { return m_file.lineBreak(); }
    void setLineBreak(LineBreak b) { m_file.setLineBreak(b); }

private:
    QString m_fileName;
    TextFile m_file;
    bool m_converted = false;
};
