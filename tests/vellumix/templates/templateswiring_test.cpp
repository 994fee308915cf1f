// The templates in the real frame: the Templates menu, the user templates' submenu and
// shortcuts, the template file at start and exit, and the document wizard.
#include "vellumixfixture.h"

#include "app/tframeform.h"
#include "editor/teditform.h"
#include "platform/profile.h"
#include "templates/documentoptions.h"
#include "templates/documenttext.h"
#include "templates/tdocumentdialog.h"
#include "templates/templatecommands.h"
#include "templates/templatefile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using testsupport::readAll;
using testsupport::writeFile;

class TemplatesFrameTest : public VellumixTest
{
protected:
    QMenu *userMenu() { return frame().findChild<QMenu *>("UserTemplatesMenu"); }
    QList<QAction *> userItems()
    {
        QList<QAction *> items = userMenu()->actions();
        items.removeIf([](QAction *a) { return a->isSeparator(); });
        return items;
    }
    QString tpl() const { return path("prog/Vellumix.tpl"); }
};

TEST_F(TemplatesFrameTest, BuiltInTemplatesStandInTheTemplatesMenuAndWrapTheSelection)
{
    EXPECT_FALSE(menu("Templates1")->menuAction()->isVisible()) << "only while an editor is open";
    TEditForm *e = editorWith("Intro", 0, 5);
    EXPECT_TRUE(menu("Templates1")->menuAction()->isVisible());
    QStringList captions;
    for (QAction *a : menu("Templates1")->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions, QStringList({"&Chapter", "&Section", "S&ubsection", "&Enumeration", "&Items", "&Description", "-",
                                     "&Graphics...", "&Figure...", "D&ocument...", "-", "User &Templates"}));

    trigger("Chapter1");
    EXPECT_EQ(e->plainText(), QStringLiteral("\\chapter{Intro}\n"));
    EXPECT_EQ(selection(e), QStringLiteral("Intro"));
    trigger("Description1");
    EXPECT_EQ(e->plainText(), QStringLiteral("\\chapter{\\begin{description}\n\\item Intro\n\\end{description}}\n"));
    EXPECT_EQ(selection(e), QStringLiteral("Intro"));
}

TEST_F(TemplatesFrameTest, ABeginEndTemplateWrapsASelectedParagraphAndLeavesItSelected)
{
    ASSERT_TRUE(TemplateFile::write(tpl(), {{"Quote", "\\begin{quote}\r\n", "\r\n\\end{quote}"}}));
    const QString paragraph = QStringLiteral("A paragraph\nof two lines.");
    TEditForm *e = editorWith("Before.\n" + paragraph + "\nAfter.", 8, 8 + int(paragraph.size()));
    ASSERT_TRUE(showFrameActive());
    QTest::keyClick(e->editor(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(e->plainText(), "Before.\n\\begin{quote}\n" + paragraph + "\n\\end{quote}\nAfter.");
    EXPECT_EQ(selection(e), paragraph);
}

TEST_F(TemplatesFrameTest, TheFirstTwelveUserTemplatesHaveShiftFKeysTheThirteenthNone)
{
    QList<UserTemplate> thirteen;
    for (int i = 1; i <= 13; ++i)
        thirteen.append({QStringLiteral("T%1").arg(i), QStringLiteral("<%1>").arg(i), QString()});
    ASSERT_TRUE(TemplateFile::write(tpl(), thirteen));
    const QList<QAction *> items = userItems();
    ASSERT_EQ(items.size(), 13);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(items[k]->text(), QStringLiteral("T%1").arg(k + 1));
        EXPECT_EQ(items[k]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + k)));
        EXPECT_TRUE(frame().QWidget::actions().contains(items[k])) << "works while the menu is hidden";
    }
    EXPECT_TRUE(items[12]->shortcut().isEmpty());
    TEditForm *e = editorWith("", 0, 0);
    ASSERT_TRUE(showFrameActive());
    items[12]->trigger();
    QTest::keyClick(e->editor(), Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(e->plainText(), QStringLiteral("<13><12>"));
}

