// One error, warning or bad box found in a LaTeX log.
#pragma once

#include <QString>

struct LatexLogEntry {
    enum class Kind { Error, Warning, BadBox };

    Kind kind = Kind::Error;
    // The message as TeX wrote it, wrapped and continued lines joined: errors without
    // the leading "! " ("Undefined control sequence."), warnings and bad boxes with
    // their prefix ("LaTeX Warning: Reference `a' on page 1 undefined on input line 7.").
    QString message;
    // Absolute, clean path of the file TeX was reading; empty when the log named none.
    QString file;
    // 1-based line in that file; 0 when the log gives none.
    int line = 0;
    // Errors: the source text up to the point of the error, from TeX's "l.NN" line
    // (its last word is usually the culprit); empty for the others.
    QString context;
    // 0-based physical line of the log where the entry starts, and how many lines of
    // the log it covers (at least 1).
    int logLine = 0;
    int logLineCount = 1;
};
