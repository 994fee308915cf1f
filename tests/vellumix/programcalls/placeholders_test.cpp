// Placeholder expansion of command templates.
#include "programcalls/placeholders.h"
#include "testsupport.h"

namespace {

struct Row {
    const char *name;
    const char *templ;
    bool withEditor;
    bool lineSpecials;
    const char *expected;
};

PlaceholderContext context(bool withEditor, bool lineSpecials)
{
    PlaceholderContext ctx;
    ctx.mainFile = QStringLiteral("/doc/paper.tex");
    ctx.lineSpecials = lineSpecials;
    ctx.hasActiveEditor = withEditor;
    ctx.editorFile = QStringLiteral("/doc/sub/chap1.tex");
    ctx.editorLine = 12;
    return ctx;
}

class PlaceholderTable : public ::testing::TestWithParam<Row> {};

TEST_P(PlaceholderTable, Expands)
{
    const Row &r = GetParam();
    EXPECT_EQ(expandPlaceholders(QString::fromUtf8(r.templ), context(r.withEditor, r.lineSpecials)),
              QString::fromUtf8(r.expected));
}

const Row rows[] = {
    {"DefaultCompile", "latex --src-specials %F.tex", true, false, "latex --src-specials paper.tex"},
    {"DefaultLogFile", "%P%F.log", true, false, "/doc/paper.log"},
    {"DefaultPreview", "yap -1 -s %l%f%e \"%P%F.dvi\"", true, false,
     "yap -1 -s 12chap1.tex \"/doc/paper.dvi\""},
    {"MainFullPath", "%M", false, false, "/doc/paper.tex"},
    {"MainWithoutExtension", "%m.dvi", false, false, "/doc/paper.dvi"},
    {"MainExtension", "x%E", false, false, "x.tex"},
    {"LineSpecialsOff", "a%x", false, false, "a.tex"},
    {"LineSpecialsOn", "a%x", false, true, "a.txx"},
    {"EditorDirectory", "%p", true, false, "/doc/sub/"},
    {"EditorFileName", "%S", true, false, "chap1.tex"},
    {"OnlyFirstOccurrence", "%F %F", false, false, "paper %F"},
    {"EachPlaceholderOnce", "%F%F%P%P", false, false, "paper%F/doc/%P"},
    {"CaseSensitive", "%m|%M", false, false, "/doc/paper|/doc/paper.tex"},
    {"EditorPlaceholdersStayWithoutEditor", "%p%f%e %l %S", false, false, "%p%f%e %l %S"},
    {"NoPlaceholder", "plain text 100%", true, false, "plain text 100%"},
    {"LonePercentAtEnd", "abc%", true, false, "abc%"},
    // The order matters: %M is replaced before %m, so "%%MM" becomes "%" + path + "M".
    {"OrderOfReplacement", "%%MM", false, false, "%/doc/paper.texM"},
};

INSTANTIATE_TEST_SUITE_P(Rows, PlaceholderTable, ::testing::ValuesIn(rows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Placeholders, NoMainFileGivesEmptyParts)
{
    PlaceholderContext ctx;
    EXPECT_EQ(expandPlaceholders(QStringLiteral("latex %F.tex in [%P]"), ctx), QStringLiteral("latex .tex in []"));
}

TEST(Placeholders, UnnamedEditorGivesEmptyPartsButLine)
{
    PlaceholderContext ctx;
    ctx.hasActiveEditor = true;
    ctx.editorLine = 3;
    EXPECT_EQ(expandPlaceholders(QStringLiteral("[%p][%f][%e][%l][%S]"), ctx), QStringLiteral("[][][][3][]"));
}

TEST(Placeholders, SplitPathTakesLastDotOfFileNameOnly)
{
    const PathParts p = splitPath(QStringLiteral("/a.b/c"));
    EXPECT_EQ(p.directory, QStringLiteral("/a.b/"));
    EXPECT_EQ(p.baseName, QStringLiteral("c"));
    EXPECT_EQ(p.extension, QString());
    const PathParts q = splitPath(QStringLiteral("/x/archive.tar.gz"));
    EXPECT_EQ(q.baseName, QStringLiteral("archive.tar"));
    EXPECT_EQ(q.extension, QStringLiteral(".gz"));
}

} // namespace
