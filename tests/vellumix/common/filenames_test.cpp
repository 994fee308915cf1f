// Extensions: the one rule for "change the extension to .tex" and its callers' cases.
#include "common/filenames.h"
#include "common/openformat.h"
#include "testsupport.h"

namespace {

struct ExtensionRow {
    const char *name;
    const char *path;
    const char *extension;
    const char *changedToTex;
    const char *withDefault;
};

const ExtensionRow extensionRows[] = {
    {"NoExtension", "/a/doc", "", "/a/doc.tex", "/a/doc.tex"},
    {"OtherExtension", "/a/doc.txt", ".txt", "/a/doc.tex", "/a/doc.txt"},
    {"LastDotOnly", "/a.b/doc.x.txx", ".txx", "/a.b/doc.x.tex", "/a.b/doc.x.txx"},
    {"DotInDirectoryOnly", "/a.b/c", "", "/a.b/c.tex", "/a.b/c.tex"},
    {"HiddenNameIsNoExtension", "/a/.latexmkrc", "", "/a/.latexmkrc.tex", "/a/.latexmkrc.tex"},
    {"TrailingDot", "/a/doc.", ".", "/a/doc.tex", "/a/doc."},
    {"RelativeName", "chapters/intro", "", "chapters/intro.tex", "chapters/intro.tex"},
    {"Empty", "", "", ".tex", ".tex"},
};

class Extensions : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(Extensions, FollowTheOneRule)
{
    const ExtensionRow &r = GetParam();
    const QString path = QString::fromUtf8(r.path);
    EXPECT_EQ(FileNames::extension(path), QString::fromUtf8(r.extension));
    EXPECT_EQ(FileNames::changeExtension(path, QStringLiteral(".tex")), QString::fromUtf8(r.changedToTex));
    EXPECT_EQ(FileNames::withDefaultExtension(path), QString::fromUtf8(r.withDefault));
}

INSTANTIATE_TEST_SUITE_P(Rows, Extensions, ::testing::ValuesIn(extensionRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(OpenFormat, FilterIndexNamesTheFormat)
{
    EXPECT_EQ(openFormatFromIndex(1), OpenFormat::Plain);
    EXPECT_EQ(openFormatFromIndex(2), OpenFormat::DosOem);
    EXPECT_EQ(openFormatFromIndex(3), OpenFormat::Unix);
    EXPECT_EQ(openFormatFromIndex(5), OpenFormat::Unix);
    EXPECT_EQ(openFormatFromIndex(0), OpenFormat::Plain);
    EXPECT_EQ(openFormatFromIndex(6), OpenFormat::Plain);
}

} // namespace
