// The project pane inside the real main frame: menu, project from the command
// line, main-document hand-over, opening files and headings, saving on close.
#include "app/cmainframe.h"
#include "editor/cshellview.h"
#include "framefixture.h"
#include "project/cprojectbar.h"
#include "project/cprojecttree.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>

namespace {

QTreeWidgetItem *findItem(QTreeWidgetItem *parent, const QString &text)
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        QTreeWidgetItem *c = parent->child(i);
        if (c->text(0) == text)
            return c;
        if (QTreeWidgetItem *inner = findItem(c, text))
            return inner;
    }
    return nullptr;
}

class ProjectWiringTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        makeFrame();
        m_bar = m_frame->projectBar();
        ASSERT_TRUE(m_bar);
    }
    // A copy of the sample project, compiled once with the real latex.
    QString sampleCopy(bool compile)
    {
        const QDir src(QStringLiteral(SAMPLE_PROJECT_DIR));
        const QString dir = path("thesis");
        QDir().mkpath(dir + "/kapitel");
        for (const char *f : {"thesis.tex", "literatur.bib", "thesis.sbp", "kapitel/einleitung.tex",
                              "kapitel/grundlagen.tex"})
            QFile::copy(src.filePath(f), dir + '/' + f);
        if (compile) {
            QProcess latex;
            latex.setWorkingDirectory(dir);
            latex.setStandardInputFile(QProcess::nullDevice());
            latex.start(QStringLiteral("latex"), {"-interaction=nonstopmode", "thesis.tex"});
            latex.waitForFinished(120000);
        }
        return dir;
    }

    CProjectBar *m_bar = nullptr;
};

TEST_F(ProjectWiringTest, ProjectMenuAndPaneBelongToTheFrame)
{
    QMenu *menu = m_frame->menu(QStringLiteral("menuProject"));
    ASSERT_TRUE(menu);
    QStringList names;
    for (QAction *a : menu->actions())
        names << a->objectName();
    EXPECT_TRUE(names.contains("cmd33073"));
    EXPECT_TRUE(names.contains("cmd33086"));
    EXPECT_TRUE(names.contains("cmd33089"));
    EXPECT_FALSE(m_bar->action(33087)->isEnabled());
}

TEST_F(ProjectWiringTest, ProjectFromTheCommandLineBecomesTheMainDocument)
{
    const QString dir = sampleCopy(testsupport::haveProgram("latex"));
    m_frame->setNeedsTexRun(false);
    m_frame->requestProject(dir + "/thesis.sbp");
    EXPECT_TRUE(m_prompter.messages.isEmpty());
    EXPECT_TRUE(m_bar->project().isActive());
    EXPECT_EQ(m_settings->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(m_settings->mainPath(), dir);
    EXPECT_EQ(m_settings->profile().getString("TeX Settings", "maintex"), QStringLiteral("thesis.tex"));
    EXPECT_TRUE(m_frame->needsTexRun());
    EXPECT_EQ(m_frame->mainDocPaneText(), QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));

    CProjectTree *tree = m_bar->tree();
    m_bar->tree()->activateItem(findItem(tree->filesBranch(), "grundlagen.tex"));
    ASSERT_TRUE(m_frame->activeView());
    EXPECT_EQ(m_frame->children().size(), 1);

    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    QTreeWidgetItem *heading = findItem(tree->tocBranch(), QString::fromUtf8("1.2 Mängel bisheriger Ansätze"));
    ASSERT_TRUE(heading);
    tree->activateItem(heading);
    ASSERT_TRUE(m_frame->activeView());
    EXPECT_EQ(m_frame->children().size(), 2);
    EXPECT_EQ(m_frame->activeView()->caretLine(), 7);
    EXPECT_EQ(m_settings->goToLine, 0);
    EXPECT_TRUE(m_settings->searchText1.isEmpty());
}

TEST_F(ProjectWiringTest, LatexRunFillsTheTableOfContents)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QString dir = sampleCopy(false);
    m_frame->requestProject(dir + "/thesis.sbp");
    CProjectTree *tree = m_bar->tree();
    ASSERT_TRUE(findItem(tree->tocBranch(), "no TOC-file!"));

    QAction *latex = m_frame->action(33024);
    ASSERT_TRUE(latex);
    latex->trigger(); // LaTeX writes the .toc file; the pane reads it without being asked
    EXPECT_EQ(findItem(tree->tocBranch(), "no TOC-file!"), nullptr);
    EXPECT_TRUE(findItem(tree->tocBranch(), "2.2 Schluß"));
    EXPECT_TRUE(findItem(findItem(tree->tocBranch(), "1 Einleitung"), "1.1 Motivation"));
}

TEST_F(ProjectWiringTest, UnreadableProjectFromTheCommandLineIsReported)
{
    m_frame->requestProject(path("missing.sbp"));
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_EQ(m_prompter.messages[0], path("missing.sbp") + QStringLiteral(" nicht in\n... gefunden !!"));
    EXPECT_FALSE(m_bar->project().isActive());
}

