// The frame as the user sees it: editors, saving, the close question, settings at exit,
// restore at start-up, arguments and the hand-over from a later start.
#include "vellumixfixture.h"

#include "app/editorarea.h"
#include "app/handover.h"
#include "app/tframeform.h"
#include "app/tspeedbar.h"
#include "app/twindowbar.h"
#include "editor/teditform.h"
#include "platform/localchannel.h"
#include "platform/profile.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QAbstractButton>
#include <QToolButton>
#include <QUuid>
#include <memory>

namespace {

using testsupport::readAll;
using testsupport::writeFile;
using Answer = Prompter::Answer;

using FrameTest = VellumixTest;

TEST_F(FrameTest, NewEditorsAreNumberedAndShowTheEditorMenus)
{
    EXPECT_FALSE(menu(QStringLiteral("Edit1"))->menuAction()->isVisible());
    EXPECT_FALSE(action(QStringLiteral("Save1"))->isEnabled());
    trigger("New1");
    trigger("New1");
    ASSERT_EQ(frame().editors().size(), 2);
    EXPECT_EQ(frame().editors()[0]->windowTitle(), QStringLiteral("Unnamed1"));
    EXPECT_EQ(frame().editors()[1]->windowTitle(), QStringLiteral("Unnamed2"));
    EXPECT_TRUE(menu(QStringLiteral("Edit1"))->menuAction()->isVisible());
    EXPECT_TRUE(menu(QStringLiteral("Window1"))->menuAction()->isVisible());
    EXPECT_TRUE(action(QStringLiteral("Save1"))->isEnabled());
    EXPECT_TRUE(action(QStringLiteral("SaveAs1"))->isEnabled());
    EXPECT_EQ(frame().windowBar()->buttonCount(), 2);
    EXPECT_EQ(frame().windowBar()->buttonFor(frame().editors()[1])->text(), QStringLiteral("Unnamed2"));
}

TEST_F(FrameTest, SaveOfAnUnnamedEditorAsksForANameAndAddsTex)
{
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    ASSERT_NE(e, nullptr);
    e->editor()->setFocus();
    QTest::keyClicks(e->editor(), QStringLiteral("hello"));
    EXPECT_TRUE(e->isModified());
    EXPECT_TRUE(frame().windowBar()->buttonFor(e)->font().bold());
    prompter.files << path("paper");
    trigger("Save1");
    EXPECT_EQ(readAll(path("paper.tex")), QByteArray("hello"));
    EXPECT_EQ(e->fileName(), path("paper.tex"));
    EXPECT_EQ(e->windowTitle(), QStringLiteral("paper.tex"));
    EXPECT_FALSE(e->isModified());
    EXPECT_FALSE(frame().windowBar()->buttonFor(e)->font().bold());
    EXPECT_EQ(frame().windowBar()->buttonFor(e)->toolTip(), path("paper.tex"));
    EXPECT_EQ(frame().recentFiles().entries().value(0), path("paper.tex"));
}

TEST_F(FrameTest, CancelInTheCloseQuestionKeepsEverythingAndWritesNothing)
{
    trigger("New1");
    QTest::keyClicks(frame().activeEditor()->editor(), QStringLiteral("text"));
    prompter.answers << Answer::Cancel;
    EXPECT_FALSE(closeFrame());
    EXPECT_EQ(prompter.asked.value(0), QStringLiteral("Save changes to \"Unnamed1\"?"));
    EXPECT_EQ(frame().editors().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(ini()));

    prompter.answers << Answer::No;
    EXPECT_TRUE(closeFrame());
    EXPECT_TRUE(QFileInfo::exists(ini()));
    // An unnamed editor is not remembered.
    EXPECT_FALSE(Profile(ini()).hasKey(QStringLiteral("ChildWindows"), QStringLiteral("name0")));
    EXPECT_EQ(Profile(ini()).getInt(QStringLiteral("General"), QStringLiteral("version"), 0), 61);
}

TEST_F(FrameTest, YesInTheCloseQuestionSavesBeforeTheExit)
{
    writeFile(path("a.tex"), "old");
    TEditForm *e = frame().openFile(path("a.tex"));
    ASSERT_NE(e, nullptr);
    e->editor()->selectAll();
    QTest::keyClicks(e->editor(), QStringLiteral("new"));
    prompter.answers << Answer::Yes;
    EXPECT_TRUE(closeFrame());
    EXPECT_EQ(readAll(path("a.tex")), QByteArray("new"));
}

TEST_F(FrameTest, ClosingOneEditorAsksAndCancelKeepsIt)
{
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    QTest::keyClicks(e->editor(), QStringLiteral("x"));
    prompter.answers << Answer::Cancel;
    EXPECT_FALSE(frame().editorArea()->subWindowOf(e)->close());
    EXPECT_EQ(frame().editors().size(), 1);
    prompter.answers << Answer::No;
    EXPECT_TRUE(frame().editorArea()->subWindowOf(e)->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame().editors().isEmpty());
    EXPECT_EQ(frame().windowBar()->buttonCount(), 0);
    EXPECT_FALSE(menu(QStringLiteral("Edit1"))->menuAction()->isVisible());
    EXPECT_FALSE(action(QStringLiteral("Save1"))->isEnabled());
}

TEST_F(FrameTest, CloseAllStopsAtACancel)
{
    trigger("New1");
    trigger("New1");
    trigger("New1");
    QTest::keyClicks(frame().editors()[1]->editor(), QStringLiteral("x"));
    frame().activateEditor(frame().editors()[1]);
    prompter.answers << Answer::Cancel;
    trigger("CloseAll1");
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(frame().editors().size(), 3);
    prompter.answers << Answer::No;
    trigger("CloseAll1");
    EXPECT_TRUE(frame().editors().isEmpty());
}

TEST_F(FrameTest, EditorsAreRememberedAndRestoredInReverseOrder)
{
    writeFile(path("one.tex"), "first line\nsecond line\n");
    writeFile(path("two.tex"), "two\n");
    ASSERT_NE(frame().openFile(path("one.tex")), nullptr);
    TEditForm *two = frame().openFile(path("two.tex"));
    ASSERT_NE(two, nullptr);
    two->setCaretPosition(2);
    trigger("New1");  // unnamed: not remembered
    frame().activateEditor(two);
    frame().setMainFile(path("one.tex"));
    prompter.answers << Answer::No;
    ASSERT_TRUE(closeFrame());

    const Profile p(ini());
    EXPECT_EQ(p.getString(QStringLiteral("ChildWindows"), QStringLiteral("name0")), path("two.tex"));
    EXPECT_EQ(p.getString(QStringLiteral("ChildWindows"), QStringLiteral("name1")), path("one.tex"));
    EXPECT_FALSE(p.hasKey(QStringLiteral("ChildWindows"), QStringLiteral("name2")));
    EXPECT_EQ(p.getInt(QStringLiteral("ChildWindows"), QStringLiteral("pos0"), -1), 2);
    EXPECT_EQ(p.getString(QStringLiteral("MainFile"), QStringLiteral("Name")), path("one.tex"));

    QDir::setCurrent(QDir::rootPath());
    restart();
    const QList<TEditForm *> eds = frame().editors();
    ASSERT_EQ(eds.size(), 2);
    // Number 1 is created first, number 0 last (and active).
    EXPECT_EQ(eds[0]->fileName(), path("one.tex"));
    EXPECT_EQ(eds[1]->fileName(), path("two.tex"));
    EXPECT_EQ(frame().activeEditor(), eds[1]);
    EXPECT_EQ(eds[1]->caretPosition(), 2);
    EXPECT_FALSE(eds[1]->isModified());
    EXPECT_EQ(frame().mainFile(), path("one.tex"));
    EXPECT_EQ(frame().mainFilePanel()->text(), QStringLiteral("Main file: ") + path("one.tex"));
    EXPECT_EQ(QDir::currentPath(), path());
}

TEST_F(FrameTest, MissingRememberedFilesAndMainFileAreDropped)
{
    writeFile(ini(), "[ChildWindows]\r\nstate0=0\r\ntop0=0\r\nleft0=0\r\nheight0=100\r\nwidth0=100\r\npos0=99999\r\n"
                     "name0=/nowhere/gone.tex\r\n[MainFile]\r\nName=/nowhere/main.tex\r\n");
    frame().restoreAtStartUp();
    EXPECT_TRUE(frame().editors().isEmpty());
    EXPECT_FALSE(frame().hasMainFile());
    EXPECT_EQ(frame().mainFilePanel()->text(), QStringLiteral("Main file: "));
}

TEST_F(FrameTest, MaximisedEditorIsRememberedAndRestored)
{
    writeFile(path("m.tex"), "m");
    TEditForm *e = frame().openFile(path("m.tex"));
    frame().show();
    frame().editorArea()->subWindowOf(e)->showMaximized();
    ASSERT_TRUE(closeFrame());
    EXPECT_EQ(Profile(ini()).getInt(QStringLiteral("ChildState"), QStringLiteral("WasMaximized"), 0), 1);
    EXPECT_EQ(Profile(ini()).getInt(QStringLiteral("ChildWindows"), QStringLiteral("state0"), 0), 2);
    restart();
    ASSERT_EQ(frame().editors().size(), 1);
    EXPECT_TRUE(frame().editorArea()->subWindowOf(frame().editors()[0])->isMaximized());
}

TEST_F(FrameTest, LineArgumentSelectsThatLine)
{
    QByteArray text;
    for (int i = 1; i <= 20; ++i)
        text += "line " + QByteArray::number(i) + "\n";
    writeFile(path("doc.tex"), text);
    frame().handleArguments({QStringLiteral("/l=12"), path("doc.tex")});
    TEditForm *e = frame().activeEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->editor()->textCursor().selectedText(), QStringLiteral("line 12"));
    EXPECT_EQ(frame().caretPanel()->text(), QStringLiteral("12:8"));
}

