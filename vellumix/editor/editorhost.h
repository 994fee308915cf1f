// What an editor needs from the frame that holds it: the highlighting fonts, the
// background colour, the option flags, the main file and the few frame operations an
// editor triggers. FrameEditorHost serves it from the frame; tests implement it with
// a plain struct.
#pragma once

#include "common/tokenclass.h"

#include <QColor>
#include <QString>

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
    virtual QString mainFile() const { return QString(); }

    // The recent-file list: put a path at the front; replace the first entry.
    virtual void addRecentFile(const QString &path) { (void)path; }
    virtual void replaceFirstRecentFile(const QString &path) { (void)path; }
    // Opens a file in an editor (format 1 plain, 2 DOS OEM, 3 Unix; line <= 0: none).
    virtual void openFile(const QString &path, int format, int line) { (void)path; (void)format; (void)line; }
    // Hands a file to the desktop's opener with a working directory.
    virtual bool openWithDesktop(const QString &path, const QString &workingDir) { (void)path; (void)workingDir; return false; }
    // Runs a command line without placeholder expansion or working directory.
    virtual bool runCommandLine(const QString &commandLine) { (void)commandLine; return false; }
    // Makes path the main file.
    virtual void setMainFile(const QString &path) { (void)path; }

    // Fonts and options as shipped, for an editor without a frame.
    static EditorHost *defaultHost();
};
