// Switching the interface language at run time: menus, bars, panes, the stored
// choice, Qt's own texts, and a language file that cannot be used.
#include "app/languagecommands.h"

#include "bars/ccontrolbarex.h"
#include "editor/cchildframe.h"
#include "common/commandids.h"
#include "framefixture.h"
#include "project/cprojectbar.h"
#include "project/cprojecttree.h"
#include "resources/language.h"
#include "resources/strings.h"
#include "tools/clogbar.h"
#include "tools/toolcommands.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidgetItem>

namespace {

class LanguageCommandsTest : public FrameTest
{
protected:
    // Every text of the menu bar by object name: menus, their commands, submenus.
    QMap<QString, QString> menuTexts() const
    {
        QMap<QString, QString> out;
        std::function<void(QMenu *)> walk = [&](QMenu *m) {
            out.insert(m->menuAction()->objectName(), m->title());
            for (QAction *a : m->actions()) {
                if (a->menu())
                    walk(a->menu());
                else if (!a->isSeparator() && !a->objectName().isEmpty())
                    out.insert(a->objectName(), a->text() + u'|' + a->statusTip() + u'|' + a->toolTip());
            }
        };
        for (QAction *a : m_frame->menuBar()->actions())
            if (a->menu())
                walk(a->menu());
        return out;
    }
    LanguageCommands &languages() const { return *m_frame->languageCommands(); }
    QString ini() const { return testsupport::readAll(m_settings->iniPath()); }
};

TEST_F(LanguageCommandsTest, EnglishAndBackReplacesBothMenusAndStoresTheChoice)
{
    makeFrame();
    const QMap<QString, QString> germanWithoutDocument = menuTexts();
    docs().newDocument(); // the document menu: Edit menu, "Ausführen", save commands
    const QMap<QString, QString> german = menuTexts();
    EXPECT_EQ(german.value(QStringLiteral("menuRunAction")), QString::fromUtf8("&Ausführen"));
    EXPECT_TRUE(cmd(Cmd::UmlautSettings)->isEnabled());
    EXPECT_TRUE(cmd(Cmd::LanguageGerman)->isChecked());
    EXPECT_FALSE(cmd(Cmd::LanguageGerman)->isEnabled());

    ASSERT_TRUE(languages().switchTo(Language::English));
    const QMap<QString, QString> english = menuTexts();
    EXPECT_EQ(english.keys(), german.keys());
    EXPECT_EQ(english.value(QStringLiteral("menuFileAction")), QStringLiteral("&File"));
    EXPECT_EQ(english.value(QStringLiteral("menuRunAction")), QStringLiteral("&Run"));
    EXPECT_EQ(english.value(QStringLiteral("cmd57601")), QStringLiteral("&Open...|Opens an existing document.|Open"));
    EXPECT_EQ(english.value(QStringLiteral("cmd33024")), QStringLiteral("&LaTeX|Runs LaTeX.|LaTeX"));
    EXPECT_EQ(english.value(QStringLiteral("cmd57643")).section(u'|', 0, 0), QStringLiteral("&Undo"));
    // Every menu text changed except names and marks that are the same in both.
    int same = 0;
    for (auto it = german.cbegin(); it != german.cend(); ++it)
        same += english.value(it.key()) == it.value();
    EXPECT_LT(same, german.size() / 4) << same;

    EXPECT_TRUE(cmd(Cmd::LanguageEnglish)->isChecked());
    EXPECT_FALSE(cmd(Cmd::LanguageEnglish)->isEnabled());
    EXPECT_TRUE(cmd(Cmd::LanguageGerman)->isEnabled());
    EXPECT_FALSE(cmd(Cmd::LanguageGerman)->isChecked());
    EXPECT_FALSE(cmd(Cmd::UmlautSettings)->isEnabled()); // umlauts are German typing
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::General, QStringLiteral("Language"), 99), 1);
    EXPECT_EQ(m_settings->language, 1);
    EXPECT_EQ(m_frame->toolBar(Cmd::BarMain)->windowTitle(), QStringLiteral("Main Bar"));
    EXPECT_EQ(m_frame->logBar()->windowTitle(), QStringLiteral("Log Pane"));
    EXPECT_EQ(m_frame->projectBar()->windowTitle(), QStringLiteral("Project Pane"));
    EXPECT_EQ(m_frame->projectBar()->objectName(), QStringLiteral("ProjectBar"));
    // The log pane's find field and label, and the run-status pane, are named anew.
    auto *findEdit = m_frame->logBar()->findChild<QLineEdit *>(QStringLiteral("LogFindEdit"));
    ASSERT_NE(findEdit, nullptr);
    EXPECT_EQ(findEdit->accessibleName(), QStringLiteral("Find in log"));
    EXPECT_EQ(findEdit->parentWidget()->findChild<QLabel *>()->text(), QStringLiteral("Fi&nd what:"));
    EXPECT_EQ(m_frame->toolCommands()->runStatusPane()->accessibleName(), QStringLiteral("Result of the last run"));
    EXPECT_EQ(pane(Cmd::PaneMainDoc), QStringLiteral("Main TeX document :  current"));
    EXPECT_EQ(pane(Cmd::PaneLine), QStringLiteral(" Ln : 1"));
    EXPECT_EQ(m_frame->statusBar()->currentMessage(), QStringLiteral("Ready..."));

    ASSERT_TRUE(languages().switchTo(Language::German));
    EXPECT_EQ(menuTexts(), german);
    EXPECT_TRUE(cmd(Cmd::UmlautSettings)->isEnabled());
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::General, QStringLiteral("Language"), 99), 0);
    EXPECT_EQ(m_frame->logBar()->windowTitle(), QStringLiteral("Logbereich"));
    for (CChildFrame *c : m_frame->children())
        c->close();
    QApplication::processEvents();
    EXPECT_EQ(menuTexts().value(QStringLiteral("menuFileAction")), germanWithoutDocument.value("menuFileAction"));
}

