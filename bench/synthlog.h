// A synthetic LaTeX log of a given size, as TeX Live writes it for a long thesis:
// the log benchmarks of both programs parse the same text.
#pragma once

#include <QByteArray>

namespace benchsupport {

// One stretch of a log as TeX Live writes it: a chapter opened and closed, font
// notes, a package's info lines, warnings, an error with its help, a bad box, pages.
inline QByteArray stretch(int n)
{
    const QByteArray k = QByteArray::number(n);
    return "(./kapitel/chapter" + k + ".tex\n"
           "LaTeX Font Info:    External font `cmex10' loaded for size\n"
           "(Font)              <7> on input line " + k + ".\n"
           "LaTeX Font Info:    External font `cmex10' loaded for size\n"
           "(Font)              <5> on input line " + k + ".\n"
           "Package hyperref Info: Option `colorlinks' set `true' (on input line 3).\n"
           "\n"
           "LaTeX Warning: Reference `fig:" + k + "' on page 3 undefined on input line 12.\n"
           "\n"
           "! Undefined control sequence.\n"
           "l.17 Some text (with a parenthesis \\foo\n"
           "                                        and the rest of the line.\n"
           "The control sequence at the end of the top line\n"
           "of your error message was never \\def'ed. If you have\n"
           "misspelled it (e.g., `\\hobx'), type `I' and the correct\n"
           "spelling (e.g., `I\\hbox'). Otherwise just continue,\n"
           "and I'll forget about whatever was undefined.\n"
           "\n"
           "\n"
           "Overfull \\hbox (12.34567pt too wide) in paragraph at lines 20--24\n"
           "[]\\OT1/cmr/m/n/10 A paragraph with some words (and a parenthesis) that did not fi\n"
           "t into its line |\n"
           " []\n"
           "\n"
           "[" + k + "\n"
           "\n"
           "] (/usr/share/texlive/texmf-dist/tex/latex/base/omscmr.fd\n"
           "File: omscmr.fd 2022/07/10 v2.5l Standard LaTeX font definitions\n"
           ")\n"
           "Package mypkg Warning: Something odd happened (really)\n"
           "(mypkg)                and continued here on input line 30.\n"
           "\n"
           ") [" + k + "] ";
}

inline QByteArray makeLog(qint64 bytes)
{
    QByteArray log = "This is pdfTeX, Version 3.141592653-2.6-1.40.24 (TeX Live 2022/Debian) (preloaded format=latex)\n"
                     "**main.tex\n(./main.tex\nLaTeX2e <2022-11-01> patch level 1\n"
                     "(/usr/share/texlive/texmf-dist/tex/latex/base/book.cls\n"
                     "Document Class: book 2022/07/02 v1.4n Standard LaTeX document class\n)\n";
    log.reserve(bytes + 4096);
    for (int n = 1; log.size() < bytes; ++n)
        log += stretch(n);
    return log + ")\nOutput written on main.dvi (100 pages, 123456 bytes).\n";
}

} // namespace benchsupport
