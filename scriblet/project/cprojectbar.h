// The project pane: a docking pane holding the project tree, the project record
// and the project commands of the "&Projekt" menu.
//
// The main frame puts projectMenu() into its menu bar and viewAction() into the
// View menu, calls openProject() for a project named on the command line, over
// the hand-over channel or in the File menu's open dialog, saveOnClose() when the
// main window closes, and the tool runner calls refreshToc() after every LaTeX
// run.
#pragma once

#include "bars/ccontrolbarex.h"
#include "project/cproject.h"

#include <QHash>

class CProjectTree;
class ProjectHost;
class Prompter;
class QAction;
class QMenu;

class CProjectBar : public CControlBarEx
{
    Q_OBJECT
public:
    // host and prompter must outlive the bar.
    CProjectBar(ProjectHost &host, Prompter &prompter, QWidget *parent = nullptr);
    ~CProjectBar() override;

    CProject &project() { return m_project; }
    const CProject &project() const { return m_project; }
    CProjectTree *tree() const { return m_tree; }
    ProjectHost &host() const { return m_host; }

    // Pane operations.
    void rebuild();
    void empty();
    // Reloads the table of contents while a project is active; nothing otherwise.
    // Called after every LaTeX run; afterFailedRun: that run failed or was
    // cancelled, so the last good table stays when the new one is empty or shorter.
    void refreshToc(bool afterFailedRun = false);
    // A project is loaded (created, opened or filled).
    bool isProjectLoaded() const { return m_project.isActive(); }

    // Loads a project file and rebuilds the pane; a modified project is offered
    // for saving first. False with the reason when the file cannot be read; the
    // project is then unchanged.
    bool openProject(const QString &projectFile, QString *error = nullptr);

    enum class SaveResult { Saved, Cancelled, Failed };
    // Saves to the project file, or asks for one (the save-as dialog) when there is none.
    SaveResult saveProject();
    // Closing the main window: saves an active project without a question.
    SaveResult saveOnClose();

    // Commands of the "&Projekt" menu.
    void onProjectNew();
    void onProjectOpen();
    void onProjectClose();
    void onProjectSave();
    void onProjectSaveAs();
    void onMainDocument();
    void onAddTexDocuments();

    // The action of a command id (33073, 33074, 33075, 33086 to 33089, 33071).
    QAction *action(int id) const { return m_actions.value(id); }
    // The View menu's toggle "&Projektbereich" (33071).
    QAction *viewAction() const { return m_actions.value(33071); }
    // A new "&Projekt" menu holding the actions; owned by parent.
    QMenu *projectMenu(QWidget *parent);
    // Adds the project commands to an existing "&Projekt" menu.
    void fillProjectMenu(QMenu *menu);
    // Enables the commands that need an active project.
    void updateActions();

signals:
    // Any project command ran (the project may have changed).
    void projectChanged();

protected:
    // Places the tree inside the pane as its docking state asks.
    void onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize) override;

private:
    QAction *makeAction(int id, int captionId);
    bool reportLoadFailure(const QString &file, const QString &reason);

    CProject m_project;
    ProjectHost &m_host;
    Prompter &m_prompter;
    CProjectTree *m_tree;
    QWidget *m_client = nullptr;
    QHash<int, QAction *> m_actions;
};
