// Expansion of the tools' command templates.
//
// Built-in tools: every "%s" stands for the one substituted name; every other
// character, "%" sequences included, is copied literally (a template is never used
// as a printf format).
//
// User tools: the template is scanned from left to right for "%s", "%ps", "%c",
// "%pc", "%m" and "%pm" (tested in this order at each position, so "%ps" is never
// read as "%s"). Each placeholder met also decides the tool's directory; with
// several, the last one wins; a template without placeholders decides none.
//
// Arguments: the template is split into arguments first (blanks separate, double
// quotes group, as the old platform's C runtime does) and each argument is then
// expanded, so a name or directory with blanks stays one argument and a placeholder
// that expands to nothing still gives one (empty) argument.
#pragma once

#include <QString>
#include <QStringList>

namespace CommandTemplate {

// The template with every "%s" replaced by name.
QString expandBuiltin(const QString &tmpl, const QString &name);
// The arguments of a built-in tool's command line.
QStringList builtinArguments(const QString &tmpl, const QString &name);

// What a user tool's placeholders are replaced with.
struct UserToolContext {
    QString maintex;        // main document file name, empty when none is set
    QString mainpath;       // its directory
    QString activeTitle;    // title of the active document (empty: none is active)
    QString activePath;     // full path of the active document (empty when untitled)

    // maintex without its last four characters.
    QString mainBase() const;
    // mainpath + "/" + mainBase().
    QString mainPathBase() const;
    // The active document's file name up to its last "." (empty without a ".").
    QString currentName() const;
    // The active document's full path without its last four characters.
    QString currentPathBase() const;
    // The active document's directory, with a trailing "/" (empty when untitled).
    QString currentDirectory() const;
};

struct UserToolExpansion {
    QString commandLine;    // the whole template expanded as text
    QStringList arguments;  // the arguments passed to the tool
    bool changesDirectory = false;
    QString directory;      // decided by the last placeholder; empty keeps the current one
    bool needsMain = false;   // "%s" or "%ps" occurred
    bool needsActive = false; // "%c" or "%pc" occurred
};

UserToolExpansion expandUserTool(const QString &tmpl, const UserToolContext &ctx);

} // namespace CommandTemplate
