// The main window's documents, driven as a user would: open, type, save, save all.
#include "app/documentmanager.h"

#include "common/commandids.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "framefixture.h"
#include "resources/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

class DocumentManagerTest : public FrameTest
{
};

TEST_F(DocumentManagerTest, TypingMarksTitleAndSavingClearsIt)
{
    CMainFrame *f = makeFrame();
    const QString p = file(QStringLiteral("doc/chap1.tex"), "Hallo\r\nWelt\r\n");
    CShellView *v = docs().openDocument(p);
    ASSERT_NE(v, nullptr);
    auto *child = f->activeChild();
    EXPECT_EQ(child->windowTitle(), QStringLiteral("chap1.tex"));
    EXPECT_TRUE(cmd(Cmd::SaveAll)->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("chap1.tex - Scriblet"));
    QTest::keyClick(v, Qt::Key_X);
    EXPECT_EQ(child->windowTitle(), QStringLiteral("chap1.tex *"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("chap1.tex * - Scriblet"));
    cmd(Cmd::FileSave)->trigger();
    EXPECT_EQ(child->windowTitle(), QStringLiteral("chap1.tex"));
    EXPECT_EQ(testsupport::readAll(p), QByteArray("xHallo\r\nWelt\r\n"));
    EXPECT_EQ(docs().recentFiles().value(0), QFileInfo(p).absoluteFilePath());
    EXPECT_EQ(m_settings->profile().getString(QStringLiteral("Recent File List"), QStringLiteral("File1")),
              QFileInfo(p).absoluteFilePath());
}

TEST_F(DocumentManagerTest, OpeningTwiceActivatesTheOpenDocument)
{
    CMainFrame *f = makeFrame();
    const QString a = file(QStringLiteral("a.tex"), "a\n");
    const QString b = file(QStringLiteral("b.tex"), "b\n");
    CShellView *va = docs().openDocument(a);
    docs().openDocument(b);
    EXPECT_EQ(docs().openDocument(a), va);
    EXPECT_EQ(f->children().size(), 2);
    EXPECT_EQ(f->activeView(), va);
}

TEST_F(DocumentManagerTest, MissingFileIsReportedAndNothingOpens)
{
    CMainFrame *f = makeFrame();
    EXPECT_EQ(docs().openDocument(path(QStringLiteral("nope.tex"))), nullptr);
    EXPECT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(f->children().isEmpty());
}

TEST_F(DocumentManagerTest, SaveAllAsksForUntitledNameAndCancelKeepsItModified)
{
    makeFrame();
    const QString p = file(QStringLiteral("a.tex"), "a\n");
    CShellView *named = docs().openDocument(p);
    QTest::keyClick(named, Qt::Key_Y);
    CShellView *untitled = docs().newDocument();
    QTest::keyClick(untitled, Qt::Key_Z);
    EXPECT_EQ(untitled->document()->title(), QStringLiteral("Tex File 1 *"));

    cmd(Cmd::SaveAll)->trigger(); // the save dialog is cancelled
    EXPECT_EQ(m_prompter.saveDialogs, 1);
    EXPECT_FALSE(named->document()->isModified());
    EXPECT_TRUE(untitled->document()->isModified());
    EXPECT_EQ(testsupport::readAll(p), QByteArray("ya\n"));

    m_prompter.saveAnswers << path(QStringLiteral("new.tex"));
    EXPECT_TRUE(docs().saveAll());
    EXPECT_FALSE(untitled->document()->isModified());
    EXPECT_EQ(untitled->document()->title(), QStringLiteral("new.tex"));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("new.tex"))), QByteArray("z"));
}

// File > Open: its title and filter; a project file in any letter case opens as
// the project, anything else as a document.
TEST_F(DocumentManagerTest, OpenTakesProjectsInAnyCaseAndDocumentsOtherwise)
{
    CMainFrame *f = makeFrame();
    QStringList requested;
    QObject::connect(f, &CMainFrame::projectRequested, [&](const QString &p) { requested << p; });
    const QString project = file(QStringLiteral("doc/THESIS.SBP"), "[main]\r\n");
    const QString plain = file(QStringLiteral("doc/README"), "no extension\n");
    m_prompter.openAnswers << project << plain;
    cmd(Cmd::FileOpen)->trigger();
    cmd(Cmd::FileOpen)->trigger();
    EXPECT_EQ(m_prompter.dialogTitles.value(0), QStringLiteral("Scriblet Dateien öffnen"));
    EXPECT_EQ(m_prompter.dialogFilters.value(0), Str::text(33082));
    EXPECT_EQ(requested, QStringList{project});
    ASSERT_EQ(f->children().size(), 1);
    EXPECT_EQ(f->activeChild()->doc()->fileTitle(), QStringLiteral("README"));
    EXPECT_EQ(cmd(Cmd::FileOpen)->statusTip(), QStringLiteral("Öffnet ein bestehendes Dokument."));
}

TEST_F(DocumentManagerTest, SaveAsGivesTheDocumentItsNewNameAndPath)
{
    CMainFrame *f = makeFrame();
    const QString p = file(QStringLiteral("a.tex"), "a\n");
    docs().openDocument(p);
    m_prompter.saveAnswer = path(QStringLiteral("sub/b.tex"));
    QDir().mkpath(path(QStringLiteral("sub")));
    cmd(Cmd::FileSaveAs)->trigger();
    EXPECT_EQ(m_prompter.dialogTitles.value(0), QStringLiteral("Datei speichern unter..."));
    EXPECT_EQ(m_prompter.dialogFilters.value(0), QStringLiteral("Scriblet-Dateien |*.tex;*.bib;*.log|TeX-Dateien (*.tex)|*.tex|"
                                                                "Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|"
                                                                "Alle Dateien (*.*)|*.*|"));
    EXPECT_EQ(m_prompter.saveSuffix, QStringLiteral("tex"));
    EXPECT_EQ(m_prompter.saveOverwrite, Prompter::Overwrite::Ask);
    EXPECT_EQ(f->activeChild()->doc()->fileTitle(), QStringLiteral("b.tex"));
    EXPECT_EQ(f->activeChild()->doc()->path(), path(QStringLiteral("sub/b.tex")));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("sub/b.tex"))), QByteArray("a\n"));
    EXPECT_EQ(docs().recentFiles().value(0), path(QStringLiteral("sub/b.tex")));
    EXPECT_EQ(cmd(Cmd::FileSaveAs)->statusTip(), QStringLiteral("Speichert das aktive Dokument unter neuem Namen."));
}

} // namespace
