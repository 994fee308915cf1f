// The project pane and the project commands, with a host that answers the
// dialogs and real files in a temporary directory.
#include "scribletfixture.h"
#include "project/cprojectbar.h"
#include "project/cprojectnamedlg.h"
#include "project/cprojecttree.h"
#include "resources/strings.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList out;
    for (int i = 0; item && i < item->childCount(); ++i)
        out << item->child(i)->text(0);
    return out;
}

QTreeWidgetItem *findChild(const QTreeWidgetItem *parent, const QString &text)
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    }
    return nullptr;
}

// The action with that object name in the menu or its submenus.
QAction *findAction(QMenu *menu, const char *name)
{
    if (!menu)
        return nullptr;
    for (QAction *a : menu->actions()) {
        if (a->objectName() == QLatin1String(name))
            return a;
        if (QAction *inner = findAction(a->menu(), name))
            return inner;
    }
    return nullptr;
}

class ProjectBarTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        m_bar = std::make_unique<CProjectBar>(m_host, m_prompter);
    }
    void TearDown() override
    {
        m_bar.reset();
        ScribletTest::TearDown();
    }
    CProjectTree *tree() const { return m_bar->tree(); }
    void newProject(const QString &name)
    {
        m_prompter.projectName = name;
        m_bar->onProjectNew();
    }
    // Double-clicks an item with the mouse, as the user does.
    void doubleClick(QTreeWidgetItem *item)
    {
        tree()->scrollToItem(item);
        const QPoint p = tree()->visualItemRect(item).center();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, p);
    }

    FakeProjectHost m_host;
    std::unique_ptr<CProjectBar> m_bar;
};

TEST_F(ProjectBarTest, FreshProjectShowsBothPlaceholders)
{
    newProject(QStringLiteral("Diss"));
    QTreeWidgetItem *root = tree()->rootItem();
    ASSERT_TRUE(root);
    EXPECT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(root->text(0), QStringLiteral("Diss"));
    EXPECT_EQ(childTexts(root), (QStringList{"Dateien", "Inhaltsverzeichnis"}));
    EXPECT_EQ(childTexts(tree()->filesBranch()), QStringList{"no project-files!"});
    EXPECT_EQ(childTexts(tree()->tocBranch()), QStringList{"no TOC-file!"});
    EXPECT_EQ(CProjectTree::itemCode(root), 0);
    EXPECT_EQ(CProjectTree::itemCode(tree()->filesBranch()), 2);
    EXPECT_EQ(CProjectTree::itemCode(tree()->tocBranch()), 1);
    EXPECT_EQ(m_host.needsTexRun, 1);

    // The placeholder offers the add commands; removing it does nothing.
    QTreeWidgetItem *placeholder = tree()->filesBranch()->child(0);
    std::unique_ptr<QMenu> menu(tree()->contextMenuFor(placeholder));
    ASSERT_TRUE(findAction(menu.get(), "cmd33075"));
    ASSERT_TRUE(findAction(menu.get(), "cmd33074"));
    tree()->setContextItem(placeholder);
    findAction(menu.get(), "cmd33072")->trigger();
    EXPECT_EQ(childTexts(tree()->filesBranch()), QStringList{"no project-files!"});

    // No menu on the root or on "Dateien"; the TOC items offer reloading.
    EXPECT_EQ(tree()->contextMenuFor(root), nullptr);
    EXPECT_EQ(tree()->contextMenuFor(tree()->filesBranch()), nullptr);
    std::unique_ptr<QMenu> tocMenu(tree()->contextMenuFor(tree()->tocBranch()->child(0)));
    EXPECT_TRUE(findAction(tocMenu.get(), "cmd33076"));
}

TEST_F(ProjectBarTest, NameDialogEmptyAndCancel)
{
    newProject(QString());
    EXPECT_EQ(tree()->rootItem()->text(0), QStringLiteral("Neues Projekt"));
    m_prompter.nameAccepted = false;
    m_bar->onProjectNew(); // modified: asks first
    EXPECT_EQ(m_prompter.questions, QStringList{"Aktuelles Projekt speichern ?"});
    EXPECT_EQ(tree()->rootItem()->text(0), QStringLiteral("Neues Projekt"));
    EXPECT_EQ(m_host.needsTexRun, 2); // raised after cancel too
}

