#include "platform/textfile.h"

#include "platform/saferead.h"
#include "platform/savefile.h"

#include <QHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <utility>

namespace {


// Long texts are decoded and hashed in pieces of this many bytes (or characters),
// with a pause between them.
constexpr qsizetype PausePiece = 1024 * 1024;

// The bytes as UTF-8, decoded piece by piece: a null string when they are not valid
// UTF-8, nothing when a pause abandoned the load. Pieces end before a byte that
// starts a character, so each decodes on its own exactly as the whole would.
std::optional<QString> decodeUtf8InPieces(const QByteArray &bytes, const std::function<bool()> &pause)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *p = out.data();
    const qsizetype n = bytes.size();
    qsizetype from = 0;
    while (from < n) {
        qsizetype to = std::min(n, from + PausePiece);
        for (int back = 0; back < 3 && to < n && (uchar(bytes[to]) & 0xC0) == 0x80; ++back)
            --to;
        // A byte order mark at the start of the file is no text (as for
        // QString::fromUtf8); one at the start of a later piece is.
        const QStringDecoder::Flags flags = from == 0 ? QStringDecoder::Flag::Stateless
                                                      : QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
        QStringDecoder dec(QStringDecoder::Utf8, flags);
        p = dec.appendToBuffer(p, QByteArrayView(bytes).sliced(from, to - from));
        if (dec.hasError())
            return QString();
        from = to;
        if (from < n && !pause())
            return std::nullopt;
    }
    out.truncate(p - out.constData());
    // An empty file is valid UTF-8: an empty, not a null, text.
    if (out.isNull())
        out = QString(QLatin1String(""));
    return out;
}

// What the text the known bytes hold is recognised by: two 64-bit hashes with different
// seeds, chained over pieces of PausePiece bytes, so the value does not depend on
// pauses. It is only compared within the running program, never stored; a cryptographic
// hash cost some 90 ms per 20 MB document on the window's thread at every save.
std::optional<QByteArray> textHashInPieces(const QString &text, const std::function<bool()> &pause)
{
    size_t a = 0x243f6a8885a308d3u;
    size_t b = 0x13198a2e03707344u;
    const char *data = reinterpret_cast<const char *>(text.constData());
    const qsizetype bytes = text.size() * qsizetype(sizeof(QChar));
    for (qsizetype from = 0; from < bytes; from += PausePiece) {
        if (from > 0 && pause && !pause())
            return std::nullopt;
        const QByteArrayView piece(data + from, std::min(PausePiece, bytes - from));
        a = qHash(piece, a);
        b = qHash(piece, b);
    }
    QByteArray result;
    result.append(reinterpret_cast<const char *>(&a), sizeof a);
    result.append(reinterpret_cast<const char *>(&b), sizeof b);
    const qsizetype length = bytes;
    result.append(reinterpret_cast<const char *>(&length), sizeof length);
    return result;
}

QByteArray textHash(const QString &text) { return *textHashInPieces(text, {}); }

// A one-byte code page, decoded piece by piece (each byte is one character on its
// own); nothing when a pause abandoned the load.
std::optional<QString> decodeTableInPieces(const QByteArray &bytes, TextCodec::Encoding encoding,
                                           const std::function<bool()> &pause)
{
    if (bytes.size() <= PausePiece)
        return TextCodec::decode(bytes, encoding);
    QString out;
    out.reserve(bytes.size());
    for (qsizetype from = 0; from < bytes.size(); from += PausePiece) {
        if (from > 0 && !pause())
            return std::nullopt;
        out += TextCodec::decode(bytes.sliced(from, std::min(PausePiece, bytes.size() - from)), encoding);
    }
    return out;
}

// The line breaks of bytes counted piece by piece (a CR LF across a piece border
// counts once); nothing when a pause abandoned it. No pause: never abandoned.
std::optional<TextFile::LineBreak> detectLineBreakInPieces(const QByteArray &bytes, const std::function<bool()> &pause)
{
    qsizetype crlf = 0, other = 0;
    const char *s = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (i > 0 && pause && !pause())
            return std::nullopt;
        for (const qsizetype stop = std::min(n, i + PausePiece); i < stop; ++i) {
            if (s[i] == '\r') {
                if (i + 1 < n && s[i + 1] == '\n') {
                    ++crlf;
                    ++i;
                } else {
                    ++other;
                }
            } else if (s[i] == '\n') {
                ++other;
            }
        }
    }
    if (crlf == 0 && other == 0)
        return TextFile::LineBreak::Lf;
    return crlf >= other ? TextFile::LineBreak::CrLf : TextFile::LineBreak::Lf;
}

// Every CR LF and lone CR becomes '\n', in place (the text only shrinks) and piece
// by piece; nothing when a pause abandoned it. No pause: never abandoned.
std::optional<QString> normalizeLineBreaksInPieces(QString text, const std::function<bool()> &pause)
{
    if (!text.contains(u'\r'))
        return text;
    QChar *out = text.data();
    const QChar *s = out;
    const QChar *const end = s + text.size();
    QChar *w = out;
    while (s < end) {
        if (s > out && pause && !pause())
            return std::nullopt;
        for (const QChar *stop = s + std::min(PausePiece, qsizetype(end - s)); s < stop;) {
            if (*s == u'\r') {
                *w++ = u'\n';
                ++s;
                if (s < end && *s == u'\n')
                    ++s;
            } else {
                *w++ = *s++;
            }
        }
    }
    text.truncate(w - out);
    return text;
}

void fail(TextFile::Error *error, TextFile::Error::Kind kind, const QString &path, const QString &reason = {})
{
    if (!error)
        return;
    *error = TextFile::Error();
    error->kind = kind;
    error->path = path;
    error->reason = reason;
}

} // namespace