TEST_F(FrameTest, MainSwitchAndTexFallbackAndConversionError)
{
    writeFile(path("thesis.tex"), "main");
    writeFile(path("other.tex"), "other");
    frame().handleArguments({QStringLiteral("/l=zwölf"), QStringLiteral("/m"), QStringLiteral("thesis"), QStringLiteral("other")});
    EXPECT_EQ(prompter.errors, QStringList({QStringLiteral("'zwölf' is not a valid integer value")}));
    ASSERT_EQ(frame().editors().size(), 2);
    EXPECT_EQ(frame().editors()[0]->fileName(), path("thesis.tex"));
    EXPECT_EQ(frame().mainFile(), path("thesis.tex"));
    EXPECT_EQ(frame().mainFilePanel()->text(), QStringLiteral("Main file ") + path("thesis.tex"));
}

TEST_F(FrameTest, ArgumentsExpandPlaceholders)
{
    writeFile(path("paper.tex"), "p");
    writeFile(path("paper.log"), "log");
    frame().setMainFile(path("paper.tex"));
    frame().handleArgument(QStringLiteral("%P%F.log"));
    ASSERT_NE(frame().activeEditor(), nullptr);
    EXPECT_EQ(frame().activeEditor()->fileName(), path("paper.log"));
}

TEST_F(FrameTest, OpenExistingBringsItForwardButALogIsReadAfresh)
{
    writeFile(path("a.tex"), "a");
    writeFile(path("a.log"), "log 1");
    TEditForm *a = frame().openFile(path("a.tex"));
    frame().openFile(path("a.log"));
    EXPECT_EQ(frame().openFile(path("a.tex")), a);
    EXPECT_EQ(frame().activeEditor(), a);
    EXPECT_EQ(frame().editors().size(), 2);
    writeFile(path("a.log"), "log 2");
    TEditForm *log = frame().openFile(path("a.log"));
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->editor()->toPlainText(), QStringLiteral("log 2"));
    EXPECT_EQ(frame().editors().size(), 2);
    EXPECT_EQ(frame().openFile(path("missing.tex")), nullptr);
}

