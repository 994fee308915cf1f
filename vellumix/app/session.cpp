#include "app/session.h"

#include "app/editorarea.h"
#include "common/filenames.h"
#include "common/settingslocation.h"
#include "common/vellumixsettings.h"
#include "editor/teditform.h"
#include "platform/profile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>

namespace {

int clampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

} // namespace

Session::Session(VellumixSettings &settings, const SettingsLocation &location, EditorArea &area)
    : m_settings(settings), m_location(location), m_area(area)
{
}

void Session::restoreFrameBounds(QWidget &frame) const
{
    const int w = clampInt(m_settings.width, 200, 20000);
    const int h = clampInt(m_settings.height, 150, 20000);
    int left = clampInt(m_settings.left, -20000, 20000);
    int top = clampInt(m_settings.top, -20000, 20000);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableVirtualGeometry();
        if (!avail.intersects(QRect(left, top, w, h))) {
            left = avail.left() + 10;
            top = avail.top() + 10;
        }
    }
    frame.setGeometry(left, top, w, h);
}

void Session::restore()
{
    if (!m_settings.mainFile.isEmpty() && QFileInfo(m_settings.mainFile).isFile())
        QDir::setCurrent(QFileInfo(m_settings.mainFile).absolutePath());
    else
        m_settings.mainFile.clear();

    const QList<ChildWindowRecord> records = m_settings.childWindows;
    for (int n = int(records.size()) - 1; n >= 0; --n) {
        const ChildWindowRecord &r = records.at(n);
        if (r.name.isEmpty() || !QFileInfo(r.name).isFile())
            continue;
        // A DOS OEM file not saved since it was opened is read as DOS OEM again.
        const OpenFormat format = r.format == int(OpenFormat::DosOem) ? OpenFormat::DosOem : OpenFormat::Plain;
        TEditForm *e = m_area.loadEditor(r.name, format);
        if (!e)
            continue;
        QMdiSubWindow *w = m_area.subWindowOf(e);
        // Unreadable or absurd bounds must still give a usable window.
        w->setGeometry(clampInt(r.left, -5000, 5000), clampInt(r.top, -5000, 5000), clampInt(r.width, 60, 10000),
                       clampInt(r.height, 40, 10000));
        if (r.state == 1)
            w->showMinimized();
        else if (r.state == 2)
            w->showMaximized();
        else
            w->show();
        m_area.setActiveSubWindow(w);
        e->setCaretPosition(r.pos);
        // A converted DOS OEM file stays modified: it is not on disk as shown.
        e->setModified(format == OpenFormat::DosOem);
    }
    if (m_settings.wasMaximized)
        if (QMdiSubWindow *w = m_area.activeSubWindow())
            w->showMaximized();
}

bool Session::writeAtExit(const QWidget &frame, const QStringList &recent, QString *error)
{
    if (m_location.unavailable)
        return true;
    VellumixSettings &s = m_settings;
    if (frame.isMaximized()) {
        s.windowState = QStringLiteral("wsMaximized");
    } else {
        s.windowState = frame.isMinimized() ? QStringLiteral("wsMinimized") : QStringLiteral("wsNormal");
        const QRect g = frame.isMinimized() ? frame.normalGeometry() : frame.geometry();
        s.left = g.left();
        s.top = g.top();
        s.width = g.width();
        s.height = g.height();
    }
    s.recent = recent;

    s.childWindows.clear();
    QMdiSubWindow *activeWindow = m_area.activeSubWindow();
    s.wasMaximized = activeWindow && activeWindow->isMaximized();
    for (TEditForm *e : m_area.editorsInChildOrder()) {
        // Only editors whose file name has an extension are remembered (not "Unnamed1").
        if (FileNames::extension(e->fileName()).isEmpty())
            continue;
        QMdiSubWindow *w = m_area.subWindowOf(e);
        ChildWindowRecord r;
        r.state = w->isMinimized() ? 1 : (w->isMaximized() ? 2 : 0);
        if (r.state != 0)
            w->showNormal();
        r.top = w->y();
        r.left = w->x();
        r.height = w->height();
        r.width = w->width();
        r.pos = e->caretPosition();
        r.name = e->fileName();
        r.format = int(e->diskFormat());
        s.childWindows.append(r);
    }

    Profile target(m_location.target);
    return s.writeAtExit(target, m_location.programDirVersion, error);
}
