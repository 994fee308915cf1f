// The settings record and the settings file of the frame.
#include "common/classformats.h"
#include "common/vellumixsettings.h"
#include "platform/hostprocess.h"
#include "programcalls/commandline.h"
#include "platform/profile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using testsupport::readAll;
using testsupport::writeFile;

class SettingsTest : public testsupport::TempDirTest {};

TEST_F(SettingsTest, PreviewDefaultNamesAViewerThisHostHas)
{
    // A fresh settings file: the viewer of the default Preview exists here.
    VellumixSettings fresh;
    fresh.read(Profile(path("none.ini")));
    PlaceholderContext ctx;
    ctx.mainFile = "/d/paper.tex";
    const CommandLine preview = CommandLine::fromTemplate(fresh.templates.preview, ctx);
    EXPECT_FALSE(HostProcess::findProgram(preview.program).isEmpty()) << preview.program.toStdString();
    EXPECT_EQ(preview.arguments, QStringList({"/d/paper.dvi"}));
    EXPECT_EQ(ProgramTemplates::previewWith("/opt/my viewer/dvi"), "\"/opt/my viewer/dvi\" \"%P%F.dvi\"");

    // The Windows release's default that a settings file still holds gives way (no
    // yap here); the user's own template stays.
    if (!HostProcess::findProgram("yap").isEmpty())
        GTEST_SKIP() << "this host has a yap";
    writeFile(path("old.ini"), "[TeX]\r\nPreview=yap -1 -s %l%f%e \"%P%F.dvi\"\r\n");
    writeFile(path("own.ini"), "[TeX]\r\nPreview=yap -s \"%P%F.dvi\"\r\n");
    VellumixSettings old, own;
    old.read(Profile(path("old.ini")));
    own.read(Profile(path("own.ini")));
    EXPECT_EQ(old.templates.preview, ProgramTemplates::hostPreview());
    EXPECT_EQ(own.templates.preview, "yap -s \"%P%F.dvi\"");
}

TEST_F(SettingsTest, MissingFileGivesEveryDefault)
{
    VellumixSettings s;
    s.read(Profile(path("none.ini")));
    EXPECT_EQ(s, VellumixSettings());
    EXPECT_EQ(s.version, 0);
    EXPECT_FALSE(s.wordWrap);
    EXPECT_TRUE(s.statusBar && s.speedBar && s.windowBar);
    EXPECT_FALSE(s.lineSpecials);
    EXPECT_TRUE(s.createBackup && s.syntaxColoring);
    EXPECT_EQ(s.templates.compile, QStringLiteral("latex --src-specials %F.tex"));
    EXPECT_EQ(s.templates.logFile, QStringLiteral("%P%F.log"));
    EXPECT_EQ(s.templates.preview, ProgramTemplates::hostPreview());
    EXPECT_EQ(s.backgroundColor, 0x80000005u);
    EXPECT_EQ(s.height, 450);
    EXPECT_EQ(s.width, 600);
    EXPECT_EQ(s.left, 10);
    EXPECT_EQ(s.top, 10);
    EXPECT_EQ(s.windowState, QStringLiteral("wsNormal"));
    for (int i = 0; i < TokenClassCount; ++i) {
        EXPECT_EQ(s.fonts[i].face, QStringLiteral("System"));
        EXPECT_EQ(s.fonts[i].size, 12);
        EXPECT_FALSE(s.fonts[i].bold || s.fonts[i].italic || s.fonts[i].underline || s.fonts[i].strikeOut);
    }
    EXPECT_EQ(colorToWin(s.fonts[int(TokenClass::Standard)].color), 0u);
    EXPECT_EQ(colorToWin(s.fonts[int(TokenClass::Comment)].color), 0x008000u);
    EXPECT_EQ(colorToWin(s.fonts[int(TokenClass::TexCommand)].color), 0x0000FFu);
    EXPECT_EQ(s.fonts[int(TokenClass::TexCommand)].color, QColor(Qt::red));
    EXPECT_EQ(s.toolboxes.templWidth, 243);
    EXPECT_EQ(s.toolboxes.greekLeft, 600);
}

