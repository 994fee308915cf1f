// The tool settings against the settings file.
#include "tools/toolsettings.h"

#include "platform/profile.h"
#include "testsupport.h"

namespace {

class ToolSettingsTest : public testsupport::TempDirTest {};

TEST_F(ToolSettingsTest, MissingFileGivesDefaults)
{
    Profile p(path("Scriblet.ini"));
    ToolSettings s;
    s.readTools(p, QStringLiteral("xdvi"), QStringLiteral("gv"));
    s.readMainDocument(p);
    EXPECT_EQ(s, ToolSettings::defaults(QStringLiteral("xdvi"), QStringLiteral("gv")));
    EXPECT_EQ(s.tex.exe, QStringLiteral("latex"));
    EXPECT_EQ(s.dvips.cmd, QStringLiteral("-D600 %s"));
    EXPECT_EQ(s.user[0].name, QStringLiteral("Tool 1"));
    EXPECT_EQ(s.user[9].cmd, QStringLiteral("Cmd 10"));
    EXPECT_EQ(s.mainpath, QStringLiteral("."));
    EXPECT_TRUE(s.maintex.isEmpty());
}

TEST_F(ToolSettingsTest, WritesEveryToolKeyAndReadsThemBack)
{
    Profile p(path("Scriblet.ini"));
    ToolSettings s = ToolSettings::defaults(QStringLiteral("xdvi"), QStringLiteral("gv"));
    s.tex.cmd = QStringLiteral("-interaction=nonstopmode %s");
    s.ghostview.rundvips = 0;
    s.user[3] = {QStringLiteral("PDF"), QStringLiteral("dvipdfm"), QStringLiteral("%s"), 0, 1};
    ASSERT_TRUE(s.writeToolKeys(p));

    const QByteArray file = testsupport::readAll(path("Scriblet.ini"));
    EXPECT_TRUE(file.startsWith("[BibTeX Settings]\r\nexe=bibtex\r\ncmd=%s\r\nruntex=1\r\n")) << file.constData();
    EXPECT_EQ(Profile(path("Scriblet.ini")).sections(),
              QStringList({"BibTeX Settings", "TeX Settings", "DVIWin Settings", "DVIPS Settings",
                           "GhostView Settings", "UserTools Settings"}));
    EXPECT_TRUE(file.contains("[UserTools Settings]\r\nname0=Tool 1\r\nexe0=Exe 1\r\ncmd0=Cmd 1\r\nrundvips0=1\r\nruntex0=1\r\n"));
    EXPECT_TRUE(file.contains("name3=PDF\r\nexe3=dvipdfm\r\ncmd3=%s\r\nrundvips3=1\r\nruntex3=0\r\n"));
    EXPECT_TRUE(file.contains("rundvips9=1\r\nruntex9=1\r\n"));
    EXPECT_FALSE(file.contains("maintex"));

    ToolSettings back;
    back.readTools(Profile(path("Scriblet.ini")), QStringLiteral("other"), QStringLiteral("other"));
    EXPECT_EQ(back, s);
}

TEST_F(ToolSettingsTest, NonNumericFlagReadsZero)
{
    testsupport::writeFile(path("Scriblet.ini"), "[BibTeX Settings]\nruntex=yes\n[UserTools Settings]\nRUNTEX2=7x\n");
    ToolSettings s;
    s.readTools(Profile(path("Scriblet.ini")), QStringLiteral("xdvi"), QStringLiteral("gv"));
    EXPECT_EQ(s.bibtex.runtex, 0);
    EXPECT_EQ(s.user[2].runtex, 7);
}

} // namespace
