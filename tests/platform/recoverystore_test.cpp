#include "platform/recoverystore.h"
#include "platform/recoverytimer.h"
#include "platform/recoverywriter.h"
#include "recoverytext.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <csignal>
#include <sys/stat.h>

using testsupport::readAll;
using testsupport::writeFile;

class RecoveryStoreTest : public testsupport::TempDirTest {
protected:
    QString dir() const { return path("state/Scriblet/recovery"); }
    RecoveryStore::Snapshot snapshot(const QString &doc, const QString &text) const
    {
        RecoveryStore::Snapshot s;
        s.documentPath = doc;
        s.text = text;
        return s;
    }
};

TEST_F(RecoveryStoreTest, RoundTripKeepsTheTextAndTheDocumentsEncodingAndLineBreaks)
{
    writeFile(path("thesis/kap1.tex"), "Gr\xfc\xdf""e\r\n");
    RecoveryStore store(dir());
    RecoveryStore::Snapshot s = snapshot(path("thesis/kap1.tex"), QString::fromUtf8("Grüße € aus Köln\nund ∑ nicht in 1252\n"));
    s.title = "kap1.tex";
    s.encoding = TextCodec::Encoding::Windows1252;
    s.lineBreak = TextFile::LineBreak::CrLf;
    FileError e;
    ASSERT_TRUE(store.write(s, &e)) << e.message().toStdString();

    RecoveryStore::Snapshot back;
    ASSERT_TRUE(store.read(s.id(), &back, &e)) << e.message().toStdString();
    EXPECT_EQ(back.text, s.text); // held whole, although the document's encoding cannot hold all of it
    EXPECT_EQ(back.documentPath, s.documentPath);
    EXPECT_EQ(back.title, "kap1.tex");
    EXPECT_EQ(back.encoding, TextCodec::Encoding::Windows1252);
    EXPECT_EQ(back.lineBreak, TextFile::LineBreak::CrLf);
    EXPECT_TRUE(back.time.isValid());
    TextFile file;
    back.applyTo(file);
    EXPECT_EQ(file.encode(QString::fromUtf8("Grüße\n")), QByteArray("Gr\xfc\xdf""e\r\n"));

    // Untitled documents are told apart by the program's id; nothing lies beside the document.
    RecoveryStore::Snapshot untitled = snapshot(QString(), "draft\n");
    untitled.untitledId = "6f1c";
    ASSERT_TRUE(store.write(untitled));
    EXPECT_NE(untitled.id(), RecoveryStore::idFor(QString(), "7a2d"));
    ASSERT_TRUE(store.read(untitled.id(), &back));
    EXPECT_EQ(back.untitledId, "6f1c");
    EXPECT_EQ(QDir(path("thesis")).entryList(QDir::Files), QStringList{"kap1.tex"});
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(dir()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    ASSERT_TRUE(store.remove(s.id()));
    EXPECT_FALSE(store.entry(s.id()).has_value());
    EXPECT_TRUE(store.remove(s.id())); // already gone is no error
}

TEST_F(RecoveryStoreTest, DefaultFolderIsThePrograms)
{
    qputenv("XDG_STATE_HOME", path("xdg-state").toLocal8Bit());
    EXPECT_EQ(RecoveryStore::defaultDirectory("Vellumix"), path("xdg-state/Vellumix/recovery"));
    qputenv("XDG_STATE_HOME", "relative/is/ignored");
    EXPECT_EQ(RecoveryStore::defaultDirectory("Scriblet"), path(".local/state/Scriblet/recovery"));
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryStore::defaultDirectory("Scriblet"), path(".local/state/Scriblet/recovery"));
}

TEST_F(RecoveryStoreTest, AnEntryIsNewerThanItsDocumentOnlyWhenTakenAfterTheLastWrite)
{
    writeFile(path("doc.tex"), "on disk");
    const QDateTime written = QFileInfo(path("doc.tex")).lastModified();
    RecoveryStore store(dir());
    RecoveryStore::Snapshot before = snapshot(path("doc.tex"), "older");
    before.time = written.addSecs(-60); // the document was saved after this text was taken
    RecoveryStore::Snapshot after = snapshot(path("gone.tex"), "no document any more");
    ASSERT_TRUE(store.write(before));
    ASSERT_TRUE(store.write(after));
    const auto a = store.entry(before.id()), b = store.entry(after.id());
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(a->newerThanDocument);
    EXPECT_TRUE(b->newerThanDocument);
    // This process still runs: its own entries are not offered to itself.
    EXPECT_TRUE(b->writerRunning);
    EXPECT_TRUE(store.pendingEntries().isEmpty());
}

