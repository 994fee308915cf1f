// Reading and writing the editor's files: the three formats, backups, the
// line-specials copy and atomic saves.
#include "editor/textdocument.h"
#include "platform/textcodec.h"

#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace {

using testsupport::readAll;
using testsupport::writeFile;

class TextDocumentTest : public testsupport::TempDirTest {};

TEST_F(TextDocumentTest, CrLfFileRoundTripsByteForByte)
{
    const QByteArray bytes = "\\begin{document}\r\nHallo\r\n\r\n\\end{document}\r\n";
    writeFile(path("a.tex"), bytes);
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("a.tex"), OpenFormat::Plain).ok);
    const QString text = doc.takeLoadedText();
    EXPECT_EQ(text, QStringLiteral("\\begin{document}\nHallo\n\n\\end{document}\n"));
    EXPECT_EQ(doc.lineBreak(), TextDocument::LineBreak::CrLf);
    EXPECT_FALSE(doc.convertedOnLoad());
    ASSERT_TRUE(doc.save(text, {}).ok);
    EXPECT_EQ(readAll(path("a.tex")), bytes);
}

TEST_F(TextDocumentTest, LfFileRoundTripsByteForByte)
{
    const QByteArray bytes = "a\nb\xc3\xa4\nno final break";
    writeFile(path("a.tex"), bytes);
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("a.tex"), OpenFormat::Plain).ok);
    const QString text = doc.takeLoadedText();
    EXPECT_EQ(text, QString::fromUtf8("a\nb\xc3\xa4\nno final break"));
    EXPECT_EQ(doc.lineBreak(), TextDocument::LineBreak::Lf);
    EXPECT_EQ(doc.encoding(), TextCodec::Encoding::Utf8);
    ASSERT_TRUE(doc.save(text, {}).ok);
    EXPECT_EQ(readAll(path("a.tex")), bytes);
}

TEST_F(TextDocumentTest, AnsiFileKeepsItsEncoding)
{
    const QByteArray bytes = "Stra\xdf" "e\r\n";
    writeFile(path("a.tex"), bytes);
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("a.tex"), OpenFormat::Plain).ok);
    const QString text = doc.takeLoadedText();
    EXPECT_EQ(text, QString::fromUtf8("Stra\xc3\x9f" "e\n"));
    EXPECT_EQ(doc.encoding(), TextCodec::Encoding::Windows1252);
    ASSERT_TRUE(doc.save(text, {}).ok);
    EXPECT_EQ(readAll(path("a.tex")), bytes);
}

TEST_F(TextDocumentTest, AnsiFileWithNewCharacterIsNotWrittenUntilItBecomesUtf8)
{
    writeFile(path("a.tex"), "Stra\xdf" "e\n");
    TextDocument doc;
    SaveOptions backups;
    backups.createBackup = true;
    ASSERT_TRUE(doc.load(path("a.tex"), OpenFormat::Plain).ok);
    const QString text = QString::fromUtf8("\xe2\x88\x9e \xc3\x9f\n");
    const FileResult refused = doc.save(text, backups);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.unencodable);
    // Nothing was touched: neither the file nor a backup.
    EXPECT_EQ(readAll(path("a.tex")), QByteArray("Stra\xdf" "e\n"));
    EXPECT_FALSE(QFileInfo::exists(path("a.tex.bak")));
    doc.setEncoding(TextCodec::Encoding::Utf8);
    ASSERT_TRUE(doc.save(text, backups).ok);
    EXPECT_EQ(readAll(path("a.tex")), QByteArray("\xe2\x88\x9e \xc3\x9f\n"));
    EXPECT_EQ(readAll(path("a.tex.bak")), QByteArray("Stra\xdf" "e\n"));
}

TEST_F(TextDocumentTest, LineBreakStyleIsTheOneMostBreaksHave)
{
    // The first break is a lone LF, most are CR LF: the file stays CR LF.
    const QByteArray bytes = "a\nb\r\nc\r\nd\r\n";
    writeFile(path("m.tex"), bytes);
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("m.tex"), OpenFormat::Plain).ok);
    const QString text = doc.takeLoadedText();
    EXPECT_EQ(doc.lineBreak(), TextDocument::LineBreak::CrLf);
    // Unchanged, it goes back byte for byte; changed, every break is CR LF.
    ASSERT_TRUE(doc.save(text, {}).ok);
    EXPECT_EQ(readAll(path("m.tex")), bytes);
    ASSERT_TRUE(doc.save(text + "e", {}).ok);
    EXPECT_EQ(readAll(path("m.tex")), QByteArray("a\r\nb\r\nc\r\nd\r\ne"));
}

