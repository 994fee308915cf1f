#include "tools/logreader.h"

#include "platform/saferead.h"

#include <QFile>

namespace LogReader {

bool readPieces(const QString &path, const std::function<void(QByteArrayView)> &sink)
{
    QFile file;
    if (!SafeRead::openRegularFile(file, path))
        return false;
    // A file gives full pieces until its last, shorter one: reading many pieces at a
    // time and cutting them here gives the same text at a fraction of the calls.
    constexpr qint64 Piece = 255;
    constexpr qint64 Block = Piece * 1024;
    QByteArray buffer(Block, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(buffer.data(), Block);
        if (n < 0)
            return false;
        for (qint64 at = 0; at < n; at += Piece) {
            const QByteArrayView piece(buffer.constData() + at, std::min(Piece, n - at));
            const qsizetype zero = piece.indexOf('\0');
            sink(zero < 0 ? piece : piece.first(zero));
        }
        if (n < Block)
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
