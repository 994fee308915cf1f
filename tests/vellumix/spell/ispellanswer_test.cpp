// Reading ispell's answers: every kind of answer line as ispell 3.4 writes it, the
// near misses (also those that hold a blank), and answers that arrive in pieces.
#include "spell/answerlines.h"
#include "spell/ispellanswer.h"
#include "testsupport.h"

#include <QList>

namespace {

using IspellAnswer::Kind;

struct Recorded {
    const char *name;
    QByteArray line;
    Kind kind;
    QByteArray word;  // empty: the line reports no misspelling
    int start;
    QList<QByteArray> suggestions;
};

// Lines recorded from "ispell -a -d american" (and "-d ngerman -T latin1" for the
// umlauts) after "^" queries.
const Recorded RecordedLines[] = {
    {"Correct", "*", Kind::Correct, {}, 0, {}},
    {"CorrectByRoot", "+ GRU\"SsEN", Kind::Root, {}, 0, {}},
    {"Compound", "-", Kind::Compound, {}, 0, {}},
    {"NearMiss", "& wrold 1 7: world", Kind::Miss, "wrold", 6, {"world"}},
    {"NearMissesWithBlanksInside", "& thisis 5 1: thesis, this is, this-is, th Isis, th-Isis", Kind::Miss,
     "thisis", 0, {"thesis", "this is", "this-is", "th Isis", "th-Isis"}},
    {"NearMissInLatin1", "& H\xfcser 1 14: H\xfcter", Kind::Miss, "H\xfcser", 13, {"H\xfcter"}},
    {"Guess", "? dogness 0 1: dog+ness", Kind::Guess, "dogness", 0, {}},
    {"NothingToOffer", "# xkcdq 7", Kind::None, "xkcdq", 6, {}},
    {"OffsetNotANumber", "& wrold 1 x7: world", Kind::Miss, {}, 0, {"world"}},
    {"OffsetZero", "# wrold 0", Kind::None, {}, 0, {}},
    {"OffsetMissing", "# wrold", Kind::None, {}, 0, {}},
    {"NoWord", "&", Kind::Miss, {}, 0, {}},
    {"Banner", "@(#) International Ispell Version 3.4.05 11 Mar 2022", Kind::Other, {}, 0, {}},
};

class RecordedAnswer : public ::testing::TestWithParam<Recorded>
{
};

TEST_P(RecordedAnswer, KindMisspellingAndSuggestions)
{
    const Recorded &r = GetParam();
    EXPECT_EQ(IspellAnswer::kindOf(r.line), r.kind);
    const std::optional<IspellAnswer::Misspelling> m = IspellAnswer::parseMisspelling(r.line);
    if (r.word.isEmpty()) {
        EXPECT_FALSE(m.has_value());
    } else {
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->word, r.word);
        EXPECT_EQ(m->start, r.start);
    }
    EXPECT_EQ(IspellAnswer::suggestions(r.line), r.suggestions);
}

INSTANTIATE_TEST_SUITE_P(Ispell, RecordedAnswer, ::testing::ValuesIn(RecordedLines),
                         [](const auto &info) { return std::string(info.param.name); });

QList<AnswerLines::Line> linesOf(const QList<QByteArray> &chunks)
{
    AnswerLines lines;
    for (const QByteArray &c : chunks)
        lines.append(c);
    QList<AnswerLines::Line> out;
    while (lines.hasLine())
        out.append(lines.takeLine());
    return out;
}

TEST(AnswerLines, AnswersSplitAnywhereReadTheSameAsWhole)
{
    // A long list of near misses, then a correct word and the empty line; once with
    // LF as ispell writes it here, once with CR LF.
    for (const QByteArray &eol : {QByteArray("\n"), QByteArray("\r\n")}) {
        const QByteArray answer = "& runned 9 1: dunned, gunned, punned, ruined, runnel, runner, run Ned, run-Ned, sunned"
                                  + eol + "*" + eol + eol;
        for (qsizetype cut = 0; cut <= answer.size(); ++cut) {
            const QList<AnswerLines::Line> lines = linesOf({answer.left(cut), answer.mid(cut)});
            ASSERT_EQ(lines.size(), 3) << cut;
            EXPECT_EQ(IspellAnswer::suggestions(lines[0].text).size(), 9) << cut;
            EXPECT_EQ(IspellAnswer::suggestions(lines[0].text).last(), "sunned") << cut;
            EXPECT_EQ(lines[1].text, "*");
            EXPECT_TRUE(lines[2].text.isEmpty());
        }
        QList<QByteArray> bytes;
        for (const char c : answer)
            bytes.append(QByteArray(1, c));
        EXPECT_EQ(linesOf(bytes).size(), 3);
    }
}

TEST(AnswerLines, LongLinesAreCutAndEndlessOnesAreNoAnswer)
{
    // A list of near misses longer than the kept part loses its cut-off last entry.
    QByteArray list = "& wrold 1 7: world";
    while (list.size() < AnswerLines::KeptLineBytes + 100)
        list += ", wordy";
    AnswerLines lines;
    lines.append(list + "\n\n");
    const AnswerLines::Line first = lines.takeLine();
    EXPECT_TRUE(first.cut);
    EXPECT_EQ(first.text.size(), AnswerLines::KeptLineBytes);
    const QList<QByteArray> s = IspellAnswer::suggestions(first.text, first.cut);
    EXPECT_EQ(s.first(), "world");
    for (const QByteArray &w : s.mid(1))
        EXPECT_EQ(w, "wordy");
    EXPECT_TRUE(lines.takeLine().text.isEmpty());

    // Bytes without a line break: kept small, and past the limit no answer at all.
    AnswerLines endless;
    const QByteArray block(8192, 'x');
    while (!endless.overlong())
        endless.append(block);
    EXPECT_FALSE(endless.hasLine());
    endless.append("\n");
    ASSERT_TRUE(endless.hasLine());
    EXPECT_EQ(endless.takeLine().text.size(), AnswerLines::KeptLineBytes);
    EXPECT_TRUE(endless.isEmpty());
}

} // namespace