TEST_F(ProjectBarTest, NameDialogHasItsControls)
{
    CProjectNameDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Projektnamen eingeben"));
    auto *ok = dlg.findChild<QPushButton *>("OKBtn");
    auto *cancel = dlg.findChild<QPushButton *>("CancelBtn");
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
    QTest::keyClicks(dlg.edit(), "Arbeit");
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.name(), QStringLiteral("Arbeit"));
}

TEST_F(ProjectBarTest, ChoosingTheMainDocumentShowsItBold)
{
    newProject(QStringLiteral("P"));
    m_prompter.openAnswer = file("doc/main.tex");
    m_bar->onMainDocument();
    EXPECT_EQ(childTexts(tree()->filesBranch()), QStringList{"main.tex"});
    ASSERT_TRUE(tree()->mainItem());
    EXPECT_TRUE(tree()->mainItem()->font(0).bold());
    EXPECT_EQ(m_prompter.dialogTitles.last(), QStringLiteral("Haupt-TeX-Dokument"));
    EXPECT_EQ(m_host.status, QStringLiteral("Haupt-TeX-Dokument :  main.tex"));
    EXPECT_EQ(m_host.maintex, QStringLiteral("main.tex"));
    EXPECT_EQ(m_host.mainpath, path("doc"));
    EXPECT_EQ(childTexts(tree()->tocBranch()), QStringList{"no TOC-file!"});
}

TEST_F(ProjectBarTest, FilesAreSortedAndEachOpensItself)
{
    newProject(QStringLiteral("P"));
    m_prompter.openNamesAnswer = {file("b.tex"), file("a.tex"), file("c.tex")};
    m_bar->onAddTexDocuments();
    EXPECT_EQ(childTexts(tree()->filesBranch()), (QStringList{"a.tex", "b.tex", "c.tex"}));
    EXPECT_EQ(m_prompter.dialogTitles.last(), QStringLiteral("Scriblet Dateien öffnen"));
    m_bar->show();
    for (const char *name : {"a.tex", "b.tex", "c.tex"}) {
        m_host.opened.clear();
        doubleClick(findChild(tree()->filesBranch(), name));
        ASSERT_EQ(m_host.opened.size(), 1) << name;
        EXPECT_EQ(m_host.opened[0].path, path(name));
    }

    // Right double-clicks and double-clicks on empty space open nothing; Return opens the current file.
    m_host.opened.clear();
    QTreeWidgetItem *a = findChild(tree()->filesBranch(), "a.tex");
    QTest::mouseDClick(tree()->viewport(), Qt::RightButton, {}, tree()->visualItemRect(a).center());
    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(5, tree()->viewport()->height() - 5));
    EXPECT_TRUE(m_host.opened.isEmpty());
    tree()->setCurrentItem(a);
    QTest::keyClick(tree(), Qt::Key_Return);
    ASSERT_EQ(m_host.opened.size(), 1);
    EXPECT_EQ(m_host.opened[0].path, path("a.tex"));

    // Remove a.tex (slot 1): the later slots move down, and every item still opens its own file.
    m_prompter.openNamesAnswer = {file("d.tex")};
    m_bar->onAddTexDocuments();
    tree()->setContextItem(findChild(tree()->filesBranch(), "a.tex"));
    tree()->onRemove();
    EXPECT_EQ(childTexts(tree()->filesBranch()), (QStringList{"b.tex", "c.tex", "d.tex"}));
    for (const char *name : {"c.tex", "d.tex", "b.tex"}) {
        m_host.opened.clear();
        tree()->activateItem(findChild(tree()->filesBranch(), name));
        ASSERT_EQ(m_host.opened.size(), 1) << name;
        EXPECT_EQ(m_host.opened[0].path, path(name));
    }
    EXPECT_EQ(m_bar->project().entryCount(), 3);
}

