// Says once per run that the settings cannot be saved: at start when the settings
// file cannot be replaced, or later when a write fails (a full disk, a folder put
// in the file's place). Without it every change would be lost silently.
#pragma once

#include "platform/fileerror.h"

#include <QObject>

#include <functional>

class Profile;
class Prompter;

class SettingsFailureReport : public QObject
{
public:
    // canShow: false while a message box could not be answered (a waited tool
    // blocks input); the report then waits.
    SettingsFailureReport(Profile &profile, Prompter &prompter, std::function<bool()> canShow, QObject *parent);
    ~SettingsFailureReport() override;

    // The check at start: a file that cannot be read or a folder without write access.
    void checkAtStart();
    // Shows a report that still waits (the frame closes: no later turn of the event loop).
    void flush();
    bool said() const { return m_said; }

private:
    void writeFailed(const FileError &error);
    void showWhenPossible();
    void show(const FileError &error);

    Profile &m_profile;
    Prompter &m_prompter;
    std::function<bool()> m_canShow;
    FileError m_waiting;
    bool m_said = false;
};
