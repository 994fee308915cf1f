// BibTeX's log: errors and warnings attributed to the ".bib" or ".aux" line BibTeX
// names, on logs as BibTeX writes them and on logs written by the real bibtex.
#include "latex/bibtexlogparser.h"
#include "logsummary.h"
#include "testsupport.h"

#include <QProcess>

namespace {

const QString Dir = QStringLiteral("/nowhere/work");

TEST(BibtexLogParserTest, EachMessageLandsOnTheLineBibtexNames)
{
    struct Case { const char *name; QByteArray log; QString expected; };
    const Case cases[] = {
        {"error with its place on its own line",
         "The top-level auxiliary file: a.aux\n"
         "I couldn't open database file nosuch.bib\n---line 6 of file a.aux\n"
         " : \\bibdata{refs,nosuch\n :                     }\n"
         "I'm skipping whatever remains of this command\n"
         "Database file #1: refs.bib\n",
         "E a.aux:6"},
        {"error with its place on its line, and a note of an earlier line",
         "I was expecting a `,' or a `}'---line 4 of file refs.bib\n : \n : @article{other,\n"
         "(Error may have been on previous line)\nI'm skipping whatever remains of this entry\n",
         "E refs.bib:4"},
        {"warnings with and without a place",
         "Warning--I'm ignoring knuth's extra \"author\" field\n--line 2 of file refs.bib\n"
         "Warning--I didn't find a database entry for \"nobody\"\nWarning--empty journal in other\n"
         "You've used 2 entries,\n",
         "W refs.bib:2 | W :0 | W :0"},
        {"a file BibTeX read without a line",
         "I found no \\citation commands---while reading file a.aux\n", "E a.aux:0"},
        {"a fatal stop",
         "Sorry---you've exceeded BibTeX's hash size 100\nAborted at line 17 of file big.bib\n", "E big.bib:17"},
        {"CR LF lines", "Repeated entry---line 3 of file refs.bib\r\n : @book{knuth\r\n", "E refs.bib:3"},
    };
    for (const Case &c : cases) {
        const LatexLog log = BibtexLogParser::parse(c.log, Dir);
        EXPECT_EQ(logSummary(log, Dir), c.expected) << c.name;
    }
}

TEST(BibtexLogParserTest, MessagesAndTheirLogLines)
{
    const LatexLog log = BibtexLogParser::parse("Database file #1: refs.bib\n"
                                                "I couldn't open database file nosuch.bib\n---line 6 of file a.aux\n"
                                                " : \\bibdata{nosuch\n"
                                                "I'm skipping whatever remains of this command\n"
                                                "Warning--empty journal in other\n"
                                                "(There was 1 error message)\n",
                                                Dir);
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log.at(0).message, QStringLiteral("I couldn't open database file nosuch.bib"));
    EXPECT_EQ(log.at(0).logLine, 1);
    EXPECT_EQ(log.at(0).logLineCount, 4);
    EXPECT_EQ(log.at(1).message, QStringLiteral("empty journal in other"));
    EXPECT_EQ(log.at(1).logLine, 5);
    EXPECT_EQ(log.at(1).logLineCount, 1);
    EXPECT_EQ(log.errorCount(), 1);
    EXPECT_EQ(log.warningCount(), 1);
    EXPECT_EQ(log.entryAtLogLine(3), 0);
    EXPECT_EQ(log.entryAtLogLine(6), -1);
}

class BibtexRunTest : public testsupport::TempDirTest
{
};

TEST_F(BibtexRunTest, LogsOfTheRealBibtexLandOnTheirLines)
{
    if (!testsupport::haveProgram("latex") || !testsupport::haveProgram("bibtex"))
        GTEST_SKIP() << "TeX Live is not installed";
    testsupport::writeFile(path("refs.bib"),
                           "@book{knuth, author={Donald Knuth}, title={The TeXbook}, year={1984},\n"
                           "  author={Twice}, publisher={AW}}\n"
                           "@book{knuth, author={A}, title={B}, publisher={C}, year={1}}\n"
                           "\n"
                           "@article{other, author={C. D}, title={T}, journal=undefinedstring, year={2000}}\n");
    testsupport::writeFile(path("a.tex"), "\\documentclass{article}\n\\begin{document}\n"
                                          "\\cite{knuth} \\cite{nobody} \\cite{other}\n"
                                          "\\bibliographystyle{plain}\n\\bibliography{refs,nosuch}\n"
                                          "\\end{document}\n");
    for (const QString &program : {QStringLiteral("latex"), QStringLiteral("bibtex")}) {
        QProcess p;
        p.setWorkingDirectory(path());
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(program, {program == QLatin1String("latex") ? QStringLiteral("a.tex") : QStringLiteral("a")});
        ASSERT_TRUE(p.waitForFinished(60000));
    }
    const LatexLog log = BibtexLogParser::parse(testsupport::readAll(path("a.blg")), path());
    EXPECT_EQ(logSummary(log, path()),
              QStringLiteral("E a.aux:6 | W refs.bib:2 | E refs.bib:3 | W refs.bib:5 | W :0 | W :0"));
    EXPECT_EQ(log.errorCount(), 2);
}

} // namespace
