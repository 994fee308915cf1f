// Command-line arguments, file resolution, recent files and speed-bar definitions.
#include "app/argumenthandler.h"
#include "app/handover.h"
#include "app/recentfiles.h"
#include "app/speedbutton.h"
#include "testsupport.h"

#include <QDir>

namespace {

struct Expected {
    const char *path;
    OpenFormat format;
    int line;
    bool makeMain;
};

struct ArgRow {
    const char *name;
    std::vector<const char *> args;
    std::vector<Expected> opens;
    int errors;
};

class ArgumentTable : public ::testing::TestWithParam<ArgRow> {};

TEST_P(ArgumentTable, HandlesArgumentsInOrder)
{
    const ArgRow &r = GetParam();
    ArgumentHandler h;
    PlaceholderContext ctx;
    ctx.mainFile = QStringLiteral("/doc/paper.tex");
    std::vector<OpenRequest> opens;
    int errors = 0;
    for (const char *a : r.args) {
        const ArgumentHandler::Outcome o = h.handle(QString::fromUtf8(a), ctx);
        if (o.open)
            opens.push_back(*o.open);
        if (!o.error.isEmpty())
            ++errors;
    }
    EXPECT_EQ(errors, r.errors);
    ASSERT_EQ(opens.size(), r.opens.size());
    for (size_t i = 0; i < opens.size(); ++i) {
        EXPECT_EQ(opens[i].path, QString::fromUtf8(r.opens[i].path)) << i;
        EXPECT_EQ(opens[i].format, r.opens[i].format) << i;
        EXPECT_EQ(opens[i].line, r.opens[i].line) << i;
        EXPECT_EQ(opens[i].makeMain, r.opens[i].makeMain) << i;
    }
}

using F = OpenFormat;
const ArgRow argRows[] = {
    {"PlainFileHasNoLine", {"a.tex"}, {{"a.tex", F::Plain, 0, false}}, 0},
    {"LineActsOnNextFileOnly", {"/l=12", "a.tex", "b.tex"}, {{"a.tex", F::Plain, 12, false}, {"b.tex", F::Plain, 1, false}}, 0},
    {"MainActsOnNextFileOnly", {"/m", "a.tex", "b.tex"}, {{"a.tex", F::Plain, 0, true}, {"b.tex", F::Plain, 1, false}}, 0},
    {"UnixThenDos", {"/f=unix", "a.tex", "/f=dos", "b.tex", "c.tex"},
     {{"a.tex", F::Unix, 0, false}, {"b.tex", F::DosOem, 1, false}, {"c.tex", F::Plain, 1, false}}, 0},
    {"FormatIsCaseInsensitive", {"/f=DOS", "a.tex"}, {{"a.tex", F::DosOem, 0, false}}, 0},
    {"UnknownFormatIsPlain", {"/f=mac", "a.tex"}, {{"a.tex", F::Plain, 0, false}}, 0},
    {"NonNumberLineIsDropped", {"/l=x12", "a.tex"}, {{"a.tex", F::Plain, 0, false}}, 1},
    {"EmptyLineIsAnError", {"/l=", "a.tex"}, {{"a.tex", F::Plain, 0, false}}, 1},
    {"NegativeLine", {"/l=-3", "a.tex"}, {{"a.tex", F::Plain, -3, false}}, 0},
    {"PlaceholdersAreExpanded", {"%P%F.log"}, {{"/doc/paper.log", F::Plain, 0, false}}, 0},
    {"AbsolutePathWithSlashMIsAFile", {"/media/main.tex"}, {{"/media/main.tex", F::Plain, 0, false}}, 0},
    {"AllSwitchesTogether", {"/l=7", "/m", "/f=unix", "x"}, {{"x", F::Unix, 7, true}}, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, ArgumentTable, ::testing::ValuesIn(argRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Arguments, ConversionErrorNamesTheText)
{
    EXPECT_EQ(ArgumentHandler::conversionError(QStringLiteral("abc")), QStringLiteral("'abc' is not a valid integer value"));
}

TEST(Arguments, HandedOverNamesBecomeAbsolute)
{
    const QStringList in = {"/m", "rel/a.tex", "/abs/b.tex", "/l=3", "%P%F.log", "/f=dos", "../c"};
    EXPECT_EQ(absoluteFileArguments(in, QStringLiteral("/work/dir")),
              QStringList({"/m", "/work/dir/rel/a.tex", "/abs/b.tex", "/l=3", "%P%F.log", "/f=dos", "/work/c"}));
}

TEST(HandOver, CarriesEachArgumentInOrderBehindTheMarker)
{
    const QStringList args = {QStringLiteral("/m"), QStringLiteral("/home/me/Grüße.tex"), QString()};
    const QList<QByteArray> messages = HandOver::encode(args);
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(HandOver::decode(messages), std::optional<QStringList>(args));
    // Without arguments the marker alone still raises the running window.
    EXPECT_EQ(HandOver::decode(HandOver::encode({})), std::optional<QStringList>(QStringList()));
    // A message may end in NUL, as a copy-data message did.
    QList<QByteArray> withNul = HandOver::encode({QStringLiteral("a.tex")});
    withNul[1].append('\0').append("junk");
    EXPECT_EQ(HandOver::decode(withNul), std::optional<QStringList>(QStringList{QStringLiteral("a.tex")}));
    EXPECT_EQ(HandOver::decode({}), std::nullopt);
    EXPECT_EQ(HandOver::decode({QByteArray("a.tex")}), std::nullopt);
}

class ResolveTest : public testsupport::TempDirTest {};

TEST_F(ResolveTest, NameWithoutExtensionOpensItsTexFile)
{
    testsupport::writeFile(path("paper.tex"), "x");
    EXPECT_EQ(resolveOpenPath(QStringLiteral("paper"), false, path()), path("paper.tex"));
    EXPECT_EQ(resolveOpenPath(QStringLiteral("paper.bak"), false, path()), path("paper.tex"));
    EXPECT_EQ(resolveOpenPath(path("paper.tex"), false, QStringLiteral("/elsewhere")), path("paper.tex"));
    EXPECT_EQ(resolveOpenPath(QStringLiteral("missing"), false, path()), QString());
    EXPECT_EQ(resolveOpenPath(QString(), false, path()), QString());
}

TEST_F(ResolveTest, LineSpecialsOpenTheSourceOfATxxCopy)
{
    testsupport::writeFile(path("p.tex"), "x");
    testsupport::writeFile(path("p.txx"), "y");
    EXPECT_EQ(resolveOpenPath(QStringLiteral("p.txx"), true, path()), path("p.tex"));
    EXPECT_EQ(resolveOpenPath(QStringLiteral("p.txx"), false, path()), path("p.txx"));
}

TEST_F(ResolveTest, DirectoryIsNotAFile)
{
    QDir(path()).mkdir(QStringLiteral("sub"));
    EXPECT_EQ(resolveOpenPath(QStringLiteral("sub"), false, path()), QString());
}

TEST(ChangeExtension, ReplacesOrAppends)
{
    EXPECT_EQ(changeExtension(QStringLiteral("/a.b/c"), QStringLiteral(".tex")), QStringLiteral("/a.b/c.tex"));
    EXPECT_EQ(changeExtension(QStringLiteral("/a/c.txt"), QStringLiteral(".tex")), QStringLiteral("/a/c.tex"));
}

TEST(RecentFiles, ElevenDistinctFilesLeaveTheLastTen)
{
    RecentFiles r;
    for (int i = 0; i < 11; ++i)
        r.add(QStringLiteral("/f%1.tex").arg(i));
    ASSERT_EQ(r.entries().size(), 10);
    EXPECT_EQ(r.entries().first(), QStringLiteral("/f10.tex"));
    EXPECT_EQ(r.entries().last(), QStringLiteral("/f1.tex"));
}

TEST(RecentFiles, ReopeningMovesToTheFront)
{
    RecentFiles r;
    r.add(QStringLiteral("/a"));
    r.add(QStringLiteral("/b"));
    r.add(QStringLiteral("/c"));
    r.add(QStringLiteral("/a"));
    EXPECT_EQ(r.entries(), QStringList({"/a", "/c", "/b"}));
    // Compared exactly: another spelling is another entry.
    r.add(QStringLiteral("/A"));
    EXPECT_EQ(r.entries().size(), 4);
}

TEST(RecentFiles, ReplaceFirstAndCaptions)
{
    RecentFiles r;
    r.replaceFirst(QStringLiteral("/x"));
    EXPECT_EQ(r.entries(), QStringList({"/x"}));
    r.add(QStringLiteral("/y"));
    r.replaceFirst(QStringLiteral("/x"));
    EXPECT_EQ(r.entries(), QStringList({"/x"}));
    EXPECT_EQ(RecentFiles::caption(0, QStringLiteral("/x")), QStringLiteral("&0 /x"));
    r.setEntries({"/1", "", "/1", "/2"});
    EXPECT_EQ(r.entries(), QStringList({"/1", "/2"}));
}

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

} // namespace
