// The tree of the project pane: the project name at the root, the branch
// "Dateien" with the project's files (sorted by name, the main document in bold)
// and the branch "Inhaltsverzeichnis" with the headings of the main document.
//
// Every item carries an item code (itemCode()): 0 the root, 1 the TOC branch
// and "no TOC-file!", 2 "Dateien", 10 a heading, 100 + k the file in slot k.
// Items are never updated from the project record except by the commands here;
// everything else goes through rebuild(), refreshToc() or empty().
#pragma once

#include "project/toctable.h"

#include <QTreeWidget>

class CProject;
class ProjectHost;
class Prompter;
class QMenu;

class CProjectTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum ItemCode { CodeRoot = 0, CodeToc = 1, CodeFiles = 2, CodeHeading = 10, CodeFile = 100 };
    static constexpr int CodeRole = Qt::UserRole + 1;

    CProjectTree(CProject &project, ProjectHost &host, Prompter &prompter, QWidget *parent = nullptr);

    static int itemCode(const QTreeWidgetItem *item);

    // Full rebuild and main-document hand-over; nothing while no project is active.
    void rebuild();
    // Reads and parses the ".toc" file again and rebuilds the TOC branch. After a
    // LaTeX run that failed or was cancelled (afterFailedRun), a table that came out
    // empty or shorter than the last good one does not replace it: the last good
    // table stays, its branch marked "(nicht aktuell)".
    void refreshToc(bool afterFailedRun = false);
    // Deletes the TOC branch, then refreshToc().
    void reloadToc(bool afterFailedRun = false);
    // False while the pane shows a kept table instead of the ".toc" file's.
    bool isTocCurrent() const { return !m_tocStale; }
    // Deletes every item.
    void empty();

    // Name step of a new project; false when the dialog was cancelled.
    bool newProject();
    // Commands of the pane (the main menu passes 33074 and 33075 on to them).
    void onMainDocument();
    void onAddTexDocuments();
    void onRemove();
    void onReloadToc();

    // Double-click on an item: opens a file or jumps to a heading.
    void activateItem(QTreeWidgetItem *item);

    // The context menu for an item (none for the root and "Dateien"); the caller
    // owns it. Actions carry the object names "cmd33072",
    // "cmd33074", "cmd33075" and "cmd33076".
    QMenu *contextMenuFor(QTreeWidgetItem *item);
    void setContextItem(QTreeWidgetItem *item) { m_contextItem = item; }
    QTreeWidgetItem *contextItem() const { return m_contextItem; }

    const TocTable &toc() const { return m_toc; }
    QTreeWidgetItem *rootItem() const { return m_rootItem; }
    QTreeWidgetItem *filesBranch() const { return m_filesBranch; }
    QTreeWidgetItem *tocBranch() const { return m_tocBranch; }
    QTreeWidgetItem *mainItem() const { return m_mainItem; }

protected:
    // Left double-click on an item activates it, then the tree opens or closes
    // the branch as usual. Return or Enter activates the current item.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A change of language makes the items again with the new captions.
    void changeEvent(QEvent *event) override;

private:
    void clearAll();
    // The root, the files and the TOC branch, from the project record.
    void fillItems();
    QTreeWidgetItem *insertRoot();
    QTreeWidgetItem *insertFilesBranch();
    QTreeWidgetItem *insertSorted(const QString &text, int code);
    void buildTocBranch();
    void deleteTocBranch();
    void showContextMenu(const QPoint &pos);
    void setMainStatus(const QString &maintex);

    CProject &m_project;
    ProjectHost &m_host;
    Prompter &m_prompter;
    TocTable m_toc;
    TocTable m_lastGood; // the last table shown as current, for the same ".toc" file
    bool m_tocStale = false;
    QTreeWidgetItem *m_filesBranch = nullptr;
    QTreeWidgetItem *m_tocBranch = nullptr;
    QTreeWidgetItem *m_contextItem = nullptr;
    QTreeWidgetItem *m_mainItem = nullptr;
    QTreeWidgetItem *m_rootItem = nullptr;
};
