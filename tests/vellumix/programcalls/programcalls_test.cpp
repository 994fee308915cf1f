// The program calls inside the real frame: the TeX menu with the real latex,
// placeholder expansion, saving before a run, the error box, external programs and
// the program-calls dialog.
#include "vellumixfixture.h"

#include "editor/teditform.h"
#include "app/tframeform.h"
#include "app/tspeedbar.h"
#include "programcalls/compilelogview.h"
#include "programcalls/programcalls.h"
#include "programcalls/tprogramsdialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextBlock>
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

// Without its end a document stops latex (standard input is empty), so no .dvi appears.
const QByteArray Unfinished = "\\documentclass{article}\n\\begin{document}\nHello.\n";

class ProgramCallsFrameTest : public VellumixTest
{
protected:
    void SetUp() override
    {
        VellumixTest::SetUp();
        calls = &frame().programCalls();
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

    ProgramCalls *calls = nullptr;
};

TEST_F(ProgramCallsFrameTest, MenuItemsStandInTheirMenusWithTheirKeys)
{
    const struct { const char *menu; const char *name; QKeySequence key; } items[] = {
        {"TeX1", "MainFile2", QKeySequence(Qt::Key_F4)}, {"TeX1", "Compile1", QKeySequence(Qt::Key_F6)},
        {"TeX1", "LogFile1", QKeySequence(Qt::Key_F7)},  {"TeX1", "Preview1", QKeySequence(Qt::Key_F8)},
        {"File1", "CleanUp1", {}},                        {"Options1", "ProgramCalls1", {}},
        {"TeX1", "StopCompile1", {}},                     {"TeX1", "NextError1", QKeySequence(Qt::Key_F5)},
        {"TeX1", "PreviousError1", QKeySequence(Qt::CTRL | Qt::Key_F5)}, {"View1", "CompileLog1", {}},
    };
    for (const auto &item : items) {
        QAction *a = action(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->shortcut(), item.key) << item.name;
        EXPECT_TRUE(menu(item.menu)->actions().contains(a)) << item.name;
    }
    QStringList tex;
    for (QAction *a : menu("TeX1")->actions())
        tex << a->objectName();
    EXPECT_EQ(tex.mid(0, 8), QStringList({"MainFile2", "Compile1", "LogFile1", "Preview1", "CompileSeparator",
                                          "StopCompile1", "NextError1", "PreviousError1"}));
    EXPECT_FALSE(action("StopCompile1")->isEnabled());
    QStringList file;
    for (QAction *a : menu("File1")->actions())
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
    testsupport::writeFile(path("doc/paper.tex"), TexDocument);
    prompter.files << path("doc/paper.tex");
    trigger("Compile1");  // no main file yet: it is chosen and opened first
    EXPECT_EQ(frame().mainFile(), path("doc/paper.tex"));
    ASSERT_NE(frame().activeEditor(), nullptr);
    EXPECT_EQ(frame().activeEditor()->fileName(), path("doc/paper.tex"));
    EXPECT_EQ(QDir::currentPath(), path("doc"));
    ASSERT_TRUE(waitForLatex(path("doc/paper")));
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
    ASSERT_TRUE(waitForLatex(path("doc/paper")));
    EXPECT_TRUE(QFileInfo::exists(path("doc/paper.dvi")));
}

TEST_F(ProgramCallsFrameTest, PreviewSavesOnlyWhenItsLineNamesATexFile)
{
    TEditForm *editor = chooseMainFile();
    ASSERT_NE(editor, nullptr);
    editor->editor()->textCursor().insertText("%");
    ASSERT_TRUE(editor->isModified());

    // Names only the .dvi: nothing is saved.
    frame().settings().templates.preview = '"' + helper() + "\" \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), path("doc/paper.dvi")}));
    EXPECT_TRUE(editor->isModified());

    // The default form names the active editor's file (line 1 of paper.tex): saved first.
    QFile::remove(record());
    frame().settings().templates.preview = '"' + helper() + "\" -1 -s %l%f%e \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), "-1", "-s", "1paper.tex", path("doc/paper.dvi")}));
    EXPECT_FALSE(editor->isModified());
    EXPECT_TRUE(testsupport::readAll(path("doc/paper.tex")).startsWith("%"));
}

TEST_F(ProgramCallsFrameTest, PlaceholdersOfTheEditorStayWithoutOneAndOnlyTheFirstIsReplaced)
{
    testsupport::writeFile(path("doc/paper.tex"), TexDocument);
    frame().setMainFile(path("doc/paper.tex"));
    ASSERT_TRUE(frame().editors().isEmpty());
    frame().settings().templates.preview = '"' + helper() + "\" -1 -s %l%f%e \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(recordedRun(record()), QStringList({path("doc"), "-1", "-s", "%l%f%e", path("doc/paper.dvi")}));

    QFile::remove(record());
    frame().settings().externalPrograms = {{"Twice", '"' + helper() + "\" %F %F"}};
    frame().menus().rebuildExternalPrograms();
    trigger("ExternalProgram0");
    const QStringList run = recordedRun(record());
    EXPECT_EQ(run.mid(1), QStringList({"paper", "%F"}));
    // External programs run without a working directory: the current one.
    EXPECT_EQ(run.value(0), QDir::currentPath());
}

TEST_F(ProgramCallsFrameTest, SpeedBarButtonsReachTheCommandsAndUserButtonsRunExpanded)
{
    testsupport::writeFile(path("doc/paper.tex"), TexDocument);
    frame().setMainFile(path("doc/paper.tex"));
    frame().settings().templates.preview = '"' + helper() + "\" preview %F";
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
    frame().settings().templates.preview = "yap-is-not-here -1 \"%P%F.dvi\"";
    trigger("Preview1");
    EXPECT_EQ(prompter.errors,
              QStringList({"Unable to open\r\n>>\r\n>> yap-is-not-here -1 \"" + path("doc/paper.dvi") + "\"\r\n>> "}));
    EXPECT_EQ(listing(path("doc")), before);
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(frame().editors().size(), 1);
    EXPECT_EQ(frame().mainFile(), path("doc/paper.tex"));
}

TEST_F(ProgramCallsFrameTest, ACompileWithOneErrorReportsBackAndNextErrorGoesToIt)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QByteArray text = "\\documentclass{article}\n\\begin{document}\nHello\n\n\\foo\nWorld\n\\end{document}\n";
    TEditForm *main = chooseMainFile(text);
    ASSERT_NE(main, nullptr);
    frame().settings().templates.compile = "latex -interaction=nonstopmode %F.tex";
    auto *panel = frame().findChild<QLabel *>("CompilePanel");
    ASSERT_NE(panel, nullptr);
    trigger("Compile1");
    EXPECT_EQ(panel->text(), "Compiling paper.tex ...");
    EXPECT_TRUE(action("StopCompile1")->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return panel->text().startsWith("Compile finished"); }));
    EXPECT_EQ(panel->text(), "Compile finished: 1 error, 0 warnings");
    EXPECT_FALSE(action("StopCompile1")->isEnabled());
    // latex's output is in the log view, which came up for the run.
    CompileLogView *view = calls->logView();
    EXPECT_FALSE(view->isHidden());
    EXPECT_TRUE(view->text().startsWith("> latex -interaction=nonstopmode paper.tex\n"));
    EXPECT_TRUE(view->text().contains("! Undefined control sequence."));
    EXPECT_TRUE(view->text().endsWith("Compile finished: 1 error, 0 warnings\n"));

    // Next Error from another editor: the main file comes to the front, caret on line 5.
    trigger("New1");
    ASSERT_NE(frame().activeEditor(), main);
    trigger("NextError1");
    ASSERT_EQ(frame().activeEditor(), main);
    EXPECT_EQ(main->caretLine(), 5);
    EXPECT_EQ(panel->text(), "Error 1 of 1: Undefined control sequence.");

    // Log File opens the log at the error.
    trigger("LogFile1");
    TEditForm *log = frame().activeEditor();
    ASSERT_EQ(log->fileName(), path("doc/paper.log"));
    EXPECT_EQ(log->editor()->textCursor().block().text(), "! Undefined control sequence.");
}