TEST_F(TextDocumentTest, UnixFormatNormalisesMixedLineBreaks)
{
    writeFile(path("u.tex"), "one\rtwo\nthree\r\nfour\r\rsix");
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("u.tex"), OpenFormat::Unix).ok);
    EXPECT_EQ(doc.takeLoadedText(), QStringLiteral("one\ntwo\nthree\nfour\n\nsix"));
    EXPECT_EQ(doc.lineBreak(), TextDocument::LineBreak::Lf);
}

TEST_F(TextDocumentTest, OemRoundTripKeepsUmlautsAndBoxDrawing)
{
    // ä ö ü ß, then ╔═╗ and │ in code page 850.
    const QByteArray oem = "\x84\x94\x81\xe1\r\n\xc9\xcd\xbb\xb3\r\n";
    writeFile(path("dos.tex"), oem);
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("dos.tex"), OpenFormat::DosOem).ok);
    EXPECT_TRUE(doc.convertedOnLoad());
    const QString text = doc.takeLoadedText();
    EXPECT_EQ(text, QString::fromUtf8("\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f\n\xe2\x95\x94\xe2\x95\x90\xe2\x95\x97\xe2\x94\x82\n"));
    ASSERT_TRUE(doc.exportOem(path("back"), text).ok);
    EXPECT_EQ(readAll(path("back.tex")), oem);
    // The document itself is saved as UTF-8 with its line breaks: nothing is lost.
    ASSERT_TRUE(doc.save(text, {}).ok);
    EXPECT_EQ(QString::fromUtf8(readAll(path("dos.tex"))), QString(text).replace("\n", "\r\n"));
}

TEST_F(TextDocumentTest, OemExportReportsCharactersItCannotHold)
{
    TextDocument doc;
    const FileResult r = doc.exportOem(path("x.tex"), QString::fromUtf8("\xe2\x82\xac"));
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.notice.isEmpty());
}

TEST_F(TextDocumentTest, FallsBackToTexExtension)
{
    writeFile(path("doc.tex"), "x");
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("doc"), OpenFormat::Plain).ok);
    EXPECT_EQ(doc.fileName(), path("doc.tex"));
    EXPECT_EQ(doc.shortName(), QStringLiteral("doc.tex"));
    ASSERT_TRUE(doc.load(path("doc.txt"), OpenFormat::Plain).ok);
    EXPECT_EQ(doc.fileName(), path("doc.tex"));
}

TEST_F(TextDocumentTest, UnreadableInputIsReportedNotLoaded)
{
    TextDocument doc;
    EXPECT_FALSE(doc.load(path("missing.tex"), OpenFormat::Plain).ok);
    QDir().mkpath(path("dir.tex"));
    const FileResult r = doc.load(path("dir.tex"), OpenFormat::Plain);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_TRUE(doc.fileName().isEmpty());
}

TEST_F(TextDocumentTest, BackupHoldsThePreviousSave)
{
    writeFile(path("b.tex"), "original");
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("b.tex"), OpenFormat::Plain).ok);
    SaveOptions opts;
    opts.createBackup = true;
    ASSERT_TRUE(doc.save(QStringLiteral("first"), opts).ok);
    ASSERT_TRUE(doc.save(QStringLiteral("second"), opts).ok);
    EXPECT_EQ(readAll(path("b.tex.bak")), QByteArray("first"));
    EXPECT_EQ(readAll(path("b.tex")), QByteArray("second"));
}

TEST_F(TextDocumentTest, AFailedBackupKeepsTheOldBackupAndTheFile)
{
    const QByteArray previous(100, 'p'); // larger than the full disk allows
    writeFile(path("c.tex"), previous);
    writeFile(path("c.tex.bak"), "the backup before");
    TextDocument doc;
    ASSERT_TRUE(doc.load(path("c.tex"), OpenFormat::Plain).ok);
    SaveOptions opts;
    opts.createBackup = true;
    FileResult r;
    testsupport::withFullDisk([&] { r = doc.save(QStringLiteral("new text"), opts); });
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("c.tex.bak")) << r.error.toStdString();
    EXPECT_EQ(readAll(path("c.tex.bak")), QByteArray("the backup before"));
    EXPECT_EQ(readAll(path("c.tex")), previous);
    // The failed copy leaves no temporary behind.
    EXPECT_EQ(QDir(path()).entryList(QDir::Files).size(), 2);
}

