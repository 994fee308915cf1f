// The tool commands in a window: shortcuts, the main-document command, the wait
// state during a waited run and the log pane after LaTeX.
#include "tools/toolcommands.h"

#include "platform/profile.h"
#include "scribletfixture.h"
#include "tools/clogbar.h"
#include "tools/cmaintexdialog.h"
#include "resources/strings.h"
#include "tools/toolrunner.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

class ToolCommandsTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        settings = makeToolSettings(path(), QStringLiteral("xdvi"), QStringLiteral("gv"));
        frame = std::make_unique<QMainWindow>();
        logBar = new CLogBar(frame.get());
        frame->addDockWidget(Qt::BottomDockWidgetArea, logBar);
        commands = new ToolCommands(frame.get(), *settings, host, m_prompter, logBar);
        frame->resize(700, 500);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QDir().mkpath(path("doc"));
    }
    void TearDown() override
    {
        frame.reset();
        ScribletTest::TearDown();
    }

    std::unique_ptr<CShellSettings> settings;
    FakeToolHost host;
    std::unique_ptr<QMainWindow> frame;
    CLogBar *logBar = nullptr;
    ToolCommands *commands = nullptr;
};

TEST_F(ToolCommandsTest, ActionsCarryIdsShortcutsAndPrompts)
{
    struct Row { const char *name; int id; QKeySequence key; const char *tip; };
    const Row rows[] = {
        {"cmd33024", 33024, QKeySequence(Qt::Key_F5), "LaTeX"},
        {"cmd33025", 33025, QKeySequence(Qt::Key_F6), "BibTeX"},
        {"cmd33028", 33028, QKeySequence(Qt::Key_F7), "DVIWin"},
        {"cmd33029", 33029, QKeySequence(Qt::Key_F8), "DVIPS"},
        {"cmd33027", 33027, QKeySequence(Qt::Key_F9), "GhostView"},
        {"cmd33030", 33030, QKeySequence(Qt::Key_F4), "Hauptdokument"},
        {"cmd33026", 33026, QKeySequence(), "Programmaufrufe"},
        {"cmd33033", 33033, QKeySequence(Qt::CTRL | Qt::Key_F1), "Tool 1"},
        {"cmd33042", 33042, QKeySequence(Qt::CTRL | Qt::Key_F10), "Tool 10"},
        {"cmd33132", 33132, QKeySequence(Qt::Key_F12), "Nächster Fehler"},
        {"cmd33133", 33133, QKeySequence(Qt::SHIFT | Qt::Key_F12), "Vorheriger Fehler"},
    };
    for (const Row &row : rows) {
        auto *a = frame->findChild<QAction *>(QLatin1String(row.name));
        ASSERT_TRUE(a) << row.name;
        EXPECT_EQ(a->property("commandId").toInt(), row.id) << row.name;
        EXPECT_EQ(a->shortcut(), row.key) << row.name;
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(row.tip)) << row.name;
    }
    EXPECT_EQ(commands->userToolAction(0)->statusTip(), QString::fromUtf8("Tool 1 wird ausgeführt..."));
    EXPECT_EQ(commands->runLatexAction()->statusTip(), QString::fromUtf8("Ausführen von LaTeX."));
    EXPECT_EQ(commands->nextErrorAction()->text(), QString::fromUtf8("&Nächster Fehler"));
    EXPECT_EQ(commands->previousErrorAction()->text(), QString::fromUtf8("&Vorheriger Fehler"));
}

TEST_F(ToolCommandsTest, ShortcutWorksWithoutDocument)
{
    QTest::keyClick(frame.get(), Qt::Key_F5);
    EXPECT_EQ(m_prompter.messages, QStringList{QString::fromUtf8("Es existiert kein aktuelles TeX-Dokument!\nBitte laden Sie eine Datei!")});
}

