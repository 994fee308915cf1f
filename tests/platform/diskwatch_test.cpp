#include "platform/diskwatch.h"
#include "platform/savefile.h"
#include "testsupport.h"

#include <QProcess>
#include <QSignalSpy>

using testsupport::writeFile;

class DiskWatchTest : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        writeFile(doc(), "as loaded\n");
        m_watch.track(doc());
    }
    QString doc() const { return path("doc.tex"); }
    // Another program acts on the folder: a shell command run in it.
    void otherProgram(const QString &script)
    {
        ASSERT_EQ(QProcess::execute("sh", {"-c", "cd \"$0\" && " + script, path()}), 0) << script.toStdString();
    }
    DiskWatch m_watch;
    QSignalSpy m_changed{&m_watch, &DiskWatch::changed};
    QSignalSpy m_deleted{&m_watch, &DiskWatch::deleted};
};

TEST_F(DiskWatchTest, ReportsEachChangeByAnotherProgramOnceAndNeverOurOwnSaves)
{
    // Our own atomic save, stamped at once, as the program does after saving.
    ASSERT_TRUE(SaveFile::write(doc(), "saved by us\n"));
    m_watch.track(doc());
    testsupport::processEventsFor(400);
    EXPECT_EQ(m_changed.count(), 0);
    EXPECT_FALSE(m_watch.changedSinceTracked(doc()));

    otherProgram("printf 'rewritten in place\\n' > doc.tex");
    ASSERT_TRUE(m_changed.wait(5000));
    EXPECT_EQ(m_changed.takeFirst().at(0).toString(), doc());
    EXPECT_TRUE(m_watch.changedSinceTracked(doc()));
    testsupport::processEventsFor(300);
    EXPECT_EQ(m_changed.count(), 0); // once per change

    // Another program's atomic save replaces the inode, and the watch must follow it.
    otherProgram("printf 'replaced\\n' > doc.tmp && mv doc.tmp doc.tex");
    ASSERT_TRUE(m_changed.wait(5000));
    m_changed.clear();
    otherProgram("printf 'and again, longer\\n' >> doc.tex");
    ASSERT_TRUE(m_changed.wait(5000));
    // After our own save over the changed file, nothing is pending.
    ASSERT_TRUE(SaveFile::write(doc(), "kept mine\n"));
    m_watch.track(doc());
    EXPECT_FALSE(m_watch.changedSinceTracked(doc()));
    EXPECT_EQ(m_deleted.count(), 0);
}

TEST_F(DiskWatchTest, ReportsADeletedFileAndItsReturn)
{
    otherProgram("rm doc.tex");
    ASSERT_TRUE(m_deleted.wait(5000));
    EXPECT_EQ(m_deleted.takeFirst().at(0).toString(), doc());
    EXPECT_TRUE(m_watch.changedSinceTracked(doc()));
    otherProgram("printf 'back\\n' > doc.tex");
    ASSERT_TRUE(m_changed.wait(5000));
    EXPECT_EQ(m_changed.count(), 1);
}

TEST_F(DiskWatchTest, CheckReportsAtOnceAndOnlyOnce)
{
    m_watch.setSettleMs(60000); // the watch alone would report far too late for this test
    otherProgram("printf 'changed while the window was in the background\\n' > doc.tex");
    m_watch.check();
    EXPECT_EQ(m_changed.count(), 1);
    m_watch.check();
    EXPECT_EQ(m_changed.count(), 1);
    m_watch.forget(doc());
    otherProgram("rm doc.tex");
    m_watch.check();
    EXPECT_EQ(m_deleted.count(), 0);
    EXPECT_FALSE(m_watch.isTracked(doc()));
}
