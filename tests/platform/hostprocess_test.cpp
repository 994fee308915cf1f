#include "platform/hostprocess.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QThread>

using HostProcess::splitCommandLine;

struct SplitCase {
    const char *name;
    const char *line;
    QStringList args;
};

TEST(SplitCommandLineTest, FollowsTheCRuntimeRules)
{
    const SplitCase cases[] = {
        {"blanks separate", "latex  thesis.tex", {"latex", "thesis.tex"}},
        {"tabs separate", "a\tb", {"a", "b"}},
        {"quotes group and vanish", "\"C:\\Program Files\\yap.exe\" -1 \"a b.dvi\"",
         {"C:\\Program Files\\yap.exe", "-1", "a b.dvi"}},
        {"quotes inside a word", "-s\"a b\"c", {"-sa bc"}},
        {"empty quotes give an empty argument", "a \"\" b", {"a", "", "b"}},
        {"backslash before quote escapes it", "a\\\"b", {"a\"b"}},
        {"two backslashes before quote", "\"a\\\\\" b", {"a\\", "b"}},
        {"plain backslashes are literal", "C:\\doc\\x.tex", {"C:\\doc\\x.tex"}},
        {"doubled quote inside quotes", "\"a\"\"b\"", {"a\"b"}},
        {"unterminated quote runs to the end", "\"a b", {"a b"}},
        {"only blanks", "   ", {}},
        {"empty", "", {}},
        {"percent signs stay", "-D600 %s", {"-D600", "%s"}},
    };
    for (const SplitCase &c : cases)
        EXPECT_EQ(splitCommandLine(c.line), c.args) << c.name;
}

class HostProcessTest : public testsupport::TempDirTest {};

TEST_F(HostProcessTest, WaitedRunGetsArgumentsWorkingDirectoryAndEmptyInput)
{
    const QString record = path("rec.txt");
    qputenv("TESTHELPER_RECORD", record.toLocal8Bit());
    qputenv("TESTHELPER_STDIN", "1");
    qputenv("TESTHELPER_EXIT", "3");
    int pumps = 0;
    qputenv("TESTHELPER_SLEEP", "200");
    const auto r = HostProcess::runAndWait(testsupport::helperPath(), {"a b", "c"}, path(), [&] { ++pumps; });
    qunsetenv("TESTHELPER_RECORD");
    qunsetenv("TESTHELPER_STDIN");
    qunsetenv("TESTHELPER_EXIT");
    qunsetenv("TESTHELPER_SLEEP");
    ASSERT_TRUE(r.started) << r.error.toStdString();
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_GT(pumps, 0);
    EXPECT_EQ(testsupport::readAll(record), (path() + "\ta b\tc\tstdin:empty\n").toUtf8());
}

TEST_F(HostProcessTest, CancelEndsAWaitedRunThatWouldNeverEnd)
{
    qputenv("TESTHELPER_SLEEP", "600000");
    int pumps = 0;
    const auto r = HostProcess::runAndWait(testsupport::helperPath(), {}, path(), [&] {
        if (++pumps == 3)
            HostProcess::cancelWaitedRun();
    });
    qunsetenv("TESTHELPER_SLEEP");
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, -1);
    EXPECT_EQ(r.error, "cancelled");
    EXPECT_EQ(pumps, 3);
    // A cancel asked for between runs does not end the next one.
    HostProcess::cancelWaitedRun();
    qputenv("TESTHELPER_EXIT", "4");
    qputenv("TESTHELPER_SLEEP", "100");
    const auto next = HostProcess::runAndWait(testsupport::helperPath(), {}, path(), [] {});
    qunsetenv("TESTHELPER_EXIT");
    qunsetenv("TESTHELPER_SLEEP");
    EXPECT_EQ(next.exitCode, 4);
}

namespace {
// Has the process ended: gone, or a zombie that nobody reaped (init may never do it here)?
bool hasEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}
} // namespace

TEST_F(HostProcessTest, CancelEndsEverythingTheToolStarted)
{
    struct Case { const char *name; const char *script; };
    const Case cases[] = {
        {"a script's children", "sleep 100 & a=$!; sleep 100 & echo $$ $a $! > pids; wait"},
        {"a group that ignores SIGTERM", "trap '' TERM; sleep 100 & a=$!; sleep 100 & echo $$ $a $! > pids; wait"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path("pids"));
        const auto r = HostProcess::runAndWait("sh", {"-c", c.script}, path(), [&] {
            if (testsupport::readAll(path("pids")).endsWith('\n'))
                HostProcess::cancelWaitedRun();
        });
        EXPECT_EQ(r.error, "cancelled");
        const QList<QByteArray> pids = testsupport::readAll(path("pids")).trimmed().split(' ');
        ASSERT_EQ(pids.size(), 3);
        for (const QByteArray &pid : pids)
            EXPECT_TRUE(hasEnded(pid.toLongLong())) << pid.constData();
    }
}

TEST_F(HostProcessTest, MissingProgramIsAStartFailure)
{
    auto r = HostProcess::runAndWait("no-such-program-xyz", {}, path());
    EXPECT_FALSE(r.started);
    EXPECT_TRUE(r.error.contains("no-such-program-xyz"));
    r = HostProcess::startDetached(path("nothing/here"), {}, path());
    EXPECT_FALSE(r.started);
    // A file that is not executable is not a program either.
    testsupport::writeFile(path("plain.txt"), "x");
    EXPECT_FALSE(HostProcess::runAndWait(path("plain.txt"), {}, path()).started);
}

TEST_F(HostProcessTest, DetachedStartRunsInTheWorkingDirectory)
{
    const QString record = path("rec.txt");
    qputenv("TESTHELPER_RECORD", record.toLocal8Bit());
    const auto r = HostProcess::startDetached(testsupport::helperPath(), {"x.dvi"}, path());
    qunsetenv("TESTHELPER_RECORD");
    ASSERT_TRUE(r.started);
    // The file appears before its line is written: wait for the whole line.
    for (int i = 0; i < 100 && !testsupport::readAll(record).endsWith('\n'); ++i)
        QThread::msleep(50);
    EXPECT_EQ(testsupport::readAll(record), (path() + "\tx.dvi\n").toUtf8());
}

TEST_F(HostProcessTest, FindsProgramsOnPath)
{
    EXPECT_FALSE(HostProcess::findProgram("sh").isEmpty());
    EXPECT_TRUE(HostProcess::findProgram("").isEmpty());
}
