#include "programcalls/errorwalk.h"

void ErrorWalk::setLog(const QString &path, const FileStamp &stamp, const LatexLog &log)
{
    m_path = path;
    m_stamp = stamp;
    m_log = log;
    m_current = -1;
}

bool ErrorWalk::isCurrent(const QString &path) const
{
    return !m_path.isEmpty() && path == m_path && FileStamp::of(path) == m_stamp;
}

int ErrorWalk::step(bool forward)
{
    using Kind = LatexLogEntry::Kind;
    int next = forward ? m_log.next(m_current, Kind::Error) : m_log.previous(m_current < 0 ? m_log.size() : m_current, Kind::Error);
    if (next < 0)
        next = forward ? m_log.next(-1, Kind::Error) : m_log.previous(m_log.size(), Kind::Error);
    if (next >= 0)
        m_current = next;
    return next;
}

int ErrorWalk::errorNumber(int index) const
{
    int n = 0;
    for (int i = 0; i <= index && i < m_log.size(); ++i)
        if (m_log.at(i).kind == LatexLogEntry::Kind::Error)
            ++n;
    return n;
}