TEST_F(SettingsTest, ReadsTheKeysWithTheirPrefixes)
{
    writeFile(path("v.ini"), "[View]\r\ncommentfontName=Mono\r\ncommentfontSize=9\r\n"
                             "commentfontColor=16711680\r\ncommentfontStyle=fsItalicfsBold\r\n"
                             "fontStyle=fsUnderlinefsStrikeout\r\nWindowBar=0\r\nbackgroundColor=255\r\n"
                             "[TeX]\r\nCompile=pdflatex %F\r\n[Options]\r\nspellChecker=ispell -a\r\n");
    VellumixSettings s;
    s.read(Profile(path("v.ini")));
    const ClassFont &c = s.fonts[int(TokenClass::Comment)];
    EXPECT_EQ(c.face, QStringLiteral("Mono"));
    EXPECT_EQ(c.size, 9);
    EXPECT_EQ(c.color, QColor(0, 0, 255));
    EXPECT_TRUE(c.bold);
    EXPECT_TRUE(c.italic);
    EXPECT_FALSE(c.underline);
    const ClassFont &std0 = s.fonts[0];
    EXPECT_TRUE(std0.underline && std0.strikeOut);
    EXPECT_FALSE(std0.bold || std0.italic);
    EXPECT_FALSE(s.windowBar);
    EXPECT_EQ(s.backgroundColor, 255u);
    EXPECT_EQ(s.templates.compile, QStringLiteral("pdflatex %F"));
    EXPECT_EQ(s.spellChecker, QStringLiteral("ispell -a"));
}

VellumixSettings changedSettings()
{
    VellumixSettings s;
    s.wordWrap = true;
    s.statusBar = false;
    s.speedBar = false;
    s.windowBar = false;
    s.fonts[3].face = QStringLiteral("DejaVu Sans Mono");
    s.fonts[3].size = 17;
    s.fonts[3].color = QColor(1, 2, 3);
    s.fonts[3].bold = true;
    s.fonts[3].strikeOut = true;
    s.fonts[6].italic = true;
    s.fonts[6].underline = true;
    s.backgroundColor = 0x00C0FFEEu;
    s.lineSpecials = true;
    s.createBackup = false;
    s.syntaxColoring = false;
    s.spellChecker = QStringLiteral("ispell -d american");
    s.templates.compile = QStringLiteral("pdflatex \"%M\"");
    s.templates.logFile = QStringLiteral("%m.log");
    s.templates.preview = QStringLiteral("xdvi %m.dvi");
    s.recent = {QStringLiteral("/a/x y.tex"), QStringLiteral("/b/z.tex")};
    s.height = 500;
    s.width = 700;
    s.left = -20;
    s.top = 33;
    s.childWindows = {{2, 1, 2, 300, 400, 17, QStringLiteral("/a/x y.tex")},
                      {1, 5, 6, 7, 8, 0, QStringLiteral("/b/z.tex")}};
    s.wasMaximized = true;
    s.mainFile = QStringLiteral("/a/x y.tex");
    s.toolboxes.mathBoxVisible = true;
    s.toolboxes.templHeight = 99;
    return s;
}

TEST_F(SettingsTest, WriteAtExitThenReadGivesTheSame)
{
    const VellumixSettings s = changedSettings();
    Profile file(path("round.ini"));
    ASSERT_TRUE(s.writeAtExit(file, 61));
    VellumixSettings back;
    back.read(Profile(path("round.ini")));
    EXPECT_EQ(back.version, 61);
    back.version = s.version;
    EXPECT_EQ(back, s);
}

TEST_F(SettingsTest, SystemBackgroundColourRoundTrips)
{
    VellumixSettings s;
    Profile file(path("bg.ini"));
    ASSERT_TRUE(s.writeAtExit(file, 61));
    EXPECT_EQ(file.getString(QStringLiteral("View"), QStringLiteral("backgroundColor")),
              QString::number(int(0x80000005u)));
    VellumixSettings back;
    back.read(file);
    EXPECT_EQ(back.backgroundColor, 0x80000005u);
}

TEST_F(SettingsTest, ExitWritesInOrderAndTheFixedKeys)
{
    VellumixSettings s = changedSettings();
    s.fonts[int(TokenClass::Comment)].bold = true;
    Profile file(path("order.ini"));
    ASSERT_TRUE(s.writeAtExit(file, 61));
    EXPECT_EQ(file.sections(), QStringList({"Options", "View", "TeX", "WindowSize", "General", "Recent",
                                            "ChildState", "ChildWindows", "MainFile", "Toolboxes"}));
    EXPECT_EQ(file.getString(QStringLiteral("View"), QStringLiteral("commentfontStyle")),
              QStringLiteral("fsBoldfsItalicfsUnderline"));
    EXPECT_EQ(file.getString(QStringLiteral("Recent"), QStringLiteral("9")), QString());
    EXPECT_TRUE(file.hasKey(QStringLiteral("Recent"), QStringLiteral("9")));
    EXPECT_EQ(file.getString(QStringLiteral("ChildWindows"), QStringLiteral("name1")), QStringLiteral("/b/z.tex"));
    const QList<QByteArray> child = file.sectionLines(QStringLiteral("ChildWindows"));
    ASSERT_EQ(child.size(), 14);
    EXPECT_EQ(child.first(), QByteArray("state0=2"));
    EXPECT_EQ(child.at(6), QByteArray("name0=/a/x y.tex"));
}

