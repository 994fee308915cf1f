// The texts the process helper writes as recovery entries (behaviour "recovery"),
// so that a test can tell which complete entry it finds after killing the helper.
#pragma once

#include <QString>

namespace testsupport {

// Entry n: a first line naming n, then lines of Windows-1252 letters up to about size characters.
inline QString recoveryText(int n, int size)
{
    QString text = QStringLiteral("entry %1\n").arg(n);
    const QString line = QString::fromUtf8("Grüße aus Köln %1\n").arg(n % 97);
    while (text.size() < size)
        text += line;
    return text;
}

} // namespace testsupport
