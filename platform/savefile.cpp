#include "savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace SaveFile {

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString native = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QStringLiteral("Cannot create the folder of %1").arg(native);
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full, size limit) is seen here and not
    // lost in a buffered flush that the commit would not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(native, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(native, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(native, file.errorString());
        return false;
    }
    return true;
}

} // namespace SaveFile
