// The real dialogs behind the prompter: language dialog and file filters.
#include "app/widgetprompter.h"

#include "resources/strings.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDialog>
#include <QPushButton>
#include <QFileDialog>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

TEST(WidgetPrompterTest, LanguageDialogOffersThreeLanguagesInOrder)
{
    WidgetPrompter p;
    QStringList texts;
    QString caption;
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        caption = dlg->windowTitle();
        for (int id = 1049; id <= 1051; ++id) {
            auto *rb = dlg->findChild<QRadioButton *>(QStringLiteral("radio%1").arg(id));
            ASSERT_NE(rb, nullptr);
            texts << rb->text();
        }
        dlg->findChild<QRadioButton *>(QStringLiteral("radio1051"))->setChecked(true);
        dlg->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    EXPECT_EQ(p.chooseLanguage(), 2);
    EXPECT_EQ(caption, QStringLiteral("Scriblet"));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"), QString::fromUtf8("Français")}));
}

// File > Open lists files without a dot under "Alle Dateien": "*.*" becomes "*".
TEST(WidgetPrompterTest, OpenDialogShowsFilesWithoutADotUnderAllFiles)
{
    WidgetPrompter p;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        filters = dlg->nameFilters();
        dlg->reject();
    });
    Prompter &asked = p;
    EXPECT_TRUE(asked.openFileName(Str::text(Str::OpenTitle), Str::text(Str::OpenFilter)).isEmpty());
    ASSERT_EQ(filters.size(), 6);
    EXPECT_EQ(filters.first(), QStringLiteral("Scriblet-Dateien (*.sbp *.tex *.bib *.log)"));
    EXPECT_EQ(filters.last(), QStringLiteral("Alle Dateien (*)"));
}

// Saving a project under an existing name asks nothing; saving a document does.
TEST(WidgetPrompterTest, SaveDialogAsksBeforeOverwritingOnlyWhenTold)
{
    WidgetPrompter p;
    for (const auto overwrite : {Prompter::Overwrite::Ask, Prompter::Overwrite::DontAsk}) {
        bool asks = false;
        QTimer::singleShot(0, [&] {
            auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            asks = !dlg->testOption(QFileDialog::DontConfirmOverwrite);
            dlg->reject();
        });
        p.saveFileName(Str::text(Str::ProjectSaveTitle), Str::text(Str::ProjectFilter), QString(),
                       QStringLiteral("sbp"), overwrite);
        EXPECT_EQ(asks, overwrite == Prompter::Overwrite::Ask);
    }
}

// The browse buttons of the program calls: programs carry no extension here, so
// the first filter shows the executable files, "Alle Dateien" every file.
TEST(WidgetPrompterTest, ProgramDialogShowsExecutablesThenAllFiles)
{
    WidgetPrompter p;
    QStringList filters;
    bool executablesFirst = false;
    bool allFilesAfter = false;
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        filters = dlg->nameFilters();
        executablesFirst = dlg->filter().testFlag(QDir::Executable);
        auto *types = dlg->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Down); // as a user picks the second filter
        allFilesAfter = !dlg->filter().testFlag(QDir::Executable);
        dlg->reject();
    });
    Prompter &asked = p;
    EXPECT_TRUE(asked.openProgramName(Str::text(Str::LatexExeTitle), Str::text(Str::ExeFilter)).isEmpty());
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Programme (*)"), QStringLiteral("Alle Dateien (*)")}));
    EXPECT_TRUE(executablesFirst);
    EXPECT_TRUE(allFilesAfter);
}

} // namespace