TEST_F(FrameTest, OpenDialogFormatDosReadsTheOemCodePage)
{
    writeFile(path("dos.tex"), QByteArray("Gr\x81\xe1" "e\r\n"));
    prompter.files << path("dos.tex");
    prompter.filterIndexes << 2;
    trigger("Open1");
    EXPECT_EQ(prompter.dialogTitles.value(0), QStringLiteral("Open File"));
    TEditForm *e = frame().activeEditor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->editor()->toPlainText(), QStringLiteral("Grüße\n"));
    EXPECT_TRUE(e->isModified());
}

TEST_F(FrameTest, DosOemWindowComesBackInItsFormatUntilItIsSaved)
{
    const QByteArray oem("Gr\x81\xe1" "e\r\n");
    writeFile(path("dos.tex"), oem);
    writeFile(path("plain.tex"), "plain\n");
    ASSERT_NE(frame().openFile(path("plain.tex")), nullptr);
    ASSERT_NE(frame().openFile(path("dos.tex"), OpenFormat::DosOem), nullptr);
    prompter.answers << Answer::No;  // the converted document is not saved
    ASSERT_TRUE(closeFrame());
    EXPECT_EQ(readAll(path("dos.tex")), oem);
    // The window record keeps its seven keys; the format lives beside it.
    const Profile p(ini());
    EXPECT_EQ(p.getInt(QStringLiteral("ChildFormats"), QStringLiteral("format0"), 0), 2);
    EXPECT_FALSE(p.hasKey(QStringLiteral("ChildFormats"), QStringLiteral("format1")));
    EXPECT_EQ(p.sectionLines(QStringLiteral("ChildWindows")).size(), 14);

    restart();
    ASSERT_EQ(frame().editors().size(), 2);
    TEditForm *dos = frame().activeEditor();
    ASSERT_EQ(dos->fileName(), path("dos.tex"));
    EXPECT_EQ(dos->editor()->toPlainText(), QStringLiteral("Grüße\n"));
    EXPECT_TRUE(dos->isModified());
    EXPECT_EQ(frame().editors().constFirst()->editor()->toPlainText(), QStringLiteral("plain\n"));

    // Saved, it is UTF-8 on disk and is read as such next time.
    prompter.answers << Answer::Yes;
    ASSERT_TRUE(closeFrame());
    EXPECT_EQ(readAll(path("dos.tex")), QByteArray("Gr\xc3\xbc\xc3\x9f" "e\r\n"));
    EXPECT_FALSE(Profile(ini()).hasKey(QStringLiteral("ChildFormats"), QStringLiteral("format0")));
    restart();
    ASSERT_EQ(frame().activeEditor()->fileName(), path("dos.tex"));
    EXPECT_EQ(frame().activeEditor()->editor()->toPlainText(), QStringLiteral("Grüße\n"));
    EXPECT_FALSE(frame().activeEditor()->isModified());
}

