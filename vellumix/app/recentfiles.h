// The recent-file list of the frame: at most ten full paths, most recent first.
#pragma once

#include <QString>
#include <QStringList>

class RecentFiles
{
public:
    static constexpr int MaxEntries = 10;

    const QStringList &entries() const { return m_entries; }
    void setEntries(const QStringList &entries);
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Moves an identical path (compared exactly) to the front, else inserts it there;
    // an eleventh entry is dropped.
    void add(const QString &path);
    // Replaces the first entry (Save As puts the new name there); adds when empty.
    void replaceFirst(const QString &path);

    // Menu caption of entry index: "&" + index + " " + path.
    static QString caption(int index, const QString &path);

private:
    QStringList m_entries;
};
