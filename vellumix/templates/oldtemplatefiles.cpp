#include "templates/oldtemplatefiles.h"

#include "common/vellumixsettings.h"
#include "platform/saferead.h"
#include "platform/textcodec.h"
#include "templates/templatefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace OldTemplateFiles {

namespace {

const char *const FileNames[] = {"names", "parts1", "parts2"};

QStringList readLines(const QString &path)
{
    QByteArray bytes;
    if (!SafeRead::readRegularFile(path, TemplateFile::MaxFileSize, &bytes))
        return {};
    // One encoding per file: these files were written by one program at one time.
    QString text = TextCodec::decodeDetected(bytes);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    // A line break at the end does not start another template.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line.replace(QString::fromUtf8("\xc2\xa7\xc2\xa7"), QStringLiteral("\r\n"));
    return lines;
}

} // namespace

bool existIn(const QString &folder)
{
    for (const char *name : FileNames)
        if (!QFileInfo(QDir(folder).filePath(QLatin1String(name))).isFile())
            return false;
    return true;
}

QList<UserTemplate> read(const QString &folder)
{
    if (!existIn(folder))
        return {};
    const QDir dir(folder);
    const QStringList names = readLines(dir.filePath(QLatin1String(FileNames[0])));
    const QStringList parts1 = readLines(dir.filePath(QLatin1String(FileNames[1])));
    const QStringList parts2 = readLines(dir.filePath(QLatin1String(FileNames[2])));
    QList<UserTemplate> templates;
    for (qsizetype k = 0; k < names.size(); ++k)
        templates.append({names.at(k), parts1.value(k), parts2.value(k)});
    return templates;
}

bool convert(const Conversion &c, QString *error)
{
    if (c.settingsUnavailable)
        return true;
    bool ok = true;
    auto write = [&](const QString &path, const QList<UserTemplate> &templates) {
        QString why;
        if (!TemplateFile::write(path, templates, &why)) {
            if (ok && error)
                *error = why;
            ok = false;
        }
    };
    const QList<UserTemplate> program = read(c.programDir);
    if (c.programDirVersion < SettingsVersionNewButtons && existIn(c.programDir)) {
        const QString name = QFileInfo(TemplateFile::pathFor(c.settingsInUse)).fileName();
        write(QDir(c.programDir).filePath(name), program);
    }
    const QString userDir = QFileInfo(c.perUserSettings).absolutePath();
    // A per-user file in the program directory has no old files of its own.
    const bool ownFolder = QFileInfo(userDir) != QFileInfo(QFileInfo(c.programDir).absoluteFilePath());
    if (c.perUserConfigured && c.perUserVersion < SettingsVersionNewButtons && ownFolder && existIn(userDir))
        write(TemplateFile::pathFor(c.perUserSettings), program + read(userDir));
    return ok;
}

} // namespace OldTemplateFiles
