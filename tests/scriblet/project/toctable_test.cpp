// Reading and parsing LaTeX's ".toc" file.
#include "resources/strings.h"
#include "project/toctable.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

#include <sys/stat.h>

namespace {

struct LineCase {
    const char *name;
    const char *line; // without line feed and without the final character that is dropped
    bool gives;
    int level;
    const char *number;
    const char *title;
};

const LineCase lineCases[] = {
    {"numberedSection", "\\contentsline {section}{\\numberline {2.1}Grundlagen der \\textbf {Methode}}{12}",
     true, 1, "2.1", "Grundlagen der \\textbf {Methode}"},
    {"unnumberedChapter", "\\contentsline {chapter}{Vorwort}{3}", true, 0, "", "Vorwort"},
    {"paragraphGivesNoRow", "\\contentsline {paragraph}{\\numberline {1}Absatz}{3}", false, 0, "", ""},
    {"partGivesNoRow", "\\contentsline {part}{I\\hspace {1em}Teil}{3}", false, 0, "", ""},
    {"subsection", "\\contentsline {subsection}{\\numberline {1.2.3}Unter}{4}{}", true, 2, "1.2.3", "Unter"},
    {"subsubsection", "\\contentsline {subsubsection}{Tief}{4}{}", true, 3, "", "Tief"},
    {"titleWithWordChapterIsAChapter", "\\contentsline {section}{\\numberline {1.1}Ein chapter hier}{2}",
     true, 0, "", "ier"},
    {"nestedBracesStay", "\\contentsline {section}{\\numberline {3}A {b {c}} d}{5}{}", true, 1, "3", "A {b {c}} d"},
    {"babelShorthands",
     "\\contentsline {section}{\\numberline {1}M\\active@dq \\dq@prtct {a}ngel \\active@dq \\dq@prtct {U}ber "
     "Gr\\active@dq \\dq@prtct {o}\\active@dq \\dq@prtct {s}e}{1}",
     true, 1, "1", "Mängel Über Größe"},
    {"accentCommands", "\\contentsline {section}{\\numberline {1}\\\"Ol \\\"o \\\"A \\\"a \\\"U \\\"u \\\"O}{1}",
     true, 1, "1", "Öl ö Ä ä Ü ü Ö"},
    {"ieCSharpS", "\\contentsline {section}{\\numberline {1}Stra\\IeC {\\ss }e}{1}", true, 1, "1", "Straße"},
    {"utf8Letters", "\\contentsline {section}{\\numberline {2.1}Über die Größe}{4}{}", true, 1, "2.1", "Über die Größe"},
    {"titleStartingWithCommand", "\\contentsline {chapter}{\\textbf {Fett}}{4}", true, 0, "", "\\textbf {Fett}"},
    {"protectedNumberline", "\\contentsline {section}{\\protect \\numberline {4}Alt}{4}", true, 1, "4", "Alt"},
    {"truncatedLine", "\\contentsline {section", true, 1, "", ""},
    {"emptyLine", "", false, 0, "", ""},
};

class TocLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TocLineTest, ParsesTheLine)
{
    const LineCase &c = GetParam();
    TocEntry entry;
    ASSERT_EQ(TocTable::parseLine(QString::fromUtf8(c.line), &entry), c.gives);
    if (!c.gives)
        return;
    EXPECT_EQ(entry.level, c.level);
    EXPECT_EQ(entry.number, QString::fromUtf8(c.number));
    EXPECT_EQ(entry.title, QString::fromUtf8(c.title));
}

