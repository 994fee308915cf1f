// The three command templates of the TeX menu (section `TeX` of the settings file:
// `Compile`, `LogFile`, `Preview`), as one value: the settings hold it and the
// program-calls dialog edits a copy of it.
//
// The Preview default opens the ".dvi" with a viewer this host has: the desktop's
// program for DVI files, else xdvi (the old default named a Windows-only viewer).
#pragma once

#include <QString>

struct ProgramTemplates {
    // The Preview template of the Windows release; a settings file may still hold it.
    static constexpr char16_t WindowsPreview[] = u"yap -1 -s %l%f%e \"%P%F.dvi\"";

    QString compile = QStringLiteral("latex --src-specials %F.tex");
    QString logFile = QStringLiteral("%P%F.log");
    QString preview = hostPreview();

    static ProgramTemplates defaults() { return {}; }
    bool operator==(const ProgramTemplates &) const = default;

    // The Preview template that opens the main file's ".dvi" with viewer.
    static QString previewWith(const QString &viewer);
    // The Preview default of this host (the desktop is asked once per run).
    static QString hostPreview();
    // A stored template that names the Windows viewer while this host has none of
    // that name gives way to the host's default; anything else the user set stays.
    void adaptToHost();
};
