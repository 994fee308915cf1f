// What the clean-up needs of the window around it: the directory OK cleans, which is
// the main file's directory while a main file is set, else the current directory.
// The frame implements it (app/cleanupwiring); tests implement it with a fixed folder.
#pragma once

#include <QString>
#include <QStringList>

class CleanUpHost
{
public:
    virtual ~CleanUpHost() = default;
    virtual QString cleanUpDirectory() const = 0;
    // The files OK just deleted (the program's own deletions, not another program's).
    virtual void filesDeleted(const QStringList &paths) { Q_UNUSED(paths); }
};
