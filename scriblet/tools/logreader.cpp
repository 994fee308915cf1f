#include "tools/logreader.h"

#include <QFile>
#include <QFileInfo>

namespace LogReader {

bool readPieces(const QString &path, const std::function<void(QByteArrayView)> &sink)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Piece = 255;
    char buffer[Piece];
    for (;;) {
        const qint64 n = file.read(buffer, Piece);
        if (n < 0)
            return false;
        const QByteArrayView piece(buffer, n);
        const qsizetype zero = piece.indexOf('\0');
        sink(zero < 0 ? piece : piece.first(zero));
        if (n < Piece)
            return true;
    }
}

std::optional<QByteArray> readBytes(const QString &path)
{
    QByteArray text;
    if (!readPieces(path, [&text](QByteArrayView piece) { text += piece; }))
        return std::nullopt;
    return text;
}

} // namespace LogReader
