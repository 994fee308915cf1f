#include "common/filenames.h"

namespace {

// Index of the extension's dot in path, or -1.
qsizetype extensionDot(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > nameStart ? dot : -1;
}

} // namespace

namespace FileNames {

QString extension(const QString &path)
{
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot);
}

QString changeExtension(const QString &path, const QString &ext)
{
    const qsizetype dot = extensionDot(path);
    return (dot < 0 ? path : path.left(dot)) + ext;
}

QString withDefaultExtension(const QString &path)
{
    return extensionDot(path) < 0 ? path + QLatin1String(".tex") : path;
}

} // namespace FileNames
