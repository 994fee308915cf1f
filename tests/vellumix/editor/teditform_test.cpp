// The editor form on the screen: typing highlighter, loads and saves through the
// form, insert, find and replace, brace matching, go to line, close question and
// the context menu.
#include "common/vellumixsettings.h"
#include "editor/editormessages.h"
#include "editor/teditform.h"

#include "editformfixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

using testsupport::readAll;
using testsupport::writeFile;
using EditFormTest = EditFormFixture;

TEST_F(EditFormTest, TypingSectionWordHighlightsCommandBracesAndWord)
{
    type(QStringLiteral("\\section{word}"));
    EXPECT_EQ(classes(), "ccccccccpssssp");
    EXPECT_TRUE(form->isModified());
}

TEST_F(EditFormTest, TypedBackslashPercentStaysOutOfComment)
{
    type(QStringLiteral("50\\% done"));
    EXPECT_EQ(classes(), "sssssssss");
}

TEST_F(EditFormTest, PercentAfterSpaceCommentsUntilEnter)
{
    type(QStringLiteral("a %b c"));
    typeEnter();
    type(QStringLiteral("d"));
    EXPECT_EQ(form->plainText(), QStringLiteral("a %b c\nd"));
    std::string cls = classes();
    cls.erase(6, 1); // the line break has no glyph
    EXPECT_EQ(cls, "ssmmmms");
}

TEST_F(EditFormTest, CaretMoveRecomputesTheStateFromTheLine)
{
    type(QStringLiteral("\\sec x"));
    QTest::keyClick(form->editor(), Qt::Key_Left);
    QTest::keyClick(form->editor(), Qt::Key_Left);
    type(QStringLiteral("t"));
    EXPECT_EQ(form->plainText(), QStringLiteral("\\sect x"));
    EXPECT_EQ(classes(), "cccccss");
}

TEST_F(EditFormTest, TypedWordIsUndoneAtOnce)
{
    load("x");
    type(QStringLiteral("hello"));
    form->editor()->undo();
    EXPECT_EQ(form->plainText(), QStringLiteral("x"));
}

TEST_F(EditFormTest, TypingWithHighlightingOffIsPlain)
{
    host.options.syntaxColoring = false;
    form->refreshAppearance();
    type(QStringLiteral("\\emph{x}"));
    EXPECT_EQ(classes(), "ssssssss");
}

TEST_F(EditFormTest, LoadHighlightsInFullAndIsUnmodified)
{
    load("\\{a\\} {b} % c\r\n$x$");
    EXPECT_EQ(form->plainText(), QStringLiteral("\\{a\\} {b} % c\n$x$"));
    EXPECT_EQ(classes(), "sssss" "s" "psp" "s" "mmm" "s" "dsd");
    EXPECT_FALSE(form->isModified());
    EXPECT_EQ(form->caretPosition(), 0);
    EXPECT_EQ(form->caption(), QStringLiteral("doc.tex"));
}

TEST_F(EditFormTest, OemLoadIsMarkedModified)
{
    QSignalSpy spy(form.get(), &TEditForm::modifiedChanged);
    load("\x84\r\n", OpenFormat::DosOem);
    EXPECT_EQ(form->plainText(), QString::fromUtf8("\xc3\xa4\n"));
    EXPECT_TRUE(form->isModified());
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_TRUE(spy.last().at(0).toBool());
}

TEST_F(EditFormTest, MissingFileIsReportedAndNothingLoaded)
{
    EXPECT_FALSE(form->loadFromFile(path("nope.tex")));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith("error: "));
    EXPECT_TRUE(form->fileName().isEmpty());
}

TEST_F(EditFormTest, ModifiedFlagSurvivesEveryReHighlighting)
{
    load("\\a {b}\n");
    QSignalSpy spy(form.get(), &TEditForm::modifiedChanged);
    form->highlightAll();
    form->removeHighlighting();
    settle();
    EXPECT_EQ(classes(), "sssssss");
    form->highlightAll();
    settle();
    EXPECT_EQ(classes(), "ccspsps");
    select(0, 3);
    form->updateSelection();
    form->refreshAppearance();
    settle();
    EXPECT_FALSE(form->isModified());
    EXPECT_TRUE(spy.isEmpty()) << "an unmodified editor's button never turned bold";

    QTest::keyClick(form->editor(), Qt::Key_End);
    type(QStringLiteral("x"));
    ASSERT_TRUE(form->isModified());
    form->highlightAll();
    form->removeHighlighting();
    form->refreshAppearance();
    settle();
    EXPECT_TRUE(form->isModified());
}

