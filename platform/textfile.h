// The document-file rule both programs follow: how a text document is read from
// disk and written back.
//
// - Only regular files are read (a FIFO or a device is refused, never opened for
//   reading), and at most maxSize bytes.
// - Encoding: valid UTF-8 is UTF-8, anything else Windows-1252, unless the caller
//   names one (Vellumix's DOS OEM format: code page 850).
// - Line breaks: CR LF, lone LF and lone CR all become '\n' in the text. The file's
//   style is the one most of its breaks have (CR LF on a tie; LF without breaks).
// - Zero bytes at the end of a file (padding of old editors) are no text.
// - Saving: the text goes back in the file's encoding and line-break style; a text
//   equal to the one last loaded or saved is written back as exactly those bytes.
//   A character that the encoding cannot hold is never dropped: the save reports
//   Unencodable and writes nothing, and the caller decides (usually: ask, then
//   setEncoding(Utf8) and save again). Saves are atomic (SaveFile).
#pragma once

#include "platform/fileerror.h"
#include "platform/textcodec.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class TextFile
{
public:
    enum class LineBreak { CrLf, Lf };
    enum class SaveResult { Saved, Failed, Unencodable };

    // Why a load or save failed (see FileError: kind, path, the system's cause).
    using Error = FileError;

    static constexpr qint64 DefaultMaxSize = qint64(256) * 1024 * 1024;

    struct LoadOptions {
        // Forces an encoding instead of detecting one.
        std::optional<TextCodec::Encoding> encoding;
        qint64 maxSize = DefaultMaxSize;
        // Called between the phases of a long load (reading pieces, decoding, line
        // breaks) so the window can repaint; returning false abandons the load
        // (Error::Kind::Cancelled) and leaves this object unchanged.
        std::function<bool()> pause;
    };

    // A new document: UTF-8, LF, nothing loaded.
    TextFile() = default;

    // Reads path. On success the text is available through takeText() and the
    // encoding, line-break style and loaded bytes are remembered. On failure this
    // object is unchanged.
    bool load(const QString &path, Error *error, const LoadOptions &options);
    bool load(const QString &path, Error *error = nullptr) { return load(path, error, LoadOptions()); }
    // The loaded text with '\n' line breaks (once; later calls give an empty text).
    QString takeText();

    // The bytes that save() would write for text. Clears *lossless when a character
    // cannot be held by the encoding (it then stands as '?' in the result).
    QByteArray encode(const QString &text, bool *lossless = nullptr) const;
    // Writes text to path atomically. Saved: path's bytes are now the text's, and the
    // text becomes the one "last saved". Unencodable: nothing written. Failed: the old
    // file is intact and *error says why.
    SaveResult save(const QString &path, const QString &text, Error *error = nullptr);

    TextCodec::Encoding encoding() const { return m_encoding; }
    void setEncoding(TextCodec::Encoding encoding);
    LineBreak lineBreak() const { return m_lineBreak; }
    void setLineBreak(LineBreak lineBreak);

    // Back to a new document (UTF-8, LF, nothing loaded).
    void reset();

    // The style most of the bytes' line breaks have (see above).
    static LineBreak detectLineBreak(const QByteArray &bytes);
    // Every CR LF, lone CR and lone LF becomes '\n'.
    static QString normalizeLineBreaks(QString text);
    // Is path something a document may be read from: an existing regular file (a
    // symbolic link counts as what it points to)? *error says why not.
    static bool isReadableRegularFile(const QString &path, Error *error = nullptr);

private:
    TextCodec::Encoding m_encoding = TextCodec::Encoding::Utf8;
    LineBreak m_lineBreak = LineBreak::Lf;
    QString m_loadedText;       // until takeText()
    QByteArray m_knownBytes;    // the file as last loaded or saved
    QByteArray m_knownTextHash; // hash of the text those bytes hold
    bool m_hasKnownBytes = false;
};
