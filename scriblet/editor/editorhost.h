// What the editor commands need from the main window: the views of the open
// documents. Questions to the user go through the Prompter. The main window's
// wiring implements it.
#pragma once

#include <QList>

class CShellView;

class EditorHost
{
public:
    virtual ~EditorHost() = default;
    // The view of the active document window; null when none is open.
    virtual CShellView *activeView() const = 0;
    // The view of every open document, in window order.
    virtual QList<CShellView *> views() const = 0;
    // A view has background colouring to do: idle processing should run.
    virtual void scheduleBackgroundWork() = 0;
};
