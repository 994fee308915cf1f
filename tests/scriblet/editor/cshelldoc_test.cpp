// Documents round-trip their bytes: encoding and line breaks as loaded.
#include "editor/cshelldoc.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <sys/stat.h>

namespace {

class ShellDocTest : public testsupport::TempDirTest {};

struct RoundTrip {
    const char *name;
    QByteArray bytes;
};

class ByteRoundTrip : public ::testing::TestWithParam<RoundTrip> {
protected:
    QTemporaryDir dir;
};

TEST_P(ByteRoundTrip, UnchangedSaveWritesTheSameBytes)
{
    const QString path = dir.path() + QStringLiteral("/f.tex");
    testsupport::writeFile(path, GetParam().bytes);
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path));
    EXPECT_FALSE(doc.isModified());
    const QString copy = dir.path() + QStringLiteral("/copy.tex");
    ASSERT_EQ(doc.save(copy), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(testsupport::readAll(copy), GetParam().bytes);
}

TEST_P(ByteRoundTrip, EditedSaveKeepsEncodingAndLineBreaks)
{
    const QString path = dir.path() + QStringLiteral("/f.tex");
    testsupport::writeFile(path, GetParam().bytes);
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path));
    QTextCursor c(doc.textDocument());
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("x"));
    c.movePosition(QTextCursor::Start);
    c.insertText(QStringLiteral("y"));
    ASSERT_EQ(doc.save(path), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(testsupport::readAll(path), QByteArray("y") + GetParam().bytes + "x");
}

INSTANTIATE_TEST_SUITE_P(Files, ByteRoundTrip,
                         ::testing::Values(RoundTrip{"windows1252", QByteArray("Gr\xfc\xdf" "e\r\n\\\"a \xe4\r\n")},
                                           RoundTrip{"utf8", QByteArray("Gr\xc3\xbc\xc3\x9f" "e\n\xe2\x82\xac\n")},
                                           RoundTrip{"crlf", QByteArray("a\r\nb\r\n\r\nc")},
                                           RoundTrip{"lf", QByteArray("a\nb\n\nc")},
                                           RoundTrip{"empty", QByteArray()}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ShellDocTest, TitleCarriesStarExactlyWhileModified)
{
    testsupport::writeFile(path(QStringLiteral("dir/chap1.tex")), "hello\n");
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path(QStringLiteral("dir/chap1.tex"))));
    EXPECT_EQ(doc.title(), QStringLiteral("chap1.tex"));
    QTextCursor(doc.textDocument()).insertText(QStringLiteral("a"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), QStringLiteral("chap1.tex *"));
    QTextCursor(doc.textDocument()).insertText(QStringLiteral("b"));
    EXPECT_EQ(doc.title(), QStringLiteral("chap1.tex *"));
    ASSERT_EQ(doc.save(doc.path()), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(doc.title(), QStringLiteral("chap1.tex"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("dir/chap1.tex"))), QByteArray("bahello\n"));
}

TEST_F(ShellDocTest, FailedSaveKeepsDocumentModifiedAndOldFile)
{
    testsupport::writeFile(path(QStringLiteral("a.tex")), "old");
    testsupport::writeFile(path(QStringLiteral("blocker")), "a file, not a directory");
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path(QStringLiteral("a.tex"))));
    QTextCursor(doc.textDocument()).insertText(QStringLiteral("new "));
    QString error;
    EXPECT_EQ(doc.save(path(QStringLiteral("blocker/a.tex")), &error), CShellDoc::SaveResult::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), QStringLiteral("a.tex *"));
    EXPECT_EQ(doc.path(), path(QStringLiteral("a.tex")));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("a.tex"))), QByteArray("old"));
}

TEST_F(ShellDocTest, CharacterOutsideWindows1252IsNotDroppedSilently)
{
    testsupport::writeFile(path(QStringLiteral("a.tex")), "\xe4\n");
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path(QStringLiteral("a.tex"))));
    EXPECT_EQ(doc.encoding(), TextCodec::Encoding::Windows1252);
    QTextCursor(doc.textDocument()).insertText(QString::fromUtf8("\xe2\x88\x80")); // U+2200
    EXPECT_EQ(doc.save(doc.path()), CShellDoc::SaveResult::Unencodable);
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("a.tex"))), QByteArray("\xe4\n"));
    EXPECT_TRUE(doc.isModified());
    doc.setEncoding(TextCodec::Encoding::Utf8);
    EXPECT_EQ(doc.save(doc.path()), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("a.tex"))), QByteArray("\xe2\x88\x80\xc3\xa4\n"));
}

