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
