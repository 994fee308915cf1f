// Start-up order and the hand-over between two instances.
#include "app/cshellapp.h"

#include "app/cmainframe.h"
#include "project/cprojectbar.h"
#include "common/cshellsettings.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "resources/strings.h"
#include "tools/toolcommands.h"
#include "framefixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTimer>
#include <QUuid>
#include <sys/stat.h>
#include <unistd.h>

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
        backToGerman();
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    std::unique_ptr<CShellSettings> settings()
    {
        auto s = std::make_unique<CShellSettings>();
        s->dviViewerLookup = [] { return QStringLiteral("xdvi"); };
        s->psViewerLookup = [] { return QStringLiteral("gv"); };
        s->languageDir = LanguageDir;
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
    // The document window showing the file, or null.
    static CShellView *viewOf(CShellApp &a, const QString &fileTitle)
    {
        for (CChildFrame *c : a.frame()->children())
            if (c->doc()->fileTitle() == fileTitle)
                return c->view();
        return nullptr;
    }
    // A later start that hands its command line over (and must find the first).
    void handOver(const QStringList &args)
    {
        auto s = settings();
        FakePrompter p;
        EXPECT_EQ(app(s.get(), &p)->start(args, false), CShellApp::StartResult::HandedOver);
    }
    QString lines(int n)
    {
        QString text;
        for (int i = 1; i <= n; ++i)
            text += QStringLiteral("Zeile %1\n").arg(i);
        return text;
    }

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
        if (run == 0) {
            EXPECT_FALSE(section().contains(QStringLiteral("PageSetup"))) << section().toStdString();
        }
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

// A file named on the command line or by a later start that exists but cannot be
// read says why; a FIFO is never opened for reading (it would block the start).
TEST_F(ShellAppTest, NamedFilesThatAreNoDocumentsSayWhyWithoutBlocking)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    const QString fifo = path(QStringLiteral("x.tex"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(path(QStringLiteral("folder.tex")));
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({fifo}, false), CShellApp::StartResult::Running);
    a->onExecute(QStringLiteral(";;%1;0").arg(path(QStringLiteral("folder.tex"))).toUtf8());
    a->onExecute(QByteArray(";;/dev/urandom;3"));
    ASSERT_EQ(p.messages.size(), 3);
    EXPECT_EQ(p.messages.at(0), fifo + QString::fromUtf8(" konnte nicht geöffnet werden:\nDas ist keine gewöhnliche "
                                                         "Datei; sie kann nicht als Dokument geöffnet werden."));
    EXPECT_EQ(p.messages.at(1), path(QStringLiteral("folder.tex"))
                                    + QString::fromUtf8(" konnte nicht geöffnet werden:\nDas ist ein Ordner, keine Datei."));
    EXPECT_TRUE(p.messages.at(2).startsWith(QStringLiteral("/dev/urandom konnte nicht")));
    EXPECT_TRUE(a->frame()->children().isEmpty());
    a->exit();
}

// Without a runtime folder the channel's fallback folder is used; when another user
// made it, Scriblet starts without the channel and says so once.
TEST_F(ShellAppTest, StartsWithoutTheChannelWhenItsFolderIsNotOurs)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(path(QStringLiteral("tmp"))));
    const QString squatted = path(QStringLiteral("tmp/localchannel-%1").arg(::getuid()));
    ASSERT_TRUE(QDir().mkpath(squatted));
    if (::getuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(squatted).constData(), testsupport::OtherUserId, testsupport::OtherUserId), 0);
    }
    ::chmod(QFile::encodeName(squatted).constData(), 0777);
    {
        auto s = settings();
        FakePrompter p;
        auto a = app(s.get(), &p);
        EXPECT_EQ(a->start({}, false), CShellApp::StartResult::Running);
        ASSERT_EQ(p.messages.size(), 1);
        EXPECT_TRUE(p.messages.first().startsWith(QStringLiteral("Der private Kanal"))) << p.messages.first().toStdString();
        EXPECT_NE(a->frame(), nullptr);
        EXPECT_TRUE(QDir(squatted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).isEmpty());
        a->exit();
    }
    if (oldRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    if (oldTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmp);
}

