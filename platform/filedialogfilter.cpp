#include "platform/filedialogfilter.h"

#include <QRegularExpression>

namespace FileDialogFilter {

namespace {

struct Pair {
    QString description;
    QStringList patterns;
};

QList<Pair> pairs(const QString &filter)
{
    QList<Pair> out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        Pair p;
        for (QString pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            if (pattern.isEmpty())
                continue;
            // "*.*" would miss names without a dot on this host.
            p.patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        if (p.patterns.isEmpty())
            p.patterns << QStringLiteral("*");
        static const QRegularExpression trailingGroup(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        p.description = parts.at(i).trimmed().remove(trailingGroup);
        if (p.description.isEmpty())
            p.description = p.patterns.join(QLatin1Char(' '));
        out << p;
    }
    return out;
}

} // namespace

QStringList toQtList(const QString &filter)
{
    QStringList out;
    for (const Pair &p : pairs(filter))
        out << p.description + QStringLiteral(" (") + p.patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    return out;
}

QString toQt(const QString &filter) { return toQtList(filter).join(QStringLiteral(";;")); }

QStringList patterns(const QString &filter, int index)
{
    const QList<Pair> all = pairs(filter);
    return index >= 0 && index < all.size() ? all.at(index).patterns : QStringList();
}

} // namespace FileDialogFilter