TEST_F(FrameTest, NewAndOpenedWindowsGetAUsefulSize)
{
    frame().resize(1000, 800);
    frame().show();
    QApplication::processEvents();
    const QSize room = frame().editorArea()->viewport()->size();
    writeFile(path("a.tex"), "a");
    TEditForm *only = frame().openFile(path("a.tex"));
    ASSERT_NE(only, nullptr);
    // The only window fills the area.
    EXPECT_EQ(frame().editorArea()->subWindowOf(only)->size(), room);
    trigger("New1");
    const QSize second = frame().editorArea()->subWindowOf(frame().activeEditor())->size();
    EXPECT_EQ(second, room * 3 / 4);
}

TEST_F(FrameTest, RecentMenuWarnsAboutAMissingFile)
{
    writeFile(path("r.tex"), "r");
    frame().openFile(path("r.tex"));
    prompter.answers << Answer::No;
    frame().editorArea()->subWindowOf(frame().activeEditor())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QAction *item = action(QStringLiteral("Recent_0"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&0 ") + path("r.tex"));
    QFile::remove(path("r.tex"));
    prompter.answers = {Answer::Retry, Answer::Cancel};
    item->trigger();
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked.last(), QStringLiteral("Recent File\r\n\r\n") + path("r.tex") + QStringLiteral("\r\n\r\nnot found!"));
    EXPECT_TRUE(frame().editors().isEmpty());
}

TEST_F(FrameTest, InsertWrapsTheSelectionOfTheActiveEditor)
{
    frame().insert(QStringLiteral("\\emph{"), QStringLiteral("}"));  // no editor: nothing happens
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    QTest::keyClicks(e->editor(), QStringLiteral("a word b"));
    QTextCursor c = e->editor()->textCursor();
    c.setPosition(2);
    c.setPosition(6, QTextCursor::KeepAnchor);
    e->editor()->setTextCursor(c);
    frame().insert(QStringLiteral("\\emph{"), QStringLiteral("}"));
    EXPECT_EQ(e->editor()->toPlainText(), QStringLiteral("a \\emph{word} b"));
    EXPECT_EQ(e->editor()->textCursor().selectedText(), QStringLiteral("word"));
}

TEST_F(FrameTest, OptionTogglesChangeFlagsAndEditors)
{
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    EXPECT_EQ(e->editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    bool coloring = true;
    QObject::connect(&frame(), &TFrameForm::syntaxColoringChanged, [&](bool on) { coloring = on; });
    trigger("WordWrap1");
    trigger("SyntaxHighlighting1");
    trigger("LineSpecials1");
    trigger("CreateBackups1");
    EXPECT_EQ(e->editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_TRUE(frame().wordWrap());
    EXPECT_FALSE(frame().syntaxColoring());
    EXPECT_FALSE(coloring);
    EXPECT_TRUE(frame().lineSpecials());
    EXPECT_FALSE(frame().createBackup());
    emit menu(QStringLiteral("Options1"))->aboutToShow();
    EXPECT_TRUE(action(QStringLiteral("WordWrap1"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("SyntaxHighlighting1"))->isChecked());
    trigger("StatusBar1");
    EXPECT_FALSE(frame().settings().statusBar);
    ASSERT_TRUE(closeFrame());
    VellumixSettings s;
    s.read(Profile(ini()));
    EXPECT_TRUE(s.wordWrap);
    EXPECT_FALSE(s.syntaxColoring);
    EXPECT_FALSE(s.statusBar);
}

TEST_F(FrameTest, SpeedBarOfOldSettingsHasTheFourButtonsThenTheEntries)
{
    writeFile(ini(), "[General]\r\nversion=40\r\n[Buttons]\r\nNew=<new>$New file$\r\nGreek=<greekbox>$Greek$\r\n");
    ASSERT_EQ(frame().speedBar()->buttons().size(), 6);
    EXPECT_EQ(frame().speedBar()->button(0)->toolTip(), QStringLiteral("Save active document"));
    EXPECT_TRUE(frame().speedBar()->button(1)->isEnabled());
    frame().speedBar()->button(4)->click();
    EXPECT_EQ(frame().editors().size(), 1);
    // A command word of a toolbox shows that toolbox.
    ASSERT_TRUE(frame().speedBar()->button(5)->isEnabled());
    frame().speedBar()->button(5)->click();
    EXPECT_TRUE(frame().findChild<QWidget *>(QStringLiteral("GreekDialog"))->isVisible());
    const int width = frame().speedBar()->button(0)->width();
    EXPECT_EQ(frame().speedBar()->button(4)->width(), width);
    EXPECT_EQ(frame().speedBar()->button(1)->x(), 2 + width + 2);
}

TEST_F(FrameTest, EditMenuFollowsTheSelection)
{
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    QTest::keyClicks(e->editor(), QStringLiteral("abc"));
    emit menu(QStringLiteral("Edit1"))->aboutToShow();
    EXPECT_FALSE(action(QStringLiteral("Copy1"))->isEnabled());
    EXPECT_TRUE(action(QStringLiteral("Undo1"))->isEnabled());
    e->editor()->selectAll();
    emit menu(QStringLiteral("Edit1"))->aboutToShow();
    EXPECT_TRUE(action(QStringLiteral("Copy1"))->isEnabled());
    EXPECT_TRUE(action(QStringLiteral("Cut1"))->isEnabled());
}

TEST_F(FrameTest, DroppedFilesAreOpenedAndMissingOnesSkipped)
{
    writeFile(path("d1.tex"), "1");
    writeFile(path("d2.tex"), "2");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path("d1.tex")), QUrl::fromLocalFile(path("gone.tex")),
                  QUrl::fromLocalFile(path("d2.tex"))});
    // The drop goes to the widget that accepted the drag.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame(), &drop);
    ASSERT_EQ(frame().editors().size(), 2);
    EXPECT_EQ(frame().editors()[1]->fileName(), path("d2.tex"));
}

TEST_F(FrameTest, WindowBarMenuSetsTheMainFile)
{
    writeFile(path("w.tex"), "w");
    TEditForm *e = frame().openFile(path("w.tex"));
    emit frame().windowBar()->setMainFileRequested(e);
    EXPECT_EQ(frame().mainFile(), path("w.tex"));
    EXPECT_EQ(frame().mainFilePanel()->text(), QStringLiteral("Main file: ") + path("w.tex"));
}

TEST_F(FrameTest, UncreatableUserFileIsReportedAndNothingIsWritten)
{
    writeFile(path("blocker"), "x");
    writeFile(ini(), "[Network]\r\nnetwork=1\r\nuserIni=%HOME%/blocker/Vellumix.ini\r\n");
    const QByteArray before = readAll(ini());
    frame();
    EXPECT_EQ(prompter.errors, QStringList({QStringLiteral("Could not create user ini file!")}));
    EXPECT_TRUE(frame().settingsUnavailable());
    ASSERT_TRUE(closeFrame());
    EXPECT_EQ(readAll(ini()), before);
}

TEST_F(FrameTest, PerUserFileReceivesTheSettingsAndIsReadNextTime)
{
    writeFile(ini(), "[Network]\r\nnetwork=1\r\nuserIni=%HOME%/.config/Vellumix/Vellumix.ini\r\n");
    const QByteArray before = readAll(ini());
    trigger("WordWrap1");
    ASSERT_TRUE(closeFrame());
    EXPECT_EQ(readAll(ini()), before);
    const QString user = path(".config/Vellumix/Vellumix.ini");
    EXPECT_EQ(Profile(user).getInt(QStringLiteral("View"), QStringLiteral("wordWrap"), 0), 1);
    // The four old buttons became entries of the new file.
    EXPECT_EQ(Profile(user).sectionKeys(QStringLiteral("Buttons")).size(), 4);
    m_frame.reset();
    EXPECT_EQ(frame().settingsLocation().inUse, user);
    EXPECT_TRUE(frame().wordWrap());
    EXPECT_EQ(frame().speedBar()->buttons().size(), 4);
}

TEST_F(FrameTest, ShippedSettingsGiveTheDefaultButtonsOnceAndRemovedOnesStayRemoved)
{
    // The program directory's file as the build puts it there.
    writeFile(ini(), readAll(QStringLiteral(VELLUMIX_SHIPPED_INI)));
    const QStringList defaults = {"Save", "TeX", "Log", "Preview"};
    QStringList captions;
    for (const SpeedButton &b : frame().speedBar()->buttons())
        captions << b.caption;
    EXPECT_EQ(captions, defaults);
    ASSERT_TRUE(closeFrame());
    const QString user = path(".config/Vellumix/Vellumix.ini");
    EXPECT_EQ(Profile(user).getInt(QStringLiteral("General"), QStringLiteral("version"), 0), SettingsVersionWritten);
    EXPECT_EQ(Profile(user).sectionKeys(QStringLiteral("Buttons")), defaults);

    // The user removes a default button; it does not come back at the next exits.
    Profile(user).deleteKey(QStringLiteral("Buttons"), QStringLiteral("Save"));
    for (int run = 0; run < 2; ++run) {
        m_frame.reset();
        EXPECT_EQ(frame().settingsLocation().inUse, user);
        EXPECT_EQ(frame().speedBar()->buttons().size(), 3);
        ASSERT_TRUE(closeFrame());
        EXPECT_EQ(Profile(user).sectionKeys(QStringLiteral("Buttons")), QStringList({"TeX", "Log", "Preview"}));
    }
}

TEST_F(FrameTest, HandOverFromAnotherStartOpensTheFilesInOrder)
{
    writeFile(path("h1.tex"), "1\n2\n3\n");
    writeFile(path("h2.tex"), "2");
    const QString service = QStringLiteral("VellumixTest-") + QUuid::createUuid().toString(QUuid::Id128);
    LocalChannelServer server(service);
    ASSERT_TRUE(server.listen());
    QObject::connect(&server, &LocalChannelServer::messagesReceived, &frame(), &TFrameForm::receiveHandOver);
    // A second server of the same service does not start: the first instance is alive.
    LocalChannelServer second(service);
    EXPECT_FALSE(second.listen());
    frame().showMinimized();
    ASSERT_TRUE(LocalChannelClient::send(service, HandOver::encode({QStringLiteral("/l=2"), path("h1.tex"), path("h2.tex")})));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame().editors().size() == 2; }, 20000));
    EXPECT_EQ(frame().editors()[0]->fileName(), path("h1.tex"));
    EXPECT_EQ(frame().editors()[0]->editor()->textCursor().selectedText(), QStringLiteral("2"));
    EXPECT_FALSE(frame().isMinimized());

    // Garbage on the channel changes nothing.
    ASSERT_TRUE(LocalChannelClient::send(service, {QByteArray("not a hand-over"), QByteArray(100000, '\0')}));
    ASSERT_TRUE(LocalChannelClient::send(service, HandOver::encode({QString(300, QLatin1Char('x'))})));
    QTest::qWait(200);
    EXPECT_EQ(frame().editors().size(), 2);
}

