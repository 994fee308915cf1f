// Splitting and starting command lines: real detached processes through the
// test helper, which also stands in for the desktop opener.
#include "vellumixfixture.h"
#include "testsupport.h"

#include "programcalls/programrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct SplitCase {
    const char *name;
    const char *line;
    const char *program;
    const char *parameters;
};

const SplitCase splitCases[] = {
    {"plain program and parameters", "latex --src-specials paper.tex", "latex", "--src-specials paper.tex"},
    {"program alone", "xdvi", "xdvi", ""},
    {"only the first blank separates", "a  b", "a", " b"},
    {"quoted program with spaces", "\"/opt/my tools/view\" -1 \"x y.dvi\"", "/opt/my tools/view", "-1 \"x y.dvi\""},
    {"character after the closing quote is skipped", "\"prog\"Xarg", "prog", "arg"},
    {"closing quote last: no parameters", "\"/opt/my tools/view\"", "/opt/my tools/view", ""},
    {"no closing quote: rest is the program", "\"/opt/my tools/view -1", "/opt/my tools/view -1", ""},
    {"empty line", "", "", ""},
    {"leading blank gives an empty program", " latex x", "", "latex x"},
};

TEST(SplitProgramCommand, FollowsTheQuoteRules)
{
    for (const SplitCase &c : splitCases) {
        const ProgramCommand cmd = splitProgramCommand(QString::fromUtf8(c.line));
        EXPECT_EQ(cmd.program, QString::fromUtf8(c.program)) << c.name;
        EXPECT_EQ(cmd.parameters, QString::fromUtf8(c.parameters)) << c.name;
    }
}

TEST(CommandNamesTexFile, MatchesTexAndTxxWithoutCase)
{
    EXPECT_TRUE(commandNamesTexFile("latex paper.tex"));
    EXPECT_TRUE(commandNamesTexFile("latex PAPER.TEX"));
    EXPECT_TRUE(commandNamesTexFile("yap -1 -s 12chap1.txx \"/d/paper.dvi\""));
    EXPECT_FALSE(commandNamesTexFile("yap -1 -s %l%f%e \"/d/paper.dvi\""));
    EXPECT_FALSE(commandNamesTexFile("xdvi paper.dvi"));
}

TEST(UnableToOpenMessage, HasTheExactText)
{
    EXPECT_EQ(unableToOpenMessage("yap x"), QString("Unable to open\r\n>>\r\n>> yap x\r\n>> "));
}

class ProgramRunnerTest : public testsupport::TempDirTest
{
protected:
    // A copy of the helper in a directory with a space in its name, recording to
    // record.txt through its sidecar file.
    QString spacedHelper()
    {
        const QString dir = path("my tools");
        const QString prog = dir + "/view er";
        if (!QFileInfo::exists(prog)) {
            EXPECT_TRUE(makeRecordingHelper(prog, recordPath(), testsupport::helperPath()));
        }
        return prog;
    }
    QString recordPath() const { return path("record.txt"); }
    QStringList recordedFields() { return recordedRun(recordPath()); }
    QStringList dirListing(const QString &dir) const
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    RecordingProgramCallsHost host;
};

TEST_F(ProgramRunnerTest, QuotedProgramWithSpacesGetsTheRestAsParameters)
{
    const QString prog = spacedHelper();
    const QString work = path("work dir");
    QDir().mkpath(work);
    ProgramRunner runner(host);
    ASSERT_TRUE(runner.run('"' + prog + "\" -1 \"x y.dvi\" plain", work));
    EXPECT_EQ(recordedFields(), QStringList({work, "-1", "x y.dvi", "plain"}));
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_EQ(host.events, QStringList());
}

TEST_F(ProgramRunnerTest, QuotedProgramAloneHasNoParameters)
{
    const QString prog = spacedHelper();
    ProgramRunner runner(host);
    ASSERT_TRUE(runner.run('"' + prog + '"', path()));
    EXPECT_EQ(recordedFields(), QStringList({path()}));
}

