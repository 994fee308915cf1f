// The tool commands and the log pane inside the real main frame, with the real
// TeX programs and the test helper as viewer.
#include "app/toolwiring.h"

#include "app/cmainframe.h"
#include "app/languagecommands.h"
#include "framefixture.h"
#include "resources/language.h"
#include "common/cshellsettings.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "testsupport.h"
#include "tools/clogbar.h"
#include "tools/cmaintexdialog.h"
#include "tools/toolcommands.h"
#include "tools/toolrunner.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QTextBlock>
#include <QTimer>

namespace {

const QByteArray Hello = "\\documentclass{article}\n\\begin{document}\nHello\n\\end{document}\n";

class ToolWiringTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        m_settings->dviViewerLookup = [this] { return viewer("dviviewer"); };
        m_settings->psViewerLookup = [this] { return viewer("psviewer"); };
        makeFrame();
        QDir().mkpath(path("doc"));
    }
    QString viewer(const QString &name)
    {
        const QString link = path(name);
        if (!QFileInfo::exists(link)) {
            QFile::link(testsupport::helperPath(), link);
            testsupport::writeFile(link + ".behave", "record=" + (link + ".rec").toUtf8() + "\n");
        }
        return link;
    }
    QStringList records(const QString &name, int count)
    {
        QDeadlineTimer deadline(30000);
        QStringList lines;
        while (!deadline.hasExpired()) {
            lines = QString::fromUtf8(testsupport::readAll(path(name + ".rec"))).split('\n', Qt::SkipEmptyParts);
            if (lines.size() >= count)
                break;
            QThread::msleep(20);
        }
        return lines;
    }
    CLogBar *logBar() const { return m_frame->logBar(); }
    bool haveTex() const
    {
        return testsupport::haveProgram("latex") && testsupport::haveProgram("dvips");
    }

};

TEST_F(ToolWiringTest, MenusKeysAndLogPaneAreInstalled)
{
    ASSERT_TRUE(logBar());
    EXPECT_EQ(m_frame->dockWidgetArea(logBar()), Qt::BottomDockWidgetArea);
    EXPECT_TRUE(logBar()->text().isEmpty());
    auto *run = m_frame->findChild<QMenu *>("menuRun");
    ASSERT_TRUE(run);
    QStringList runIds;
    for (QAction *a : run->actions())
        runIds << a->objectName();
    EXPECT_EQ(runIds, QStringList({"cmd33024", "cmd33025", "cmd33028", "cmd33029", "cmd33027"}));
    auto *settingsMenu = m_frame->menuBar()->findChild<QMenu *>("menuSettings");
    ASSERT_TRUE(settingsMenu);
    EXPECT_EQ(settingsMenu->title(), QStringLiteral("&Einstellungen"));
    EXPECT_TRUE(settingsMenu->actions().contains(cmd(33030)));
    EXPECT_TRUE(settingsMenu->actions().contains(cmd(33026)));
    for (int id = 33033; id <= 33042; ++id) {
        ASSERT_TRUE(cmd(id)) << id;
        EXPECT_TRUE(cmd(id)->isVisible() && cmd(id)->isEnabled()) << id;
    }
    EXPECT_EQ(cmd(33042)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F10));
    // The user tools under their names in "Benutzer-Programme".
    auto *userTools = m_frame->findChild<QMenu *>("menuUserTools");
    ASSERT_TRUE(userTools);
    EXPECT_EQ(userTools->title(), QStringLiteral("&Benutzer-Programme"));
    ASSERT_EQ(userTools->actions().size(), 10);
    EXPECT_EQ(userTools->actions().first(), cmd(33033));
    EXPECT_EQ(userTools->actions().first()->text(), QStringLiteral("Tool 1"));
    m_settings->userTools[0].name = QStringLiteral("Rechtschreibung");
    m_frame->toolCommands()->updateUserToolTexts();
    EXPECT_EQ(userTools->actions().first()->text(), QStringLiteral("Rechtschreibung"));
    EXPECT_TRUE(userTools->menuAction()->isVisible());
    EXPECT_TRUE(cmd(33024)->isVisible());
    EXPECT_FALSE(run->menuAction()->isVisible());
    testsupport::writeFile(path("doc/a.tex"), Hello);
    ASSERT_TRUE(docs().openDocument(path("doc/a.tex")));
    EXPECT_TRUE(run->menuAction()->isVisible());
}

