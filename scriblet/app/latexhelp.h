// The LaTeX2e help (32979): a LaTeX reference handed to the desktop opener.
//
// The reference is looked for, in order: "latex2e.html", "latex2e.pdf" or
// "latex2e.hlp" in the program's directory; the document TeX Live's texdoc names
// for "latex2e"; the LaTeX2e reference in the installed documentation. The
// caller shows string 32996 when open() fails.
#pragma once

#include <QString>
#include <QStringList>

class LatexHelp
{
public:
    struct Host {
        QString programDir;                       // empty: the executable's directory
        QString texdoc = QStringLiteral("texdoc"); // empty: not asked
        QString opener = QStringLiteral("xdg-open");
        QStringList documentationDirs = defaultDocumentationDirs();
    };
    static QStringList defaultDocumentationDirs();

    LatexHelp() : LatexHelp(Host()) {}
    explicit LatexHelp(Host host);

    // The reference's path; empty when none is found.
    QString findReference() const;
    // Starts the opener on the reference without waiting. False when there is no
    // reference or the opener cannot be started.
    bool open() const;

private:
    QString askTexdoc() const;
    Host m_host;
};
