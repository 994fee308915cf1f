// The tool runner's decisions: order of saving, prerequisite runs, messages and
// directories, with the starts recorded instead of performed.
#include "tools/toolrunner.h"

#include "scribletfixture.h"
#include "platform/profile.h"
#include "scribletfixture.h"
#include "testsupport.h"
#include "resources/strings.h"

#include <QDir>

namespace {

class ToolRunnerTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        settings = makeToolSettings(path(), QStringLiteral("dviview"), QStringLiteral("psview"));
        auto launcher = std::make_unique<RecordingLauncher>(&host.journal);
        recorder = launcher.get();
        runner = std::make_unique<ToolRunner>(*settings, host, host, m_prompter, std::move(launcher));
        runner->setNeedsTexRun(false);
        QDir().mkpath(path("doc"));
        dir = path("doc") + '/';
    }
    void TearDown() override
    {
        ScribletTest::TearDown();
    }
    QString run(const QString &exe, const QString &args) const
    {
        return QStringLiteral("run %1 [%2] in %3").arg(exe, args, dir);
    }
    QString start(const QString &exe, const QString &args, const QString &in) const
    {
        return QStringLiteral("start %1 [%2] in %3").arg(exe, args, in);
    }
    QStringList latexRun(const QString &name = QStringLiteral("a.tex")) const
    {
        return {QStringLiteral("wait LaTeX wird ausgeführt..."), run("latex", name), "done", "log"};
    }
    QStringList dvipsRun(const QString &dvi = QStringLiteral("a.dvi")) const
    {
        return {QStringLiteral("wait DVIPS wird ausgeführt..."), run("dvips", "-D600|" + dvi), "done"};
    }

    std::unique_ptr<CShellSettings> settings;
    FakeToolHost host;
    RecordingLauncher *recorder = nullptr;
    std::unique_ptr<ToolRunner> runner;
    QString dir;
};

