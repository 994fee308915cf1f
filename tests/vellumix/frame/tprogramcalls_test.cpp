// The program-call actions as the frame uses them: main-file choice first, the
// error box, external-program items, the program-calls dialog and clean-up.
#include "runtesthost.h"
#include "testsupport.h"

#include "frame/tprogramcalls.h"
#include "frame/tprogramsdialog.h"
#include "spell/tcleanupdlg.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class TProgramCallsTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        ProgramCallsFrame f;
        f.mainFile = [this] { return main; };
        f.setMainFile = [this](const QString &p) { main = p; events << "main:" + p; };
        f.saveModifiedEditors = [this] { events << "save"; };
        f.openFile = [this](const QString &p) { events << "open:" + p; };
        f.showMainFile = [this](const QString &p) { events << "status:" + p; };
        f.expand = [this](const QString &t) { return QString(t).replace("%P", QFileInfo(main).absolutePath() + '/').replace("%F", QFileInfo(main).completeBaseName()); };
        f.templates = [this] { return templates; };
        f.setTemplates = [this](const ProgramTemplates &t) { templates = t; events << "templates"; };
        calls = new TProgramCalls(&window, f);
        calls->askMainFile = [this](const QString &) { events << "ask"; return choice; };
        calls->showError = [this](const QString &m) { errors << m; };
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }

    QString m_oldCwd;
    QMainWindow window;
    TProgramCalls *calls = nullptr;
    QString main, choice;
    ProgramTemplates templates;
    QStringList events, errors;
};

TEST_F(TProgramCallsTest, ActionsCarryTheirNamesAndKeys)
{
    const struct { const char *name; QKeySequence key; } expected[] = {
        {"SelectMainFile1", {}}, {"MainFile1", QKeySequence(Qt::Key_F4)}, {"Compile1", QKeySequence(Qt::Key_F6)},
        {"LogFile1", QKeySequence(Qt::Key_F7)}, {"Preview1", QKeySequence(Qt::Key_F8)},
        {"ProgramCalls1", {}}, {"CleanUp1", {}},
    };
    for (const auto &e : expected) {
        auto *a = calls->findChild<QAction *>(e.name);
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->shortcut(), e.key) << e.name;
    }
    EXPECT_EQ(calls->compileAction()->text(), "&Compile");
    EXPECT_EQ(calls->selectMainFileAction()->text(), "&Main File...");
}

TEST_F(TProgramCallsTest, CancelledMainFileDialogStopsTheCommand)
{
    calls->compileAction()->trigger();
    calls->previewAction()->trigger();
    calls->logFileAction()->trigger();
    calls->mainFileAction()->trigger();
    EXPECT_EQ(events, QStringList({"ask", "ask", "ask", "ask"}));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(main.isEmpty());
}

TEST_F(TProgramCallsTest, CompileWithoutMainFileChoosesOneOpensItThenCompiles)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    choice = path("doc/paper.tex");
    testsupport::writeFile(choice, "\\documentclass{article}\n\\begin{document}\nHi.\n\\end{document}\n");
    calls->compileAction()->trigger();
    EXPECT_EQ(events, QStringList({"ask", "main:" + choice, "open:" + choice, "status:" + choice, "save", "save"}));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(QDir::currentPath(), path("doc"));
    ASSERT_TRUE(waitUntil([&] {
        return testsupport::readAll(path("doc/paper.log")).contains("Output written on paper.dvi");
    }));

    events.clear();
    calls->logFileAction()->trigger();
    EXPECT_EQ(events, QStringList({"open:" + path("doc/paper.log")}));
}

TEST_F(TProgramCallsTest, MissingPreviewerShowsTheBox)
{
    main = path("paper.tex");
    templates.preview = "no-such-previewer-vx \"%P%F.dvi\"";
    calls->previewAction()->trigger();
    EXPECT_EQ(errors, QStringList({"Unable to open\r\n>>\r\n>> no-such-previewer-vx \"" + path("paper.dvi") + "\"\r\n>> "}));
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(TProgramCallsTest, ExternalProgramItemsRunTheirExpandedTemplate)
{
    main = path("paper.tex");
    QMenu tex;
    tex.addAction(calls->compileAction());
    calls->setExternalPrograms(&tex, {});
    EXPECT_EQ(tex.actions().size(), 1);

    const QString record = path("record.txt");
    qputenv("TESTHELPER_RECORD", record.toLocal8Bit());
    calls->setExternalPrograms(&tex, {{"Helper", testsupport::helperPath() + " %F.dvi"}, {"Other", "x"}});
    ASSERT_EQ(tex.actions().size(), 4);
    EXPECT_TRUE(tex.actions().at(1)->isSeparator());
    EXPECT_EQ(tex.actions().at(2)->text(), "Helper");
    tex.actions().at(2)->trigger();
    ASSERT_TRUE(waitUntil([&] { return testsupport::readAll(record).endsWith('\n'); }));
    qunsetenv("TESTHELPER_RECORD");
    EXPECT_EQ(QString::fromUtf8(testsupport::readAll(record)).trimmed().split('\t').mid(1), QStringList({"paper.dvi"}));

    calls->setExternalPrograms(&tex, {{"Only", "y"}});
    EXPECT_EQ(tex.actions().size(), 3);
}

TEST_F(TProgramCallsTest, ProgramCallsDialogAppliesOnOkOnly)
{
    QTimer::singleShot(0, [this] {
        calls->programsDialog()->findChild<QLineEdit *>("TeXEdit")->setText("pdflatex %F.tex");
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    calls->programCallsAction()->trigger();
    EXPECT_EQ(templates.compile, "pdflatex %F.tex");
    EXPECT_EQ(events, QStringList({"templates"}));

    QTimer::singleShot(0, [this] {
        calls->programsDialog()->findChild<QLineEdit *>("TeXEdit")->setText("changed");
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
    });
    calls->programCallsAction()->trigger();
    EXPECT_EQ(templates.compile, "pdflatex %F.tex");
}

TEST_F(TProgramCallsTest, CleanUpWorksInTheMainFilesDirectory)
{
    main = path("doc/paper.tex");
    testsupport::writeFile(path("doc/paper.aux"), "x");
    testsupport::writeFile(path("paper.aux"), "x");
    testsupport::writeFile(path("Vellumix.ini"), "[CleanUp]\r\naux=1\r\n");
    TCleanUpDlg *dlg = calls->createCleanUpDialog(path("Vellumix.ini"), path("user.ini"), true);
    QTimer::singleShot(0, [dlg] { QTest::mouseClick(dlg->findChild<QPushButton *>("OKBtn"), Qt::LeftButton); });
    calls->cleanUpAction()->trigger();
    EXPECT_FALSE(QFileInfo::exists(path("doc/paper.aux")));
    EXPECT_TRUE(QFileInfo::exists(path("paper.aux")));
}

} // namespace