TEST_F(TextDocumentTest, NoBackupWhenOffOrNothingToBackUp)
{
    TextDocument doc;
    doc.setFileName(path("new.tex"));
    SaveOptions opts;
    opts.createBackup = true;
    ASSERT_TRUE(doc.save(QStringLiteral("a"), opts).ok);
    EXPECT_FALSE(QFileInfo::exists(path("new.tex.bak")));
    opts.createBackup = false;
    ASSERT_TRUE(doc.save(QStringLiteral("b"), opts).ok);
    EXPECT_FALSE(QFileInfo::exists(path("new.tex.bak")));
}

TEST_F(TextDocumentTest, LineSpecialsCopyMarksTheThirdLine)
{
    TextDocument doc;
    doc.setFileName(path("ls.tex"));
    doc.setLineBreak(TextDocument::LineBreak::CrLf);
    SaveOptions opts;
    opts.lineSpecials = true;
    ASSERT_TRUE(doc.save(QStringLiteral("word\n\nword\n"), opts).ok);
    EXPECT_EQ(readAll(path("ls.txx")), QByteArray("word\r\n\r\n\\special{src: 3 ls.tex}word\r\n"));
    EXPECT_EQ(readAll(path("ls.tex")), QByteArray("word\r\n\r\nword\r\n"));
}

TEST_F(TextDocumentTest, LineSpecialsOnlyForTheTexExtension)
{
    TextDocument doc;
    SaveOptions opts;
    opts.lineSpecials = true;
    doc.setFileName(path("s.sty"));
    ASSERT_TRUE(doc.save(QStringLiteral("a\n\nb"), opts).ok);
    doc.setFileName(path("u.TEX"));
    ASSERT_TRUE(doc.save(QStringLiteral("a\n\nb"), opts).ok);
    EXPECT_FALSE(QFileInfo::exists(path("s.txx")));
    EXPECT_FALSE(QFileInfo::exists(path("u.txx")));
}

