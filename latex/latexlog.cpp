#include "latex/latexlog.h"

#include <algorithm>

int LatexLog::next(int from, Kind kind) const
{
    for (int i = std::max(from + 1, 0); i < size(); ++i)
        if (m_entries[i].kind == kind)
            return i;
    return -1;
}

int LatexLog::previous(int from, Kind kind) const
{
    for (int i = std::min(from, size()) - 1; i >= 0; --i)
        if (m_entries[i].kind == kind)
            return i;
    return -1;
}

int LatexLog::entryAtLogLine(int logLine) const
{
    // Entries do not overlap and are sorted by their first line.
    auto it = std::upper_bound(m_entries.cbegin(), m_entries.cend(), logLine,
                               [](int line, const LatexLogEntry &e) { return line < e.logLine; });
    if (it == m_entries.cbegin())
        return -1;
    --it;
    return logLine < it->logLine + it->logLineCount ? int(it - m_entries.cbegin()) : -1;
}

void LatexLog::append(LatexLogEntry entry)
{
    ++m_counts[int(entry.kind)];
    m_entries.append(std::move(entry));
}