TEST_F(FrameTest, WindowBarButtonsFollowTheActiveEditor)
{
    trigger("New1");
    trigger("New1");
    TEditForm *first = frame().editors()[0];
    TEditForm *second = frame().editors()[1];
    QToolButton *b1 = frame().windowBar()->buttonFor(first);
    QToolButton *b2 = frame().windowBar()->buttonFor(second);
    EXPECT_TRUE(b2->isChecked());
    EXPECT_FALSE(b1->isChecked());
    EXPECT_EQ(b1->x(), 2);
    EXPECT_EQ(b2->x(), b1->x() + b1->width() + 2);
    b1->click();
    EXPECT_EQ(frame().activeEditor(), first);
    EXPECT_TRUE(b1->isChecked());
    EXPECT_FALSE(b2->isChecked());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Vellumix - [Unnamed1]"));
}

TEST_F(FrameTest, ExternalProgramsAndUserButtonsRunExpandedCommandLines)
{
    const QString helper = path("tools/helper");
    ASSERT_TRUE(makeRecordingHelper(helper, path("record.txt"), testsupport::helperPath()));
    writeFile(ini(), "[General]\r\nversion=61\r\n[External Programs]\r\nView DVI=" + helper.toUtf8()
                         + " %m.dvi\r\n[Buttons]\r\nBib=$Run BibTeX$" + helper.toUtf8() + " bib %F\r\n");
    frame().setMainFile(QStringLiteral("/doc/paper.tex"));
    QAction *item = action(QStringLiteral("ExternalProgram0"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("View DVI"));
    EXPECT_TRUE(action(QStringLiteral("ExternalProgramsSeparator"))->isVisible());
    item->trigger();
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({QDir::currentPath(), "/doc/paper.dvi"}));
    QFile::remove(path("record.txt"));
    ASSERT_EQ(frame().speedBar()->buttons().size(), 1);
    EXPECT_EQ(frame().speedBar()->button(0)->toolTip(), QStringLiteral("Run BibTeX"));
    frame().speedBar()->button(0)->click();
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({QDir::currentPath(), "bib", "paper"}));
    EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(FrameTest, MissingHelpFileIsReported)
{
    trigger("Vellumix1");
    ASSERT_EQ(prompter.errors.size(), 1);
    EXPECT_TRUE(prompter.errors[0].contains(QStringLiteral("Vellumix.hlp")));
}

