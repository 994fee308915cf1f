// What crash recovery and the disk watch need from the main window: the open
// documents, opening one, showing a restored one, and the caret line of its view.
// The main window's wiring implements it.
#pragma once

#include <QList>
#include <QString>

class CShellDoc;

class RecoveryHost
{
public:
    virtual ~RecoveryHost() = default;
    virtual QList<CShellDoc *> openDocuments() const = 0;
    // Opens the file in a window (or activates the open one); null, after a
    // message, when it cannot be read.
    virtual CShellDoc *openDocument(const QString &path) = 0;
    // Shows a document made here in a new window; the window takes ownership.
    virtual void showDocument(CShellDoc *doc) = 0;
    // 1-based caret line of the document's view; setting it keeps the view's scroll position.
    virtual int caretLine(CShellDoc *doc) const = 0;
    virtual void setCaretLine(CShellDoc *doc, int line) = 0;
    // The document's text was replaced from its file (colouring starts over).
    virtual void documentReloaded(CShellDoc *doc) = 0;
};
