// Find, brace matching and the names Open and Execute take from around the caret.
#include "editor/textsearch.h"

#include "testsupport.h"

namespace {

struct FindRow {
    const char *name;
    const char *text;
    const char *needle;
    int from;
    bool matchCase;
    bool wholeWord;
    int expected;
};
void PrintTo(const FindRow &r, std::ostream *os) { *os << r.name; }

class Find : public ::testing::TestWithParam<FindRow> {};

TEST_P(Find, Table)
{
    const FindRow &r = GetParam();
    EXPECT_EQ(TextSearch::find(QString::fromUtf8(r.text), QString::fromUtf8(r.needle), r.from, r.matchCase, r.wholeWord),
              r.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Find, ::testing::Values(
    FindRow{"plain", "one two one", "one", 0, false, false, 0},
    FindRow{"forward_from_selection_end", "one two one", "one", 3, false, false, 8},
    FindRow{"no_wrap_around", "one two one", "one", 9, false, false, -1},
    FindRow{"ignores_case", "Word word", "WORD", 0, false, false, 0},
    FindRow{"match_case", "Word word", "word", 0, true, false, 5},
    FindRow{"whole_word_skips_parts", "words sword word", "word", 0, false, true, 12},
    FindRow{"whole_word_at_edges", "word", "word", 0, false, true, 0},
    FindRow{"underscore_is_a_word_character", "a_word word", "word", 0, false, true, 7},
    FindRow{"whole_word_next_to_punctuation", "\\word{x}", "word", 0, false, true, 1},
    FindRow{"umlaut_is_a_word_character", "\xc3\xa4word word", "word", 0, false, true, 6},
    FindRow{"empty_needle", "abc", "", 0, false, false, -1},
    FindRow{"needle_longer_than_text", "ab", "abc", 0, false, false, -1}));

struct BraceRow {
    const char *name;
    const char *text;
    int pos;
    int expected;
};
void PrintTo(const BraceRow &r, std::ostream *os) { *os << r.name; }

class Braces : public ::testing::TestWithParam<BraceRow> {};

TEST_P(Braces, Table)
{
    EXPECT_EQ(TextSearch::matchBrace(QString::fromUtf8(GetParam().text), GetParam().pos), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Braces, ::testing::Values(
    BraceRow{"forward", "{a}", 0, 2},
    BraceRow{"nested_forward", "{a{b}c}", 0, 6},
    BraceRow{"escaped_closing_brace_is_skipped", "{a\\}b}", 0, 5},
    BraceRow{"escaped_opening_brace_is_skipped", "{\\{}", 0, 3},
    BraceRow{"backward", "{a{b}c}", 6, 0},
    BraceRow{"backward_inner", "{a{b}c}", 4, 2},
    BraceRow{"backward_skips_escaped", "{\\{a}", 4, 0},
    BraceRow{"unbalanced", "{a", 0, -1},
    BraceRow{"unbalanced_backward", "a}", 1, -1},
    BraceRow{"no_brace_at_caret", "abc", 1, -1},
    BraceRow{"escaped_brace_at_caret", "\\{a}", 1, -1},
    BraceRow{"past_end", "{}", 2, -1}));

struct NameRow {
    const char *name;
    const char *text;
    int pos;
    const char *selection;
    const char *expected;
};
void PrintTo(const NameRow &r, std::ostream *os) { *os << r.name; }

class OpenName : public ::testing::TestWithParam<NameRow> {};

TEST_P(OpenName, Table)
{
    const NameRow &r = GetParam();
    EXPECT_EQ(TextSearch::nameAt(QString::fromUtf8(r.text), r.pos, QString::fromUtf8(r.selection)),
              QString::fromUtf8(r.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, OpenName, ::testing::Values(
    NameRow{"inside_braces", "\\input{chapters/intro}", 12, "", "chapters/intro"},
    NameRow{"caret_before_name", "\\input{intro}", 7, "", "intro"},
    NameRow{"caret_after_name", "\\input{intro}", 12, "", "intro"},
    NameRow{"between_blanks_and_lines", "a\nsee fig.eps\tnow", 6, "", "fig.eps"},
    NameRow{"all_delimiters", "(a*b,c;d<e>f?g[h]i)", 9, "", "e"},
    NameRow{"selection_trimmed", "whatever", 0, "  my file.tex ", "my file.tex"},
    NameRow{"text_start_and_end", "name", 2, "", "name"},
    NameRow{"on_a_delimiter", "{}", 1, "", ""}));

TEST(OpenName, ExaminesAtMost255Characters)
{
    const QString text = QString(300, QLatin1Char('a'));
    EXPECT_EQ(TextSearch::nameAt(text, 150, QString()).size(), TextSearch::MaxExamined);
}

class ExecuteCommand : public ::testing::TestWithParam<NameRow> {};

TEST_P(ExecuteCommand, Table)
{
    const NameRow &r = GetParam();
    EXPECT_EQ(TextSearch::commandAt(QString::fromUtf8(r.text), r.pos, QString::fromUtf8(r.selection)),
              QString::fromUtf8(r.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, ExecuteCommand, ::testing::Values(
    NameRow{"comment_command", "% xdvi thesis.dvi\nnext", 5, "", "xdvi thesis.dvi"},
    NameRow{"semicolon_separates", "a; make all ;b", 6, "", "make all"},
    NameRow{"selection", "x", 0, " ls -l ", "ls -l"}));

} // namespace
