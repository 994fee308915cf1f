#include "platform/textfile.h"

#include "platform/saferead.h"
#include "platform/savefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

QByteArray textHash(const QString &text)
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(QByteArrayView(reinterpret_cast<const char *>(text.constData()), text.size() * qsizetype(sizeof(QChar))));
    return h.result();
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

TextFile::LineBreak TextFile::detectLineBreak(const QByteArray &bytes)
{
    qsizetype crlf = 0, other = 0;
    const char *s = bytes.constData();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
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
    if (crlf == 0 && other == 0)
        return LineBreak::Lf;
    return crlf >= other ? LineBreak::CrLf : LineBreak::Lf;
}

QString TextFile::normalizeLineBreaks(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    // In place: the text only shrinks. One pass over the raw characters keeps
    // a large file's load short.
    QChar *out = text.data();
    const QChar *s = out;
    const QChar *const end = s + text.size();
    QChar *w = out;
    while (s < end) {
        if (*s == u'\r') {
            *w++ = u'\n';
            ++s;
            if (s < end && *s == u'\n')
                ++s;
        } else {
            *w++ = *s++;
        }
    }
    text.truncate(w - out);
    return text;
}

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

    QByteArray content = bytes;
    while (!content.isEmpty() && content.back() == '\0')
        content.chop(1);
    const TextCodec::Encoding encoding = options.encoding ? *options.encoding : TextCodec::detect(content);
    QString text = TextCodec::decode(content, encoding);
    if (!stillWanted())
        return false;
    const LineBreak style = detectLineBreak(content);
    content.clear();
    text = normalizeLineBreaks(std::move(text));
    if (!stillWanted())
        return false;

    m_encoding = encoding;
    m_lineBreak = style;
    m_knownTextHash = textHash(text);
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
