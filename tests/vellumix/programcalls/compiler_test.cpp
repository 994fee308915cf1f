// The watched compile on a recording host: the real latex, real processes (the test
// helper and the shell) for how a run ends and is stopped, names that must never be
// read as options, and the walk through the errors of the log.
#include "vellumixfixture.h"
#include "testsupport.h"

#include "programcalls/compilereport.h"
#include "programcalls/compiler.h"
#include "programcalls/texcommands.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QByteArray OneError = "\\documentclass{article}\n\\begin{document}\nHello\n\\foo\nWorld\n\\end{document}\n";
const QByteArray Nonstop = "latex -interaction=nonstopmode %F.tex";

class CompilerTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        host.prompts.answers.clear();
    }
    void TearDown() override
    {
        commands.reset();
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    // The main file with the text, and the commands over the host.
    Compiler &start(const QString &main, const QByteArray &text, const QString &compileTemplate)
    {
        testsupport::writeFile(main, text);
        host.main = main;
        host.programTemplates.compile = compileTemplate;
        commands = std::make_unique<TexCommands>(host);
        QObject::connect(&commands->compiler(), &Compiler::output, [this](const QString &t) { output += t; });
        QObject::connect(&commands->compiler(), &Compiler::finished, [this](const QString &s) { ended << s; });
        return commands->compiler();
    }
    bool waitForEnd(int runs = 1)
    {
        return waitUntil([&] { return ended.size() >= runs; });
    }
    bool needLatex()
    {
        return testsupport::haveProgram("latex");
    }
    // Is a process whose command line holds marker still alive?
    static bool running(const QString &marker)
    {
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QByteArray cmd = testsupport::readAll("/proc/" + pid + "/cmdline");
            const QByteArray stat = testsupport::readAll("/proc/" + pid + "/stat");
            if (cmd.contains(marker.toUtf8()) && !stat.mid(stat.lastIndexOf(')') + 2).startsWith('Z'))
                return true;
        }
        return false;
    }

    RecordingProgramCallsHost host;
    std::unique_ptr<TexCommands> commands;
    QString output;
    QStringList ended;
    QString m_oldCwd;
};

TEST_F(CompilerTest, OneErrorIsReportedAndWalkedToItsLine)
{
    if (!needLatex())
        GTEST_SKIP() << "latex is not installed";
    Compiler &c = start(path("doc/paper.tex"), OneError, Nonstop);
    ASSERT_TRUE(commands->compile());
    EXPECT_EQ(host.statuses.value(0), "Compiling paper.tex ...");
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(ended[0], "Compile finished: 1 error, 0 warnings");
    EXPECT_EQ(host.statuses.last(), ended[0]);
    // latex's own words came back to the window, not to a terminal.
    EXPECT_TRUE(output.contains("! Undefined control sequence.")) << output.toStdString();
    EXPECT_EQ(host.events.value(0), "save");

    host.events.clear();
    c.nextError();
    c.nextError(); // round the end: the only error again
    c.previousError();
    EXPECT_EQ(host.events, QStringList(3, "open:" + path("doc/paper.tex") + "@4"));
    EXPECT_EQ(host.statuses.last(), "Error 1 of 1: Undefined control sequence.");

    // Log File opens the log with the caret on the error's line in it.
    host.events.clear();
    ASSERT_TRUE(commands->showLogFile());
    const QList<QByteArray> logLines = testsupport::readAll(path("doc/paper.log")).split('\n');
    const int errorLine = int(logLines.indexOf("! Undefined control sequence.")) + 1;
    ASSERT_GT(errorLine, 0);
    EXPECT_EQ(host.events, QStringList({"open:" + path("doc/paper.log") + QStringLiteral("@%1").arg(errorLine)}));
}

TEST_F(CompilerTest, ErrorsInAnInputFileOfASubfolderOpenThatFile)
{
    if (!needLatex())
        GTEST_SKIP() << "latex is not installed";
    testsupport::writeFile(path("doc/kapitel/einleitung.tex"), "Intro.\n\n\\undefinedHere\n");
    Compiler &c = start(path("doc/paper.tex"),
                        "\\documentclass{article}\n\\begin{document}\n\\input{kapitel/einleitung}\n\\bad\n\\end{document}\n",
                        Nonstop);
    ASSERT_TRUE(commands->compile());
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(ended[0], "Compile finished: 2 errors, 0 warnings");
    host.events.clear();
    c.nextError();
    c.nextError();
    c.previousError();
    EXPECT_EQ(host.events, QStringList({"open:" + path("doc/kapitel/einleitung.tex") + "@3",
                                        "open:" + path("doc/paper.tex") + "@4",
                                        "open:" + path("doc/kapitel/einleitung.tex") + "@3"}));
    EXPECT_EQ(host.statuses.last(), "Error 1 of 2: Undefined control sequence.");
}

