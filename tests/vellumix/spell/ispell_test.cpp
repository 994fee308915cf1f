// The pipe protocol with the real ispell (words and lines; the personal dictionary is
// tested through the spell check window) and
// with stand-ins that misbehave: each fault ends the operation with a message that
// says what happened, and the child is reaped.
#include "spell/ispell.h"
#include "vellumixfixture.h"

#include <QFileInfo>

namespace {

class IspellTest : public testsupport::TempDirTest
{
protected:
    // A fake checker with the given behaviours; its command line.
    QString fake(const QStringList &behaviour)
    {
        const QString program = makeFakeChecker(path(QStringLiteral("bin/checker%1").arg(m_fakes++)), behaviour);
        EXPECT_FALSE(program.isEmpty());
        return program + QStringLiteral(" -a");
    }
    static bool reaped(qint64 pid) { return pid > 0 && !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)); }

private:
    int m_fakes = 0;
};

const QStringList Banner{QStringLiteral("banner=@(#) Fake Ispell")};

TEST_F(IspellTest, WordsAndLinesOfTheRealIspell)
{
    SKIP_WITHOUT_ISPELL();
    Ispell ispell;
    ASSERT_TRUE(ispell.start(QLatin1String(EnglishSpellCommand))) << ispell.failureMessage().toStdString();

    Ispell::WordCheck word;
    ASSERT_TRUE(ispell.checkWord("house", &word));
    EXPECT_EQ(word.kind, IspellAnswer::Kind::Correct);
    ASSERT_TRUE(ispell.checkWord("wrold", &word));
    EXPECT_EQ(word.kind, IspellAnswer::Kind::Miss);
    EXPECT_TRUE(word.suggestions.contains("world"));
    // In TeX mode a command is no word: the answer is the empty line alone.
    ASSERT_TRUE(ispell.checkWord("\\section", &word));
    EXPECT_EQ(word.kind, IspellAnswer::Kind::Other);

    Ispell::LineCheck line;
    ASSERT_TRUE(ispell.checkLine("The \\textbf{hosue} is here.", &line));
    EXPECT_TRUE(line.found);
    EXPECT_EQ(line.start, 12);
    EXPECT_EQ(line.length, 5);
    ASSERT_TRUE(ispell.checkLine("A correct line, with \\emph{words}.", &line));
    EXPECT_FALSE(line.found);
    ASSERT_TRUE(ispell.checkLine("", &line));
    EXPECT_FALSE(line.found);
}

TEST_F(IspellTest, ACheckerThatCannotStartSaysWhy)
{
    Ispell ispell;
    EXPECT_FALSE(ispell.start(QStringLiteral("no-such-checker -a")));
    EXPECT_EQ(ispell.failure(), Ispell::Failure::NotStarted);
    EXPECT_EQ(ispell.failureMessage(),
              QStringLiteral("Could not connect to Spell Checker!\r\n\r\nProgram not found: no-such-checker"));

    EXPECT_FALSE(ispell.start(QString()));
    EXPECT_TRUE(ispell.failureMessage().startsWith(QStringLiteral("Could not connect to Spell Checker!")));

    // Ends at once, before any banner: what it said on its error output is passed on.
    EXPECT_FALSE(ispell.start(fake({QStringLiteral("exit=1"), QStringLiteral("stderr=Can't open dictionary")})));
    EXPECT_EQ(ispell.failure(), Ispell::Failure::NotStarted);
    EXPECT_TRUE(ispell.failureMessage().contains(QStringLiteral("Can't open dictionary")));
    EXPECT_FALSE(ispell.isRunning());

    // Runs, but never sends its banner.
    Ispell quick(500);
    EXPECT_FALSE(quick.start(fake({QStringLiteral("sleep=600000")})));
    EXPECT_EQ(quick.failure(), Ispell::Failure::NotStarted);
    EXPECT_TRUE(quick.failureMessage().contains(QStringLiteral("no banner")));
    EXPECT_FALSE(quick.isRunning());
}

