// The program-calls dialog edits a copy: OK applies, Cancel drops, "Set Default".
#include "testsupport.h"

#include "programcalls/tprogramsdialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QLineEdit *field(TProgramsDialog &dlg, const char *name) { return dlg.findChild<QLineEdit *>(name); }

void clickLater(TProgramsDialog &dlg, const char *button, std::function<void()> before = {})
{
    QTimer::singleShot(0, &dlg, [&dlg, button, before] {
        if (before)
            before();
        QTest::mouseClick(dlg.findChild<QPushButton *>(button), Qt::LeftButton);
    });
}

ProgramTemplates custom()
{
    ProgramTemplates t;
    t.compile = "pdflatex %F.tex";
    t.logFile = "%P%F.log";
    t.preview = "xdvi %F.dvi";
    return t;
}

TEST(TProgramsDialog, ShowsItsCaptionLabelsAndDefaults)
{
    TProgramsDialog dlg;
    EXPECT_EQ(dlg.windowTitle(), "Options for External Programs");
    EXPECT_EQ(field(dlg, "TeXEdit")->accessibleName(), "TeX");
    EXPECT_EQ(field(dlg, "LogfileEdit")->accessibleName(), "Logfile");
    EXPECT_EQ(field(dlg, "PreviewEdit")->accessibleName(), "DVI Previewer");
    EXPECT_EQ(dlg.findChild<QPushButton *>("DefaultBtn")->text(), "Set Default");
    EXPECT_EQ(dlg.templates().compile, "latex --src-specials %F.tex");
    EXPECT_EQ(dlg.templates().logFile, "%P%F.log");
    EXPECT_EQ(dlg.templates().preview, ProgramTemplates::hostPreview());
}

TEST(TProgramsDialog, OkAppliesTheFields)
{
    TProgramsDialog dlg;
    ProgramTemplates t = custom();
    clickLater(dlg, "OKBtn", [&] { field(dlg, "PreviewEdit")->setText("okular %F.dvi"); });
    EXPECT_TRUE(dlg.edit(t));
    EXPECT_EQ(t.compile, "pdflatex %F.tex");
    EXPECT_EQ(t.preview, "okular %F.dvi");
}

TEST(TProgramsDialog, CancelKeepsTheTemplatesEvenAfterSetDefault)
{
    TProgramsDialog dlg;
    ProgramTemplates t = custom();
    clickLater(dlg, "CancelBtn", [&] { QTest::mouseClick(dlg.findChild<QPushButton *>("DefaultBtn"), Qt::LeftButton); });
    EXPECT_FALSE(dlg.edit(t));
    EXPECT_EQ(t, custom());
    EXPECT_EQ(dlg.templates(), ProgramTemplates::defaults());
}

TEST(TProgramsDialog, SetDefaultThenOkGivesTheDefaults)
{
    TProgramsDialog dlg;
    ProgramTemplates t = custom();
    clickLater(dlg, "OKBtn", [&] { QTest::mouseClick(dlg.findChild<QPushButton *>("DefaultBtn"), Qt::LeftButton); });
    EXPECT_TRUE(dlg.edit(t));
    EXPECT_EQ(t, ProgramTemplates::defaults());
}

} // namespace