// Colours are no edits: Ctrl+Z after a command takes back the command's text, and
// no recolouring ever enters or empties the undo history.
TEST_F(EditFormTest, UndoTakesBackEmphasisBoldAndReplaceNotTheirColours)
{
    load("say word now, word");
    const std::string loaded = classes();
    QMenu *menu = form->contextMenu();
    select(4, 8);
    menu->findChild<QAction *>("Emphasis1")->trigger();
    select(21, 25);
    menu->findChild<QAction *>("Bold1")->trigger();
    FindOptions o;
    o.text = QStringLiteral("now");
    o.replaceText = QStringLiteral("$n$");
    select(16, 19);
    form->replaceOnce(o);
    const QString edited = QStringLiteral("say \\emph{word} $n$, \\textbf{word}");
    ASSERT_EQ(form->plainText(), edited);
    EXPECT_EQ(classes(), "ssss" "ccccc" "p" "ssss" "p" "s" "dsd" "ss" "ccccccc" "p" "ssss" "p");
    select(0, int(edited.size()));
    form->updateSelection();

    QTextDocument *doc = form->editor()->document();
    doc->undo();
    EXPECT_EQ(form->plainText(), QStringLiteral("say \\emph{word} now, \\textbf{word}"));
    doc->undo();
    EXPECT_EQ(form->plainText(), QStringLiteral("say \\emph{word} now, word"));
    doc->undo();
    EXPECT_EQ(form->plainText(), QStringLiteral("say word now, word"));
    EXPECT_FALSE(doc->isUndoAvailable());
    EXPECT_FALSE(form->isModified());
    EXPECT_EQ(classes(), loaded);
    doc->redo();
    EXPECT_EQ(classes(), "ssss" "ccccc" "p" "ssss" "p" "ssssssssss");
}

TEST_F(EditFormTest, RecolouringKeepsTheUndoHistory)
{
    load("a\n");
    type(QStringLiteral("\\b{c} "));
    ASSERT_TRUE(form->editor()->document()->isUndoAvailable());
    form->removeHighlighting();
    settle();
    form->highlightAll();
    settle();
    host.fonts[int(TokenClass::TexCommand)].bold = true;
    form->refreshAppearance();
    settle();
    EXPECT_EQ(form->formats().format(TokenClass::TexCommand).fontWeight(), QFont::Bold);
    EXPECT_EQ(classes(), "ccpsps" "s" "s");
    EXPECT_TRUE(form->isModified());
    form->editor()->undo();
    EXPECT_EQ(form->plainText(), QStringLiteral("a\n"));
    EXPECT_FALSE(form->isModified());
}

TEST_F(EditFormTest, PastedTextIsHighlighted)
{
    load("x\n");
    QGuiApplication::clipboard()->setText(QStringLiteral("\\emph{y} % c\n$z$"));
    form->editor()->paste();
    EXPECT_EQ(form->plainText(), QStringLiteral("\\emph{y} % c\n$z$x\n"));
    EXPECT_EQ(classes(), "ccccc" "psp" "s" "mmm" "s" "dsd" "s" "s");
}

TEST_F(EditFormTest, JoiningLinesDropsTheColoursTheyHadApart)
{
    load("% note\n\\a b");
    EXPECT_EQ(classes(), "mmmmmm" "s" "ccss");
    // Deleting the line break puts the command into the comment.
    form->setCaretPosition(6);
    QTest::keyClick(form->editor(), Qt::Key_Delete);
    EXPECT_EQ(classes(), std::string(10, 'm'));
    form->editor()->undo();
    EXPECT_EQ(classes(), "mmmmmm" "s" "ccss");
}

