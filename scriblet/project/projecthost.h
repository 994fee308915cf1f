// What the project logic needs from the program around it: message boxes, file
// dialogs, the name dialog, opening documents and the main-document settings.
// The window implements it; tests answer it.
#pragma once

#include <QString>
#include <QStringList>

class ProjectHost
{
public:
    virtual ~ProjectHost() = default;

    // Message box with an exclamation icon and an OK button.
    virtual void showMessage(const QString &text) = 0;
    // Question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;

    // File dialogs. Filters are in the program's own "Text|pattern|" form
    // (see ProjectPaths::dialogFilters). Cancel gives an empty result.
    virtual QString getOpenFileName(const QString &title, const QString &filter) = 0;
    virtual QStringList getOpenFileNames(const QString &title, const QString &filter) = 0;
    virtual QString getSaveFileName(const QString &title, const QString &filter,
                                    const QString &defaultSuffix, const QString &proposedName) = 0;
    // The dialog "Projektnamen eingeben"; false when cancelled.
    virtual bool askProjectName(QString *name) = 0;

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