TEST_F(ProgramRunnerTest, ProgramFoundOnPathRunsInTheCurrentDirectoryWithoutOne)
{
    const QString bin = path("bin");
    QDir().mkpath(bin);
    ASSERT_TRUE(QFile::link(testsupport::helperPath(), bin + "/vxhelper"));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + oldPath);
    qputenv("TESTHELPER_RECORD", recordPath().toLocal8Bit());
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(path());
    ProgramRunner runner(host);
    const bool ok = runner.run("vxhelper a.tex b");
    QDir::setCurrent(oldCwd);
    qputenv("PATH", oldPath);
    ASSERT_TRUE(ok);
    EXPECT_EQ(recordedFields(), QStringList({path(), "a.tex", "b"}));
    qunsetenv("TESTHELPER_RECORD");
    // The line names a .tex file, so editors were saved first.
    EXPECT_EQ(host.events, QStringList({"save"}));
}

TEST_F(ProgramRunnerTest, MissingProgramShowsTheBoxAndChangesNothingElse)
{
    testsupport::writeFile(path("paper.tex"), "x");
    const QStringList before = dirListing(path());
    ProgramRunner runner(host);
    const QString line = "no-such-viewer-vx -1 -s \"paper.dvi\"";
    EXPECT_FALSE(runner.run(line, path()));
    EXPECT_EQ(host.errors, QStringList({unableToOpenMessage(line)}));
    EXPECT_EQ(host.events, QStringList({"error"}));
    EXPECT_EQ(dirListing(path()), before);

    host.errors.clear();
    EXPECT_FALSE(runner.run("\"" + path("missing dir/prog") + "\" x", path()));
    EXPECT_EQ(host.errors.size(), 1);
}

TEST_F(ProgramRunnerTest, EmptyLineAndMissingWorkingDirectoryFail)
{
    ProgramRunner runner(host);
    EXPECT_FALSE(runner.run(QString(), path()));
    EXPECT_FALSE(runner.run(spacedHelper(), path("not there")));
    EXPECT_EQ(host.errors.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(recordPath()));
}

TEST_F(ProgramRunnerTest, DocumentsFoldersAndUrlsGoToTheDesktopOpenerAsOneArgument)
{
    testsupport::writeFile(path("paper.pdf"), "%PDF");
    testsupport::writeFile(path("my notes.txt"), "x");
    QDir().mkpath(path("figures"));
    ProgramRunner runner(host);
    runner.opener().setProgram(spacedHelper());
    const QStringList targets = {path("paper.pdf"), path("my notes.txt"), path("figures"), "https://example.org/x"};
    EXPECT_TRUE(runner.run("paper.pdf -1 ignored", path()));
    EXPECT_TRUE(runner.open(path("my notes.txt"), path()));
    EXPECT_TRUE(runner.run("figures", path()));
    EXPECT_TRUE(runner.run("https://example.org/x", path()));
    ASSERT_TRUE(waitUntil([&] { return testsupport::readAll(recordPath()).count('\n') == 4; }));
    QStringList seen;
    for (const QString &run : QString::fromUtf8(testsupport::readAll(recordPath())).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = run.split('\t');
        EXPECT_EQ(fields.size(), 2) << run.toStdString();
        EXPECT_EQ(fields.value(0), path());
        seen << fields.value(1);
    }
    seen.sort();
    QStringList expected = targets;
    expected.sort();
    EXPECT_EQ(seen, expected);
    testsupport::processEventsFor(200);
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(ProgramRunnerTest, AFailingOpenerIsReportedWithWhatItSaid)
{
    // A non-executable "program" and a folder named where a program should stand.
    testsupport::writeFile(path("notes.tex.txt"), "x");
    QDir().mkpath(path("figures"));
    ProgramRunner runner(host);
    ASSERT_TRUE(makeRecordingHelper(path("opener/xdg-open"), recordPath(), testsupport::helperPath(),
                                    "exit=3\nbanner=xdg-open: no method available for opening it\n"));
    runner.opener().setProgram(path("opener/xdg-open"));
    EXPECT_TRUE(runner.run("notes.tex.txt", path()));
    ASSERT_TRUE(waitUntil([&] { return host.errors.size() == 1; }));
    EXPECT_EQ(host.errors[0], unableToOpenMessage("notes.tex.txt", "xdg-open: no method available for opening it"));

    // An opener that cannot even start says why at once.
    host.errors.clear();
    runner.opener().setProgram(path("no such opener"));
    EXPECT_FALSE(runner.run(path("figures"), path()));
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].startsWith(unableToOpenMessage(path("figures"), "Program not found")));
}

} // namespace
