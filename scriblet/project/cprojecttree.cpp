#include "project/cprojecttree.h"

#include "common/commandids.h"
#include "common/prompter.h"
#include "project/cproject.h"
#include "project/findheading.h"
#include "project/projecthost.h"
#include "project/projectpaths.h"
#include "resources/actiontext.h"
#include "resources/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

QAction *addCommand(QMenu *menu, int id, int captionId, int promptId = 0)
{
    QAction *a = menu->addAction(QString());
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    ActionText::set(a, captionId, promptId);
    return a;
}

} // namespace

CProjectTree::CProjectTree(CProject &project, ProjectHost &host, Prompter &prompter, QWidget *parent)
    : QTreeWidget(parent), m_project(project), m_host(host), m_prompter(prompter)
{
    setObjectName(QStringLiteral("ProjectTree"));
    setAccessibleName(Str::text(Str::ProjectTreeName));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setFrameShadow(QFrame::Sunken);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTreeWidget::customContextMenuRequested, this, &CProjectTree::showContextMenu);
}

int CProjectTree::itemCode(const QTreeWidgetItem *item)
{
    return item ? item->data(0, CodeRole).toInt() : -1;
}

void CProjectTree::clearAll()
{
    clear();
    m_filesBranch = m_tocBranch = m_contextItem = m_mainItem = m_rootItem = nullptr;
}

void CProjectTree::empty()
{
    clearAll();
}

QTreeWidgetItem *CProjectTree::insertRoot()
{
    m_rootItem = new QTreeWidgetItem(this, QStringList{m_project.projectName()});
    m_rootItem->setData(0, CodeRole, int(CodeRoot));
    m_rootItem->setExpanded(true);
    return m_rootItem;
}

QTreeWidgetItem *CProjectTree::insertFilesBranch()
{
    m_filesBranch = new QTreeWidgetItem(m_rootItem, QStringList{Str::text(Str::ProjectFiles)});
    m_filesBranch->setData(0, CodeRole, int(CodeFiles));
    m_filesBranch->setExpanded(true);
    return m_filesBranch;
}

QTreeWidgetItem *CProjectTree::insertSorted(const QString &text, int code)
{
    if (!m_filesBranch)
        return nullptr;
    int index = 0;
    const int n = m_filesBranch->childCount();
    while (index < n) {
        const QString other = m_filesBranch->child(index)->text(0);
        int c = text.compare(other, Qt::CaseInsensitive);
        if (c == 0)
            c = text.compare(other, Qt::CaseSensitive);
        if (c < 0)
            break;
        ++index;
    }
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, CodeRole, code);
    m_filesBranch->insertChild(index, item);
    return item;
}

void CProjectTree::setMainStatus(const QString &maintex)
{
    // "Haupt-TeX-Dokument :  " and the name, or "aktuelles" without one.
    m_host.setMainDocumentStatus(Str::text(Str::MainDocPane)
                                 + (maintex.isEmpty() ? Str::text(Str::MainDocCurrent) : maintex));
}

void CProjectTree::rebuild()
{
    if (!m_project.isActive())
        return;
    fillItems();

    const CProject::MainDocument doc = m_project.mainDocumentHandOver();
    m_host.setMainDocument(doc.maintex, doc.mainpath);
    setMainStatus(doc.maintex);
    m_host.raiseNeedsTexRun();
}

void CProjectTree::changeEvent(QEvent *event)
{
    QTreeWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setAccessibleName(Str::text(Str::ProjectTreeName));
    // The branch captions come from the string table: the items are made again
    // (the main document is left as it is).
    if (m_project.isActive() && m_rootItem)
        fillItems();
}

void CProjectTree::fillItems()
{
    clearAll();
    insertRoot();
    insertFilesBranch();
    if (m_project.entryCount() > 0) {
        // Slot 0 is empty after the main document was removed: then no main item.
        if (!m_project.name(0).isEmpty()) {
            m_mainItem = insertSorted(m_project.name(0), CodeFile);
            QFont f = m_mainItem->font(0);
            f.setBold(true);
            m_mainItem->setFont(0, f);
        }
        for (int slot = 1; slot < m_project.entryCount(); ++slot)
            insertSorted(m_project.name(slot), CodeFile + slot);
    } else {
        insertSorted(Str::text(Str::NoProjectFiles), CodeRoot);
    }
    refreshToc();
}

