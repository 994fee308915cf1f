// The log file is read in 255-byte pieces, each cut at its first zero byte.
#include "tools/logreader.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

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

TEST_F(LogReaderTest, MissingDirectoryOrPipeIsNoLog)
{
    EXPECT_FALSE(LogReader::readBytes(path("none.log")).has_value());
    QDir().mkpath(path("dir.log"));
    EXPECT_FALSE(LogReader::readBytes(path("dir.log")).has_value());
    // A pipe would never end: it is refused, not read.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.log")).constData(), 0600), 0);
    EXPECT_FALSE(LogReader::readBytes(path("pipe.log")).has_value());
}

} // namespace
