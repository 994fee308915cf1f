// "Define Templates" and "Edit Template": the list, its buttons, OK and Cancel.
#include "vellumixfixture.h"

#include "templates/tedittemplatedialog.h"
#include "templates/ttemplatedialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class TemplateDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.setTemplates(UserTemplates({{"A", "a1", "a2"}, {"B", "b1", "b2"}, {"C", "c1", "c2"}}));
        dialog.show();
    }
    void TearDown() override { dialog.hide(); }
    QPushButton *button(const char *name) { return dialog.findChild<QPushButton *>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QStringList names() { return dialog.templates().names(); }
    QStringList listed()
    {
        QStringList items;
        auto *list = dialog.findChild<QListWidget *>("TemplateList");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    // Answers the edit-template dialog with the fields (parts typed with line breaks).
    void answerEdit(const QString &name, const QString &part1, const QString &part2, bool ok = true)
    {
        onNextModal([=](QDialog *d) {
            d->findChild<QLineEdit *>("Name")->setText(name);
            d->findChild<QPlainTextEdit *>("Part1")->setPlainText(part1);
            d->findChild<QPlainTextEdit *>("Part2")->setPlainText(part2);
            d->findChild<QPushButton *>(ok ? "OKBtn" : "CancelBtn")->click();
        });
    }

    TTemplateDialog dialog;
};

TEST_F(TemplateDialogTest, OpeningSelectsTheFirstAndAnEmptyListDisablesEditAndRemove)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Define Templates"));
    EXPECT_EQ(listed(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(dialog.selectedIndex(), 0);
    EXPECT_TRUE(button("EditBtn")->isEnabled());
    EXPECT_TRUE(button("RemoveBtn")->isEnabled());
    dialog.hide();
    dialog.setTemplates({});
    dialog.show();
    EXPECT_EQ(dialog.selectedIndex(), -1);
    EXPECT_FALSE(button("EditBtn")->isEnabled());
    EXPECT_FALSE(button("RemoveBtn")->isEnabled());
}

TEST_F(TemplateDialogTest, RemoveSelectsTheEntryThatTookItsPlaceThenThePreviousThenNone)
{
    dialog.findChild<QListWidget *>("TemplateList")->setCurrentRow(1);
    click("RemoveBtn");
    EXPECT_EQ(names(), QStringList({"A", "C"}));
    EXPECT_EQ(dialog.selectedIndex(), 1) << "C took B's place";
    click("RemoveBtn");
    EXPECT_EQ(names(), QStringList({"A"}));
    EXPECT_EQ(dialog.selectedIndex(), 0) << "the last was removed: the previous one";
    click("RemoveBtn");
    EXPECT_TRUE(names().isEmpty());
    EXPECT_EQ(dialog.selectedIndex(), -1);
    EXPECT_FALSE(button("EditBtn")->isEnabled());
    EXPECT_FALSE(button("RemoveBtn")->isEnabled());
}

TEST_F(TemplateDialogTest, CancelAfterRemovingBringsTheEntriesBackWithTheirParts)
{
    const UserTemplates before = dialog.templates();
    click("RemoveBtn");
    click("RemoveBtn");
    click("MoveDownBtn");
    click("CancelBtn");
    EXPECT_EQ(dialog.templates(), before);
    EXPECT_EQ(listed(), QStringList({"A", "B", "C"}));
}

TEST_F(TemplateDialogTest, MovingSwapsWithTheNeighbourKeepsTheSelectionAndStopsAtTheEnds)
{
    click("MoveUpBtn");
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    click("MoveDownBtn");
    EXPECT_EQ(names(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(dialog.selectedIndex(), 1);
    click("MoveDownBtn");
    click("MoveDownBtn");
    EXPECT_EQ(names(), QStringList({"B", "C", "A"}));
    EXPECT_EQ(dialog.selectedIndex(), 2);
    // The parts move with their names.
    EXPECT_EQ(dialog.templates().at(2), (UserTemplate{"A", "a1", "a2"}));
    click("OKBtn");
    EXPECT_EQ(names(), QStringList({"B", "C", "A"})) << "OK keeps the changes";
}

TEST_F(TemplateDialogTest, NewAndEditGoThroughTheEditDialogWithCrLfParts)
{
    answerEdit("Quote", "\\begin{quote}\n", "\n\\end{quote}");
    click("NewBtn");
    EXPECT_EQ(names(), QStringList({"A", "B", "C", "Quote"}));
    EXPECT_EQ(dialog.selectedIndex(), 3);
    EXPECT_EQ(dialog.templates().at(3), (UserTemplate{"Quote", "\\begin{quote}\r\n", "\r\n\\end{quote}"}));

    // Edit shows the entry's fields; Cancel in it changes nothing.
    onNextModal([](QDialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Edit Template"));
        EXPECT_EQ(d->findChild<QPlainTextEdit *>("Part2")->toPlainText(), QStringLiteral("\n\\end{quote}"));
        d->reject();
    });
    click("EditBtn");
    EXPECT_EQ(dialog.templates().at(3).part2, QStringLiteral("\r\n\\end{quote}"));

    answerEdit("Q", "q1", "q2");
    auto *list = dialog.findChild<QListWidget *>("TemplateList");
    const QPoint item = list->visualItemRect(list->item(3)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
    EXPECT_EQ(dialog.templates().at(3), (UserTemplate{"Q", "q1", "q2"}));

    answerEdit("Never", "x", "y", false);
    click("NewBtn");
    EXPECT_EQ(dialog.templates().size(), 4);
}

} // namespace
