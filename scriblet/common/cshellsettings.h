// Scriblet's settings: the one settings object of the process and the file
// "Scriblet.ini" behind it.
//
// Every value lives in the settings file in the settings directory; reads happen
// at main-frame creation in a fixed order (readAll()), writes happen key by key at
// the moment a setting changes. Each section and key is declared once, in the key
// tables of cshellsettings.cpp, which drive both the reads and the writes. Nothing is cached for a later write except the
// page-setup texts (written at exit when they changed) and the window placement
// (written when the main window closes).
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "platform/profile.h"

// Version text written at every main-frame creation; a different stored text
// resets the main toolbar's stored buttons.
inline constexpr const char *ScribletVersion = "2.0r";

// One TeX tool: executable, command template and the run-first flags. Only the
// flags a section actually has are read and written (see CShellSettings).
struct ToolSettings {
    QString exe;
    QString cmd;
    int runtex = 1;
    int rundvips = 1;
    bool operator==(const ToolSettings &) const = default;
};

struct UserToolSettings {
    QString name;
    QString exe;
    QString cmd;
    int rundvips = 1;
    int runtex = 1;
    bool operator==(const UserToolSettings &) const = default;
};

// The fields of the stored editor font (a Windows logical font). The byte-sized
// fields keep the low 8 bits of the stored integer.
struct EditorFont {
    int height = -13;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    quint8 italic = 0;
    quint8 underline = 0;
    quint8 strikeOut = 0;
    quint8 charSet = 0;
    quint8 outPrecision = 3;
    quint8 clipPrecision = 2;
    quint8 quality = 1;
    quint8 pitchAndFamily = 49;
    QString faceName = QStringLiteral("Courier New"); // at most 31 characters
    bool operator==(const EditorFont &) const = default;
};

// Main window placement as stored in "General Settings"/"WindowPos":
// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
struct WindowPlacement {
    unsigned flags = 0;    // 2 = restore to maximised
    unsigned showCmd = 1;  // 1 normal, 2 minimised, 3 maximised
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0; // normal rectangle
    bool operator==(const WindowPlacement &) const = default;

    // All ten numbers must parse (sscanf rules: blanks before a number are skipped,
    // the commas must follow directly, trailing text is ignored); else nullopt.
    static std::optional<WindowPlacement> parse(const QString &text);
    QString format() const;
};

// Indices of the seven colours, in their fixed order.
enum ColourIndex {
    ColourCurlyBraces = 0,
    ColourSquareBrackets,
    ColourComment,
    ColourNormalText,
    ColourMathMode,
    ColourCommands,
    ColourBackground,
    ColourCount
};

// Indices of the seven umlaut replacements ("Umlaute" section).
enum UmlautIndex { UmlautAe = 0, UmlautAeCap, UmlautOe, UmlautOeCap, UmlautUe, UmlautUeCap, UmlautSz, UmlautCount };

class CShellSettings
{
public:
    // settingsDir: directory of "Scriblet.ini", with or without trailing '/'.
    explicit CShellSettings(const QString &settingsDir = QString());
    ~CShellSettings();

    void setSettingsDir(const QString &dir);
    // With trailing '/'.
    const QString &settingsDir() const { return m_settingsDir; }
    QString iniPath() const;
    Profile &profile() { return *m_profile; }
    const Profile &profile() const { return *m_profile; }

    // --- Reads at main-frame creation -------------------------------------
    // In order: version check and version write, BibTeX, TeX, DVI viewer, DVIPS,
    // PostScript viewer, TeX maintex/mainpath, umlauts, colours, wrap mode, user
    // tools, font. Returns true when the stored version differed from "2.0r".
    bool readAll();
    // Writes "General Settings-Scriblet-0"/"Buttons" empty when the stored version
    // differs, then writes the current version. Returns true when it differed.
    bool checkVersion();
    QString storedVersion() const;
    void readToolSettings();
    void readMainDocument();
    void readUmlauts();
    void readColours();
    void readWrapMode();
    void readUserTools();
    // Reads "Font": stops after "Height" when it is 0 (hasFont() false then).
    void readFont();

    // --- Tool settings (written all at once by the program-calls dialog) ----
    ToolSettings bibtex;    // "BibTeX Settings": exe, cmd, runtex
    ToolSettings tex;       // "TeX Settings": exe, cmd
    ToolSettings dviViewer; // "DVIWin Settings": exe, cmd, runtex
    ToolSettings dvips;     // "DVIPS Settings": exe, cmd, runtex
    ToolSettings psViewer;  // "GhostView Settings": exe, cmd, rundvips, runtex
    std::array<UserToolSettings, 10> userTools;
    bool writeToolSettings();
    bool writeUserTools();

    // Lookups for the viewer defaults; replaceable for tests. Evaluated by
    // readToolSettings() at every main-frame creation.
    std::function<QString()> dviViewerLookup;
    std::function<QString()> psViewerLookup;

