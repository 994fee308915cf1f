// What the settings file remembers of a run, and how it comes back: at start-up the
// main file (the current directory follows it) and the editors, restored in reverse
// order of their numbers with their bounds, state and caret; at exit the window's
// state and bounds, the recent files and the open editors, written in one go.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class EditorArea;
class QWidget;
struct SettingsLocation;
struct VellumixSettings;

class Session
{
public:
    Session(VellumixSettings &settings, const SettingsLocation &location, EditorArea &area);

    // The frame's remembered bounds; unreadable or absurd ones still give a usable
    // window on the screen.
    void restoreFrameBounds(QWidget &frame) const;
    // Stored bounds made usable on screens with these available areas (the primary
    // one first): never larger than the screen the window is on, and a window that
    // would be off every screen goes back onto the primary one.
    static QRect boundedFrameGeometry(const QRect &stored, const QList<QRect> &screens);

    // Restore at start-up (after every window exists). A main file that no longer
    // exists is cleared; remembered files that no longer exist are skipped.
    void restore();

    // Takes the frame's state and bounds (bounds only while it is not maximised), the
    // recent list and the editors (those whose file name has an extension, in child
    // order; a maximised or minimised one is set to normal for its bounds) into the
    // settings and writes them to the target file. Nothing is written while settings
    // are unavailable. False (and *error) when the file could not be written.
    bool writeAtExit(const QWidget &frame, const QStringList &recent, QString *error);

private:
    VellumixSettings &m_settings;
    const SettingsLocation &m_location;
    EditorArea &m_area;
};
