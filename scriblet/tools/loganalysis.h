// The log of a LaTeX or BibTeX run as the log pane shows it: the text (the END of a
// log longer than the pane's cap, under a first line that says the beginning was
// cut), the errors, warnings and bad boxes the parser found in the whole log, and
// the pane line of each. Lines of the pane and of the log count from 0.
//
// read() costs time in proportion to the log (a 10 MB log takes a few hundred
// milliseconds): the tool runner calls it off the window's thread.
#pragma once

#include "latex/latexlog.h"

#include <QString>

class LogAnalysis
{
public:
    enum class Format { Latex, Bibtex };

    // The pane shows at most this much of a log: a runaway document can write logs
    // of many megabytes, the fatal error stands at their end, and the pane takes
    // its text on the window's thread (about 0.1 s for this much; bench_scriblet_log).
    static constexpr qint64 MaxShownBytes = 512 * 1024;

    // Reads the log (LogReader's rule), parses all of it and keeps the end that is
    // shown. Names in the log are relative to the log's folder, where the tool ran.
    // A log that cannot be read gives "Log-Datei konnte nicht geladen werden !".
    static LogAnalysis read(const QString &path, Format format, qint64 maxShownBytes = MaxShownBytes);
    // A message in place of a log.
    static LogAnalysis message(const QString &text);

    // The file could be read (also when it is empty).
    bool isLoaded() const { return m_loaded; }
    const QString &text() const { return m_text; }
    const LatexLog &log() const { return m_log; }
    // Physical lines of the log left out at its start (0 when it is shown whole).
    int cutLines() const { return m_cutLines; }

    // Pane line of the entry's first line shown; -1 when all of it lies in the cut part.
    int paneLine(int entry) const;
    // The entry whose log lines include the pane line; -1 for none.
    int entryAtPaneLine(int paneLine) const;

    // The error after (or before) entry `from` (-1: none chosen yet), going round
    // at either end; -1 when the log holds no error.
    int nextError(int from, bool forward) const;
    // How many errors stand before the entry (its place among the errors, from 0).
    int errorsBefore(int entry) const;

private:
    int headerLines() const { return m_cutLines > 0 ? 1 : 0; }

    QString m_text;
    LatexLog m_log;
    bool m_loaded = false;
    int m_cutLines = 0;
};
