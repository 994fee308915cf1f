// Crash recovery and changes on disk in the whole frame: real files, the real
// recovery folder below the test's home, other programs played by the shell.
// A crash is played in-process: the entries are taken as they are on disk, the frame
// goes away, and the entries come back marked as written by a process that is gone.
// (The whole program killed with kill -9 is in tests/e2e/vellumix_recovery.py.)
#include "vellumixfixture.h"

#include "app/editorarea.h"
#include "app/tframeform.h"
#include "editor/documentguard.h"
#include "editor/teditform.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QHash>

using testsupport::readAll;
using testsupport::writeFile;

class DocumentGuardTest : public VellumixTest
{
protected:
    void SetUp() override
    {
        VellumixTest::SetUp();
        frame().restoreAtStartUp();
        guard().setRecoveryDelays(20, 200);
    }
    DocumentGuard &guard() { return frame().documentGuard(); }
    QString recoveryDir() const { return path(".local/state/Vellumix/recovery"); }
    QStringList entries() const { return QDir(recoveryDir()).entryList(QDir::Files); }
    // Types at the end of the editor, as the user would.
    static void type(TEditForm *e, const QString &text)
    {
        e->editor()->moveCursor(QTextCursor::End);
        e->editor()->insertPlainText(text);
    }
    // Waits until the guard has written count entries.
    bool waitForEntries(int count)
    {
        return waitUntil([&] {
            guard().flush();
            return entries().size() == count;
        }, 10000);
    }
    // The program dies: what is on disk stays, written by a process that is gone.
    void crash()
    {
        guard().flush();
        QHash<QString, QByteArray> kept;
        for (const QString &name : entries())
            kept.insert(name, readAll(recoveryDir() + '/' + name));
        m_frame.reset();
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
            QByteArray bytes = it.value();
            const qsizetype at = bytes.indexOf("\nwriter=");
            const qsizetype end = bytes.indexOf('\n', at + 1);
            bytes.replace(at, end - at, "\nwriter=999999999 gone 0");
            writeFile(recoveryDir() + '/' + it.key(), bytes);
        }
    }
    // The next start, after a crash: the offer answers come from the prompter.
    void startAgain(QList<Prompter::Answer> answers)
    {
        prompter.answers = answers;
        frame().restoreAtStartUp();
        guard().setRecoveryDelays(20, 200);
    }
    TEditForm *editorOf(const QString &name)
    {
        for (TEditForm *e : frame().editors())
            if (e->caption() == name)
                return e;
        return nullptr;
    }
    // Another program acts in the test folder.
    void otherProgram(const QString &script)
    {
        ASSERT_EQ(QProcess::execute("sh", {"-c", "cd \"$0\" && " + script, path()}), 0) << script.toStdString();
    }
};

TEST_F(DocumentGuardTest, TypedTextComesBackAfterACrashInItsEncodingAndGoesAwayOnSave)
{
    writeFile(path("doc.tex"), "Gr\xfc\xdf" "e\r\naus K\xf6ln\r\n"); // Windows-1252, CR LF
    TEditForm *e = frame().openFile(path("doc.tex"));
    ASSERT_NE(e, nullptr);
    type(e, QString::fromUtf8("getippt: Straße"));
    ASSERT_TRUE(waitForEntries(1));
    crash();

    startAgain({Prompter::Answer::Yes});
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked.at(0).contains(QDir::toNativeSeparators(path("doc.tex")))) << prompter.asked.at(0).toStdString();
    e = editorOf("doc.tex");
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isModified());
    EXPECT_EQ(e->plainText(), QString::fromUtf8("Grüße\naus Köln\ngetippt: Straße"));
    EXPECT_EQ(readAll(path("doc.tex")), QByteArray("Gr\xfc\xdf" "e\r\naus K\xf6ln\r\n")); // untouched until saved

    ASSERT_TRUE(frame().saveEditor(e));
    EXPECT_EQ(readAll(path("doc.tex")), QByteArray("Gr\xfc\xdf" "e\r\naus K\xf6ln\r\ngetippt: Stra\xdf" "e"));
    guard().flush();
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(DocumentGuardTest, DiscardRemovesDecideLaterKeepsAndOpeningTheFileAsksAgain)
{
    writeFile(path("a.tex"), "a\n");
    writeFile(path("b.tex"), "b\n");
    type(frame().openFile(path("a.tex")), "typed into a");
    ASSERT_TRUE(waitForEntries(1));
    type(frame().openFile(path("b.tex")), "typed into b");
    ASSERT_TRUE(waitForEntries(2));
    crash();

    // Oldest first: a is discarded, b is left for later.
    startAgain({Prompter::Answer::No, Prompter::Answer::Cancel});
    EXPECT_EQ(prompter.asked.size(), 2);
    guard().flush();
    ASSERT_EQ(entries().size(), 1);
    EXPECT_TRUE(entries().at(0).startsWith("b.tex"));
    EXPECT_TRUE(frame().editors().isEmpty());

    // Opening b asks again; restoring it makes its text this run's.
    prompter.answers = {Prompter::Answer::Yes};
    TEditForm *b = frame().openFile(path("b.tex"));
    ASSERT_TRUE(waitUntil([&] { return b->isModified(); }, 10000));
    EXPECT_EQ(b->plainText(), "b\ntyped into b");
    EXPECT_EQ(prompter.asked.size(), 3);

    // Closed without saving by the user's choice: the kept text goes too.
    prompter.answers = {Prompter::Answer::No};
    frame().editorArea()->closeAll();
    guard().flush();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(readAll(path("b.tex")), "b\n");
}

