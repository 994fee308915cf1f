// What the editor feature needs of the window around it: the highlighting fonts,
// the background colour and option flags, the main file, the one Prompter, the open
// editors, and the few operations an editor or an editor command triggers. The frame
// implements it (app/editorwiring); tests implement it with a recording stand-in.
#pragma once

#include "common/openformat.h"
#include "common/tokenclass.h"

#include <QColor>
#include <QList>
#include <QString>

class Prompter;
class TEditForm;

struct EditorOptions {
    bool wordWrap = false;
    bool lineSpecials = false;
    bool createBackup = true;
    bool syntaxColoring = true;
    bool operator==(const EditorOptions &) const = default;
};

class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual ClassFonts classFonts() const = 0;
    virtual QColor backgroundColor() const = 0;
    virtual EditorOptions editorOptions() const = 0;
    // Full path of the main file, empty when none is set.
    virtual QString mainFile() const = 0;
    // Every question and message of the editors and their commands goes here.
    virtual Prompter &prompter() = 0;

    // The active editor (null without one) and the open editors in creation order.
    virtual TEditForm *activeEditor() const = 0;
    virtual QList<TEditForm *> editors() const = 0;

    // The recent-file list: put a path at the front; replace the first entry.
    virtual void addRecentFile(const QString &path) = 0;
    virtual void replaceFirstRecentFile(const QString &path) = 0;
    // Opens a file in an editor (line <= 0: none).
    virtual void openFile(const QString &path, OpenFormat format, int line) = 0;
    // The context menu's Open of a file that is not a TeX source: the desktop opens
    // it, in workingDir. False when that failed (the host has said so).
    virtual bool openDocument(const QString &path, const QString &workingDir) = 0;
    // The context menu's Execute: runs a command line as it is, without a working
    // directory.
    virtual void runCommandLine(const QString &commandLine) = 0;
    // The appearance dialog's OK: the window takes the fonts and the background
    // colour (the editors are recoloured afterwards by the caller).
    virtual void setAppearance(const ClassFonts &fonts, const QColor &background) = 0;
    // Asked before a save writes over path: false keeps the file as it is (another
    // program changed it since it was loaded and the user keeps that version).
    virtual bool confirmOverwrite(const QString &path)
    {
        Q_UNUSED(path);
        return true;
    }
};