// A line of some hundred thousand characters (pasted or generated text) is coloured
// around what is shown and stays editable.
TEST_F(EditFormTest, LongLineIsColouredAroundWhatIsShown)
{
    QByteArray line;
    while (line.size() < 8 * DocumentHighlighter::LongLine)
        line += "\\emph{x} $y$ ";
    load(line);
    settle();
    EXPECT_EQ(form->classAt(0), TokenClass::TexCommand);
    EXPECT_EQ(form->classAt(13 * 100), TokenClass::TexCommand);
    const int far = int(line.size()) - 13;
    EXPECT_EQ(form->classAt(far), TokenClass::Standard) << "far beyond the screen";
    EXPECT_EQ(form->formatAt(far), form->formats().format(TokenClass::Standard)) << "shown as standard text";
    // Typing at the end moves the window there.
    QTest::keyClick(form->editor(), Qt::Key_End);
    type(QStringLiteral("\\b"));
    EXPECT_EQ(form->plainText().toUtf8(), line + "\\b");
    EXPECT_EQ(form->classAt(far), TokenClass::TexCommand);
    EXPECT_EQ(form->classAt(int(line.size()) + 1), TokenClass::TexCommand);
    settle();
    EXPECT_EQ(form->classAt(0), TokenClass::Standard) << "the start is off the screen now";
    form->editor()->undo();
    EXPECT_EQ(form->plainText().toUtf8(), line);
}

TEST_F(EditFormTest, ReHighlightingKeepsTheSelection)
{
    load("one two three");
    select(4, 7);
    form->highlightAll();
    EXPECT_EQ(form->editor()->textCursor().selectionStart(), 4);
    EXPECT_EQ(form->editor()->textCursor().selectionEnd(), 7);
}

TEST_F(EditFormTest, InsertWrapsTheSelectionAndKeepsItSelected)
{
    load("say word now");
    select(4, 8);
    form->insert(QStringLiteral("\\emph{"), QStringLiteral("}"));
    EXPECT_EQ(form->plainText(), QStringLiteral("say \\emph{word} now"));
    const QTextCursor c = form->editor()->textCursor();
    EXPECT_EQ(c.selectionStart(), 10);
    EXPECT_EQ(c.selectionEnd(), 14);
    EXPECT_EQ(classes(), "ssss" "ccccc" "p" "ssss" "p" "ssss");
}

TEST_F(EditFormTest, InsertWithoutSelectionPutsCaretAfterBefore)
{
    type(QStringLiteral("x "));
    form->insert(QStringLiteral("\\textbf{"), QStringLiteral("}"));
    EXPECT_EQ(form->plainText(), QStringLiteral("x \\textbf{}"));
    EXPECT_EQ(form->caretPosition(), 10);
    EXPECT_FALSE(form->editor()->textCursor().hasSelection());
}

TEST_F(EditFormTest, InsertInsideACommentStaysComment)
{
    load("% note here");
    select(7, 11);
    form->insert(QStringLiteral("{"), QStringLiteral("}"));
    EXPECT_EQ(classes(), std::string(13, 'm'));
}

TEST_F(EditFormTest, FindIsForwardOnlyAndSelectsTheMatch)
{
    load("Word word sword word");
    FindOptions o;
    o.text = QStringLiteral("word");
    o.wholeWord = true;
    o.matchCase = true;
    ASSERT_TRUE(form->findNext(o));
    EXPECT_EQ(form->editor()->textCursor().selectionStart(), 5);
    ASSERT_TRUE(form->findNext(o));
    EXPECT_EQ(form->editor()->textCursor().selectionStart(), 16);
    EXPECT_FALSE(form->findNext(o));
    EXPECT_EQ(prompter.messages, QStringList{"info: " + EditorMessages::TextNotFound});
}

TEST_F(EditFormTest, FindAcrossLines)
{
    load("a\nb\nneedle");
    FindOptions o;
    o.text = QStringLiteral("NEEDLE");
    ASSERT_TRUE(form->findNext(o));
    EXPECT_EQ(form->editor()->textCursor().selectionStart(), 4);
}

TEST_F(EditFormTest, ReplaceAllReplacesEveryMatchAndReportsTheEnd)
{
    load("cat Cat\ncat dog");
    FindOptions o;
    o.text = QStringLiteral("cat");
    o.replaceText = QStringLiteral("\\cat");
    EXPECT_EQ(form->replaceAll(o), 3);
    EXPECT_EQ(form->plainText(), QStringLiteral("\\cat \\cat\n\\cat dog"));
    EXPECT_TRUE(form->endReached());
    EXPECT_EQ(prompter.messages, QStringList{"info: " + EditorMessages::EndOfDocument});
    EXPECT_EQ(classes(), "cccc" "s" "cccc" "s" "cccc" "ssss");
}