TEST_F(CompilerTest, NamesAreArgumentsNeverOptionsOrSeveralWords)
{
    if (!needLatex())
        GTEST_SKIP() << "latex is not installed";
    // A main file named like an option, whose text would run a shell command if it
    // were one: with the default template it is compiled as a file, \write18 stays
    // restricted and nothing runs.
    const QByteArray shell = "\\documentclass{article}\n\\begin{document}\n"
                             "\\immediate\\write18{touch pwned}\nSafe.\n\\end{document}\n";
    testsupport::writeFile(path("doc/a.tex"), shell); // what a split name would compile
    start(path("doc/-shell-escape a.tex"), shell, ProgramTemplates().compile);
    ASSERT_TRUE(commands->compile());
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(QFileInfo::exists(path("doc/-shell-escape a.dvi"))) << output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("doc/pwned")));
    EXPECT_FALSE(QFileInfo::exists(path("pwned")));
    EXPECT_EQ(ended[0], "Compile finished: 0 errors, 0 warnings");

    // A blank in the name: one file.
    ended.clear();
    start(path("doc/my thesis.tex"), OneError, Nonstop);
    ASSERT_TRUE(commands->compile());
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(QFileInfo::exists(path("doc/my thesis.dvi"))) << output.toStdString();
    EXPECT_EQ(ended[0], "Compile finished: 1 error, 0 warnings");

    // A double quote in the name (TeX itself drops quotes from names): one argument.
    ended.clear();
    const QString prog = path("bin/tex");
    ASSERT_TRUE(makeRecordingHelper(prog, path("record.txt"), testsupport::helperPath()));
    start(path("doc/a \" b.tex"), OneError, '"' + prog + "\" -x %F.tex \"%m.dvi\"");
    ASSERT_TRUE(commands->compile());
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({path("doc"), "-x", "a \" b.tex", path("doc/a \" b.dvi")}));
}

TEST_F(CompilerTest, AnOldLogIsNeverTakenForTheRunsLog)
{
    // A compile program that writes no log: the errors of an earlier log are not its.
    const QString prog = path("bin/fake tex");
    ASSERT_TRUE(makeRecordingHelper(prog, path("record.txt"), testsupport::helperPath(), "exit=2\nbanner=no log today\n"));
    testsupport::writeFile(path("doc/paper.log"), "(./paper.tex\n! Undefined control sequence.\nl.4 \\foo\n\n)\n");
    start(path("doc/paper.tex"), OneError, '"' + prog + "\" %F.tex");
    ASSERT_TRUE(commands->compile());
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(ended[0], "Compile finished: exit status 2");
    EXPECT_TRUE(output.contains("no log today"));
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({path("doc"), "paper.tex"}));
}

TEST_F(CompilerTest, StopEndsTheRunAndWhatItStartedASecondCompileAsksFirst)
{
    // The compile is a shell that starts a child and waits for it.
    const QString child = path("bin/slow child");
    ASSERT_TRUE(makeRecordingHelper(child, path("record.txt"), testsupport::helperPath(), "sleep=120000\n"));
    const QString marker = "marker-" + QFileInfo(path()).fileName();
    Compiler &c = start(path("doc/paper.tex"), OneError, "sh -c \"'" + child + "' " + marker + " & wait\"");
    ASSERT_TRUE(commands->compile());
    auto runs = [&] { return testsupport::readAll(path("record.txt")).count('\n'); };
    ASSERT_TRUE(waitUntil([&] { return runs() == 1; }));
    EXPECT_TRUE(running(marker));
    EXPECT_TRUE(c.isRunning());

    // A second Compile asks; anything but Yes leaves the run alone.
    host.prompts.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(commands->compile());
    ASSERT_EQ(host.prompts.asked.size(), 1);
    EXPECT_TRUE(host.prompts.asked[0].startsWith("A compile is still running:\r\n\r\nsh -c"));
    EXPECT_TRUE(c.isRunning());

    // Yes stops it (child and all) and starts again.
    host.prompts.answers = {Prompter::Answer::Yes};
    ASSERT_TRUE(commands->compile());
    EXPECT_EQ(ended, QStringList({"Compile stopped"}));
    ASSERT_TRUE(waitUntil([&] { return runs() == 2; }));

    c.stop();
    EXPECT_FALSE(c.isRunning());
    EXPECT_EQ(ended, QStringList({"Compile stopped", "Compile stopped"}));
    EXPECT_TRUE(waitUntil([&] { return !running(marker); }, 10000));
}

TEST_F(CompilerTest, AProgramThatCannotStartIsReportedAndNothingRuns)
{
    start(path("doc/paper.tex"), OneError, "no-such-latex-vx %F.tex");
    EXPECT_FALSE(commands->compile());
    EXPECT_EQ(host.errors, QStringList({unableToOpenMessage("no-such-latex-vx paper.tex")}));
    EXPECT_FALSE(commands->compiler().isRunning());
    // Without a log there is nothing to walk.
    commands->compiler().nextError();
    EXPECT_EQ(host.statuses.last(), CompileReport::NoLog.arg(path("doc/paper.log")));
}

TEST(CompileReport, EndTexts)
{
    using End = CompileProcess::Outcome::End;
    LatexLog empty;
    EXPECT_EQ(CompileReport::endText({End::Exited, 0}, &empty), "Compile finished: 0 errors, 0 warnings");
    EXPECT_EQ(CompileReport::endText({End::Exited, 1}, &empty), "Compile finished: 0 errors, 0 warnings (exit status 1)");
    EXPECT_EQ(CompileReport::endText({End::Exited, 3}, nullptr), "Compile finished: exit status 3");
    EXPECT_EQ(CompileReport::endText({End::Crashed, 0}, nullptr), "Compile crashed");
    EXPECT_EQ(CompileReport::endText({End::Stopped, 0}, &empty), "Compile stopped");
    EXPECT_EQ(CompileReport::errorText(2, 5, QString(300, 'x')).size(), QString("Error 2 of 5: ").size() + 160);
}

} // namespace
