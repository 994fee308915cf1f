// The tool commands in a window: shortcuts, the main-document command, the wait
// state during a waited run and the log pane after LaTeX.
#include "tools/ctoolcommands.h"

#include "fakechooser.h"
#include "platform/profile.h"
#include "testsettings.h"
#include "testsupport.h"
#include "tools/clogbar.h"
#include "tools/cmaintexdialog.h"
#include "tools/toolrunner.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

class ToolCommandsTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        settings = makeToolSettings(path(), QStringLiteral("xdvi"), QStringLiteral("gv"));
        frame = std::make_unique<QMainWindow>();
        logBar = new CLogBar(frame.get());
        frame->addDockWidget(Qt::BottomDockWidgetArea, logBar);
        FrameHooks hooks;
        hooks.hasOpenDocuments = [this] { return !docPath.isEmpty(); };
        hooks.activeDocument = [this]() -> std::optional<ActiveDocument> {
            if (docPath.isEmpty())
                return std::nullopt;
            return ActiveDocument{QFileInfo(docPath).fileName(), docPath};
        };
        hooks.saveModifiedDocuments = [] { return false; };
        hooks.showMessage = [this](const QString &text) { messages << text; };
        auto fake = std::make_unique<FakeChooser>();
        chooser = fake.get();
        commands = new CToolCommands(frame.get(), *settings, logBar, hooks, std::move(fake));
        commands->installStatusPane(frame->statusBar());
        commands->runner().setNeedsTexRun(false);
        frame->resize(700, 500);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QDir().mkpath(path("doc"));
    }
    void TearDown() override
    {
        frame.reset();
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }

    std::unique_ptr<CShellSettings> settings;
    std::unique_ptr<QMainWindow> frame;
    CLogBar *logBar = nullptr;
    CToolCommands *commands = nullptr;
    FakeChooser *chooser = nullptr;
    QString docPath;
    QStringList messages;
    QString m_oldCwd;
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
    EXPECT_EQ(commands->statusPane()->text(), QStringLiteral("Haupt-TeX-Dokument :  aktuelles"));
}

TEST_F(ToolCommandsTest, ShortcutWorksWithoutDocument)
{
    QTest::keyClick(frame.get(), Qt::Key_F5);
    EXPECT_EQ(messages, QStringList{QString::fromUtf8("Es existiert kein aktuelles TeX-Dokument!\nBitte laden Sie eine Datei!")});
}

TEST_F(ToolCommandsTest, MainDocumentCommandByBrowsing)
{
    testsupport::writeFile(path("doc/thesis.tex"), "x");
    chooser->answer = path("doc/thesis.tex");
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<CMainTexDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("BrowseBtn"), Qt::LeftButton);
        EXPECT_EQ(dialog->findChild<QLineEdit *>("MainTexEdit")->text(), QStringLiteral("thesis.tex"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    commands->mainDocumentAction()->trigger();
    EXPECT_EQ(chooser->titles, QStringList{"Haupt-TeX-Dokument"});
    EXPECT_EQ(settings->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(settings->mainPath(), path("doc"));
    EXPECT_EQ(commands->statusPane()->text(), QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));
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
    EXPECT_EQ(commands->statusPane()->text(), QStringLiteral("Haupt-TeX-Dokument :  aktuelles"));
}

TEST_F(ToolCommandsTest, WaitedRunShowsWaitCursorStatusAndTakesNoInput)
{
    // LaTeX is the helper here: it records its runs and takes a moment.
    const QString latex = path("slowlatex");
    QFile::link(testsupport::helperPath(), latex);
    testsupport::writeFile(latex + ".behave", "record=" + path("runs.rec").toUtf8() + "\nsleep=300\nstdin=1\n");
    settings->tex.exe = latex;
    docPath = path("doc/a.tex");
    testsupport::writeFile(docPath, "x");

    bool sawWaitCursor = false;
    QString status;
    QTimer::singleShot(0, [&] {
        sawWaitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        status = frame->statusBar()->currentMessage();
        QTest::keyClick(frame.get(), Qt::Key_F5); // swallowed: no second run
    });
    commands->runLatexAction()->trigger();
    EXPECT_TRUE(sawWaitCursor);
    EXPECT_EQ(status, QString::fromUtf8("LaTeX wird ausgeführt..."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const QList<QByteArray> runs = testsupport::readAll(path("runs.rec")).split('\n');
    ASSERT_EQ(runs.size(), 2); // one line and the final empty piece
    EXPECT_EQ(runs[0], (path("doc") + "\ta.tex\tstdin:empty").toUtf8());
    EXPECT_EQ(logBar->text(), QStringLiteral("Log-Datei konnte nicht geladen werden !"));
}

TEST_F(ToolCommandsTest, LatexFillsLogPane)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    docPath = path("doc/a.tex");
    testsupport::writeFile(docPath, "\\documentclass{article}\\begin{document}Hi\\end{document}\n");
    QTest::keyClick(frame.get(), Qt::Key_F5);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_TRUE(logBar->text().startsWith("This is")) << logBar->text().left(80).toStdString();
    EXPECT_EQ(logBar->edit()->textCursor().position(), 0);
}

} // namespace
