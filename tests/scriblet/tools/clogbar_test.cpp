// The log pane: text, caret, font, layout margins and its context menu.
#include "tools/clogbar.h"

#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QTextEdit>
#include <QTimer>

namespace {

TEST(CLogBar, StartsEmptyReadOnlyWithArial10)
{
    CLogBar bar;
    EXPECT_EQ(bar.objectName(), QStringLiteral("LogBar"));
    EXPECT_EQ(bar.windowTitle(), QStringLiteral("Logbereich")); // "LogBar" is only its object name
    QTextEdit *edit = bar.findChild<QTextEdit *>(QStringLiteral("LogEdit858"));
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(edit->font().pointSize(), 10);
    EXPECT_FALSE(edit->accessibleName().isEmpty());
}

TEST(CLogBar, SetTextReplacesAllAndPutsCaretAtStart)
{
    CLogBar bar;
    bar.setText(QStringLiteral("old text"));
    QString log;
    for (int i = 0; i < 2000; ++i)
        log += QStringLiteral("line %1 <b>not bold</b>\n").arg(i);
    bar.setText(log);
    EXPECT_EQ(bar.text(), log);
    EXPECT_EQ(bar.edit()->textCursor().position(), 0);
    EXPECT_FALSE(bar.edit()->textCursor().hasSelection());
}

TEST(CLogBar, MarginsFollowPlacement)
{
    EXPECT_EQ(CLogBar::marginsFor(CLogBar::Placement::Floating), QMargins(5, 5, 5, 5));
    EXPECT_EQ(CLogBar::marginsFor(CLogBar::Placement::TopOrBottom), QMargins(17, 5, 8, 12));
    EXPECT_EQ(CLogBar::marginsFor(CLogBar::Placement::LeftOrRight), QMargins(5, 20, 12, 9));

    QMainWindow frame;
    auto *bar = new CLogBar(&frame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, bar);
    frame.resize(600, 400);
    frame.show();
    EXPECT_EQ(bar->placement(), CLogBar::Placement::TopOrBottom);
    EXPECT_EQ(bar->widget()->layout()->contentsMargins(), QMargins(17, 5, 8, 12));
    frame.addDockWidget(Qt::LeftDockWidgetArea, bar);
    EXPECT_EQ(bar->placement(), CLogBar::Placement::LeftOrRight);
    EXPECT_EQ(bar->widget()->layout()->contentsMargins(), QMargins(5, 20, 12, 9));
    bar->setFloating(true);
    EXPECT_EQ(bar->widget()->layout()->contentsMargins(), QMargins(5, 5, 5, 5));
}

TEST(CLogBar, ToggleAndContextMenu)
{
    QMainWindow frame;
    auto *bar = new CLogBar(&frame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, bar);
    frame.show();
    QAction *toggle = bar->toggleAction();
    EXPECT_EQ(toggle->objectName(), QStringLiteral("cmd32998"));
    EXPECT_EQ(toggle->property("commandId").toInt(), 32998);
    EXPECT_EQ(toggle->text(), QStringLiteral("&Logbereich"));
    EXPECT_EQ(toggle->toolTip(), QStringLiteral("Logbereich ein-/ausschalten"));
    EXPECT_TRUE(toggle->isCheckable());
    EXPECT_TRUE(toggle->isChecked());

    bar->setText(QStringLiteral("kept"));
    toggle->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->text(), QStringLiteral("kept"));

    QAction project(QStringLiteral("&Projektbereich"));
    project.setObjectName(QStringLiteral("cmd33071"));
    bar->setProjectToggle(&project);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        EXPECT_EQ(menu->objectName(), QStringLiteral("Menu814"));
        for (QAction *a : menu->actions())
            seen << a->objectName();
        menu->close();
    });
    bar->showContextMenu(bar->mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(seen, QStringList({"cmd33071", "cmd32998"}));
}

} // namespace
