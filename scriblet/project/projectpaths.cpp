#include "project/projectpaths.h"


namespace ProjectPaths {

bool samePath(const QString &a, const QString &b)
{
    return a.compare(b, PathCase) == 0;
}

QString fromFileForm(const QString &entry)
{
    QString s = entry;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s;
}

QString toFileForm(const QString &path)
{
    QString s = path;
    s.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return s;
}

QString namePart(const QString &path)
{
    const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? path : path.mid(i + 1);
}

QString directoryPart(const QString &path)
{
    const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
    if (i < 0)
        return {};
    if (i == 0)
        return QStringLiteral("/");
    return path.left(i);
}

QString relativeEntry(const QString &mainDirectory, const QString &path)
{
    const QString &d = mainDirectory;
    if (d.isEmpty() || path.isEmpty())
        return path;
    // 1. Below the main directory.
    const QString prefix = d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/');
    if (path.startsWith(prefix, PathCase))
        return QStringLiteral("./") + path.mid(prefix.size());
    // 2. Elsewhere under the same root: climb from D to the common directory.
    if (QString(path.at(0)).compare(QString(d.at(0)), PathCase) != 0)
        return path;
    qsizetype common = 0;
    const qsizetype n = std::min(d.size(), path.size());
    while (common < n && QString(d.at(common)).compare(QString(path.at(common)), PathCase) == 0)
        ++common;
    const qsizetype lastSlash = d.left(common).lastIndexOf(QLatin1Char('/'));
    const qsizetype cut = lastSlash < 0 ? 0 : lastSlash + 1;
    const QString restOfDir = d.mid(cut);
    const qsizetype up = 1 + restOfDir.count(QLatin1Char('/'));
    return QStringLiteral("../").repeated(up) + path.mid(cut);
}

QString tocPathFor(const QString &mainPath)
{
    if (mainPath.size() < 3)
        return QStringLiteral("toc");
    return mainPath.left(mainPath.size() - 3) + QStringLiteral("toc");
}

} // namespace ProjectPaths
