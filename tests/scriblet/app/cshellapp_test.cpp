// Start-up order and the hand-over between two instances.
#include "app/cshellapp.h"

#include "app/cmainframe.h"
#include "project/cprojectbar.h"
#include "common/cshellsettings.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "framefixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QUuid>

namespace {

class ShellAppTest : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        m_service = QStringLiteral("SCRIBLET_TEST_") + QUuid::createUuid().toString(QUuid::Id128);
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    std::unique_ptr<CShellSettings> settings()
    {
        auto s = std::make_unique<CShellSettings>();
        s->dviViewerLookup = [] { return QStringLiteral("xdvi"); };
        s->psViewerLookup = [] { return QStringLiteral("gv"); };
        return s;
    }
    std::unique_ptr<CShellApp> app(CShellSettings *s, FakePrompter *p)
    {
        return std::make_unique<CShellApp>(s, p, m_service, path(QStringLiteral("cfg")));
    }
    // Runs the event loop until the condition holds (or a generous limit passes).
    template<typename F> bool waitFor(F cond)
    {
        QDeadlineTimer limit(20000);
        while (!cond() && !limit.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return cond();
    }
    QString ini() { return path(QStringLiteral("cfg/Scriblet.ini")); }

    QString m_service;
    QString m_oldCwd;
};

TEST_F(ShellAppTest, FirstStartAsksLanguageThenShowsInformationAndAboutOnce)
{
    {
        auto s = settings();
        FakePrompter p;
        p.language = 1;
        auto a = app(s.get(), &p);
        ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
        EXPECT_EQ(p.languageAsked, 1);
        EXPECT_EQ(p.informationShown, 1);
        EXPECT_EQ(p.aboutShown, 1);
        EXPECT_TRUE(a->firstStart());
        EXPECT_EQ(s->profile().getInt(ShellIni::General, QStringLiteral("Language"), 99), 1);
        EXPECT_EQ(s->storedVersion(), QStringLiteral("2.0r"));
        a->exit();
    }
    {
        auto s = settings();
        FakePrompter p;
        auto a = app(s.get(), &p);
        ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
        EXPECT_EQ(p.languageAsked, 0);
        EXPECT_EQ(p.informationShown, 0);
        EXPECT_EQ(p.aboutShown, 0);
        EXPECT_EQ(s->language, 1);
        a->exit();
    }
}

TEST_F(ShellAppTest, QuittingWritesThePageSetupOnlyWhenItChanged)
{
    auto section = [this] {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    for (int run = 0; run < 2; ++run) {
        auto s = settings();
        FakePrompter p;
        auto a = app(s.get(), &p);
        ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
        EXPECT_EQ(s->pageHeader, QStringLiteral("Datei: &f"));
        EXPECT_EQ(s->pageFooter, QStringLiteral("Seite: &p"));
        if (run == 1)
            s->pageHeader = QStringLiteral("Kopf: &f");
        a->exit();
        if (run == 0)
            EXPECT_FALSE(section().contains(QStringLiteral("PageSetup"))) << section().toStdString();
    }
    EXPECT_TRUE(section().contains(QStringLiteral("[PageSetup]")));
    EXPECT_TRUE(section().contains(QStringLiteral("Header=Kopf: &f")));
    EXPECT_FALSE(section().contains(QStringLiteral("Footer=")));
}

TEST_F(ShellAppTest, ChangedVersionShowsAboutAgainAndResetsMainToolbar)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=1.5\r\n"
                                  "[General Settings-Scriblet-0]\r\nButtons=1,2\r\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
    EXPECT_EQ(p.languageAsked, 0);
    EXPECT_EQ(p.aboutShown, 1);
    EXPECT_EQ(s->profile().getString(ShellIni::MainToolbarSection, QStringLiteral("Buttons"), QStringLiteral("x")),
              QString());
    a->exit();
}

TEST_F(ShellAppTest, CommandLineOpensFileAtLineAndSetsMainDocument)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    QByteArray text;
    for (int i = 1; i <= 50; ++i)
        text += "Zeile " + QByteArray::number(i) + "\r\n";
    testsupport::writeFile(path(QStringLiteral("doc/chap1.tex")), text);
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({QStringLiteral("-m"), path(QStringLiteral("doc/thesis.tex")), QStringLiteral("-c"),
                        path(QStringLiteral("doc/chap1.tex")), QStringLiteral("-l"), QStringLiteral("30")},
                       false),
              CShellApp::StartResult::Running);
    CShellView *v = a->frame()->activeView();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->document()->fileTitle(), QStringLiteral("chap1.tex"));
    EXPECT_EQ(v->caretLine(), 30);
    EXPECT_EQ(s->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(s->profile().getString(ShellIni::TexSettings, QStringLiteral("mainpath")), path(QStringLiteral("doc")));
    EXPECT_EQ(QDir::currentPath(), QDir(path(QStringLiteral("doc"))).canonicalPath());
    EXPECT_TRUE(p.messages.isEmpty());
    a->exit();
}

