#include "platform/associations.h"
#include "testsupport.h"

TEST(AssociationsTest, ExecFirstTokenOfDesktopEntry)
{
    EXPECT_EQ(Associations::execFirstToken("[Desktop Entry]\nName=Viewer\nExec=okular %U\n"), "okular");
    EXPECT_EQ(Associations::execFirstToken("[Desktop Entry]\nExec=\"/opt/my viewer/bin/v\" --x %f\n"),
              "/opt/my viewer/bin/v");
    EXPECT_EQ(Associations::execFirstToken("[Other]\nExec=nope\n[Desktop Entry]\nName=x\n"), "");
}

class DefaultViewerTest : public testsupport::TempDirTest {};

TEST_F(DefaultViewerTest, UsesTheDesktopAssociationElseTheFallback)
{
    if (!testsupport::haveProgram("xdg-mime"))
        GTEST_SKIP() << "xdg-mime not installed";
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
    // Nothing registered: the fallback.
    EXPECT_EQ(Associations::defaultViewer("application/x-test-none", "fallback"), "fallback");
    testsupport::writeFile(path("data/applications/myview.desktop"),
                           "[Desktop Entry]\nType=Application\nName=My\nExec=myview --page %f\nMimeType=application/x-dvi;\n");
    testsupport::writeFile(path(".config/mimeapps.list"), "[Default Applications]\napplication/x-dvi=myview.desktop\n");
    EXPECT_EQ(Associations::defaultViewer("application/x-dvi", "xdvi"), "myview");
    qputenv("XDG_DATA_HOME", oldData);
}
