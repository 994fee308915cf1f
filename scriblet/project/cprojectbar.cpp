#include "project/cprojectbar.h"

#include "project/cprojecttree.h"
#include "project/projecthost.h"
#include "project/projectmessages.h"
#include "project/widgetprojecthost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QVBoxLayout>

using namespace ProjectText;

namespace {

QString tr8(const char *text) { return QString::fromUtf8(text); }

// Wait cursor for the length of a command.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

CProjectBar::CProjectBar(QWidget *parent, ProjectHost *host)
    : CControlBarEx(IdViewProjectBar, QStringLiteral("ProjectBar"), parent)
{
    if (!host) {
        m_ownHost = std::make_unique<WidgetProjectHost>(parent);
        host = m_ownHost.get();
    }
    m_host = host;
    m_project.setMessageSink([this](const QString &m) { m_host->showMessage(m); });

    m_client = new QWidget(this);
    auto *layout = new QVBoxLayout(m_client);
    m_tree = new CProjectTree(m_project, *m_host, m_client);
    layout->addWidget(m_tree);
    setWidget(m_client);
    onLayoutChanged(false, Qt::NoDockWidgetArea, size());

    makeAction(IdProjectNew, MenuProjectNew, "cmd33073", Prompt33073);
    makeAction(IdProjectOpen, MenuProjectOpen, "cmd33086", Prompt33086);
    makeAction(IdProjectClose, MenuProjectClose, "cmd33087", Prompt33087);
    makeAction(IdProjectSave, MenuProjectSave, "cmd33088", Prompt33088);
    makeAction(IdProjectSaveAs, MenuProjectSaveAs, "cmd33089", Prompt33089);
    makeAction(IdMainDocument, MenuMainDocument, "cmd33074", Prompt33074);
    makeAction(IdAddTexDocuments, MenuTexDocument, "cmd33075", Prompt33075);
    connect(action(IdProjectNew), &QAction::triggered, this, &CProjectBar::onProjectNew);
    connect(action(IdProjectOpen), &QAction::triggered, this, &CProjectBar::onProjectOpen);
    connect(action(IdProjectClose), &QAction::triggered, this, &CProjectBar::onProjectClose);
    connect(action(IdProjectSave), &QAction::triggered, this, &CProjectBar::onProjectSave);
    connect(action(IdProjectSaveAs), &QAction::triggered, this, &CProjectBar::onProjectSaveAs);
    connect(action(IdMainDocument), &QAction::triggered, this, &CProjectBar::onMainDocument);
    connect(action(IdAddTexDocuments), &QAction::triggered, this, &CProjectBar::onAddTexDocuments);

    QAction *view = toggleViewAction();
    view->setText(tr8(MenuViewProjectBar));
    view->setObjectName(QStringLiteral("cmd33071"));
    const QStringList viewPrompt = tr8(Prompt33071).split(QLatin1Char('\n'));
    view->setStatusTip(viewPrompt.value(0));
    view->setToolTip(viewPrompt.value(1));
    m_actions.insert(IdViewProjectBar, view);

    updateActions();
}

CProjectBar::~CProjectBar()
{
    // The tree refers to the record and the host, which are members: it goes first.
    delete m_client;
}

void CProjectBar::onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize)
{
    // Floating: 5 pixels all round; docked at the top or bottom: 17 left, 5 top,
    // 8 right, 12 bottom; docked at a side: 5 left, 20 top, 12 right, 9 bottom.
    QLayout *layout = m_client ? m_client->layout() : nullptr;
    if (!layout)
        return;
    QMargins margins(5, 5, 5, 5);
    if (!floating && (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea))
        margins = QMargins(17, 5, 8, 12);
    else if (!floating && (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea))
        margins = QMargins(5, 20, 12, 9);
    if (layout->contentsMargins() != margins)
        layout->setContentsMargins(margins);
}

QAction *CProjectBar::makeAction(int id, const char *caption, const char *objectName, const char *prompt)
{
    auto *a = new QAction(tr8(caption), this);
    a->setObjectName(QString::fromLatin1(objectName));
    const QStringList parts = tr8(prompt).split(QLatin1Char('\n'));
    a->setStatusTip(parts.value(0));
    a->setToolTip(parts.value(1));
    m_actions.insert(id, a);
    return a;
}

QMenu *CProjectBar::projectMenu(QWidget *parent)
{
    auto *menu = new QMenu(tr8(MenuProject), parent);
    menu->setObjectName(QStringLiteral("ProjectMenu"));
    fillProjectMenu(menu);
    return menu;
}

void CProjectBar::fillProjectMenu(QMenu *menu)
{
    menu->addAction(action(IdProjectNew));
    menu->addAction(action(IdProjectOpen));
    menu->addAction(action(IdProjectClose));
    menu->addSeparator();
    menu->addAction(action(IdProjectSave));
    menu->addAction(action(IdProjectSaveAs));
    menu->addSeparator();
    QMenu *add = menu->addMenu(tr8(MenuAddFrom));
    add->setObjectName(QStringLiteral("ProjectMenuAdd"));
    add->addAction(action(IdMainDocument));
    add->addAction(action(IdAddTexDocuments));
    connect(menu, &QMenu::aboutToShow, this, &CProjectBar::updateActions);
}