TEST_F(TemplatesFrameTest, DefinedTemplatesFillTheSubmenuAndAreWrittenAtExit)
{
    EXPECT_FALSE(userMenu()->menuAction()->isEnabled()) << "disabled without templates";
    onNextModal([](QDialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Define Templates"));
        onNextModal([](QDialog *edit) {
            edit->findChild<QLineEdit *>("Name")->setText("Bold");
            edit->findChild<QPlainTextEdit *>("Part1")->setPlainText("\\textbf{");
            edit->findChild<QPlainTextEdit *>("Part2")->setPlainText("}");
            edit->accept();
        });
        d->findChild<QPushButton *>("NewBtn")->click();
        d->findChild<QPushButton *>("OKBtn")->click();
    });
    trigger("UserTemplates3");
    ASSERT_EQ(userItems().size(), 1);
    EXPECT_TRUE(userMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(tpl())) << "written at exit, not before";

    ASSERT_TRUE(closeFrame());
    restart();
    EXPECT_EQ(TemplateFile::read(tpl()).templates, (QList<UserTemplate>{{"Bold", "\\textbf{", "}"}}));
    ASSERT_EQ(userItems().size(), 1);
    EXPECT_EQ(userItems()[0]->text(), QStringLiteral("Bold"));
}

TEST_F(TemplatesFrameTest, ADamagedFileGivesItsWholeTemplatesAWarningAndAKeptCopy)
{
    const QByteArray damaged = TemplateFile::encode({{"One", "1", ""}, {"Two", "2", ""}}).chopped(3);
    writeFile(tpl(), damaged);
    ASSERT_EQ(userItems().size(), 1);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith("warning: The template file")) << prompter.messages[0].toStdString();
    EXPECT_TRUE(prompter.messages[0].contains("1 whole templates were read"));
    EXPECT_EQ(readAll(tpl() + ".damaged"), damaged);
    m_frame.reset();
    EXPECT_EQ(readAll(tpl()), TemplateFile::encode({{"One", "1", ""}}));
}

TEST_F(TemplatesFrameTest, AFileThatCannotBeReadOrKeptIsNeverReplaced)
{
    // Too large to be a template file (sparse: no disk space is used).
    const QByteArray head = TemplateFile::encode({{"One", "1", ""}});
    writeFile(tpl(), head);
    ASSERT_TRUE(QFile::resize(tpl(), TemplateFile::MaxFileSize + 1));
    EXPECT_TRUE(userItems().isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("not available in this run")) << prompter.messages[0].toStdString();
    m_frame.reset();
    EXPECT_EQ(QFileInfo(tpl()).size(), TemplateFile::MaxFileSize + 1);

    // Damaged, and its copy cannot be made: it stays as it is.
    const QByteArray damaged = head + QByteArray(20, '\xff');
    writeFile(tpl(), damaged);
    QDir().mkpath(tpl() + ".damaged");
    prompter.messages.clear();
    ASSERT_EQ(userItems().size(), 1);
    EXPECT_TRUE(prompter.messages.value(0).contains("It is left as it is.")) << prompter.messages.value(0).toStdString();
    m_frame.reset();
    EXPECT_EQ(readAll(tpl()), damaged);
}

TEST_F(TemplatesFrameTest, ATemplateFileThatCannotBeWrittenAtExitIsReportedAndKept)
{
    const QByteArray old = TemplateFile::encode({{"Old", "o", ""}});
    writeFile(tpl(), old);
    onNextModal([](QDialog *d) {
        onNextModal([](QDialog *edit) {
            edit->findChild<QLineEdit *>("Name")->setText(QString(200, 'n'));
            edit->accept();
        });
        d->findChild<QPushButton *>("NewBtn")->click();
        d->accept();
    });
    trigger("UserTemplates3");
    testsupport::withFullDisk([this] { EXPECT_TRUE(closeFrame()); });
    const QStringList errors = prompter.errors.filter("Could not save the user templates");
    ASSERT_EQ(errors.size(), 1) << prompter.errors.join('|').toStdString();
    EXPECT_TRUE(errors[0].contains("Vellumix.tpl")) << errors[0].toStdString();
    m_frame.reset();
    EXPECT_EQ(readAll(tpl()), old);
}

