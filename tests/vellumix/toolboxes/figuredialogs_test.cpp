// "Insert Graphics" and "Insert Image": fields, "Browse...", Help, and in the real
// frame the inserted figure and the stored fields.
#include "vellumixfixture.h"

#include "app/tframeform.h"
#include "editor/teditform.h"
#include "platform/profile.h"
#include "toolboxes/tgraphicsdialog.h"
#include "toolboxes/timagedialog.h"
#include "toolboxes/toolboxcommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using testsupport::writeFile;

QString field(QWidget *dialog, const char *name)
{
    QWidget *w = dialog->findChild<QWidget *>(name);
    if (auto *box = qobject_cast<QComboBox *>(w))
        return box->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return QStringLiteral("<missing>");
}

TEST(FigureDialogsTest, FieldsStartWithTheirDefaults)
{
    RecordingInsertHost host;
    TGraphicsDialog graphics(host);
    EXPECT_EQ(graphics.windowTitle(), QStringLiteral("Insert Graphics"));
    auto *position = graphics.findChild<QComboBox *>("Position");
    ASSERT_NE(position, nullptr);
    QStringList values;
    for (int i = 0; i < position->count(); ++i)
        values << position->itemText(i);
    EXPECT_EQ(values, QStringList({"default", "here", "top", "bottom", "own page"}));
    EXPECT_EQ(graphics.options(), GraphicsOptions());
    EXPECT_EQ(field(&graphics, "XImageSize"), "6cm");

    TImageDialog image(host);
    EXPECT_EQ(image.windowTitle(), QStringLiteral("Insert Image"));
    EXPECT_EQ(image.options(), ImageOptions());
    EXPECT_EQ(field(&image, "XPaperSize"), "\\the\\hsize");
    EXPECT_EQ(field(&image, "LaTeXHeight"), "7cm");
}

TEST(FigureDialogsTest, BrowsePutsTheChosenNameWithoutItsFolder)
{
    RecordingInsertHost host;
    TGraphicsDialog graphics(host);
    TImageDialog image(host);
    host.prompts.files << "/data/plots/result one.eps"
                       << "/data/logo.bmp";
    graphics.findChild<QPushButton *>("BrowseBtn")->click();
    image.findChild<QPushButton *>("BrowseBtn")->click();
    EXPECT_EQ(field(&graphics, "FileName"), "result one.eps");
    EXPECT_EQ(field(&image, "FileName"), "logo.bmp");
    EXPECT_EQ(host.prompts.dialogTitles, QStringList({"Select Image", "Select Image"}));
    EXPECT_EQ(host.prompts.dialogFilters,
              QStringList({"Encapsulated Postsript (*.eps)|*.eps|Windows Bitmap (*.bmp)|*.bmp|All Files (*.*)|*.*",
                           "Windows Bitmap (*.bmp)|*.bmp|Windows Metafile (*.wmf)|*.wmf|All Files (*.*)|*.*"}));
    // Cancelled: the field keeps its name.
    graphics.findChild<QPushButton *>("BrowseBtn")->click();
    EXPECT_EQ(field(&graphics, "FileName"), "result one.eps");
}

TEST(FigureDialogsTest, HelpShowsTheTopicAndOnlyTheGraphicsDialogCloses)
{
    RecordingInsertHost host;
    TGraphicsDialog graphics(host);
    onNextModal([](QDialog *d) {
        d->findChild<QPushButton *>("HelpBtn")->click();
        if (d->isVisible())
            d->accept();
    });
    EXPECT_FALSE(graphics.run()) << "Help closes it as Cancel";

    TImageDialog image(host);
    onNextModal([](QDialog *d) {
        d->findChild<QPushButton *>("HelpBtn")->click();
        EXPECT_TRUE(d->isVisible());
        d->accept();
    });
    EXPECT_TRUE(image.run());
    EXPECT_EQ(host.helpTopics, QStringList({"InsertGraphicsDlg", "InsertImageDlg"}));
}

class FigureFrameTest : public VellumixTest
{
};

TEST_F(FigureFrameTest, OkInsertsTheFigureAndTheStoredFieldsPersist)
{
    writeFile(ini(), "[ImageDialog]\r\nAction=anisoscale\r\n");
    trigger("New1");
    TEditForm *e = frame().activeEditor();
    prompter.files << path("pics/plot.eps");
    onNextModal([](QDialog *d) {
        d->findChild<QComboBox *>("Position")->setCurrentText("top");
        d->findChild<QLineEdit *>("YImageSize")->setText("4cm");
        d->findChild<QPushButton *>("BrowseBtn")->click();
        d->findChild<QPushButton *>("OKBtn")->click();
    });
    trigger("Graphics1");
    EXPECT_EQ(e->plainText(), QStringLiteral("\\begin{figure}[t]\n"
                                             "\\center{\\includegraphics*[6cm, 4cm]{plot.eps}}\n"
                                             "\\end{figure}\n"));

    e->editor()->clear();
    onNextModal([](QDialog *d) {
        d->findChild<QLineEdit *>("FileName")->setText("logo.bmp");
        d->findChild<QLineEdit *>("Title")->setText("Logo");
        d->findChild<QPushButton *>("OKBtn")->click();
    });
    trigger("Figure1");
    EXPECT_EQ(e->plainText(), QStringLiteral("\\begin{figure}\n"
                                             "\\special{anisoscale logo.bmp, \\the\\hsize 6cm 6cm 6cm}\n"
                                             "\\vspace{7cm}\n"
                                             "\\caption{Logo}\n"
                                             "\\end{figure}\n"));

    // Cancel inserts nothing.
    onNextModal([](QDialog *d) { d->reject(); });
    trigger("Graphics1");
    EXPECT_TRUE(e->plainText().endsWith("\\end{figure}\n"));
    EXPECT_EQ(e->plainText().count("\\begin{figure}"), 1);

    e->setModified(false);
    ASSERT_TRUE(closeFrame());
    Profile file(ini());
    EXPECT_EQ(file.getString("GraphicsDialog", "Position"), "top");
    EXPECT_EQ(file.getString("GraphicsDialog", "yImageSize"), "4cm");
    EXPECT_EQ(file.getString("ImageDialog", "Action"), "anisoscale");
    EXPECT_FALSE(file.hasKey("ImageDialog", "Title"));
    restart();
    EXPECT_EQ(frame().toolboxCommands().graphicsDialog()->options().yImageSize, "4cm");
    EXPECT_TRUE(frame().toolboxCommands().graphicsDialog()->options().fileName.isEmpty());
}

} // namespace
