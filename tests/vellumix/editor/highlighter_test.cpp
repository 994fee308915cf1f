// Highlighting rules: the full walk and the preview walk. Classes are written one letter per character:
// s standard, c texCommand, p parenthesis, q squareBracket, r roundBracket, d dollar, m comment.
#include "editor/highlighter.h"

#include "testsupport.h"

namespace {

char letter(TokenClass c)
{
    static const char letters[] = "scpqrdm";
    return letters[int(c)];
}

std::string classes(const std::vector<TokenClass> &v)
{
    std::string s;
    for (TokenClass c : v)
        s += letter(c);
    return s;
}

std::string full(const QString &text) { return classes(Highlighter::expand(Highlighter::fullRuns(text), int(text.size()))); }

struct Row {
    const char *name;
    const char *text;
    const char *expected;
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

class FullHighlighting : public ::testing::TestWithParam<Row> {};

TEST_P(FullHighlighting, AssignsClasses)
{
    EXPECT_EQ(full(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FullHighlighting, ::testing::Values(
    Row{"command_and_braces", "\\section{word}", "ccccccccpssssp"},
    Row{"escaped_braces_are_standard", "\\{a\\}", "sssss"},
    Row{"lone_braces_are_parenthesis", "{a}", "psp"},
    Row{"comment_to_line_end", "a % b {c}\nx", "ssmmmmmmmss"},
    Row{"escaped_percent_is_no_comment", "\\% x", "ssss"},
    Row{"dollars", "$x^2$", "dsssd"},
    Row{"brackets", "[a](b)", "qsqrsr"},
    Row{"command_ends_at_punctuation", "\\foo.bar", "ccccssss"},
    Row{"command_letters", "\\a@b1\xc3\xbc x", "ccccccss"},
    Row{"double_backslash", "\\\\", "cc"},
    Row{"backslash_before_escaped_percent", "\\\\%x", "csss"},
    Row{"all_escapes", "\\#\\$\\&\\_", "ssssssss"},
    Row{"trailing_backslash", "x\\", "sc"},
    Row{"brace_after_comment_line", "% {a}\n{", "mmmmmsp"},
    Row{"empty", "", ""}));

TEST(Preview, HasNoEscapeRule)
{
    const QString text = QStringLiteral("\\{x\\} % c");
    EXPECT_EQ(classes(Highlighter::expand(Highlighter::previewRuns(text), int(text.size()))), "cpscpsmmm");
}

} // namespace
