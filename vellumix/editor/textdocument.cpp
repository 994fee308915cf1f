#include "editor/textdocument.h"

#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <utility>

namespace {

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

QString withBreaks(const QString &text, LineBreak style)
{
    if (style == LineBreak::Lf)
        return text;
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

} // namespace

FileFormat TextDocument::formatFromNumber(int n) { return openFormatFromIndex(n); }

QString TextDocument::changeExtension(const QString &path, const QString &ext)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty() || QFileInfo(path).completeBaseName().isEmpty())
        return path + QLatin1Char('.') + ext;
    return path.left(path.size() - suffix.size()) + ext;
}

QString TextDocument::withDefaultExtension(const QString &path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1String(".tex") : path;
}

QString TextDocument::resolveLoadPath(const QString &path)
{
    QString p = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(p))
        p = changeExtension(p, QStringLiteral("tex"));
    return p;
}

QString TextDocument::lineSpecialsCopy(const QString &text, const QString &shortName)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    QString out;
    out.reserve(text.size() + text.size() / 20);
    bool afterEmpty = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('\n');
        const QString &line = lines.at(i);
        if (line.isEmpty()) {
            afterEmpty = true;
        } else if (afterEmpty) {
            out += QStringLiteral("\\special{src: %1 %2}").arg(i + 1).arg(shortName);
            afterEmpty = false;
        }
        out += line;
    }
    return out;
}

QString TextDocument::normalizeLineBreaks(const QString &text, LineBreak *first)
{
    if (first) {
        const int cr = int(text.indexOf(QLatin1Char('\r')));
        const int lf = int(text.indexOf(QLatin1Char('\n')));
        *first = (cr >= 0 && (lf < 0 || cr < lf) && cr + 1 == lf) ? LineBreak::CrLf : LineBreak::Lf;
    }
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString out;
    out.reserve(text.size());
    const QChar *s = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (s[i] == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            if (i + 1 < n && s[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

void TextDocument::setFileName(const QString &path) { m_fileName = path; }

QString TextDocument::shortName() const { return QFileInfo(m_fileName).fileName().left(255); }

FileResult TextDocument::load(const QString &path, FileFormat format, const std::function<bool()> &pause)
{
    FileResult r;
    const QString resolved = resolveLoadPath(path);
    QFile f(resolved);
    if (QFileInfo(resolved).isDir() || !f.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("Unable to read file %1: %2").arg(nativePath(resolved), f.errorString());
        return r;
    }
    if (f.size() > MaxFileSize) {
        r.error = QStringLiteral("The file %1 is too large to be edited (%2 MB; at most %3 MB).")
                      .arg(nativePath(resolved))
                      .arg(f.size() / (1024 * 1024))
                      .arg(MaxFileSize / (1024 * 1024));
        return r;
    }
    auto stillThere = [&] { return !pause || pause(); };
    QByteArray bytes;
    bytes.reserve(f.size());
    constexpr qint64 Piece = 2 * 1024 * 1024;
    while (!f.atEnd()) {
        const QByteArray piece = f.read(Piece);
        if (f.error() != QFileDevice::NoError)
            break;
        bytes += piece;
        if (piece.size() == Piece && !stillThere())
            return r;
    }
    if (f.error() != QFileDevice::NoError) {
        r.error = QStringLiteral("Unable to read file %1: %2").arg(nativePath(resolved), f.errorString());
        return r;
    }
    // Zero bytes at the end (padding of old editors) are no text.
    while (!bytes.isEmpty() && bytes.back() == '\0')
        bytes.chop(1);
    if (!stillThere())
        return r;

    QString text;
    TextCodec::Encoding encoding = TextCodec::Encoding::Utf8;
    const bool converted = format == FileFormat::DosOem;
    if (converted)
        text = TextCodec::fromCp850(bytes);
    else
        text = TextCodec::decodeDetected(bytes, &encoding);
    bytes.clear();
    if (!stillThere())
        return r;
    m_converted = converted;
    m_encoding = encoding;
    m_loadedText = normalizeLineBreaks(text, &m_lineBreak);
    m_fileName = resolved;
    r.ok = true;
    return r;
}

QByteArray TextDocument::encode(const QString &text, bool *lossless) const
{
    return TextCodec::encode(withBreaks(text, m_lineBreak), m_encoding, lossless);
}

FileResult TextDocument::save(const QString &text, const SaveOptions &options)
{
    FileResult r;
    if (m_fileName.isEmpty()) {
        r.error = QStringLiteral("The document has no file name.");
        return r;
    }
    bool lossless = true;
    QByteArray bytes = encode(text, &lossless);
    if (!lossless) {
        // Never drop a character: the file becomes UTF-8 instead.
        m_encoding = TextCodec::Encoding::Utf8;
        bytes = encode(text);
        r.notice = QStringLiteral("%1 holds characters that its encoding (Windows-1252) cannot hold; "
                                  "it was saved as UTF-8.")
                       .arg(nativePath(m_fileName));
    }
    if (options.createBackup && QFileInfo::exists(m_fileName)) {
        const QString backup = m_fileName + QLatin1String(".bak");
        QFile::remove(backup);
        if (!QFile::copy(m_fileName, backup)) {
            r.error = QStringLiteral("Unable to create the backup file %1; the file was not saved.")
                          .arg(nativePath(backup));
            return r;
        }
    }
    if (!SaveFile::write(m_fileName, bytes, &r.error))
        return r;
    r.ok = true;
    if (options.lineSpecials && QFileInfo(m_fileName).suffix() == QLatin1String("tex")) {
        const QString copy = changeExtension(m_fileName, QStringLiteral("txx"));
        QString err;
        if (!SaveFile::write(copy, encode(lineSpecialsCopy(text, shortName())), &err))
            r.notice = r.notice.isEmpty() ? err : r.notice + QLatin1Char('\n') + err;
    }
    return r;
}

FileResult TextDocument::exportOem(const QString &path, const QString &text) const
{
    FileResult r;
    bool lossless = true;
    const QByteArray bytes = TextCodec::toCp850(withBreaks(text, LineBreak::CrLf), &lossless);
    const QString target = withDefaultExtension(path);
    if (!SaveFile::write(target, bytes, &r.error))
        return r;
    if (!lossless)
        r.notice = QStringLiteral("Some characters have no place in code page 850 and were written as \"?\" to %1.")
                       .arg(nativePath(target));
    r.ok = true;
    return r;
}
