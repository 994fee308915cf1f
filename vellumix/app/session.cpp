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
    const QRect stored(clampInt(m_settings.left, -100000, 100000), clampInt(m_settings.top, -100000, 100000),
                       clampInt(m_settings.width, 1, 100000), clampInt(m_settings.height, 1, 100000));
    QList<QRect> screens;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    frame.setGeometry(boundedFrameGeometry(stored, screens));
}

QRect Session::boundedFrameGeometry(const QRect &stored, const QList<QRect> &screens)
{
    // A huge window costs memory and seconds at every start; one nobody can reach is lost.
    const int minW = 200, minH = 150, minVisible = 50;
    QRect target = screens.isEmpty() ? QRect(0, 0, 1024, 768) : screens.constFirst();
    qint64 best = 0;
    for (const QRect &screen : screens) {
        const QRect common = screen.intersected(stored);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > best) {
            best = area;
            target = screen;
        }
    }
    const int w = qBound(qMin(minW, target.width()), stored.width(), target.width());
    const int h = qBound(qMin(minH, target.height()), stored.height(), target.height());
    QRect bounds(stored.left(), stored.top(), w, h);
    const QRect visible = target.intersected(bounds);
    if (visible.width() < qMin(minVisible, w) || visible.height() < qMin(minVisible, h)) {
        const QRect primary = screens.isEmpty() ? target : screens.constFirst();
        bounds.setSize(QSize(qMin(w, primary.width()), qMin(h, primary.height())));
        bounds.moveTopLeft(primary.topLeft() + QPoint(qMin(10, primary.width() - bounds.width()),
                                                      qMin(10, primary.height() - bounds.height())));
    }
    return bounds;
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