TEST_F(ToolCommandsTest, MainDocumentCommandByBrowsing)
{
    testsupport::writeFile(path("doc/thesis.tex"), "x");
    m_prompter.openAnswer = path("doc/thesis.tex");
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<CMainTexDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("BrowseBtn"), Qt::LeftButton);
        EXPECT_EQ(dialog->findChild<QLineEdit *>("MainTexEdit")->text(), QStringLiteral("thesis.tex"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    commands->mainDocumentAction()->trigger();
    EXPECT_EQ(m_prompter.dialogTitles, QStringList{"Haupt-TeX-Dokument"});
    EXPECT_EQ(settings->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(settings->mainPath(), path("doc"));
    EXPECT_EQ(host.mainStatus, QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));
    EXPECT_EQ(Profile(path("Scriblet.ini")).getString("TeX Settings", "maintex"), QStringLiteral("thesis.tex"));
    EXPECT_TRUE(commands->runner().needsTexRun());

    // "Löschen" empties the line; cancel changes nothing, OK sets "the active document".
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<CMainTexDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("ClearBtn"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
    });
    commands->mainDocumentAction()->trigger();
    EXPECT_EQ(settings->mainTex(), QStringLiteral("thesis.tex"));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<CMainTexDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("ClearBtn"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    commands->mainDocumentAction()->trigger();
    EXPECT_TRUE(settings->mainTex().isEmpty());
}

TEST_F(ToolCommandsTest, WaitedRunShowsWaitCursorStatusAndTakesNoInput)
{
    // LaTeX is the helper here: it records its runs and takes a moment.
    const QString latex = path("slowlatex");
    QFile::link(testsupport::helperPath(), latex);
    testsupport::writeFile(latex + ".behave", "record=" + path("runs.rec").toUtf8() + "\nsleep=300\nstdin=1\n");
    settings->tex.exe = latex;
    host.open(path("doc/a.tex"), "x");

    auto *typing = new QLineEdit(frame.get());
    frame->setCentralWidget(typing);
    typing->setFocus();
    bool sawWaitCursor = false;
    QString status;
    QTimer::singleShot(0, [&] {
        sawWaitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        status = frame->statusBar()->currentMessage();
        QTest::keyClick(frame.get(), Qt::Key_F5); // swallowed: no second run
        QTest::keyClicks(typing, QStringLiteral("abc"));
        QTest::mouseClick(typing, Qt::LeftButton);
    });
    commands->runLatexAction()->trigger();
    EXPECT_TRUE(sawWaitCursor);
    EXPECT_EQ(status, QString::fromUtf8("LaTeX wird ausgeführt..."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(typing->text().isEmpty()) << typing->text().toStdString();
    QTest::keyClicks(typing, QStringLiteral("ok"));
    EXPECT_EQ(typing->text(), QStringLiteral("ok")); // input works again afterwards
    const QList<QByteArray> runs = testsupport::readAll(path("runs.rec")).split('\n');
    ASSERT_EQ(runs.size(), 2); // one line and the final empty piece
    EXPECT_EQ(runs[0], (path("doc") + "\ta.tex\tstdin:empty").toUtf8());
    EXPECT_EQ(logBar->text(), QStringLiteral("Log-Datei konnte nicht geladen werden !"));
}

TEST_F(ToolCommandsTest, LatexFillsLogPane)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    host.open(path("doc/a.tex"), "\\documentclass{article}\\begin{document}Hi\\end{document}\n");
    QTest::keyClick(frame.get(), Qt::Key_F5);
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(logBar->text().startsWith("This is")) << logBar->text().left(80).toStdString();
    EXPECT_EQ(logBar->edit()->textCursor().position(), 0);
}

TEST_F(ToolCommandsTest, EscapeCancelsTheRunTheStatusBarSaysSoAndTheOldLogIsNotShown)
{
    const QString latex = path("endless");
    QFile::link(testsupport::helperPath(), latex);
    testsupport::writeFile(latex + ".behave", "sleep=60000\n");
    settings->tex.exe = latex;
    host.open(path("doc/a.tex"), "x");
    testsupport::writeFile(path("doc/a.log"), "the log of the run before\n");
    QTimer::singleShot(300, [this] { QTest::keyClick(frame.get(), Qt::Key_Escape); });
    QElapsedTimer clock;
    clock.start();
    commands->runLatexAction()->trigger();
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_EQ(commands->runStatusPane()->text(), QStringLiteral("LaTeX wurde abgebrochen."));
    EXPECT_EQ(logBar->text(), Str::format(Str::LogNotNew, {QStringLiteral("LaTeX")}));
    EXPECT_TRUE(commands->runner().needsTexRun());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(ToolCommandsTest, NextAndPreviousErrorOpenEachErrorsFileAtItsLine)
{
    testsupport::writeFile(path("doc/main.log"),
                           "(./main.tex (./chap.tex\n"
                           "! Undefined control sequence.\nl.3 \\foo\n         \nHelp.\n\n"
                           "LaTeX Warning: Citation `x' on page 1 undefined on input line 5.\n\n"
                           ")\n! Missing $ inserted.\nl.8 a^\n        \nHelp.\n\n)\n");
    logBar->setLog(LogAnalysis::read(path("doc/main.log"), LogAnalysis::Format::Latex));
    commands->nextErrorAction()->trigger();
    commands->nextErrorAction()->trigger();
    commands->nextErrorAction()->trigger(); // round to the first again
    commands->previousErrorAction()->trigger();
    EXPECT_EQ(host.journal, QStringList({"open " + path("doc/chap.tex") + ":3", "open " + path("doc/main.tex") + ":8",
                                         "open " + path("doc/chap.tex") + ":3", "open " + path("doc/main.tex") + ":8"}));
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Fehler 2 von 2: Missing $ inserted."));
    EXPECT_EQ(logBar->currentEntry(), 2);

    // A double click on the warning opens its file too; Next goes on from there.
    host.journal.clear();
    emit logBar->entryActivated(1);
    commands->nextErrorAction()->trigger();
    EXPECT_EQ(host.journal, QStringList({"open " + path("doc/chap.tex") + ":5", "open " + path("doc/main.tex") + ":8"}));

    // F12 works from the keyboard, also while the log pane has the focus.
    host.journal.clear();
    logBar->edit()->setFocus();
    QTest::keyClick(logBar->edit(), Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(host.journal, QStringList({"open " + path("doc/chap.tex") + ":3"}));

    // A log without errors, an entry without a file.
    host.journal.clear();
    logBar->setText(QStringLiteral("nothing"));
    commands->nextErrorAction()->trigger();
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Das Log enthält keine Fehler."));
    testsupport::writeFile(path("doc/nofile.log"), "! Emergency stop.\n<*> x\n\n");
    logBar->setLog(LogAnalysis::read(path("doc/nofile.log"), LogAnalysis::Format::Latex));
    commands->nextErrorAction()->trigger();
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Das Log nennt zu diesem Eintrag keine Datei."));
    EXPECT_TRUE(host.journal.isEmpty());
}

} // namespace
