// Scriblet's settings file: defaults, read rules and the writes of each setting.
#include "common/cshellsettings.h"

#include "resources/strings.h"
#include "testsupport.h"

#include <QDir>

namespace {

class ShellSettingsTest : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    std::unique_ptr<CShellSettings> make()
    {
        auto s = std::make_unique<CShellSettings>(path(QStringLiteral("cfg")));
        s->dviViewerLookup = [] { return QStringLiteral("myxdvi"); };
        s->psViewerLookup = [] { return QStringLiteral("mygv"); };
        return s;
    }
    QString ini() { return path(QStringLiteral("cfg/Scriblet.ini")); }
    void writeIni(const QByteArray &text) { testsupport::writeFile(ini(), text); }
    QString m_oldCwd;
};

TEST_F(ShellSettingsTest, FreshDirectoryGivesEveryDefault)
{
    auto s = make();
    EXPECT_EQ(s->settingsDir(), path(QStringLiteral("cfg/")));
    EXPECT_TRUE(s->readAll()); // no version stored: counts as a change

    EXPECT_EQ(s->bibtex, (ToolSettings{QStringLiteral("bibtex"), QStringLiteral("%s"), 1, 1}));
    EXPECT_EQ(s->tex.exe, QStringLiteral("latex"));
    EXPECT_EQ(s->tex.cmd, QStringLiteral("%s"));
    EXPECT_EQ(s->dviViewer.exe, QStringLiteral("myxdvi"));
    EXPECT_EQ(s->dviViewer.cmd, QStringLiteral("%s"));
    EXPECT_EQ(s->dviViewer.runtex, 1);
    EXPECT_EQ(s->dvips.exe, QStringLiteral("dvips"));
    EXPECT_EQ(s->dvips.cmd, QStringLiteral("-D600 %s"));
    EXPECT_EQ(s->psViewer.exe, QStringLiteral("mygv"));
    EXPECT_EQ(s->psViewer.rundvips, 1);
    EXPECT_EQ(s->psViewer.runtex, 1);
    EXPECT_EQ(s->mainTex(), QString());
    EXPECT_EQ(s->mainPath(), QStringLiteral("."));

    EXPECT_EQ(s->umlauts[UmlautAe], QStringLiteral("\"a"));
    EXPECT_EQ(s->umlauts[UmlautOeCap], QStringLiteral("\"O"));
    EXPECT_EQ(s->umlauts[UmlautSz], QStringLiteral("\"s"));

    EXPECT_EQ(s->syntaxHighlighting, 0);
    EXPECT_EQ(s->colours[ColourCurlyBraces], 255u);
    EXPECT_EQ(s->colours[ColourSquareBrackets], 65280u);
    EXPECT_EQ(s->colours[ColourComment], 12632256u);
    EXPECT_EQ(s->colours[ColourNormalText], 0u);
    EXPECT_EQ(s->colours[ColourMathMode], 16711935u);
    EXPECT_EQ(s->colours[ColourCommands], 16711680u);
    EXPECT_EQ(s->colours[ColourBackground], 16777215u);
    EXPECT_EQ(s->wrapMode, 0);

    EXPECT_EQ(s->userTools[0], (UserToolSettings{QStringLiteral("Tool 1"), QStringLiteral("Exe 1"),
                                                 QStringLiteral("Cmd 1"), 1, 1}));
    EXPECT_EQ(s->userTools[9].name, QStringLiteral("Tool 10"));
    EXPECT_EQ(s->userTools[9].cmd, QStringLiteral("Cmd 10"));

    EXPECT_TRUE(s->hasFont());
    EXPECT_EQ(s->font, EditorFont());
    EXPECT_EQ(s->font.faceName, QStringLiteral("Courier New"));
    EXPECT_EQ(s->dviChanged, 1);

    // Only the version check wrote anything: no tool section exists yet.
    const QByteArray file = testsupport::readAll(ini());
    EXPECT_TRUE(file.contains("Version=2.0r\r\n"));
    EXPECT_FALSE(file.contains("TeX Settings"));
    EXPECT_FALSE(file.contains("UserTools"));
    EXPECT_FALSE(file.contains("[Font]"));
}

