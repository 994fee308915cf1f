// What the tools need from the main window: the open documents, needsTexRun, the
// project pane, the main-document status pane and the editor (to open a file at
// the line of an error). The main window's wiring
// implements it; tests implement it without a window. Questions to the user go
// through the Prompter.
#pragma once

#include "platform/hostprocess.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct ActiveDocument {
    QString title;    // as shown, may carry " *" while modified
    QString fullPath; // empty for a document that was never saved
};

class ToolHost
{
public:
    virtual ~ToolHost() = default;

    // Saves every modified document as the Save command does (an untitled one asks
    // for a name). True when at least one document was saved.
    virtual bool saveModifiedDocuments() = 0;
    virtual bool hasOpenDocuments() const = 0;
    // The document of the active child window, if any.
    virtual std::optional<ActiveDocument> activeDocument() const = 0;
    // Brings the main window forward so that a child becomes active again.
    virtual void activateMainWindow() = 0;

    // The status pane of the main document shows this text.
    virtual void setMainDocumentStatus(const QString &text) = 0;

    // The sources or the main document changed since LaTeX last ran (a flag of the
    // main frame, set when documents are opened or created).
    virtual bool needsTexRun() const = 0;
    virtual void setNeedsTexRun(bool on) = 0;

    virtual bool isProjectLoaded() const = 0;
    // Has the project pane re-read the table of contents after a LaTeX run.
    // runFailed: the run was cancelled or ended with errors, so the ".toc" it left
    // may be empty or cut short; the pane then keeps its last good table.
    virtual void refreshTableOfContents(bool runFailed) = 0;

    // Opens the file in the editor (an open one is activated) with the caret at the
    // start of the line (counted from 1; 0 leaves the caret). False when it could
    // not be opened (the editor has said why).
    virtual bool openDocumentAt(const QString &path, int line) = 0;
};

// Starts the tools' programs; the host implementation uses HostProcess, tests may
// record the calls instead.
class ToolLauncher
{
public:
    virtual ~ToolLauncher() = default;
    virtual HostProcess::Result run(const QString &exe, const QStringList &args, const QString &workingDir,
                                    bool wait, const std::function<void()> &keepAlive) = 0;
};

// Finds the program on PATH (or in the working directory), then starts it;
// waited programs get an empty standard input.
class HostToolLauncher : public ToolLauncher
{
public:
    HostProcess::Result run(const QString &exe, const QStringList &args, const QString &workingDir,
                            bool wait, const std::function<void()> &keepAlive) override;
};
