// The settings record of the Vellumix frame and the settings file behind it.
//
// The frame reads the whole file once when it is created (read()) and writes it once
// when it closes (writeAtExit()); nothing is written in between. Sections and keys:
//   [General]  version
//   [Network]  network, userIni, alternativeIni          (read only, program-directory file)
//   [View]     wordWrap statusBar speedBar WindowBar, <prefix>fontName/fontSize/
//              fontColor/fontStyle for the seven classes, backgroundColor
//   [Options]  lineSpecials createBackup syntaxColoring spellChecker
//   [TeX]      Compile LogFile Preview
//   [External Programs], [Buttons]   caption=value lists
//   [Recent]   0..9          [WindowSize] height width left top state
//   [ChildWindows] state/top/left/height/width/pos/name + n   [ChildState] WasMaximized
//   [MainFile] Name          [Toolboxes] visibility and bounds of the toolboxes
// Colours are 0x00BBGGRR; a value with the top bit set names a system colour.
#pragma once

#include "common/tokenclass.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <functional>
#include <optional>

class Profile;

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

struct VellumixSettings {
    int version = 0;  // [General] version of the file the settings were read from

    // [View]
    bool wordWrap = false;
    bool statusBar = true;
    bool speedBar = true;
    bool windowBar = true;
    ClassFonts fonts = defaultFonts();
    quint32 backgroundColor = 0x80000005u;  // the system window colour

    // [Options]
    bool lineSpecials = false;
    bool createBackup = true;
    bool syntaxColoring = true;
    QString spellChecker;

    // [TeX]
    QString compile = defaultCompile();
    QString logFile = defaultLogFile();
    QString preview = defaultPreview();

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
    static QString defaultCompile() { return QStringLiteral("latex --src-specials %F.tex"); }
    static QString defaultLogFile() { return QStringLiteral("%P%F.log"); }
    static QString defaultPreview() { return QStringLiteral("yap -1 -s %l%f%e \"%P%F.dvi\""); }

    // Reads every key; missing or unreadable keys keep their defaults.
    void read(const Profile &file);

    // Writes everything at exit, in this order: options, bar visibility, the fonts,
    // background colour, the four command strings, window state and bounds; the
    // Buttons migration; version 61 and the ten Recent keys; ChildWindows with
    // ChildState; MainFile; Toolboxes. programDirVersion is the version of the
    // program-directory file read at start-up (decides the Buttons migration).
    // False when a write failed (error in *error).
    // The file is replaced once, with all keys changed.
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

// The prepared character format of a class font (face, size, colour, four styles).
QTextCharFormat charFormatFor(const ClassFont &font);

// Where the settings come from and go to.
struct SettingsLocation {
    QString programIni;   // Vellumix.ini in the program directory
    QString inUse;        // the file the settings are read from
    QString target;       // the file written at exit (programIni without a per-user file)
    int programDirVersion = 0;
    bool unavailable = false;  // nothing is ever written
    QString error;             // message to show, e.g. "Could not create user ini file!"
};

inline constexpr const char *CouldNotCreateUserIniText = "Could not create user ini file!";

using EnvironmentLookup = std::function<std::optional<QString>(const QString &name)>;
// The process environment.
EnvironmentLookup processEnvironment();

// Replaces every "%NAME%" by the variable's value; text outside the pairs (also an
// unpaired trailing piece) is copied unchanged; any undefined variable makes the
// whole result empty.
QString expandEnvironmentText(const QString &text, const EnvironmentLookup &env);

// Resolves the settings file from the program directory's Vellumix.ini and its
// [Network] section; creates the per-user file when it is named but missing.
SettingsLocation resolveSettingsLocation(const QString &programDir, const EnvironmentLookup &env = processEnvironment());