TEST_F(ProjectBarTest, RemovingTheMainDocumentFallsBackToTheActiveDocument)
{
    newProject(QStringLiteral("P"));
    m_prompter.openAnswer = file("main.tex");
    m_bar->onMainDocument();
    tree()->setContextItem(tree()->mainItem());
    tree()->onRemove();
    EXPECT_EQ(m_host.status, QStringLiteral("Haupt-TeX-Dokument :  aktuelles"));
    EXPECT_TRUE(m_host.maintex.isEmpty());
    EXPECT_EQ(tree()->mainItem(), nullptr);
    EXPECT_TRUE(childTexts(tree()->filesBranch()).isEmpty());
    EXPECT_EQ(m_bar->project().entryCount(), 1);
}

TEST_F(ProjectBarTest, HeadingsNestByLevel)
{
    file("p/main.tex", "\\section{Vorab}\n");
    file("p/main.toc", "\\contentsline {section}{\\numberline {0.1}Vorab}{1}%\n"
                       "\\contentsline {chapter}{\\numberline {1}Eins}{1}%\n"
                       "\\contentsline {section}{\\numberline {1.1}A}{1}%\n"
                       "\\contentsline {subsection}{\\numberline {1.1.1}B}{1}%\n"
                       "\\contentsline {subsubsection}{C}{1}%\n"
                       "\\contentsline {chapter}{Anhang}{9}%\n"
                       "\\contentsline {subsection}{\\numberline {9.9.9}D}{9}%\n");
    file("p/p.sbp", "[main]\r\n.\\main.tex\r\n[files]\r\n");
    ASSERT_TRUE(m_bar->openProject(path("p/p.sbp")));
    QTreeWidgetItem *toc = tree()->tocBranch();
    EXPECT_EQ(childTexts(toc), (QStringList{"0.1 Vorab", "1 Eins", "Anhang"}));
    QTreeWidgetItem *one = findChild(toc, "1 Eins");
    EXPECT_EQ(childTexts(one), QStringList{"1.1 A"});
    EXPECT_EQ(childTexts(one->child(0)->child(0)), QStringList{"C"});
    // A new chapter does not reset the section parent.
    EXPECT_EQ(childTexts(one->child(0)), (QStringList{"1.1.1 B", "9.9.9 D"}));
    EXPECT_EQ(CProjectTree::itemCode(one), 10);
}

TEST_F(ProjectBarTest, OpeningAProjectRebuildsAndHandsOverTheMainDocument)
{
    file("t/kap/eins.tex");
    file("t/thesis.tex");
    file("t/thesis.sbp", "[main]\r\n.\\thesis.tex\r\n[files]\r\n.\\kap\\eins.tex\r\n");
    m_prompter.openAnswer = path("t/thesis.SBP");
    QFile::rename(path("t/thesis.sbp"), path("t/thesis.SBP"));
    m_bar->onProjectOpen();
    EXPECT_EQ(m_prompter.dialogTitles.last(), QStringLiteral("Projekt-Datei öffnen"));
    EXPECT_EQ(m_prompter.dialogFilters.last(), QStringLiteral("Projekt-Dateien (*.sbp)|*.sbp|"));
    EXPECT_EQ(tree()->rootItem()->text(0), QStringLiteral("thesis"));
    EXPECT_EQ(childTexts(tree()->filesBranch()), (QStringList{"eins.tex", "thesis.tex"}));
    EXPECT_TRUE(findChild(tree()->filesBranch(), "thesis.tex")->font(0).bold());
    EXPECT_EQ(m_host.maintex, QStringLiteral("thesis.tex"));
    EXPECT_EQ(m_host.mainpath, path("t"));
    EXPECT_EQ(m_host.status, QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));
    EXPECT_GE(m_host.needsTexRun, 1);

    QDir::setCurrent(path());
    tree()->activateItem(findChild(tree()->filesBranch(), "eins.tex"));
    ASSERT_EQ(m_host.opened.size(), 1);
    EXPECT_EQ(m_host.opened[0].path, path("t/kap/eins.tex"));

    // Another extension is ignored without a message.
    m_prompter.openAnswer = file("t/notes.txt");
    m_bar->onProjectOpen();
    EXPECT_EQ(tree()->rootItem()->text(0), QStringLiteral("thesis"));
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(ProjectBarTest, UnreadableProjectIsReportedAndNothingChanges)
{
    newProject(QStringLiteral("Bleibt"));
    m_prompter.openAnswer = path("gone.sbp");
    m_bar->onProjectOpen(); // modified: the question is answered No
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages[0].contains("gone.sbp"));
    EXPECT_EQ(m_bar->project().projectName(), QStringLiteral("Bleibt"));
    EXPECT_FALSE(m_bar->isHidden()); // the pane was shown before loading
}

