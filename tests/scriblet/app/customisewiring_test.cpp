// Toolbar customisation in the main window: the dialog, the bars in
// customisation mode, and the customised bars kept in the settings file.
#include "app/customisewiring.h"

#include "app/languagecommands.h"
#include "bars/ccustomisedlg.h"
#include "bars/toolbarlayout.h"
#include "common/commandids.h"
#include "editor/cshellview.h"
#include "editor/editorcommands.h"
#include "editor/macrofile.h"
#include "framefixture.h"
#include "resources/language.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QMdiArea>
#include <QWindow>
#include <QToolButton>

namespace {

class CustomiseTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        // A settings file of this version: nothing resets the bars.
        testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    }
    CCustomiseDlg *openCustomisation()
    {
        cmd(Cmd::Customize)->trigger();
        return CustomiseWiring::dialog(m_frame.get());
    }
    // The button menu's entry of the given name, triggered.
    void menuEntry(CCustomToolBar *b, int index, const QString &name)
    {
        QMenu *m = b->buttonMenu(index);
        QAction *a = m->findChild<QAction *>(name);
        ASSERT_NE(a, nullptr) << name.toStdString();
        a->trigger();
        delete m;
    }
    // A drop of a catalogue command onto a bar at the position of its button index.
    void dropCommand(CCustomToolBar *b, int id, int atIndex)
    {
        std::unique_ptr<QMimeData> mime(CCustomToolBar::mimeData(0, -1, {id, ButtonStyle::Image, false, {}}));
        const QPoint pos = b->buttonWidget(atIndex)->geometry().topLeft() + QPoint(1, 1);
        EXPECT_TRUE(b->drop(mime.get(), pos));
    }
    QString storedButtons(int barIndex) const
    {
        return m_settings->profile().getString(QStringLiteral("General Settings-Scriblet-%1").arg(barIndex),
                                               QStringLiteral("Buttons"), QStringLiteral("<none>"));
    }
};

TEST_F(CustomiseTest, HiddenMacroBarShowsWhileCustomisingAndHidesAgain)
{
    CMainFrame *f = makeFrame();
    f->show();
    cmd(Cmd::ViewMacroBar)->trigger();
    ASSERT_FALSE(bar(Cmd::BarMacros)->isVisible());
    EXPECT_EQ(cmd(Cmd::Customize)->text(), QStringLiteral("&Anpassen..."));

    CCustomiseDlg *dlg = openCustomisation();
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->isModal());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Symbolleiste / Makroleiste anpassen"));
    EXPECT_TRUE(bar(Cmd::BarMacros)->isVisible());
    for (int id : ToolbarLayout::barIds())
        EXPECT_TRUE(bar(id)->isCustomising()) << id;
    // A second "Anpassen" brings the same dialog forward.
    EXPECT_EQ(openCustomisation(), dlg);

    // A click runs nothing while customising.
    CCustomToolBar *main = bar(Cmd::BarMain);
    QToolButton *greek = main->buttonWidget(main->indexOfCommand(Cmd::ViewGreekBar));
    greek->click();
    QTest::mouseClick(greek, Qt::LeftButton);
    EXPECT_TRUE(bar(Cmd::BarGreek)->isVisible());

    dlg->close();
    QApplication::processEvents();
    EXPECT_EQ(CustomiseWiring::dialog(f), nullptr);
    EXPECT_FALSE(bar(Cmd::BarMacros)->isVisible());
    EXPECT_FALSE(main->isCustomising());
    QTest::mouseClick(main->buttonWidget(main->indexOfCommand(Cmd::ViewGreekBar)), Qt::LeftButton);
    EXPECT_FALSE(bar(Cmd::BarGreek)->isVisible());
}

