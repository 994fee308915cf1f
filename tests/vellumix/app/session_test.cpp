// The frame's remembered bounds against the screens there are now.
#include "vellumixfixture.h"

#include "app/session.h"
#include "app/tframeform.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

const QRect Primary(0, 0, 1920, 1050);
const QRect Right(1920, 0, 1280, 1000);

TEST(SessionBoundsTest, AWindowIsNeverLargerThanItsScreenNorOffEveryScreen)
{
    // Fits: kept as it is, on either screen.
    EXPECT_EQ(Session::boundedFrameGeometry({100, 50, 800, 600}, {Primary, Right}), QRect(100, 50, 800, 600));
    EXPECT_EQ(Session::boundedFrameGeometry({2000, 40, 900, 700}, {Primary, Right}), QRect(2000, 40, 900, 700));
    // A stored 100000 x 100000 window: as large as the screen it starts on.
    EXPECT_EQ(Session::boundedFrameGeometry({0, 0, 100000, 100000}, {Primary, Right}).size(), Primary.size());
    EXPECT_EQ(Session::boundedFrameGeometry({2000, 0, 100000, 100000}, {Primary, Right}).size(), Right.size());
    // The right screen is gone, or the window lies far away: back on the primary one.
    EXPECT_EQ(Session::boundedFrameGeometry({2000, 40, 900, 700}, {Primary}), QRect(10, 10, 900, 700));
    EXPECT_EQ(Session::boundedFrameGeometry({-30000, 90000, 800, 600}, {Primary, Right}), QRect(10, 10, 800, 600));
    // Only a sliver on the screen is as good as off it.
    EXPECT_EQ(Session::boundedFrameGeometry({1900, 1040, 800, 600}, {Primary}).topLeft(), QPoint(10, 10));
    // Too small to use: the smallest usable size.
    EXPECT_EQ(Session::boundedFrameGeometry({100, 100, 1, 1}, {Primary}).size(), QSize(200, 150));
}

class SessionFrameTest : public VellumixTest
{
};

TEST_F(SessionFrameTest, AHugeStoredWindowOpensWithinTheScreen)
{
    testsupport::writeFile(ini(), "[General]\nversion=61\n[WindowSize]\nleft=50000\ntop=-50000\nwidth=100000\nheight=100000\n");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect g = frame().geometry();
    EXPECT_LE(g.width(), screen.width());
    EXPECT_LE(g.height(), screen.height());
    EXPECT_TRUE(screen.intersects(g)) << g.x() << "," << g.y();
}

} // namespace
