// The real dialogs behind the prompter: language dialog and file filters.
#include "app/widgetprompter.h"

#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
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

} // namespace
