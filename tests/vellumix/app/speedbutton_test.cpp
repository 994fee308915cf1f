// Speed-bar button definitions of section [Buttons] and the buttons of old settings.
#include "app/frameactions.h"
#include "app/speedbutton.h"
#include "testsupport.h"

namespace {

struct ButtonRow {
    const char *name;
    const char *definition;
    const char *command;
    const char *hint;
    const char *commandLine;
};

class SpeedButtonTable : public ::testing::TestWithParam<ButtonRow> {};

TEST_P(SpeedButtonTable, Parses)
{
    const ButtonRow &r = GetParam();
    const SpeedButton b = parseSpeedButton(QStringLiteral("Cap"), QString::fromUtf8(r.definition));
    EXPECT_EQ(b.caption, QStringLiteral("Cap"));
    EXPECT_EQ(b.command, QString::fromUtf8(r.command));
    EXPECT_EQ(b.hint, QString::fromUtf8(r.hint));
    EXPECT_EQ(b.commandLine, QString::fromUtf8(r.commandLine));
}

const ButtonRow buttonRows[] = {
    {"CommandAndHint", "<save>$Save Active Document$", "save", "Save Active Document", ""},
    {"HintAndCommandLine", "$Run it$xdvi %m.dvi", "", "Run it", "xdvi %m.dvi"},
    {"WholeRestIsHint", "xdvi %m.dvi", "", "xdvi %m.dvi", "xdvi %m.dvi"},
    {"CommandWithRest", "<greekbox>rest", "greekbox", "rest", "rest"},
    {"UnclosedBracket", "<save", "save", "", ""},
    {"UnclosedHint", "$only hint", "", "only hint", ""},
    {"Empty", "", "", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, SpeedButtonTable, ::testing::ValuesIn(buttonRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SpeedButtons, OldSettingsGetTheFourFixedButtonsFirst)
{
    const QList<NamedValue> entries = {{QStringLiteral("Mine"), QStringLiteral("<new>$New file$")}};
    const QList<SpeedButton> old = speedButtons(45, entries);
    ASSERT_EQ(old.size(), 5);
    EXPECT_EQ(old[0].caption, QStringLiteral("Save"));
    EXPECT_EQ(old[0].hint, QStringLiteral("Save active document"));
    EXPECT_EQ(old[2].command, QStringLiteral("showlog"));
    EXPECT_EQ(old[3].hint, QStringLiteral("Preview main file"));
    EXPECT_EQ(old[4].command, QStringLiteral("new"));
    EXPECT_EQ(speedButtons(61, entries).size(), 1);
}

TEST(SpeedCommandWords, NameTheTenWordsAndNothingElse)
{
    for (const char *word : {"save", "texmain", "showlog", "previewmain", "new", "quit", "greekbox", "mathbox",
                             "symbolbox", "templatebox"})
        EXPECT_NE(findSpeedCommandWord(QString::fromLatin1(word)), nullptr) << word;
    EXPECT_EQ(findSpeedCommandWord(QStringLiteral("Save")), nullptr);
    EXPECT_EQ(findSpeedCommandWord(QString()), nullptr);
    EXPECT_EQ(findSpeedCommandWord(QStringLiteral("xdvi")), nullptr);
}

} // namespace
