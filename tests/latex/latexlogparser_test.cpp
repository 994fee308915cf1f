// The log parser on hand-written logs: the parentheses TeX writes that open no
// file, wrapped lines and names, messages joined across lines, and the walk from
// error to error.
#include "latex/latexlogparser.h"
#include "logsummary.h"
#include "testsupport.h"

#include <QDir>

namespace {

using Kind = LatexLogEntry::Kind;
const QString Dir = QStringLiteral("/nowhere/work");

// Breaks every line after `width` bytes, as TeX does when it writes its log: a line
// that fills the width exactly is broken too, and its own end adds an empty line.
QByteArray wrap(const QByteArray &text, int width)
{
    QByteArray out;
    for (const QByteArray &line : text.split('\n')) {
        for (qsizetype at = 0; at < line.size(); at += width)
            out += line.mid(at, width) + (at + width < line.size() ? "\n" : "");
        out += line.size() > 0 && line.size() % width == 0 ? "\n\n" : "\n";
    }
    out.chop(1);
    return out;
}

LatexLog parse(const QByteArray &log, int width = 79, const QString &dir = Dir)
{
    LatexLogParser::Options o;
    o.workingDirectory = dir;
    o.maxPrintLine = width;
    return LatexLogParser::parse(log, o);
}

QString summary(const LatexLog &log, const QString &dir = Dir) { return logSummary(log, dir); }

const QByteArray UndefinedHelp = "The control sequence at the end of the top line\n"
                                 "of your error message was never \\def'ed. If you have\n"
                                 "misspelled it (e.g., `\\hobx'), type `I' and the correct\n"
                                 "spelling (e.g., `I\\hbox'). Otherwise just continue,\n"
                                 "and I'll forget about whatever was undefined.\n\n";

} // namespace