TEST_F(EditFormTest, ReplaceOnlyReplacesAMatchingSelection)
{
    load("ab ab");
    FindOptions o;
    o.text = QStringLiteral("AB");
    o.replaceText = QStringLiteral("x");
    o.matchCase = true;
    select(0, 2);
    form->replaceOnce(o);
    EXPECT_EQ(form->plainText(), QStringLiteral("ab ab"));
    o.matchCase = false;
    select(0, 2);
    form->replaceOnce(o);
    EXPECT_EQ(form->plainText(), QStringLiteral("x ab"));
    EXPECT_EQ(form->editor()->textCursor().selectionStart(), 2);
}

TEST_F(EditFormTest, BraceMatchingSkipsEscapedBrace)
{
    load("{a\\}b} c");
    ASSERT_TRUE(form->canMatchBrace());
    form->matchBrace();
    const QTextCursor c = form->editor()->textCursor();
    EXPECT_EQ(c.selectionStart(), 5);
    EXPECT_EQ(c.selectionEnd(), 6);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(EditFormTest, BraceWithoutMatchCollapsesAndSays)
{
    load("{a b");
    form->matchBrace();
    EXPECT_FALSE(form->editor()->textCursor().hasSelection());
    EXPECT_EQ(prompter.messages, QStringList{"info: " + EditorMessages::NoParenthesis});
    form->setCaretPosition(1);
    EXPECT_FALSE(form->canMatchBrace());
}

TEST_F(EditFormTest, GoToLineSelectsTheLineAndIgnoresZeroAndNegatives)
{
    load("one\ntwo\nthree");
    form->setCaretPosition(1);
    form->goToLine(0);
    form->goToLine(-3);
    EXPECT_EQ(form->caretPosition(), 1);
    form->goToLine(2);
    EXPECT_EQ(form->editor()->textCursor().selectedText(), QStringLiteral("two"));
    EXPECT_EQ(form->caretLine(), 2);
    prompter.texts << QStringLiteral("3");
    form->goToLineDialog();
    EXPECT_EQ(form->editor()->textCursor().selectedText(), QStringLiteral("three"));
    prompter.texts << QStringLiteral("x1");
    form->goToLineDialog();
    EXPECT_EQ(prompter.messages, QStringList{"error: " + EditorMessages::NotAnInteger.arg("x1")});
}

TEST_F(EditFormTest, CloseQuestionAnswers)
{
    load("text");
    EXPECT_TRUE(form->queryClose());
    EXPECT_TRUE(prompter.messages.isEmpty());
    type(QStringLiteral("more "));
    prompter.answers = {Prompter::Answer::Cancel, Prompter::Answer::Yes};
    EXPECT_FALSE(form->queryClose());
    EXPECT_EQ(prompter.messages, QStringList{"ask: Save changes to \"doc.tex\"?"});
    EXPECT_TRUE(form->queryClose());
    EXPECT_EQ(readAll(path("doc.tex")), QByteArray("more text"));
    EXPECT_FALSE(form->isModified());
}

TEST_F(EditFormTest, CloseWithNoDiscardsAndCancelKeepsTheWindow)
{
    load("text");
    type(QStringLiteral("x"));
    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(form->close());
    prompter.answers = {Prompter::Answer::No};
    EXPECT_TRUE(form->queryClose());
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readAll(path("doc.tex")), QByteArray("text"));
}

TEST_F(EditFormTest, SaveOfUnnamedDocumentCancelledKeepsItOpen)
{
    type(QStringLiteral("x"));
    prompter.answers = {Prompter::Answer::Yes};
    prompter.files.clear();
    EXPECT_FALSE(form->queryClose());
    EXPECT_TRUE(form->isModified());
}