    // The DVI file is newer than the last DVIPS output.
    int dviChanged = 1;

    // --- Main document --------------------------------------------------------
    // maintex: file name without directory, empty = the active document.
    const QString &mainTex() const { return m_mainTex; }
    const QString &mainPath() const { return m_mainPath; }
    // Stores both, writes them to "TeX Settings" at once and makes mainPath the
    // current directory. False when the file could not be written.
    bool setMainDocument(const QString &mainPath, const QString &mainTex);
    // Splits a full path at its last separator ("." when there is none) and calls
    // the setter above.
    bool setMainDocumentPath(const QString &fullPath);
    static void splitMainDocument(const QString &fullPath, QString *mainPath, QString *mainTex);
    // Makes mainPath the current directory; false when it does not exist.
    bool enterMainPath() const;

    // --- Editor ------------------------------------------------------------------
    std::array<QString, UmlautCount> umlauts;
    // Writes the seven replacements to "Umlaute" in the order of UmlautIndex.
    bool writeUmlauts();
    // Replacement for a typed character while the language is German; nullopt
    // for any other character or language.
    std::optional<QString> umlautReplacement(QChar typed) const;
    int syntaxHighlighting = 0;
    // 0x00BBGGRR values, see ColourIndex.
    std::array<unsigned, ColourCount> colours{};
    static unsigned defaultColour(ColourIndex index);
    // Writes the seven colours to "Farben" in the order "Eckige Klammern",
    // "Geschweifte Klammern", "Bemerkung", "MatheMode", "LaTex Befehle", "Normaler
    // Text", "Hintergrund", then "Syntax Highlightning" (0 or 1).
    bool writeColours();

    // Keyword lists, built once at start from the keyword files: " \\" and the
    // keyword for every command line, the one-character non-letter lines, " " and
    // the keyword for every environment line.
    QString commandList;
    QString controlSymbols;
    QString environmentList;
    int wrapMode = 0;
    // Toggles or sets the wrap mode and writes "General"/"WrapMode" at once.
    bool setWrapMode(int mode);

    EditorFont font;
    bool hasFont() const { return m_hasFont; }
    // Writes all fourteen keys in order; nothing when the height is 0.
    bool writeFont(const EditorFont &f);

    // Ten keyboard macros Shift+F1..F10 (name and text with "\n" line
    // separators), filled from the macros file at main-frame creation.
    std::array<QString, 10> macroNames;
    std::array<QString, 10> macroTexts;

    // --- Language ----------------------------------------------------------------
    // 0 German, 1 English, 2 French.
    int language = 0;
    // Reads "General"/"Language" (99 when never chosen) and returns it; stores
    // it in `language` unless it is 99.
    int readLanguage();
    bool setLanguage(int index);
    // Directory of the language files (not stored); empty: beside the executable.
    QString languageDir;

    // --- Page setup (read at start-up, written at exit when changed) ------------
    QString pageHeader;
    QString pageFooter;
    // The defaults are the string table's texts 33119 and 33117.
    void readPageSetup(const QString &headerDefault, const QString &footerDefault);
    bool writePageSetupIfChanged();

    // --- Window placement ------------------------------------------------------
    std::optional<WindowPlacement> readWindowPlacement() const;
    bool writeWindowPlacement(const WindowPlacement &p);

    // --- Runtime positioning request (not stored) ---------------------------
    int goToLine = 0;          // 0 = none; lines count from 1
    QString searchText1;       // both must occur in the wanted line
    QString searchText2;

    // Error text of the last failed write.
    QString lastError() const { return m_profile->lastError(); }

private:
    QString m_settingsDir;
    std::unique_ptr<Profile> m_profile;
    QString m_mainTex;
    QString m_mainPath = QStringLiteral(".");
    bool m_hasFont = false;
    QString m_readHeader;
    QString m_readFooter;
};

// Section and key names of the settings file.
namespace ShellIni {
inline const QString General = QStringLiteral("General");
inline const QString GeneralSettings = QStringLiteral("General Settings");
inline const QString TexSettings = QStringLiteral("TeX Settings");
inline const QString BibtexSettings = QStringLiteral("BibTeX Settings");
inline const QString DviSettings = QStringLiteral("DVIWin Settings");
inline const QString DvipsSettings = QStringLiteral("DVIPS Settings");
inline const QString PsSettings = QStringLiteral("GhostView Settings");
inline const QString UserToolsSettings = QStringLiteral("UserTools Settings");
inline const QString Umlaute = QStringLiteral("Umlaute");
inline const QString Farben = QStringLiteral("Farben");
inline const QString Font = QStringLiteral("Font");
inline const QString PageSetup = QStringLiteral("PageSetup");
inline const QString MainToolbarSection = QStringLiteral("General Settings-Scriblet-0");
} // namespace ShellIni