TEST(LatexLogParserTest, ParenthesesThatOpenNoFileLeaveTheFileStackAlone)
{
    struct Case { const char *name; QByteArray log; QString expected; };
    const Case cases[] = {
        {"remark balanced on its line",
         "(./main.tex (./a.tex) (see the transcript file for additional information)\n"
         "LaTeX Warning: Label(s) may have changed on input line 4.\n\n",
         "W main.tex:4"},
        {"end inside a group",
         "(./main.tex (./a.tex)\n(\\end occurred inside a group at level 1)\n"
         "LaTeX Warning: x on input line 9.\n\n)",
         "W main.tex:9"},
        {"font map and page numbers",
         "(./main.tex [1{/var/lib/texmf/fonts/map/pdftex/updmap/pdftex.map}] [2] (./chap1.tex\n"
         "! Undefined control sequence.\nl.3 \\foo\n        \n" + UndefinedHelp + ") [3]\n"
         "LaTeX Warning: y on input line 12.\n\n",
         "E chap1.tex:3 | W main.tex:12"},
        {"include opens the aux file, the chapter after the page",
         "(./main.tex\n\\openout2 = `chap1.aux'.\n\n [1] (./chap1.tex\n"
         "LaTeX Warning: Reference `a' on page 2 undefined on input line 5.\n\n"
         ") [2] (./main.aux (./chap1.aux))\n\nLaTeX Warning: There were undefined references.\n\n )",
         "W chap1.tex:5 | W main.tex:0"},
        {"unbalanced parentheses in the context and help of an error",
         "(./main.tex (./chap.tex\n! Package pk Error: Bad thing (open.\n\nSee the pk package documentation.\n"
         "l.11 ...kg}{Bad thing (open}{Help text (also open}\n       more) text)\n"
         "Help text (also open\n\n(./a.tex)\nLaTeX Warning: z on input line 12.\n\n",
         "E chap.tex:11 | W chap.tex:12"},
        {"unbalanced parenthesis in a continued info line",
         "(./main.tex (./p.sty\nPackage pk Info: info first\n(pk)             info second) on input line 10.\n"
         "LaTeX Warning: in the package on input line 20.\n\n)",
         "W p.sty:20"},
        {"unbalanced parenthesis in a bad box and a runaway argument",
         "(./main.tex (./chap.tex\nOverfull \\hbox (193.60323pt too wide) detected at line 14\n"
         "\\OT1/cmr/m/n/10 a very long unbreakable overfull content with a paren)\n []\n\n"
         "Runaway argument?\n{abc) def \n! Paragraph ended before \\y was complete.\n"
         "<to be read again> \n                   \\par \nl.15 \n    \nI suspect...\n\n"
         "LaTeX Warning: w on input line 16.\n\n",
         "B chap.tex:14 | E chap.tex:15 | W chap.tex:16"},
        {"show quotes a macro with a parenthesis",
         "(./main.tex (./chap.tex\n> \\x=macro:\n->a).\nl.9 \\show\\x\n           \n\n"
         "LaTeX Warning: v on input line 10.\n\n",
         "W chap.tex:10"},
        {"a log of an interactive run ends the error at the prompt",
         "(./main.tex\n! Undefined control sequence.\nl.3 \\foo\n        \n? \n(./b.tex\n"
         "LaTeX Warning: u on input line 2.\n\n)",
         "E main.tex:3 | W b.tex:2"},
        {"bare names and quoted names with blanks",
         "(main.tex (chap1.tex\nLaTeX Warning: a on input line 1.\n\n) (\"./my chapter.tex\"\n"
         "LaTeX Warning: b on input line 2.\n\n) (./kapitel/einleitung.tex\n"
         "LaTeX Warning: c on input line 3.\n\n)",
         "W chap1.tex:1 | W my chapter.tex:2 | W kapitel/einleitung.tex:3"},
        {"unquoted name with a blank and an extension",
         "(./main.tex (./my chapter.tex\nLaTeX Font Warning: Font shape `OT1/cmr/bx/sc' undefined\n"
         "(Font)              using `OT1/cmr/bx/n' instead on input line 7.\n\n)",
         "W my chapter.tex:7"},
        {"absolute package paths and a stray close at the end",
         "(./main.tex (/usr/share/texlive/texmf-dist/tex/latex/base/article.cls\n"
         "Document Class: article 2022/07/02 v1.4n Standard LaTeX document class (size\n"
         "(/usr/share/texlive/texmf-dist/tex/latex/base/size10.clo\n"
         "File: size10.clo 2022/07/02 v1.4n Standard LaTeX file (size option\n)\n)\n"
         "! Undefined control sequence.\nl.3 Hello \\foo\n               world.\n" + UndefinedHelp + ") )\n"
         "! Emergency stop.\n<*> main.tex\n         \n*** (job aborted, no legal \\end found)\n\n",
         "E main.tex:3 | E main.tex:0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(summary(parse(c.log)), c.expected);
    }
}

TEST(LatexLogParserTest, WrappedLinesAreJoinedAtTheirWidth)
{
    const QByteArray deep = "/tmp/" + QByteArray(70, 'a') + '/' + QByteArray(60, 'b') + "/sub/deep.tex";
    const QByteArray log = "(./main.tex\nLaTeX2e <2022-11-01> patch level 1\n(" + deep + "\n"
                           "! LaTeX Error: File `" + QByteArray(70, 'x') + ".sty' not found.\n\n"
                           "Type X to quit or <RETURN> to proceed,\nor enter new name. (Default extension: sty)\n\n"
                           "Enter file name: \n! Emergency stop.\n<read *> \n         \nl.2 \\usepackage\n"
                           "          {x}^^M\n*** (cannot \\read from terminal in nonstop modes)\n\n";
    for (int width : {79, 50, 120}) {
        SCOPED_TRACE(width);
        const LatexLog result = parse(wrap(log, width), width);
        ASSERT_EQ(result.size(), 2);
        EXPECT_EQ(result.at(0).file, QString::fromLatin1(deep));
        EXPECT_EQ(result.at(0).message, "LaTeX Error: File `" + QByteArray(70, 'x') + ".sty' not found.");
        // The missing file has no line of its own; the stop right after it shows where.
        EXPECT_EQ(result.at(0).line, 2);
        EXPECT_EQ(result.at(1).message, "Emergency stop. (cannot \\read from terminal in nonstop modes)");
        EXPECT_EQ(result.at(1).line, 2);
    }

    // A log written without wrapping: the first line longer than the width stops
    // the joining, and a line that happens to be 79 long stays a line of its own.
    const QByteArray longName = "./" + QByteArray(90, 'c') + ".tex";
    const QByteArray full79 = "This is pdfTeX, Version 3.141592653-2.6-1.40.24 (TeX Live 2022/Debian) (preloaded)\n"
                              "(./main.tex (./a.tex) (" + longName + "\nLaTeX Warning: " + QByteArray(64, 'd')
                              + "\n" + "(./b.tex\nLaTeX Warning: e on input line 8.\n\n))";
    ASSERT_EQ(full79.split('\n')[2].size(), 79);
    EXPECT_EQ(summary(parse(full79)), "W " + longName.mid(2) + ":0 | W b.tex:8");

    // An error right after a line that ended exactly at the margin is not joined to it.
    const QByteArray atMargin = "(./" + QByteArray(72, 'm') + ".tex\n! Undefined control sequence.\nl.5 \\foo\n"
                                "        \n" + UndefinedHelp;
    ASSERT_EQ(atMargin.split('\n')[0].size(), 79);
    EXPECT_EQ(summary(parse(atMargin)), "E " + QByteArray(72, 'm') + ".tex:5");
}

TEST(LatexLogParserTest, TheDiskDecidesWhereTheLogLeavesANameOpen)
{
    QTemporaryDir dir;
    const QString base = QDir::cleanPath(dir.path());
    // "(" and the name fill the line exactly; the next line is other output.
    const QString atMargin = base + '/' + QString(78 - base.size() - 5, 'm') + ".tex";
    testsupport::writeFile(atMargin, "x");
    testsupport::writeFile(base + "/my chapter.tex", "x");
    const QByteArray log = "(" + atMargin.toUtf8() + "\nChapter 1.\nLaTeX Warning: a on input line 3.\n\n"
                           "(my chapter.tex\nLaTeX Warning: b on input line 4.\n\n))";
    ASSERT_EQ(log.indexOf('\n'), 79);
    EXPECT_EQ(summary(parse(log, 79, base), base),
              "W " + QFileInfo(atMargin).fileName() + ":3 | W my chapter.tex:4");
}

TEST(LatexLogParserTest, MessagesAreJoinedAcrossWrapsAndContinuationLines)
{
    const QByteArray log = wrap(
        "(./main.tex\n"
        "Package mypkg Warning: Something odd (really)\n(mypkg)                happened here on input line 10.\n\n"
        "! LaTeX Error: Err first\n               err second.\n\nSee the LaTeX manual.\n ...      \n      \n"
        "l.5 ...or{Err first\\MessageBreak err second}{help}\n            \nhelp\n\n"
        "! Package pk Error: PErr first\n(pk)                perr second.\n\nSee the pk package.\n"
        "l.6 \\PackageError\n                 {pk}\nhelp\n\n"
        "LaTeX Warning: Citation `" + QByteArray(80, 'k') + "' on page 1 undefined on input line 23.\n\n"
        "Underfull \\vbox (badness 10000) has occurred while \\output is active []\n\n"
        "Overfull \\hbox (15.0pt too wide) in paragraph at lines 30--34\n[]\\OT1/cmr/m/n/10 text \n []\n\n"
        "pdfTeX warning (ext4): destination with the same identifier (name{page.1}) has been already used\n"
        "<to be read again> \n                   \\relax \nl.40 \\newpage\n               \n)",
        79);
    const LatexLog result = parse(log);
    ASSERT_EQ(result.size(), 7);
    EXPECT_EQ(result.at(0).message, "Package mypkg Warning: Something odd (really) happened here on input line 10.");
    EXPECT_EQ(result.at(0).line, 10);
    EXPECT_EQ(result.at(1).message, "LaTeX Error: Err first err second.");
    EXPECT_EQ(result.at(1).context, "...or{Err first\\MessageBreak err second}{help}");
    EXPECT_EQ(result.at(2).message, "Package pk Error: PErr first perr second.");
    EXPECT_EQ(result.at(2).context, "\\PackageError");
    EXPECT_EQ(result.at(3).message, "LaTeX Warning: Citation `" + QByteArray(80, 'k') + "' on page 1 undefined on input line 23.");
    EXPECT_EQ(result.at(3).line, 23);
    EXPECT_EQ(result.at(3).logLineCount, 2);
    EXPECT_EQ(result.at(4).message, "Underfull \\vbox (badness 10000) has occurred while \\output is active");
    EXPECT_EQ(result.at(4).line, 0);
    EXPECT_EQ(result.at(5).message, "Overfull \\hbox (15.0pt too wide) in paragraph at lines 30--34");
    EXPECT_EQ(result.at(5).line, 30);
    EXPECT_EQ(result.at(6).kind, Kind::Warning);
    EXPECT_EQ(result.at(6).line, 40);
    for (const LatexLogEntry &e : result.entries())
        EXPECT_EQ(e.file, Dir + "/main.tex") << e.message.toStdString();
}

TEST(LatexLogParserTest, ChunksOfAnySizeGiveTheSameEntries)
{
    QByteArray log = "(./main.tex (./" + QByteArray(100, 'n') + ".tex\n";
    for (int i = 1; i <= 30; ++i)
        log += "LaTeX Warning: Reference `r" + QByteArray::number(i) + "' on page 1 undefined on input line "
               + QByteArray::number(i) + ".\n\n! Undefined control sequence.\nl." + QByteArray::number(i)
               + " \\foo\n      \n" + UndefinedHelp + (i % 7 == 0 ? ") (./x.tex\n" : "");
    log = wrap(log, 79);
    const LatexLog whole = parse(log);
    ASSERT_EQ(whole.size(), 60);
    for (int chunk : {1, 7, 80, 4096}) {
        SCOPED_TRACE(chunk);
        LatexLogParser::Options o;
        o.workingDirectory = Dir;
        LatexLogParser parser(o);
        for (qsizetype at = 0; at < log.size(); at += chunk)
            parser.feed(log.mid(at, chunk));
        parser.finish();
        const LatexLog pieces = parser.takeLog();
        ASSERT_EQ(summary(pieces), summary(whole));
        for (int i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(pieces.at(i).message, whole.at(i).message);
            EXPECT_EQ(pieces.at(i).logLine, whole.at(i).logLine);
        }
    }
}

TEST(LatexLogParserTest, CountsAndTheWalkFromErrorToError)
{
    const QByteArray log = "(./main.tex\n"                                           // 0
                           "LaTeX Warning: a on input line 1.\n\n"                   // 1
                           "! Undefined control sequence.\nl.2 \\foo\n       \nHelp.\n\n" // 3
                           "Overfull \\hbox (1.0pt too wide) detected at line 3\n[]\n\n" // 8
                           "! Missing $ inserted.\n<inserted text> \n    $\nl.4 x\n     \n\n"; // 11
    const LatexLog result = parse(log);
    EXPECT_EQ(result.errorCount(), 2);
    EXPECT_EQ(result.warningCount(), 1);
    EXPECT_EQ(result.badBoxCount(), 1);
    EXPECT_EQ(result.firstError(), 1);
    EXPECT_EQ(result.next(1, Kind::Error), 3);
    EXPECT_EQ(result.next(3, Kind::Error), -1);
    EXPECT_EQ(result.previous(3, Kind::Error), 1);
    EXPECT_EQ(result.previous(1, Kind::Error), -1);
    EXPECT_EQ(result.previous(result.size(), Kind::Error), 3);
    EXPECT_EQ(result.at(1).logLine, 3);
    EXPECT_EQ(result.at(1).logLineCount, 4);
    EXPECT_EQ(result.entryAtLogLine(0), -1);
    EXPECT_EQ(result.entryAtLogLine(1), 0);
    EXPECT_EQ(result.entryAtLogLine(2), -1);
    EXPECT_EQ(result.entryAtLogLine(6), 1);
    EXPECT_EQ(result.entryAtLogLine(9), 2);
    EXPECT_EQ(result.entryAtLogLine(14), 3);
    EXPECT_EQ(result.entryAtLogLine(100), -1);

    const LatexLog empty = parse("This is pdfTeX\n(./main.tex [1] )\nOutput written on main.dvi (1 page).\n");
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.firstError(), -1);
}

TEST(LatexLogParserTest, FileReadingFailsWithTheReason)
{
    QTemporaryDir dir;
    LatexLog log;
    QString error;
    EXPECT_FALSE(LatexLogParser::parseFile(dir.filePath("missing.log"), &log, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(LatexLogParser::parseFile(dir.path(), &log, &error));
    EXPECT_EQ(error, "not a regular file");
}
