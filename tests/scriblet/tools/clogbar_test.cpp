// The log pane: text, caret, font, layout margins and its context menu; the tints
// of a log's entries, the double click on them and the search inside the log.
#include "tools/clogbar.h"

#include "testsupport.h"
#include "tools/logtextview.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace {

TEST(CLogBar, StartsEmptyReadOnlyWithArial10)
{
    CLogBar bar;
    EXPECT_EQ(bar.objectName(), QStringLiteral("LogBar"));
    EXPECT_EQ(bar.windowTitle(), QStringLiteral("Logbereich")); // "LogBar" is only its object name
    QPlainTextEdit *edit = bar.findChild<QPlainTextEdit *>(QStringLiteral("LogEdit858"));
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(edit->font().pointSize(), 10);
    EXPECT_FALSE(edit->accessibleName().isEmpty());
}

TEST(CLogBar, SetTextReplacesAllAndPutsCaretAtStart)
{
    CLogBar bar;
    bar.setText(QStringLiteral("old text"));
    QString log;
    for (int i = 0; i < 2000; ++i)
        log += QStringLiteral("line %1 <b>not bold</b>\n").arg(i);
    bar.setText(log);
    EXPECT_EQ(bar.text(), log);
    EXPECT_EQ(bar.edit()->textCursor().position(), 0);
    EXPECT_FALSE(bar.edit()->textCursor().hasSelection());
}

TEST(CLogBar, MarginsFollowPlacement)
{
    EXPECT_EQ(CLogBar::marginsFor(CLogBar::Placement::Floating), QMargins(5, 5, 5, 5));
    EXPECT_EQ(CLogBar::marginsFor(CLogBar::Placement::TopOrBottom), QMargins(17, 5, 8, 12));
    EXPECT_EQ(CLogBar::marginsFor(CLogBar::Placement::LeftOrRight), QMargins(5, 20, 12, 9));

    QMainWindow frame;
    auto *bar = new CLogBar(&frame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, bar);
    frame.resize(600, 400);
    frame.show();
    EXPECT_EQ(bar->placement(), CLogBar::Placement::TopOrBottom);
    EXPECT_EQ(bar->widget()->layout()->contentsMargins(), QMargins(17, 5, 8, 12));
    frame.addDockWidget(Qt::LeftDockWidgetArea, bar);
    EXPECT_EQ(bar->placement(), CLogBar::Placement::LeftOrRight);
    EXPECT_EQ(bar->widget()->layout()->contentsMargins(), QMargins(5, 20, 12, 9));
    bar->setFloating(true);
    EXPECT_EQ(bar->widget()->layout()->contentsMargins(), QMargins(5, 5, 5, 5));
}

TEST(CLogBar, ToggleAndContextMenu)
{
    QMainWindow frame;
    auto *bar = new CLogBar(&frame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, bar);
    frame.show();
    QAction *toggle = bar->toggleAction();
    EXPECT_EQ(toggle->objectName(), QStringLiteral("cmd32998"));
    EXPECT_EQ(toggle->property("commandId").toInt(), 32998);
    EXPECT_EQ(toggle->text(), QStringLiteral("&Logbereich"));
    EXPECT_EQ(toggle->toolTip(), QStringLiteral("Logbereich ein-/ausschalten"));
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked());

    bar->setText(QStringLiteral("kept"));
    toggle->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->text(), QStringLiteral("kept"));

    QAction project(QStringLiteral("&Projektbereich"));
    project.setObjectName(QStringLiteral("cmd33071"));
    bar->setProjectToggle(&project);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        EXPECT_EQ(menu->objectName(), QStringLiteral("Menu814"));
        for (QAction *a : menu->actions())
            seen << a->objectName();
        menu->close();
    });
    bar->showContextMenu(bar->mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(seen, QStringList({"cmd33071", "cmd32998"}));
}

// A pane in a window that also has the editor's Ctrl+F and F3, as the main window does.
class LogPaneTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        bar = new CLogBar(&frame);
        frame.addDockWidget(Qt::BottomDockWidgetArea, bar);
        for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3)}) {
            auto *a = new QAction(&frame);
            a->setShortcut(key);
            frame.addAction(a);
            QObject::connect(a, &QAction::triggered, [this] { ++editorShortcuts; });
        }
        frame.resize(700, 400);
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    }
    LogAnalysis load(const QByteArray &log)
    {
        testsupport::writeFile(path("main.log"), log);
        return LogAnalysis::read(path("main.log"), LogAnalysis::Format::Latex);
    }
    LogTextView *view() const { return static_cast<LogTextView *>(bar->edit()); }
    int caretLine() const { return bar->edit()->textCursor().blockNumber(); }
    QPoint pointOfLine(int line) const
    {
        const QTextBlock b = bar->edit()->document()->findBlockByNumber(line);
        bar->edit()->setTextCursor(QTextCursor(b));
        return bar->edit()->cursorRect().center();
    }

    QMainWindow frame;
    CLogBar *bar = nullptr;
    int editorShortcuts = 0;
};

