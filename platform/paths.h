// Path helpers and the well-known directories of both programs.
#pragma once

#include <QString>

namespace Paths {

// Part after the last '/' (or '\\'); the whole text when there is none.
QString fileNamePart(const QString &path);
// Part before the last '/' (or '\\'), without the separator; empty when there is none.
QString directoryPart(const QString &path);
// Directory of the running executable, without a trailing '/'.
QString programDirectory();
// Appends '/' unless the text already ends in '/' (empty stays empty).
QString withTrailingSlash(const QString &dir);

// Inputs of the Scriblet settings directory resolution, injectable for tests.
struct SettingsDirInputs {
    QString xdgConfigHome; // $XDG_CONFIG_HOME, may be empty
    QString home;          // $HOME, for the XDG default ~/.config
    QString userProfile;   // $USERPROFILE, may be empty
    QString programDir;    // directory of the executable
    static SettingsDirInputs fromEnvironment();
};

// The Scriblet settings directory, with a trailing '/':
// 1. the program's XDG configuration directory ($XDG_CONFIG_HOME/Scriblet, default
//    ~/.config/Scriblet), created when missing;
// 2. else USERPROFILE (one trailing separator dropped) when it names a directory;
// 3. else the program's directory.
QString scribletSettingsDir(const SettingsDirInputs &in = SettingsDirInputs::fromEnvironment());

} // namespace Paths
