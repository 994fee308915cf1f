// The program-calls dialog: which edits reach the settings and the file.
#include "tools/cprogramcallssheet.h"

#include "platform/profile.h"
#include "scribletfixture.h"
#include "testsupport.h"
#include "tools/coptionpages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

class ProgramCallsTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        settings = makeToolSettings(path(), QStringLiteral("xdvi"), QStringLiteral("gv"));
        Profile(path("Scriblet.ini")).writeString("TeX Settings", "cmd", "%s");
    }
    template <typename T> T *child(QWidget *parent, const char *name)
    {
        T *w = parent->findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    void click(QWidget *parent, const char *button) { QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton); }
    void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    std::unique_ptr<CShellSettings> settings;
};

TEST_F(ProgramCallsTest, PagesInOrderWithCaptions)
{
    CProgramCallsSheet sheet(*settings, m_prompter);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Programmaufrufe"));
    QStringList captions, names;
    for (int i = 0; i < sheet.tabs()->count(); ++i) {
        captions << sheet.tabs()->tabText(i);
        names << sheet.tabs()->widget(i)->objectName();
    }
    EXPECT_EQ(captions, QStringList({"LaTeX", "BibTeX", "DVIWin", "DVI PS", "Ghost View", "Benutzerdefiniert"}));
    EXPECT_EQ(names, QStringList({"COptionTex", "COptionBibtex", "COptionDVIWin", "COptionDVIPS", "COptionGhostView",
                                  "COptionUserTools"}));
    QWidget *gv = sheet.tabs()->widget(4);
    EXPECT_TRUE(gv->findChild<QCheckBox *>("RunDvips1006"));
    EXPECT_TRUE(gv->findChild<QCheckBox *>("RunTex1008"));
    EXPECT_FALSE(sheet.tabs()->widget(0)->findChild<QCheckBox *>());
    EXPECT_TRUE(sheet.tabs()->widget(1)->findChild<QCheckBox *>("RunTex1011"));
    for (QWidget *w : sheet.findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w) || qobject_cast<QCheckBox *>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
}

TEST_F(ProgramCallsTest, CancelKeepsToolPagesButWritesAllKeys)
{
    CProgramCallsSheet sheet(*settings, m_prompter);
    sheet.show();
    QWidget *tex = sheet.tabs()->widget(0);
    type(child<QLineEdit>(tex, "Cmd1004"), QStringLiteral("-interaction=nonstopmode %s"));
    click(&sheet, "CancelBtn");
    EXPECT_EQ(settings->tex.cmd, QStringLiteral("%s"));
    Profile file(path("Scriblet.ini"));
    EXPECT_EQ(file.getString("TeX Settings", "cmd"), QStringLiteral("%s"));
    for (const char *key : {"exe", "cmd", "runtex"})
        EXPECT_TRUE(file.hasKey("BibTeX Settings", key)) << key;
    EXPECT_TRUE(file.hasKey("GhostView Settings", "rundvips"));
    EXPECT_TRUE(file.hasKey("UserTools Settings", "runtex9"));
    EXPECT_EQ(file.getString("DVIWin Settings", "exe"), QStringLiteral("xdvi"));
}

TEST_F(ProgramCallsTest, OkAppliesToolPages)
{
    m_prompter.openAnswer = path("bin/mylatex");
    CProgramCallsSheet sheet(*settings, m_prompter);
    sheet.show();
    QWidget *tex = sheet.tabs()->widget(0);
    click(tex, "Browse1005");
    EXPECT_EQ(m_prompter.dialogTitles, QStringList{"LaTeX-Execute-Datei"});
    QWidget *gv = sheet.tabs()->widget(4);
    child<QCheckBox>(gv, "RunDvips1006")->setChecked(false);
    click(&sheet, "OKBtn");
    EXPECT_EQ(settings->tex.exe, path("bin/mylatex"));
    EXPECT_EQ(settings->psViewer.rundvips, 0);
    EXPECT_EQ(settings->psViewer.runtex, 1);
    Profile file(path("Scriblet.ini"));
    EXPECT_EQ(file.getString("TeX Settings", "exe"), path("bin/mylatex"));
    EXPECT_EQ(file.getInt("GhostView Settings", "rundvips", 1), 0);
}

TEST_F(ProgramCallsTest, UserToolEditsSurviveCancel)
{
    CProgramCallsSheet sheet(*settings, m_prompter);
    sheet.show();
    QWidget *page = sheet.tabs()->widget(5);
    auto *list = child<QListWidget>(page, "ToolList908");
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Tool 4"));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(child<QLabel>(page, "Keys1018")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(page, "Name925")->text().isEmpty());

    list->setCurrentRow(3);
    EXPECT_EQ(child<QLabel>(page, "Keys1018")->text(), QStringLiteral("Ctrl + F4"));
    EXPECT_EQ(child<QLineEdit>(page, "Exe920")->text(), QStringLiteral("Exe 4"));
    type(child<QLineEdit>(page, "Name925"), QStringLiteral("PDF"));
    type(child<QLineEdit>(page, "Cmd921"), QStringLiteral("%s.dvi"));
    child<QCheckBox>(page, "RunTex924")->setChecked(false);
    click(&sheet, "CancelBtn");

    EXPECT_EQ(settings->userTools[3].name, QStringLiteral("PDF"));
    EXPECT_EQ(settings->userTools[3].cmd, QStringLiteral("%s.dvi"));
    EXPECT_EQ(settings->userTools[3].runtex, 0);
    Profile file(path("Scriblet.ini"));
    EXPECT_EQ(file.getString("UserTools Settings", "name3"), QStringLiteral("PDF"));
    EXPECT_EQ(file.getInt("UserTools Settings", "runtex3", 1), 0);
    // The list keeps the name it was filled with until the dialog opens again.
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Tool 4"));
}

TEST_F(ProgramCallsTest, SelectionChangeStoresPreviousToolAndShortcutTexts)
{
    m_prompter.openAnswer = path("tools/conv");
    CProgramCallsSheet sheet(*settings, m_prompter);
    QWidget *page = sheet.tabs()->widget(5);
    auto *list = child<QListWidget>(page, "ToolList908");
    list->setCurrentRow(0);
    EXPECT_EQ(child<QLabel>(page, "Keys1018")->text(), QStringLiteral("Ctrl + F1"));
    type(child<QLineEdit>(page, "Exe920"), QStringLiteral("first"));
    list->setCurrentRow(9);
    EXPECT_EQ(child<QLabel>(page, "Keys1018")->text(), QStringLiteral("Ctrl + F10"));
    EXPECT_EQ(settings->userTools[0].exe, QStringLiteral("first"));
    type(child<QLineEdit>(page, "Name925"), QStringLiteral("Last"));
    click(page, "Browse922"); // stores the shown values first
    EXPECT_EQ(m_prompter.dialogTitles, QStringList{"Execute-Datei"});
    EXPECT_EQ(settings->userTools[9].name, QStringLiteral("Last"));
    EXPECT_EQ(child<QLineEdit>(page, "Exe920")->text(), path("tools/conv"));
    sheet.reject();
    EXPECT_EQ(settings->userTools[9].exe, path("tools/conv"));
}

} // namespace
