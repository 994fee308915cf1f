// The program calls inside the real frame: the TeX menu with the real latex,
// placeholder expansion, saving before a run, the error box, external programs,
// the program-calls dialog and the clean-up dialog.
#include "runtesthost.h"
#include "scriptedprompter.h"
#include "testsupport.h"

#include "editor/teditform.h"
#include "app/tframeform.h"
#include "app/tspeedbar.h"
#include "programcalls/programcalls.h"
#include "programcalls/tprogramsdialog.h"
#include "platform/profile.h"
#include "cleanup/tcleanupdlg.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

const QByteArray Document = "\\documentclass{article}\n\\begin{document}\n\\section{One}\nHello.\n\\end{document}\n";
// Without its end a document stops latex (standard input is empty), so no .dvi appears.
const QByteArray Unfinished = "\\documentclass{article}\n\\begin{document}\nHello.\n";

class ProgramCallsFrameTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        QDir().mkpath(path("prog"));
        QDir::setCurrent(path());
    }
    void TearDown() override
    {
        m_frame.reset();
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    TFrameForm &frame()
    {
        if (!m_frame) {
            m_frame = std::make_unique<TFrameForm>(path("prog"), &prompter);
            calls = TProgramCalls::install(*m_frame);
        }
        return *m_frame;
    }
    void trigger(const char *name)
    {
        QAction *a = frame().action(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    bool closeFrame()
    {
        QCloseEvent ev;
        QApplication::sendEvent(&frame(), &ev);
        return ev.isAccepted();
    }
    QString helper()
    {
        const QString prog = path("my tools/view er");
        if (!QFileInfo::exists(prog)) {
            EXPECT_TRUE(makeRecordingHelper(prog, record(), testsupport::helperPath()));
        }
        return prog;
    }
    QString record() const { return path("record.txt"); }
    QStringList listing(const QString &dir) const
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The main file doc/paper.tex, chosen and opened through File > "Main File...".
    TEditForm *chooseMainFile(const QByteArray &text = Document)
    {
        testsupport::writeFile(path("doc/paper.tex"), text);
        prompter.files << path("doc/paper.tex");
        trigger("MainFile1");
        return frame().activeEditor();
    }
    bool waitForCompile(const QString &stem)
    {
        return waitUntil([&] { return testsupport::readAll(stem + ".log").contains("Output written on"); });
    }

    ScriptedPrompter prompter;
    std::unique_ptr<TFrameForm> m_frame;
    TProgramCalls *calls = nullptr;
    QString m_oldCwd;
};

TEST_F(ProgramCallsFrameTest, MenuItemsStandInTheirMenusWithTheirKeys)
{
    const struct { const char *menu; const char *name; QKeySequence key; } items[] = {
        {"TeX1", "MainFile2", QKeySequence(Qt::Key_F4)}, {"TeX1", "Compile1", QKeySequence(Qt::Key_F6)},
        {"TeX1", "LogFile1", QKeySequence(Qt::Key_F7)},  {"TeX1", "Preview1", QKeySequence(Qt::Key_F8)},
        {"File1", "CleanUp1", {}},                        {"Options1", "ProgramCalls1", {}},
    };
    for (const auto &item : items) {
        QAction *a = frame().action(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->shortcut(), item.key) << item.name;
        EXPECT_TRUE(frame().menu(item.menu)->actions().contains(a)) << item.name;
    }
    QStringList tex;
    for (QAction *a : frame().menu("TeX1")->actions())
        tex << a->objectName();
    EXPECT_EQ(tex.mid(0, 4), QStringList({"MainFile2", "Compile1", "LogFile1", "Preview1"}));
    QStringList file;
    for (QAction *a : frame().menu("File1")->actions())
        file << a->objectName();
    EXPECT_LT(file.indexOf("CleanUp1"), file.indexOf("Exit1"));
    EXPECT_GT(file.indexOf("CleanUp1"), file.indexOf("Recent1"));
}

TEST_F(ProgramCallsFrameTest, CancelledMainFileDialogMakesEveryCommandDoNothing)
{
    for (const char *name : {"Compile1", "LogFile1", "Preview1", "MainFile2"})
        trigger(name);
    EXPECT_EQ(prompter.dialogTitles, QStringList(4, "Select Main File"));
    EXPECT_TRUE(prompter.errors.isEmpty());
    EXPECT_TRUE(frame().editors().isEmpty());
    EXPECT_FALSE(frame().hasMainFile());
}

TEST_F(ProgramCallsFrameTest, CompileWithTheDefaultTemplateInTheMainFilesDirectory)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    testsupport::writeFile(path("doc/paper.tex"), Document);
    prompter.files << path("doc/paper.tex");
    trigger("Compile1");  // no main file yet: it is chosen and opened first
    EXPECT_EQ(frame().mainFile(), path("doc/paper.tex"));
    ASSERT_NE(frame().activeEditor(), nullptr);
    EXPECT_EQ(frame().activeEditor()->fileName(), path("doc/paper.tex"));
    EXPECT_EQ(QDir::currentPath(), path("doc"));
    ASSERT_TRUE(waitForCompile(path("doc/paper")));
    EXPECT_TRUE(QFileInfo(path("doc/paper.dvi")).size() > 0);
    EXPECT_TRUE(prompter.errors.isEmpty());

    // Log File opens the real log; a second time it is read afresh.
    trigger("LogFile1");
    TEditForm *log = frame().activeEditor();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->fileName(), path("doc/paper.log"));
    EXPECT_TRUE(log->editor()->toPlainText().contains("Output written on paper.dvi"));
    testsupport::writeFile(path("doc/paper.log"), "rewritten\n");
    trigger("LogFile1");
    ASSERT_NE(frame().activeEditor(), nullptr);
    EXPECT_EQ(frame().activeEditor()->editor()->toPlainText(), "rewritten\n");
    EXPECT_EQ(frame().editors().size(), 2);
}

