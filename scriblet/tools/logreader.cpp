#include "tools/logreader.h"

#include "platform/textcodec.h"
#include "resources/strings.h"

#include <QFile>

namespace LogReader {

std::optional<QByteArray> readBytes(const QString &path)
{
    return readBytes(path, -1);
}

std::optional<QByteArray> readBytes(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    constexpr qint64 Piece = 255;
    QByteArray text;
    char buffer[Piece];
    for (;;) {
        const qint64 n = file.read(buffer, Piece);
        if (n < 0)
            return std::nullopt;
        const QByteArrayView piece(buffer, n);
        const qsizetype zero = piece.indexOf('\0');
        text += zero < 0 ? piece : piece.first(zero);
        if (n < Piece)
            break;
        if (limit >= 0 && text.size() >= limit) {
            text.truncate(limit);
            break;
        }
    }
    return text;
}

QString readText(const QString &path)
{
    const std::optional<QByteArray> bytes = readBytes(path, MaxShownBytes);
    if (!bytes)
        return Str::text(Str::LogNotLoaded);
    return TextCodec::decodeDetected(*bytes);
}

} // namespace LogReader
