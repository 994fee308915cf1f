// A command line ready to start: the program and its arguments, and the text that
// messages show.
//
// A template is split BEFORE its placeholders are replaced, and the values go into
// the arguments: a main file named "my thesis.tex" stays one argument, a double quote
// in a name changes nothing, and a name that starts with "-" ("-shell-escape a.tex")
// is passed as "./-shell-escape a.tex", so that no file name is ever read as an
// option. Templates whose users quoted their placeholders ("\"%P%F.dvi\"") keep
// working: the quotes group the piece and are removed, as before.
#pragma once

#include "programcalls/placeholders.h"

#include <QString>
#include <QStringList>

// Program and parameters of a command line.
//  - A line that starts with a double quote: the program is the text up to the next
//    double quote (quotes removed); the parameters start after the one character that
//    follows the closing quote. Without a closing quote the rest of the line is the
//    program.
//  - Otherwise the program is the text before the first blank, the parameters the
//    text after it.
struct ProgramCommand {
    QString program;
    QString parameters;
    bool operator==(const ProgramCommand &) const = default;
};
ProgramCommand splitProgramCommand(const QString &commandLine);

// True when the command line names a ".tex" or ".txx" file (compared without case),
// which is when modified editors are saved before it runs.
bool commandNamesTexFile(const QString &commandLine);

struct CommandLine {
    QString program;
    QStringList arguments;
    // The template expanded as one text, for messages and the ".tex" rule.
    QString text;

    // A command template: program and parameters split as above, the parameters
    // split into arguments (blanks separate, double quotes group), then expanded.
    static CommandLine fromTemplate(const QString &templ, const PlaceholderContext &ctx);
    // A line taken as it is, without placeholders (the editor's Execute).
    static CommandLine fromText(const QString &line);
    // One file or program named by its path, never split at blanks.
    static CommandLine ofPath(const QString &path);

    bool operator==(const CommandLine &) const = default;
};
