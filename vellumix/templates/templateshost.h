// What the templates and the document wizard need of the window around them: the
// one Prompter and the insertion into the active editor. The frame implements it
// (app/templateswiring); tests implement it with a recording stand-in.
#pragma once

#include <QString>

class Prompter;

class TemplatesHost
{
public:
    virtual ~TemplatesHost() = default;
    virtual Prompter &prompter() = 0;
    // Wraps the active editor's selection in before and after and gives the focus
    // back to the window; nothing happens while no editor is open.
    virtual void insert(const QString &before, const QString &after) = 0;
};
