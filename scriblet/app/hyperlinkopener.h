// Opens the links of the about box: the desktop opener first; when that cannot
// be started, the program registered for web pages ("text/html") with the link.
// When both fail, the reason is told by the shell's error number of the old
// platform, whose messages the program keeps.
#pragma once

#include "platform/hostprocess.h"

#include <QString>
#include <functional>

class HyperlinkOpener
{
public:
    // Returned by open() on success, as the shell reported success with values above 32.
    static constexpr int Opened = 33;

    // opener: the desktop opener; browser: the program registered for web pages
    // (empty when none).
    explicit HyperlinkOpener(QString opener = QStringLiteral("xdg-open"),
                             std::function<QString()> browser = defaultBrowser);

    // Opened, or the shell's error number of the desktop opener's failure.
    int open(const QString &link) const;

    // "Unable to open hyperlink:\n\n" and the reason for the error number.
    static QString failureMessage(int shellResult);
    // The shell's error number for a program that could not be started: 2 when
    // it was not found, 5 when it may not be run, 31 otherwise.
    static int shellResult(const HostProcess::Result &result);
    static QString defaultBrowser();

private:
    QString m_opener;
    std::function<QString()> m_browser;
};
