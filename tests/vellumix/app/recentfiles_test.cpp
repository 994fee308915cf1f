// The recent-file list: ten entries, most recent first.
#include "app/recentfiles.h"
#include "testsupport.h"

namespace {

TEST(RecentFiles, ElevenDistinctFilesLeaveTheLastTen)
{
    RecentFiles r;
    for (int i = 0; i < 11; ++i)
        r.add(QStringLiteral("/f%1.tex").arg(i));
    ASSERT_EQ(r.entries().size(), 10);
    EXPECT_EQ(r.entries().first(), QStringLiteral("/f10.tex"));
    EXPECT_EQ(r.entries().last(), QStringLiteral("/f1.tex"));
}

TEST(RecentFiles, ReopeningMovesToTheFront)
{
    RecentFiles r;
    r.add(QStringLiteral("/a"));
    r.add(QStringLiteral("/b"));
    r.add(QStringLiteral("/c"));
    r.add(QStringLiteral("/a"));
    EXPECT_EQ(r.entries(), QStringList({"/a", "/c", "/b"}));
    // Compared exactly: another spelling is another entry.
    r.add(QStringLiteral("/A"));
    EXPECT_EQ(r.entries().size(), 4);
}

TEST(RecentFiles, ReplaceFirstAndCaptions)
{
    RecentFiles r;
    r.replaceFirst(QStringLiteral("/x"));
    EXPECT_EQ(r.entries(), QStringList({"/x"}));
    r.add(QStringLiteral("/y"));
    r.replaceFirst(QStringLiteral("/x"));
    EXPECT_EQ(r.entries(), QStringList({"/x"}));
    EXPECT_EQ(RecentFiles::caption(0, QStringLiteral("/x")), QStringLiteral("&0 /x"));
    r.setEntries({"/1", "", "/1", "/2"});
    EXPECT_EQ(r.entries(), QStringList({"/1", "/2"}));
}

} // namespace
