// The keyword files "Scriblet.commands" and "Scriblet.environments" in the
// settings directory: plain text, one keyword per line, commands without their
// backslash. A line of one non-letter character (such as "%") makes backslash
// plus that character a command and the character a control symbol.
//
// Both are read once at start. A missing file is written with the built-in
// contents (lines end in CR LF) and read again. A file that exists but cannot be
// read is left alone, and so is a folder that cannot be written: colouring then
// works with the built-in lists, and nobody is asked anything.
//
// Lines are read up to 255 characters (the rest of a longer line is dropped) and
// end at a NUL byte; empty lines hold no keyword. Reading always ends at the end
// of the file, which need not end in a line break.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CShellSettings;

namespace KeywordFiles {

inline constexpr const char *CommandsFile = "Scriblet.commands";
inline constexpr const char *EnvironmentsFile = "Scriblet.environments";
inline constexpr int MaxLineLength = 255;

struct Lists {
    QString commandList;     // " \\begin \\end ..."
    QString controlSymbols;  // "%,\\-"
    QString environmentList; // " array center ..."
};

// The built-in file contents.
QByteArray defaultCommands();
QByteArray defaultEnvironments();

// The keywords of a file's bytes (valid UTF-8 as UTF-8, else Windows-1252).
QStringList parse(const QByteArray &bytes);
Lists build(const QStringList &commands, const QStringList &environments);

// The lines of one keyword file in settingsDir, written from defaults when
// missing; the defaults' lines when it can be neither read nor written.
QStringList readOrCreate(const QString &settingsDir, const char *fileName, const QByteArray &defaults);

// Both files into the settings object's three lists.
void load(CShellSettings &settings);

} // namespace KeywordFiles
