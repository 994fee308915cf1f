// The built-in toolbar layout: the main toolbar's table and rows that fit.
#include "bars/toolbarlayout.h"

#include "common/commandids.h"
#include "testsupport.h"

namespace {

TEST(ToolbarLayout, MainToolbarEndsWithTheSevenBarToggles)
{
    const QList<int> &ids = ToolbarLayout::mainToolbar();
    ASSERT_GE(ids.size(), 8);
    EXPECT_EQ(ids.mid(ids.size() - 8),
              (QList<int>{ToolbarLayout::Separator, Cmd::ViewArrowsBar, Cmd::ViewBinaryOpsBar, Cmd::ViewAccentsBar,
                          Cmd::ViewRelationsBar, Cmd::ViewGreekBar, Cmd::ViewOtherSymbolsBar, Cmd::ViewMacroBar}));
}

TEST(ToolbarLayout, BuiltinBarsCarryTheirCommandsInOrder)
{
    using namespace Cmd;
    const BarButtons main = ToolbarLayout::builtin(BarMain);
    EXPECT_EQ(main.ids(), (QList<int>{FileNew, FileOpen, FileSave, SaveAll, EditCut, EditCopy, EditPaste, FilePrint,
                                      RunLatex, RunBibtex, RunDviViewer, RunDvips, RunPsViewer, ViewArrowsBar,
                                      ViewBinaryOpsBar, ViewAccentsBar, ViewRelationsBar, ViewGreekBar,
                                      ViewOtherSymbolsBar, ViewMacroBar}));
    // A separator stands before cut, print, LaTeX and the bar toggles.
    QList<int> grouped;
    for (const BarButton &b : main.buttons())
        if (b.group)
            grouped << b.id;
    EXPECT_EQ(grouped, (QList<int>{EditCut, FilePrint, RunLatex, ViewArrowsBar}));
    const BarButtons macros = ToolbarLayout::builtin(BarMacros);
    ASSERT_EQ(macros.size(), 10);
    EXPECT_EQ(macros.at(9).id, Macro1 + 9);
    EXPECT_EQ(macros.at(0).style, ButtonStyle::ImageAndText); // image and the macro's name
    EXPECT_EQ(ToolbarLayout::builtin(BarGreek).size(), 40);
    EXPECT_EQ(ToolbarLayout::builtin(BarGreek).at(0).style, ButtonStyle::Image);
    // The settings file numbers the bars in the order they are made.
    EXPECT_EQ(ToolbarLayout::barIndex(BarMain), 0);
    EXPECT_EQ(ToolbarLayout::barIndex(BarAccents), 2);
    EXPECT_EQ(ToolbarLayout::barIndex(BarMacros), 7);
    EXPECT_EQ(ToolbarLayout::barIndex(4711), -1);
}

TEST(ToolbarLayout, EachBarJoinsTheFirstRowWithRoom)
{
    using ToolbarLayout::rows;
    using Rows = QList<QList<int>>;
    EXPECT_EQ(rows({300, 800, 200, 700, 400}, 1000), (Rows{{0, 2, 4}, {1}, {3}}));
    EXPECT_EQ(rows({1200, 100}, 1000), (Rows{{0}, {1}})); // too wide: a row of its own
    EXPECT_EQ(rows({500, 500}, 1000), (Rows{{0, 1}}));
    EXPECT_TRUE(rows({}, 1000).isEmpty());
}

} // namespace
