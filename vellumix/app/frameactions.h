// The frame's menu items as named members (their objectNames, "File1", "Save1", ...,
// stay for tests and accessibility), and the speed-bar command words. The features'
// wiring fills in the items their feature owns.
#pragma once

#include <QString>

class QAction;

struct FrameActions {
    // File1
    QAction *newFile = nullptr, *open = nullptr, *mainFile = nullptr, *save = nullptr, *saveAs = nullptr;
    QAction *fileExitSeparator = nullptr, *exit = nullptr;
    // Edit1
    QAction *undo = nullptr, *cut = nullptr, *copy = nullptr, *paste = nullptr;
    // View1
    QAction *speedBar = nullptr, *statusBar = nullptr, *windowBar = nullptr;
    // TeX1: MainFile2, then the program calls, then ExternalProgramsSeparator and
    // the external programs ExternalProgram<n>.
    QAction *openMainFile = nullptr, *externalProgramsSeparator = nullptr;
    // Templates1: the built-in templates, Graphics1, Figure1, then Document1 (the
    // document wizard) and the user templates' submenu.
    QAction *documentWizard = nullptr;
    // Window1
    QAction *tile = nullptr, *cascade = nullptr, *arrangeIcons = nullptr, *closeAll = nullptr;
    QAction *windowListSeparator = nullptr;
    // Options1: the four flags, then OptionsDialogsSeparator and the features' dialogs.
    QAction *lineSpecials = nullptr, *createBackups = nullptr, *syntaxHighlighting = nullptr, *wordWrap = nullptr;
    // Help1
    QAction *helpVellumix = nullptr, *helpLatex = nullptr, *info = nullptr;

    // Items of the features that speed-bar command words reach; null while the
    // feature is not there (its buttons are then disabled).
    QAction *compile = nullptr, *logFile = nullptr, *preview = nullptr;
    QAction *greekBox = nullptr, *mathBox = nullptr, *symbolBox = nullptr, *templateBox = nullptr;
};

// The command words of speed-bar buttons and the item each one triggers. A button
// with any other word (or none) runs its expanded command line.
struct SpeedCommandWord {
    const char *word;
    QAction *FrameActions::*action;
};

inline constexpr SpeedCommandWord SpeedCommandWords[] = {
    {"save", &FrameActions::save},           {"texmain", &FrameActions::compile},
    {"showlog", &FrameActions::logFile},     {"previewmain", &FrameActions::preview},
    {"new", &FrameActions::newFile},         {"quit", &FrameActions::exit},
    {"greekbox", &FrameActions::greekBox},   {"mathbox", &FrameActions::mathBox},
    {"symbolbox", &FrameActions::symbolBox}, {"templatebox", &FrameActions::templateBox},
};

// The entry of a command word; null when the word is none of them.
inline const SpeedCommandWord *findSpeedCommandWord(const QString &word)
{
    for (const SpeedCommandWord &w : SpeedCommandWords)
        if (word == QLatin1String(w.word))
            return &w;
    return nullptr;
}
