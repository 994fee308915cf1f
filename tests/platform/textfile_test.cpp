#include "platform/textfile.h"
#include "testsupport.h"

#include <sys/stat.h>

using testsupport::readAll;
using testsupport::writeFile;
using Enc = TextCodec::Encoding;

class TextFileTest : public testsupport::TempDirTest {
protected:
    // Loads bytes written to a file; fails the test when the load fails.
    QString loadBytes(TextFile &f, const QByteArray &bytes, const TextFile::LoadOptions &o = TextFile::LoadOptions())
    {
        writeFile(path("doc.tex"), bytes);
        TextFile::Error e;
        EXPECT_TRUE(f.load(path("doc.tex"), &e, o)) << e.message().toStdString();
        return f.takeText();
    }
};

TEST_F(TextFileTest, DetectsEncodingAndLineBreakStyle)
{
    struct Case { const char *name; QByteArray bytes; QString text; Enc enc; TextFile::LineBreak lb; };
    const Case cases[] = {
        {"utf8 lf", "gr\xc3\xbc\xc3\x9f\nzwei\n", QString::fromUtf8("grüß\nzwei\n"), Enc::Utf8, TextFile::LineBreak::Lf},
        {"1252 crlf", "gr\xfc\xdf\r\nzwei\r\n", QString::fromUtf8("grüß\nzwei\n"), Enc::Windows1252, TextFile::LineBreak::CrLf},
        {"mostly lf", "a\nb\nc\r\nd\n", "a\nb\nc\nd\n", Enc::Utf8, TextFile::LineBreak::Lf},
        {"tie is crlf", "a\r\nb\n", "a\nb\n", Enc::Utf8, TextFile::LineBreak::CrLf},
        {"lone cr", "a\rb\r", "a\nb\n", Enc::Utf8, TextFile::LineBreak::Lf},
        {"no breaks", "abc", "abc", Enc::Utf8, TextFile::LineBreak::Lf},
        {"trailing nuls", QByteArray("x\n\0\0", 4), "x\n", Enc::Utf8, TextFile::LineBreak::Lf},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TextFile f;
        EXPECT_EQ(loadBytes(f, c.bytes), c.text);
        EXPECT_EQ(f.encoding(), c.enc);
        EXPECT_EQ(f.lineBreak(), c.lb);
    }
}

TEST_F(TextFileTest, UnchangedTextGoesBackByteForByteChangedTextInTheFileStyle)
{
    const QByteArray odd("a\r\nb\nc\rd\xfc\r\n\0", 12);
    TextFile f;
    const QString text = loadBytes(f, odd);
    ASSERT_EQ(f.save(path("doc.tex"), text), TextFile::SaveResult::Saved);
    EXPECT_EQ(readAll(path("doc.tex")), odd);

    ASSERT_EQ(f.save(path("doc.tex"), text + "e"), TextFile::SaveResult::Saved);
    EXPECT_EQ(readAll(path("doc.tex")), QByteArray("a\r\nb\r\nc\r\nd\xfc\r\ne"));
    // What was saved is now the known text again.
    EXPECT_EQ(f.encode(text + "e"), QByteArray("a\r\nb\r\nc\r\nd\xfc\r\ne"));
}

TEST_F(TextFileTest, UnencodableCharacterWritesNothingUntilTheEncodingChanges)
{
    TextFile f;
    const QString text = loadBytes(f, "caf\xe9\n");
    ASSERT_EQ(f.encoding(), Enc::Windows1252);
    const QString more = text + QString::fromUtf8("€ and ∑\n");
    EXPECT_EQ(f.save(path("doc.tex"), more), TextFile::SaveResult::Unencodable);
    EXPECT_EQ(readAll(path("doc.tex")), QByteArray("caf\xe9\n"));
    f.setEncoding(Enc::Utf8);
    ASSERT_EQ(f.save(path("doc.tex"), more), TextFile::SaveResult::Saved);
    EXPECT_EQ(readAll(path("doc.tex")), QString::fromUtf8("café\n€ and ∑\n").toUtf8());
}

