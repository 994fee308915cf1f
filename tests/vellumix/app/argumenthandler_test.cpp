// Command-line arguments and the file an argument or an open command means.
#include "app/argumenthandler.h"
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

} // namespace
