#include "project/cprojectbar.h"

#include "common/commandids.h"
#include "common/prompter.h"
#include "project/cprojecttree.h"
#include "project/projecthost.h"
#include "resources/actiontext.h"
#include "resources/strings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QVBoxLayout>

namespace {

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

CProjectBar::CProjectBar(ProjectHost &host, Prompter &prompter, QWidget *parent)
    : CControlBarEx(Cmd::ViewProjectBar, QStringLiteral("ProjectBar"), Str::ProjectBarTitle, parent)
    , m_host(host)
    , m_prompter(prompter)
{
    m_project.setMessageSink([this](const QString &m) { m_prompter.message(m); });

    m_client = new QWidget(this);
    auto *layout = new QVBoxLayout(m_client);
    m_tree = new CProjectTree(m_project, m_host, m_prompter, m_client);
    layout->addWidget(m_tree);
    setWidget(m_client);
    onLayoutChanged(false, Qt::NoDockWidgetArea, size());

    connect(makeAction(Cmd::ProjectNew, Str::CapProjectNew), &QAction::triggered, this, &CProjectBar::onProjectNew);
    connect(makeAction(Cmd::ProjectOpen, Str::CapProjectOpen), &QAction::triggered, this, &CProjectBar::onProjectOpen);
    connect(makeAction(Cmd::ProjectClose, Str::CapProjectClose), &QAction::triggered, this,
            &CProjectBar::onProjectClose);
    connect(makeAction(Cmd::ProjectSave, Str::CapProjectSave), &QAction::triggered, this, &CProjectBar::onProjectSave);
    connect(makeAction(Cmd::ProjectSaveAs, Str::CapProjectSaveAs), &QAction::triggered, this,
            &CProjectBar::onProjectSaveAs);
    connect(makeAction(Cmd::ProjectMainDocument, Str::CapMainDocument), &QAction::triggered, this,
            &CProjectBar::onMainDocument);
    connect(makeAction(Cmd::ProjectAddTexDocuments, Str::CapTexDocument), &QAction::triggered, this,
            &CProjectBar::onAddTexDocuments);

    QAction *view = toggleViewAction();
    ActionText::set(view, Str::CapViewProjectBar, Cmd::ViewProjectBar);
    m_actions.insert(Cmd::ViewProjectBar, view);

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

QAction *CProjectBar::makeAction(int id, int captionId)
{
    auto *a = new QAction(this);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    ActionText::set(a, captionId, id);
    m_actions.insert(id, a);
    return a;
}

QMenu *CProjectBar::projectMenu(QWidget *parent)
{
    auto *menu = new QMenu(Str::text(Str::MenuProject), parent);
    menu->setObjectName(QStringLiteral("ProjectMenu"));
    fillProjectMenu(menu);
    return menu;
}

void CProjectBar::fillProjectMenu(QMenu *menu)
{
    menu->addAction(action(Cmd::ProjectNew));
    menu->addAction(action(Cmd::ProjectOpen));
    menu->addAction(action(Cmd::ProjectClose));
    menu->addSeparator();
    menu->addAction(action(Cmd::ProjectSave));
    menu->addAction(action(Cmd::ProjectSaveAs));
    menu->addSeparator();
    QMenu *add = menu->addMenu(QString());
    ActionText::set(add->menuAction(), Str::MenuAddFrom);
    add->setObjectName(QStringLiteral("ProjectMenuAdd"));
    add->addAction(action(Cmd::ProjectMainDocument));
    add->addAction(action(Cmd::ProjectAddTexDocuments));
    connect(menu, &QMenu::aboutToShow, this, &CProjectBar::updateActions);
}

void CProjectBar::updateActions()
{
    const bool active = m_project.isActive();
    for (int id : {Cmd::ProjectClose, Cmd::ProjectSave, Cmd::ProjectSaveAs, Cmd::ProjectMainDocument,
                   Cmd::ProjectAddTexDocuments})
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

void CProjectBar::refreshToc(bool afterFailedRun)
{
    if (m_project.isActive())
        m_tree->reloadToc(afterFailedRun);
}

bool CProjectBar::reportLoadFailure(const QString &file, const QString &reason)
{
    m_prompter.message(Str::format(Str::CannotOpenProject, {QDir::toNativeSeparators(file), reason}));
    return false;
}

bool CProjectBar::openProject(const QString &projectFile, QString *error)
{
    // A project that arrives from outside (command line, a later start, the File
    // menu) would otherwise replace unsaved changes without a word.
    if (m_project.isActive() && m_project.isModified() && m_prompter.question(Str::text(Str::ProjectSaveCurrent)) == Prompter::Answer::Yes)
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
        const QString chosen = m_prompter.saveFileName(Str::text(Str::ProjectSaveTitle), Str::text(Str::ProjectFilter),
                                                       m_project.projectName(), QStringLiteral("sbp"),
                                                       Prompter::Overwrite::DontAsk);
        if (chosen.isEmpty())
            return SaveResult::Cancelled;
        WaitCursor wait;
        QString error;
        if (!m_project.Save(chosen, &error)) {
            m_prompter.message(error);
            return SaveResult::Failed;
        }
        // Read back what was written, so that the record is exactly the file.
        if (m_project.Load(chosen, &error))
            rebuild();
        return SaveResult::Saved;
    }
    QString error;
    if (!m_project.Save(m_project.projectFile(), &error)) {
        m_prompter.message(error);
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
    if (m_project.isModified() && m_prompter.question(Str::text(Str::ProjectSaveCurrent)) == Prompter::Answer::Yes)
        saveProject();
    if (m_tree->newProject())
        show();
    m_host.raiseNeedsTexRun();
    updateActions();
    emit projectChanged();
}

void CProjectBar::onProjectOpen()
{
    if (m_project.isModified() && m_prompter.question(Str::text(Str::ProjectSaveCurrent)) == Prompter::Answer::Yes)
        saveProject();
    const QString chosen = m_prompter.openFileName(Str::text(Str::ProjectOpenTitle), Str::text(Str::ProjectFilter));
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
    m_host.raiseNeedsTexRun();
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
    const QString chosen = m_prompter.saveFileName(Str::text(Str::ProjectSaveTitle), Str::text(Str::ProjectFilter),
                                                   m_project.projectName(), QStringLiteral("sbp"),
                                                   Prompter::Overwrite::DontAsk);
    if (chosen.isEmpty())
        return;
    WaitCursor wait;
    QString error;
    if (!m_project.Save(chosen, &error)) {
        m_prompter.message(error);
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
