#include "app/handover.h"

namespace {
const QByteArray Marker("Vellumix32 arguments");
}

namespace HandOver {

QList<QByteArray> encode(const QStringList &arguments)
{
    QList<QByteArray> messages{Marker};
    for (const QString &a : arguments)
        messages.append(a.toUtf8());
    return messages;
}

std::optional<QStringList> decode(const QList<QByteArray> &messages)
{
    if (messages.isEmpty() || messages.first() != Marker)
        return std::nullopt;
    QStringList args;
    for (qsizetype i = 1; i < messages.size(); ++i) {
        // A message may end with a NUL, as the old copy-data messages did.
        QByteArray m = messages.at(i);
        const qsizetype nul = m.indexOf('\0');
        if (nul >= 0)
            m.truncate(nul);
        args.append(QString::fromUtf8(m));
    }
    return args;
}

} // namespace HandOver