TEST_F(ProjectBarTest, MenuCommandsNeedAnActiveProject)
{
    QWidget window;
    QMenu *menu = m_bar->projectMenu(&window);
    const char *needActive[] = {"cmd33087", "cmd33088", "cmd33089", "cmd33074",
                                "cmd33075"};
    EXPECT_TRUE(findAction(menu, "cmd33073")->isEnabled());
    EXPECT_TRUE(findAction(menu, "cmd33086")->isEnabled());
    for (const char *name : needActive)
        EXPECT_FALSE(findAction(menu, name)->isEnabled()) << name;
    EXPECT_EQ(findAction(menu, "cmd33073")->statusTip(), QStringLiteral("Erstellt ein neues Projekt."));
    EXPECT_EQ(findAction(menu, "cmd33073")->toolTip(), QStringLiteral("Neues Projekt"));
    EXPECT_EQ(m_bar->viewAction()->objectName(), QStringLiteral("cmd33071"));

    findAction(menu, "cmd33073")->trigger();
    for (const char *name : needActive)
        EXPECT_TRUE(findAction(menu, name)->isEnabled()) << name;

    m_prompter.saveAnswer.clear(); // close: the save-as dialog is cancelled, the project closes anyway
    findAction(menu, "cmd33087")->trigger();
    EXPECT_EQ(m_prompter.dialogTitles.last(), QStringLiteral("Projekt-Datei speichern"));
    EXPECT_EQ(m_prompter.saveSuffix, QStringLiteral("sbp"));
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    EXPECT_FALSE(m_bar->project().isActive());
    for (const char *name : needActive)
        EXPECT_FALSE(findAction(menu, name)->isEnabled()) << name;
}

TEST_F(ProjectBarTest, SaveAsReadsBackWhatWasWritten)
{
    newProject(QStringLiteral("Alt"));
    m_prompter.openNamesAnswer = {file("w/main.tex"), file("w/kap/k.tex")};
    m_bar->onAddTexDocuments();
    m_prompter.saveAnswer = path("w/neu.sbp");
    m_bar->onProjectSaveAs();
    EXPECT_EQ(m_prompter.proposedNames.last(), QStringLiteral("Alt"));
    EXPECT_FALSE(m_bar->project().isModified());
    EXPECT_EQ(m_bar->project().projectName(), QStringLiteral("neu"));
    EXPECT_EQ(m_bar->project().path(1), QStringLiteral("./kap/k.tex"));
    EXPECT_EQ(tree()->rootItem()->text(0), QStringLiteral("neu"));
    EXPECT_TRUE(tree()->mainItem()->font(0).bold()); // rebuilt: the first file is now shown as main
    EXPECT_EQ(testsupport::readAll(path("w/neu.sbp")),
              QByteArray("[main]\r\n.\\main.tex\r\n[files]\r\n.\\kap\\k.tex\r\n"));
}

