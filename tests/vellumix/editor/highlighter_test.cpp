// Highlighting rules: the full walk, the range walk, the typing highlighter and the
// context state. Classes are written one letter per character:
// s standard, c texCommand, p parenthesis, q squareBracket, r roundBracket, d dollar, m comment.
#include "editor/highlighter.h"
#include "editor/typinghighlighter.h"

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

std::string range(const QString &text, int start = 0, int length = -1, HighlightState ctx = HighlightState::Standard)
{
    if (length < 0)
        length = int(text.size()) - start;
    const auto all = Highlighter::expand(Highlighter::rangeRuns(text, start, length, ctx), int(text.size()));
    return classes(all).substr(size_t(start), size_t(length));
}

// Types text character by character as the editor does: Space and Enter go through
// their key handling, an escape turns the backslash before the caret standard.
std::string typed(const QString &text)
{
    TypingHighlighter h;
    std::vector<TokenClass> out;
    int lineStart = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QStringView line = QStringView(text).mid(lineStart, i - lineStart);
        if (c == QLatin1Char('\n')) {
            out.push_back(h.enter());
            lineStart = i + 1;
        } else if (c == QLatin1Char(' ')) {
            out.push_back(h.space(line));
        } else {
            const TypingHighlighter::Step step = h.typeChar(c, line);
            if (step.unescapeBackslash)
                out.back() = TokenClass::Standard;
            out.push_back(step.format);
        }
    }
    return classes(out);
}

// Drops the characters at line breaks: they carry no glyph, and the walks legitimately
// differ there (a range comment includes its line break).
std::string withoutBreaks(const QString &text, const std::string &cls)
{
    std::string out;
    for (int i = 0; i < text.size(); ++i)
        if (text.at(i) != QLatin1Char('\n'))
            out += cls[size_t(i)];
    return out;
}

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

class Typing : public ::testing::TestWithParam<Row> {};

