// The macros file "Scriblet.macros" in the settings directory: ten macros, each
// written as its name line, its text, a line break and the separator line
// "---+---". Lines end in CR LF on disk; CR LF or LF are read.
//
// A text is held with "\n" line separators. The line break the writer puts
// between a text and its separator is not part of the text when read back, so
// a save and a load give the same ten texts.
#pragma once

#include "platform/fileerror.h"

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

// Larger files are not ours (ten macros); they are refused, not read.
inline constexpr qint64 MaxFileSize = qint64(16) * 1024 * 1024;

// Reads settingsDir + "Scriblet.macros" (a regular file of at most MaxFileSize
// bytes). A missing file: the default table, written at once. A file that exists
// but cannot be read (a FIFO, a folder, too large, no permission): the default
// table, the file left alone, and *error says why.
MacroTable load(const QString &settingsDir, FileError *error = nullptr);
bool save(const QString &settingsDir, const MacroTable &table, QString *error = nullptr);

} // namespace MacroFile