TEST_F(ProgramCallsFrameTest, AFileOrFolderThatTheDesktopCannotOpenIsReported)
{
    if (!testsupport::haveProgram("xdg-open"))
        GTEST_SKIP() << "xdg-open is not installed";
    // No desktop files anywhere: the real opener has no program for anything.
    const QByteArray oldDirs = qgetenv("XDG_DATA_DIRS"), oldHome = qgetenv("XDG_DATA_HOME");
    QDir().mkpath(path("empty"));
    qputenv("XDG_DATA_DIRS", path("empty").toLocal8Bit());
    qputenv("XDG_DATA_HOME", path("empty").toLocal8Bit());
    testsupport::writeFile(path("doc/notes.xyz"), "not a program");
    QDir().mkpath(path("doc/figures"));
    frame().settings().externalPrograms = {{"Notes", path("doc/notes.xyz") + " -x"}, {"Figures", path("doc/figures")}};
    frame().menus().rebuildExternalPrograms();
    trigger("ExternalProgram0");
    trigger("ExternalProgram1");
    const bool reported = waitUntil([&] { return prompter.errors.size() == 2; }, 30000);
    qputenv("XDG_DATA_DIRS", oldDirs);
    qputenv("XDG_DATA_HOME", oldHome);
    ASSERT_TRUE(reported) << prompter.errors.join('|').toStdString();
    prompter.errors.sort();
    EXPECT_TRUE(prompter.errors[0].startsWith(unableToOpenMessage(path("doc/figures"), "xdg-open: ")));
    EXPECT_TRUE(prompter.errors[1].startsWith(unableToOpenMessage(path("doc/notes.xyz") + " -x", "xdg-open: ")));
}

TEST_F(ProgramCallsFrameTest, ProgramCallsDialogChangesTheTemplatesOnOkOnly)
{
    QTimer::singleShot(0, [this] {
        calls->programsDialog()->findChild<QLineEdit *>("TeXEdit")->setText("pdflatex %F.tex");
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    trigger("ProgramCalls1");
    EXPECT_EQ(frame().settings().templates.compile, "pdflatex %F.tex");

    QTimer::singleShot(0, [this] {
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("DefaultBtn"), Qt::LeftButton);
        QTest::mouseClick(calls->programsDialog()->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
    });
    trigger("ProgramCalls1");
    EXPECT_EQ(frame().settings().templates.compile, "pdflatex %F.tex");
}

} // namespace