TEST_F(EditFormTest, SaveWritesBackupAndLineSpecialsFromTheFrameOptions)
{
    host.options.createBackup = true;
    host.options.lineSpecials = true;
    load("word\r\n");
    type(QStringLiteral("first"));
    typeEnter();
    typeEnter();
    ASSERT_TRUE(form->save());
    EXPECT_EQ(readAll(path("doc.tex.bak")), QByteArray("word\r\n"));
    EXPECT_EQ(readAll(path("doc.txx")), QByteArray("first\r\n\r\n\\special{src: 3 doc.tex}word\r\n"));
    ASSERT_TRUE(form->save());
    EXPECT_EQ(readAll(path("doc.tex.bak")), readAll(path("doc.tex")));
}

TEST_F(EditFormTest, UnencodableCharacterAsksBeforeTheFileBecomesUtf8)
{
    const QByteArray ansi = "Stra\xdf" "e\n";
    writeFile(path("ansi.tex"), ansi);
    ASSERT_TRUE(form->loadFromFile(path("ansi.tex")));
    form->insert(QString::fromUtf8("\xe2\x88\x9e "), QString());
    ASSERT_TRUE(form->isModified());
    // No and Cancel leave the file as it was and the document modified.
    for (Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Cancel}) {
        prompter.answers = {answer};
        EXPECT_FALSE(form->save());
        EXPECT_EQ(readAll(path("ansi.tex")), ansi);
        EXPECT_TRUE(form->isModified());
    }
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[0].startsWith("ask: "));
    EXPECT_TRUE(prompter.messages[0].contains("Windows-1252"));
    EXPECT_TRUE(prompter.messages[0].endsWith("Save it as UTF-8?"));
    // Yes writes UTF-8, and the document stays UTF-8 from then on.
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(form->save());
    EXPECT_EQ(readAll(path("ansi.tex")), QByteArray("\xe2\x88\x9e Stra\xc3\x9f" "e\n"));
    EXPECT_FALSE(form->isModified());
    EXPECT_EQ(form->document().encoding(), TextCodec::Encoding::Utf8);
}

TEST_F(EditFormTest, SaveAsRenamesAndUpdatesTheRecentList)
{
    load("a");
    type(QStringLiteral("x"));
    prompter.files << path("other");
    ASSERT_TRUE(form->saveAsDialog());
    EXPECT_EQ(form->fileName(), path("other.tex"));
    EXPECT_EQ(form->caption(), QStringLiteral("other.tex"));
    EXPECT_FALSE(form->isModified());
    EXPECT_EQ(readAll(path("other.tex")), QByteArray("xa"));
    EXPECT_EQ(host.recent, QStringList{path("other.tex")});
}

TEST_F(EditFormTest, OemExportKeepsNameAndModifiedFlag)
{
    load("\xc3\xa4");
    type(QStringLiteral("x"));
    prompter.files << path("dos");
    prompter.filterIndexes << 2;
    EXPECT_TRUE(form->saveAsDialog());
    EXPECT_EQ(readAll(path("dos.tex")), QByteArray("x\x84"));
    EXPECT_EQ(form->fileName(), path("doc.tex"));
    EXPECT_TRUE(form->isModified());
    EXPECT_EQ(host.recent, QStringList{path("doc.tex")});
}

TEST_F(EditFormTest, FailedOemExportSaysUnableToSave)
{
    writeFile(path("blocker"), "f");
    type(QStringLiteral("x"));
    EXPECT_FALSE(form->exportOem(path("blocker/x.tex")));
    EXPECT_EQ(prompter.messages, QStringList{"error: " + EditorMessages::UnableToSave});
}

TEST_F(EditFormTest, UnchangedDocumentIsWrittenBackByteForByte)
{
    // No-break spaces and a line separator must survive the widget.
    const QByteArray bytes = "a\xc2\xa0" "b\r\n\xe2\x80\xa8\r\n\tc\r\n";
    load(bytes);
    ASSERT_TRUE(form->save());
    EXPECT_EQ(readAll(path("doc.tex")), bytes);
}

TEST_F(EditFormTest, OpenNameAtCaretAgainstTheMainFilesDirectory)
{
    host.main = path("thesis.tex");
    writeFile(path("chapters/intro.tex"), "x");
    writeFile(path("fig.pdf"), "x");
    type(QStringLiteral("\\input{chapters/intro} \\includegraphics{fig.pdf} \\input{gone}"));
    form->setCaretPosition(10);
    form->openAtCaret();
    EXPECT_EQ(host.opened, QStringList{path("chapters/intro.tex")});
    form->setCaretPosition(42);
    form->openAtCaret();
    EXPECT_EQ(host.desktopOpened, QStringList{path("fig.pdf")});
    form->setCaretPosition(int(form->plainText().size()) - 2);
    form->openAtCaret();
    EXPECT_EQ(prompter.messages, QStringList{"error: " + EditorMessages::UnableToFindFile + path("gone.tex")});
}