TEST_F(ShellAppTest, StoredLanguageIsAppliedBeforeTheMenusAreBuilt)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=1\r\nVersion=2.0r\r\n");
    {
        auto s = settings();
        FakePrompter p;
        auto a = app(s.get(), &p);
        ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
        EXPECT_EQ(s->language, 1);
        EXPECT_EQ(a->frame()->action(57601)->text(), QStringLiteral("&Open..."));
        EXPECT_EQ(a->frame()->action(57601)->statusTip(), QStringLiteral("Opens an existing document."));
        EXPECT_EQ(a->frame()->statusBar()->currentMessage(), QStringLiteral("Ready..."));
        a->exit();
    }
    backToGerman();
    // The file is gone: German, said once in the status bar; the choice is kept.
    testsupport::writeFile(ini(), "[General]\r\nLanguage=2\r\nVersion=2.0r\r\n");
    auto s = settings();
    s->languageDir = path(QStringLiteral("nowhere"));
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
    EXPECT_EQ(s->language, 0);
    EXPECT_EQ(a->frame()->action(57601)->text(), QStringLiteral("Ö&ffnen..."));
    EXPECT_EQ(a->frame()->statusBar()->currentMessage(),
              QStringLiteral("Die Sprachdatei %1 ist nicht verwendbar (sie fehlt); die Oberfläche bleibt deutsch.")
                  .arg(path(QStringLiteral("nowhere/Scriblet_fr.qm"))));
    EXPECT_TRUE(p.messages.isEmpty());
    EXPECT_EQ(s->profile().getInt(ShellIni::General, QStringLiteral("Language"), 99), 2);
    a->exit();
}

// A later start while the first still asks for the language: its file opens once
// start-up is over, at its own line, and the first start's file keeps its line.
TEST_F(ShellAppTest, HandOverDuringTheLanguageDialogOpensAfterwardsAtItsOwnLine)
{
    testsupport::writeFile(path(QStringLiteral("doc/a.tex")), lines(40).toUtf8());
    testsupport::writeFile(path(QStringLiteral("doc/b.tex")), lines(40).toUtf8());
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    bool queuedDuringDialog = false;
    p.duringLanguageDialog = [&] {
        handOver({path(QStringLiteral("doc/b.tex")), QStringLiteral("-l"), QStringLiteral("3")});
        queuedDuringDialog = waitFor([&] { return a->pendingHandOvers() == 1; });
    };
    ASSERT_EQ(a->start({path(QStringLiteral("doc/a.tex")), QStringLiteral("-l"), QStringLiteral("25")}, false),
              CShellApp::StartResult::Running);
    EXPECT_TRUE(queuedDuringDialog);
    EXPECT_EQ(a->pendingHandOvers(), 0);
    ASSERT_NE(viewOf(*a, QStringLiteral("a.tex")), nullptr);
    ASSERT_NE(viewOf(*a, QStringLiteral("b.tex")), nullptr);
    EXPECT_EQ(viewOf(*a, QStringLiteral("a.tex"))->caretLine(), 25);
    EXPECT_EQ(viewOf(*a, QStringLiteral("b.tex"))->caretLine(), 3);
    EXPECT_EQ(a->frame()->activeView(), viewOf(*a, QStringLiteral("b.tex"))); // it came last
    EXPECT_EQ(a->commandLineInfo().filePath, path(QStringLiteral("doc/a.tex")));
    EXPECT_TRUE(p.messages.isEmpty());
    a->exit();
}

// A hand-over of a missing file while LaTeX runs: its message box comes after the
// run, when input is taken again, so it can be answered.
TEST_F(ShellAppTest, HandOverDuringALatexRunIsAnsweredAfterTheRun)
{
    const QString latex = path(QStringLiteral("slowlatex"));
    QFile::link(testsupport::helperPath(), latex);
    testsupport::writeFile(latex + ".behave", "sleep=1500\n");
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n[TeX Settings]\r\nexe=" + latex.toUtf8()
                                      + "\r\ncmd=%s\r\n");
    testsupport::writeFile(path(QStringLiteral("doc/a.tex")), "x\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({path(QStringLiteral("doc/a.tex"))}, false), CShellApp::StartResult::Running);
    ToolCommands *tools = a->frame()->toolCommands();

    // Three starts, two of them naming the same missing file: one box after the run.
    bool queuedWhileRunning = false;
    QTimer::singleShot(200, [&] {
        handOver({path(QStringLiteral("doc/missing.tex"))});
        handOver({path(QStringLiteral("doc/missing.tex"))});
        handOver({path(QStringLiteral("doc/gone.tex"))});
        queuedWhileRunning = waitFor([&] { return a->pendingHandOvers() == 3; }) && tools->isBusy();
    });
    bool busyAtMessage = true;
    bool waitCursorAtMessage = true;
    QString statusAtMessage;
    p.onMessage = [&](const QString &) {
        busyAtMessage = tools->isBusy();
        waitCursorAtMessage = QApplication::overrideCursor() != nullptr;
        statusAtMessage = a->frame()->statusBar()->currentMessage();
    };
    tools->onRunLatex();
    EXPECT_TRUE(queuedWhileRunning);
    EXPECT_TRUE(p.messages.isEmpty()); // nothing was asked under the input blocker
    ASSERT_TRUE(waitFor([&] { return !p.messages.isEmpty(); }));
    EXPECT_EQ(p.messages, QStringList{Str::format(Str::HandOversNotFound,
                                                  {s->mainPath(), path(QStringLiteral("doc/missing.tex")) + u'\n'
                                                                      + path(QStringLiteral("doc/gone.tex"))})});
    EXPECT_FALSE(busyAtMessage);
    EXPECT_FALSE(waitCursorAtMessage);
    EXPECT_NE(statusAtMessage, QString::fromUtf8("LaTeX wird ausgeführt..."));
    EXPECT_EQ(a->pendingHandOvers(), 0);
    a->exit();
}