TEST_F(DocumentGuardTest, UnnamedAndDeletedDocumentsComeBackAndDamagedEntriesAreReportedAndKept)
{
    type(frame().newEditor(), "never saved anywhere");
    ASSERT_TRUE(waitForEntries(1));
    writeFile(path("gone.tex"), "first\n");
    type(frame().openFile(path("gone.tex")), "second");
    ASSERT_TRUE(waitForEntries(2));
    crash();
    QFile::remove(path("gone.tex"));
    writeFile(recoveryDir() + "/broken.recovery", "recovery-file 1\ndocument=x\n\nhalf");

    startAgain({Prompter::Answer::Yes, Prompter::Answer::Yes});
    QList<TEditForm *> editors = frame().editors();
    ASSERT_EQ(editors.size(), 2);
    for (TEditForm *e : editors)
        EXPECT_TRUE(e->isModified());
    TEditForm *unnamed = editors.at(0)->fileName().isEmpty() ? editors.at(0) : editors.at(1);
    TEditForm *gone = unnamed == editors.at(0) ? editors.at(1) : editors.at(0);
    EXPECT_EQ(unnamed->plainText(), "never saved anywhere");
    EXPECT_EQ(gone->fileName(), path("gone.tex"));
    EXPECT_EQ(gone->plainText(), "first\nsecond");
    ASSERT_EQ(prompter.messages.filter("warning: ").size(), 1);
    EXPECT_TRUE(prompter.messages.filter("warning: ").at(0).contains("broken.recovery"));
    EXPECT_TRUE(QFile::exists(recoveryDir() + "/broken.recovery"));

    // The file is written again by a save; a clean exit removes the unnamed one's text.
    ASSERT_TRUE(frame().saveEditor(gone));
    EXPECT_EQ(readAll(path("gone.tex")), "first\nsecond");
    prompter.answers = {Prompter::Answer::No};
    ASSERT_TRUE(closeFrame());
    m_frame.reset();
    EXPECT_EQ(entries(), QStringList{"broken.recovery"});
}

TEST_F(DocumentGuardTest, AnUnmodifiedEditorReloadsSilentlyKeepingTheCaretLine)
{
    writeFile(path("doc.tex"), "one\ntwo\nthree\n");
    TEditForm *e = frame().openFile(path("doc.tex"), OpenFormat::Plain, 2);
    // Our own saves never count as changes.
    type(e, "four");
    ASSERT_TRUE(frame().saveEditor(e));
    testsupport::processEventsFor(400);
    e->goToLine(2);
    otherProgram("printf 'ONE\\nTWO\\nTHREE\\n' > doc.tex");
    ASSERT_TRUE(waitUntil([&] { return e->plainText() == "ONE\nTWO\nTHREE\n"; }, 10000));
    EXPECT_FALSE(e->isModified());
    EXPECT_EQ(e->caretLine(), 2);
    EXPECT_TRUE(prompter.asked.isEmpty()) << prompter.asked.join('|').toStdString();
}

TEST_F(DocumentGuardTest, AModifiedEditorAsksAndSavingOverTheOtherVersionAsksFirst)
{
    writeFile(path("doc.tex"), "mine\n");
    TEditForm *e = frame().openFile(path("doc.tex"));
    type(e, "typed");

    // Keep mine: the text stays, and a save asks before replacing the other version.
    prompter.answers = {Prompter::Answer::No};
    otherProgram("printf 'theirs\\n' > doc.tex");
    ASSERT_TRUE(waitUntil([&] { return prompter.asked.size() == 1; }, 10000));
    EXPECT_EQ(e->plainText(), "mine\ntyped");
    prompter.answers = {Prompter::Answer::No};
    EXPECT_FALSE(frame().saveEditor(e));
    EXPECT_EQ(readAll(path("doc.tex")), "theirs\n");
    EXPECT_TRUE(e->isModified());
    prompter.answers = {Prompter::Answer::Yes};
    ASSERT_TRUE(frame().saveEditor(e));
    EXPECT_EQ(readAll(path("doc.tex")), "mine\ntyped");
    EXPECT_EQ(prompter.asked.size(), 3);

    // Reload: the other version replaces the edits.
    type(e, " again");
    prompter.answers = {Prompter::Answer::Yes};
    otherProgram("printf 'theirs again\\n' > doc.tex");
    ASSERT_TRUE(waitUntil([&] { return e->plainText() == "theirs again\n"; }, 10000));
    EXPECT_FALSE(e->isModified());
}

TEST_F(DocumentGuardTest, ADeletedFileKeepsItsEditorOpenAndModified)
{
    writeFile(path("doc.tex"), "only copy soon\n");
    TEditForm *e = frame().openFile(path("doc.tex"));
    otherProgram("rm doc.tex");
    ASSERT_TRUE(waitUntil([&] { return e->isModified(); }, 10000));
    EXPECT_EQ(frame().editors().size(), 1);
    EXPECT_EQ(e->plainText(), "only copy soon\n");
    EXPECT_EQ(prompter.messages.filter("warning: ").size(), 1);
    // The text is kept for recovery, and a save writes the file again after asking.
    ASSERT_TRUE(waitForEntries(1));
    prompter.answers = {Prompter::Answer::Yes};
    ASSERT_TRUE(frame().saveEditor(e));
    EXPECT_EQ(readAll(path("doc.tex")), "only copy soon\n");
}
