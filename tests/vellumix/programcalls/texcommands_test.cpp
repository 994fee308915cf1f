// The TeX menu commands on a recording host: main-file choice, save order, working
// directories, the log file; Compile runs the real latex.
#include "vellumixfixture.h"
#include "testsupport.h"

#include "programcalls/texcommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray SmallDocument = "\\documentclass{article}\n\\begin{document}\nHello, world.\n\\end{document}\n";

class TexCommandsTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    QString m_oldCwd;
    RecordingProgramCallsHost host;
};

TEST_F(TexCommandsTest, EveryCommandAsksForAMainFileAndDoesNothingWhenCancelled)
{
    TexCommands commands(host);
    EXPECT_FALSE(commands.compile());
    EXPECT_FALSE(commands.preview());
    EXPECT_FALSE(commands.showLogFile());
    EXPECT_FALSE(commands.openMainFile());
    EXPECT_EQ(host.events, QStringList({"select", "select", "select", "select"}));
}

TEST_F(TexCommandsTest, MainFileCommandOpensItAndFollowsItsDirectory)
{
    const QString doc = path("thesis/main.tex");
    testsupport::writeFile(doc, SmallDocument);
    host.choice = doc;
    TexCommands commands(host);
    ASSERT_TRUE(commands.openMainFile());
    EXPECT_EQ(host.events, QStringList({"select", "open:" + doc, "status:" + doc}));
    EXPECT_EQ(QDir::currentPath(), path("thesis"));
    EXPECT_EQ(commands.mainDirectory(), path("thesis"));
}

TEST_F(TexCommandsTest, CompileSavesFirstAndRunsLatexInTheMainFilesDirectory)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    // The document exists only in a modified editor until the save writes it, so
    // the .dvi can only appear when the save came before the start.
    const QString doc = path("paper dir/paper.tex");
    QDir().mkpath(path("paper dir"));
    host.main = doc;
    host.onSave = [&] { testsupport::writeFile(doc, SmallDocument); };
    QDir::setCurrent(path());
    TexCommands commands(host);
    ASSERT_TRUE(commands.compile());
    EXPECT_EQ(host.events.value(0), "save");
    EXPECT_TRUE(host.errors.isEmpty());
    ASSERT_TRUE(waitUntil([&] {
        return QFileInfo::exists(path("paper dir/paper.dvi"))
            && testsupport::readAll(path("paper dir/paper.log")).contains("Output written on paper.dvi");
    }));
    EXPECT_FALSE(QFileInfo::exists(path("paper.log")));
}

TEST_F(TexCommandsTest, PreviewSavesOnlyWhenItsLineNamesATexFile)
{
    host.main = path("paper.tex");
    TexCommands commands(host);
    ProgramTemplates t;
    t.preview = "no-such-viewer-vx \"paper.dvi\"";
    host.programTemplates = t;
    EXPECT_FALSE(commands.preview());
    EXPECT_EQ(host.events, QStringList({"error"}));

    host.events.clear();
    t.preview = "no-such-viewer-vx -s 12chap1.TXX \"paper.dvi\"";
    host.programTemplates = t;
    EXPECT_FALSE(commands.preview());
    EXPECT_EQ(host.events, QStringList({"save", "error"}));
}

TEST_F(TexCommandsTest, LogFileOpensTheExpandedPathOrNothing)
{
    host.main = path("paper.tex");
    testsupport::writeFile(path("paper.tex"), SmallDocument);
    TexCommands commands(host);
    EXPECT_FALSE(commands.showLogFile());
    EXPECT_EQ(host.events, QStringList());

    testsupport::writeFile(path("paper.log"), "This is a log\n");
    EXPECT_TRUE(commands.showLogFile());
    EXPECT_EQ(host.events, QStringList({"open:" + path("paper.log")}));
}

TEST_F(TexCommandsTest, ExternalProgramsAndButtonsAreExpandedExecuteIsNot)
{
    host.main = path("paper.tex");
    TexCommands commands(host);
    EXPECT_FALSE(commands.runTemplate("no-such-tool-vx %F"));
    EXPECT_FALSE(commands.execute("no-such-tool-vx %F"));
    EXPECT_EQ(host.errors, QStringList({unableToOpenMessage("no-such-tool-vx paper"),
                                        unableToOpenMessage("no-such-tool-vx %F")}));
}

TEST_F(TexCommandsTest, OpenDocumentUsesTheMainFilesDirectory)
{
    host.main = path("doc/paper.tex");
    testsupport::writeFile(path("doc/figure one.eps"), "%!PS");
    TexCommands commands(host);
    ASSERT_TRUE(makeRecordingHelper(path("opener/xdg-open"), path("record.txt"), testsupport::helperPath()));
    commands.runner().opener().setProgram(path("opener/xdg-open"));
    EXPECT_TRUE(commands.openDocument(path("doc/figure one.eps")));
    EXPECT_EQ(recordedRun(path("record.txt")), QStringList({path("doc"), path("doc/figure one.eps")}));
    EXPECT_EQ(QDir::currentPath(), path("doc"));
}

} // namespace