TEST_F(ProjectBarTest, FailedSaveIsReportedAndTheProjectStaysModified)
{
    newProject(QStringLiteral("P"));
    file("blocker", "not a directory");
    m_prompter.saveAnswer = path("blocker/p.sbp");
    m_bar->onProjectSave();
    EXPECT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_bar->project().isModified());
    EXPECT_TRUE(m_bar->project().projectFile().isEmpty());
    // Closing after a failed save keeps the project open: nothing is lost.
    m_bar->onProjectClose();
    EXPECT_TRUE(m_bar->project().isActive());
    EXPECT_NE(tree()->rootItem(), nullptr);
}

TEST_F(ProjectBarTest, HeadingDoubleClickOpensTheFileAtTheHeading)
{
    file("m/main.tex", "\\documentclass{report}\n\\begin{document}\n\\chapter{Kritik}\n"
                       "\\section{M\"angel}\n\\end{document}\n");
    file("m/main.toc", "\\contentsline {chapter}{\\numberline {1}Kritik}{1}%\n"
                       "\\contentsline {section}{\\numberline {1.1}M\\active@dq \\dq@prtct {a}ngel}{1}%\n");
    file("m/m.sbp", "[main]\r\n.\\main.tex\r\n[files]\r\n");
    ASSERT_TRUE(m_bar->openProject(path("m/m.sbp")));
    QTreeWidgetItem *heading = findChild(findChild(tree()->tocBranch(), "1 Kritik"), "1.1 Mängel");
    ASSERT_TRUE(heading);
    m_bar->show();
    tree()->expandAll();
    doubleClick(heading);
    ASSERT_EQ(m_host.opened.size(), 1);
    EXPECT_EQ(m_host.opened[0].path, path("m/main.tex"));
    EXPECT_EQ(m_host.opened[0].line, 4);
    EXPECT_EQ(m_host.opened[0].searchText, QStringLiteral("M\"angel"));
    EXPECT_EQ(m_host.opened[0].command, QStringLiteral("\\section"));
}

TEST_F(ProjectBarTest, LatexRunThatAddsASectionShowsItAfterRefresh)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QByteArray head = "\\documentclass{article}\n\\begin{document}\n\\tableofcontents\n\\section{Erster}\n";
    file("l/doc.tex", head + "\\end{document}\n");
    file("l/doc.sbp", "[main]\r\n.\\doc.tex\r\n[files]\r\n");
    auto runLatex = [this] {
        QProcess latex;
        latex.setWorkingDirectory(path("l"));
        latex.setStandardInputFile(QProcess::nullDevice());
        latex.start(QStringLiteral("latex"), {"-interaction=nonstopmode", "doc.tex"});
        return latex.waitForFinished(120000) && latex.exitCode() == 0;
    };
    ASSERT_TRUE(runLatex());
    ASSERT_TRUE(m_bar->openProject(path("l/doc.sbp")));
    EXPECT_EQ(childTexts(tree()->tocBranch()), QStringList{"1 Erster"});

    file("l/doc.tex", head + "\\section{Zweiter}\n\\end{document}\n");
    ASSERT_TRUE(runLatex());
    m_bar->refreshToc(); // what the tool runner does after every LaTeX run
    EXPECT_EQ(childTexts(tree()->tocBranch()), (QStringList{"1 Erster", "2 Zweiter"}));
}

TEST_F(ProjectBarTest, ProjectFromOutsideOffersToSaveUnsavedChanges)
{
    newProject(QStringLiteral("Ungespeichert"));
    file("o/o.sbp", "[main]\r\n.\\o.tex\r\n[files]\r\n");
    m_prompter.questionAnswer = Prompter::Answer::Yes;
    m_prompter.saveAnswer = path("alt.sbp");
    ASSERT_TRUE(m_bar->openProject(path("o/o.sbp")));
    EXPECT_EQ(m_prompter.questions, QStringList{"Aktuelles Projekt speichern ?"});
    EXPECT_TRUE(testsupport::readAll(path("alt.sbp")).startsWith("[main]\r\n"));
    EXPECT_EQ(tree()->rootItem()->text(0), QStringLiteral("o"));
}

TEST_F(ProjectBarTest, RefreshWithoutProjectDoesNothing)
{
    m_bar->refreshToc();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    m_bar->rebuild();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    EXPECT_EQ(m_host.mainDocumentWrites, 0);
}