TEST_F(ToolWiringTest, LatexOnOpenDocumentFillsLogPane)
{
    if (!haveTex())
        GTEST_SKIP() << "TeX Live is not installed";
    const QString doc = path("doc/a.tex");
    testsupport::writeFile(doc, Hello);
    ASSERT_TRUE(docs().openDocument(doc));
    EXPECT_TRUE(m_frame->needsTexRun());
    cmd(33024)->trigger();
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(path("doc/a.dvi")));
    const QByteArray log = testsupport::readAll(path("doc/a.log"));
    EXPECT_TRUE(logBar()->text().startsWith(QString::fromUtf8(log.left(log.indexOf('\n')))));
    EXPECT_FALSE(m_frame->needsTexRun());
    EXPECT_EQ(QDir::currentPath(), path("doc"));

    // The result of the run follows a language switch.
    auto *status = m_frame->findChild<QLabel *>("runStatusPane");
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("LaTeX beendet – Fehler: 0"))) << status->text().toStdString();
    ASSERT_TRUE(m_frame->languageCommands()->switchTo(Language::English));
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("LaTeX finished"))) << status->text().toStdString();
    EXPECT_EQ(status->toolTip(), status->text());
    ASSERT_TRUE(m_frame->languageCommands()->switchTo(Language::German));
    EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("LaTeX beendet – Fehler: 0")));
}

TEST_F(ToolWiringTest, LatexErrorEndsAndShowsError)
{
    if (!haveTex())
        GTEST_SKIP() << "TeX Live is not installed";
    const QString doc = path("doc/bad.tex");
    testsupport::writeFile(doc, "\\documentclass{article}\n\\begin{document}\n\\nosuchmacro\n\\end{document}\n");
    ASSERT_TRUE(docs().openDocument(doc));
    cmd(33024)->trigger();
    EXPECT_TRUE(logBar()->text().contains("Undefined control sequence"));
}

TEST_F(ToolWiringTest, PsViewerAfterEditThenAgain)
{
    if (!haveTex())
        GTEST_SKIP() << "TeX Live is not installed";
    const QString doc = path("doc/a.tex");
    testsupport::writeFile(doc, Hello);
    CShellView *view = docs().openDocument(doc);
    ASSERT_TRUE(view);
    view->moveCursor(QTextCursor::End);
    QTest::keyClick(view, Qt::Key_Percent); // an edit: a comment sign at the end
    cmd(33027)->trigger();
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(testsupport::readAll(doc).endsWith("%"));
    ASSERT_TRUE(QFileInfo::exists(path("doc/a.ps")));
    const QDateTime psTime = QFileInfo(path("doc/a.ps")).lastModified();
    const QDateTime dviTime = QFileInfo(path("doc/a.dvi")).lastModified();
    QStringList rec = records("psviewer", 1);
    ASSERT_EQ(rec.size(), 1);
    EXPECT_EQ(rec[0], path("doc") + "\ta.ps");

    cmd(33027)->trigger();
    EXPECT_EQ(records("psviewer", 2).size(), 2);
    EXPECT_EQ(QFileInfo(path("doc/a.ps")).lastModified(), psTime);
    EXPECT_EQ(QFileInfo(path("doc/a.dvi")).lastModified(), dviTime);
}

TEST_F(ToolWiringTest, MainDocumentCommandThenBibtexRunsLatexFirst)
{
    if (!haveTex() || !testsupport::haveProgram("bibtex"))
        GTEST_SKIP() << "TeX Live is not installed";
    testsupport::writeFile(path("doc/thesis.tex"),
                           "\\documentclass{article}\n\\begin{document}\nSee \\cite{k}.\n\\bibliographystyle{plain}\n"
                           "\\bibliography{refs}\n\\end{document}\n");
    testsupport::writeFile(path("doc/refs.bib"), "@book{k, author={A. Author}, title={Title}, publisher={P}, year={1999}}\n");
    m_prompter.openAnswers << path("doc/thesis.tex");
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<CMainTexDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>("BrowseBtn"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    m_frame->setNeedsTexRun(false);
    cmd(33030)->trigger();
    EXPECT_EQ(m_settings->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(m_settings->mainPath(), path("doc"));
    EXPECT_EQ(m_frame->mainDocPaneText(), QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));
    EXPECT_TRUE(m_frame->needsTexRun());

    cmd(33025)->trigger(); // no document is open: the main document is enough
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(path("doc/thesis.dvi")));
    EXPECT_TRUE(testsupport::readAll(path("doc/thesis.bbl")).contains("Title"));
    EXPECT_TRUE(logBar()->text().startsWith("This is"));
}