// A missing file, a folder and a FIFO are no documents: each is refused with the
// program's own words, and the document stays as it was (a FIFO is never read,
// which would block the window).
TEST_F(ShellDocTest, WhatIsNoDocumentIsRefusedInGermanWords)
{
    QDir().mkpath(path(QStringLiteral("folder.tex")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.tex"))).constData(), 0600), 0);
    struct Row {
        const char *name;
        const char *reason;
    } rows[] = {
        {"nope.tex", "Die Datei existiert nicht."},
        {"folder.tex", "Das ist keine gewöhnliche Datei; sie kann nicht als Dokument geöffnet werden."},
        {"pipe.tex", "Das ist keine gewöhnliche Datei; sie kann nicht als Dokument geöffnet werden."},
    };
    for (const Row &r : rows) {
        CShellDoc doc;
        doc.newDocument(QStringLiteral("Tex File 1"));
        QString error;
        EXPECT_FALSE(doc.load(path(QString::fromUtf8(r.name)), &error)) << r.name;
        EXPECT_EQ(error, QString::fromUtf8(r.reason)) << r.name;
        EXPECT_TRUE(doc.isUntitled()) << r.name;
        EXPECT_EQ(doc.title(), QStringLiteral("Tex File 1")) << r.name;
    }
}

// The line-break style is the one most breaks of the file have; an edit keeps it.
TEST_F(ShellDocTest, MixedLineBreaksSaveInTheMajorityStyle)
{
    testsupport::writeFile(path(QStringLiteral("m.tex")), "a\r\nb\nc\nd\n");
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path(QStringLiteral("m.tex"))));
    EXPECT_EQ(doc.lineBreak(), CShellDoc::LineBreak::Lf);
    QTextCursor c(doc.textDocument());
    c.insertText(QStringLiteral("x"));
    ASSERT_EQ(doc.save(doc.path()), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("m.tex"))), QByteArray("xa\nb\nc\nd\n"));
}

TEST_F(ShellDocTest, OversizedFileIsRefusedWithReason)
{
    const qint64 old = CShellDoc::maxFileSize;
    CShellDoc::maxFileSize = 4 * 1024 * 1024;
    testsupport::writeFile(path(QStringLiteral("big.tex")), QByteArray(5 * 1024 * 1024, 'a'));
    CShellDoc doc;
    QString error;
    EXPECT_FALSE(doc.load(path(QStringLiteral("big.tex")), &error));
    CShellDoc::maxFileSize = old;
    EXPECT_EQ(error, QString::fromUtf8("Die Datei ist zu groß (5 MB); höchstens 4 MB können bearbeitet werden."));
    EXPECT_TRUE(doc.textDocument()->isEmpty());
}

TEST_F(ShellDocTest, BinaryBytesSurviveAnUnchangedSave)
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    testsupport::writeFile(path(QStringLiteral("bin.tex")), bytes);
    CShellDoc doc;
    ASSERT_TRUE(doc.load(path(QStringLiteral("bin.tex"))));
    ASSERT_EQ(doc.save(path(QStringLiteral("out.tex"))), CShellDoc::SaveResult::Saved);
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("out.tex"))), bytes);
}

// A load in steps gives the text and the file's bytes back exactly as a load at
// once, also where the text document reads characters its own way.
TEST_F(ShellDocTest, LoadInStepsEqualsLoadAtOnce)
{
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += "Zeile " + QByteArray::number(i) + "\xc2\xa0mit\xe2\x80\xa8Trenner\r\n";
    const QString name = path(QStringLiteral("steps.tex"));
    testsupport::writeFile(name, bytes);
    CShellDoc atOnce;
    ASSERT_TRUE(atOnce.load(name));
    CShellDoc::Reading reading = CShellDoc::readResponsive(name);
    ASSERT_TRUE(reading.ok());
    EXPECT_TRUE(reading.readsOwnWay);
    CShellDoc steps;
    steps.beginLoad(std::move(reading));
    EXPECT_TRUE(steps.isLoading());
    int count = 1;
    while (!steps.fillStep(0))
        ++count;
    steps.finishLoad();
    EXPECT_GT(count, 10);
    EXPECT_FALSE(steps.isLoading());
    EXPECT_EQ(steps.textDocument()->toPlainText(), atOnce.textDocument()->toPlainText());
    EXPECT_FALSE(steps.isModified());
    EXPECT_FALSE(steps.textDocument()->isUndoAvailable());
    EXPECT_EQ(steps.fileBytes(), bytes);
    EXPECT_EQ(steps.title(), QStringLiteral("steps.tex"));

    // The reading matches the text document's own.
    const QString special = QString::fromUtf8("a\xc2\xa0" "b\xe2\x80\xa8" "c\xe2\x80\xa9" "d\xef\xb7\x90" "e\xef\xb7\x91" "f");
    QTextDocument td;
    td.setPlainText(special);
    EXPECT_EQ(CShellDoc::documentReading(special), td.toPlainText());
}

TEST(ShellDocNames, FileNamePart)
{
    EXPECT_EQ(CShellDoc::fileNamePart(QStringLiteral("/a/b/c.tex")), QStringLiteral("c.tex"));
    EXPECT_EQ(CShellDoc::fileNamePart(QStringLiteral("C:\\doc\\c.tex")), QStringLiteral("c.tex"));
    EXPECT_EQ(CShellDoc::fileNamePart(QStringLiteral("c.tex")), QStringLiteral("c.tex"));
}

} // namespace