void CProjectBar::updateActions()
{
    const bool active = m_project.isActive();
    for (int id : {IdProjectClose, IdProjectSave, IdProjectSaveAs, IdMainDocument, IdAddTexDocuments})
        action(id)->setEnabled(active);
}

void CProjectBar::rebuild()
{
    m_tree->rebuild();
    updateActions();
}

void CProjectBar::empty()
{
    m_tree->empty();
}

void CProjectBar::refreshToc()
{
    if (m_project.isActive())
        m_tree->reloadToc();
}

bool CProjectBar::reportLoadFailure(const QString &file, const QString &reason)
{
    m_host->showMessage(tr8(CannotOpenProject).arg(QDir::toNativeSeparators(file), reason));
    return false;
}

bool CProjectBar::openProject(const QString &projectFile, QString *error)
{
    // A project that arrives from outside (command line, a later start, the File
    // menu) would otherwise replace unsaved changes without a word.
    if (m_project.isActive() && m_project.isModified() && m_host->askYesNo(tr8(Str33094SaveCurrent)))
        saveProject();
    const QString full = QFileInfo(projectFile).absoluteFilePath();
    QString reason;
    if (!m_project.Load(full, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    rebuild();
    emit projectChanged();
    return true;
}

CProjectBar::SaveResult CProjectBar::saveProject()
{
    if (m_project.projectFile().isEmpty()) {
        const QString chosen = m_host->getSaveFileName(tr8(Str33093SaveProject), tr8(Str33090ProjectFilter),
                                                       QStringLiteral("sbp"), m_project.projectName());
        if (chosen.isEmpty())
            return SaveResult::Cancelled;
        WaitCursor wait;
        QString error;
        if (!m_project.Save(chosen, &error)) {
            m_host->showMessage(error);
            return SaveResult::Failed;
        }
        // Read back what was written, so that the record is exactly the file.
        if (m_project.Load(chosen, &error))
            rebuild();
        return SaveResult::Saved;
    }
    QString error;
    if (!m_project.Save(m_project.projectFile(), &error)) {
        m_host->showMessage(error);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

CProjectBar::SaveResult CProjectBar::saveOnClose()
{
    if (!m_project.isActive())
        return SaveResult::Saved;
    return saveProject();
}

void CProjectBar::onProjectNew()
{
    if (m_project.isModified() && m_host->askYesNo(tr8(Str33094SaveCurrent)))
        saveProject();
    if (m_tree->newProject())
        show();
    m_host->raiseNeedsTexRun();
    updateActions();
    emit projectChanged();
}

void CProjectBar::onProjectOpen()
{
    if (m_project.isModified() && m_host->askYesNo(tr8(Str33094SaveCurrent)))
        saveProject();
    const QString chosen = m_host->getOpenFileName(tr8(Str33091OpenProject), tr8(Str33090ProjectFilter));
    if (chosen.isEmpty() || QFileInfo(chosen).suffix().toLower() != QLatin1String("sbp"))
        return;
    WaitCursor wait;
    show();
    raise();
    QString reason;
    if (!m_project.Load(chosen, &reason)) {
        reportLoadFailure(chosen, reason);
        return;
    }
    rebuild();
    m_host->raiseNeedsTexRun();
    emit projectChanged();
}

void CProjectBar::onProjectSave()
{
    if (!m_project.isActive())
        return;
    saveProject();
    updateActions();
    emit projectChanged();
}

void CProjectBar::onProjectSaveAs()
{
    if (!m_project.isActive())
        return;
    const QString chosen = m_host->getSaveFileName(tr8(Str33093SaveProject), tr8(Str33090ProjectFilter),
                                                   QStringLiteral("sbp"), m_project.projectName());
    if (chosen.isEmpty())
        return;
    WaitCursor wait;
    QString error;
    if (!m_project.Save(chosen, &error)) {
        m_host->showMessage(error);
        return;
    }
    if (!m_project.Load(chosen, &error)) {
        reportLoadFailure(chosen, error);
        return;
    }
    rebuild();
    emit projectChanged();
}

void CProjectBar::onProjectClose()
{
    if (!m_project.isActive())
        return;
    // A failed save keeps the project open, so that nothing is lost; a cancelled
    // save-as dialog closes it unsaved.
    if (saveProject() == SaveResult::Failed)
        return;
    m_tree->empty();
    m_project.Reset();
    updateActions();
    emit projectChanged();
}

void CProjectBar::onMainDocument()
{
    m_tree->onMainDocument();
    updateActions();
    emit projectChanged();
}

void CProjectBar::onAddTexDocuments()
{
    m_tree->onAddTexDocuments();
    updateActions();
    emit projectChanged();
}