TEST_F(CustomiseTest, CatalogueShowsTheCurrentNamesAndImagesOfMacrosAndTools)
{
    CMainFrame *f = makeFrame();
    MacroTable t = MacroTable::defaults();
    t.names[3] = QStringLiteral("Tabelle");
    ASSERT_TRUE(f->editorCommands()->applyMacros(t));
    m_settings->userTools[1].name = QStringLiteral("Ispell");
    CCustomiseDlg *dlg = openCustomisation();
    ASSERT_NE(dlg, nullptr);
    QListWidget *cats = dlg->categoryList();
    ASSERT_EQ(cats->count(), 7);
    EXPECT_EQ(cats->item(6)->text(), QStringLiteral("Benutzer-Makros"));
    cats->setCurrentRow(6);
    QListWidget *cmds = dlg->commandList();
    ASSERT_EQ(cmds->count(), 10);
    EXPECT_EQ(cmds->item(3)->text(), QStringLiteral("Tabelle"));
    EXPECT_FALSE(cmds->item(3)->icon().isNull());
    cats->setCurrentRow(5);
    EXPECT_EQ(cmds->item(1)->text(), QStringLiteral("Ispell"));
    EXPECT_FALSE(cmds->item(1)->icon().isNull());
    cats->setCurrentRow(0);
    EXPECT_EQ(cmds->count(), 12);
    EXPECT_FALSE(cmds->item(0)->text().contains(u'\t')); // no key text in the list

    // A language switch while the dialog is open says it all again, names kept.
    cats->setCurrentRow(6);
    ASSERT_TRUE(f->languageCommands()->switchTo(Language::English));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Customize Toolbar / Macro Bar"));
    EXPECT_EQ(cats->item(6)->text(), QStringLiteral("User Macros"));
    EXPECT_EQ(cats->currentRow(), 6);
    EXPECT_EQ(cmds->item(3)->text(), QStringLiteral("Tabelle"));
    ASSERT_TRUE(f->languageCommands()->switchTo(Language::German));
    EXPECT_EQ(cats->item(6)->text(), QStringLiteral("Benutzer-Makros"));
    dlg->close();
}

TEST_F(CustomiseTest, RemovedButtonStaysRemovedAfterARestart)
{
    makeFrame();
    openCustomisation();
    CCustomToolBar *main = bar(Cmd::BarMain);
    const int open = main->indexOfCommand(Cmd::FileOpen);
    ASSERT_GE(open, 0);
    menuEntry(main, open, QStringLiteral("buttonDelete"));
    EXPECT_EQ(main->indexOfCommand(Cmd::FileOpen), -1);
    CustomiseWiring::dialog(m_frame.get())->close();

    restartFrame();
    EXPECT_EQ(bar(Cmd::BarMain)->indexOfCommand(Cmd::FileOpen), -1);
    EXPECT_EQ(bar(Cmd::BarMain)->buttons().size(), ToolbarLayout::builtin(Cmd::BarMain).size() - 1);
    // Only the changed bar was written.
    EXPECT_NE(storedButtons(0), QStringLiteral("<none>"));
    for (int n = 1; n < 8; ++n)
        EXPECT_EQ(storedButtons(n), QStringLiteral("<none>")) << n;
    EXPECT_EQ(bar(Cmd::BarGreek)->buttons(), ToolbarLayout::builtin(Cmd::BarGreek));
}

TEST_F(CustomiseTest, UntouchedRunWritesNoButtons)
{
    makeFrame();
    openCustomisation()->close();
    restartFrame();
    EXPECT_FALSE(testsupport::readAll(ini()).contains("Buttons"));
    EXPECT_EQ(bar(Cmd::BarMain)->buttons(), ToolbarLayout::builtin(Cmd::BarMain));
}

TEST_F(CustomiseTest, DroppedLookAndGroupChangesAreKept)
{
    makeFrame()->show();
    QApplication::processEvents();
    openCustomisation();
    CCustomToolBar *main = bar(Cmd::BarMain);
    dropCommand(main, Cmd::UserTool1 + 2, 1);
    EXPECT_EQ(main->buttons().at(1).id, Cmd::UserTool1 + 2);
    EXPECT_EQ(main->buttons().at(2).id, Cmd::FileOpen);
    EXPECT_FALSE(main->buttonWidget(1)->icon().isNull()); // the tool's image from "ScribletTools.bmp"
    CCustomToolBar *macros = bar(Cmd::BarMacros);
    dropCommand(macros, Cmd::RunLatex, 0);
    EXPECT_EQ(macros->buttons().at(0).id, Cmd::RunLatex);

    menuEntry(main, 1, QStringLiteral("buttonText"));
    EXPECT_EQ(main->buttonWidget(1)->toolButtonStyle(), Qt::ToolButtonTextOnly);
    auto separators = [main] {
        const QList<QAction *> all = main->actions();
        return std::count_if(all.begin(), all.end(), [](QAction *a) { return a->isSeparator(); });
    };
    const auto before = separators();
    menuEntry(main, 1, QStringLiteral("buttonGroup"));
    EXPECT_TRUE(main->buttons().at(1).group);
    EXPECT_EQ(separators(), before + 1);
    main->setLookEditor([](QWidget *, BarButton *b) {
        b->caption = QStringLiteral("Rechtschreibung");
        b->style = ButtonStyle::ImageAndText;
        return true;
    });
    menuEntry(main, 1, QStringLiteral("buttonLook"));
    EXPECT_EQ(main->buttonWidget(1)->text(), QStringLiteral("Rechtschreibung"));
    CustomiseWiring::dialog(m_frame.get())->close();

    restartFrame();
    const BarButton kept = bar(Cmd::BarMain)->buttons().at(1);
    EXPECT_EQ(kept, (BarButton{Cmd::UserTool1 + 2, ButtonStyle::ImageAndText, true, QStringLiteral("Rechtschreibung")}));
    EXPECT_EQ(bar(Cmd::BarMacros)->buttons().at(0).id, Cmd::RunLatex);
}

