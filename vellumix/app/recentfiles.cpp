#include "app/recentfiles.h"

void RecentFiles::setEntries(const QStringList &entries)
{
    m_entries.clear();
    for (const QString &e : entries)
        if (!e.isEmpty() && !m_entries.contains(e) && m_entries.size() < MaxEntries)
            m_entries.append(e);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    m_entries.removeAll(path);
    m_entries.prepend(path);
    while (m_entries.size() > MaxEntries)
        m_entries.removeLast();
}

void RecentFiles::replaceFirst(const QString &path)
{
    if (path.isEmpty())
        return;
    if (m_entries.isEmpty()) {
        m_entries.append(path);
        return;
    }
    m_entries[0] = path;
    // The same path further down would show twice.
    for (int i = m_entries.size() - 1; i > 0; --i)
        if (m_entries.at(i) == path)
            m_entries.removeAt(i);
}

QString RecentFiles::caption(int index, const QString &path)
{
    return QStringLiteral("&%1 %2").arg(index).arg(path);
}
