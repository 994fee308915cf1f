// Shared by the log parser tests: an entry list as one readable line.
#pragma once

#include "latex/latexlog.h"

#include <QDir>
#include <QStringList>

// "E main.tex:3 | W chap1.tex:0 | B a.tex:7": kind, file relative to dir, line, in log order.
inline QString logSummary(const LatexLog &log, const QString &dir)
{
    QStringList parts;
    for (const LatexLogEntry &e : log.entries()) {
        const char *kind = e.kind == LatexLogEntry::Kind::Error ? "E" : e.kind == LatexLogEntry::Kind::Warning ? "W" : "B";
        parts << QStringLiteral("%1 %2:%3").arg(QLatin1String(kind), QDir(dir).relativeFilePath(e.file)).arg(e.line);
    }
    return parts.join(QLatin1String(" | "));
}