TEST_F(EditFormTest, OpenTurnsTxxIntoTexWithLineSpecials)
{
    host.main = path("thesis.tex");
    host.options.lineSpecials = true;
    writeFile(path("a.tex"), "x");
    type(QStringLiteral("a.txx"));
    form->openAtCaret();
    EXPECT_EQ(host.opened, QStringList{path("a.tex")});
}

TEST_F(EditFormTest, ExecuteRunsTheCommandUnderTheCaretUpTo255Characters)
{
    type(QStringLiteral("% xdvi thesis ;"));
    form->setCaretPosition(4);
    form->executeAtCaret();
    EXPECT_EQ(host.commands, QStringList{QStringLiteral("xdvi thesis")});

    form->editor()->clear();
    form->insert(QString(255, QLatin1Char('a')), QString());
    form->editor()->selectAll();
    form->executeAtCaret();
    EXPECT_EQ(host.commands.size(), 2);
    form->setCaretPosition(0);
    type(QStringLiteral("b"));
    form->editor()->selectAll();
    form->executeAtCaret();
    EXPECT_EQ(host.commands.size(), 2);
    EXPECT_EQ(prompter.messages, QStringList{"warning: " + EditorMessages::StringTooLong});
}

TEST_F(EditFormTest, ContextMenuStatesAndCommands)
{
    load("word");
    QMenu *menu = form->contextMenu();
    for (const char *name : {"Cut1", "Copy1", "Paste1", "Emphasis1", "Bold1", "Open1", "Execute1", "UpdateSelection1"})
        ASSERT_NE(menu->findChild<QAction *>(QLatin1String(name)), nullptr) << name;
    select(0, 4);
    menu->findChild<QAction *>("Bold1")->trigger();
    EXPECT_EQ(form->plainText(), QStringLiteral("\\textbf{word}"));
    select(8, 12);
    menu->findChild<QAction *>("Emphasis1")->trigger();
    EXPECT_EQ(form->plainText(), QStringLiteral("\\textbf{\\emph{word}}"));
}

// What the user types is coloured as the same text is when it is loaded.
TEST_F(EditFormTest, TypedDocumentLooksLikeTheLoadedOne)
{
    const QStringList lines{
        QStringLiteral("\\documentclass[12pt]{article}"),
        QStringLiteral("% preamble ends here"),
        QStringLiteral("\\begin{document}"),
        QStringLiteral("\\section{Intro} Some text with $x^2$ and (round) [square] brackets."),
        QStringLiteral("\\emph{word} costs 50 euros, see \\cite{knuth84}."),
        QString(),
        QStringLiteral("Have you ever wondered why you are % aside {x}"),
        QStringLiteral("\\end{document}"),
    };
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            typeEnter();
        type(lines.at(i));
    }
    const std::string typed = classes();
    TEditForm loaded(&host);
    writeFile(path("same.tex"), lines.join(QLatin1Char('\n')).toUtf8());
    ASSERT_TRUE(loaded.loadFromFile(path("same.tex")));
    ASSERT_EQ(loaded.plainText(), form->plainText());
    const QString text = form->plainText();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            continue;
        EXPECT_EQ(classLetter(loaded.classAt(i)), typed[size_t(i)]) << "at " << i;
    }
}

TEST_F(EditFormTest, WordWrapFollowsTheFrame)
{
    host.options.wordWrap = true;
    form->applyWordWrap();
    EXPECT_EQ(form->editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(form->editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    host.options.wordWrap = false;
    form->applyWordWrap();
    EXPECT_EQ(form->editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

} // namespace

namespace {

TEST_F(EditFormTest, FirstStartSystemFontIsTheFixedWidthFont)
{
    // "System" is the face a first start gives every class.
    host.fonts = VellumixSettings::defaultFonts();
    form->refreshAppearance();
    EXPECT_EQ(form->editor()->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_TRUE(QFontInfo(form->editor()->font()).fixedPitch());
}

} // namespace
