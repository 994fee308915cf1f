// Command lines from templates: split first, names substituted into the arguments.
#include "programcalls/commandline.h"
#include "testsupport.h"

namespace {

struct Row {
    const char *name;
    const char *templ;
    const char *mainFile;
    QStringList expected; // program, then the arguments
};

const Row rows[] = {
    {"default compile", "latex --src-specials %F.tex", "/d/paper.tex", {"latex", "--src-specials", "paper.tex"}},
    {"a name like an option is a file", "latex --src-specials %F.tex", "/d/-shell-escape a.tex",
     {"latex", "--src-specials", "./-shell-escape a.tex"}},
    {"the template's own options stay", "latex -%F", "/d/x.tex", {"latex", "-x"}},
    {"a blank stays inside the name", "latex %F.tex", "/d/my thesis.tex", {"latex", "my thesis.tex"}},
    {"a double quote in a name changes no split", "latex %F.tex -x", "/d/a\" b \"c.tex",
     {"latex", "a\" b \"c.tex", "-x"}},
    {"quoted placeholders still work", "view -1 \"%P%F.dvi\"", "/my docs/paper.tex",
     {"view", "-1", "/my docs/paper.dvi"}},
    {"a quoted program with a blank", "\"/opt/my tex/latex\" %F", "/d/p.tex", {"/opt/my tex/latex", "p"}},
    {"the program may come from a placeholder", "%m.sh run", "/d/-p.tex", {"/d/-p.sh", "run"}},
    {"first occurrence across the arguments", "tool %F %F", "/d/p.tex", {"tool", "p", "%F"}},
    {"a name holding a placeholder is never expanded", "tool %F %P", "/d/%P.tex", {"tool", "%P", "/d/"}},
    {"an empty quoted placeholder stays an argument", "tool \"%E\" x", "/d/noext", {"tool", "", "x"}},
};

TEST(CommandLine, FromTemplateSplitsFirstThenSubstitutes)
{
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        PlaceholderContext ctx;
        ctx.mainFile = QString::fromUtf8(r.mainFile);
        const CommandLine cmd = CommandLine::fromTemplate(QString::fromUtf8(r.templ), ctx);
        EXPECT_EQ(QStringList{cmd.program} + cmd.arguments, r.expected);
        // Messages show the template expanded as a whole.
        EXPECT_EQ(cmd.text, expandPlaceholders(QString::fromUtf8(r.templ), ctx));
    }
}

TEST(CommandLine, TextAndPathsAreTakenAsTheyAre)
{
    const CommandLine line = CommandLine::fromText("\"/opt/my tools/run\" %F \"a b\"");
    EXPECT_EQ(line.program, "/opt/my tools/run");
    EXPECT_EQ(line.arguments, QStringList({"%F", "a b"}));
    const CommandLine path = CommandLine::ofPath("/d/figure one.eps");
    EXPECT_EQ(path.program, "/d/figure one.eps");
    EXPECT_TRUE(path.arguments.isEmpty());
}

} // namespace