TEST_F(IspellTest, ACheckerThatEndsDuringTheCheck)
{
    Ispell ispell;
    ASSERT_TRUE(ispell.start(fake(Banner + QStringList{QStringLiteral("answer=*\\n\\n"), QStringLiteral("lines=1")})));
    const qint64 pid = ispell.processId();
    Ispell::LineCheck line;
    EXPECT_TRUE(ispell.checkLine("one", &line));
    EXPECT_FALSE(ispell.checkLine("two", &line));
    EXPECT_EQ(ispell.failure(), Ispell::Failure::Ended);
    EXPECT_TRUE(ispell.failureMessage().startsWith(QStringLiteral("The Spell Checker has ended unexpectedly!")));
    EXPECT_TRUE(reaped(pid));
    // Nothing more is sent to a checker that failed.
    EXPECT_FALSE(ispell.addToDictionary("word"));
}

TEST_F(IspellTest, SlowAnswersAreWaitedForUntilTheTimeout)
{
    Ispell patient(5000);
    ASSERT_TRUE(patient.start(fake(Banner + QStringList{QStringLiteral("answer=*\\n\\n"), QStringLiteral("delay=300")})));
    Ispell::WordCheck word;
    EXPECT_TRUE(patient.checkWord("slow", &word));
    EXPECT_EQ(word.kind, IspellAnswer::Kind::Correct);

    Ispell hurried(500);
    ASSERT_TRUE(hurried.start(fake(Banner + QStringList{QStringLiteral("answer=*\\n\\n"), QStringLiteral("delay=3000")})));
    const qint64 pid = hurried.processId();
    EXPECT_FALSE(hurried.checkWord("slow", &word));
    EXPECT_EQ(hurried.failure(), Ispell::Failure::NoAnswer);
    EXPECT_EQ(hurried.failureMessage(), QStringLiteral("The Spell Checker did not answer within 0.5 seconds!"));
    EXPECT_TRUE(reaped(pid));
}

TEST_F(IspellTest, ACheckerThatNeverAnswersIsKilledAndReaped)
{
    Ispell ispell(500);
    ASSERT_TRUE(ispell.start(fake(Banner + QStringList{QStringLiteral("sleep=600000")})));
    const qint64 pid = ispell.processId();
    Ispell::LineCheck line;
    EXPECT_FALSE(ispell.checkLine("hello", &line));
    EXPECT_EQ(ispell.failure(), Ispell::Failure::NoAnswer);
    EXPECT_FALSE(ispell.isRunning());
    EXPECT_TRUE(reaped(pid));
}

TEST_F(IspellTest, GarbageAndFloodsAreNoAnswer)
{
    struct Case {
        const char *name;
        QStringList behaviour;
        QString said;  // part of the message, empty: anything
    };
    const Case cases[] = {
        {"garbage", {QStringLiteral("answer=Segmentation nonsense\\n\\n")}, QStringLiteral("Segmentation nonsense")},
        {"endless lines", {QStringLiteral("flood=lines")}, QStringLiteral("More answer lines")},
        {"endless bytes", {QStringLiteral("flood=bytes")}, QStringLiteral("An answer line of more than")},
    };
    for (const Case &c : cases) {
        Ispell ispell;
        ASSERT_TRUE(ispell.start(fake(Banner + c.behaviour))) << c.name;
        const qint64 pid = ispell.processId();
        Ispell::LineCheck line;
        EXPECT_FALSE(ispell.checkLine("two words", &line)) << c.name;
        EXPECT_EQ(ispell.failure(), Ispell::Failure::Unreadable) << c.name;
        EXPECT_TRUE(ispell.failureMessage().startsWith(QStringLiteral("The Spell Checker sent an answer that cannot be read!")));
        EXPECT_TRUE(ispell.failureMessage().contains(c.said)) << c.name << ": " << ispell.failureMessage().toStdString();
        EXPECT_TRUE(reaped(pid)) << c.name;
    }
}

TEST_F(IspellTest, AnAnswerNobodyAskedForIsNoAnswer)
{
    // Two answers to every query: the second would be taken for the next one's.
    Ispell ispell;
    ASSERT_TRUE(ispell.start(fake(Banner + QStringList{QStringLiteral("answer=*\\n\\n# stray 1\\n\\n")})));
    Ispell::LineCheck line;
    ASSERT_TRUE(ispell.checkLine("first", &line));
    EXPECT_FALSE(line.found);
    EXPECT_FALSE(ispell.checkLine("second", &line));
    EXPECT_EQ(ispell.failure(), Ispell::Failure::Unreadable);
    EXPECT_TRUE(ispell.failureMessage().contains(QStringLiteral("# stray 1")));
}

} // namespace
