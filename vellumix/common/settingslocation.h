// Where Vellumix's settings come from and go to: Vellumix.ini in the program
// directory, or the per-user file its [Network] section names.
#pragma once

#include <QString>
#include <functional>
#include <optional>

using EnvironmentLookup = std::function<std::optional<QString>(const QString &name)>;
// The process environment.
EnvironmentLookup processEnvironment();

// Replaces every "%NAME%" by the variable's value; text outside the pairs (also an
// unpaired trailing piece) is copied unchanged; any undefined variable makes the
// whole result empty.
QString expandEnvironmentText(const QString &text, const EnvironmentLookup &env);

struct SettingsLocation {
    QString programIni;   // Vellumix.ini in the program directory
    QString inUse;        // the file the settings are read from
    QString target;       // the file written at exit (programIni without a per-user file)
    int programDirVersion = 0;  // [General] version of programIni
    bool unavailable = false;   // nothing is ever written
    QString error;              // message to show, e.g. "Could not create user ini file!"

    static constexpr const char *CouldNotCreateUserIniText = "Could not create user ini file!";

    // Resolves the settings file from the program directory's Vellumix.ini and its
    // [Network] section; creates the per-user file when it is named but missing
    // (this run then still reads the program-directory file).
    static SettingsLocation resolve(const QString &programDir, const EnvironmentLookup &env = processEnvironment());
};
