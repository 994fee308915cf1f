// What the toolboxes and the graphics and figure dialogs need of the window around
// them: the one Prompter, the insertion into the active editor, the focus, the user
// templates (names shown in the user-templates toolbox, insertion of one of them)
// and the help file. The frame implements it (app/toolboxeswiring); tests implement
// it with a recording stand-in.
#pragma once

#include <QString>
#include <QStringList>

class Prompter;

class ToolboxHost
{
public:
    virtual ~ToolboxHost() = default;
    virtual Prompter &prompter() = 0;
    // Wraps the active editor's selection in before and after and gives the focus
    // back to the window; nothing happens while no editor is open.
    virtual void insert(const QString &before, const QString &after) = 0;
    // Gives the focus back to the window (and its active editor).
    virtual void focusFrame() = 0;
    // The user templates' names in order, and the insertion of template k (from 0).
    virtual QStringList userTemplateNames() const = 0;
    virtual void insertUserTemplate(int index) = 0;
    // Shows a topic of the program's help file.
    virtual void showHelp(const QString &topic) = 0;
};
