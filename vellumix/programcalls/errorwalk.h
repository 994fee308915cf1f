// The errors of the last log read, walked with "Next Error" and "Previous Error":
// round the list at either end, starting from the first error.
#pragma once

#include "latex/latexlog.h"
#include "programcalls/logloader.h"

#include <QString>

class ErrorWalk
{
public:
    // A new log: the walk starts again before its first error.
    void setLog(const QString &path, const FileStamp &stamp, const LatexLog &log);

    // The log the walk is over, and whether the file is still the one that was read.
    const QString &path() const { return m_path; }
    bool isCurrent(const QString &path) const;
    const LatexLog &log() const { return m_log; }

    // Index of the next (or previous) error in log(), going round; -1 without errors.
    int step(bool forward);
    // The entry the walk stands on; -1 before the first step.
    int current() const { return m_current; }
    // 1-based place of the error at index among all errors (for "Error 2 of 5").
    int errorNumber(int index) const;

private:
    QString m_path;
    FileStamp m_stamp;
    LatexLog m_log;
    int m_current = -1;
};
