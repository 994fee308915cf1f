#include "associations.h"

#include "hostprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace Associations {

QString execFirstToken(const QString &desktopFileText)
{
    bool inEntry = false;
    for (const QString &raw : desktopFileText.split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry || !line.startsWith(QLatin1String("Exec=")))
            continue;
        const QStringList tokens = HostProcess::splitCommandLine(line.mid(5));
        return tokens.isEmpty() ? QString() : tokens.first();
    }
    return {};
}

// The XDG data directories' "applications" folders, user's first.
QString locateDesktopFile(const QString &desktopId)
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    const QStringList roots = QStringList{home} + dirs.split(':', Qt::SkipEmptyParts);
    for (const QString &root : roots) {
        const QString candidate = root + QStringLiteral("/applications/") + desktopId;
        if (QFile::exists(candidate))
            return candidate;
    }
    return {};
}

QString defaultViewer(const QString &mimeType, const QString &fallback)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        return fallback;
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!p.waitForStarted(3000) || !p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(1000);
        return fallback;
    }
    const QString desktop = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    if (desktop.isEmpty() || !desktop.endsWith(QLatin1String(".desktop")) || desktop.contains('/'))
        return fallback;
    const QString file = locateDesktopFile(desktop);
    if (file.isEmpty())
        return fallback;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return fallback;
    const QString token = execFirstToken(QString::fromUtf8(f.readAll()));
    return token.isEmpty() ? fallback : token;
}

QString defaultDviViewer() { return defaultViewer(QStringLiteral("application/x-dvi"), QStringLiteral("xdvi")); }
QString defaultPsViewer() { return defaultViewer(QStringLiteral("application/postscript"), QStringLiteral("gv")); }

bool openWithDesktop(const QString &target, const QString &workingDir, QString *error)
{
    const HostProcess::Result r = HostProcess::startDetached(QStringLiteral("xdg-open"), {target}, workingDir);
    if (!r.started && error)
        *error = r.error;
    return r.started;
}

} // namespace Associations