TEST_F(ProgramCallsFrameTest, CompileSavesModifiedEditorsBeforeLatexStarts)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    TEditForm *editor = chooseMainFile(Unfinished);
    ASSERT_NE(editor, nullptr);
    QTextCursor c = editor->editor()->textCursor();
    c.movePosition(QTextCursor::End);
    c.insertText("\\end{document}\n");
    editor->editor()->setTextCursor(c);
    ASSERT_TRUE(editor->isModified());
    trigger("Compile1");
    EXPECT_FALSE(editor->isModified());
    ASSERT_TRUE(waitForCompile(path("doc/paper")));
    EXPECT_TRUE(QFileInfo::exists(path("doc/paper.dvi")));
}

TEST_F(ProgramCallsFrameTest, PreviewSavesOnlyWhenItsLineNamesATexFile)
{
    TEditForm *editor = chooseMainFile();
    ASSERT_NE(editor, nullptr);
    editor->editor()->textCursor().insertText("%");
    ASSERT_TRUE(editor->isModified());

    // Names only the .dvi: nothing is saved.
    frame().settings().preview = '"' + helper() + "\" \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), path("doc/paper.dvi")}));
    EXPECT_TRUE(editor->isModified());

    // The default form names the active editor's file (line 1 of paper.tex): saved first.
    QFile::remove(record());
    frame().settings().preview = '"' + helper() + "\" -1 -s %l%f%e \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), "-1", "-s", "1paper.tex", path("doc/paper.dvi")}));
    EXPECT_FALSE(editor->isModified());
    EXPECT_TRUE(testsupport::readAll(path("doc/paper.tex")).startsWith("%"));
}

