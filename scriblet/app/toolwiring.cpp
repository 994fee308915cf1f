#include "app/toolwiring.h"

#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "common/commandids.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "project/cprojectbar.h"
#include "resources/actiontext.h"
#include "resources/strings.h"
#include "tools/clogbar.h"
#include "tools/toolcommands.h"
#include "tools/toolhost.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace {

// The frame's documents, flags and project pane, as the tools see them. Lives as
// long as the frame (a child of it).
class FrameToolHost : public QObject, public ToolHost
{
public:
    explicit FrameToolHost(CMainFrame *frame) : QObject(frame), m_frame(frame) {}

    bool saveModifiedDocuments() override
    {
        bool saved = false;
        QSet<CShellDoc *> seen;
        for (CChildFrame *child : m_frame->children()) {
            CShellDoc *doc = child->doc();
            if (!doc || seen.contains(doc))
                continue;
            seen.insert(doc);
            if (doc->isModified() && m_frame->documents().saveDocument(doc))
                saved = true;
        }
        return saved;
    }
    bool hasOpenDocuments() const override { return !m_frame->children().isEmpty(); }
    std::optional<ActiveDocument> activeDocument() const override
    {
        CChildFrame *child = m_frame->activeChild();
        if (!child || !child->doc())
            return std::nullopt;
        return ActiveDocument{child->doc()->title(), child->doc()->path()};
    }
    void activateMainWindow() override
    {
        m_frame->raise();
        m_frame->activateWindow();
    }
    void setMainDocumentStatus(const QString &) override { m_frame->updateMainDocPane(); }
    bool needsTexRun() const override { return m_frame->needsTexRun(); }
    void setNeedsTexRun(bool on) override { m_frame->setNeedsTexRun(on); }
    bool isProjectLoaded() const override
    {
        return m_frame->projectBar() && m_frame->projectBar()->project().isActive();
    }
    void refreshTableOfContents(bool runFailed) override
    {
        if (m_frame->projectBar())
            m_frame->projectBar()->refreshToc(runFailed);
    }
    bool openDocumentAt(const QString &path, int line) override
    {
        return m_frame->documents().openDocument(path, line) != nullptr;
    }

private:
    CMainFrame *m_frame;
};

} // namespace

namespace ToolWiring {

void install(CMainFrame *frame)
{
    auto *bar = new CLogBar(frame);
    frame->addDockWidget(Qt::BottomDockWidgetArea, bar);
    frame->setLogBar(bar);
    bar->setProjectToggleProvider([frame]() -> QAction * {
        return frame->projectBar() ? frame->projectBar()->toggleViewAction() : nullptr;
    });

    auto *commands = new ToolCommands(frame, *frame->settings(), *new FrameToolHost(frame), *frame->prompter(), bar);
    frame->setToolCommands(commands);
    // Not document-only: the keys work with and without an open document.
    const QList<QAction *> actions = commands->actions();
    for (QAction *a : actions)
        frame->addFeatureCommand(a->property("commandId").toInt(), a, QString());

    QMenu *run = frame->menu(QStringLiteral("menuTex"))->addMenu(QString());
    ActionText::set(run->menuAction(), Str::MenuRun);
    run->setObjectName(QStringLiteral("menuRun"));
    run->menuAction()->setObjectName(QStringLiteral("menuRunAction"));
    run->addActions(commands->runActions());
    // The pop-up belongs to the document menu: shown while a document is open; the
    // keys work either way.
    run->menuAction()->setVisible(!frame->children().isEmpty());
    QObject::connect(frame, &CMainFrame::activeViewChanged, run,
                     [frame, run] { run->menuAction()->setVisible(!frame->children().isEmpty()); });
    // The walk through the errors, with and without a document: the main document's
    // errors open their files.
    QMenu *tex = frame->menu(QStringLiteral("menuTex"));
    tex->addSeparator();
    tex->addActions(commands->errorActions());
    // The ten user tools under their names (Ctrl+F1..Ctrl+F10).
    QMenu *userTools = tex->addMenu(QString());
    ActionText::set(userTools->menuAction(), Str::MenuUserTools);
    userTools->setObjectName(QStringLiteral("menuUserTools"));
    userTools->menuAction()->setObjectName(QStringLiteral("menuUserToolsAction"));
    for (int n = 0; n < ToolRunner::UserToolCount; ++n)
        userTools->addAction(commands->userToolAction(n));
    QMenu *settingsMenu = frame->menu(QStringLiteral("menuSettings"));
    settingsMenu->addAction(commands->mainDocumentAction());
    settingsMenu->addAction(commands->programCallsAction());
}

} // namespace ToolWiring