INSTANTIATE_TEST_SUITE_P(Lines, TocLineTest, ::testing::ValuesIn(lineCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TocEntryTest, DisplayTextHasNoLeadingBlankWithoutNumberAndNoMarkup)
{
    EXPECT_EQ((TocEntry{"2.1", "Titel", 1}).displayText(), QStringLiteral("2.1 Titel"));
    EXPECT_EQ((TocEntry{"", "Vorwort", 0}).displayText(), QStringLiteral("Vorwort"));
    // The title keeps LaTeX's markup; the pane shows the text a reader sees.
    const TocEntry marked{"2.1", "Grundlagen der \\textbf {Methode}", 1};
    EXPECT_EQ(marked.displayText(), QStringLiteral("2.1 Grundlagen der Methode"));
    EXPECT_EQ((TocEntry{"", "\\texorpdfstring {\\emph {Vorwort}}{Vorwort}", 0}).displayText(), QStringLiteral("Vorwort"));
}

TEST(TocParseTest, DropsLastCharacterAndIgnoresTextAfterTheLastLineFeed)
{
    TocTable t;
    t.tocText = QStringLiteral("\\contentsline {chapter}{Eins}{1}%\n"
                               "\\contentsline {chapter}{Zwei}{2}X\n"
                               "\\contentsline {chapter}{Drei}{3}%");
    t.ParseToc();
    ASSERT_EQ(t.headingCount(), 2);
    EXPECT_EQ(t.headings[0].title, QStringLiteral("Eins"));
    EXPECT_EQ(t.headings[1].title, QStringLiteral("Zwei"));
}

TEST(TocParseTest, KeepsOneThousandRowsAndSaysSoOnce)
{
    TocTable t;
    for (int i = 0; i < 1005; ++i)
        t.tocText += QStringLiteral("\\contentsline {section}{\\numberline {%1}S}{1}%\n").arg(i);
    QStringList messages;
    t.ParseToc([&messages](const QString &m) { messages << m; });
    EXPECT_EQ(t.headingCount(), 1000);
    EXPECT_EQ(t.headings.last().number, QStringLiteral("999"));
    EXPECT_EQ(messages, QStringList{Str::text(Str::TooManyTocEntries)});

    // Exactly 1000 rows is no reason for a message.
    t.tocText.clear();
    for (int i = 0; i < 1000; ++i)
        t.tocText += QStringLiteral("\\contentsline {section}{S}{1}%\n");
    messages.clear();
    t.ParseToc([&messages](const QString &m) { messages << m; });
    EXPECT_EQ(t.headingCount(), 1000);
    EXPECT_TRUE(messages.isEmpty());
}

class TocReadTest : public testsupport::TempDirTest {};

TEST_F(TocReadTest, MissingFileGivesTheNoTocText)
{
    TocTable t;
    t.tocFile = path("none.toc");
    t.headings.append(TocEntry{"1", "alt", 0});
    t.ReadToc();
    EXPECT_EQ(t.tocText, QStringLiteral("no TOC-file!"));
    t.ParseToc();
    EXPECT_EQ(t.headingCount(), 0);
    // A pipe named like the file would never end a read: it counts as missing.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.toc")).constData(), 0600), 0);
    t.tocFile = path("pipe.toc");
    t.ReadToc();
    EXPECT_EQ(t.tocText, QStringLiteral("no TOC-file!"));
}

TEST_F(TocReadTest, ReadsPiecesThatEndAtZeroBytesAndTurnsCrLfIntoLf)
{
    // 300 bytes: the first piece (255 bytes) holds a zero byte at 10, so its
    // text ends there; the second piece is read whole.
    QByteArray bytes(300, 'x');
    bytes[10] = '\0';
    bytes.replace(260, 2, "\r\n");
    testsupport::writeFile(path("a.toc"), bytes);
    TocTable t;
    t.tocFile = path("a.toc");
    t.ReadToc();
    EXPECT_EQ(t.tocText, QString(15, 'x') + "\n" + QString(38, 'x'));
}

TEST_F(TocReadTest, Windows1252FileIsDecoded)
{
    testsupport::writeFile(path("w.toc"), "\\contentsline {section}{\\numberline {1}M\xe4ngel}{1}%\n");
    TocTable t;
    t.tocFile = path("w.toc");
    t.ReadToc();
    t.ParseToc();
    ASSERT_EQ(t.headingCount(), 1);
    EXPECT_EQ(t.headings[0].title, QStringLiteral("Mängel"));
}

TEST_F(TocReadTest, BinaryAndHugeFilesNeverBreakTheParser)
{
    QRandomGenerator rng(815);
    QList<QByteArray> inputs;
    for (int n = 0; n < 20; ++n) {
        QByteArray bytes(int(rng.bounded(1, 5000)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(rng.bounded(256));
        inputs << bytes;
    }
    inputs << QByteArray(300000, '{');
    inputs << "\\contentsline {section}{" + QByteArray(300000, '}') + "\n";
    inputs << QByteArray(100000, '\n');
    inputs << QByteArray("section}{\\numberline {\n");
    inputs << QByteArray("chapter\n");
    for (const QByteArray &input : inputs) {
        testsupport::writeFile(path("bad.toc"), input);
        TocTable t;
        t.tocFile = path("bad.toc");
        t.ReadToc();
        t.ParseToc();
        EXPECT_LE(t.headingCount(), TocTable::MaxHeadings);
    }
}

// Runs the real latex twice on a copy of the sample project.
QString runLatexOnSample(const QString &dir)
{
    const QDir src(QStringLiteral(SAMPLE_PROJECT_DIR));
    QDir().mkpath(dir + "/kapitel");
    for (const char *f : {"thesis.tex", "literatur.bib", "thesis.sbp", "kapitel/einleitung.tex", "kapitel/grundlagen.tex"})
        QFile::copy(src.filePath(f), dir + '/' + f);
    for (int run = 0; run < 2; ++run) {
        QProcess latex;
        latex.setWorkingDirectory(dir);
        latex.setStandardInputFile(QProcess::nullDevice());
        latex.start(QStringLiteral("latex"), {"-interaction=nonstopmode", "thesis.tex"});
        if (!latex.waitForFinished(120000) || latex.exitCode() != 0)
            return {};
    }
    return dir + "/thesis.toc";
}

TEST_F(TocReadTest, RealTocOfTheSampleProject)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QString toc = runLatexOnSample(path("thesis"));
    ASSERT_FALSE(toc.isEmpty()) << "latex failed on the sample project";
    TocTable t;
    t.tocFile = toc;
    t.ReadToc();
    t.ParseToc();
    const QList<TocEntry> expected = {
        {"", "Vorwort", 0},
        {"1", "Einleitung", 0},
        {"1.1", "Motivation", 1},
        {"1.2", "Mängel bisheriger Ansätze", 1},
        {"1.2.1", "Überblick", 2},
        {"", "Details", 3},
        {"2", "Grundlagen", 0},
        {"2.1", "Über die Größe von Dokumenten", 1},
        {"2.1.1", "Gliederung mit {\\em geschachtelten} Klammern", 2},
        {"2.2", "Schluß", 1},
    };
    ASSERT_EQ(t.headingCount(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(t.headings[i].number, expected[i].number) << i;
        EXPECT_EQ(t.headings[i].title, expected[i].title) << i;
        EXPECT_EQ(t.headings[i].level, expected[i].level) << i;
    }
}

} // namespace
