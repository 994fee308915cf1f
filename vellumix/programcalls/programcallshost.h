// What the program calls need of the window around them: the main file, placeholder
// expansion, the command templates, the editors (saved before a TeX file is named,
// the log opened in one), the one Prompter and the desktop's opener. The frame
// implements it (app/programcallswiring); tests implement it with a recording stand-in.
#pragma once

#include "common/programtemplates.h"

#include <QString>

class Prompter;

class ProgramCallsHost
{
public:
    virtual ~ProgramCallsHost() = default;

    // The error box "Unable to open ..." and the main-file dialog's questions go here.
    virtual Prompter &prompter() = 0;
    // Saves every modified editor.
    virtual void saveModifiedEditors() = 0;
    // Hands a document, directory or URL to the desktop opener; the default uses the
    // host's opener (xdg-open).
    virtual bool openWithDesktop(const QString &target, const QString &workingDir, QString *error);

    // Full path of the main file; empty while none is set.
    virtual QString mainFile() const = 0;
    // File > "Main File...": lets the user choose the main file, makes it the main
    // file and opens it. False when the dialog was cancelled.
    virtual bool selectMainFile() = 0;
    // Placeholder expansion of a command template (main file, active editor).
    virtual QString expand(const QString &commandTemplate) const = 0;
    // Opens a file in an editor (plain format, no line); a ".log" file is read afresh.
    virtual void openFile(const QString &path) = 0;
    // Shows the main file in the status bar.
    virtual void showMainFile(const QString &path) = 0;
    // The command templates, kept with the window's settings.
    virtual ProgramTemplates templates() const = 0;
    virtual void setTemplates(const ProgramTemplates &templates) = 0;
};