TEST_F(FrameTest, MainFileCommandAsksForAFileWhileNoneIsSet)
{
    trigger("MainFile2");  // cancelled: nothing happens
    EXPECT_EQ(prompter.dialogTitles, QStringList({"Select Main File"}));
    EXPECT_FALSE(frame().hasMainFile());
    writeFile(path("sub/main.tex"), "m");
    prompter.files << path("sub/main.tex");
    trigger("MainFile2");
    EXPECT_EQ(frame().mainFile(), path("sub/main.tex"));
    ASSERT_NE(frame().activeEditor(), nullptr);
    EXPECT_EQ(frame().activeEditor()->fileName(), path("sub/main.tex"));
    EXPECT_EQ(QDir::currentPath(), path("sub"));
}

TEST_F(FrameTest, ShortcutsWorkWhileTheirMenusAreHidden)
{
    frame().show();
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    QTest::keyClick(&frame(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(frame().editors().size(), 1);
    TEditForm *e = frame().activeEditor();
    QTest::keyClicks(e->editor(), QStringLiteral("abc"));
    prompter.files << path("short.tex");
    QTest::keyClick(e->editor(), Qt::Key_F2);
    EXPECT_EQ(readAll(path("short.tex")), QByteArray("abc"));
    EXPECT_EQ(action(QStringLiteral("New1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(action(QStringLiteral("MainFile2"))->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(action(QStringLiteral("LaTeX1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
}

TEST_F(FrameTest, AboutBoxShowsTheVersion)
{
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QLabel *version = box->findChild<QLabel *>(QStringLiteral("Version"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), QStringLiteral("Version 0.61"));
        box->findChild<QAbstractButton *>(QStringLiteral("OKButton"))->click();
    });
    trigger("Info1");
}

} // namespace

namespace {

// The frame's Edit menu works on the whole text of a file that is still loading.
TEST_F(FrameTest, PasteIntoALoadingFileGoesIntoTheWholeText)
{
    QByteArray bytes;
    while (bytes.size() <= 2 * TextFiller::PieceChars)
        bytes += "a line of the big file\n";
    writeFile(path("big.tex"), bytes);
    TEditForm *e = frame().openFile(path("big.tex"));
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->isLoading());
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted "));
    trigger("Paste1");
    EXPECT_FALSE(e->isLoading());
    EXPECT_EQ(e->plainText().toUtf8(), "pasted " + bytes);
    EXPECT_TRUE(e->isModified());
}

} // namespace