TEST_F(ProjectWiringTest, ClosingTheWindowSavesTheProject)
{
    const QString dir = sampleCopy(false);
    m_frame->requestProject(dir + "/thesis.sbp");
    testsupport::writeFile(dir + "/anhang.tex", "\\chapter{Anhang}\n");
    ASSERT_TRUE(m_bar->project().AddFile(dir + "/anhang.tex"));
    m_frame->close();
    EXPECT_TRUE(testsupport::readAll(dir + "/thesis.sbp").endsWith(".\\anhang.tex\r\n"));
    EXPECT_FALSE(m_bar->project().isModified());
}

TEST_F(ProjectWiringTest, AProjectThatCannotBeSavedKeepsTheWindowOpen)
{
    const QString dir = sampleCopy(false);
    m_frame->requestProject(dir + "/thesis.sbp");
    testsupport::writeFile(dir + "/anhang.tex", "\\chapter{Anhang}\n");
    ASSERT_TRUE(m_bar->project().AddFile(dir + "/anhang.tex"));
    // The project file's place is taken by a folder: the save must fail.
    ASSERT_TRUE(QFile::remove(dir + "/thesis.sbp"));
    ASSERT_TRUE(QDir().mkdir(dir + "/thesis.sbp"));
    m_frame->show();
    EXPECT_FALSE(m_frame->close());
    EXPECT_TRUE(m_frame->isVisible());
    // The pane reports the failure through the prompter.
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages[0].contains(QStringLiteral("thesis.sbp"))) << m_prompter.messages[0].toStdString();
    EXPECT_TRUE(m_bar->project().isModified());
    // Once the place is free again, closing saves and ends.
    ASSERT_TRUE(QDir().rmdir(dir + "/thesis.sbp"));
    EXPECT_TRUE(m_frame->close());
    EXPECT_TRUE(testsupport::readAll(dir + "/thesis.sbp").endsWith(".\\anhang.tex\r\n"));
}

TEST_F(ProjectWiringTest, AFailedRunKeepsTheTableOfContentsAndAHeadingWithMarkupIsFound)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QByteArray body = "\\tableofcontents\n"
                            "\\chapter{Einleitung}\n"
                            "\\section{Grundlagen der \\textbf{Methode}}\n"
                            "Text.\n"
                            "\\section{Ein Titel, der sich\n"
                            "  über zwei Zeilen zieht}\n"
                            "\\end{document}\n";
    testsupport::writeFile(path("p/main.tex"), "\\documentclass{report}\n\\begin{document}\n" + body);
    testsupport::writeFile(path("p/p.sbp"), "[main]\r\n.\\main.tex\r\n[files]\r\n");
    m_frame->requestProject(path("p/p.sbp"));
    CProjectTree *tree = m_bar->tree();
    m_frame->action(33024)->trigger(); // the program's own template: no options
    const QString marked = QStringLiteral("1.1 Grundlagen der Methode");
    const QString wrapped = QString::fromUtf8("1.2 Ein Titel, der sich über zwei Zeilen zieht");
    ASSERT_TRUE(findItem(tree->tocBranch(), marked));
    ASSERT_TRUE(findItem(tree->tocBranch(), wrapped));
    EXPECT_TRUE(tree->isTocCurrent());

    // An error stops this run after \tableofcontents opened the .toc and before
    // \end{document} would have filled it: LaTeX leaves it empty.
    QByteArray broken = body;
    broken.replace("Text.", "Text \\undefinedMacro.");
    testsupport::writeFile(path("p/main.tex"), "\\documentclass{report}\n\\begin{document}\n" + broken);
    m_frame->action(33024)->trigger();
    ASSERT_TRUE(testsupport::readAll(path("p/main.toc")).isEmpty()) << "the run did not stop early";
    EXPECT_FALSE(tree->isTocCurrent());
    EXPECT_EQ(tree->tocBranch()->text(0), QStringLiteral("Inhaltsverzeichnis (nicht aktuell)"));
    ASSERT_TRUE(findItem(tree->tocBranch(), marked));
    // The error and TeX's "Emergency stop" that ends a run without a terminal.
    auto *status = m_frame->findChild<QLabel *>("runStatusPane");
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("LaTeX beendet – Fehler: 2,"))) << status->text().toStdString();

    // The kept headings still lead to their lines, markup and wrapping notwithstanding.
    tree->activateItem(findItem(tree->tocBranch(), marked));
    ASSERT_TRUE(m_frame->activeView());
    EXPECT_EQ(m_frame->activeView()->caretLine(), 5);
    tree->activateItem(findItem(tree->tocBranch(), wrapped));
    EXPECT_EQ(m_frame->activeView()->caretLine(), 7);
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();

    // Mended, the next run shows the table LaTeX writes, as current.
    testsupport::writeFile(path("p/main.tex"), "\\documentclass{report}\n\\begin{document}\n" + body);
    m_frame->action(33024)->trigger();
    EXPECT_TRUE(tree->isTocCurrent());
    EXPECT_EQ(tree->tocBranch()->text(0), QStringLiteral("Inhaltsverzeichnis"));
}

} // namespace