TEST_F(ProgramCallsFrameTest, PlaceholdersOfTheEditorStayWithoutOneAndOnlyTheFirstIsReplaced)
{
    testsupport::writeFile(path("doc/paper.tex"), Document);
    frame().setMainFile(path("doc/paper.tex"));
    ASSERT_TRUE(frame().editors().isEmpty());
    frame().settings().preview = '"' + helper() + "\" -1 -s %l%f%e \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), "-1", "-s", "%l%f%e", path("doc/paper.dvi")}));

    QFile::remove(record());
    frame().settings().externalPrograms = {{"Twice", '"' + helper() + "\" %F %F"}};
    frame().rebuildExternalPrograms();
    trigger("ExternalProgram0");
    const QStringList run = recordedRun(record());
    EXPECT_EQ(run.mid(1), QStringList({"paper", "%F"}));
    // External programs run without a working directory: the current one.
    EXPECT_EQ(run.value(0), QDir::currentPath());
}

TEST_F(ProgramCallsFrameTest, SpeedBarButtonsReachTheCommandsAndUserButtonsRunExpanded)
{
    testsupport::writeFile(path("doc/paper.tex"), Document);
    frame().setMainFile(path("doc/paper.tex"));
    frame().settings().preview = '"' + helper() + "\" preview %F";
    frame().settings().buttons = {{"Mine", "$Run mine$\"" + helper() + "\" button %F %F"}};
    frame().rebuildSpeedBar();
    // Settings of an older release: Save, TeX, Log and Preview come first.
    ASSERT_EQ(frame().speedBar()->buttons().size(), 5);
    QToolButton *previewButton = frame().speedBar()->button(3);
    ASSERT_TRUE(previewButton->isEnabled());
    previewButton->click();
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), "preview", "paper"}));

    QFile::remove(record());
    frame().speedBar()->button(4)->click();
    EXPECT_EQ(recordedRun(record()), QStringList({QDir::currentPath(), "button", "paper", "%F"}));
}

TEST_F(ProgramCallsFrameTest, EditorExecuteRunsTheLineUnchangedAndOpenStartsTheFileItself)
{
    TEditForm *editor = chooseMainFile();
    ASSERT_NE(editor, nullptr);
    const QString line = '"' + helper() + "\" run %F";
    editor->editor()->selectAll();
    editor->editor()->insertPlainText(line + "\nfigure one.eps\n");
    QTextCursor c = editor->editor()->textCursor();
    c.setPosition(int(line.size()));
    c.setPosition(0, QTextCursor::KeepAnchor);
    editor->editor()->setTextCursor(c);
    QDir::setCurrent(path());
    editor->executeAtCaret();
    EXPECT_EQ(recordedRun(record()), QStringList({path(), "run", "%F"}));
    EXPECT_TRUE(prompter.errors.isEmpty());

    // Open of a file that is not a TeX source: its full path (with a space) is started
    // as a whole, here a program, in the main file's directory, which becomes current.
    QFile::remove(record());
    ASSERT_TRUE(makeRecordingHelper(path("doc/figure one.eps"), record(), testsupport::helperPath()));
    QDir::setCurrent(path());
    c.setPosition(int(line.size()) + 1);
    c.setPosition(int(line.size()) + 15, QTextCursor::KeepAnchor);
    ASSERT_EQ(c.selectedText(), "figure one.eps");
    editor->editor()->setTextCursor(c);
    editor->openAtCaret();
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc")}));
    EXPECT_EQ(QDir::currentPath(), path("doc"));
    EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(ProgramCallsFrameTest, MissingPreviewerShowsTheBoxAndChangesNothingElse)
{
    TEditForm *editor = chooseMainFile();
    ASSERT_NE(editor, nullptr);
    editor->editor()->textCursor().insertText("%");
    const QStringList before = listing(path("doc"));
    frame().settings().preview = "yap-is-not-here -1 \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(prompter.errors,
              QStringList({"Unable to open\r\n>>\r\n>> yap-is-not-here -1 \"" + path("doc/paper.dvi") + "\"\r\n>> "}));
    EXPECT_EQ(listing(path("doc")), before);
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(frame().editors().size(), 1);
    EXPECT_EQ(frame().mainFile(), path("doc/paper.tex"));
}

