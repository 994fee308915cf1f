#include "programcalls/placeholders.h"

PathParts splitPath(const QString &path)
{
    PathParts parts;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    parts.directory = slash >= 0 ? path.left(slash + 1) : QString();
    parts.fileName = path.mid(slash + 1);
    const int dot = parts.fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        parts.baseName = parts.fileName.left(dot);
        parts.extension = parts.fileName.mid(dot);
    } else {
        parts.baseName = parts.fileName;
    }
    return parts;
}

namespace {

void replaceFirst(QString &text, QLatin1StringView placeholder, const QString &value)
{
    const int at = text.indexOf(placeholder);
    if (at >= 0)
        text.replace(at, placeholder.size(), value);
}

} // namespace

QString expandPlaceholders(const QString &templ, const PlaceholderContext &ctx)
{
    QString text = templ;
    const PathParts main = splitPath(ctx.mainFile);
    replaceFirst(text, QLatin1StringView("%M"), ctx.mainFile);
    replaceFirst(text, QLatin1StringView("%m"), main.directory + main.baseName);
    replaceFirst(text, QLatin1StringView("%P"), main.directory);
    replaceFirst(text, QLatin1StringView("%F"), main.baseName);
    replaceFirst(text, QLatin1StringView("%E"), main.extension);
    replaceFirst(text, QLatin1StringView("%x"), ctx.lineSpecials ? QStringLiteral(".txx") : QStringLiteral(".tex"));
    if (ctx.hasActiveEditor) {
        const PathParts ed = splitPath(ctx.editorFile);
        replaceFirst(text, QLatin1StringView("%p"), ed.directory);
        replaceFirst(text, QLatin1StringView("%f"), ed.baseName);
        replaceFirst(text, QLatin1StringView("%e"), ed.extension);
        replaceFirst(text, QLatin1StringView("%l"), QString::number(ctx.editorLine));
        replaceFirst(text, QLatin1StringView("%S"), ed.fileName);
    }
    return text;
}