QByteArray filler(int lines)
{
    QByteArray out;
    for (int i = 0; i < lines; ++i)
        out += "(/usr/share/texmf/some/file" + QByteArray::number(i) + ".sty)\n";
    return out;
}

TEST_F(LogPaneTest, EntriesAreTintedTheFirstErrorIsShownAndADoubleClickAsksForItsFile)
{
    const QByteArray log = "This is pdfTeX\n(./main.tex\n" + filler(60)
                           + "LaTeX Warning: Reference `x' on page 1 undefined on input line 4.\n\n"
                           + filler(60)
                           + "! Undefined control sequence.\nl.7 \\foo\n         \nHelp text.\n\n"
                           + "Overfull \\hbox (2.0pt too wide) in paragraph at lines 9--9\n[]\\OT1 x\n\n)\n";
    bar->setLog(load(log));
    ASSERT_EQ(bar->log().log().size(), 3);
    const int warning = bar->log().paneLine(0);
    const int error = bar->log().paneLine(1);
    const int box = bar->log().paneLine(2);
    EXPECT_EQ(view()->markAt(warning), LogTextView::Mark::Warning);
    EXPECT_EQ(view()->markAt(error), LogTextView::Mark::Error);
    EXPECT_EQ(view()->markAt(error + 3), LogTextView::Mark::Error); // its help too
    EXPECT_EQ(view()->markAt(box), LogTextView::Mark::BadBox);
    EXPECT_EQ(view()->markAt(2), LogTextView::Mark::None);
    // The caret stands on the first error, and the view shows it.
    EXPECT_EQ(caretLine(), error);
    EXPECT_GT(bar->edit()->verticalScrollBar()->value(), 0);

    QSignalSpy activated(bar, &CLogBar::entryActivated);
    QTest::mouseDClick(bar->edit()->viewport(), Qt::LeftButton, {}, pointOfLine(warning));
    ASSERT_EQ(activated.size(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 0);
    EXPECT_EQ(bar->currentEntry(), 0);
    QTest::mouseDClick(bar->edit()->viewport(), Qt::LeftButton, {}, pointOfLine(warning + 2));
    EXPECT_EQ(activated.size(), 1) << "a line of no entry opens nothing";

    bar->setCurrentEntry(2);
    EXPECT_EQ(caretLine(), box);
    EXPECT_TRUE(bar->edit()->textCursor().hasSelection());

    // A log without errors opens at its start; a plain text has no tints.
    bar->setLog(load("(./main.tex\nLaTeX Warning: x on input line 2.\n\n)\n"));
    EXPECT_EQ(bar->edit()->textCursor().position(), 0);
    bar->setText(QStringLiteral("Log-Datei konnte nicht geladen werden !"));
    EXPECT_EQ(view()->markAt(0), LogTextView::Mark::None);
    EXPECT_EQ(bar->currentEntry(), -1);
}

TEST_F(LogPaneTest, CtrlFSearchesTheLogWhileTheEditorKeysStayOut)
{
    bar->setText(QStringLiteral("first line\nneedle one\nmiddle\nNEEDLE two\nlast line\n"));
    bar->edit()->setFocus();
    QTest::keyClick(bar->edit(), Qt::Key_F, Qt::ControlModifier);
    QLineEdit *find = bar->findEdit();
    ASSERT_TRUE(find->isVisible());
    EXPECT_TRUE(find->hasFocus());
    QTest::keyClicks(find, QStringLiteral("needle"));
    EXPECT_EQ(caretLine(), 1);
    EXPECT_EQ(bar->edit()->textCursor().selectedText(), QStringLiteral("needle"));
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(caretLine(), 3); // case is ignored
    QTest::keyClick(find, Qt::Key_Return);
    EXPECT_EQ(caretLine(), 1); // round the end
    QTest::keyClick(find, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(caretLine(), 3);
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
    EXPECT_TRUE(bar->edit()->hasFocus());
    QTest::keyClick(bar->edit(), Qt::Key_F3); // F3 in the log searches on
    EXPECT_EQ(caretLine(), 1);
    EXPECT_EQ(editorShortcuts, 0);

    const int before = bar->edit()->textCursor().position();
    EXPECT_FALSE(bar->find(QStringLiteral("haystack")));
    EXPECT_EQ(bar->edit()->textCursor().position(), before);
}

TEST_F(LogPaneTest, CtrlHomeAndCtrlEndReachBothEnds)
{
    bar->setText(filler(300) + "the end");
    bar->edit()->setFocus();
    QTest::keyClick(bar->edit(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->edit()->textCursor().position(), bar->text().size());
    EXPECT_GT(bar->edit()->verticalScrollBar()->value(), 0);
    QTest::keyClick(bar->edit(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->edit()->textCursor().position(), 0);
    EXPECT_EQ(bar->edit()->verticalScrollBar()->value(), 0);
}

} // namespace
