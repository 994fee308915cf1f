// Large files: the start shows at once, the rest arrives in the background, and
// nothing the user does meanwhile loses or reorders text.
#include "editformfixture.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

namespace {

using testsupport::readAll;
using EditFormTest = EditFormFixture;

TEST_F(EditFormTest, LargeTextShowsAtOnceAndArrivesCompletely)
{
    QByteArray bytes;
    const QByteArray line = "\\section{Title} text with $x$ and % a comment\n";
    while (bytes.size() <= 4 * TextFiller::PieceChars)
        bytes += line;
    bytes += "\\end{document}";
    load(bytes);
    // The start is there at once; the rest arrives in the background, and the
    // document already reads (and would save) as the whole file.
    ASSERT_TRUE(form->isLoading());
    EXPECT_LT(form->editor()->document()->characterCount(), bytes.size());
    EXPECT_EQ(form->plainText().toUtf8(), bytes);
    EXPECT_FALSE(form->editor()->isReadOnly());
    ASSERT_TRUE(waitUntil([&] { return !form->isLoading() && form->highlightingDone(); }));
    EXPECT_EQ(form->plainText().toUtf8(), bytes);
    EXPECT_FALSE(form->editor()->isReadOnly());
    EXPECT_FALSE(form->isModified());
    const int last = int(bytes.size()) - 14;
    EXPECT_EQ(form->classAt(last), TokenClass::TexCommand);
    EXPECT_EQ(form->classAt(last + 4), TokenClass::Parenthesis);
    // Undo does not take the loaded text away.
    EXPECT_FALSE(form->editor()->document()->isUndoAvailable());
}

// Keys go into the part that is there while the rest arrives; afterwards they are
// one undo step on the file as it was read.
TEST_F(EditFormTest, EditsWhileLoadingStayAndUndoAsOneStep)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() <= 6 * TextFiller::PieceChars; ++i)
        bytes += "line " + QByteArray::number(i % 10) + " plain words\n";
    QSignalSpy modified(form.get(), &TEditForm::modifiedChanged);
    load(bytes);
    ASSERT_TRUE(form->isLoading());
    QTest::keyClick(form->editor(), Qt::Key_End);
    type(QStringLiteral("x"));
    QTest::keyClick(form->editor(), Qt::Key_Down);
    QTest::keyClick(form->editor(), Qt::Key_Home);
    QTest::keyClick(form->editor(), Qt::Key_Delete);
    typeEnter();
    // Still arriving, already changed and said to be so.
    EXPECT_TRUE(form->isLoading());
    QByteArray expected = bytes;
    expected.remove(19, 1).insert(19, "\n").insert(18, "x");
    EXPECT_EQ(form->plainText().toUtf8(), expected);
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(form->isModified());
    const int caret = form->caretPosition();
    settle();
    EXPECT_EQ(form->plainText().toUtf8(), expected);
    EXPECT_EQ(form->caretPosition(), caret);
    EXPECT_TRUE(form->isModified());
    form->editor()->undo();
    EXPECT_EQ(form->plainText().toUtf8(), bytes);
    EXPECT_FALSE(form->editor()->document()->isUndoAvailable());
    EXPECT_FALSE(form->isModified());
    form->editor()->redo();
    EXPECT_EQ(form->plainText().toUtf8(), expected);
    EXPECT_TRUE(form->isModified());
}

// Changes that cancel out leave the load unmodified; a converted load stays modified
// when its changes are undone.
TEST_F(EditFormTest, EditsWhileLoadingKeepTheLoadsOwnModifiedFlag)
{
    QByteArray bytes;
    while (bytes.size() <= 3 * TextFiller::PieceChars)
        bytes += "Gr\x81\xe1" "e an alle\r\n";
    load(bytes);
    ASSERT_TRUE(form->isLoading());
    type(QStringLiteral("ab"));
    QTest::keyClick(form->editor(), Qt::Key_Backspace);
    QTest::keyClick(form->editor(), Qt::Key_Backspace);
    EXPECT_TRUE(form->isModified());
    settle();
    EXPECT_FALSE(form->isModified());
    EXPECT_FALSE(form->editor()->document()->isUndoAvailable());

    load(bytes, OpenFormat::DosOem);
    ASSERT_TRUE(form->isLoading());
    type(QStringLiteral("\\a "));
    settle();
    EXPECT_TRUE(form->plainText().startsWith(QStringLiteral("\\a Gr\u00fc\u00dfe")));
    EXPECT_EQ(form->classAt(1), TokenClass::TexCommand);
    form->editor()->undo();
    EXPECT_TRUE(form->plainText().startsWith(QStringLiteral("Gr\u00fc\u00dfe")));
    EXPECT_TRUE(form->isModified());
}