TEST_F(SettingsTest, MaximisedFrameKeepsTheOldBounds)
{
    writeFile(path("max.ini"), "[WindowSize]\r\nheight=1\r\nwidth=2\r\nleft=3\r\ntop=4\r\n");
    VellumixSettings s;
    s.windowState = QStringLiteral("wsMaximized");
    Profile file(path("max.ini"));
    ASSERT_TRUE(s.writeAtExit(file, 61));
    VellumixSettings back;
    back.read(file);
    EXPECT_EQ(back.windowState, QStringLiteral("wsMaximized"));
    EXPECT_EQ(back.height, 1);
    EXPECT_EQ(back.top, 4);
}

TEST_F(SettingsTest, ExitReplacesTheOldChildWindowsAndKeepsForeignSections)
{
    writeFile(path("c.ini"), "; keep me\r\n[Document]\r\nclass=article\r\n[ChildWindows]\r\n"
                             "state0=0\r\nname0=/old.tex\r\nname5=/x.tex\r\n");
    VellumixSettings s;
    Profile file(path("c.ini"));
    ASSERT_TRUE(s.writeAtExit(file, 61));
    EXPECT_FALSE(file.hasKey(QStringLiteral("ChildWindows"), QStringLiteral("name0")));
    EXPECT_FALSE(file.hasKey(QStringLiteral("ChildWindows"), QStringLiteral("name5")));
    EXPECT_EQ(file.getString(QStringLiteral("Document"), QStringLiteral("class")), QStringLiteral("article"));
    EXPECT_TRUE(readAll(path("c.ini")).startsWith("; keep me\r\n"));
}

TEST_F(SettingsTest, OldProgramVersionMigratesTheButtons)
{
    writeFile(path("b.ini"), "[Buttons]\r\nMine=$my hint$mycmd %F\r\n");
    VellumixSettings s;
    Profile file(path("b.ini"));
    ASSERT_TRUE(s.writeAtExit(file, 0));
    EXPECT_EQ(file.sectionKeys(QStringLiteral("Buttons")), QStringList({"Save", "TeX", "Log", "Preview", "Mine"}));
    EXPECT_EQ(file.getString(QStringLiteral("Buttons"), QStringLiteral("Log")), QStringLiteral("<showlog>$Show Log file$"));
    EXPECT_EQ(file.getString(QStringLiteral("Buttons"), QStringLiteral("Mine")), QStringLiteral("$my hint$mycmd %F"));
    // A second exit with the same old program file does not duplicate anything.
    ASSERT_TRUE(s.writeAtExit(file, 0));
    EXPECT_EQ(file.sectionLines(QStringLiteral("Buttons")).size(), 5);
}

TEST_F(SettingsTest, NewPerUserFileGetsTheButtonsAndExternalPrograms)
{
    VellumixSettings s;
    s.buttons = {{QStringLiteral("B1"), QStringLiteral("<new>$New$")}};
    s.externalPrograms = {{QStringLiteral("Viewer"), QStringLiteral("xdvi %m.dvi")}};
    Profile fresh(path("user.ini"));
    ASSERT_TRUE(s.writeAtExit(fresh, 61));
    EXPECT_EQ(fresh.getString(QStringLiteral("Buttons"), QStringLiteral("B1")), QStringLiteral("<new>$New$"));
    EXPECT_EQ(fresh.getString(QStringLiteral("External Programs"), QStringLiteral("Viewer")), QStringLiteral("xdvi %m.dvi"));

    // A file already at the current version keeps its own lists.
    writeFile(path("cur.ini"), "[General]\r\nversion=61\r\n");
    Profile current(path("cur.ini"));
    ASSERT_TRUE(s.writeAtExit(current, 61));
    EXPECT_FALSE(current.hasSection(QStringLiteral("Buttons")));
}

struct MalformedRow {
    const char *name;
    QByteArray content;
};

class MalformedSettings : public SettingsTest, public ::testing::WithParamInterface<MalformedRow> {};

TEST_P(MalformedSettings, UnreadableKeysKeepDefaultsAndNothingCrashes)
{
    writeFile(path("bad.ini"), GetParam().content);
    VellumixSettings s;
    s.read(Profile(path("bad.ini")));
    EXPECT_GT(s.fonts[0].size, 0);
    EXPECT_LE(s.fonts[0].size, 1638);
    EXPECT_FALSE(s.fonts[0].face.isEmpty());
    EXPECT_LE(s.recent.size(), 10);
    // Whatever was read can be written again.
    Profile out(path("out.ini"));
    EXPECT_TRUE(s.writeAtExit(out, 61));
}

