// Reads BibTeX's log (".blg") into errors and warnings with the file and line that
// BibTeX names. BibTeX writes where a message belongs after it: "---line 4 of file
// refs.bib" for errors (on the message's own line or the next one), "--line 9 of
// file refs.bib" on the line after a warning, "---while reading file a.aux" where
// it knows no line. Context lines (" : ...") and BibTeX's remarks after an error
// ("I'm skipping whatever remains of this entry") belong to the entry before.
#pragma once

#include "latex/latexlog.h"

#include <QByteArray>
#include <QString>

class BibtexLogParser
{
public:
    // workingDirectory: the folder BibTeX ran in; the names it writes ("refs.bib",
    // "a.aux") are relative to it.
    static LatexLog parse(const QByteArray &bytes, const QString &workingDirectory);
};
