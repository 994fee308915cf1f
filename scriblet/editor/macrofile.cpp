#include "editor/macrofile.h"

#include "platform/paths.h"
#include "platform/saferead.h"
#include "platform/savefile.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QStringList>

MacroTable MacroTable::defaults()
{
    MacroTable t;
    for (int i = 0; i < 10; ++i)
        t.names[i] = t.texts[i] = QStringLiteral("Makro %1").arg(i + 1);
    return t;
}

namespace MacroFile {

QByteArray serialize(const MacroTable &table)
{
    QString out;
    for (int i = 0; i < 10; ++i) {
        QString name = table.names[i];
        name.remove(u'\r').replace(u'\n', u' '); // a name is one line
        QString text = table.texts[i];
        text.remove(u'\r');
        out += name + u'\n' + text + u'\n' + QLatin1String(Separator) + u'\n';
    }
    out.replace(u'\n', QLatin1String("\r\n"));
    return out.toUtf8();
}

MacroTable parse(const QByteArray &bytes)
{
    QString all = TextCodec::decodeDetected(bytes);
    all.remove(u'\r');
    QStringList lines = all.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the file's last line break
    MacroTable t;
    int at = 0;
    for (int i = 0; i < 10 && at < lines.size(); ++i) {
        t.names[i] = lines.at(at++);
        QStringList text;
        while (at < lines.size() && lines.at(at) != QLatin1String(Separator))
            text << lines.at(at++);
        ++at; // the separator
        t.texts[i] = text.join(u'\n');
    }
    return t;
}

MacroTable load(const QString &settingsDir, FileError *error)
{
    const QString path = Paths::withTrailingSlash(settingsDir) + QLatin1String(FileName);
    QByteArray bytes;
    FileError failure;
    if (SafeRead::readRegularFile(path, MaxFileSize, &bytes, &failure))
        return parse(bytes);
    const MacroTable t = MacroTable::defaults();
    if (failure.kind == FileError::Kind::NotFound || failure.cause() == FileError::Cause::NotFound)
        save(settingsDir, t); // missing (or its folder is): made at once
    else if (error)
        *error = failure;
    return t;
}

bool save(const QString &settingsDir, const MacroTable &table, QString *error)
{
    return SaveFile::write(Paths::withTrailingSlash(settingsDir) + QLatin1String(FileName), serialize(table), error);
}

} // namespace MacroFile
