#include "project/projectwiring.h"

#include "app/cmainframe.h"
#include "app/cshellsettings.h"
#include "app/prompter.h"
#include "project/cprojectbar.h"
#include "project/widgetprojecthost.h"
#include "resources/strings.h"

#include <QMenu>
#include <QPointer>

namespace ProjectWiring {

CProjectBar *createProjectBar(CMainFrame *frame)
{
    auto *bar = new CProjectBar(frame);
    CShellSettings *settings = frame->settings();
    WidgetProjectHost *host = bar->widgetHost();
    host->setDialogParent(frame);

    host->onOpenDocument = [frame, settings](const QString &path, int line, const QString &searchText,
                                             const QString &command) {
        // Positioning request: the view goes to the first line holding both
        // texts, else to the line number; it is cleared afterwards either way.
        if (settings && line > 0) {
            settings->searchText1 = searchText;
            settings->searchText2 = command;
        }
        const bool opened = frame->openDocument(path, line) != nullptr;
        if (settings) {
            settings->goToLine = 0;
            settings->searchText1.clear();
            settings->searchText2.clear();
        }
        return opened;
    };
    host->onSetMainDocument = [frame, settings](const QString &maintex, const QString &mainpath) {
        if (settings && !settings->setMainDocument(mainpath, maintex) && frame->prompter())
            frame->prompter()->message(settings->lastError());
    };
    host->onClearMainDocument = [frame, settings] {
        if (settings && !settings->setMainDocument(settings->mainPath(), QString()) && frame->prompter())
            frame->prompter()->message(settings->lastError());
    };
    host->onMainDocumentStatus = [frame](const QString &) { frame->updateMainDocPane(); };
    host->onNeedsTexRun = [frame] { frame->setNeedsTexRun(true); };
    host->umlauts = [settings] {
        QStringList list;
        if (settings) {
            for (const QString &u : settings->umlauts)
                list << u;
        }
        return list;
    };

    if (settings) {
        settings->projectBar = bar;
        QObject::connect(bar, &QObject::destroyed, [settings, bar] {
            if (settings->projectBar == bar)
                settings->projectBar = nullptr;
        });
    }
    bar->fillProjectMenu(frame->menu(QStringLiteral("menuProject")));

    QObject::connect(frame, &CMainFrame::projectRequested, bar, [frame, bar](const QString &path) {
        QString error;
        if (!bar->openProject(path, &error) && frame->prompter())
            frame->prompter()->message(Str::format(Str::NotFound, {path, QStringLiteral("...")}));
    });
    // A project that cannot be written keeps the window open: its entries would be lost.
    QPointer<CProjectBar> guarded(bar);
    frame->addCloseGuard([guarded] { return !guarded || guarded->saveOnClose() != CProjectBar::SaveResult::Failed; });
    return bar;
}

} // namespace ProjectWiring
