// The one atomic save used for documents and every settings-like file:
// write a temporary file beside the target, flush, then rename over it.
#pragma once

#include <QByteArray>
#include <QString>

namespace SaveFile {

// Creates missing parent directories. On failure returns false and, when error is
// given, a message that names the file with native separators; the old file is intact.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace SaveFile
