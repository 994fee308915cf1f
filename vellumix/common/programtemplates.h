// The three command templates of the TeX menu (section `TeX` of the settings
// file: `Compile`, `LogFile`, `Preview`), as one value that the dialog edits.
#pragma once

#include <QString>

inline constexpr char16_t DefaultCompileTemplate[] = u"latex --src-specials %F.tex";
inline constexpr char16_t DefaultLogFileTemplate[] = u"%P%F.log";
inline constexpr char16_t DefaultPreviewTemplate[] = u"yap -1 -s %l%f%e \"%P%F.dvi\"";

struct ProgramTemplates {
    QString compile = QString::fromUtf16(DefaultCompileTemplate);
    QString logFile = QString::fromUtf16(DefaultLogFileTemplate);
    QString preview = QString::fromUtf16(DefaultPreviewTemplate);

    static ProgramTemplates defaults() { return {}; }
    bool operator==(const ProgramTemplates &) const = default;
};
