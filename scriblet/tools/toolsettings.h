// The tool settings as values: the five built-in tools, the ten user tools and the
// main document, with the sections and keys of "Scriblet.ini" that hold them.
#pragma once

#include <QString>
#include <array>

class Profile;

struct BuiltinTool {
    QString exe;
    QString cmd;
    int runtex = 1;   // run LaTeX first (not used by LaTeX itself)
    int rundvips = 1; // run DVIPS first (PostScript viewer only)
    bool operator==(const BuiltinTool &) const = default;
};

struct UserTool {
    QString name;
    QString exe;
    QString cmd;
    int runtex = 1;
    int rundvips = 1;
    bool operator==(const UserTool &) const = default;
};

struct ToolSettings {
    static constexpr int UserToolCount = 10;

    BuiltinTool tex;       // "TeX Settings": exe, cmd
    BuiltinTool bibtex;    // "BibTeX Settings": exe, cmd, runtex
    BuiltinTool dviwin;    // "DVIWin Settings": exe, cmd, runtex
    BuiltinTool dvips;     // "DVIPS Settings": exe, cmd, runtex
    BuiltinTool ghostview; // "GhostView Settings": exe, cmd, rundvips, runtex
    std::array<UserTool, UserToolCount> user;
    QString maintex;       // file name of the main document; empty means the active document
    QString mainpath = QStringLiteral(".");
    // The DVI file is newer than the last DVIPS output. Not stored.
    int dviChanged = 1;

    bool operator==(const ToolSettings &) const = default;

    // Built-in defaults; the viewers' executables are the given default viewers.
    static ToolSettings defaults(const QString &dviViewer, const QString &psViewer);

    // Reads the five tool sections and the ten user tools, with the defaults above
    // (the viewer defaults are the given programs). The main document is not read.
    void readTools(const Profile &profile, const QString &dviViewer, const QString &psViewer);
    // Reads "TeX Settings" "maintex" and "mainpath".
    void readMainDocument(const Profile &profile);

    // Writes every tool key, in the order BibTeX, TeX, DVI viewer, DVIPS, PostScript
    // viewer, then the user tools 0..9. False when the file could not be written.
    bool writeToolKeys(Profile &profile) const;
    // Writes "TeX Settings" "maintex" and "mainpath".
    bool writeMainDocument(Profile &profile) const;
};