void CProjectTree::deleteTocBranch()
{
    if (!m_tocBranch)
        return;
    if (m_contextItem && (m_contextItem == m_tocBranch || m_tocBranch->indexOfChild(m_contextItem) >= 0
                          || itemCode(m_contextItem) == CodeHeading))
        m_contextItem = nullptr;
    delete m_tocBranch;
    m_tocBranch = nullptr;
}

void CProjectTree::refreshToc(bool afterFailedRun)
{
    TocTable fresh;
    fresh.tocFile = m_project.tocPath();
    fresh.ReadToc();
    fresh.ParseToc([this](const QString &m) { m_prompter.message(m); });
    if (m_lastGood.tocFile != fresh.tocFile)
        m_lastGood = TocTable(); // another main document: its old table means nothing here
    // LaTeX writes the ".toc" at \end{document}: a run that stopped before leaves it
    // empty or cut short.
    m_tocStale = afterFailedRun && fresh.headingCount() < m_lastGood.headingCount();
    if (m_tocStale) {
        m_toc = m_lastGood;
    } else {
        m_toc = std::move(fresh);
        m_lastGood = m_toc;
    }
    buildTocBranch();
}

void CProjectTree::reloadToc(bool afterFailedRun)
{
    deleteTocBranch();
    refreshToc(afterFailedRun);
}

void CProjectTree::buildTocBranch()
{
    deleteTocBranch();
    if (!m_rootItem)
        return; // no project shown
    const QString caption = m_tocStale ? Str::format(Str::TocNotCurrent, {Str::text(Str::ProjectToc)})
                                       : Str::text(Str::ProjectToc);
    m_tocBranch = new QTreeWidgetItem(m_rootItem, QStringList{caption});
    m_tocBranch->setData(0, CodeRole, int(CodeToc));
    m_tocBranch->setExpanded(true);
    if (m_tocStale)
        m_tocBranch->setToolTip(0, Str::text(Str::TocNotCurrentTip));
    if (m_toc.tocText == Str::text(Str::NoTocFile)) {
        auto *item = new QTreeWidgetItem(m_tocBranch, QStringList{m_toc.tocText});
        item->setData(0, CodeRole, int(CodeToc));
        return;
    }
    QTreeWidgetItem *chapter = m_tocBranch;
    QTreeWidgetItem *section = m_tocBranch;
    QTreeWidgetItem *subsection = m_tocBranch;
    for (const TocEntry &row : m_toc.headings) {
        QTreeWidgetItem *parent = row.level == 0   ? m_tocBranch
                                  : row.level == 1 ? chapter
                                  : row.level == 2 ? section
                                                   : subsection;
        auto *item = new QTreeWidgetItem(parent, QStringList{row.displayText()});
        item->setData(0, CodeRole, int(CodeHeading));
        parent->setExpanded(true);
        if (row.level == 0)
            chapter = item;
        else if (row.level == 1)
            section = item;
        else if (row.level == 2)
            subsection = item;
    }
}

bool CProjectTree::newProject()
{
    QString name;
    if (!m_prompter.askProjectName(&name))
        return false;
    m_project.Create(name.isEmpty() ? Str::text(Str::ProjectNewName) : name);
    clearAll();
    insertRoot();
    insertFilesBranch();
    // Code 100, so that its context menu offers the add commands.
    insertSorted(Str::text(Str::NoProjectFiles), CodeFile);
    m_toc = TocTable();
    m_toc.tocText = Str::text(Str::NoTocFile);
    m_lastGood = TocTable();
    m_tocStale = false;
    buildTocBranch();
    return true;
}

void CProjectTree::onMainDocument()
{
    const QString chosen = m_prompter.openFileName(Str::text(Str::MainDocumentTitle), Str::text(Str::TexFilter));
    if (chosen.isEmpty())
        return;
    const QString full = QFileInfo(chosen).absoluteFilePath();
    const QString mainpath = ProjectPaths::directoryPart(full);
    const QString maintex = ProjectPaths::namePart(full);
    m_project.SetEntry(full, 0);
    if (m_project.entryCount() == 1 || !m_rootItem) {
        clearAll();
        insertRoot();
        insertFilesBranch();
    }
    if (m_mainItem) {
        if (m_contextItem == m_mainItem)
            m_contextItem = nullptr;
        delete m_mainItem;
    }
    m_mainItem = insertSorted(maintex, CodeFile);
    QFont f = m_mainItem->font(0);
    f.setBold(true);
    m_mainItem->setFont(0, f);
    m_host.setMainDocument(maintex, mainpath);
    setMainStatus(maintex);
    m_host.raiseNeedsTexRun();
    reloadToc();
}

