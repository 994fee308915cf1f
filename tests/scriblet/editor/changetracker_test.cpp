// Which lines an edit re-colours, and the 500-character idle chunks after a load.
#include "editor/changetracker.h"

#include <gtest/gtest.h>

namespace {

using C = ChangeTracker::Cause;
using M = ChangeTracker::ModifiedAction;
using R = ChangeTracker::Range;

struct EditCase {
    const char *name;
    QList<std::pair<C, R>> announcements; // in order
    R selection;                          // after the edit
    QList<R> lines;
    M modified;
};

class TrackerEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(TrackerEdits, RecoloursTouchedLines)
{
    const EditCase &c = GetParam();
    ChangeTracker t;
    for (const auto &[cause, range] : c.announcements)
        t.beforeEdit(cause, range.start, range.end);
    const ChangeTracker::Result r = t.afterEdit(c.selection.start, c.selection.end);
    EXPECT_EQ(r.lines, c.lines);
    EXPECT_EQ(r.modified, c.modified);
    EXPECT_EQ(t.kind(), ChangeTracker::None);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TrackerEdits,
    ::testing::Values(
        EditCase{"typedCharFromSavedStart", {{C::Char, {10, 10}}}, {11, 11}, {{10, 11}}, M::Set},
        EditCase{"insertFromSavedStart", {{C::ReplaceSelection, {4, 8}}}, {20, 20}, {{4, 20}}, M::Set},
        EditCase{"deleteUsesSelection", {{C::KeyDelete, {7, 8}}}, {7, 7}, {{7, 7}}, M::Set},
        EditCase{"backspaceUsesSelection", {{C::KeyBackspace, {6, 7}}}, {6, 6}, {{6, 6}}, M::Set},
        EditCase{"cutUsesSelection", {{C::Cut, {3, 9}}}, {3, 3}, {{3, 3}}, M::Set},
        EditCase{"pasteFromSavedStart", {{C::Paste, {30, 30}}}, {45, 45}, {{30, 45}}, M::Set},
        EditCase{"noAnnouncement", {}, {5, 9}, {{5, 9}}, M::Set},
        EditCase{"wholeReplacementIsNoEdit", {{C::Other, {0, 900}}}, {0, 0}, {{0, 500}}, M::Clear},
        EditCase{"formatChangeKeepsKind", {{C::Char, {2, 2}}, {C::SetFormat, {0, 99}}}, {3, 3}, {{2, 3}}, M::Set},
        EditCase{"movedTextForward",
                 {{C::Cut, {10, 20}}, {C::Paste, {50, 50}}}, {40, 60}, {{40, 60}, {10, 10}}, M::Keep},
        EditCase{"movedTextBackward",
                 {{C::Cut, {50, 60}}, {C::Paste, {10, 10}}}, {5, 20}, {{5, 20}, {60, 60}}, M::Keep},
        EditCase{"pasteAfterCutWithEmptySelection",
                 {{C::Cut, {10, 20}}, {C::Paste, {50, 50}}}, {60, 60}, {{10, 60}}, M::Set}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TrackerBackground, ChunksOf500AfterLoad)
{
    ChangeTracker t;
    EXPECT_TRUE(t.backgroundDone()); // a new view has nothing to do
    t.resetBackground();
    QList<R> chunks;
    R r;
    while (t.nextBackgroundChunk(1700, &r))
        chunks.append(r);
    EXPECT_EQ(chunks, (QList<R>{{500, 1000}, {1000, 1500}, {1500, 1700}}));
    EXPECT_TRUE(t.backgroundDone());
}

TEST(TrackerBackground, ShortAndShrunkTexts)
{
    ChangeTracker t;
    t.resetBackground();
    R r;
    ASSERT_TRUE(t.nextBackgroundChunk(120, &r));
    EXPECT_EQ(r, (R{120, 120}));
    EXPECT_FALSE(t.nextBackgroundChunk(120, &r));

    t.resetBackground();
    ASSERT_TRUE(t.nextBackgroundChunk(5000, &r));
    EXPECT_EQ(r, (R{500, 1000}));
    ASSERT_TRUE(t.nextBackgroundChunk(700, &r)); // text shrank meanwhile
    EXPECT_EQ(r, (R{700, 700}));
    EXPECT_TRUE(t.backgroundDone());

    // A chunk that ended inside a long line: the next starts after that line.
    t.resetBackground();
    ASSERT_TRUE(t.nextBackgroundChunk(9000, &r));
    t.skipBackgroundTo(8000, 9000);
    ASSERT_TRUE(t.nextBackgroundChunk(9000, &r));
    EXPECT_EQ(r, (R{8000, 8500}));
    t.skipBackgroundTo(9001, 9000); // the line ran to the end
    EXPECT_TRUE(t.backgroundDone());
}

} // namespace