TEST_F(LanguageCommandsTest, ProjectPaneIsBuiltAgainInTheNewLanguage)
{
    makeFrame();
    m_prompter.projectName = QStringLiteral("Arbeit");
    m_frame->projectBar()->onProjectNew();
    CProjectTree *tree = m_frame->projectBar()->tree();
    ASSERT_NE(tree->filesBranch(), nullptr);
    EXPECT_EQ(tree->filesBranch()->text(0), QStringLiteral("Dateien"));
    const QString mainTex = m_settings->mainTex();

    ASSERT_TRUE(languages().switchTo(Language::French));
    ASSERT_NE(tree->filesBranch(), nullptr);
    EXPECT_EQ(tree->rootItem()->text(0), QStringLiteral("Arbeit"));
    EXPECT_EQ(tree->filesBranch()->text(0), QStringLiteral("Fichiers"));
    EXPECT_EQ(tree->tocBranch()->text(0), QString::fromUtf8("Table des matières"));
    EXPECT_EQ(tree->tocBranch()->child(0)->text(0), QStringLiteral("aucun fichier TOC !"));
    EXPECT_EQ(m_settings->mainTex(), mainTex);
    auto *hide = m_frame->projectBar()->findChild<QWidget *>(QStringLiteral("btn%1").arg(Cmd::PaneHideButton));
    ASSERT_NE(hide, nullptr);
    EXPECT_EQ(hide->toolTip(), QString::fromUtf8("Masquer la fenêtre ancrée"));
}

// Qt's own buttons and dialogs follow through Qt's translations, where installed.
TEST_F(LanguageCommandsTest, QtsOwnButtonsFollowTheLanguage)
{
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtDir + QStringLiteral("/qtbase_fr.qm")) || !QFile::exists(qtDir + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    makeFrame();
    auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        return box.button(QDialogButtonBox::Cancel)->text() + u'/' + box.button(QDialogButtonBox::Yes)->text();
    };
    ASSERT_TRUE(languages().switchTo(Language::French));
    EXPECT_EQ(cancelText(), QStringLiteral("Annuler/&Oui"));
    ASSERT_TRUE(languages().switchTo(Language::English));
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel/&Yes"));
    ASSERT_TRUE(languages().switchTo(Language::German));
    EXPECT_EQ(cancelText(), QStringLiteral("Abbrechen/&Ja"));
}

TEST_F(LanguageCommandsTest, MissingFrenchFileKeepsGermanAndSaysSoOnce)
{
    // Only the English file where the program looks.
    QDir().mkpath(path(QStringLiteral("lang")));
    QFile::copy(LanguageDir + QStringLiteral("/Scriblet_en.qm"), path(QStringLiteral("lang/Scriblet_en.qm")));
    m_settings->languageDir = path(QStringLiteral("lang"));
    makeFrame();
    ASSERT_TRUE(languages().switchTo(Language::English));

    EXPECT_FALSE(languages().switchTo(Language::French));
    EXPECT_EQ(cmd(Cmd::FileOpen)->text(), QStringLiteral("Ö&ffnen..."));
    EXPECT_EQ(m_frame->menu(QStringLiteral("menuFile"))->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(m_frame->logBar()->windowTitle(), QStringLiteral("Logbereich"));
    EXPECT_EQ(m_frame->statusBar()->currentMessage(),
              QStringLiteral("Die Sprachdatei %1 ist nicht verwendbar (sie fehlt); die Oberfläche bleibt deutsch.")
                  .arg(path(QStringLiteral("lang/Scriblet_fr.qm"))));
    EXPECT_EQ(m_settings->language, 0);
    EXPECT_TRUE(cmd(Cmd::LanguageGerman)->isChecked());
    EXPECT_TRUE(cmd(Cmd::LanguageFrench)->isEnabled()); // may be tried again
    EXPECT_TRUE(cmd(Cmd::UmlautSettings)->isEnabled());
    // The choice is kept for the next start, which tries the file again.
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::General, QStringLiteral("Language"), 99), 2);
}

} // namespace
