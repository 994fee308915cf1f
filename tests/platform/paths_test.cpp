#include "platform/paths.h"
#include "testsupport.h"

#include <QDir>

using namespace Paths;

TEST(PathsTest, FileAndDirectoryParts)
{
    EXPECT_EQ(fileNamePart("/home/a/thesis.tex"), "thesis.tex");
    EXPECT_EQ(fileNamePart("C:\\doc\\thesis.tex"), "thesis.tex");
    EXPECT_EQ(fileNamePart("thesis.tex"), "thesis.tex");
    EXPECT_EQ(directoryPart("/home/a/thesis.tex"), "/home/a");
    EXPECT_EQ(directoryPart("kap\\eins.tex"), "kap");
    EXPECT_EQ(directoryPart("thesis.tex"), "");
    EXPECT_EQ(withTrailingSlash("/x"), "/x/");
    EXPECT_EQ(withTrailingSlash("/x/"), "/x/");
}

class SettingsDirTest : public testsupport::TempDirTest {};

TEST_F(SettingsDirTest, PrefersXdgConfigDirectoryAndCreatesIt)
{
    SettingsDirInputs in;
    in.xdgConfigHome = path("xdg");
    in.userProfile = path();
    in.programDir = "/opt/prog";
    EXPECT_EQ(scribletSettingsDir(in), path("xdg/Scriblet/"));
    EXPECT_TRUE(QDir(path("xdg/Scriblet")).exists());
    in.xdgConfigHome.clear();
    in.home = path("home");
    EXPECT_EQ(scribletSettingsDir(in), path("home/.config/Scriblet/"));
}

TEST_F(SettingsDirTest, FallsBackToUserProfileThenProgramDirectory)
{
    SettingsDirInputs in;
    in.xdgConfigHome = "/proc/not-writable"; // cannot be created
    in.userProfile = path() + "/";
    in.programDir = "/opt/prog";
    EXPECT_EQ(scribletSettingsDir(in), path() + "/");
    in.userProfile = path("missing");
    EXPECT_EQ(scribletSettingsDir(in), "/opt/prog/");
    in.userProfile.clear();
    EXPECT_EQ(scribletSettingsDir(in), "/opt/prog/");
}
