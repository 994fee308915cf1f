// The settings record of Vellumix and the settings file behind it.
//
// The frame reads the whole file once when it is created (read()) and writes it once
// when it closes (writeAtExit()); nothing is written in between. Every key is declared
// once, in the key table of vellumixsettings.cpp, which drives both directions; its
// default is the member's initialiser below. Sections and keys:
//   [General]  version
//   [View]     wordWrap statusBar speedBar WindowBar, <prefix>fontName/fontSize/
//              fontColor/fontStyle for the seven classes, backgroundColor
//   [Options]  lineSpecials createBackup syntaxColoring spellChecker
//   [TeX]      Compile LogFile Preview
//   [External Programs], [Buttons]   caption=value lists
//   [Recent]   0..9          [WindowSize] height width left top state
//   [ChildWindows] state/top/left/height/width/pos/name + n   [ChildState] WasMaximized
//   [ChildFormats] format + n: the format (as the open dialog numbers them) a remembered
//              editor's file must be read in, written only where it is not plain; a
//              section of its own, so that [ChildWindows] stays as older releases read it
//   [MainFile] Name          [Toolboxes] visibility and bounds of the toolboxes
// ([Network] belongs to SettingsLocation.) Colours are 0x00BBGGRR; a value with the
// top bit set names a system colour.
#pragma once

#include "common/programtemplates.h"
#include "common/tokenclass.h"

#include <QList>
#include <QString>
#include <QStringList>

class Profile;

// The version written at exit; files below SettingsVersionNewButtons come from an
// older release, whose four speed-bar buttons were built in.
inline constexpr int SettingsVersionWritten = 61;
inline constexpr int SettingsVersionNewButtons = 50;

// One "caption=value" entry of [External Programs] or [Buttons], in file order.
struct NamedValue {
    QString key;
    QString value;
    bool operator==(const NamedValue &) const = default;
};

// One remembered editor of [ChildWindows]; state 0 normal, 1 minimised, 2 maximised.
struct ChildWindowRecord {
    int state = 0;
    int top = 0;
    int left = 0;
    int height = 100;
    int width = 100;
    int pos = 0;      // caret offset
    QString name;     // full path
    int format = 1;   // 1 plain, 2 DOS OEM: how the file on disk is read again
    bool operator==(const ChildWindowRecord &) const = default;
};

// Visibility and bounds of the toolboxes and the spell-check window; the windows
// themselves read these when they are created.
struct ToolboxSettings {
    bool mathBoxVisible = false;
    bool greekBoxVisible = false;
    bool symbolBoxVisible = false;
    bool templBoxVisible = false;
    bool spellCheckVisible = false;
    int mathLeft = 382, mathTop = 178;
    int greekLeft = 600, greekTop = 213;
    int symbolLeft = 551, symbolTop = 179;
    int spellCheckLeft = 277, spellCheckTop = 198;
    int templLeft = 135, templTop = 116, templWidth = 243, templHeight = 217;
    bool operator==(const ToolboxSettings &) const = default;
};

// The system window colour (the old platform's COLOR_WINDOW with the system bit).
inline constexpr quint32 SystemWindowColor = 0x80000005u;

struct VellumixSettings {
    int version = 0;  // [General] version of the file the settings were read from

    // [View]
    bool wordWrap = false;
    bool statusBar = true;
    bool speedBar = true;
    bool windowBar = true;
    ClassFonts fonts = defaultFonts();
    quint32 backgroundColor = SystemWindowColor;

    // [Options]
    bool lineSpecials = false;
    bool createBackup = true;
    bool syntaxColoring = true;
    QString spellChecker;

    ProgramTemplates templates;  // [TeX]

    QList<NamedValue> externalPrograms;
    QList<NamedValue> buttons;
    QStringList recent;  // most recent first, at most ten

    // [WindowSize]; bounds are written only while the frame is not maximised.
    int height = 450, width = 600, left = 10, top = 10;
    QString windowState = QStringLiteral("wsNormal");

    QList<ChildWindowRecord> childWindows;  // in child order: number 0 first
    bool wasMaximized = false;
    QString mainFile;
    ToolboxSettings toolboxes;

    bool operator==(const VellumixSettings &) const = default;

    static ClassFonts defaultFonts();

    // [General] version of a file (0 when missing).
    static int readVersion(const Profile &file);

    // Reads every key; missing or unreadable keys keep their defaults (the Windows
    // release's Preview default gives way to this host's, see ProgramTemplates).
    void read(const Profile &file);

    // Writes everything at exit, in this order: options, bar visibility, the fonts,
    // background colour, the command strings, window state and bounds; the Buttons
    // migration; version 61 and the ten Recent keys; ChildState with ChildWindows;
    // MainFile; Toolboxes. programDirVersion is the version of the program-directory
    // file read at start-up (below 50: the Buttons migration runs). The file is
    // replaced once, with every key changed; false (and *error) when it could not
    // be, and then the old file is intact.
    bool writeAtExit(Profile &target, int programDirVersion, QString *error = nullptr) const;
};

// Class key prefixes in TokenClass order: "" (standard), "texCommand", ...
QString classPrefix(int tokenClass);
// "fsBold" "fsItalic" "fsUnderline" "fsStrikeout" for the set styles, in that order.
QString fontStyleText(const ClassFont &font);
// Sets each style whose word occurs anywhere in the text.
void applyFontStyleText(ClassFont &font, const QString &text);

// 0x00BBGGRR (or a system colour with the top bit set) to a colour and back.
QColor colorFromWin(quint32 value);
quint32 colorToWin(const QColor &color);
