// What the program calls need of the window around them: the main file, the
// placeholders of the moment, the command templates, the editors (saved before a TeX
// file is named; the log and the sources opened in them at a line), the status of the
// compile and the one Prompter. The frame implements it (app/programcallswiring);
// tests implement it with a recording stand-in.
#pragma once

#include "common/programtemplates.h"
#include "programcalls/placeholders.h"

#include <QString>

class Prompter;

class ProgramCallsHost
{
public:
    virtual ~ProgramCallsHost() = default;

    // The error box "Unable to open ..." and the questions go here.
    virtual Prompter &prompter() = 0;
    // Saves every modified editor.
    virtual void saveModifiedEditors() = 0;

    // Full path of the main file; empty while none is set.
    virtual QString mainFile() const = 0;
    // File > "Main File...": lets the user choose the main file, makes it the main
    // file and opens it. False when the dialog was cancelled.
    virtual bool selectMainFile() = 0;
    // Main file, active editor and its caret line, line specials: what the
    // placeholders stand for right now.
    virtual PlaceholderContext placeholderContext() const = 0;
    QString expand(const QString &commandTemplate) const
    {
        return expandPlaceholders(commandTemplate, placeholderContext());
    }

    // Opens a file in an editor (plain format) and puts the caret on the line (1-based;
    // 0: none); a ".log" file is read afresh.
    virtual void openFile(const QString &path, int line = 0) = 0;
    // Puts the caret on the line in the editor that shows the file, if one does;
    // never loads the file.
    virtual void showLine(const QString &path, int line) = 0;
    // Shows the main file in the status bar.
    virtual void showMainFile(const QString &path) = 0;
    // Shows how the compile stands ("Compile finished: 1 error, 0 warnings").
    virtual void showStatus(const QString &text) = 0;

    // The command templates, kept with the window's settings.
    virtual ProgramTemplates templates() const = 0;
    virtual void setTemplates(const ProgramTemplates &templates) = 0;
};
