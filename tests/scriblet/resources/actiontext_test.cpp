// Menu and toolbar texts from the string table, and setting them again.
#include "resources/actiontext.h"

#include "common/commandids.h"
#include "resources/strings.h"
#include "testsupport.h"

#include <QAction>

namespace {

TEST(ActionText, SetsTextsFromNumbersAndSetsThemAgain)
{
    QAction a;
    ActionText::set(&a, Str::CapExit, Cmd::Exit);
    EXPECT_EQ(a.text(), QStringLiteral("&Beenden"));
    EXPECT_EQ(a.statusTip(), QString::fromUtf8("Verläßt die Anwendung."));
    EXPECT_EQ(a.toolTip(), QStringLiteral("Beenden"));
    // Without a prompt the caption serves as both tips.
    QAction b;
    ActionText::set(&b, Str::CapWordWrap);
    EXPECT_EQ(b.statusTip(), QStringLiteral("Zeilenumbruch"));
    EXPECT_EQ(b.toolTip(), QStringLiteral("Zeilenumbruch"));
    // A language switch sets the texts again from the numbers kept on the action.
    a.setText(QStringLiteral("Exit"));
    a.setStatusTip(QString());
    ActionText::retranslate(&a);
    EXPECT_EQ(a.text(), QStringLiteral("&Beenden"));
    EXPECT_EQ(a.statusTip(), QString::fromUtf8("Verläßt die Anwendung."));
}

} // namespace