TEST_F(TextFileTest, ForcedOemEncodingReadsAndWritesCodePage850)
{
    TextFile::LoadOptions o;
    o.encoding = Enc::Cp850;
    TextFile f;
    EXPECT_EQ(loadBytes(f, "\x84\x94\x81\r\n", o), QString::fromUtf8("äöü\n"));
    EXPECT_EQ(f.encode(QString::fromUtf8("ß\n")), QByteArray("\xe1\r\n"));
}

TEST_F(TextFileTest, RefusesWhatIsNotARegularFileOrTooLargeAndStaysUnchanged)
{
    TextFile f;
    loadBytes(f, "kept\n");
    TextFile::Error e;

    const QByteArray fifo = path("pipe.tex").toLocal8Bit();
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    EXPECT_FALSE(f.load(path("pipe.tex"), &e)); // must not block in open()
    EXPECT_EQ(e.kind, TextFile::Error::Kind::NotRegularFile);
    EXPECT_FALSE(f.load(path(), &e));
    EXPECT_EQ(e.kind, TextFile::Error::Kind::NotRegularFile);
    EXPECT_FALSE(f.load(path("missing.tex"), &e));
    EXPECT_EQ(e.kind, TextFile::Error::Kind::NotFound);

    writeFile(path("big.tex"), QByteArray(2000, 'x'));
    TextFile::LoadOptions small;
    small.maxSize = 1000;
    EXPECT_FALSE(f.load(path("big.tex"), &e, small));
    EXPECT_EQ(e.kind, TextFile::Error::Kind::TooLarge);
    EXPECT_EQ(e.size, 2000);
    EXPECT_FALSE(e.message().isEmpty());

    // None of the failures touched the document that was loaded first.
    EXPECT_EQ(f.encode("kept\n"), QByteArray("kept\n"));
}

// A long file is decoded in pieces with pauses between them: characters across a
// piece border, a byte order mark at the start (no text) and one later (text), and
// an invalid byte far into the file (Windows-1252 after all) read as in one piece.
TEST_F(TextFileTest, LongFileReadsAsInOnePiece)
{
    const QByteArray bom("\xef\xbb\xbf");
    QByteArray utf8 = bom;
    while (utf8.size() < 3 * 1024 * 1024)
        utf8 += "gr\xc3\xbc\xc3\x9f \xe2\x82\xac \xf0\x9d\x9b\xbc\n";
    utf8 += bom + "end";
    int pauses = 0;
    TextFile::LoadOptions o;
    o.pause = [&] {
        ++pauses;
        return true;
    };
    TextFile f;
    EXPECT_EQ(loadBytes(f, utf8, o), QString::fromUtf8(utf8.mid(3)));
    EXPECT_EQ(f.encoding(), Enc::Utf8);
    EXPECT_GT(pauses, 4);
    ASSERT_EQ(f.save(path("doc.tex"), QString::fromUtf8(utf8.mid(3))), TextFile::SaveResult::Saved);
    EXPECT_EQ(readAll(path("doc.tex")), utf8) << "an unchanged text goes back as the very bytes";
    // One character changed deep in the text, the length kept, is a changed text.
    QString changed = QString::fromUtf8(utf8.mid(3));
    changed[changed.indexOf(u'g', changed.size() / 2)] = u'x';
    ASSERT_EQ(f.save(path("doc.tex"), changed), TextFile::SaveResult::Saved);
    const QByteArray saved = readAll(path("doc.tex"));
    EXPECT_EQ(QString::fromUtf8(saved.startsWith(bom) ? saved.mid(3) : saved), changed);

    QByteArray ansi = utf8;
    ansi[ansi.size() - 2] = '\xe9';
    TextFile g;
    EXPECT_EQ(loadBytes(g, ansi, o), TextCodec::fromWindows1252(ansi));
    EXPECT_EQ(g.encoding(), Enc::Windows1252);
}

