#include "editor/textdocument.h"

#include "common/filenames.h"
#include "platform/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

QString TextDocument::resolveLoadPath(const QString &path)
{
    QString p = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(p))
        p = FileNames::changeExtension(p, QStringLiteral(".tex"));
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

QString TextDocument::shortName() const { return QFileInfo(m_fileName).fileName().left(255); }

FileResult TextDocument::load(const QString &path, OpenFormat format, const std::function<bool()> &pause)
{
    FileResult r;
    const QString resolved = resolveLoadPath(path);
    TextFile::LoadOptions options;
    options.pause = pause;
    const bool oem = format == OpenFormat::DosOem;
    if (oem)
        options.encoding = TextCodec::Encoding::Cp850;
    TextFile file;
    TextFile::Error error;
    if (!file.load(resolved, &error, options)) {
        // A cancelled load means the editor is gone: nothing to say, nothing to touch.
        if (error.kind != TextFile::Error::Kind::Cancelled)
            r.error = error.message();
        return r;
    }
    // A DOS OEM file is converted: it is saved as UTF-8 from now on.
    if (oem)
        file.setEncoding(TextCodec::Encoding::Utf8);
    m_file = std::move(file);
    m_converted = oem;
    m_fileName = resolved;
    r.ok = true;
    return r;
}

FileResult TextDocument::save(const QString &text, const SaveOptions &options)
{
    FileResult r;
    if (m_fileName.isEmpty()) {
        r.error = QStringLiteral("The document has no file name.");
        return r;
    }
    bool lossless = true;
    m_file.encode(text, &lossless);
    if (!lossless) {
        r.unencodable = true;
        return r;
    }
    if (options.createBackup && QFileInfo::exists(m_fileName)) {
        // The new backup replaces the old one only when it is complete: a failed
        // backup (full disk) never leaves none.
        const QString backup = m_fileName + QLatin1String(".bak");
        FileError error;
        if (!SaveFile::copy(m_fileName, backup, &error)) {
            r.error = QStringLiteral("Unable to create the backup file %1; the file was not saved.\r\n%2")
                          .arg(nativePath(backup), error.message());
            return r;
        }
    }
    TextFile::Error error;
    switch (m_file.save(m_fileName, text, &error)) {
    case TextFile::SaveResult::Saved:
        break;
    case TextFile::SaveResult::Unencodable:
        r.unencodable = true;
        return r;
    case TextFile::SaveResult::Failed:
        r.error = error.message();
        return r;
    }
    r.ok = true;
    if (options.lineSpecials && QFileInfo(m_fileName).suffix() == QLatin1String("tex")) {
        const QString copy = FileNames::changeExtension(m_fileName, QStringLiteral(".txx"));
        QString err;
        if (!SaveFile::write(copy, encode(lineSpecialsCopy(text, shortName())), &err))
            r.notice = err;
    }
    return r;
}

FileResult TextDocument::exportOem(const QString &path, const QString &text) const
{
    FileResult r;
    bool lossless = true;
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = TextCodec::toCp850(crlf, &lossless);
    const QString target = FileNames::withDefaultExtension(path);
    if (!SaveFile::write(target, bytes, &r.error))
        return r;
    if (!lossless)
        r.notice = QStringLiteral("Some characters have no place in code page 850 and were written as \"?\" to %1.")
                       .arg(nativePath(target));
    r.ok = true;
    return r;
}