TEST_F(ShellAppTest, UnreadableFileOnCommandLineIsReportedAndStartGoesOn)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({QStringLiteral("missing.tex"), QStringLiteral("proj_sbp")}, false),
              CShellApp::StartResult::Running);
    EXPECT_EQ(p.messages, QStringList{QStringLiteral("missing.tex nicht in\n. gefunden !!")});
    EXPECT_TRUE(a->frame()->children().isEmpty());
    // "proj_sbp" ends in "sbp" (taken as the project) but not in ".sbp": not opened.
    EXPECT_FALSE(a->frame()->projectBar()->project().isActive());
    a->exit();
}

TEST_F(ShellAppTest, ImageFilesThatCannotBeWrittenEndTheStart)
{
    testsupport::writeFile(path(QStringLiteral("blocker")), "a file where the settings directory should be");
    auto s = settings();
    FakePrompter p;
    p.language = 0;
    CShellApp a(s.get(), &p, m_service, path(QStringLiteral("blocker/cfg")));
    EXPECT_EQ(a.start({}, false), CShellApp::StartResult::Failed);
    ASSERT_EQ(p.messages.size(), 1);
    EXPECT_TRUE(p.messages.first().startsWith(QStringLiteral("Can't find:\n '") + path(QStringLiteral("blocker/cfg/ScribletTools.bmp"))));
    EXPECT_TRUE(p.messages.first().endsWith(QStringLiteral("ScribletMacros.bmp' file")));
    EXPECT_EQ(a.frame(), nullptr);
}

TEST_F(ShellAppTest, SecondStartHandsOverToTheRunningInstance)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    testsupport::writeFile(path(QStringLiteral("doc/chap2.tex")), "a\nb\nc\nd\n");
    auto s1 = settings();
    FakePrompter p1;
    auto first = app(s1.get(), &p1);
    ASSERT_EQ(first->start({}, false), CShellApp::StartResult::Running);
    QString requested;
    QObject::connect(first->frame(), &CMainFrame::projectRequested, [&](const QString &p) { requested = p; });

    auto s2 = settings();
    FakePrompter p2;
    auto second = app(s2.get(), &p2);
    EXPECT_EQ(second->start({QStringLiteral("-m"), path(QStringLiteral("doc/thesis.tex")),
                             path(QStringLiteral("doc/chap2.tex")), QStringLiteral("-l"), QStringLiteral("3"),
                             path(QStringLiteral("doc/thesis.sbp"))},
                            false),
              CShellApp::StartResult::HandedOver);
    EXPECT_EQ(second->frame(), nullptr);
    EXPECT_EQ(p2.languageAsked, 0);

    ASSERT_TRUE(waitFor([&] { return first->frame()->activeView() != nullptr; }));
    CShellView *v = first->frame()->activeView();
    EXPECT_EQ(v->document()->fileTitle(), QStringLiteral("chap2.tex"));
    EXPECT_EQ(v->caretLine(), 3);
    EXPECT_EQ(s1->goToLine, 0);
    EXPECT_EQ(s1->profile().getString(ShellIni::TexSettings, QStringLiteral("maintex")), QStringLiteral("thesis.tex"));
    EXPECT_EQ(requested, path(QStringLiteral("doc/thesis.sbp")));
    EXPECT_TRUE(first->frame()->needsTexRun());
    first->exit();
}

TEST_F(ShellAppTest, EmptyHandOverOnlySetsNeedsTexRun)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n[TeX Settings]\r\nmaintex=a.tex\r\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
    a->frame()->setNeedsTexRun(false);
    const QByteArray before = testsupport::readAll(ini());
    EXPECT_TRUE(a->onMessages({QByteArray("SCRIBLET_TOPIC"), QByteArray(";;;0\0", 5)}));
    EXPECT_TRUE(a->frame()->needsTexRun());
    EXPECT_EQ(testsupport::readAll(ini()), before);
    EXPECT_TRUE(a->frame()->children().isEmpty());
    EXPECT_TRUE(p.messages.isEmpty());
    a->exit();
}

TEST_F(ShellAppTest, WrongTopicAndGarbageNeverHurt)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
    a->frame()->setNeedsTexRun(false);
    EXPECT_FALSE(a->onMessages({QByteArray("OTHER_TOPIC"), QByteArray(";;;0")}));
    EXPECT_FALSE(a->onMessages({}));
    EXPECT_FALSE(a->frame()->needsTexRun());

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 7 + 1));
    EXPECT_TRUE(a->onMessages({QByteArray("SCRIBLET_TOPIC"), QByteArray(1 << 20, 'x'), binary, QByteArray()}));
    EXPECT_TRUE(a->frame()->needsTexRun());
    EXPECT_TRUE(a->frame()->children().isEmpty());

    // Over the real channel too: the instance keeps serving afterwards.
    {
        auto s2 = settings();
        FakePrompter p2;
        auto b = app(s2.get(), &p2);
        EXPECT_EQ(b->start({}, false), CShellApp::StartResult::HandedOver);
    }
    a->exit();
}

} // namespace
