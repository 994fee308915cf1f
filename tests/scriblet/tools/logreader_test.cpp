// The log file is read in 255-byte pieces, each cut at its first zero byte.
#include "tools/logreader.h"

#include "testsupport.h"
#include "resources/strings.h"

#include <QDir>

namespace {

class LogReaderTest : public testsupport::TempDirTest {};

TEST_F(LogReaderTest, ReadsWholeFileInPieces)
{
    QByteArray bytes;
    for (int i = 0; i < 2000; ++i)
        bytes += char('a' + i % 26);
    for (const int size : {0, 1, 254, 255, 256, 510, 2000}) {
        testsupport::writeFile(path("a.log"), bytes.left(size));
        EXPECT_EQ(LogReader::readBytes(path("a.log")).value_or("missing"), bytes.left(size)) << size;
    }
}

TEST_F(LogReaderTest, ZeroByteEndsOnlyItsPiece)
{
    QByteArray first(255, 'x');
    first[10] = '\0';
    QByteArray second(100, 'y');
    second[0] = '\0';
    QByteArray third("tail");
    QByteArray firstFull(255, 'z');
    testsupport::writeFile(path("a.log"), first + firstFull + second + third);
    // pieces: first (cut at 10), firstFull, then second+third (cut at 0).
    EXPECT_EQ(LogReader::readBytes(path("a.log")).value(), QByteArray(10, 'x') + firstFull);
}

TEST_F(LogReaderTest, HugeLogShowsItsStart)
{
    QByteArray line(99, 'x');
    line += '\n';
    testsupport::writeFile(path("big.log"), "First line\n" + line.repeated(60000));
    const QString text = LogReader::readText(path("big.log"));
    EXPECT_EQ(text.size(), LogReader::MaxShownBytes);
    EXPECT_TRUE(text.startsWith("First line\n"));
    EXPECT_EQ(LogReader::readBytes(path("big.log"))->size(), 11 + 6000000);
}

TEST_F(LogReaderTest, MissingOrUnreadableGivesMessage)
{
    EXPECT_FALSE(LogReader::readBytes(path("none.log")).has_value());
    EXPECT_EQ(LogReader::readText(path("none.log")), QStringLiteral("Log-Datei konnte nicht geladen werden !"));
    QDir().mkpath(path("dir.log"));
    EXPECT_EQ(LogReader::readText(path("dir.log")), Str::text(Str::LogNotLoaded));
}

TEST_F(LogReaderTest, DecodesUtf8AndLatin)
{
    testsupport::writeFile(path("u.log"), "Gr\xc3\xb6\xc3\x9f" "e");
    EXPECT_EQ(LogReader::readText(path("u.log")), QString::fromUtf8("Größe"));
    testsupport::writeFile(path("w.log"), "Gr\xf6\xdf" "e");
    EXPECT_EQ(LogReader::readText(path("w.log")), QString::fromUtf8("Größe"));
}

} // namespace