TEST(LineSpecials, Placement)
{
    struct Case {
        const char *text, *expected;
    };
    const Case cases[] = {
        {"word", "word"},
        {"\nword", "\n\\special{src: 2 f.tex}word"},
        {"a\n\n\nb\nc\n\nd", "a\n\n\n\\special{src: 4 f.tex}b\nc\n\n\\special{src: 7 f.tex}d"},
        {"a\n \nb", "a\n \nb"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextDocument::lineSpecialsCopy(QString::fromUtf8(c.text), QStringLiteral("f.tex")),
                  QString::fromUtf8(c.expected))
            << c.text;
}

TEST_F(TextDocumentTest, FailedSaveLeavesTheOldFile)
{
    writeFile(path("blocker"), "i am a file");
    TextDocument doc;
    doc.setFileName(path("blocker/sub.tex"));
    const FileResult r = doc.save(QStringLiteral("x"), {});
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(readAll(path("blocker")), QByteArray("i am a file"));
}

// Large files are read on a worker thread while the event loop turns; what comes
// back is what a direct read gives.
class TextDocumentWorkerTest : public TextDocumentTest {
protected:
    // Lines of line up to past the worker's threshold, then tail, written to name.
    QString writeBig(const QString &name, const QByteArray &line, const QByteArray &tail = {})
    {
        QByteArray bytes;
        while (bytes.size() < 2 * TextDocument::WorkerSize)
            bytes += line;
        writeFile(path(name), bytes + tail);
        return path(name);
    }
    // Loads with a pause that records its calls; *turned: a timer fired meanwhile.
    FileResult loadCounting(TextDocument &doc, const QString &file, OpenFormat format, bool *turned)
    {
        *turned = false;
        QTimer::singleShot(0, [turned] { *turned = true; });
        pauses = 0;
        pausedElsewhere = false;
        const FileResult r = doc.load(file, format, [this] {
            ++pauses;
            pausedElsewhere = pausedElsewhere || QThread::currentThread() != QCoreApplication::instance()->thread();
            return true;
        });
        const bool during = *turned;
        // The timer fires now if it did not meanwhile.
        QCoreApplication::processEvents();
        *turned = during;
        return r;
    }
    // doc holds "kept\r\n", its text taken.
    void loadKept(TextDocument &doc)
    {
        writeFile(path("kept.tex"), "kept\r\n");
        ASSERT_TRUE(doc.load(path("kept.tex"), OpenFormat::Plain).ok);
        ASSERT_EQ(doc.takeLoadedText(), QStringLiteral("kept\n"));
    }
    void expectKept(TextDocument &doc)
    {
        EXPECT_EQ(doc.fileName(), path("kept.tex"));
        EXPECT_FALSE(doc.convertedOnLoad());
        EXPECT_TRUE(doc.takeLoadedText().isEmpty());
        EXPECT_EQ(doc.encode(QStringLiteral("kept\n")), QByteArray("kept\r\n"));
    }
    int pauses = 0;
    bool pausedElsewhere = false;
};

TEST_F(TextDocumentWorkerTest, BigFilesReadAsDirectlyWhileTheLoopTurns)
{
    struct Case {
        const char *name;
        QByteArray line, tail;
        OpenFormat format;
        TextCodec::Encoding encoding;
        TextDocument::LineBreak lineBreak;
    };
    const Case cases[] = {
        // The one invalid byte is at the very end: Windows-1252 after all.
        {"1252 fallback", "gr\xc3\xbc\xc3\x9f\n", "caf\xe9", OpenFormat::Plain, TextCodec::Encoding::Windows1252,
         TextDocument::LineBreak::Lf},
        {"dos oem", "\x81\x84\xdb\r\n", "\x94", OpenFormat::DosOem, TextCodec::Encoding::Utf8, TextDocument::LineBreak::CrLf},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = writeBig(QStringLiteral("big.tex"), c.line, c.tail);
        TextFile direct;
        TextFile::LoadOptions o;
        if (c.format == OpenFormat::DosOem)
            o.encoding = TextCodec::Encoding::Cp850;
        ASSERT_TRUE(direct.load(file, nullptr, o));

        TextDocument doc;
        bool turned = false;
        const FileResult r = loadCounting(doc, file, c.format, &turned);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_TRUE(turned) << "the event loop turned while the file was read";
        EXPECT_GE(pauses, 1);
        EXPECT_FALSE(pausedElsewhere) << "pause is called on the loading thread only";
        EXPECT_EQ(doc.takeLoadedText(), direct.takeText());
        EXPECT_EQ(doc.encoding(), c.encoding);
        EXPECT_EQ(doc.lineBreak(), c.lineBreak);
        EXPECT_EQ(doc.convertedOnLoad(), c.format == OpenFormat::DosOem);
        EXPECT_EQ(doc.fileName(), file);
    }

    // A small file is read at once: no event is handled in the middle of it.
    writeFile(path("small.tex"), QByteArray(2048, 'x'));
    TextDocument doc;
    bool turned = true;
    ASSERT_TRUE(loadCounting(doc, path("small.tex"), OpenFormat::Plain, &turned).ok);
    EXPECT_FALSE(turned);
    EXPECT_EQ(doc.takeLoadedText(), QString(2048, u'x'));
}

TEST_F(TextDocumentWorkerTest, ErrorOnTheWorkerComesBackAsADirectReadsAndKeepsTheDocument)
{
    TextDocument doc;
    loadKept(doc);
    // Sparse: no disk space, but past the largest document.
    QFile huge(path("huge.tex"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(TextFile::DefaultMaxSize + 1));
    huge.close();
    TextFile direct;
    TextFile::Error expected;
    ASSERT_FALSE(direct.load(path("huge.tex"), &expected));
    ASSERT_EQ(expected.kind, TextFile::Error::Kind::TooLarge);

    bool turned = false;
    const FileResult r = loadCounting(doc, path("huge.tex"), OpenFormat::Plain, &turned);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, expected.message());
    expectKept(doc);
}

// The editor is closed while its big file is read: the load ends without a word and
// without touching the document.
TEST_F(TextDocumentWorkerTest, CancelledLoadTouchesNothing)
{
    TextDocument doc;
    loadKept(doc);
    int asked = 0;
    const FileResult r = doc.load(writeBig(QStringLiteral("big.tex"), "a line of text\n"), OpenFormat::DosOem, [&] {
        ++asked;
        return false;
    });
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_EQ(asked, 1) << "not asked again once it said no";
    expectKept(doc);
}

} // namespace
