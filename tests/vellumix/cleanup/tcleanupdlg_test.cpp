// The clean-up dialog: marks from the settings, the three mark buttons, OK and
// Cancel, and the marks written when it is destroyed.
#include "vellumixfixture.h"

#include "platform/profile.h"
#include "cleanup/tcleanupdlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

class TCleanUpDlgTest : public testsupport::TempDirTest
{
protected:
    QString inUse() const { return path("Vellumix.ini"); }
    QString perUser() const { return path(".config/Vellumix/Vellumix.ini"); }
    std::unique_ptr<TCleanUpDlg> makeDialog(bool available = true)
    {
        host.folder = path("doc");
        return std::make_unique<TCleanUpDlg>(inUse(), perUser(), available, &host);
    }
    static QCheckBox *box(TCleanUpDlg &dlg, const char *caption)
    {
        return dlg.findChild<QCheckBox *>(QString(caption) + "Check");
    }
    static void click(TCleanUpDlg &dlg, const char *name)
    {
        auto *b = dlg.findChild<QPushButton *>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    FolderCleanUpHost host;
    QStringList checked(TCleanUpDlg &dlg) const
    {
        QStringList out;
        for (const CleanUp::Kind &k : CleanUp::Kinds) {
            if (box(dlg, k.caption)->isChecked())
                out << k.caption;
        }
        return out;
    }
};

TEST_F(TCleanUpDlgTest, ShowsFourteenNamedBoxesAndButtons)
{
    auto dlg = makeDialog();
    EXPECT_EQ(dlg->windowTitle(), "Clean Up");
    for (const CleanUp::Kind &k : CleanUp::Kinds) {
        QCheckBox *b = box(*dlg, k.caption);
        ASSERT_NE(b, nullptr) << k.caption;
        EXPECT_EQ(b->text(), k.caption);
        EXPECT_FALSE(b->accessibleName().isEmpty());
    }
    EXPECT_EQ(dlg->findChild<QPushButton *>("CheckAllBtn")->toolTip(), "set all check marks");
    EXPECT_EQ(dlg->findChild<QPushButton *>("UncheckAllBtn")->toolTip(), "clears all check marks");
    EXPECT_EQ(dlg->findChild<QPushButton *>("ResetBtn")->toolTip(),
              "sets check marks according entrys in INI (auto saved on program exit)");
}

TEST_F(TCleanUpDlgTest, ResetRestoresTheMarksOfTheLastExitNotOfThisRun)
{
    testsupport::writeFile(inUse(), "[CleanUp]\r\naux=1\r\ntoc=1\r\n");
    auto dlg = makeDialog();
    EXPECT_EQ(checked(*dlg), QStringList({"AUX", "TOC"}));

    click(*dlg, "CheckAllBtn");
    EXPECT_EQ(checked(*dlg).size(), 14);
    click(*dlg, "UncheckAllBtn");
    EXPECT_TRUE(checked(*dlg).isEmpty());
    box(*dlg, "LOG")->setChecked(true);
    click(*dlg, "CancelBtn");
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    click(*dlg, "ResetBtn");
    EXPECT_EQ(checked(*dlg), QStringList({"AUX", "TOC"}));
}

TEST_F(TCleanUpDlgTest, OkDeletesTheTickedKindsInTheDirectory)
{
    testsupport::writeFile(path("doc/paper.tex"), "x");
    testsupport::writeFile(path("doc/paper.aux"), "x");
    testsupport::writeFile(path("doc/paper.log"), "x");
    testsupport::writeFile(path("other.aux"), "x");
    auto dlg = makeDialog();
    box(*dlg, "AUX")->setChecked(true);
    click(*dlg, "OKBtn");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->lastDeleted(), QStringList({path("doc/paper.aux")}));
    EXPECT_TRUE(QFileInfo::exists(path("doc/paper.log")));
    EXPECT_TRUE(QFileInfo::exists(path("other.aux")));
}

TEST_F(TCleanUpDlgTest, CancelDeletesNothingButTheMarksAreWrittenAtExit)
{
    testsupport::writeFile(path("doc/paper.aux"), "x");
    {
        auto dlg = makeDialog();
        box(*dlg, "AUX")->setChecked(true);
        box(*dlg, "BAK")->setChecked(true);
        click(*dlg, "CancelBtn");
    }
    EXPECT_TRUE(QFileInfo::exists(path("doc/paper.aux")));
    Profile written(perUser());
    EXPECT_EQ(written.getString("CleanUp", "aux"), "1");
    EXPECT_EQ(written.getString("CleanUp", "bak"), "1");
    EXPECT_EQ(written.getString("CleanUp", "dvi"), "0");
    // The file in use holds the marks of the last exit until the next start.
    EXPECT_FALSE(QFileInfo::exists(inUse()));
}

TEST_F(TCleanUpDlgTest, NothingIsWrittenWhileSettingsAreUnavailable)
{
    {
        auto dlg = makeDialog(false);
        click(*dlg, "CheckAllBtn");
    }
    EXPECT_FALSE(QFileInfo::exists(perUser()));
}

} // namespace
