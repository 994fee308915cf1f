// The tool runner with the real TeX programs on small documents; viewers and user
// tools are the test helper, configured through the settings as a user would.
#include "tools/toolrunner.h"

#include "scribletfixture.h"
#include "testsupport.h"
#include "resources/strings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

const QByteArray GoodDocument =
    "\\documentclass{article}\n\\begin{document}\nHello \\cite{knuth}.\n"
    "\\bibliographystyle{plain}\n\\bibliography{refs}\n\\end{document}\n";
const QByteArray BadDocument =
    "\\documentclass{article}\n\\begin{document}\nBroken \\undefinedmacro here.\n\\end{document}\n";
const QByteArray Bibliography =
    "@book{knuth, author={Donald Knuth}, title={The TeXbook}, publisher={AW}, year={1984}}\n";

class RealToolsTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        if (!testsupport::haveProgram("latex") || !testsupport::haveProgram("dvips") || !testsupport::haveProgram("bibtex"))
            GTEST_SKIP() << "TeX Live is not installed";
        settings = makeToolSettings(path(), helper("dviviewer"), helper("psviewer"));
        runner = std::make_unique<ToolRunner>(*settings, host, host, m_prompter);
        runner->setNeedsTexRun(false);
        QDir().mkpath(path("doc"));
        dir = path("doc") + '/';
    }
    void TearDown() override
    {
        ScribletTest::TearDown();
    }
    // A link to the test helper that records its runs in <name>.rec.
    QString helper(const QString &name)
    {
        const QString link = path(name);
        QFile::link(testsupport::helperPath(), link);
        testsupport::writeFile(link + ".behave", "record=" + (link + ".rec").toUtf8() + "\n");
        return link;
    }
    // Lines recorded by a detached helper; waits until `count` lines are there.
    QStringList records(const QString &name, int count)
    {
        QDeadlineTimer deadline(30000);
        QStringList lines;
        while (!deadline.hasExpired()) {
            lines = QString::fromUtf8(testsupport::readAll(path(name + ".rec"))).split('\n', Qt::SkipEmptyParts);
            if (lines.size() >= count)
                break;
            QThread::msleep(20);
        }
        return lines;
    }

    std::unique_ptr<CShellSettings> settings;
    FakeToolHost host;
    std::unique_ptr<ToolRunner> runner;
    QString dir;
};

TEST_F(RealToolsTest, LatexOnActiveDocumentWritesDviAndShowsLog)
{
    host.open(dir + "a.tex", "\\documentclass{article}\\begin{document}Hi\\end{document}\n");
    ASSERT_TRUE(runner->runLatex());
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir + "a.dvi"));
    const QByteArray log = testsupport::readAll(dir + "a.log");
    ASSERT_FALSE(log.isEmpty());
    const QString firstLine = QString::fromUtf8(log.left(log.indexOf('\n')));
    EXPECT_TRUE(firstLine.startsWith("This is")) << firstLine.toStdString();
    EXPECT_TRUE(host.logText.startsWith(firstLine));
    EXPECT_GE(host.keepAliveCalls, 0);
}

TEST_F(RealToolsTest, LatexErrorEndsTheRunAndShowsTheError)
{
    host.open(dir + "bad.tex", BadDocument);
    ASSERT_TRUE(runner->runLatex()); // returns only because standard input is empty
    EXPECT_TRUE(host.logText.contains("Undefined control sequence")) << host.logText.toStdString();
    EXPECT_EQ(settings->dviChanged, 1);
}

TEST_F(RealToolsTest, PsViewerAfterEditRunsLatexDvipsViewerThenOnlyViewer)
{
    host.open(dir + "a.tex", "\\documentclass{article}\\begin{document}Hi\\end{document}\n");
    host.edit(0, "\\documentclass{article}\\begin{document}Edited\\end{document}\n");
    settings->dviChanged = 0;
    ASSERT_TRUE(runner->runPsViewer());
    EXPECT_EQ(host.journal, QStringList({"save a.tex", "wait LaTeX wird ausgeführt...", "done", "log",
                                         "wait DVIPS wird ausgeführt...", "done"}));
    EXPECT_TRUE(QFileInfo::exists(dir + "a.ps"));
    QStringList rec = records("psviewer", 1);
    ASSERT_EQ(rec.size(), 1);
    EXPECT_EQ(rec[0], QDir(dir).absolutePath() + "\ta.ps");

    host.journal.clear();
    ASSERT_TRUE(runner->runPsViewer());
    EXPECT_TRUE(host.journal.isEmpty()) << host.journal.join(", ").toStdString();
    EXPECT_EQ(records("psviewer", 2).size(), 2);
}

