// "Document Options": the fields on their pages, OK's texts, Cancel.
#include "vellumixfixture.h"

#include "templates/documenttext.h"
#include "templates/tdocumentdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

TEST(DocumentDialogTest, EveryFieldStandsOnItsPageWithItsNameLabelValuesAndDefault)
{
    TDocumentDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Document Options"));
    auto *pages = dialog.findChild<QTabWidget *>("PageControl");
    ASSERT_NE(pages, nullptr);
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    EXPECT_EQ(tabs, documentTabs());

    const DocumentOptions defaults;
    for (const DocumentField &f : documentFields()) {
        QWidget *w = dialog.findChild<QWidget *>(QLatin1String(f.name));
        ASSERT_NE(w, nullptr) << f.name;
        EXPECT_EQ(pages->tabText(pages->indexOf(w->parentWidget())), QLatin1String(f.tab)) << f.name;
        EXPECT_EQ(w->accessibleName(), QLatin1String(f.label)) << f.name;
        switch (f.kind) {
        case DocumentField::Kind::List: {
            auto *box = qobject_cast<QComboBox *>(w);
            ASSERT_NE(box, nullptr) << f.name;
            EXPECT_TRUE(box->isEditable()) << f.name;
            QStringList values;
            for (int i = 0; i < box->count(); ++i)
                values << box->itemText(i);
            EXPECT_EQ(values, f.valueList()) << f.name;
            EXPECT_EQ(box->currentText(), defaults.*std::get<QString DocumentOptions::*>(f.member)) << f.name;
            break;
        }
        case DocumentField::Kind::Check:
            ASSERT_NE(qobject_cast<QCheckBox *>(w), nullptr) << f.name;
            EXPECT_EQ(static_cast<QCheckBox *>(w)->text(), QLatin1String(f.label));
            EXPECT_FALSE(static_cast<QCheckBox *>(w)->isChecked()) << f.name;
            break;
        case DocumentField::Kind::Text:
            ASSERT_NE(qobject_cast<QLineEdit *>(w), nullptr) << f.name;
            EXPECT_TRUE(static_cast<QLineEdit *>(w)->text().isEmpty()) << f.name;
            break;
        }
    }
    EXPECT_EQ(dialog.options(), defaults);
}

TEST(DocumentDialogTest, OkBuildsTheTextsFromTheFieldsAndCancelKeepsTheEdits)
{
    TDocumentDialog dialog;
    onNextModal([](QDialog *d) {
        d->findChild<QComboBox *>("DocumentClass")->setCurrentText("scrartcl");
        d->findChild<QCheckBox *>("InputFiles")->setChecked(true);
        d->findChild<QLineEdit *>("Author1")->setText("Ann");
        d->findChild<QPushButton *>("OKBtn")->click();
    });
    ASSERT_TRUE(dialog.run());
    DocumentOptions expected;
    expected.documentClass = "scrartcl";
    expected.inputFiles = true;
    expected.author1 = "Ann";
    EXPECT_EQ(dialog.options(), expected) << "an editable list takes any typed value";
    EXPECT_EQ(dialog.beforeText(), DocumentText::before(expected));
    EXPECT_EQ(dialog.afterText(), DocumentText::after(expected));

    onNextModal([](QDialog *d) {
        d->findChild<QLineEdit *>("Title")->setText("Draft");
        d->findChild<QPushButton *>("CancelBtn")->click();
    });
    EXPECT_FALSE(dialog.run());
    EXPECT_EQ(dialog.options().title, QStringLiteral("Draft")) << "field edits stay in the dialog";
    EXPECT_EQ(dialog.beforeText(), DocumentText::before(expected)) << "the texts of the last OK";
}

} // namespace
