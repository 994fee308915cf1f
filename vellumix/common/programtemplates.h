// The three command templates of the TeX menu (section `TeX` of the settings file:
// `Compile`, `LogFile`, `Preview`), as one value: the settings hold it and the
// program-calls dialog edits a copy of it.
#pragma once

#include <QString>

struct ProgramTemplates {
    QString compile = QStringLiteral("latex --src-specials %F.tex");
    QString logFile = QStringLiteral("%P%F.log");
    QString preview = QStringLiteral("yap -1 -s %l%f%e \"%P%F.dvi\"");

    static ProgramTemplates defaults() { return {}; }
    bool operator==(const ProgramTemplates &) const = default;
};
