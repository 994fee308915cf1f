// The editor inside the frame: the frame's editor commands (find, search again,
// brace matching, update selection, syntax highlighting switch) and the editor's
// questions going through the frame's prompter.
#include "editor/editormessages.h"
#include "editor/tappearancedialog.h"
#include "editor/teditform.h"
#include "editor/editorcommands.h"
#include "editor/tfinddialog.h"
#include "app/tframeform.h"
#include "vellumixfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using testsupport::readAll;
using testsupport::writeFile;

// The editor commands as the frame wires them.
class EditorCommandsTest : public VellumixTest {
protected:
    void SetUp() override
    {
        VellumixTest::SetUp();
        commands = &frame().editorCommands();
    }
    TEditForm *open(const QByteArray &bytes, OpenFormat format = OpenFormat::Plain)
    {
        writeFile(path("doc.tex"), bytes);
        return frame().openFile(path("doc.tex"), format, 0);
    }
    void triggerRefreshed(const char *name)
    {
        commands->refreshStates();
        trigger(name);
    }

    EditorCommands *commands = nullptr;
};

TEST_F(EditorCommandsTest, MenuItemsExist)
{
    ASSERT_NE(commands, nullptr);
    for (const char *name :
         {"Find1", "Replace1", "SearchAgain1", "FindBrace1", "GoToLine1", "UpdateSelection1", "Appearance1"})
        EXPECT_NE(action(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(action("SearchAgain1")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(action("FindBrace1")->shortcut(), QKeySequence(Qt::Key_F9));
}

TEST_F(EditorCommandsTest, FindBraceFollowsTheCaret)
{
    TEditForm *e = open("{a\\}b} x");
    ASSERT_NE(e, nullptr);
    e->setCaretPosition(0);
    commands->refreshStates();
    EXPECT_TRUE(action("FindBrace1")->isEnabled());
    triggerRefreshed("FindBrace1");
    EXPECT_EQ(e->editor()->textCursor().selectionStart(), 5);
    e->setCaretPosition(7);
    EXPECT_FALSE(action("FindBrace1")->isEnabled());
}

TEST_F(EditorCommandsTest, SearchAgainRepeatsTheFindDialogsText)
{
    TEditForm *e = open("one two one two");
    commands->refreshStates();
    EXPECT_FALSE(action("SearchAgain1")->isEnabled());
    commands->findDialog()->setFindText(QStringLiteral("two"));
    commands->findDialog()->findChild<QPushButton *>("FindNextBtn")->click();
    EXPECT_EQ(e->editor()->textCursor().selectionStart(), 4);
    triggerRefreshed("SearchAgain1");
    EXPECT_EQ(e->editor()->textCursor().selectionStart(), 12);
    triggerRefreshed("SearchAgain1");
    EXPECT_EQ(prompter.asked, QStringList{EditorMessages::TextNotFound});
}

TEST_F(EditorCommandsTest, ReplaceAllThroughTheDialog)
{
    TEditForm *e = open("a b a");
    TFindDialog *d = commands->replaceDialog();
    d->findChild<QLineEdit *>("FindText")->setText(QStringLiteral("a"));
    d->findChild<QLineEdit *>("ReplaceText")->setText(QStringLiteral("$x$"));
    d->findChild<QPushButton *>("ReplaceAllBtn")->click();
    EXPECT_EQ(e->plainText(), QStringLiteral("$x$ b $x$"));
    EXPECT_EQ(e->classAt(0), TokenClass::Dollar);
    EXPECT_EQ(prompter.asked, QStringList{EditorMessages::EndOfDocument});
}

TEST_F(EditorCommandsTest, SwitchingHighlightingKeepsModifiedFlags)
{
    TEditForm *e = open("\\emph{x}");
    ASSERT_EQ(e->classAt(1), TokenClass::TexCommand);
    frame().setSyntaxColoring(false);
    ASSERT_TRUE(waitUntil([e] { return e->highlightingDone(); }));
    EXPECT_EQ(e->classAt(1), TokenClass::Standard);
    EXPECT_FALSE(e->isModified());
    frame().setSyntaxColoring(true);
    ASSERT_TRUE(waitUntil([e] { return e->highlightingDone(); }));
    EXPECT_EQ(e->classAt(1), TokenClass::TexCommand);
    EXPECT_FALSE(e->isModified());
}

TEST_F(EditorCommandsTest, OemFileOpenedByTheFrameIsConvertedAndModified)
{
    TEditForm *e = open("\x84\r\n", OpenFormat::DosOem);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->plainText(), QString::fromUtf8("\xc3\xa4\n"));
    EXPECT_TRUE(e->isModified());
}

TEST_F(EditorCommandsTest, EditorQuestionsGoThroughTheFramesPrompter)
{
    TEditForm *e = open("x");
    e->editor()->textCursor().insertText(QStringLiteral("y"));
    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(e->queryClose());
    EXPECT_EQ(prompter.asked, QStringList{QStringLiteral("Save changes to \"doc.tex\"?")});
    prompter.files = {path("dos")};
    prompter.filterIndexes = {2};
    EXPECT_TRUE(frame().saveEditorAs(e));
    EXPECT_EQ(readAll(path("dos.tex")), QByteArray("yx"));
    EXPECT_EQ(e->fileName(), path("doc.tex"));
    EXPECT_TRUE(e->isModified());
}

TEST_F(EditorCommandsTest, AppearanceOkRecoloursEditorsAndTheFrameKeepsTheFonts)
{
    TEditForm *e = open("\\section{A}");
    TAppearanceDialog *dlg = commands->appearanceDialog();
    dlg->setFontPicker([](QWidget *, ClassFont &f) {
        f.color = Qt::red;
        f.bold = true;
        return true;
    });
    QTimer::singleShot(0, dlg, [dlg] {
        dlg->findChild<QPushButton *>("TeXBtn")->click();
        dlg->findChild<QPushButton *>("OKBtn")->click();
    });
    triggerRefreshed("Appearance1");
    EXPECT_EQ(frame().classFonts()[size_t(TokenClass::TexCommand)].color, QColor(Qt::red));
    ASSERT_TRUE(waitUntil([e] { return e->highlightingDone(); }));
    EXPECT_EQ(e->formatAt(3).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(e->formatAt(3).fontWeight(), QFont::Bold);
    EXPECT_FALSE(e->isModified());
}

} // namespace
