// The main-window half of the shared set-up: the settings in "cfg" below the
// temporary home and, on request, a real main frame on them and the FakePrompter.
#pragma once

#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "bars/ccustomtoolbar.h"

#include <QToolButton>
#include "scribletfixture.h"

#include <QAction>
#include <QLabel>

class FrameTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        makeSettings();
    }
    // A settings object on "cfg/Scriblet.ini", as a start of the program makes it.
    void makeSettings()
    {
        m_settings = std::make_unique<CShellSettings>(path(QStringLiteral("cfg")));
        m_settings->dviViewerLookup = [] { return QStringLiteral("xdvi"); };
        m_settings->psViewerLookup = [] { return QStringLiteral("gv"); };
        m_settings->languageDir = LanguageDir;
    }
    void TearDown() override
    {
        m_frame.reset();
        ScribletTest::TearDown();
    }
    CMainFrame *makeFrame()
    {
        m_frame = std::make_unique<CMainFrame>(m_settings.get(), &m_prompter);
        EXPECT_TRUE(m_frame->create());
        return m_frame.get();
    }
    // Closes the window as the user does and starts a new one on the same
    // settings file (a restart of the program).
    CMainFrame *restartFrame()
    {
        m_frame->show();
        EXPECT_TRUE(m_frame->close());
        m_frame.reset();
        makeSettings();
        return makeFrame();
    }
    QString ini() const { return m_settings->iniPath(); }
    DocumentManager &docs() const { return m_frame->documents(); }
    CCustomToolBar *bar(int id) const { return qobject_cast<CCustomToolBar *>(m_frame->toolBar(id)); }
    QAction *cmd(int id) const { return m_frame->findChild<QAction *>(QStringLiteral("cmd%1").arg(id)); }
    QString pane(int id) const
    {
        auto *l = m_frame->findChild<QLabel *>(QStringLiteral("pane%1").arg(id));
        return l ? l->text() : QStringLiteral("<no pane>");
    }

    std::unique_ptr<CShellSettings> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
};
