#include "app/editorarea.h"

#include "common/filenames.h"
#include "editor/teditform.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPixmap>

namespace {

// The editor form of a sub-window.
TEditForm *editFormOf(QMdiSubWindow *window) { return window ? qobject_cast<TEditForm *>(window->widget()) : nullptr; }

} // namespace

EditorArea::EditorArea(EditorHost &host, QWidget *parent) : QMdiArea(parent), m_host(host)
{
    setObjectName(QStringLiteral("MdiArea"));
    setAccessibleName(QStringLiteral("Documents"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
        if (!m_destroying)
            emit activeEditorChanged(editFormOf(w));
    });
}

TEditForm *EditorArea::activeEditor() const
{
    if (TEditForm *e = editFormOf(activeSubWindow()))
        return e;
    // While the frame itself is not active, the MDI area reports no active window.
    return editFormOf(currentSubWindow());
}

QList<TEditForm *> EditorArea::editors() const
{
    QList<TEditForm *> list;
    for (QMdiSubWindow *w : subWindowList(QMdiArea::CreationOrder))
        if (TEditForm *e = editFormOf(w))
            list.append(e);
    return list;
}

QList<TEditForm *> EditorArea::editorsInChildOrder() const
{
    QList<TEditForm *> list;
    const QList<QMdiSubWindow *> history = subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.crbegin(); it != history.crend(); ++it)
        if (TEditForm *e = editFormOf(*it))
            list.append(e);
    return list;
}

QMdiSubWindow *EditorArea::subWindowOf(TEditForm *editor) const
{
    return editor ? qobject_cast<QMdiSubWindow *>(editor->parentWidget()) : nullptr;
}

TEditForm *EditorArea::editorOf(const QString &path) const
{
    TEditForm *found = nullptr;
    for (TEditForm *e : editors())
        if (e->fileName() == path)
            found = e;
    return found;
}

void EditorArea::addEditor(TEditForm *editor)
{
    QMdiSubWindow *w = addSubWindow(editor);
    // Closing an editor destroys it (the sub-window owns the form).
    w->setAttribute(Qt::WA_DeleteOnClose);
    // No program icon in the editors' title bars: an empty, transparent one.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    w->setWindowIcon(QIcon(blank));
    w->setMinimumSize(60, 40);
    connect(editor, &QObject::destroyed, this, [this, editor] { emit editorRemoved(editor); });
    emit editorAdded(editor);
}

void EditorArea::giveUsefulSize(QMdiSubWindow *window) const
{
    // Before the frame is first shown the area has no real size yet.
    QSize room = viewport()->size();
    if (!isVisible() || room.width() < 320 || room.height() < 240)
        room = room.expandedTo(QSize(800, 600));
    if (subWindowList().size() <= 1)
        window->setGeometry(QRect(QPoint(0, 0), room));
    else
        window->resize(room * 3 / 4);
}

TEditForm *EditorArea::newEditor(const QString &caption)
{
    auto *e = new TEditForm(&m_host);
    e->setCaption(caption);
    addEditor(e);
    giveUsefulSize(subWindowOf(e));
    subWindowOf(e)->show();
    activate(e);
    return e;
}

TEditForm *EditorArea::loadEditor(const QString &path, OpenFormat format)
{
    auto *e = new TEditForm(&m_host);
    // The editor reads the format (a DOS OEM file is converted and marked modified)
    // and reports a file it cannot read.
    if (!e->loadFromFile(path, format)) {
        delete e;
        return nullptr;
    }
    addEditor(e);
    return e;
}

TEditForm *EditorArea::openFile(const QString &path, OpenFormat format, int line, bool *loaded)
{
    if (loaded)
        *loaded = false;
    TEditForm *existing = editorOf(path);
    if (existing && FileNames::extension(path) == QLatin1String(".log")) {
        // A log is always read afresh.
        subWindowOf(existing)->close();
        existing = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (existing) {
        activate(existing);
        existing->goToLine(line);
        return existing;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TEditForm *e = loadEditor(path, format);
    QApplication::restoreOverrideCursor();
    if (!e)
        return nullptr;
    giveUsefulSize(subWindowOf(e));
    subWindowOf(e)->show();
    activate(e);
    e->goToLine(line);
    if (loaded)
        *loaded = true;
    return e;
}

void EditorArea::activate(TEditForm *editor)
{
    QMdiSubWindow *w = subWindowOf(editor);
    if (!w)
        return;
    if (w->isMinimized())
        w->showNormal();
    setActiveSubWindow(w);
    editor->setFocus();
}

void EditorArea::closeAll()
{
    const int count = int(editors().size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *w = activeSubWindow();
        if (!w)
            w = currentSubWindow();
        if (!w && !subWindowList().isEmpty())
            w = subWindowList().last();
        if (!w || !w->close())
            break;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void EditorArea::arrangeIcons()
{
    int x = 0;
    const int bottom = viewport()->height();
    for (QMdiSubWindow *w : subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

void EditorArea::destroyEditors()
{
    m_destroying = true;
    qDeleteAll(subWindowList());
}