TEST_F(ProgramCallsFrameTest, ProgramCallsDialogChangesTheTemplatesOnOkOnly)
{
    QTimer::singleShot(0, [this] {
        calls->programsDialog()->findChild<QLineEdit *>("TeXEdit")->setText("pdflatex %F.tex");
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    trigger("ProgramCalls1");
    EXPECT_EQ(frame().settings().compile, "pdflatex %F.tex");

    QTimer::singleShot(0, [this] {
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("DefaultBtn"), Qt::LeftButton);
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
    });
    trigger("ProgramCalls1");
    EXPECT_EQ(frame().settings().compile, "pdflatex %F.tex");
}

TEST_F(ProgramCallsFrameTest, CleanUpAfterARealCompileDeletesTheTickedKindsOnly)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    chooseMainFile();
    trigger("Compile1");
    ASSERT_TRUE(waitForCompile(path("doc/paper")));
    testsupport::writeFile(path("doc/.hidden.log"), "x");
    QDir().mkpath(path("doc/old.aux"));
    // A file of the program's directory is not the main file's business.
    testsupport::writeFile(path("prog/stray.aux"), "x");
    QDir::setCurrent(path("prog"));

    TCleanUpDlg *dlg = calls->cleanUpDialog();
    ASSERT_NE(dlg, nullptr);
    QTimer::singleShot(0, [dlg] {
        QTest::mouseClick(dlg->findChild<QPushButton *>("UncheckAllBtn"), Qt::LeftButton);
        for (const char *box : {"AUXCheck", "LOGCheck", "DVICheck"})
            dlg->findChild<QCheckBox *>(box)->setChecked(true);
        QTest::mouseClick(dlg->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    trigger("CleanUp1");
    EXPECT_EQ(listing(path("doc")), QStringList({".hidden.log", "old.aux", "paper.tex"}));
    EXPECT_TRUE(QFileInfo::exists(path("prog/stray.aux")));
}

TEST_F(ProgramCallsFrameTest, CleanUpMarksPersistAtExitAndResetGoesBackToThem)
{
    testsupport::writeFile(path("prog/Vellumix.ini"), "[CleanUp]\r\naux=1\r\nlog=1\r\n");
    TCleanUpDlg *dlg = calls ? calls->cleanUpDialog() : (frame(), calls->cleanUpDialog());
    ASSERT_NE(dlg, nullptr);
    testsupport::writeFile(path("keep.aux"), "x");
    QTimer::singleShot(0, [dlg] {
        QTest::mouseClick(dlg->findChild<QPushButton *>("CheckAllBtn"), Qt::LeftButton);
        dlg->findChild<QCheckBox *>("TOCCheck")->setChecked(false);
        QTest::mouseClick(dlg->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
    });
    trigger("CleanUp1");
    EXPECT_TRUE(QFileInfo::exists(path("keep.aux")));
    EXPECT_TRUE(dlg->findChild<QCheckBox *>("DLGCheck")->isChecked());

    // Reset: the marks stored at the last exit, not those of this run.
    QTest::mouseClick(dlg->findChild<QPushButton *>("ResetBtn"), Qt::LeftButton);
    EXPECT_TRUE(dlg->findChild<QCheckBox *>("AUXCheck")->isChecked());
    EXPECT_FALSE(dlg->findChild<QCheckBox *>("DLGCheck")->isChecked());

    // Cancel keeps the marks for the run; the exit writes them.
    dlg->findChild<QCheckBox *>("BAKCheck")->setChecked(true);
    ASSERT_TRUE(closeFrame());
    m_frame.reset();
    Profile ini(path("prog/Vellumix.ini"));
    EXPECT_EQ(ini.getString("CleanUp", "aux"), "1");
    EXPECT_EQ(ini.getString("CleanUp", "bak"), "1");
    EXPECT_EQ(ini.getString("CleanUp", "dlg"), "0");
}

} // namespace
