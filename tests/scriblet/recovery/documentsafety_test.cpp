// Crash recovery and changes on disk in a real main window: entries written by a
// real process that was killed (the process helper), files rewritten by another
// process, and the user's answers through the FakePrompter.
#include "recovery/documentsafety.h"

#include "common/commandids.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "framefixture.h"
#include "platform/recoverywriter.h"
#include "platform/textcodec.h"
#include "recovery/documentrecovery.h"
#include "recoverytext.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <QTextBlock>

namespace {

using testsupport::readAll;

class DocumentSafetyTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        m_doc = file(QStringLiteral("thesis/doc.tex"), "alt\r\n");
    }
    CMainFrame *frame()
    {
        CMainFrame *f = makeFrame();
        safety().recovery().setDelays(20, 200);
        safety().diskWatch().setSettleMs(20);
        return f;
    }
    DocumentSafety &safety() const { return *m_frame->documentSafety(); }
    const RecoveryStore &store() const { return m_frame->documentSafety()->recovery().store(); }
    QString entryFile() const
    {
        return RecoveryStore(RecoveryStore::defaultDirectory(QStringLiteral("Scriblet")))
            .fileFor(RecoveryStore::idFor(m_doc));
    }

    // A real process writes entries for the document (Windows-1252, CR LF) and is
    // killed with SIGKILL after its first complete one: the text it left behind.
    QString crashedRun()
    {
        QProcess helper;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TESTHELPER_RECOVERY"), RecoveryStore::defaultDirectory(QStringLiteral("Scriblet")));
        env.insert(QStringLiteral("TESTHELPER_RECOVERYDOC"), m_doc);
        env.insert(QStringLiteral("TESTHELPER_RECOVERYSIZE"), QStringLiteral("300"));
        helper.setProcessEnvironment(env);
        helper.start(testsupport::helperPath(), {});
        EXPECT_TRUE(helper.waitForReadyRead(20000));
        helper.kill();
        helper.waitForFinished(10000);
        RecoveryStore::Snapshot s;
        EXPECT_TRUE(RecoveryStore(RecoveryStore::defaultDirectory(QStringLiteral("Scriblet"))).read(
            RecoveryStore::idFor(m_doc), &s));
        return s.text;
    }
    // Another program writes the file (a real process, as an editor beside us would).
    void rewriteElsewhere(const QByteArray &bytes)
    {
        QProcess writer;
        writer.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat > \"$0\""), m_doc});
        ASSERT_TRUE(writer.waitForStarted(10000));
        writer.write(bytes);
        writer.closeWriteChannel();
        ASSERT_TRUE(writer.waitForFinished(10000));
    }
    bool flushed() { return safety().recovery().flush(); }

    QString m_doc;
};

TEST_F(DocumentSafetyTest, StartOffersTextOfKilledRunAndRestoresItInItsEncoding)
{
    const QString text = crashedRun();
    ASSERT_TRUE(text.startsWith(QStringLiteral("entry ")));
    CMainFrame *f = frame();
    m_prompter.choiceAnswer = 0; // restore
    safety().offerPending();
    ASSERT_EQ(m_prompter.choices.size(), 1);
    EXPECT_TRUE(m_prompter.choices.first().contains(QDir::toNativeSeparators(m_doc)));
    ASSERT_EQ(f->children().size(), 1);
    CShellDoc *doc = f->children().first()->doc();
    EXPECT_EQ(doc->textDocument()->toPlainText(), text);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->title(), QStringLiteral("doc.tex *"));
    EXPECT_EQ(doc->encoding(), TextCodec::Encoding::Windows1252);
    EXPECT_EQ(doc->lineBreak(), TextFile::LineBreak::CrLf);

    // Saving writes the recovered text in the file's own form and removes the entry.
    cmd(Cmd::FileSave)->trigger();
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    EXPECT_EQ(readAll(m_doc), TextCodec::encode(crlf, TextCodec::Encoding::Windows1252));
    ASSERT_TRUE(flushed());
    EXPECT_FALSE(QFile::exists(entryFile()));
    EXPECT_TRUE(m_prompter.messages.isEmpty()) << m_prompter.messages.join('\n').toStdString();
}

TEST_F(DocumentSafetyTest, LaterKeepsTheEntryAndDiscardRemovesIt)
{
    crashedRun();
    CMainFrame *f = frame();
    safety().offerPending(); // Escape: decide later
    EXPECT_EQ(m_prompter.choices.size(), 1);
    EXPECT_TRUE(f->children().isEmpty());
    ASSERT_TRUE(flushed());
    EXPECT_TRUE(QFile::exists(entryFile()));

    m_prompter.choiceAnswer = 1; // discard
    safety().offerPending();
    EXPECT_EQ(m_prompter.choices.size(), 2);
    EXPECT_TRUE(f->children().isEmpty());
    ASSERT_TRUE(flushed());
    EXPECT_FALSE(QFile::exists(entryFile()));
}

TEST_F(DocumentSafetyTest, OpeningADocumentWithAnEntryOffersIt)
{
    const QString text = crashedRun();
    frame();
    m_prompter.choiceAnswer = 0;
    CShellView *v = docs().openDocument(m_doc);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(m_prompter.choices.size(), 1);
    EXPECT_EQ(v->document()->textDocument()->toPlainText(), text);
    EXPECT_TRUE(v->document()->isModified());
    // Offered once: the start's pass leaves open documents alone.
    safety().offerPending();
    EXPECT_EQ(m_prompter.choices.size(), 1);
}