TEST_P(Typing, FormatsTypedCharacters)
{
    EXPECT_EQ(typed(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Typing, ::testing::Values(
    Row{"section_word", "\\section{word}", "ccccccccpssssp"},
    Row{"backslash_percent_stays_out_of_comment", "\\% x", "ssss"},
    Row{"percent_after_space_comments_until_enter", "a %b c\nd", "ssmmmmss"},
    Row{"escaped_brace_then_letters", "\\{abc}", "sssssp"},
    Row{"command_keeps_punctuation", "\\foo.bar", "cccccccc"},
    Row{"accent_ends_command", "\\-x", "ccs"},
    Row{"dollars", "$x$", "dsd"},
    Row{"emph_then_text", "\\emph{a} b", "cccccpspss"},
    Row{"brackets", "(a)[b]", "rsrqsq"},
    Row{"comment_swallows_everything", "%\\x{", "mmmm"},
    Row{"escaped_hash_in_command", "\\#1", "sss"},
    Row{"hash_outside_command", "a#", "ss"}));

TEST(Typing, InvalidStateIsComputedFromTheLine)
{
    TypingHighlighter h;
    h.invalidate();
    EXPECT_EQ(h.typeChar(QLatin1Char('a'), u"\\sec").format, TokenClass::TexCommand);
    h.invalidate();
    EXPECT_EQ(h.typeChar(QLatin1Char('a'), u"x % y").format, TokenClass::Comment);
    h.invalidate();
    EXPECT_EQ(h.typeChar(QLatin1Char('a'), u"\\sec{").format, TokenClass::Standard);
    // A valid state is not recomputed: the typed history wins over the line.
    EXPECT_EQ(h.typeChar(QLatin1Char('b'), u"% whatever").format, TokenClass::Standard);
}

TEST(Typing, SpaceInCommentStaysComment)
{
    TypingHighlighter h;
    h.typeChar(QLatin1Char('%'), u"");
    EXPECT_EQ(h.space(u"%"), TokenClass::Comment);
    EXPECT_EQ(h.state(), HighlightState::Comment);
    EXPECT_EQ(h.enter(), TokenClass::Standard);
    EXPECT_EQ(h.state(), HighlightState::Standard);
}

class Context : public ::testing::TestWithParam<std::pair<const char *, HighlightState>> {};

TEST_P(Context, StateAtCaret)
{
    EXPECT_EQ(Highlighter::contextState(QString::fromUtf8(GetParam().first)), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Table, Context, ::testing::Values(
    std::pair{"", HighlightState::Standard},
    std::pair{"\\sec", HighlightState::Command},
    std::pair{"a % b", HighlightState::Comment},
    std::pair{"\\%", HighlightState::Command},
    std::pair{"\\sec{", HighlightState::Standard},
    std::pair{"x\\y z", HighlightState::Standard},
    std::pair{"\\a-", HighlightState::Standard},
    std::pair{"\\sec%", HighlightState::Command},
    std::pair{"$a", HighlightState::Standard}));

class Range : public ::testing::TestWithParam<Row> {};

TEST_P(Range, AssignsClasses)
{
    EXPECT_EQ(range(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Range, ::testing::Values(
    Row{"command_and_braces", "\\section{word}", "ccccccccpssssp"},
    Row{"command_ends_at_blank_and_tab", "\\a b\\c\td", "ccssccss"},
    Row{"escaped_percent_joins_command", "\\% x", "ccss"},
    Row{"comment_takes_its_line_break", "a %b\nc", "ssmmms"},
    Row{"escaped_brace_is_a_brace", "\\{a", "cps"},
    Row{"dollar_math", "$x$ (y)", "dsdsrsr"}));

TEST(Range, StartsInTheContextState)
{
    const QString text = QStringLiteral("\\textbf{b} % note\nx");
    EXPECT_EQ(range(text, 3, 5, HighlightState::Command), "ccccp");
    EXPECT_EQ(range(text, 13, 6, HighlightState::Comment), "mmmmms");
    // Only the range is formatted.
    const auto runs = Highlighter::rangeRuns(text, 8, 2, HighlightState::Standard);
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.front().start, 8);
    EXPECT_EQ(runs.back().start + runs.back().length, 10);
}

TEST(Preview, HasNoEscapeRule)
{
    const QString text = QStringLiteral("\\{x\\} % c");
    EXPECT_EQ(classes(Highlighter::expand(Highlighter::previewRuns(text), int(text.size()))), "cpscpsmmm");
}

// The three ways of highlighting agree on ordinary LaTeX.
TEST(Agreement, FullRangeAndTypingAgreeOnARealisticDocument)
{
    const QString doc = QStringLiteral(
        "\\documentclass[12pt]{article}\n"
        "\\usepackage{amsmath}\n"
        "% preamble ends here\n"
        "\\begin{document}\n"
        "\\section{Intro} Some text with $x^2$ and (round) [square] brackets.\n"
        "\\emph{word} costs 50 euros, see \\cite{knuth84}.\n"
        "\n"
        "Have you ever wondered why you are % aside {x}\n"
        "\\end{document}\n");
    const std::string f = withoutBreaks(doc, full(doc));
    EXPECT_EQ(withoutBreaks(doc, range(doc)), f);
    EXPECT_EQ(withoutBreaks(doc, typed(doc)), f);
}

// Where the rules legitimately differ.
TEST(Agreement, DifferencesBetweenTheWalks)
{
    struct Case {
        const char *text, *full, *range, *typed;
    };
    const Case cases[] = {
        // Escaped percent: standard when walked in full or typed; the range walk keeps it in the command.
        {"50\\% x", "ssssss", "sscc" "ss", "ssssss"},
        // Punctuation after a command ends it only in the full walk.
        {"\\foo.b", "ccccss", "cccccc", "cccccc"},
        // A percent right after a command name: a comment for the full walk and while typing.
        {"\\sec%x", "ccccmm", "cccccs", "ccccmm"},
        // Escaped braces: standard in full and typed, a command and a brace in a range.
        {"\\{a", "sss", "cps", "sss"},
    };
    for (const Case &c : cases) {
        const QString t = QString::fromUtf8(c.text);
        EXPECT_EQ(full(t), c.full) << c.text;
        EXPECT_EQ(range(t), c.range) << c.text;
        EXPECT_EQ(typed(t), c.typed) << c.text;
    }
}

} // namespace