TEST_F(RealToolsTest, BibtexGetsMainBaseAndLatexRunsFirstAfterMainDocumentCommand)
{
    testsupport::writeFile(dir + "thesis.tex", GoodDocument);
    testsupport::writeFile(dir + "refs.bib", Bibliography);
    runner->setNeedsTexRun(false);
    runner->setMainDocument(QStringLiteral("thesis.tex"), path("doc"));
    ASSERT_TRUE(runner->runBibtex());
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    EXPECT_EQ(host.journal, QStringList({"wait LaTeX wird ausgeführt...", "done", "log",
                                         "wait BibTeX wird ausgeführt...", "done", "log"}));
    EXPECT_TRUE(testsupport::readAll(dir + "thesis.bbl").contains("The TeXbook"));
    // The pane shows BibTeX's own log now, and the status bar its counts.
    EXPECT_TRUE(host.logText.startsWith("This is BibTeX")) << host.logText.left(80).toStdString();
    EXPECT_EQ(host.runStatus, QString::fromUtf8("BibTeX beendet – Fehler: 0, Warnungen: 0"));
}

TEST_F(RealToolsTest, ProgramThatDoesNotExist)
{
    host.open(dir + "a.tex", "\\documentclass{article}\\begin{document}Hi\\end{document}\n");
    host.logText = QStringLiteral("previous text");
    settings->dviChanged = 0;
    runner->setNeedsTexRun(true);
    settings->tex.exe = QStringLiteral("no-such-latex-program");
    EXPECT_FALSE(runner->runLatex());
    EXPECT_EQ(m_prompter.messages,
              QStringList{startFailedMessage("no-such-latex-program",
                                             QString::fromUtf8("Das Programm wurde weder unter diesem Namen noch in "
                                                               "den Ordnern des Suchpfads (PATH) gefunden."))});
    EXPECT_EQ(host.logText, QStringLiteral("previous text"));
    EXPECT_EQ(settings->dviChanged, 0);
    EXPECT_TRUE(runner->needsTexRun());

    m_prompter.messages.clear();
    settings->userTools[2] = {QStringLiteral("X"), QStringLiteral("/nonexistent/tool"), QStringLiteral("%m"), 0, 0};
    EXPECT_FALSE(runner->runUserTool(2));
    EXPECT_EQ(m_prompter.messages, QStringList{startFailedMessage("/nonexistent/tool", Str::text(Str::ToolReasonNotFound))});

    // A main document whose folder is gone: the reason names the folder.
    m_prompter.messages.clear();
    settings->tex.exe = QStringLiteral("latex");
    settings->setMainDocument(path("gone"), QStringLiteral("a.tex"));
    EXPECT_FALSE(runner->runLatex());
    EXPECT_EQ(m_prompter.messages,
              QStringList{startFailedMessage("latex", QStringLiteral("Der Ordner %1/ existiert nicht.").arg(path("gone")))});
}

TEST_F(RealToolsTest, UserToolExampleWithRecordedArguments)
{
    testsupport::writeFile(dir + "thesis.tex", "x");
    settings->setMainDocument(path("doc"), QStringLiteral("thesis.tex"));
    settings->dviChanged = 0;
    settings->userTools[0] = {QStringLiteral("PDF"), helper("pdftool"), QStringLiteral("-o %ps.pdf %s"), 1, 1};
    ASSERT_TRUE(runner->runUserTool(0));
    const QStringList rec = records("pdftool", 1);
    ASSERT_EQ(rec.size(), 1);
    EXPECT_EQ(rec[0], QStringList({path("doc"), "-o", path("doc/thesis.pdf"), "thesis"}).join('\t'));
}

TEST_F(RealToolsTest, UserToolPathMainWithNothingOpenPassesOneEmptyArgument)
{
    settings->dviChanged = 0;
    settings->userTools[4] = {QStringLiteral("T"), helper("tool"), QStringLiteral("%pm"), 1, 1};
    ASSERT_TRUE(runner->runUserTool(4));
    const QStringList rec = records("tool", 1);
    ASSERT_EQ(rec.size(), 1);
    EXPECT_EQ(rec[0], QDir::currentPath() + "\t");
}

} // namespace
