#include "templates/templatefile.h"

#include "platform/saferead.h"
#include "platform/savefile.h"
#include "platform/textcodec.h"

#include <QFileInfo>
#include <QtEndian>

namespace TemplateFile {

namespace {

void appendString(QByteArray &out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    char length[4];
    qToLittleEndian<qint32>(qint32(bytes.size()), length);
    out.append(length, 4);
    out.append(bytes);
}

// Reads one string at pos; false when its length is negative or runs past the end.
bool takeString(const QByteArray &bytes, qsizetype &pos, QByteArray *text)
{
    if (bytes.size() - pos < 4)
        return false;
    const qint32 length = qFromLittleEndian<qint32>(bytes.constData() + pos);
    if (length < 0 || length > bytes.size() - pos - 4)
        return false;
    if (text)
        *text = bytes.mid(pos + 4, length);
    pos += 4 + length;
    return true;
}

} // namespace

QByteArray encode(const QList<UserTemplate> &templates)
{
    QByteArray out;
    for (const UserTemplate &t : templates) {
        appendString(out, t.name);
        appendString(out, t.part1);
        appendString(out, t.part2);
        appendString(out, QString());
    }
    return out;
}

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    qsizetype pos = 0;
    while (bytes.size() - pos >= MinRecordSize) {
        qsizetype p = pos;
        QByteArray name, part1, part2;
        // The fourth string only closes the record; its text is not used.
        if (!takeString(bytes, p, &name) || !takeString(bytes, p, &part1) || !takeString(bytes, p, &part2)
            || !takeString(bytes, p, nullptr))
            break;
        result.templates.append({TextCodec::decodeDetected(name), TextCodec::decodeDetected(part1),
                                 TextCodec::decodeDetected(part2)});
        pos = p;
    }
    result.damaged = pos != bytes.size();
    return result;
}

QString pathFor(const QString &settingsPath)
{
    const qsizetype slash = settingsPath.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = settingsPath.lastIndexOf(QLatin1Char('.'));
    // A dot that starts the file name ("/home/u/.vellumix") is not an extension.
    if (dot > slash + 1)
        return settingsPath.left(dot) + QStringLiteral(".tpl");
    return settingsPath + QStringLiteral(".tpl");
}

QString readPath(const QString &perUserSettings, const QString &settingsInUse)
{
    const QString perUser = pathFor(perUserSettings);
    if (!perUserSettings.isEmpty() && QFileInfo::exists(perUser))
        return perUser;
    return pathFor(settingsInUse);
}

ReadResult read(const QString &path)
{
    ReadResult result;
    QByteArray bytes;
    if (!SafeRead::readRegularFile(path, MaxFileSize, &bytes, &result.error))
        return result;
    Decoded d = decode(bytes);
    result.templates = std::move(d.templates);
    result.damaged = d.damaged;
    return result;
}

bool write(const QString &path, const QList<UserTemplate> &templates, QString *error)
{
    return SaveFile::write(path, encode(templates), error);
}

} // namespace TemplateFile
