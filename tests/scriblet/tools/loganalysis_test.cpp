// A log as the pane shows it: the end of a long log under a notice, entries found
// in all of it and placed on the pane's lines, the walk from error to error.
#include "tools/loganalysis.h"

#include "resources/strings.h"
#include "testsupport.h"

#include <QDir>
#include <QStringList>

#include <sys/stat.h>

namespace {

using Kind = LatexLogEntry::Kind;

class LogAnalysisTest : public testsupport::TempDirTest
{
protected:
    LogAnalysis read(const QString &name, const QByteArray &bytes, qint64 cap = LogAnalysis::MaxShownBytes,
                     LogAnalysis::Format format = LogAnalysis::Format::Latex)
    {
        testsupport::writeFile(path(name), bytes);
        return LogAnalysis::read(path(name), format, cap);
    }
};

// An error as TeX writes it: message, context (two lines), help, blank line.
const QByteArray Undefined = "! Undefined control sequence.\nl.%1 \\foo\n            bar\nThe control sequence was never defined.\n\n";

QByteArray error(int line)
{
    return QByteArray(Undefined).replace("%1", QByteArray::number(line));
}

TEST_F(LogAnalysisTest, ALongLogKeepsItsEndUnderANoticeAndEveryEntryKeepsItsLine)
{
    QByteArray log = "This is pdfTeX\n(./main.tex\n" + error(3);
    for (int i = 0; i < 300; ++i)
        log += "filler line " + QByteArray::number(i) + " of the log\n";
    log += error(40) + ")\n";
    const LogAnalysis a = read("main.log", log, 2000);
    ASSERT_TRUE(a.isLoaded());
    ASSERT_GT(a.cutLines(), 0);
    const QStringList lines = a.text().split('\n');
    EXPECT_EQ(lines.first(), Str::format(Str::LogCut, {QString::number(a.cutLines())}));
    EXPECT_TRUE(lines.at(1).startsWith("filler line ")) << "the cut ends at a line";
    EXPECT_LE(a.text().size(), 2000 + lines.first().size() + 1);
    EXPECT_EQ(lines.size() - 1, log.count('\n') + 1 - a.cutLines());

    // The parser saw the whole log: the error at its start counts, but has no pane line.
    ASSERT_EQ(a.log().errorCount(), 2);
    EXPECT_EQ(a.log().at(0).line, 3);
    EXPECT_EQ(a.paneLine(0), -1);
    const int shown = a.paneLine(1);
    ASSERT_GT(shown, 0);
    EXPECT_EQ(lines.at(shown), QStringLiteral("! Undefined control sequence."));
    EXPECT_EQ(a.entryAtPaneLine(shown + 3), 1); // its help belongs to it
    EXPECT_EQ(a.entryAtPaneLine(0), -1);        // the notice
    EXPECT_EQ(a.entryAtPaneLine(1), -1);
    EXPECT_EQ(a.log().at(1).file, path("main.tex"));

    // A log within the cap is shown whole, without a notice.
    const LogAnalysis whole = read("small.log", log);
    EXPECT_EQ(whole.cutLines(), 0);
    EXPECT_EQ(whole.text(), QString::fromUtf8(log));
    EXPECT_EQ(whole.paneLine(0), 2);
}

TEST_F(LogAnalysisTest, PaneLinesFollowTheLogWithCrLfAndEitherEncoding)
{
    const LogAnalysis crlf = read("crlf.log", "(./a.tex\r\nGr\xc3\xb6\xc3\x9f" "e\r\n! Oops.\r\nl.2 x\r\n\r\n)");
    EXPECT_EQ(crlf.text().split('\n').at(1), QString::fromUtf8("Größe"));
    EXPECT_EQ(crlf.paneLine(0), 2);
    EXPECT_EQ(crlf.text().split('\n').at(2), QStringLiteral("! Oops."));
    const LogAnalysis latin = read("w.log", "Gr\xf6\xdf" "e");
    EXPECT_EQ(latin.text(), QString::fromUtf8("Größe"));
}

TEST_F(LogAnalysisTest, ALogThatCannotBeReadGivesTheMessage)
{
    const LogAnalysis missing = LogAnalysis::read(path("none.log"), LogAnalysis::Format::Latex);
    EXPECT_FALSE(missing.isLoaded());
    EXPECT_EQ(missing.text(), QStringLiteral("Log-Datei konnte nicht geladen werden !"));
    EXPECT_TRUE(missing.log().isEmpty());
    QDir().mkpath(path("dir.log"));
    EXPECT_EQ(LogAnalysis::read(path("dir.log"), LogAnalysis::Format::Latex).text(), Str::text(Str::LogNotLoaded));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.log")).constData(), 0600), 0);
    EXPECT_FALSE(LogAnalysis::read(path("pipe.log"), LogAnalysis::Format::Latex).isLoaded());
}

TEST_F(LogAnalysisTest, BibtexLogsAreReadAsBibtexWritesThem)
{
    const LogAnalysis a = read("a.blg",
                               "The top-level auxiliary file: a.aux\n"
                               "I was expecting a `,' or a `}'---line 4 of file refs.bib\n"
                               " : \n"
                               "I'm skipping whatever remains of this entry\n"
                               "Warning--I didn't find a database entry for \"nobody\"\n",
                               LogAnalysis::MaxShownBytes, LogAnalysis::Format::Bibtex);
    ASSERT_EQ(a.log().size(), 2);
    EXPECT_EQ(a.log().at(0).file, path("refs.bib"));
    EXPECT_EQ(a.log().at(0).line, 4);
    EXPECT_EQ(a.paneLine(0), 1);
    EXPECT_EQ(a.entryAtPaneLine(3), 0);
    EXPECT_EQ(a.log().at(1).kind, Kind::Warning);
}

TEST_F(LogAnalysisTest, TheErrorWalkGoesRoundAtBothEndsAndSkipsWarnings)
{
    const LogAnalysis a = read("walk.log", "(./a.tex\n" + error(1)
                                               + "LaTeX Warning: Reference `x' on page 1 undefined on input line 2.\n\n"
                                               + error(3) + ")\n");
    ASSERT_EQ(a.log().size(), 3);
    EXPECT_EQ(a.nextError(-1, true), 0);
    EXPECT_EQ(a.nextError(0, true), 2);
    EXPECT_EQ(a.nextError(2, true), 0);
    EXPECT_EQ(a.nextError(-1, false), 2);
    EXPECT_EQ(a.nextError(2, false), 0);
    EXPECT_EQ(a.nextError(0, false), 2);
    EXPECT_EQ(a.nextError(1, true), 2); // from the warning a double click chose
    EXPECT_EQ(a.errorsBefore(2), 1);

    const LogAnalysis clean = read("clean.log", "(./a.tex\nLaTeX Warning: x on input line 2.\n\n)");
    EXPECT_EQ(clean.nextError(-1, true), -1);
    EXPECT_EQ(clean.nextError(-1, false), -1);
    EXPECT_EQ(LogAnalysis::message(QStringLiteral("x")).nextError(-1, true), -1);
}

} // namespace
