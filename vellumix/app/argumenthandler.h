// Command-line arguments of Vellumix, handled one text at a time in arrival order
// (the program's own arguments and those handed over by a later start).
//
//   "/m"       the next file argument becomes the main file
//   "/l=<n>"   line to select in the next file argument (not a number: conversion
//              error, the argument is dropped)
//   "/f=<fmt>" format of the next file argument: "dos" (OEM code page), "unix", else plain
//   anything else is a file argument: placeholders are expanded, then it is opened
//   with the pending format and line; afterwards the line becomes 1, the format and
//   "/m" are cleared.
// The pending line is 0 (none) until the first "/l=" or the first file argument.
#pragma once

#include "common/openformat.h"
#include "programcalls/placeholders.h"

#include <QString>
#include <QStringList>
#include <optional>

struct OpenRequest {
    QString path;               // after placeholder expansion, not yet resolved
    OpenFormat format = OpenFormat::Plain;
    int line = 0;               // <= 0: none
    bool makeMain = false;      // "/m" was pending
    bool operator==(const OpenRequest &) const = default;
};

class ArgumentHandler
{
public:
    struct Outcome {
        std::optional<OpenRequest> open;  // a file argument
        QString error;                    // a conversion error to show
    };

    Outcome handle(const QString &text, const PlaceholderContext &ctx);

    int pendingLine() const { return m_line; }
    QString pendingFormat() const { return m_format; }
    bool mainPending() const { return m_main; }

    // The run time's conversion error for a text that is not an integer.
    static QString conversionError(const QString &text);

private:
    int m_line = 0;
    QString m_format;
    bool m_main = false;
};

// Makes the file arguments of a later start independent of its working directory
// before they are handed over: relative names are made absolute against workingDir;
// switches and texts that start with a placeholder stay as they are.
QStringList absoluteFileArguments(const QStringList &args, const QString &workingDir);

// The file that opening `path` means: the full path (against workingDir); when no such
// file exists, the same name with the extension ".tex"; with line specials a ".txx"
// name becomes ".tex". Empty when the result does not exist.
QString resolveOpenPath(const QString &path, bool lineSpecials, const QString &workingDir);

