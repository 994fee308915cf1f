#include "cleanup/cleanup.h"

#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CleanUp {

int kindIndex(const QString &key)
{
    for (int i = 0; i < KindCount; ++i) {
        if (key.compare(QLatin1String(Kinds[i].key), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Marks readMarks(const Profile &profile)
{
    Marks marks{};
    for (int i = 0; i < KindCount; ++i)
        marks[i] = profile.getInt(QLatin1String(SettingsSection), QLatin1String(Kinds[i].key), 0) != 0;
    return marks;
}

bool writeMarks(Profile &profile, const Marks &marks)
{
    for (int i = 0; i < KindCount; ++i) {
        if (!profile.writeInt(QLatin1String(SettingsSection), QLatin1String(Kinds[i].key), marks[i] ? 1 : 0))
            return false;
    }
    return true;
}

QStringList matchingFiles(const QString &directory, int kind)
{
    if (kind < 0 || kind >= KindCount || directory.isEmpty())
        return {};
    QDir dir(directory);
    dir.setNameFilters({QLatin1String(Kinds[kind].pattern)});
    // Without QDir::Hidden, dot files are not listed; without System, sockets, fifos
    // and broken links are not listed either.
    dir.setFilter(QDir::Files | QDir::CaseSensitive);
    dir.setSorting(QDir::Name);
    QStringList result;
    for (const QFileInfo &info : dir.entryInfoList()) {
        if (!info.isFile() || info.isDir() || info.fileName().startsWith(QLatin1Char('.')))
            continue;
        result << info.absoluteFilePath();
    }
    return result;
}

QStringList deleteMarked(const QString &directory, const Marks &marks)
{
    QStringList deleted;
    for (int i = 0; i < KindCount; ++i) {
        if (!marks[i])
            continue;
        for (const QString &path : matchingFiles(directory, i)) {
            if (QFile::remove(path))
                deleted << path;
        }
    }
    return deleted;
}

} // namespace CleanUp
