// Buttons of the speed bar: four fixed buttons for settings older than version 50,
// then one per [Buttons] entry "caption=<command>$hint$command line".
#pragma once

#include "common/vellumixsettings.h"

#include <QList>
#include <QString>

struct SpeedButton {
    QString caption;
    QString command;      // command word ("save", "texmain", ...) or empty
    QString hint;
    QString commandLine;  // run (after placeholder expansion) for other command words
    bool operator==(const SpeedButton &) const = default;
};

// Parses one entry: "<word>" at the start is the command word; then "$hint$" or,
// without a leading "$", the whole rest is the hint; the rest is the command line.
SpeedButton parseSpeedButton(const QString &caption, const QString &definition);

// The buttons for the settings in use, in order.
QList<SpeedButton> speedButtons(int settingsVersion, const QList<NamedValue> &entries);
