// Command-line parsing and the hand-over message of later starts.
#include "app/cshellcommandlineinfo.h"

#include "testsupport.h"

namespace {

struct CmdCase {
    const char *name;
    QStringList args;
    const char *project, *mainDoc, *file;
    int line;
};

class CommandLine : public ::testing::TestWithParam<CmdCase> {};

TEST_P(CommandLine, Parses)
{
    const CmdCase &c = GetParam();
    CShellCommandLineInfo info;
    info.parse(c.args);
    EXPECT_EQ(info.projectPath, QString::fromLatin1(c.project));
    EXPECT_EQ(info.mainDocPath, QString::fromLatin1(c.mainDoc));
    EXPECT_EQ(info.filePath, QString::fromLatin1(c.file));
    EXPECT_EQ(info.lineNumber, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    ::testing::Values(
        CmdCase{"fullExample",
                {"-m", "C:\\doc\\thesis.tex", "-c", "C:\\doc\\chap1.tex", "-l", "120", "C:\\doc\\thesis.sbp"},
                "C:\\doc\\thesis.sbp", "C:\\doc\\thesis.tex", "C:\\doc\\chap1.tex", 120},
        CmdCase{"slashSwitches", {"/m", "/d/t.tex", "/l", "7", "/d/a.tex"}, "", "/d/t.tex", "/d/a.tex", 7},
        CmdCase{"plainSbpIsProject", {"/home/u/thesis.sbp"}, "/home/u/thesis.sbp", "", "", 0},
        CmdCase{"capitalSbpIsAFile", {"thesis.SBP"}, "", "", "thesis.SBP", 0},
        CmdCase{"projectSwitch", {"-p", "proj.txt"}, "proj.txt", "", "", 0},
        CmdCase{"lineNotANumber", {"-l", "abc", "a.tex"}, "", "", "a.tex", 0},
        CmdCase{"lineLeadingDigits", {"-l", "12x", "a.tex"}, "", "", "a.tex", 12},
        CmdCase{"cChangesNothing", {"-c", "a.tex"}, "", "", "a.tex", 0},
        CmdCase{"switchesAreCaseSensitive", {"-M", "a.tex"}, "", "", "a.tex", 0},
        CmdCase{"lastPlainWins", {"a.tex", "b.tex"}, "", "", "b.tex", 0},
        CmdCase{"noArguments", {}, "", "", "", 0},
        CmdCase{"loneDashIsPlain", {"-"}, "", "", "-", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HandOver, MessageFormatAndRoundTrip)
{
    CShellCommandLineInfo info;
    info.parse({"-m", "/d/thesis.tex", "-c", "/d/chap1.tex", "-l", "120", "/d/thesis.sbp"});
    const QByteArray msg = info.handOverMessage();
    EXPECT_EQ(msg, QByteArray("/d/thesis.sbp;/d/thesis.tex;/d/chap1.tex;120\0", 45));
    const CShellCommandLineInfo back = CShellCommandLineInfo::fromHandOver(msg);
    EXPECT_EQ(back.projectPath, info.projectPath);
    EXPECT_EQ(back.mainDocPath, info.mainDocPath);
    EXPECT_EQ(back.filePath, info.filePath);
    EXPECT_EQ(back.lineNumber, 120);

    EXPECT_EQ(CShellCommandLineInfo().handOverMessage(), QByteArray(";;;0\0", 5));
}

TEST(HandOver, OddMessagesGiveEmptyFields)
{
    const CShellCommandLineInfo none = CShellCommandLineInfo::fromHandOver(QByteArray(1 << 20, 'x'));
    EXPECT_EQ(none.projectPath.size(), 1 << 20);
    EXPECT_TRUE(none.filePath.isEmpty());
    EXPECT_EQ(none.lineNumber, 0);

    QByteArray binary;
    for (int i = 1; i < 256; ++i)
        binary.append(char(i));
    const CShellCommandLineInfo bin = CShellCommandLineInfo::fromHandOver(binary);
    EXPECT_EQ(bin.lineNumber, 0);

    const CShellCommandLineInfo afterNul = CShellCommandLineInfo::fromHandOver(QByteArray(";;a.tex;5\0;;b.tex;9", 19));
    EXPECT_EQ(afterNul.filePath, QStringLiteral("a.tex"));
    EXPECT_EQ(afterNul.lineNumber, 5);

    EXPECT_EQ(CShellCommandLineInfo::fromHandOver(QByteArray()).filePath, QString());
}

// A name with ';' travels in the second form and arrives whole; a receiver that
// knows only the first form reads that as an empty message, never as other names.
TEST(HandOver, NamesWithSemicolonsArriveWhole)
{
    CShellCommandLineInfo info;
    info.parse({"-m", "/d/main;1.tex", "/d/a;b;c.tex", "-l", "7", "/d/p.sbp"});
    const QByteArray msg = info.handOverMessage();
    EXPECT_TRUE(msg.startsWith(CShellCommandLineInfo::FieldsMarker));
    const CShellCommandLineInfo back = CShellCommandLineInfo::fromHandOver(msg);
    EXPECT_FALSE(back.ambiguous);
    EXPECT_EQ(back.projectPath, QStringLiteral("/d/p.sbp"));
    EXPECT_EQ(back.mainDocPath, QStringLiteral("/d/main;1.tex"));
    EXPECT_EQ(back.filePath, QStringLiteral("/d/a;b;c.tex"));
    EXPECT_EQ(back.lineNumber, 7);

    QByteArray oldReading = msg;
    oldReading.truncate(msg.indexOf('\0'));
    EXPECT_TRUE(oldReading.isEmpty());
}

// The first form cut at every ';' cannot say which name held one: such a message
// is marked, so that the receiver opens nothing rather than a wrong file.
TEST(HandOver, ExtraSemicolonsInTheFirstFormAreAmbiguous)
{
    const CShellCommandLineInfo cut = CShellCommandLineInfo::fromHandOver(QByteArray(";;/d/a;b.tex;3\0", 15));
    EXPECT_TRUE(cut.ambiguous);
    EXPECT_FALSE(CShellCommandLineInfo::fromHandOver(QByteArray(";;/d/a.tex;3\0", 13)).ambiguous);
    EXPECT_FALSE(CShellCommandLineInfo::fromHandOver(QByteArray(";;", 2)).ambiguous);
}

} // namespace
