// File > "Clean Up..." in the real frame: the dialog cleans the main file's directory
// after a real compile, and its marks persist at exit.
#include "vellumixfixture.h"

#include "app/tframeform.h"
#include "cleanup/tcleanupdlg.h"
#include "editor/teditform.h"
#include "platform/profile.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class CleanUpWiringTest : public VellumixTest
{
protected:
    TCleanUpDlg *dialog() { return frame().findChild<TCleanUpDlg *>(QStringLiteral("CleanUpDlg")); }
};

TEST_F(CleanUpWiringTest, CleanUpAfterARealCompileDeletesTheTickedKindsOnly)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    chooseMainFile();
    trigger("Compile1");
    ASSERT_TRUE(waitForLatex(path("doc/paper")));
    testsupport::writeFile(path("doc/.hidden.log"), "x");
    QDir().mkpath(path("doc/old.aux"));
    // A file of the program's directory is not the main file's business.
    testsupport::writeFile(path("prog/stray.aux"), "x");
    // The log is open: deleting it is the program's own doing, not another program's.
    TEditForm *log = frame().openFile(path("doc/paper.log"));
    ASSERT_NE(log, nullptr);
    QDir::setCurrent(path("prog"));

    TCleanUpDlg *dlg = dialog();
    ASSERT_NE(dlg, nullptr);
    QTimer::singleShot(0, [dlg] {
        QTest::mouseClick(dlg->findChild<QPushButton *>("UncheckAllBtn"), Qt::LeftButton);
        for (const char *box : {"AUXCheck", "LOGCheck", "DVICheck"})
            dlg->findChild<QCheckBox *>(box)->setChecked(true);
        QTest::mouseClick(dlg->findChild<QPushButton *>("OKBtn"), Qt::LeftButton);
    });
    trigger("CleanUp1");
    EXPECT_EQ(listing(path("doc")), QStringList({".hidden.log", "old.aux", "paper.tex"}));
    EXPECT_TRUE(QFileInfo::exists(path("prog/stray.aux")));
    testsupport::processEventsFor(400);
    EXPECT_FALSE(log->isModified());
    EXPECT_TRUE(prompter.messages.filter("warning: ").isEmpty()) << prompter.messages.join('|').toStdString();
}

TEST_F(CleanUpWiringTest, CleanUpMarksPersistAtExitAndResetGoesBackToThem)
{
    testsupport::writeFile(path("prog/Vellumix.ini"), "[CleanUp]\r\naux=1\r\nlog=1\r\n");
    TCleanUpDlg *dlg = dialog();
    ASSERT_NE(dlg, nullptr);
    testsupport::writeFile(path("keep.aux"), "x");
    QTimer::singleShot(0, [dlg] {
        QTest::mouseClick(dlg->findChild<QPushButton *>("CheckAllBtn"), Qt::LeftButton);
        dlg->findChild<QCheckBox *>("TOCCheck")->setChecked(false);
        QTest::mouseClick(dlg->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
    });
    trigger("CleanUp1");
    EXPECT_TRUE(QFileInfo::exists(path("keep.aux")));
    EXPECT_TRUE(dlg->findChild<QCheckBox *>("DLGCheck")->isChecked());

    // Reset: the marks stored at the last exit, not those of this run.
    QTest::mouseClick(dlg->findChild<QPushButton *>("ResetBtn"), Qt::LeftButton);
    EXPECT_TRUE(dlg->findChild<QCheckBox *>("AUXCheck")->isChecked());
    EXPECT_FALSE(dlg->findChild<QCheckBox *>("DLGCheck")->isChecked());

    // Cancel keeps the marks for the run; the exit writes them.
    dlg->findChild<QCheckBox *>("BAKCheck")->setChecked(true);
    ASSERT_TRUE(closeFrame());
    m_frame.reset();
    Profile ini(path("prog/Vellumix.ini"));
    EXPECT_EQ(ini.getString("CleanUp", "aux"), "1");
    EXPECT_EQ(ini.getString("CleanUp", "bak"), "1");
    EXPECT_EQ(ini.getString("CleanUp", "dlg"), "0");
}

} // namespace
