#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
int lastSeparator(const QString &path)
{
    return qMax(path.lastIndexOf('/'), path.lastIndexOf('\\'));
}
} // namespace

namespace Paths {

QString fileNamePart(const QString &path)
{
    const int i = lastSeparator(path);
    return i < 0 ? path : path.mid(i + 1);
}

QString directoryPart(const QString &path)
{
    const int i = lastSeparator(path);
    return i < 0 ? QString() : path.left(i);
}

QString programDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

QString withTrailingSlash(const QString &dir)
{
    if (dir.isEmpty() || dir.endsWith('/'))
        return dir;
    return dir + '/';
}

SettingsDirInputs SettingsDirInputs::fromEnvironment()
{
    SettingsDirInputs in;
    in.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    in.home = QDir::homePath();
    in.userProfile = qEnvironmentVariable("USERPROFILE");
    in.programDir = programDirectory();
    return in;
}

QString scribletSettingsDir(const SettingsDirInputs &in)
{
    // 1. The XDG configuration directory of the program, created when missing.
    QString base = in.xdgConfigHome;
    if (base.isEmpty() && !in.home.isEmpty())
        base = in.home + QStringLiteral("/.config");
    if (!base.isEmpty()) {
        const QString dir = base + QStringLiteral("/Scriblet");
        if (QDir().mkpath(dir) && QFileInfo(dir).isDir() && QFileInfo(dir).isWritable())
            return withTrailingSlash(dir);
    }
    // 2. USERPROFILE with one trailing separator dropped.
    QString profile = in.userProfile;
    if (!profile.isEmpty()) {
        if (profile.endsWith('/') || profile.endsWith('\\'))
            profile.chop(1);
        if (!profile.isEmpty() && QFileInfo(profile).isDir())
            return withTrailingSlash(profile);
    }
    // 3. Beside the program.
    return withTrailingSlash(in.programDir);
}

} // namespace Paths
