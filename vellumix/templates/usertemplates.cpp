#include "templates/usertemplates.h"

QStringList UserTemplates::names() const
{
    QStringList list;
    for (const UserTemplate &t : m_entries)
        list << t.name;
    return list;
}

bool UserTemplates::replace(int index, const UserTemplate &t)
{
    if (index < 0 || index >= size())
        return false;
    m_entries[index] = t;
    return true;
}

int UserTemplates::remove(int index)
{
    if (index < 0 || index >= size())
        return -1;
    m_entries.removeAt(index);
    if (m_entries.isEmpty())
        return -1;
    return index < size() ? index : size() - 1;
}

bool UserTemplates::moveUp(int index)
{
    if (index <= 0 || index >= size())
        return false;
    m_entries.swapItemsAt(index, index - 1);
    return true;
}

bool UserTemplates::moveDown(int index)
{
    if (index < 0 || index + 1 >= size())
        return false;
    m_entries.swapItemsAt(index, index + 1);
    return true;
}