void CProjectTree::onAddTexDocuments()
{
    const QStringList chosen = m_prompter.openFileNames(Str::text(Str::OpenTitle), Str::text(Str::TexFilter));
    if (chosen.isEmpty())
        return;
    if (m_project.entryCount() == 0 || !m_rootItem) {
        clearAll();
        insertRoot();
        insertFilesBranch();
        m_host.raiseNeedsTexRun();
        refreshToc();
    }
    for (const QString &file : chosen) {
        const QString full = QFileInfo(file).absoluteFilePath();
        if (m_project.AddFile(full))
            insertSorted(ProjectPaths::namePart(full), CodeFile + m_project.entryCount() - 1);
    }
}

void CProjectTree::onRemove()
{
    QTreeWidgetItem *item = m_contextItem;
    m_contextItem = nullptr;
    if (!item || item->text(0) == Str::text(Str::NoProjectFiles))
        return;
    const int code = itemCode(item);
    if (code == CodeFile) {
        m_project.RemoveEntry(0);
        if (item == m_mainItem)
            m_mainItem = nullptr;
        delete item;
        m_host.clearMainDocument();
        setMainStatus(QString());
        m_host.raiseNeedsTexRun();
    } else if (code > CodeFile) {
        const int slot = code - CodeFile;
        m_project.RemoveEntry(slot);
        if (m_filesBranch) {
            for (int i = 0; i < m_filesBranch->childCount(); ++i) {
                QTreeWidgetItem *other = m_filesBranch->child(i);
                const int c = itemCode(other);
                if (c > code)
                    other->setData(0, CodeRole, c - 1);
            }
        }
        delete item;
    }
}

void CProjectTree::onReloadToc()
{
    reloadToc();
}

void CProjectTree::activateItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int code = itemCode(item);
    if (code == CodeHeading) {
        FindHeading(m_toc, m_project, item->text(0), m_host, m_prompter);
    } else if (code >= CodeFile) {
        const int slot = code - CodeFile;
        if (m_project.path(slot).isEmpty())
            return;
        if (!m_project.mainDirectory().isEmpty())
            QDir::setCurrent(m_project.mainDirectory());
        m_host.openDocument(m_project.absolutePath(slot));
    }
}

void CProjectTree::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // The item under the mouse: a double-click on empty space opens nothing.
        if (QTreeWidgetItem *item = itemAt(event->position().toPoint()))
            activateItem(item);
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CProjectTree::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        activateItem(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QMenu *CProjectTree::contextMenuFor(QTreeWidgetItem *item)
{
    const int code = itemCode(item);
    if (code >= CodeFile) {
        auto *menu = new QMenu(this);
        connect(addCommand(menu, Cmd::ProjectRemoveFile, Str::CapRemove), &QAction::triggered, this,
                &CProjectTree::onRemove);
        menu->addSeparator();
        QMenu *add = menu->addMenu(Str::text(Str::MenuContextAddFrom));
        add->setObjectName(QStringLiteral("ProjectAddMenu"));
        connect(addCommand(add, Cmd::ProjectMainDocument, Str::CapMainDocument, Cmd::ProjectMainDocument),
                &QAction::triggered, this, &CProjectTree::onMainDocument);
        connect(addCommand(add, Cmd::ProjectAddTexDocuments, Str::CapTexDocument, Cmd::ProjectAddTexDocuments),
                &QAction::triggered, this, &CProjectTree::onAddTexDocuments);
        return menu;
    }
    if (code == CodeToc || code == CodeHeading) {
        auto *menu = new QMenu(this);
        connect(addCommand(menu, Cmd::ProjectReloadToc, Str::CapReloadToc), &QAction::triggered, this,
                &CProjectTree::onReloadToc);
        return menu;
    }
    return nullptr;
}

void CProjectTree::showContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *item = itemAt(pos);
    if (!item || !visualItemRect(item).contains(pos)) {
        m_contextItem = nullptr;
        return;
    }
    m_contextItem = item;
    setCurrentItem(item);
    QMenu *menu = contextMenuFor(item);
    if (!menu)
        return;
    menu->exec(viewport()->mapToGlobal(pos));
    delete menu;
}
