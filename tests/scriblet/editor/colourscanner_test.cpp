// Which characters colouring gives which class, with the default keyword lists.
#include "editor/colourscanner.h"

#include "editor/keywordfiles.h"
#include "testsupport.h"

namespace {

// One letter per character: C command, E environment name, { curly brace,
// [ square bracket, % comment, $ mathematics, . plain text.
QString classes(const ColourScanner &scanner, const QString &text)
{
    QString out(text.size(), u'.');
    for (const ColourScanner::Run &r : scanner.scan(text)) {
        static const char marks[] = {'%', '{', '[', 'E', 'C', '$'};
        for (int i = r.start; i < r.start + r.length; ++i)
            out[i] = QLatin1Char(marks[int(r.token)]);
    }
    return out;
}

ColourScanner defaultScanner()
{
    const KeywordFiles::Lists l = KeywordFiles::build(KeywordFiles::parse(KeywordFiles::defaultCommands()),
                                                      KeywordFiles::parse(KeywordFiles::defaultEnvironments()));
    return ColourScanner(l.commandList, l.controlSymbols, l.environmentList);
}

struct Case {
    const char *name;
    const char *text; // UTF-8
    const char *classes;
};

class Colouring : public ::testing::TestWithParam<Case> {};

TEST_P(Colouring, ClassesOfEveryCharacter)
{
    static const ColourScanner scanner = defaultScanner();
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(classes(scanner, text), QString::fromUtf8(GetParam().classes)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    DefaultLists, Colouring,
    ::testing::Values(
        Case{"sectionWithComment", "\\section{Einleitung} % Anfang", "CCCCCCCC{..........{.%%%%%%%%"},
        Case{"environmentAfterBrace", "\\begin{itemize}", "CCCCCC{EEEEEEE{"},
        Case{"environmentWordElsewhereIsPlain", "itemize {x itemize}", "........{.........{"},
        Case{"backslashPercentIsACommandNotAComment", "50\\% und % Rest", "..CC.....%%%%%%"},
        Case{"keywordWithMoreLettersIsPlain", "\\sectionx \\textbfa", ".................."},
        Case{"lastEntriesOfBothLists", "\\width{displaymath}", "CCCCCC{EEEEEEEEEEE{"},
        Case{"nonAsciiLetterEndsACommand", "\\textbfü", "CCCCCCC."},
        Case{"controlSymbols", "\\\\ \\, \\- \\x", "CC.CC.CC..."},
        Case{"loneBackslashIsPlain", "\\ \\1", "...."},
        Case{"bracketsAndMath", "$x^2$ [opt]", "$...$.[...["},
        Case{"caseSensitive", "\\Section \\LARGE", ".........CCCCCC"},
        Case{"commentRunsToLineEnd", "a % b\n\\item", "..%%%.CCCCC"}),
    [](const auto &info) { return std::string(info.param.name); });

// Every entry can match, the last one too, and the lists are the keyword files'.
TEST(ColourScannerLists, EntriesAreBlankSeparatedAndCaseSensitive)
{
    const ColourScanner s(QStringLiteral(" \\a \\bb"), QString(), QStringLiteral(" x yy"));
    EXPECT_TRUE(s.isCommand(u"\\a"));
    EXPECT_TRUE(s.isCommand(u"\\bb"));
    EXPECT_FALSE(s.isCommand(u"\\b"));
    EXPECT_FALSE(s.isCommand(u"\\A"));
    EXPECT_TRUE(s.isEnvironment(u"yy"));
    EXPECT_FALSE(s.isEnvironment(u"y"));
    EXPECT_EQ(classes(s, QStringLiteral("{yy}{y}")), QStringLiteral("{EE{{.{"));
}

} // namespace