TEST_F(ToolRunnerTest, LatexOnActiveDocumentRunsInItsDirectoryAndLoadsLog)
{
    host.open(dir + "a.tex", "x");
    testsupport::writeFile(dir + "a.log", "This is a log\n");
    settings->dviChanged = 0;
    runner->setNeedsTexRun(true);
    ASSERT_TRUE(runner->runLatex());
    EXPECT_EQ(host.journal, latexRun());
    EXPECT_EQ(host.logText, QStringLiteral("This is a log\n"));
    EXPECT_EQ(settings->dviChanged, 1);
    EXPECT_FALSE(runner->needsTexRun());
    EXPECT_EQ(QDir::currentPath() + '/', dir);
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(ToolRunnerTest, LatexSavesFirstAndUsesMainDocument)
{
    host.open(path("other.tex"), "o");
    host.edit(0, "changed");
    settings->setMainDocument(path("doc"), QStringLiteral("thesis.tex"));
    host.projectLoaded = true;
    runner->runLatex();
    // A run that left no log counts as failed: the pane may keep its table of contents.
    QStringList expected{QStringLiteral("save other.tex")};
    expected << latexRun(QStringLiteral("thesis.tex")) << "toc after failure";
    EXPECT_EQ(host.journal, expected);
    EXPECT_EQ(host.logText, Str::text(Str::LogNotLoaded));
    EXPECT_EQ(testsupport::readAll(path("other.tex")), QByteArray("changed"));
}

TEST_F(ToolRunnerTest, NoDocumentAnywhere)
{
    for (const auto tool : {ToolRunner::Tool::Latex, ToolRunner::Tool::Bibtex, ToolRunner::Tool::PsViewer}) {
        m_prompter.messages.clear();
        EXPECT_FALSE(runner->run(tool));
        EXPECT_EQ(m_prompter.messages, QStringList{Str::text(Str::ToolNoCurrentDocument)});
    }
    EXPECT_FALSE(host.journal.join(' ').contains("run"));
}

TEST_F(ToolRunnerTest, DocumentsOpenButNoActiveChildEndsSilently)
{
    host.open(dir + "a.tex", "x");
    host.active = -1;
    EXPECT_FALSE(runner->runLatex());
    EXPECT_EQ(host.journal, QStringList{"activate"});
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(ToolRunnerTest, UntitledActiveDocumentIsNotRunOn)
{
    host.documents.append({QString(), QStringLiteral("Tex File 1"), "x", true});
    host.active = 0;
    EXPECT_FALSE(runner->runLatex());
    EXPECT_EQ(m_prompter.messages, QStringList{Str::text(Str::ToolNoCurrentDocument)});
}

TEST_F(ToolRunnerTest, EmptyExecutableOrTemplate)
{
    host.open(dir + "a.tex", "x");
    struct Row { ToolSettings *tool; ToolRunner::Tool which; bool exe; int message; };
    const Row rows[] = {
        {&settings->tex, ToolRunner::Tool::Latex, true, Str::ToolNoExe},
        {&settings->tex, ToolRunner::Tool::Latex, false, Str::ToolNoCmdLine},
        {&settings->bibtex, ToolRunner::Tool::Bibtex, true, Str::ToolNoExe},
        {&settings->dvips, ToolRunner::Tool::Dvips, false, Str::ToolNoCmdLine},
        {&settings->dviViewer, ToolRunner::Tool::DviViewer, true, Str::ToolNoExe},
        {&settings->psViewer, ToolRunner::Tool::PsViewer, false, Str::ToolNoCmdLine},
    };
    for (const Row &row : rows) {
        const ToolSettings saved = *row.tool;
        (row.exe ? row.tool->exe : row.tool->cmd).clear();
        m_prompter.messages.clear();
        host.journal.clear();
        host.edit(0, "y");
        runner->setNeedsTexRun(true);
        EXPECT_FALSE(runner->run(row.which));
        EXPECT_EQ(m_prompter.messages, QStringList{Str::text(row.message)}) << row.message;
        EXPECT_FALSE(host.journal.join(' ').contains("run ")) << host.journal.join(", ").toStdString();
        *row.tool = saved;
    }
}

TEST_F(ToolRunnerTest, DependentToolChecksSettingsBeforeSaving)
{
    host.open(dir + "a.tex", "x");
    host.edit(0, "y");
    settings->bibtex.exe.clear();
    runner->runBibtex();
    EXPECT_TRUE(host.documents[0].modified);
}

TEST_F(ToolRunnerTest, LatexStartFailureKeepsFlagsAndLog)
{
    host.open(dir + "a.tex", "x");
    host.logText = QStringLiteral("previous");
    settings->dviChanged = 0;
    runner->setNeedsTexRun(true);
    recorder->missing << "latex";
    EXPECT_FALSE(runner->runLatex());
    EXPECT_EQ(m_prompter.messages, QStringList{startFailedMessage("latex", "not found")});
    EXPECT_EQ(host.logText, QStringLiteral("previous"));
    EXPECT_EQ(settings->dviChanged, 0);
    EXPECT_TRUE(runner->needsTexRun());
}

TEST_F(ToolRunnerTest, PsViewerAfterEditRunsSaveLatexDvipsViewerThenOnlyViewer)
{
    host.open(dir + "a.tex", "x");
    settings->dviChanged = 0;
    host.edit(0, "edited");
    ASSERT_TRUE(runner->runPsViewer());
    QStringList expected{QStringLiteral("save a.tex")};
    expected << latexRun() << dvipsRun() << start("psview", "a.ps", dir);
    EXPECT_EQ(host.journal, expected);
    EXPECT_EQ(settings->dviChanged, 0);

    host.journal.clear();
    ASSERT_TRUE(runner->runPsViewer());
    EXPECT_EQ(host.journal, QStringList{start("psview", "a.ps", dir)});
}

TEST_F(ToolRunnerTest, PsViewerRunsDvipsWhenDviIsNewer)
{
    host.open(dir + "a.tex", "x");
    settings->dviChanged = 1;
    runner->runPsViewer();
    QStringList expected = dvipsRun();
    expected << start("psview", "a.ps", dir);
    EXPECT_EQ(host.journal, expected);

    host.journal.clear();
    settings->dviChanged = 1;
    settings->psViewer.rundvips = 0;
    runner->runPsViewer();
    EXPECT_EQ(host.journal, QStringList{start("psview", "a.ps", dir)});
}

TEST_F(ToolRunnerTest, DvipsStartFailureKeepsDviChanged)
{
    host.open(dir + "a.tex", "x");
    recorder->missing << "dvips";
    settings->dviChanged = 1;
    EXPECT_FALSE(runner->runDvips());
    EXPECT_EQ(settings->dviChanged, 1);
    EXPECT_EQ(m_prompter.messages, QStringList{startFailedMessage("dvips", "not found")});
    // The viewer then still tries DVIPS once more in its own step, then starts.
    m_prompter.messages.clear();
    host.journal.clear();
    host.edit(0, "y");
    runner->runPsViewer();
    EXPECT_EQ(host.journal.filter(QStringLiteral("run dvips")).size(), 2);
    EXPECT_EQ(host.journal.last(), start("psview", "a.ps", dir));
}

TEST_F(ToolRunnerTest, BibtexGetsMainBaseAndRunsLatexAfterMainDocumentCommand)
{
    runner->setMainDocument(QStringLiteral("thesis.tex"), path("doc"));
    EXPECT_EQ(host.mainStatus, QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));
    EXPECT_EQ(Profile(path("Scriblet.ini")).getString("TeX Settings", "maintex"), QStringLiteral("thesis.tex"));
    EXPECT_EQ(Profile(path("Scriblet.ini")).getString("TeX Settings", "mainpath"), path("doc"));
    EXPECT_TRUE(runner->needsTexRun());

    runner->runBibtex();
    QStringList expected = latexRun(QStringLiteral("thesis.tex"));
    // BibTeX's log (".blg") replaces LaTeX's in the pane.
    expected << QStringLiteral("wait BibTeX wird ausgeführt...") << run("bibtex", "thesis") << "done" << "log";
    EXPECT_EQ(host.journal, expected);

    host.journal.clear();
    runner->runBibtex();
    EXPECT_EQ(host.journal,
              QStringList({QStringLiteral("wait BibTeX wird ausgeführt..."), run("bibtex", "thesis"), "done", "log"}));

    runner->setMainDocument(QString(), path("doc"));
    EXPECT_EQ(host.mainStatus, QStringLiteral("Haupt-TeX-Dokument :  aktuelles"));
}

TEST_F(ToolRunnerTest, RuntexOffSkipsLatexButClearsNeedsTexRun)
{
    host.open(dir + "a.tex", "x");
    settings->dviViewer.runtex = 0;
    runner->setNeedsTexRun(true);
    runner->runDviViewer();
    EXPECT_EQ(host.journal, QStringList{start("dviview", "a.dvi", dir)});
    EXPECT_FALSE(runner->needsTexRun());
}

TEST_F(ToolRunnerTest, UserToolExampleRunsInMainDirectory)
{
    settings->setMainDocument(path("doc"), QStringLiteral("thesis.tex"));
    settings->dviChanged = 0;
    settings->userTools[0] = {QStringLiteral("PDF"), QStringLiteral("mkpdf"), QStringLiteral("-o %ps.pdf %s"), 1, 1};
    ASSERT_TRUE(runner->runUserTool(0));
    EXPECT_EQ(host.journal, QStringList{start("mkpdf", "-o|" + path("doc/thesis.pdf") + "|thesis", path("doc"))});
}

TEST_F(ToolRunnerTest, UserToolMessages)
{
    struct Row { const char *what; const char *exe; const char *cmd; bool main; bool doc; QString message; };
    const Row rows[] = {
        {"emptyExe", "", "%s", true, true, Str::text(Str::ToolNoExe)},
        {"needsMain", "t", "%ps.pdf", false, true, Str::text(Str::ToolNoMainDocument)},
        {"needsActive", "t", "%c", true, false, Str::text(Str::ToolNoCurrentDocument)},
        {"exeCheckedFirst", "", "%c", false, false, Str::text(Str::ToolNoExe)},
    };
    for (const Row &row : rows) {
        host.documents.clear();
        host.active = -1;
        m_prompter.messages.clear();
        host.journal.clear();
        if (row.doc)
            host.open(dir + "a.tex", "x");
        settings->setMainDocument(settings->mainPath(), row.main ? QStringLiteral("thesis.tex") : QString());
        settings->userTools[5] = {QStringLiteral("T"), QString::fromUtf8(row.exe), QString::fromUtf8(row.cmd), 1, 1};
        runner->setNeedsTexRun(true);
        EXPECT_FALSE(runner->runUserTool(5)) << row.what;
        EXPECT_EQ(m_prompter.messages, QStringList{row.message}) << row.what;
        EXPECT_TRUE(runner->needsTexRun()) << row.what;
        EXPECT_TRUE(host.journal.filter("start").isEmpty()) << row.what;
    }
}

TEST_F(ToolRunnerTest, UserToolPathMainWithoutAnyDocumentGivesEmptyArgument)
{
    settings->dviChanged = 0;
    settings->userTools[9] = {QStringLiteral("T"), QStringLiteral("t"), QStringLiteral("%pm"), 1, 1};
    ASSERT_TRUE(runner->runUserTool(9));
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    ASSERT_EQ(host.journal.size(), 1);
    EXPECT_TRUE(host.journal[0].startsWith("start t [] in ")) << host.journal[0].toStdString();
}

TEST_F(ToolRunnerTest, UserToolRunsPrerequisitesOnlyForNeedsTexRunAndStaysInItsDirectory)
{
    QDir().mkpath(path("chap"));
    host.open(path("chap/intro.tex"), "x");
    settings->setMainDocument(path("doc"), QStringLiteral("a.tex"));
    settings->dviChanged = 0;
    settings->userTools[1] = {QStringLiteral("Count"), QStringLiteral("wc"), QStringLiteral("%c.tex"), 1, 1};

    // An edit alone does not trigger LaTeX for a user tool.
    host.edit(0, "y");
    runner->runUserTool(1);
    EXPECT_EQ(host.journal, QStringList({"save intro.tex", start("wc", "intro.tex", path("chap/"))}));

    host.journal.clear();
    runner->setNeedsTexRun(true);
    runner->runUserTool(1);
    QStringList expected = latexRun();
    expected << dvipsRun() << start("wc", "intro.tex", path("chap/"));
    EXPECT_EQ(host.journal, expected);
    EXPECT_EQ(QDir::currentPath() + '/', path("chap/"));
}

TEST_F(ToolRunnerTest, UserToolOutOfRangeDoesNothing)
{
    EXPECT_FALSE(runner->runUserTool(10));
    EXPECT_FALSE(runner->runUserTool(-1));
    EXPECT_TRUE(host.journal.isEmpty());
}

// A log with one error, one warning and one bad box, as LaTeX writes them.
const QByteArray LogWithEntries = "This is pdfTeX\n(./a.tex\n"
                                  "! Undefined control sequence.\nl.3 \\foo\n          \nHelp.\n\n"
                                  "LaTeX Warning: Reference `x' on page 1 undefined on input line 4.\n\n"
                                  "Overfull \\hbox (1.0pt too wide) in paragraph at lines 5--6\n[]\\OT1 text\n\n)\n";

TEST_F(ToolRunnerTest, LatexCountsGoToTheStatusBarAndAFailedRunTellsTheTableOfContents)
{
    host.open(dir + "a.tex", "x");
    host.projectLoaded = true;
    recorder->output["latex"] = {dir + "a.log", LogWithEntries};
    ASSERT_TRUE(runner->runLatex());
    EXPECT_EQ(host.runStatus, QString::fromUtf8("LaTeX beendet – Fehler: 1, Warnungen: 1, Bad Boxes: 1"));
    EXPECT_EQ(host.lastLog.log().size(), 3);
    EXPECT_EQ(host.lastLog.log().at(0).file, dir + "a.tex");
    EXPECT_EQ(host.journal.last(), "toc after failure");

    // Warnings alone, and a zero exit: the run is good.
    host.journal.clear();
    recorder->output["latex"] = {dir + "a.log", "(./a.tex\nLaTeX Warning: Label(s) may have changed.\n\n)\n"};
    runner->runLatex();
    EXPECT_EQ(host.runStatus, QString::fromUtf8("LaTeX beendet – Fehler: 0, Warnungen: 1, Bad Boxes: 0"));
    EXPECT_EQ(host.journal.last(), "toc");
    // A non-zero exit is a failure even when the log shows none.
    host.journal.clear();
    recorder->exitCode = 1;
    runner->runLatex();
    EXPECT_EQ(host.journal.last(), "toc after failure");
}

TEST_F(ToolRunnerTest, BibtexLogIsShownWithItsCounts)
{
    host.open(dir + "a.tex", "x");
    settings->bibtex.runtex = 0;
    recorder->output["bibtex"] = {dir + "a.blg",
                                  "I couldn't open database file nosuch.bib\n---line 6 of file a.aux\n"
                                  " : \\bibdata{nosuch\n :                }\n"
                                  "I'm skipping whatever remains of this command\n"
                                  "Warning--I didn't find a database entry for \"nobody\"\n"};
    ASSERT_TRUE(runner->runBibtex());
    EXPECT_EQ(host.runStatus, QString::fromUtf8("BibTeX beendet – Fehler: 1, Warnungen: 1"));
    ASSERT_EQ(host.lastLog.log().size(), 2);
    EXPECT_EQ(host.lastLog.log().at(0).file, dir + "a.aux");
    EXPECT_EQ(host.lastLog.log().at(0).line, 6);
    EXPECT_EQ(host.lastLog.log().at(0).message, QStringLiteral("I couldn't open database file nosuch.bib"));
}

TEST_F(ToolRunnerTest, CancelledLatexSaysSoShowsNoOldLogAndEndsTheCommand)
{
    host.open(dir + "a.tex", "x");
    host.projectLoaded = true;
    testsupport::writeFile(dir + "a.log", "the log of the run before\n");
    settings->dviChanged = 0;
    recorder->cancelled << "latex";
    host.edit(0, "edited");
    EXPECT_FALSE(runner->runPsViewer());
    // No DVIPS and no viewer after Escape.
    QStringList expected{QStringLiteral("save a.tex")};
    expected << latexRun() << "toc after failure";
    EXPECT_EQ(host.journal, expected);
    EXPECT_EQ(host.runStatus, QStringLiteral("LaTeX wurde abgebrochen."));
    EXPECT_EQ(host.logText, Str::format(Str::LogNotNew, {QStringLiteral("LaTeX")}));
    EXPECT_FALSE(host.logText.contains("the log of the run before"));
    EXPECT_TRUE(runner->needsTexRun()); // nothing was typeset whole
    EXPECT_TRUE(m_prompter.messages.isEmpty());

    // A cancelled run that wrote some log shows what it wrote.
    host.journal.clear();
    recorder->output["latex"] = {dir + "a.log", "This is pdfTeX\n(./a.tex [1]\n"};
    EXPECT_FALSE(runner->runLatex());
    EXPECT_EQ(host.logText, QStringLiteral("This is pdfTeX\n(./a.tex [1]\n"));
    EXPECT_EQ(host.runStatus, QStringLiteral("LaTeX wurde abgebrochen."));

    // The next command that needs LaTeX runs it again, and is not held by the old cancel.
    recorder->cancelled.clear();
    host.journal.clear();
    ASSERT_TRUE(runner->runPsViewer());
    EXPECT_EQ(host.journal.filter("run latex").size(), 1);
    EXPECT_EQ(host.journal.last(), start("psview", "a.ps", dir));
}

TEST_F(ToolRunnerTest, CancelledDvipsKeepsDviChangedAndStartsNoViewer)
{
    host.open(dir + "a.tex", "x");
    settings->dviChanged = 1;
    recorder->cancelled << "dvips";
    EXPECT_FALSE(runner->runPsViewer());
    EXPECT_EQ(host.journal, dvipsRun());
    EXPECT_EQ(settings->dviChanged, 1);
}

} // namespace