TEST_F(TextFileTest, PauseReturningFalseAbandonsTheLoad)
{
    writeFile(path("doc.tex"), "text\n");
    TextFile f;
    TextFile::LoadOptions o;
    o.pause = [] { return false; };
    TextFile::Error e;
    EXPECT_FALSE(f.load(path("doc.tex"), &e, o));
    EXPECT_EQ(e.kind, TextFile::Error::Kind::Cancelled);
    EXPECT_TRUE(f.takeText().isEmpty());
}

// Every pass over a long text goes in pieces of a megabyte: a CR LF across a piece
// border is one break, in the style count and in the text, whatever the encoding.
TEST_F(TextFileTest, LineBreakAcrossAPieceBorderIsOneBreak)
{
    constexpr qsizetype Piece = 1024 * 1024;
    // Two CR LF (one across the border) against two LF: CR LF wins the tie, and
    // would lose if the border split its pair.
    const QByteArray tail = "\r\ny\nz\r\nw\n";
    for (const Enc enc : {Enc::Utf8, Enc::Windows1252, Enc::Cp850}) {
        SCOPED_TRACE(int(enc));
        // In UTF-8 the border byte is also the border character; the code pages
        // fill the start with a byte above 127.
        const QByteArray fill = QByteArray(Piece - 1, enc == Enc::Utf8 ? 'x' : '\x81');
        TextFile::LoadOptions o;
        if (enc != Enc::Utf8)
            o.encoding = enc;
        TextFile f;
        const QString text = loadBytes(f, fill + tail, o);
        EXPECT_EQ(text, TextCodec::decode(fill, enc) + QStringLiteral("\ny\nz\nw\n"));
        EXPECT_EQ(f.lineBreak(), TextFile::LineBreak::CrLf);
        EXPECT_EQ(f.encoding(), enc);
    }
}

// However far a long load has come, a pause that says no abandons it and leaves the
// object as it was.
TEST_F(TextFileTest, AbandonedAtAnyPauseLeavesTheObjectUnchanged)
{
    QByteArray bytes;
    while (bytes.size() < 3 * 1024 * 1024)
        bytes += "caf\xe9 au lait\r\n";
    writeFile(path("big.tex"), bytes);
    int pauses = 0;
    TextFile::LoadOptions o;
    o.pause = [&] {
        ++pauses;
        return true;
    };
    TextFile whole;
    ASSERT_TRUE(whole.load(path("big.tex"), nullptr, o));
    ASSERT_GT(pauses, 10);
    const int all = pauses;
    for (int stopAt = 1; stopAt <= all; ++stopAt) {
        SCOPED_TRACE(stopAt);
        TextFile f;
        const QString kept = loadBytes(f, "kept\n");
        int asked = 0;
        o.pause = [&] { return ++asked < stopAt; };
        TextFile::Error e;
        EXPECT_FALSE(f.load(path("big.tex"), &e, o));
        EXPECT_EQ(e.kind, TextFile::Error::Kind::Cancelled);
        EXPECT_EQ(asked, stopAt);
        EXPECT_TRUE(f.takeText().isEmpty());
        EXPECT_EQ(f.encoding(), Enc::Utf8);
        EXPECT_EQ(f.encode(kept), QByteArray("kept\n"));
    }
}

TEST_F(TextFileTest, FailedSaveSaysWhyAndKeepsTheKnownBytes)
{
    TextFile f;
    const QString text = loadBytes(f, "old\r\n");
    writeFile(path("plain"), "a file, not a folder");
    TextFile::Error e;
    // Even root cannot create a file below a regular file.
    EXPECT_EQ(f.save(path("plain/doc.tex"), "new\n", &e), TextFile::SaveResult::Failed);
    EXPECT_EQ(e.kind, TextFile::Error::Kind::WriteFailed);
    EXPECT_FALSE(e.message().isEmpty());
    EXPECT_EQ(f.encode(text), QByteArray("old\r\n"));
}
