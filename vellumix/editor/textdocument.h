// The file behind an editor: its name, encoding and line-break style, and how it is
// read and written in the three formats (plain, DOS OEM, Unix), with the backup and
// the line-specials copy. The text itself lives in the editor widget; it is handed
// in and out as a QString with '\n' between lines.
#pragma once

#include "app/argumenthandler.h"
#include "platform/textcodec.h"

#include <QString>
#include <functional>

// The formats of a file to open (1 plain, 2 DOS OEM, 3 to 5 Unix) are the frame's.
using FileFormat = OpenFormat;

enum class LineBreak { CrLf, Lf };

struct SaveOptions {
    bool createBackup = false;
    bool lineSpecials = false;
};

// Outcome of a load or save. 'notice' carries something the user should hear about
// although the operation worked (a character the encoding could not hold, a failed
// line-specials copy).
struct FileResult {
    bool ok = false;
    QString error;
    QString notice;
};

class TextDocument {
public:
    // Files larger than this are refused with a message instead of exhausting memory.
    static constexpr qint64 MaxFileSize = qint64(256) * 1024 * 1024;

    static FileFormat formatFromNumber(int n);
    // path with its last extension replaced by ext (given without the dot), or with
    // ".ext" appended when it has none.
    static QString changeExtension(const QString &path, const QString &ext);
    // path with ".tex" appended when it has no extension.
    static QString withDefaultExtension(const QString &path);
    // The name a load really reads: the path itself, or with the extension changed to
    // ".tex" when the path does not exist. Made absolute.
    static QString resolveLoadPath(const QString &path);
    // The line-specials copy of text: every non-empty line that follows an empty line
    // starts with "\special{src: <line> <shortName>}" (lines count from 1).
    static QString lineSpecialsCopy(const QString &text, const QString &shortName);
    // Every CR LF, lone CR and lone LF becomes '\n'; *first gets the style of the
    // first line break (LF when there is none or it was a lone CR).
    static QString normalizeLineBreaks(const QString &text, LineBreak *first = nullptr);

    // Reads the file (after the ".tex" fallback) in the given format. On success the
    // file name is set and takeLoadedText() yields the text. A DOS OEM file is
    // decoded from code page 850 and becomes a UTF-8 document with its line breaks
    // kept: convertedOnLoad() then tells the editor to mark itself modified.
    // A long load calls pause between its phases (reading, decoding, line breaks) so
    // that the window can repaint; when pause returns false the document is gone and
    // load returns at once without touching it.
    FileResult load(const QString &path, FileFormat format, const std::function<bool()> &pause = {});
    QString takeLoadedText() { return std::exchange(m_loadedText, QString()); }
    bool convertedOnLoad() const { return m_converted; }

    // Writes text to fileName() atomically: the previous file is first copied to
    // fileName() + ".bak" when backups are on, and the line-specials copy goes to the
    // ".txx" name when line specials are on and the extension is exactly ".tex".
    FileResult save(const QString &text, const SaveOptions &options);
    // Writes text converted to code page 850 with CR LF to path (".tex" appended
    // when it has no extension); the document's own name is untouched.
    FileResult exportOem(const QString &path, const QString &text) const;

    // The bytes save() would write for text.
    QByteArray encode(const QString &text, bool *lossless = nullptr) const;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path);
    // The file-name part of fileName(), at most 255 characters.
    QString shortName() const;
    TextCodec::Encoding encoding() const { return m_encoding; }
    void setEncoding(TextCodec::Encoding e) { m_encoding = e; }
    LineBreak lineBreak() const { return m_lineBreak; }
    void setLineBreak(LineBreak b) { m_lineBreak = b; }

private:
    QString m_fileName;
    TextCodec::Encoding m_encoding = TextCodec::Encoding::Utf8;
    LineBreak m_lineBreak = LineBreak::Lf;
    QString m_loadedText;
    bool m_converted = false;
};
