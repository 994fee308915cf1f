// Placeholder rules of the tools' command templates.
#include "tools/commandtemplate.h"

#include "testsupport.h"

using namespace CommandTemplate;

namespace {

struct BuiltinCase {
    const char *what;
    const char *tmpl;
    const char *name;
    const char *expected;
    QStringList args;
};

class BuiltinTemplate : public ::testing::TestWithParam<BuiltinCase> {};

TEST_P(BuiltinTemplate, Expands)
{
    const BuiltinCase &c = GetParam();
    EXPECT_EQ(expandBuiltin(QString::fromUtf8(c.tmpl), QString::fromUtf8(c.name)), QString::fromUtf8(c.expected));
    EXPECT_EQ(builtinArguments(QString::fromUtf8(c.tmpl), QString::fromUtf8(c.name)), c.args);
}

INSTANTIATE_TEST_SUITE_P(Rows, BuiltinTemplate, ::testing::Values(
    BuiltinCase{"default", "%s", "a.tex", "a.tex", {"a.tex"}},
    BuiltinCase{"dvipsDefault", "-D600 %s", "a.dvi", "-D600 a.dvi", {"-D600", "a.dvi"}},
    BuiltinCase{"everyPercentS", "%s %s", "a", "a a", {"a", "a"}},
    BuiltinCase{"otherPercentLiteral", "-x %d %% %s %n", "a", "-x %d %% a %n", {"-x", "%d", "%%", "a", "%n"}},
    BuiltinCase{"noPlaceholder", "--version", "a", "--version", {"--version"}},
    BuiltinCase{"nameWithBlankStaysOneArgument", "-interaction=nonstopmode %s", "my thesis.tex",
                "-interaction=nonstopmode my thesis.tex", {"-interaction=nonstopmode", "my thesis.tex"}},
    BuiltinCase{"quotedGroup", "\"-o %s.pdf\" %s", "t", "\"-o t.pdf\" t", {"-o t.pdf", "t"}},
    BuiltinCase{"percentAtEnd", "%s %", "a", "a %", {"a", "%"}}),
    [](const auto &info) { return std::string(info.param.what); });

struct UserCase {
    const char *what;
    const char *tmpl;
    const char *maintex;
    const char *activePath;
    const char *expected;
    QStringList args;
    const char *directory; // nullptr: no change
    bool needsMain;
    bool needsActive;
};

class UserTemplate : public ::testing::TestWithParam<UserCase> {};

TEST_P(UserTemplate, Expands)
{
    const UserCase &c = GetParam();
    UserToolContext ctx;
    ctx.maintex = QString::fromUtf8(c.maintex);
    ctx.mainpath = QStringLiteral("/doc");
    ctx.activePath = QString::fromUtf8(c.activePath);
    ctx.activeTitle = ctx.activePath.isEmpty() ? QString() : ctx.activePath.mid(ctx.activePath.lastIndexOf('/') + 1);
    const UserToolExpansion e = expandUserTool(QString::fromUtf8(c.tmpl), ctx);
    EXPECT_EQ(e.commandLine, QString::fromUtf8(c.expected));
    EXPECT_EQ(e.arguments, c.args);
    EXPECT_EQ(e.changesDirectory, c.directory != nullptr);
    if (c.directory) {
        EXPECT_EQ(e.directory, QString::fromUtf8(c.directory));
    }
    EXPECT_EQ(e.needsMain, c.needsMain);
    EXPECT_EQ(e.needsActive, c.needsActive);
}

INSTANTIATE_TEST_SUITE_P(Rows, UserTemplate, ::testing::Values(
    UserCase{"thesisExample", "-o %ps.pdf %s", "thesis.tex", "", "-o /doc/thesis.pdf thesis",
             {"-o", "/doc/thesis.pdf", "thesis"}, "/doc", true, false},
    UserCase{"psNeverReadAsS", "%ps", "thesis.tex", "", "/doc/thesis", {"/doc/thesis"}, "/doc", true, false},
    UserCase{"noPlaceholderUnchanged", "-v --x %d", "thesis.tex", "/w/a.tex", "-v --x %d",
             {"-v", "--x", "%d"}, nullptr, false, false},
    UserCase{"currentName", "%c", "", "/w/ch 1/intro.tex", "intro", {"intro"}, "/w/ch 1/", false, true},
    UserCase{"currentPathBase", "%pc.pdf", "", "/w/intro.tex", "/w/intro.pdf", {"/w/intro.pdf"}, "/w/", false, true},
    UserCase{"mainFallsBackToCurrent", "%m", "", "/w/intro.tex", "intro", {"intro"}, "/w/", false, false},
    UserCase{"mainWhenSet", "%m", "thesis.tex", "/w/intro.tex", "thesis", {"thesis"}, "/doc", false, false},
    UserCase{"pathMainWhenSet", "%pm", "thesis.tex", "/w/intro.tex", "/doc/thesis", {"/doc/thesis"}, "/doc", false, false},
    UserCase{"pathMainNothingOpen", "%pm", "", "", "", {""}, "", false, false},
    UserCase{"lastPlaceholderDecidesDirectory", "%s %c", "thesis.tex", "/w/intro.tex", "thesis intro",
             {"thesis", "intro"}, "/w/", true, true},
    UserCase{"lastPlaceholderDecidesDirectoryOtherOrder", "%c %s", "thesis.tex", "/w/intro.tex", "intro thesis",
             {"intro", "thesis"}, "/doc", true, true},
    UserCase{"doublePercentBeforeS", "%%s", "thesis.tex", "", "%thesis", {"%thesis"}, "/doc", true, false},
    UserCase{"loneP", "%p %x%", "thesis.tex", "", "%p %x%", {"%p", "%x%"}, nullptr, false, false},
    UserCase{"pathWithBlanksStaysOneArgument", "-f %pc.log", "", "/my docs/a.tex", "-f /my docs/a.log",
             {"-f", "/my docs/a.log"}, "/my docs/", false, true},
    UserCase{"titleWithoutDot", "%c", "", "/w/Makefile", "", {""}, "/w/", false, true},
    UserCase{"adjacentPlaceholders", "%s%c%m", "thesis.tex", "/w/b.tex", "thesisbthesis", {"thesisbthesis"},
             "/doc", true, true}),
    [](const auto &info) { return std::string(info.param.what); });

TEST(UserToolContext, ModifiedTitleOfUntitledDocumentGivesItsName)
{
    UserToolContext ctx;
    ctx.activeTitle = QStringLiteral("notes.tex *");
    EXPECT_EQ(ctx.currentName(), QStringLiteral("notes"));
    EXPECT_EQ(ctx.currentDirectory(), QString());
}

TEST(UserToolContext, MainPathWithTrailingSlashIsNotDoubled)
{
    UserToolContext ctx;
    ctx.maintex = QStringLiteral("t.tex");
    ctx.mainpath = QStringLiteral("/doc/");
    EXPECT_EQ(ctx.mainPathBase(), QStringLiteral("/doc/t"));
}

} // namespace