TEST_F(TemplatesFrameTest, OldTemplateFilesAreConvertedBelowVersionFiftyAndAFailureIsReported)
{
    writeFile(ini(), "[General]\r\nversion=40\r\n");
    writeFile(path("prog/names"), "Para\r\n");
    writeFile(path("prog/parts1"), "\xa7\xa7\\par \r\n");
    writeFile(path("prog/parts2"), "\r\n");
    ASSERT_EQ(userItems().size(), 1);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();
    TEditForm *e = editorWith("", 0, 0);
    userItems()[0]->trigger();
    EXPECT_EQ(e->plainText(), QStringLiteral("\n\\par "));

    m_frame.reset();
    QFile::remove(tpl());
    QDir().mkpath(tpl());
    frame();
    EXPECT_EQ(prompter.messages.value(0), "warning: Could not transform old template file to new format!");
}

TEST_F(TemplatesFrameTest, TheFileIsReadFromTheSettingsInUseAndWrittenBesideThePerUserFile)
{
    writeFile(ini(), "[Network]\r\nnetwork=1\r\nuserIni=%HOME%/cfg/user.ini\r\n");
    ASSERT_TRUE(TemplateFile::write(tpl(), {{"Shared", "s", ""}}));
    ASSERT_EQ(userItems().size(), 1) << "a new per-user file: the templates beside the program";
    m_frame.reset();
    EXPECT_EQ(TemplateFile::read(path("cfg/user.tpl")).templates, (QList<UserTemplate>{{"Shared", "s", ""}}));

    // From now on the per-user file is in use, and its templates with it.
    ASSERT_TRUE(TemplateFile::write(path("cfg/user.tpl"), {{"Mine", "m", ""}}));
    ASSERT_EQ(userItems().size(), 1);
    EXPECT_EQ(userItems()[0]->text(), QStringLiteral("Mine"));
}

TEST_F(TemplatesFrameTest, NothingIsWrittenWhileSettingsAreUnavailable)
{
    writeFile(ini(), "[Network]\r\nnetwork=1\r\nuserIni=%VELLUMIX_UNDEFINED_14%\r\n");
    const QByteArray iniBefore = readAll(ini());
    frame().templateCommands().documentDialog()->findChild<QLineEdit *>("Title")->setText("Kept?");
    ASSERT_TRUE(closeFrame());
    m_frame.reset();
    EXPECT_FALSE(QFileInfo::exists(tpl()));
    EXPECT_EQ(readAll(ini()), iniBefore);
}

TEST_F(TemplatesFrameTest, TheWizardMakesTheSelectionAWholeDocumentAndItsFieldsPersist)
{
    writeFile(ini(), "[Document]\r\nClass=report\r\nTwoSided=1\r\n");
    TEditForm *e = editorWith("Body.", 0, 5);
    onNextModal([](QDialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Document Options"));
        d->findChild<QLineEdit *>("Date")->setText("today");
        d->findChild<QPushButton *>("OKBtn")->click();
    });
    trigger("Document1");
    DocumentOptions o;
    o.documentClass = "report";
    o.twoSided = true;
    o.date = "today";
    const QString expected = DocumentText::before(o) + "Body." + DocumentText::after(o);
    EXPECT_EQ(e->plainText(), QString(expected).replace("\r\n", "\n"));
    EXPECT_EQ(selection(e), QStringLiteral("Body."));

    // Input files: the caret stands inside "\input{", before "filename".
    TEditForm *empty = editorWith("", 0, 0);
    onNextModal([](QDialog *d) {
        d->findChild<QCheckBox *>("InputFiles")->setChecked(true);
        d->findChild<QPushButton *>("OKBtn")->click();
    });
    trigger("Document1");
    const QString text = empty->plainText();
    const int caret = empty->caretPosition();
    EXPECT_TRUE(text.left(caret).endsWith("\n\\input{")) << text.toStdString();
    EXPECT_TRUE(text.mid(caret).startsWith("filename}\n\n\\end{document}"));

    // Cancel inserts nothing.
    onNextModal([](QDialog *d) { d->reject(); });
    trigger("Document1");
    EXPECT_EQ(empty->plainText(), text);

    for (TEditForm *editor : frame().editors())
        editor->setModified(false);
    ASSERT_TRUE(closeFrame());
    Profile file(ini());
    EXPECT_EQ(file.getString("Document", "Class"), "report");
    EXPECT_EQ(file.getString("Document", "InputFiles"), "1");
    EXPECT_EQ(file.getString("Document", "Date"), "today");
    restart();
    EXPECT_TRUE(frame().templateCommands().documentDialog()->options().inputFiles);
}

} // namespace
