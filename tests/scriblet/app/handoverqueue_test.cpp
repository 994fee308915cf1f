// Hand-overs wait while the instance cannot take them and keep their order.
#include "app/handoverqueue.h"

#include "testsupport.h"

namespace {

TEST(HandOverQueue, WaitsWhileBlockedAndKeepsTheOrder)
{
    bool ready = false;
    QList<QByteArray> done;
    HandOverQueue q([&] { return ready; }, [&](const QByteArray &m) { done << m; });
    q.push("a");
    q.push("b");
    EXPECT_TRUE(done.isEmpty());
    EXPECT_EQ(q.pending(), 2);
    ready = true;
    q.drain();
    EXPECT_EQ(done, (QList<QByteArray>{"a", "b"}));
    q.push("c");
    EXPECT_EQ(done.last(), QByteArray("c"));
    EXPECT_EQ(q.pending(), 0);
}

// One that arrives while another is carried out (inside its message box) waits
// for it to finish, and one that blocks the queue (a tool started) stops the rest.
TEST(HandOverQueue, ArrivalsDuringAHandOverWaitTheirTurn)
{
    bool ready = true;
    QStringList journal;
    HandOverQueue *self = nullptr;
    HandOverQueue q([&] { return ready; },
                    [&](const QByteArray &m) {
                        journal << QStringLiteral("begin ") + QString::fromLatin1(m);
                        if (m == "first")
                            self->push("second");
                        if (m == "blocks")
                            ready = false;
                        journal << QStringLiteral("end ") + QString::fromLatin1(m);
                    });
    self = &q;
    q.push("first");
    EXPECT_EQ(journal, (QStringList{"begin first", "end first", "begin second", "end second"}));

    journal.clear();
    ready = false;
    q.push("blocks");
    q.push("later");
    ready = true;
    q.drain();
    EXPECT_EQ(journal, (QStringList{"begin blocks", "end blocks"}));
    EXPECT_EQ(q.pending(), 1);
    ready = true;
    q.drain();
    EXPECT_EQ(journal.last(), QStringLiteral("end later"));
}

} // namespace
