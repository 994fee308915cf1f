// User templates of releases before settings version 50: three text files "names",
// "parts1" and "parts2" in one folder, one template per line (line k of each file
// belongs to template k); two section signs in a row stand for a line break.
// They are converted once into a template file.
#pragma once

#include "templates/usertemplates.h"

#include <QString>

namespace OldTemplateFiles {

// The warning shown when a converted file cannot be written.
inline constexpr char CouldNotTransformText[] = "Could not transform old template file to new format!";

// True when all three files exist in the folder.
bool existIn(const QString &folder);
// The templates of the three files: as many as "names" has lines; a missing line of
// a parts file is an empty part. "§§" becomes CR LF. Empty when a file is missing.
QList<UserTemplate> read(const QString &folder);

struct Conversion {
    QString programDir;
    QString settingsInUse;      // names the program directory's converted file
    QString perUserSettings;    // the per-user settings file (written at exit)
    bool perUserConfigured = false;
    int programDirVersion = 0;  // [General] version of the program directory's file
    int perUserVersion = 0;     // [General] version of the per-user file
    bool settingsUnavailable = false;
};

// Below version 50 the program directory's old files become a template file named
// after the settings file in use, in the program directory. A per-user settings file
// below version 50 with the old files beside it gets a template file beside it that
// holds the program directory's entries followed by its own. Nothing happens while
// settings are unavailable. False when a template file could not be written (*error
// says why; the caller shows CouldNotTransformText).
bool convert(const Conversion &c, QString *error = nullptr);

} // namespace OldTemplateFiles
