// What the project pane needs from the main window: opening documents, the
// main-document settings, the status bar and needsTexRun, and the user's umlaut
// spellings. Questions to the user go through the Prompter. The main window's
// wiring implements it; tests answer it.
#pragma once

#include <QString>
#include <QStringList>

class ProjectHost
{
public:
    virtual ~ProjectHost() = default;

    // Opens the document (an open one is only activated). With line > 0 the
    // view puts that line (counted from 1) at the top, guided by the two search
    // texts (positioning request). False when the file could not be opened.
    virtual bool openDocument(const QString &path, int line = 0, const QString &searchText = {},
                              const QString &command = {}) = 0;

    // Main document hand-over: "maintex" and "mainpath" into the settings object
    // and section "TeX Settings" of the settings file.
    virtual void setMainDocument(const QString &maintex, const QString &mainpath) = 0;
    // Empties "maintex" (settings object and file): the tools act on the active document.
    virtual void clearMainDocument() = 0;
    // Text of the status-bar pane that shows the main document.
    virtual void setMainDocumentStatus(const QString &text) = 0;
    // LaTeX must run before the next dependent tool.
    virtual void raiseNeedsTexRun() = 0;

    // The user's spellings of ä Ä ö Ö ü Ü ß, in this order (section "Umlaute").
    virtual QStringList umlautReplacements() const = 0;
};