// Buttons of macros and tools run them as the menu does; a command that no
// longer exists gives a disabled button.
TEST_F(CustomiseTest, MacroButtonRunsTheMacroAndAnUnknownCommandIsDisabled)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n"
                                  "[General Settings-Scriblet-0]\r\nButtons=1;33012,2,0;31999,0,0\r\n");
    CMainFrame *f = makeFrame();
    f->show();
    CCustomToolBar *main = bar(Cmd::BarMain);
    ASSERT_EQ(main->buttons().size(), 2);
    EXPECT_EQ(main->buttonWidget(0)->text(), QStringLiteral("Makro 3"));
    EXPECT_FALSE(main->buttonWidget(1)->isEnabled());
    EXPECT_EQ(main->buttonWidget(1)->text(), QStringLiteral("Befehl 31999 ist nicht mehr vorhanden"));
    QTest::mouseClick(main->buttonWidget(1), Qt::LeftButton); // nothing happens, nothing breaks

    CShellView *v = docs().newDocument();
    QTest::mouseClick(main->buttonWidget(0), Qt::LeftButton);
    EXPECT_EQ(v->toPlainText(), QStringLiteral("Makro 3"));
    // A renamed macro's button shows the new name at once.
    MacroTable t = MacroTable::defaults();
    t.names[2] = QStringLiteral("Bild");
    ASSERT_TRUE(f->editorCommands()->applyMacros(t));
    EXPECT_EQ(main->buttonWidget(0)->text(), QStringLiteral("Bild"));
}

TEST_F(CustomiseTest, ChangedVersionResetsOnlyTheMainToolbar)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=1.5\r\n"
                                  "[General Settings-Scriblet-0]\r\nButtons=1;57600,0,0\r\n"
                                  "[General Settings-Scriblet-1]\r\nButtons=1;32784,1,0\r\n");
    makeFrame();
    EXPECT_EQ(bar(Cmd::BarMain)->buttons(), ToolbarLayout::builtin(Cmd::BarMain));
    EXPECT_EQ(bar(Cmd::BarArrows)->buttons().ids(), QList<int>{32784});
}

TEST_F(CustomiseTest, MalformedValueGivesTheBuiltinBarAndIsKept)
{
    testsupport::writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n"
                                  "[General Settings-Scriblet-2]\r\nButtons=1;abc\r\n"
                                  "[General Settings-Scriblet-3]\r\nButtons=1;32818,0,1\r\n");
    makeFrame();
    EXPECT_EQ(bar(Cmd::BarAccents)->buttons(), ToolbarLayout::builtin(Cmd::BarAccents));
    EXPECT_EQ(bar(Cmd::BarBinaryOps)->buttons().ids(), QList<int>{32818});
    restartFrame();
    EXPECT_EQ(storedButtons(2), QStringLiteral("1;abc"));
    EXPECT_EQ(storedButtons(3), QStringLiteral("1;32818,0,1"));
}

} // namespace

namespace {

// A real drag with the mouse: a button dragged off its bar is removed. (The
// offscreen platform delivers no drop to a window, so drops onto bars are
// checked through CCustomToolBar::drop() above.)
TEST_F(CustomiseTest, ButtonDraggedOffItsBarWithTheMouseVanishes)
{
    CMainFrame *f = makeFrame();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    openCustomisation();
    CCustomToolBar *main = bar(Cmd::BarMain);
    QWindow *win = f->windowHandle();
    auto drag = [&](QToolButton *from, QPoint to) {
        const QPoint start = from->mapTo(f, from->rect().center());
        QTest::mousePress(from, Qt::LeftButton, Qt::NoModifier, from->rect().center());
        QTest::mouseMove(from, from->rect().center() + QPoint(20, 0));
        // The drag starts on the next turn of the event loop and runs its own;
        // the mouse is moved and released from inside it.
        QTimer::singleShot(50, f, [=] {
            QTest::mouseMove(win, start + QPoint(30, 0));
            QTest::mouseMove(win, to);
            QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, to);
        });
        QTest::qWait(300);
    };
    const int before = main->buttons().size();
    drag(main->buttonWidget(main->indexOfCommand(Cmd::FileOpen)), f->mdiArea()->geometry().center());
    EXPECT_EQ(main->indexOfCommand(Cmd::FileOpen), -1);
    EXPECT_EQ(main->buttons().size(), before - 1);

    // The press on "open" ran nothing: no open dialog came up.
    EXPECT_TRUE(m_prompter.dialogTitles.isEmpty());
}

} // namespace
