// The frame's menu bar: the menus and items of the frame itself, kept up to date
// (enabled states when a menu opens, the editor menus shown only while an editor is
// open, the recent files, the external programs and the window list). The features'
// items are added by their wiring through addAction().
//
// Menus by objectName: File1 (with RecentMenu), Edit1, View1, Templates1, Toolboxes1,
// TeX1, Window1, Options1, Help1; items see FrameActions.
#pragma once

#include "app/frameactions.h"

#include <QList>
#include <QObject>

class QKeySequence;
class QMenu;
class TFrameForm;

class FrameMenus : public QObject
{
    Q_OBJECT
public:
    explicit FrameMenus(TFrameForm &frame);

    QMenu *file = nullptr;
    QMenu *recent = nullptr;
    QMenu *edit = nullptr;
    QMenu *view = nullptr;
    QMenu *templates = nullptr;
    QMenu *toolboxes = nullptr;
    QMenu *tex = nullptr;
    QMenu *window = nullptr;
    QMenu *options = nullptr;
    QMenu *help = nullptr;
    FrameActions actions;

    // Adds an item to a menu before `before` (at the end when null); an item with a
    // shortcut works while its menu is hidden.
    void addAction(QMenu *menu, QAction *action, QAction *before = nullptr);
    // The Edit, Templates and Window menus only while an editor is open (Templates and
    // Toolboxes only when they hold an item); Save and Save As only with an editor.
    void refreshVisibility();
    void refreshViewMenu();
    void refreshOptionsMenu();
    void rebuildRecentMenu();
    void rebuildExternalPrograms();

private:
    QMenu *makeMenu(const char *name, const QString &caption);
    QAction *addItem(QMenu *menu, const char *objectName, const QString &caption, const QKeySequence &shortcut);
    QAction *addItem(QMenu *menu, const char *objectName, const QString &caption);
    void createFileMenu();
    void createEditMenu();
    void createViewMenu();
    void createTexMenu();
    void createWindowMenu();
    void createOptionsMenu();
    void createHelpMenu();
    void refreshFileMenu();
    void refreshEditMenu();
    void rebuildWindowList();

    TFrameForm &m_frame;
    QList<QAction *> m_windowListActions;
    QList<QAction *> m_externalActions;
};