QByteArray hugeChildWindows()
{
    QByteArray b = "[ChildWindows]\r\n";
    for (int i = 0; i < 30000; ++i)
        b += "name" + QByteArray::number(i) + "=/x" + QByteArray::number(i) + ".tex\r\n";
    return b;
}

QByteArray binaryGarbage()
{
    QByteArray b;
    for (int i = 0; i < 4096; ++i)
        b.append(char((i * 7919) & 0xFF));
    return b;
}

const MalformedRow malformedRows[] = {
    {"Empty", ""},
    {"NoSections", "fontSize=abc\r\nversion=61\r\n"},
    {"GarbageNumbers", "[View]\r\nfontSize=abc\r\nfontName=\r\nfontColor=zz\r\n[WindowSize]\r\nheight=x\r\n"},
    {"HugeNumbers", "[View]\r\nfontSize=99999999999999\r\n[WindowSize]\r\nwidth=2147483647\r\n"},
    {"NegativeSize", "[View]\r\nfontSize=-5\r\n"},
    {"HugeValue", "[TeX]\r\nCompile=" + QByteArray(200000, 'x') + "\r\n"},
    {"BrokenHeaders", "[View\r\n]]]\r\n=novalue\r\n[ChildWindows]\r\nname0\r\n=\r\n"},
    {"ManyRecent", "[Recent]\r\n0=a\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n6=f\r\n7=g\r\n8=h\r\n9=i\r\n10=j\r\n"},
    {"Binary", binaryGarbage()},
    {"HugeChildWindows", hugeChildWindows()},
    {"DuplicateKeys", "[Buttons]\r\nA=1\r\na=2\r\n[ChildWindows]\r\nname0=/a\r\nNAME0=/b\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Rows, MalformedSettings, ::testing::ValuesIn(malformedRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsTest, ChildWindowsAreCountedBySevenLines)
{
    writeFile(path("cw.ini"), "[ChildWindows]\r\nstate0=0\r\ntop0=1\r\nleft0=2\r\nheight0=3\r\nwidth0=4\r\npos0=5\r\n"
                              "name0=/a.tex\r\nname1=/b.tex\r\n");
    VellumixSettings s;
    s.read(Profile(path("cw.ini")));
    ASSERT_EQ(s.childWindows.size(), 1);
    EXPECT_EQ(s.childWindows[0], (ChildWindowRecord{0, 1, 2, 3, 4, 5, QStringLiteral("/a.tex")}));
}

TEST_F(SettingsTest, ListsKeepFileOrderAndTheFirstOfDuplicateKeys)
{
    writeFile(path("l.ini"), "[Buttons]\r\nZed=<new>\r\nalpha = $a$ b \r\nnoequals\r\nZED=2\r\n");
    VellumixSettings s;
    s.read(Profile(path("l.ini")));
    ASSERT_EQ(s.buttons.size(), 2);
    EXPECT_EQ(s.buttons[0], (NamedValue{QStringLiteral("Zed"), QStringLiteral("<new>")}));
    EXPECT_EQ(s.buttons[1], (NamedValue{QStringLiteral("alpha"), QStringLiteral("$a$ b")}));
}

TEST(FontStyle, WordsAreFoundAnywhereAndWrittenInFixedOrder)
{
    ClassFont f;
    applyFontStyleText(f, QStringLiteral("fsItalicfsBold"));
    EXPECT_TRUE(f.bold);
    EXPECT_TRUE(f.italic);
    EXPECT_EQ(fontStyleText(f), QStringLiteral("fsBoldfsItalic"));
    applyFontStyleText(f, QStringLiteral("fsStrikeout, fsUnderline"));
    EXPECT_EQ(fontStyleText(f), QStringLiteral("fsUnderlinefsStrikeout"));
    applyFontStyleText(f, QString());
    EXPECT_EQ(fontStyleText(f), QString());
}

TEST(FontStyle, PreparedFormatCarriesFaceSizeColourAndStyles)
{
    ClassFont f;
    f.face = QStringLiteral("Mono");
    f.size = 11;
    f.color = QColor(10, 20, 30);
    f.bold = true;
    f.strikeOut = true;
    const QTextCharFormat c = ClassFormats::formatFor(f, TokenClass::Comment);
    EXPECT_EQ(c.fontFamilies().toStringList(), QStringList{QStringLiteral("Mono")});
    EXPECT_EQ(c.fontPointSize(), 11.0);
    EXPECT_EQ(c.foreground().color(), QColor(10, 20, 30));
    EXPECT_EQ(c.fontWeight(), QFont::Bold);
    EXPECT_TRUE(c.fontStrikeOut());
    EXPECT_FALSE(c.fontItalic());
    EXPECT_EQ(ClassFormats::classOf(c), TokenClass::Comment);
}

} // namespace
