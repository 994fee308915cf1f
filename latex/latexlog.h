// The entries of one LaTeX log, in the order of the log, with the counts and the
// walk from error to error that the programs show.
#pragma once

#include "latex/latexlogentry.h"

#include <QList>

class LatexLog
{
public:
    using Kind = LatexLogEntry::Kind;

    const QList<LatexLogEntry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }
    int size() const { return int(m_entries.size()); }
    const LatexLogEntry &at(int index) const { return m_entries.at(index); }

    int count(Kind kind) const { return m_counts[int(kind)]; }
    int errorCount() const { return count(Kind::Error); }
    int warningCount() const { return count(Kind::Warning); }
    int badBoxCount() const { return count(Kind::BadBox); }

    // Index of the first error; -1 when there is none.
    int firstError() const { return next(-1, Kind::Error); }
    // Index of the first entry of that kind after index `from` (-1 starts at the
    // beginning); -1 when there is none. Callers decide whether to wrap around.
    int next(int from, Kind kind) const;
    // Index of the last entry of that kind before index `from` (size() starts at
    // the end); -1 when there is none.
    int previous(int from, Kind kind) const;
    // Index of the entry whose log lines include logLine (0-based); -1 for a line
    // that belongs to no entry.
    int entryAtLogLine(int logLine) const;

private:
    friend class LatexLogParser;
    friend class BibtexLogParser;
    // Entries come in log order (by logLine).
    void append(LatexLogEntry entry);
    // The last entry, for the parser to complete; the log must not be empty.
    LatexLogEntry &last() { return m_entries.last(); }

    QList<LatexLogEntry> m_entries;
    int m_counts[3] = {0, 0, 0};
};