// The text arrives at the end of the document: going there, selecting everything or
// undoing completes it first, and a caret that reaches the last line stays put.
TEST_F(EditFormTest, KeysThatNeedTheWholeTextCompleteItFirst)
{
    QByteArray bytes;
    while (bytes.size() <= 4 * TextFiller::PieceChars)
        bytes += "plain words on a line\n";
    bytes += "last";
    load(bytes);
    ASSERT_TRUE(form->isLoading());
    QTest::keyClick(form->editor(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_FALSE(form->isLoading());
    EXPECT_EQ(form->caretPosition(), bytes.size());

    for (auto [key, modifiers] : {std::pair{Qt::Key_A, Qt::ControlModifier}, std::pair{Qt::Key_Z, Qt::ControlModifier}}) {
        load(bytes);
        ASSERT_TRUE(form->isLoading());
        QTest::keyClick(form->editor(), key, modifiers);
        EXPECT_FALSE(form->isLoading()) << key;
        EXPECT_EQ(form->plainText().toUtf8(), bytes);
    }

    load(bytes);
    ASSERT_TRUE(form->isLoading());
    const int frontier = form->editor()->document()->lastBlock().position();
    form->setCaretPosition(frontier - 1);
    QTest::keyClick(form->editor(), Qt::Key_Right);
    EXPECT_FALSE(form->isLoading());
    EXPECT_EQ(form->caretPosition(), frontier);
    type(QStringLiteral("y"));
    EXPECT_EQ(form->plainText().toUtf8(), QByteArray(bytes).insert(frontier, "y"));

    // However it got there (the widget scrolling while the mouse selects), the caret is not
    // pushed along by the arriving text.
    load(bytes);
    ASSERT_TRUE(form->isLoading());
    const int end = form->editor()->document()->lastBlock().position();
    select(5, end);
    settle();
    EXPECT_EQ(form->editor()->textCursor().anchor(), 5);
    EXPECT_EQ(form->caretPosition(), end);
}

TEST_F(EditFormTest, SaveWhileLoadingWritesTheWholeFile)
{
    QByteArray bytes;
    while (bytes.size() <= 3 * TextFiller::PieceChars)
        bytes += "caf\xc3\xa9 au lait\r\n";
    load(bytes);
    ASSERT_TRUE(form->isLoading());
    ASSERT_TRUE(form->save());
    EXPECT_EQ(readAll(path("doc.tex")), bytes);
}

// While the rest of a large text arrives, the place the user scrolled to, the caret,
// new fonts and the modified signal stay as they are.
TEST_F(EditFormTest, ArrivingTextKeepsCaretScrollFontsAndSignals)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() <= 2 * TextFiller::PieceChars; ++i)
        bytes += "line " + QByteArray::number(i) + " with \\cmd{x}\n";
    form->show();
    load(bytes);
    ASSERT_TRUE(form->isLoading());
    QPlainTextEdit *edit = form->editor();
    select(30, 34);
    edit->verticalScrollBar()->setValue(20);
    // New fonts meanwhile (Appearance OK) hold for the whole text.
    host.fonts[0].size = 17;
    form->refreshAppearance();
    const QFont font = edit->font();
    ASSERT_EQ(font.pointSize(), 17);
    QSignalSpy finished(form.get(), &TEditForm::loadFinished);
    ASSERT_TRUE(waitUntil([&] { return finished.count() == 1; }));
    EXPECT_EQ(edit->verticalScrollBar()->value(), 20);
    EXPECT_EQ(edit->textCursor().selectionStart(), 30);
    EXPECT_EQ(edit->textCursor().selectionEnd(), 34);
    EXPECT_EQ(form->plainText().toUtf8(), bytes);
    EXPECT_EQ(edit->document()->defaultFont(), font);

    QSignalSpy modified(form.get(), &TEditForm::modifiedChanged);
    type(QStringLiteral("y"));
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(modified.at(0).at(0).toBool());
    settle();
    EXPECT_EQ(form->classAt(int(form->plainText().lastIndexOf(QLatin1Char('\\')))), TokenClass::TexCommand);
}

// A load replaced or a window closed while its text still arrives loses nothing.
TEST_F(EditFormTest, ReplacingOrClosingWhileLoadingIsSafe)
{
    QByteArray first;
    while (first.size() <= 3 * TextFiller::PieceChars)
        first += "first text line\n";
    load(first);
    ASSERT_TRUE(form->isLoading());
    const QString second = QStringLiteral("second\ntext\n").repeated(TextFiller::PieceChars / 4);
    ASSERT_TRUE(form->replaceText(second, true));
    EXPECT_FALSE(form->isLoading());
    EXPECT_EQ(form->plainText(), second);
    EXPECT_TRUE(form->isModified());
    // Nothing of the dropped text arrives later.
    QTest::qWait(50);
    EXPECT_EQ(form->plainText(), second);

    load(first);
    ASSERT_TRUE(form->isLoading());
    form.reset();
    form = std::make_unique<TEditForm>(&host);
    QTest::qWait(50);
}

// The window is closed while its big file is still being read: the load ends
// without a word and touches nothing of the closed window.
TEST_F(EditFormTest, ClosingWhileTheFileIsReadEndsTheLoadSilently)
{
    QByteArray bytes;
    while (bytes.size() <= 2 * TextDocument::WorkerSize)
        bytes += "a line of \\emph{text}\n";
    testsupport::writeFile(path("doc.tex"), bytes);
    TEditForm *closing = form.get();
    QTimer::singleShot(0, [this] { form.reset(); });
    EXPECT_FALSE(closing->loadFromFile(path("doc.tex")));
    EXPECT_EQ(form, nullptr);
    EXPECT_TRUE(prompter.errors.isEmpty());
    form = std::make_unique<TEditForm>(&host);
}

} // namespace