TEST_F(ProjectBarTest, AFailedRunKeepsTheLastGoodTableMarkedAsNotCurrent)
{
    file("m/main.tex", "\\chapter{Eins}\n\\section{Grundlagen der \\textbf{Methode}}\n\\chapter{Zwei}\n");
    const QByteArray good = "\\contentsline {chapter}{\\numberline {1}Eins}{1}%\n"
                            "\\contentsline {section}{\\numberline {1.1}Grundlagen der \\textbf {Methode}}{1}%\n"
                            "\\contentsline {chapter}{\\numberline {2}Zwei}{2}%\n";
    file("m/main.toc", good);
    file("m/m.sbp", "[main]\r\n.\\main.tex\r\n[files]\r\n");
    ASSERT_TRUE(m_bar->openProject(path("m/m.sbp")));
    const QStringList shown{"1 Eins", "2 Zwei"};
    EXPECT_EQ(childTexts(tree()->tocBranch()), shown);
    EXPECT_EQ(tree()->tocBranch()->text(0), QStringLiteral("Inhaltsverzeichnis"));

    // LaTeX stopped before \end{document}: the .toc it opened stays empty, or it is gone.
    for (const QByteArray &left : {QByteArray(), QByteArray("\\contentsline {chapter}{\\numberline {1}Eins}{1}%\n")}) {
        file("m/main.toc", left);
        m_bar->refreshToc(true);
        EXPECT_EQ(childTexts(tree()->tocBranch()), shown);
        EXPECT_FALSE(tree()->isTocCurrent());
        EXPECT_EQ(tree()->tocBranch()->text(0), QStringLiteral("Inhaltsverzeichnis (nicht aktuell)"));
        EXPECT_FALSE(tree()->tocBranch()->toolTip(0).isEmpty());
    }
    QFile::remove(path("m/main.toc"));
    m_bar->refreshToc(true);
    EXPECT_EQ(childTexts(tree()->tocBranch()), shown);
    // The kept table still leads to its headings, markup and all.
    tree()->activateItem(findChild(findChild(tree()->tocBranch(), "1 Eins"), "1.1 Grundlagen der Methode"));
    ASSERT_EQ(m_host.opened.size(), 1);
    EXPECT_EQ(m_host.opened[0].line, 2);

    // A good run that leaves fewer headings (one was deleted) is the new table.
    file("m/main.toc", "\\contentsline {chapter}{\\numberline {1}Eins}{1}%\n");
    m_bar->refreshToc(false);
    EXPECT_EQ(childTexts(tree()->tocBranch()), QStringList{"1 Eins"});
    EXPECT_TRUE(tree()->isTocCurrent());
    EXPECT_EQ(tree()->tocBranch()->text(0), QStringLiteral("Inhaltsverzeichnis"));
    // A failed run that still wrote a whole table shows it.
    file("m/main.toc", good);
    m_bar->refreshToc(true);
    EXPECT_EQ(childTexts(tree()->tocBranch()), shown);
    EXPECT_TRUE(tree()->isTocCurrent());

    // "Neu Laden" shows the file as it is.
    file("m/main.toc", "");
    m_bar->refreshToc(true);
    EXPECT_FALSE(tree()->isTocCurrent());
    tree()->onReloadToc();
    EXPECT_TRUE(childTexts(tree()->tocBranch()).isEmpty());
    EXPECT_TRUE(tree()->isTocCurrent());

    // Another project's table is never kept for this one.
    file("m/main.toc", good);
    m_bar->refreshToc(false);
    file("n/other.tex", "x");
    file("n/n.sbp", "[main]\r\n.\\other.tex\r\n[files]\r\n");
    ASSERT_TRUE(m_bar->openProject(path("n/n.sbp")));
    m_bar->refreshToc(true);
    EXPECT_EQ(childTexts(tree()->tocBranch()), QStringList{"no TOC-file!"});
    EXPECT_TRUE(tree()->isTocCurrent());
}

} // namespace