bool TextFile::isReadableRegularFile(const QString &path, Error *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(error, Error::Kind::NotFound, path);
        return false;
    }
    // FIFOs, devices and sockets would block or never end; folders are no text.
    if (!info.isFile()) {
        fail(error, Error::Kind::NotRegularFile, path);
        return false;
    }
    return true;
}

TextFile::LineBreak TextFile::detectLineBreak(const QByteArray &bytes) { return *detectLineBreakInPieces(bytes, {}); }

QString TextFile::normalizeLineBreaks(QString text) { return *normalizeLineBreaksInPieces(std::move(text), {}); }

bool TextFile::load(const QString &path, Error *error, const LoadOptions &options)
{
    QFile f;
    if (!SafeRead::openRegularFile(f, path, error))
        return false;
    // Checked again on the open file: the name may have been replaced meanwhile.
    if (f.size() > options.maxSize) {
        fail(error, Error::Kind::TooLarge, path);
        if (error) {
            error->size = f.size();
            error->maxSize = options.maxSize;
        }
        return false;
    }
    auto stillWanted = [&] {
        if (!options.pause || options.pause())
            return true;
        fail(error, Error::Kind::Cancelled, path);
        return false;
    };

    QByteArray bytes;
    bytes.reserve(f.size());
    constexpr qint64 Piece = 2 * 1024 * 1024;
    while (true) {
        const QByteArray piece = f.read(Piece);
        if (f.error() != QFileDevice::NoError) {
            fail(error, Error::Kind::ReadFailed, path, f.errorString());
            return false;
        }
        if (piece.isEmpty())
            break;
        bytes += piece;
        // A file that grows while it is read must not outgrow the limit.
        if (bytes.size() > options.maxSize) {
            fail(error, Error::Kind::TooLarge, path);
            if (error) {
                error->size = bytes.size();
                error->maxSize = options.maxSize;
            }
            return false;
        }
        if (piece.size() == Piece && !stillWanted())
            return false;
    }
    if (!stillWanted())
        return false;

    // The zero bytes at the end are cut off a shared copy; no copy of the bytes.
    QByteArray content = bytes;
    qsizetype length = content.size();
    while (length > 0 && bytes.constData()[length - 1] == '\0')
        --length;
    if (length < content.size())
        content.truncate(length);
    TextCodec::Encoding encoding = TextCodec::Encoding::Utf8;
    // Every pass over the text goes in pieces with a pause between them, so a
    // cancelled load ends soon (and a load on the window's thread lets it repaint).
    std::optional<QString> decoded;
    if (options.encoding && *options.encoding != TextCodec::Encoding::Utf8) {
        encoding = *options.encoding;
        decoded = decodeTableInPieces(content, encoding, stillWanted);
    } else {
        // Detecting and decoding UTF-8 are one pass.
        decoded = decodeUtf8InPieces(content, stillWanted);
        if (decoded && decoded->isNull()) {
            // Not UTF-8: Windows-1252, unless the caller insists on UTF-8 (then the
            // faulty bytes become replacement characters).
            if (options.encoding) {
                decoded = TextCodec::decode(content, encoding);
            } else {
                encoding = TextCodec::Encoding::Windows1252;
                decoded = decodeTableInPieces(content, encoding, stillWanted);
            }
        }
    }
    if (!decoded || !stillWanted())
        return false;
    const std::optional<LineBreak> style = detectLineBreakInPieces(content, stillWanted);
    if (!style)
        return false;
    content.clear();
    decoded = normalizeLineBreaksInPieces(std::move(*decoded), stillWanted);
    if (!decoded || !stillWanted())
        return false;
    QString text = std::move(*decoded);
    std::optional<QByteArray> hash = textHashInPieces(text, stillWanted);
    if (!hash)
        return false;

    m_encoding = encoding;
    m_lineBreak = *style;
    m_knownTextHash = std::move(*hash);
    m_knownBytes = std::move(bytes);
    m_hasKnownBytes = true;
    m_loadedText = std::move(text);
    if (error)
        *error = Error();
    return true;
}

QString TextFile::takeText() { return std::exchange(m_loadedText, QString()); }

QByteArray TextFile::encode(const QString &text, bool *lossless) const
{
    if (m_hasKnownBytes && textHash(text) == m_knownTextHash) {
        if (lossless)
            *lossless = true;
        return m_knownBytes;
    }
    if (m_lineBreak == LineBreak::CrLf && text.contains(u'\n')) {
        QString withBreaks = text;
        withBreaks.replace(u'\n', QLatin1String("\r\n"));
        return TextCodec::encode(withBreaks, m_encoding, lossless);
    }
    return TextCodec::encode(text, m_encoding, lossless);
}

TextFile::SaveResult TextFile::save(const QString &path, const QString &text, Error *error)
{
    bool lossless = true;
    QByteArray bytes = encode(text, &lossless);
    if (!lossless)
        return SaveResult::Unencodable;
    if (!SaveFile::write(path, bytes, error))
        return SaveResult::Failed;
    m_knownTextHash = textHash(text);
    m_knownBytes = std::move(bytes);
    m_hasKnownBytes = true;
    if (error)
        *error = Error();
    return SaveResult::Saved;
}

void TextFile::setEncoding(TextCodec::Encoding encoding)
{
    if (encoding == m_encoding)
        return;
    m_encoding = encoding;
    // The known bytes are in the old encoding: the next save encodes afresh.
    m_hasKnownBytes = false;
}

void TextFile::setLineBreak(LineBreak lineBreak)
{
    if (lineBreak == m_lineBreak)
        return;
    m_lineBreak = lineBreak;
    m_hasKnownBytes = false;
}

void TextFile::reset() { *this = TextFile(); }
