// The user templates: an ordered list of (name, part 1, part 2). Order gives the
// menu order, the toolbox order and the shortcut numbers. Parts may span several
// lines, with CR LF between them. A value: the template dialog edits it and keeps a
// copy for Cancel.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct UserTemplate {
    QString name;
    QString part1;  // inserted before the selection
    QString part2;  // inserted after it
    bool operator==(const UserTemplate &) const = default;
};

class UserTemplates
{
public:
    UserTemplates() = default;
    explicit UserTemplates(QList<UserTemplate> entries) : m_entries(std::move(entries)) {}

    const QList<UserTemplate> &entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The entry at index; an empty one outside the list.
    UserTemplate at(int index) const { return m_entries.value(index); }
    QStringList names() const;

    void append(const UserTemplate &t) { m_entries.append(t); }
    // Replaces the entry at index; false outside the list.
    bool replace(int index, const UserTemplate &t);
    // Removes the entry at index and returns the entry to select afterwards: none (-1)
    // when the list is now empty, the previous one when the last was removed, else the
    // one that took its place. Outside the list nothing happens and -1 is returned.
    int remove(int index);
    // Swap with the neighbour; false (nothing moved) at the top or bottom or outside.
    bool moveUp(int index);
    bool moveDown(int index);

    bool operator==(const UserTemplates &) const = default;

private:
    QList<UserTemplate> m_entries;
};