TEST_F(DocumentSafetyTest, DamagedEntryIsReportedAndKept)
{
    testsupport::writeFile(entryFile(), "not an entry");
    frame();
    safety().offerPending();
    EXPECT_TRUE(m_prompter.choices.isEmpty());
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages.first().contains(QDir::toNativeSeparators(entryFile())));
    EXPECT_EQ(readAll(entryFile()), QByteArray("not an entry"));
    // Opening its document neither replaces nor deletes it.
    CShellView *v = docs().openDocument(m_doc);
    QTest::keyClicks(v, QStringLiteral("neu"));
    QTest::qWait(100);
    ASSERT_TRUE(flushed());
    EXPECT_EQ(readAll(entryFile()), QByteArray("not an entry"));
}

TEST_F(DocumentSafetyTest, TypingWritesTheEntryAndSavingOrClosingRemovesIt)
{
    CMainFrame *f = frame();
    CShellView *v = docs().openDocument(m_doc);
    QTest::keyClicks(v, QStringLiteral("neu "));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(entryFile()); }, 10000));
    ASSERT_TRUE(flushed());
    RecoveryStore::Snapshot s;
    ASSERT_TRUE(store().read(RecoveryStore::idFor(m_doc), &s));
    EXPECT_EQ(s.text, QStringLiteral("neu alt\n"));
    EXPECT_EQ(s.lineBreak, TextFile::LineBreak::CrLf);

    cmd(Cmd::FileSave)->trigger();
    ASSERT_TRUE(flushed());
    EXPECT_FALSE(QFile::exists(entryFile()));

    // An untitled document too; closing it without saving (the user's answer) removes it.
    CShellView *u = docs().newDocument();
    QTest::keyClicks(u, QStringLiteral("entwurf"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return store().entries().size() == 1; }, 10000));
    EXPECT_EQ(store().entries().first().snapshot.title, QStringLiteral("Tex File 1"));
    m_prompter.questionAnswer = Prompter::Answer::No;
    f->activeChild()->close();
    QTest::qWait(50);
    ASSERT_TRUE(flushed());
    EXPECT_TRUE(store().entries().isEmpty());
}

TEST_F(DocumentSafetyTest, UnmodifiedDocumentReloadsKeepingTheCaretLine)
{
    testsupport::writeFile(m_doc, "1\r\n2\r\n3\r\n4\r\n");
    frame();
    CShellView *v = docs().openDocument(m_doc);
    QTextCursor c = v->textCursor();
    c.setPosition(v->document()->textDocument()->findBlockByNumber(2).position());
    v->setTextCursor(c);

    rewriteElsewhere("eins\r\nzwei\r\ndrei\r\nvier\r\nfünf\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return v->document()->text().startsWith(QStringLiteral("eins")); }, 10000));
    EXPECT_FALSE(v->document()->isModified());
    EXPECT_EQ(v->caretLine(), 3);
    EXPECT_TRUE(m_prompter.questions.isEmpty());

    // Our own save is never taken for another program's change.
    QTest::keyClick(v, Qt::Key_X);
    cmd(Cmd::FileSave)->trigger();
    QTest::qWait(300);
    safety().check();
    EXPECT_TRUE(m_prompter.questions.isEmpty());
    EXPECT_EQ(readAll(m_doc), QByteArray("eins\r\nzwei\r\nxdrei\r\nvier\r\nfünf\r\n"));
}

TEST_F(DocumentSafetyTest, ModifiedDocumentAsksAndKeepingItAsksAgainBeforeSaving)
{
    frame();
    CShellView *v = docs().openDocument(m_doc);
    QTest::keyClicks(v, QStringLiteral("mein "));
    rewriteElsewhere("fremd\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_prompter.questions.size() == 1; }, 10000));
    EXPECT_EQ(v->document()->text(), QStringLiteral("mein alt\n")); // No: mine stays
    EXPECT_TRUE(v->document()->isModified());

    cmd(Cmd::FileSave)->trigger(); // asked again; No keeps the other version
    ASSERT_EQ(m_prompter.questions.size(), 2);
    EXPECT_EQ(readAll(m_doc), QByteArray("fremd\n"));
    EXPECT_TRUE(v->document()->isModified());

    m_prompter.questionAnswer = Prompter::Answer::Yes;
    cmd(Cmd::FileSave)->trigger();
    EXPECT_EQ(readAll(m_doc), QByteArray("mein alt\r\n"));
    EXPECT_FALSE(v->document()->isModified());
}

TEST_F(DocumentSafetyTest, ModifiedDocumentReloadsWhenTheUserSaysSo)
{
    frame();
    CShellView *v = docs().openDocument(m_doc);
    QTest::keyClicks(v, QStringLiteral("mein "));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(entryFile()); }, 10000));
    m_prompter.questionAnswer = Prompter::Answer::Yes;
    rewriteElsewhere("fremd\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return v->document()->text() == QStringLiteral("fremd\n"); }, 10000));
    EXPECT_FALSE(v->document()->isModified());
    ASSERT_TRUE(flushed());
    EXPECT_FALSE(QFile::exists(entryFile()));
}

TEST_F(DocumentSafetyTest, DeletedFileKeepsTheDocumentOpenAndModified)
{
    CMainFrame *f = frame();
    CShellView *v = docs().openDocument(m_doc);
    ASSERT_TRUE(QFile::remove(m_doc));
    ASSERT_TRUE(QTest::qWaitFor([&] { return v->document()->isModified(); }, 10000));
    EXPECT_EQ(f->children().size(), 1);
    EXPECT_EQ(v->document()->text(), QStringLiteral("alt\n"));
    // Its text is kept for recovery, and saving puts the file back without a question.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(entryFile()); }, 10000));
    cmd(Cmd::FileSave)->trigger();
    EXPECT_EQ(readAll(m_doc), QByteArray("alt\r\n"));
    EXPECT_TRUE(m_prompter.questions.isEmpty());
}

} // namespace