TEST_F(RecoveryStoreTest, ADamagedEntryIsKeptAndReported)
{
    RecoveryStore store(dir());
    const RecoveryStore::Snapshot s = snapshot(path("doc.tex"), "a text long enough to be cut short\n");
    ASSERT_TRUE(store.write(s));
    const QString file = store.fileFor(s.id());
    QByteArray bytes = readAll(file);
    bytes.chop(5);
    writeFile(file, bytes);
    writeFile(dir() + "/junk.recovery", "not a recovery file");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir() + "/pipe.recovery").constData(), 0600), 0);

    const QList<RecoveryStore::Entry> pending = store.pendingEntries(); // must not block on the FIFO
    ASSERT_EQ(pending.size(), 3);
    for (const RecoveryStore::Entry &e : pending) {
        EXPECT_TRUE(e.damaged) << e.id.toStdString();
        EXPECT_FALSE(e.problem.isEmpty());
    }
    const auto cut = store.entry(s.id());
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->snapshot.documentPath, path("doc.tex")); // so the report can name the document
    RecoveryStore::Snapshot back;
    FileError e;
    EXPECT_FALSE(store.read(s.id(), &back, &e));
    EXPECT_EQ(e.kind, FileError::Kind::ReadFailed);
    EXPECT_EQ(readAll(file), bytes);
    EXPECT_EQ(store.entries().size(), 3); // listing and reading deleted nothing
}

TEST_F(RecoveryStoreTest, TheWriterKeepsTheOrderOfEachDocumentsRequests)
{
    RecoveryWriter writer(dir());
    QSignalSpy failed(&writer, &RecoveryWriter::failed);
    const QString a = path("a.tex"), b = path("b.tex");
    for (int i = 1; i <= 50; ++i)
        writer.write(snapshot(a, QString("a version %1\n").arg(i).repeated(2000)));
    writer.write(snapshot(b, "b typed\n"));
    writer.remove(RecoveryStore::idFor(a)); // saved: the queued versions must not bring it back
    writer.write(snapshot(b, "b typed more\n"));
    ASSERT_TRUE(writer.flush());
    EXPECT_FALSE(writer.store().entry(RecoveryStore::idFor(a)).has_value());
    RecoveryStore::Snapshot back;
    ASSERT_TRUE(writer.store().read(RecoveryStore::idFor(b), &back));
    EXPECT_EQ(back.text, "b typed more\n");

    // A failure is reported, not lost: the folder cannot be made below a regular file.
    writeFile(path("blocker"), "file");
    RecoveryWriter blocked(path("blocker/recovery"));
    QSignalSpy blockedFailed(&blocked, &RecoveryWriter::failed);
    blocked.write(snapshot(a, "x"));
    ASSERT_TRUE(blocked.flush());
    ASSERT_TRUE(blockedFailed.wait(2000));
    EXPECT_EQ(failed.count(), 0);
}

TEST_F(RecoveryStoreTest, AKilledWriterLeavesTheOldOrTheNewEntryWhole)
{
    const int size = 4 << 20; // long enough for kills to land inside writes
    const QString doc = path("never-saved.tex");
    RecoveryStore store(dir());
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESTHELPER_RECOVERY", dir());
        env.insert("TESTHELPER_RECOVERYDOC", doc);
        env.insert("TESTHELPER_RECOVERYSIZE", QString::number(size));
        child.setProcessEnvironment(env);
        child.start(testsupport::helperPath(), {});
        ASSERT_TRUE(child.waitForStarted());
        // Let it finish a few entries, then kill it at a different moment each round.
        QByteArray out;
        while (out.count('\n') < 2 && child.waitForReadyRead(20000))
            out += child.readAllStandardOutput();
        QThread::msleep(3 * round);
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        out += child.readAllStandardOutput();
        const int lastReported = out.trimmed().split('\n').last().toInt();
        ASSERT_GE(lastReported, 2);

        const QList<RecoveryStore::Entry> pending = store.pendingEntries();
        ASSERT_EQ(pending.size(), 1); // its writer is gone, there is no document: offered
        EXPECT_FALSE(pending.first().damaged) << pending.first().problem.toStdString();
        RecoveryStore::Snapshot back;
        ASSERT_TRUE(store.read(pending.first().id, &back));
        const int n = back.text.section('\n', 0, 0).section(' ', 1).toInt();
        EXPECT_TRUE(n == lastReported || n == lastReported + 1) << n << " after " << lastReported;
        EXPECT_EQ(back.text, testsupport::recoveryText(n, size));
        EXPECT_EQ(back.encoding, TextCodec::Encoding::Windows1252);
        EXPECT_EQ(back.lineBreak, TextFile::LineBreak::CrLf);
    }
}

TEST(RecoveryTimerTest, WritesAfterAPauseAndWhileTypingGoesOn)
{
    int due = 0;
    RecoveryTimer timer([&] { ++due; });
    timer.setDelays(100, 300);
    auto typeFor = [&](int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            timer.textChanged();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(10);
        }
    };
    typeFor(50);
    EXPECT_EQ(due, 0); // never on every key
    typeFor(1000);
    EXPECT_GE(due, 2); // typing without a pause still gets written
    const int whileTyping = due;
    testsupport::processEventsFor(500);
    EXPECT_EQ(due, whileTyping + 1); // and once more after the pause
    timer.textChanged();
    timer.cancel(); // saved
    testsupport::processEventsFor(300);
    EXPECT_EQ(due, whileTyping + 1);
    EXPECT_FALSE(timer.isPending());
}
