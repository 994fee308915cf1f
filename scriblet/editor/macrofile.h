// The macros file "Scriblet.macros" in the settings directory: ten macros, each
// written as its name line, its text, a line break and the separator line
// "---+---". Lines end in CR LF on disk; CR LF or LF are read.
//
// A text is held with "\n" line separators. The line break the writer puts
// between a text and its separator is not part of the text when read back, so
// a save and a load give the same ten texts.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

struct MacroTable {
    std::array<QString, 10> names;
    std::array<QString, 10> texts;
    bool operator==(const MacroTable &) const = default;

    // Entry i (from 1): name and text "Makro i".
    static MacroTable defaults();
};

namespace MacroFile {

inline constexpr const char *FileName = "Scriblet.macros";
inline constexpr const char *Separator = "---+---";

QByteArray serialize(const MacroTable &table);
// Reads up to ten entries; reading stops at the end of the data, the entries
// not read stay empty.
MacroTable parse(const QByteArray &bytes);

// Reads settingsDir + "Scriblet.macros"; when it cannot be opened, returns the
// default table and writes it at once.
MacroTable load(const QString &settingsDir);
bool save(const QString &settingsDir, const MacroTable &table, QString *error = nullptr);

} // namespace MacroFile
