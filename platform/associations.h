// Desktop associations: default viewers and the desktop opener.
#pragma once

#include <QString>
#include <QStringList>

namespace Associations {

// Program registered for a MIME type: `xdg-mime query default <mime>`, then the
// desktop file's Exec= first token. Returns fallback when any step fails.
QString defaultViewer(const QString &mimeType, const QString &fallback);

// Default DVI / PostScript viewers with the host's fallbacks ("xdvi", "gv").
QString defaultDviViewer();
QString defaultPsViewer();

// First token of a desktop file's Exec= line in the given desktop-file text;
// empty when none.
QString execFirstToken(const QString &desktopFileText);

// Hands a file or URL to the desktop opener (xdg-open). False with error when it
// cannot be started.
bool openWithDesktop(const QString &target, const QString &workingDir = QString(), QString *error = nullptr);

} // namespace Associations