TEST_F(ToolWiringTest, MessagesGoThroughThePrompter)
{
    // F5 by keyboard with no document open (the "&Run" pop-up is hidden then).
    m_frame->show();
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keyClick(m_frame.get(), Qt::Key_F5);
    EXPECT_EQ(m_prompter.messages,
              QStringList{QString::fromUtf8("Es existiert kein aktuelles TeX-Dokument!\nBitte laden Sie eine Datei!")});
    m_prompter.messages.clear();
    m_settings->userTools[0].exe.clear();
    cmd(33033)->trigger();
    EXPECT_EQ(m_prompter.messages,
              QStringList{QString::fromUtf8("Keine EXE-Datei angegeben!\nBitte die Einstellungen überprüfen!")});
}

TEST_F(ToolWiringTest, ErrorsOfTheRealLatexOpenTheirFilesAtTheirLines)
{
    if (!haveTex())
        GTEST_SKIP() << "TeX Live is not installed";
    testsupport::writeFile(path("doc/main.tex"), "\\documentclass{report}\n\\begin{document}\n"
                                                 "\\include{chap1}\n\\input{sub/part}\n\\end{document}\n");
    testsupport::writeFile(path("doc/chap1.tex"), "Chapter text (with a parenthesis.\n\nHere \\undefinedInChapter is bad.\n");
    testsupport::writeFile(path("doc/sub/part.tex"), "Intro.\n\\undefinedInSub\n");
    m_settings->tex.cmd = QStringLiteral("-interaction=nonstopmode %s");
    ASSERT_TRUE(docs().openDocument(path("doc/main.tex")));
    cmd(33024)->trigger();
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
    auto *status = m_frame->findChild<QLabel *>("runStatusPane");
    ASSERT_TRUE(status);
    EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("LaTeX beendet – Fehler: 2, "))) << status->text().toStdString();
    // The pane stands at the first error.
    const int firstError = logBar()->log().paneLine(logBar()->log().nextError(-1, true));
    EXPECT_EQ(logBar()->edit()->textCursor().blockNumber(), firstError);

    // F12 (Next Error) opens each file at its line.
    m_frame->show();
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keyClick(m_frame.get(), Qt::Key_F12);
    ASSERT_TRUE(m_frame->activeView());
    EXPECT_EQ(m_frame->activeChild()->doc()->path(), path("doc/chap1.tex"));
    EXPECT_EQ(m_frame->activeView()->caretLine(), 3);
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), QStringLiteral("Fehler 1 von 2: Undefined control sequence."));
    cmd(33132)->trigger();
    EXPECT_EQ(m_frame->activeChild()->doc()->path(), path("doc/sub/part.tex"));
    EXPECT_EQ(m_frame->activeView()->caretLine(), 2);

    // A double click on the first error's line in the pane opens the chapter again.
    QTextCursor c(logBar()->edit()->document()->findBlockByNumber(firstError));
    logBar()->edit()->setTextCursor(c);
    const QPoint at = logBar()->edit()->cursorRect().center();
    QTest::mouseDClick(logBar()->edit()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(m_frame->activeChild()->doc()->path(), path("doc/chap1.tex"));
    EXPECT_EQ(m_frame->activeView()->caretLine(), 3);
    EXPECT_EQ(m_frame->children().size(), 3);
}

TEST_F(ToolWiringTest, TheWalkIsInTheTexMenuWithItsKeys)
{
    QMenu *tex = m_frame->menu(QStringLiteral("menuTex"));
    ASSERT_TRUE(tex);
    EXPECT_TRUE(tex->actions().contains(cmd(33132)));
    EXPECT_TRUE(tex->actions().contains(cmd(33133)));
    EXPECT_EQ(cmd(33132)->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(cmd(33133)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F12));
    // Shown, with their keys, also before any document is open.
    EXPECT_TRUE(cmd(33132)->isVisible());
    EXPECT_TRUE(tex->menuAction()->isVisible());
}

} // namespace