TEST_F(ShellSettingsTest, StoredValuesAreReadVerbatimAndCaseInsensitive)
{
    writeIni("[tex settings]\r\nEXE=pdflatex\r\ncmd=-interaction=nonstopmode %s ; x\r\n"
             "maintex=thesis.tex\r\nmainpath=/tmp\r\n"
             "[UserTools Settings]\r\nname3=Make\r\nruntex3=abc\r\nrundvips3=0\r\n"
             "[Farben]\r\nSyntax Highlightning=1\r\nHintergrund=42\r\n"
             "[General]\r\nWrapMode=1\r\nVersion=2.0r\r\n"
             "[Umlaute]\r\nsz=\\ss{}\r\n");
    auto s = make();
    EXPECT_FALSE(s->readAll());
    EXPECT_EQ(s->tex.exe, QStringLiteral("pdflatex"));
    EXPECT_EQ(s->tex.cmd, QStringLiteral("-interaction=nonstopmode %s ; x"));
    EXPECT_EQ(s->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(s->mainPath(), QStringLiteral("/tmp"));
    EXPECT_EQ(s->userTools[3].name, QStringLiteral("Make"));
    EXPECT_EQ(s->userTools[3].runtex, 0); // not a number reads 0
    EXPECT_EQ(s->userTools[3].rundvips, 0);
    EXPECT_EQ(s->userTools[2].name, QStringLiteral("Tool 3"));
    EXPECT_EQ(s->syntaxHighlighting, 1);
    EXPECT_EQ(s->colours[ColourBackground], 42u);
    EXPECT_EQ(s->wrapMode, 1);
    EXPECT_EQ(s->umlauts[UmlautSz], QStringLiteral("\\ss{}"));
}

TEST_F(ShellSettingsTest, VersionChangeEmptiesMainToolbarButtons)
{
    writeIni("[General]\r\nVersion=1.9\r\n[General Settings-Scriblet-0]\r\nButtons=1,2,3\r\n"
             "[General Settings-Scriblet-1]\r\nButtons=4,5\r\n");
    auto s = make();
    EXPECT_TRUE(s->checkVersion());
    EXPECT_EQ(s->profile().getString(ShellIni::MainToolbarSection, QStringLiteral("Buttons"), QStringLiteral("x")),
              QString());
    EXPECT_EQ(s->profile().getString(QStringLiteral("General Settings-Scriblet-1"), QStringLiteral("Buttons")),
              QStringLiteral("4,5"));
    EXPECT_EQ(s->storedVersion(), QStringLiteral("2.0r"));

    // A second start with the current version keeps the buttons.
    s->profile().writeString(ShellIni::MainToolbarSection, QStringLiteral("Buttons"), QStringLiteral("7"));
    auto again = make();
    EXPECT_FALSE(again->checkVersion());
    EXPECT_EQ(again->profile().getString(ShellIni::MainToolbarSection, QStringLiteral("Buttons")),
              QStringLiteral("7"));
}

TEST_F(ShellSettingsTest, FontWithHeightZeroKeepsDefaultAndWritesNothing)
{
    writeIni("[Font]\r\nHeight=0\r\nFaceName=Arial\r\nWeight=700\r\n");
    auto s = make();
    s->readFont();
    EXPECT_FALSE(s->hasFont());
    EXPECT_NE(s->font.faceName, QStringLiteral("Arial"));

    const QByteArray before = testsupport::readAll(ini());
    EditorFont zero;
    zero.height = 0;
    zero.faceName = QStringLiteral("Arial");
    EXPECT_TRUE(s->writeFont(zero));
    EXPECT_EQ(testsupport::readAll(ini()), before);
}

TEST_F(ShellSettingsTest, FontWritesFourteenKeysInOrderAndReadsBack)
{
    auto s = make();
    EditorFont f;
    f.height = -16;
    f.weight = 700;
    f.italic = 1;
    f.faceName = QString(40, u'X');
    ASSERT_TRUE(s->writeFont(f));
    const QByteArray file = testsupport::readAll(ini());
    const QList<QByteArray> keys = {"Height=-16", "Width=", "Escapement=", "Orientation=", "Weight=700",
                                    "Italic=1", "Underline=", "StrikeOut=", "CharSet=", "OutPrecision=3",
                                    "ClipPrecision=2", "Quality=1", "PitchAndFamily=49", "FaceName="};
    qsizetype at = 0;
    for (const QByteArray &key : keys) {
        const qsizetype found = file.indexOf(key, at);
        ASSERT_GE(found, at) << key.constData();
        at = found;
    }
    auto t = make();
    t->readFont();
    EXPECT_TRUE(t->hasFont());
    EXPECT_EQ(t->font.height, -16);
    EXPECT_EQ(t->font.weight, 700);
    EXPECT_EQ(t->font.italic, 1);
    EXPECT_EQ(t->font.faceName.size(), 31);
}

TEST_F(ShellSettingsTest, FontByteFieldsKeepLowEightBits)
{
    writeIni("[Font]\r\nHeight=-12\r\nCharSet=511\r\nItalic=257\r\n");
    auto s = make();
    s->readFont();
    EXPECT_EQ(s->font.charSet, 255);
    EXPECT_EQ(s->font.italic, 1);
}

struct PlacementCase {
    const char *name;
    const char *text;
    bool parses;
};

class WindowPosParse : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPosParse, AppliedOnlyWhenTenNumbersParse)
{
    const auto p = WindowPlacement::parse(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(p.has_value(), GetParam().parses);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPosParse,
    ::testing::Values(PlacementCase{"ten", "0,1,-1,-1,-1,-1,10,20,810,620", true},
                      PlacementCase{"blanksBeforeNumbers", "0, 1, -1,-1,-1,-1, 10,20,810,620", true},
                      PlacementCase{"trailingTextIgnored", "2,3,0,0,0,0,1,2,3,4junk", true},
                      PlacementCase{"nine", "0,1,-1,-1,-1,-1,10,20,810", false},
                      PlacementCase{"empty", "", false},
                      PlacementCase{"blankBeforeComma", "0 ,1,-1,-1,-1,-1,10,20,810,620", false},
                      PlacementCase{"letter", "0,1,a,-1,-1,-1,10,20,810,620", false},
                      PlacementCase{"semicolons", "0;1;2;3;4;5;6;7;8;9", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ShellSettingsTest, WindowPlacementRoundTrip)
{
    auto s = make();
    EXPECT_FALSE(s->readWindowPlacement().has_value());
    writeIni("[General Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,10,20,810\r\n");
    EXPECT_FALSE(s->readWindowPlacement().has_value());

    WindowPlacement p;
    p.flags = 2;
    p.showCmd = 3;
    p.minX = p.minY = p.maxX = p.maxY = -1;
    p.left = 10;
    p.top = 20;
    p.right = 810;
    p.bottom = 620;
    ASSERT_TRUE(s->writeWindowPlacement(p));
    EXPECT_TRUE(testsupport::readAll(ini()).contains("WindowPos=2,3,-1,-1,-1,-1,10,20,810,620\r\n"));
    EXPECT_EQ(s->readWindowPlacement(), p);
}

TEST_F(ShellSettingsTest, PageSetupWrittenOnlyWhenChanged)
{
    auto s = make();
    s->readPageSetup(Str::text(Str::PageHeaderDefault), Str::text(Str::PageFooterDefault));
    EXPECT_EQ(s->pageHeader, QStringLiteral("Datei: &f"));
    EXPECT_EQ(s->pageFooter, QStringLiteral("Seite: &p"));
    EXPECT_TRUE(s->writePageSetupIfChanged());
    EXPECT_FALSE(QFile::exists(ini()));

    s->pageFooter = QStringLiteral("S. &p");
    EXPECT_TRUE(s->writePageSetupIfChanged());
    const QByteArray file = testsupport::readAll(ini());
    EXPECT_TRUE(file.contains("Footer=S. &p"));
    EXPECT_FALSE(file.contains("Header"));
}

TEST_F(ShellSettingsTest, MainDocumentIsWrittenAtOnceAndBecomesCurrentDirectory)
{
    auto s = make();
    QDir().mkpath(path(QStringLiteral("doc")));
    ASSERT_TRUE(s->setMainDocumentPath(path(QStringLiteral("doc/thesis.tex"))));
    EXPECT_EQ(s->mainTex(), QStringLiteral("thesis.tex"));
    EXPECT_EQ(s->mainPath(), path(QStringLiteral("doc")));
    EXPECT_EQ(QDir::currentPath(), QDir(path(QStringLiteral("doc"))).canonicalPath());
    EXPECT_EQ(s->profile().getString(ShellIni::TexSettings, QStringLiteral("maintex")), QStringLiteral("thesis.tex"));
    EXPECT_EQ(s->profile().getString(ShellIni::TexSettings, QStringLiteral("mainpath")), path(QStringLiteral("doc")));
}

TEST(ShellSettingsSplit, MainDocumentSplit)
{
    struct Row {
        const char *in, *path, *tex;
    } rows[] = {
        {"thesis.tex", ".", "thesis.tex"},
        {"/home/u/doc/thesis.tex", "/home/u/doc", "thesis.tex"},
        {"C:\\doc\\thesis.tex", "C:\\doc", "thesis.tex"},
        {"/thesis.tex", "/", "thesis.tex"},
    };
    for (const Row &r : rows) {
        QString p, t;
        CShellSettings::splitMainDocument(QString::fromLatin1(r.in), &p, &t);
        EXPECT_EQ(p, QString::fromLatin1(r.path)) << r.in;
        EXPECT_EQ(t, QString::fromLatin1(r.tex)) << r.in;
    }
}

TEST_F(ShellSettingsTest, ToolSettingsWrittenAllAtOnce)
{
    auto s = make();
    s->readAll();
    s->bibtex.exe = QStringLiteral("biber");
    s->psViewer.rundvips = 0;
    ASSERT_TRUE(s->writeToolSettings());
    ASSERT_TRUE(s->writeUserTools());
    auto t = make();
    t->readAll();
    EXPECT_EQ(t->bibtex.exe, QStringLiteral("biber"));
    EXPECT_EQ(t->psViewer.rundvips, 0);
    EXPECT_EQ(t->dviViewer.exe, QStringLiteral("myxdvi"));
    EXPECT_EQ(t->profile().getString(ShellIni::UserToolsSettings, QStringLiteral("name9")), QStringLiteral("Tool 10"));
}

TEST_F(ShellSettingsTest, LanguageAndWrapMode)
{
    auto s = make();
    EXPECT_EQ(s->readLanguage(), 99);
    ASSERT_TRUE(s->setLanguage(2));
    EXPECT_EQ(make()->readLanguage(), 2);
    writeIni("[General]\r\nLanguage=abc\r\n");
    auto t = make();
    EXPECT_EQ(t->readLanguage(), 0);
    EXPECT_EQ(t->language, 0);

    ASSERT_TRUE(t->setWrapMode(1));
    EXPECT_EQ(t->profile().getInt(ShellIni::General, QStringLiteral("WrapMode"), 0), 1);
}

} // namespace