// A flood of starts naming missing files while the first box is open: they wait
// behind it and are said together in one more box, not one box each.
TEST_F(ShellAppTest, MissingFilesHandedOverDuringABoxAreSaidOnce)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
    const auto message = [&](const QString &name) {
        return (QStringLiteral(";;") + path(name) + QStringLiteral(";0")).toUtf8() + '\0';
    };
    p.onMessage = [&](const QString &) {
        if (p.messages.size() > 1)
            return;
        for (int i = 0; i < 500; ++i)
            a->onMessages({QByteArray("SCRIBLET_TOPIC"), message(QStringLiteral("doc/m%1.tex").arg(i % 30))});
    };
    EXPECT_TRUE(a->onMessages({QByteArray("SCRIBLET_TOPIC"), message(QStringLiteral("doc/first.tex"))}));
    ASSERT_EQ(p.messages.size(), 2) << p.messages.join(u'|').toStdString();
    EXPECT_EQ(p.messages.first(), Str::format(Str::NotFound, {path(QStringLiteral("doc/first.tex")), s->mainPath()}));
    const QString together = p.messages.last();
    EXPECT_TRUE(together.contains(path(QStringLiteral("doc/m0.tex")) + u'\n'));
    EXPECT_TRUE(together.contains(path(QStringLiteral("doc/m19.tex"))));
    EXPECT_FALSE(together.contains(path(QStringLiteral("doc/m20.tex")))); // twenty names, then how many more
    EXPECT_TRUE(together.endsWith(QStringLiteral("...\n(+10)")));
    EXPECT_EQ(a->pendingHandOvers(), 0);
    a->exit();
}

TEST_F(ShellAppTest, FileNameWithSemicolonsArrivesWholeOrNothingOpens)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    testsupport::writeFile(path(QStringLiteral("doc/a;b.tex")), "semicolon\n");
    testsupport::writeFile(path(QStringLiteral("doc/a")), "the wrong file\n");
    auto s = settings();
    FakePrompter p;
    auto a = app(s.get(), &p);
    ASSERT_EQ(a->start({}, false), CShellApp::StartResult::Running);
    handOver({path(QStringLiteral("doc/a;b.tex")), QStringLiteral("-l"), QStringLiteral("1")});
    ASSERT_TRUE(waitFor([&] { return a->frame()->activeView() != nullptr; }));
    EXPECT_EQ(a->frame()->children().size(), 1);
    EXPECT_NE(viewOf(*a, QStringLiteral("a;b.tex")), nullptr);
    EXPECT_TRUE(p.messages.isEmpty());

    // The first form from elsewhere, cut at every ';': refused with a message.
    EXPECT_TRUE(a->onMessages({QByteArray("SCRIBLET_TOPIC"), (";;" + path(QStringLiteral("doc/a;b.tex")) + ";0").toUtf8()}));
    EXPECT_EQ(a->frame()->children().size(), 1);
    ASSERT_EQ(p.messages.size(), 1);
    EXPECT_TRUE(p.messages.first().startsWith(QString::fromUtf8("Ein weiterer Programmstart hat Namen übergeben")));
    EXPECT_TRUE(p.messages.first().endsWith(path(QStringLiteral("doc/a;b.tex")) + QStringLiteral(";0")));
    a->exit();
}

} // namespace
