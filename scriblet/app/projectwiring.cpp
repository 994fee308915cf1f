#include "app/projectwiring.h"

#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "project/cprojectbar.h"
#include "project/projecthost.h"
#include "resources/strings.h"

#include <QMenu>
#include <QPointer>

namespace {

// The frame's documents, main document and status pane, as the project pane sees
// them. Lives as long as the frame (a child of it).
class FrameProjectHost : public QObject, public ProjectHost
{
public:
    explicit FrameProjectHost(CMainFrame *frame) : QObject(frame), m_frame(frame), m_settings(*frame->settings()) {}

    bool openDocument(const QString &path, int line, const QString &searchText, const QString &command) override
    {
        // Positioning request: the view goes to the first line holding both
        // texts, else to the line number; it is cleared afterwards either way.
        if (line > 0) {
            m_settings.searchText1 = searchText;
            m_settings.searchText2 = command;
        }
        const bool opened = m_frame->documents().openDocument(path, line) != nullptr;
        m_settings.goToLine = 0;
        m_settings.searchText1.clear();
        m_settings.searchText2.clear();
        return opened;
    }
    void setMainDocument(const QString &maintex, const QString &mainpath) override
    {
        if (!m_settings.setMainDocument(mainpath, maintex))
            m_frame->prompter()->message(m_settings.lastError());
    }
    void clearMainDocument() override
    {
        if (!m_settings.setMainDocument(m_settings.mainPath(), QString()))
            m_frame->prompter()->message(m_settings.lastError());
    }
    void setMainDocumentStatus(const QString &) override { m_frame->updateMainDocPane(); }
    void raiseNeedsTexRun() override { m_frame->setNeedsTexRun(true); }
    QStringList umlautReplacements() const override
    {
        QStringList list;
        for (const QString &u : m_settings.umlauts)
            list << u;
        return list;
    }

private:
    CMainFrame *m_frame;
    CShellSettings &m_settings;
};

} // namespace

namespace ProjectWiring {

void install(CMainFrame *frame)
{
    auto *bar = new CProjectBar(*new FrameProjectHost(frame), *frame->prompter(), frame);
    frame->addDockWidget(Qt::LeftDockWidgetArea, bar);
    frame->setProjectBar(bar);
    bar->fillProjectMenu(frame->menu(QStringLiteral("menuProject")));

    QObject::connect(frame, &CMainFrame::projectRequested, bar, [frame, bar](const QString &path) {
        QString error;
        if (!bar->openProject(path, &error))
            frame->prompter()->message(Str::format(Str::NotFound, {path, QStringLiteral("...")}));
    });
    // A project that cannot be written keeps the window open: its entries would be lost.
    QPointer<CProjectBar> guarded(bar);
    frame->addCloseGuard([guarded] { return !guarded || guarded->saveOnClose() != CProjectBar::SaveResult::Failed; });
}

} // namespace ProjectWiring
