#include "tools/toolwiring.h"

#include "app/cmainframe.h"
#include "app/cshellsettings.h"
#include "app/prompter.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "project/cprojectbar.h"
#include "tools/clogbar.h"
#include "tools/ctoolcommands.h"
#include "tools/filechooser.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSet>

namespace {

// The browse dialogs go through the frame's prompter, so that tests answer them.
class PrompterFileChooser : public FileChooser
{
public:
    explicit PrompterFileChooser(Prompter *prompter) : m_prompter(prompter) {}
    QString openFile(QWidget *parent, const QString &title, const QString &filter) override
    {
        if (!m_prompter)
            return m_dialog.openFile(parent, title, filter);
        return m_prompter->openFileName(title, filter, QDir::currentPath());
    }

private:
    Prompter *m_prompter;
    DialogFileChooser m_dialog;
};

FrameHooks frameHooks(CMainFrame *frame)
{
    CShellSettings *settings = frame->settings();
    FrameHooks hooks;
    hooks.saveModifiedDocuments = [frame] {
        bool saved = false;
        QSet<CShellDoc *> seen;
        for (CChildFrame *child : frame->children()) {
            CShellDoc *doc = child->doc();
            if (!doc || seen.contains(doc))
                continue;
            seen.insert(doc);
            if (doc->isModified() && frame->saveDocument(doc))
                saved = true;
        }
        return saved;
    };
    hooks.hasOpenDocuments = [frame] { return !frame->children().isEmpty(); };
    hooks.activeDocument = [frame]() -> std::optional<ActiveDocument> {
        CChildFrame *child = frame->activeChild();
        if (!child || !child->doc())
            return std::nullopt;
        return ActiveDocument{child->doc()->title(), child->doc()->path()};
    };
    hooks.needsTexRun = [frame] { return frame->needsTexRun(); };
    hooks.setNeedsTexRun = [frame](bool on) { frame->setNeedsTexRun(on); };
    hooks.isProjectLoaded = [settings] { return settings->projectBar && settings->projectBar->project().isActive(); };
    hooks.refreshTableOfContents = [settings] {
        if (settings->projectBar)
            settings->projectBar->refreshToc();
    };
    hooks.setMainDocumentStatus = [frame](const QString &) { frame->updateMainDocPane(); };
    hooks.showMessage = [frame](const QString &text) {
        if (frame->prompter())
            frame->prompter()->message(text, Prompter::Icon::Exclamation);
    };
    hooks.createAction = [frame](int id, const QString &text, const QKeySequence &key) {
        // Not document-only: the keys work with and without an open document.
        return frame->addCommand(id, QString(), text, key);
    };
    return hooks;
}

} // namespace

namespace ToolWiring {

CLogBar *createLogBar(CMainFrame *frame)
{
    auto *bar = new CLogBar(frame);
    bar->setProjectToggleProvider([frame]() -> QAction * {
        return frame->projectBar() ? frame->projectBar()->toggleViewAction() : nullptr;
    });
    if (!frame->settings())
        return bar;

    auto *commands = new CToolCommands(frame, *frame->settings(), bar, frameHooks(frame),
                                       std::make_unique<PrompterFileChooser>(frame->prompter()));
    commands->setObjectName(QStringLiteral("ToolCommands"));

    QMenu *run = frame->menu(QStringLiteral("menuTex"), QStringLiteral("&TeX"))->addMenu(QStringLiteral("&Run"));
    run->setObjectName(QStringLiteral("menuRun"));
    run->menuAction()->setObjectName(QStringLiteral("menuRunAction"));
    run->addActions(commands->runActions());
    QMenu *settingsMenu = frame->menu(QStringLiteral("menuSettings"), QStringLiteral("&Einstellungen"));
    settingsMenu->addAction(commands->mainDocumentAction());
    settingsMenu->addAction(commands->programCallsAction());
    return bar;
}

CToolCommands *toolCommands(CMainFrame *frame)
{
    return frame->findChild<CToolCommands *>(QStringLiteral("ToolCommands"), Qt::FindDirectChildrenOnly);
}

} // namespace ToolWiring
