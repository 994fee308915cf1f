#include "programcalls/placeholders.h"

#include <algorithm>

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

struct Value {
    const char *placeholder;
    QString text;
};

// The placeholders in the order of replacement, with their values.
QList<Value> values(const PlaceholderContext &ctx)
{
    const PathParts main = splitPath(ctx.mainFile);
    QList<Value> v = {
        {"%M", ctx.mainFile},
        {"%m", main.directory + main.baseName},
        {"%P", main.directory},
        {"%F", main.baseName},
        {"%E", main.extension},
        {"%x", ctx.lineSpecials ? QStringLiteral(".txx") : QStringLiteral(".tex")},
    };
    if (ctx.hasActiveEditor) {
        const PathParts ed = splitPath(ctx.editorFile);
        v.append({{"%p", ed.directory},
                  {"%f", ed.baseName},
                  {"%e", ed.extension},
                  {"%l", QString::number(ctx.editorLine)},
                  {"%S", ed.fileName}});
    }
    return v;
}

// A placeholder chosen for replacement: piece, position in it, value.
struct Hit {
    int piece;
    qsizetype at;
    QString value;
};

bool overlaps(const QList<Hit> &hits, int piece, qsizetype at)
{
    return std::any_of(hits.begin(), hits.end(), [&](const Hit &h) {
        return h.piece == piece && at < h.at + 2 && h.at < at + 2;
    });
}

} // namespace

QList<ExpandedPiece> expandPlaceholders(const QStringList &pieces, const PlaceholderContext &ctx)
{
    // Each placeholder takes its first occurrence that no earlier placeholder took,
    // so the order decides as it does when the text is replaced step by step.
    QList<Hit> hits;
    for (const Value &v : values(ctx)) {
        const QLatin1StringView name(v.placeholder);
        bool found = false;
        for (int p = 0; p < pieces.size() && !found; ++p) {
            for (qsizetype at = pieces.at(p).indexOf(name); at >= 0; at = pieces.at(p).indexOf(name, at + 1)) {
                if (!overlaps(hits, p, at)) {
                    hits.append({p, at, v.text});
                    found = true;
                    break;
                }
            }
        }
    }
    std::sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) {
        return a.piece != b.piece ? a.piece < b.piece : a.at < b.at;
    });

    QList<ExpandedPiece> out;
    out.reserve(pieces.size());
    for (int p = 0; p < pieces.size(); ++p) {
        ExpandedPiece e;
        qsizetype copied = 0;
        for (const Hit &h : hits) {
            if (h.piece != p)
                continue;
            if (h.at == 0)
                e.startsWithValue = true;
            e.text += QStringView(pieces.at(p)).mid(copied, h.at - copied);
            e.text += h.value;
            copied = h.at + 2;
        }
        e.text += QStringView(pieces.at(p)).mid(copied);
        out.append(e);
    }
    return out;
}

QString expandPlaceholders(const QString &templ, const PlaceholderContext &ctx)
{
    return expandPlaceholders(QStringList{templ}, ctx).first().text;
}
