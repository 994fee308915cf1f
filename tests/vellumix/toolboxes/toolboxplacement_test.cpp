// Where a toolbox appears when its stored place is on a screen, partly off, or gone.
#include "vellumixfixture.h"

#include "toolboxes/toolboxplacement.h"

#include <climits>

namespace {

TEST(ToolboxPlacementTest, StoredPlacesStayWhileTheTitleCanBeGrabbedElseTheyComeOntoTheFirstScreen)
{
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    const QSize box(126, 168);
    const struct {
        const char *what;
        QPoint stored;
        QPoint expected;
    } cases[] = {
        {"on the first screen", {600, 213}, {600, 213}},
        {"on the second screen", {1500, 100}, {1500, 100}},
        {"mostly off the right edge of the second", {2250, 100}, {2250, 100}},
        {"only 20 pixels on the second", {2284, 100}, {1280 - 126, 100}},
        {"below every screen", {300, 1100}, {300, 1024 - 168}},
        {"left of every screen", {-500, 40}, {0, 40}},
        {"where a screen used to be", {3000, 900}, {1280 - 126, 1024 - 168}},
        {"title bar above the screen", {100, -150}, {100, 0}},
        {"the largest integers", {INT_MAX, INT_MIN}, {1280 - 126, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ToolboxPlacement::onScreen(c.stored, box, screens), c.expected) << c.what;
}

TEST(ToolboxPlacementTest, StoredSizesAreLimitedToTheScreen)
{
    const QList<QRect> screens = {QRect(0, 0, 800, 600)};
    EXPECT_EQ(ToolboxPlacement::boundedSize({243, 217}, {60, 30}, screens), QSize(243, 217));
    EXPECT_EQ(ToolboxPlacement::boundedSize({-5, 0}, {60, 30}, screens), QSize(60, 30));
    EXPECT_EQ(ToolboxPlacement::boundedSize({100000, 700}, {60, 30}, screens), QSize(800, 600));
}

} // namespace
