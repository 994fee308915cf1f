#include "platform/saferead.h"
#include "testsupport.h"

#include <QFile>
#include <sys/stat.h>

using testsupport::writeFile;

class SafeReadTest : public testsupport::TempDirTest {};

TEST_F(SafeReadTest, RefusesWhatIsNotARegularFileWithoutBlockingOrReading)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("zero")));
    ASSERT_TRUE(QFile::link("/dev/urandom", path("random")));
    ASSERT_TRUE(QFile::link(path("pipe"), path("link-to-pipe")));
    for (const char *name : {"pipe", "zero", "random", "link-to-pipe", ""}) {
        SCOPED_TRACE(name);
        QByteArray bytes = "untouched";
        FileError e;
        EXPECT_FALSE(SafeRead::readRegularFile(path(name), 1000, &bytes, &e));
        EXPECT_EQ(e.kind, FileError::Kind::NotRegularFile);
        EXPECT_EQ(bytes, "untouched");
        EXPECT_FALSE(e.message().isEmpty());
    }
    FileError e;
    EXPECT_FALSE(SafeRead::readRegularFile(path("missing"), 1000, nullptr, &e));
    EXPECT_EQ(e.kind, FileError::Kind::NotFound);
    EXPECT_EQ(e.cause(), FileError::Cause::NotFound);
}

TEST_F(SafeReadTest, ReadsRegularFilesAndLinksToThemUpToTheLimit)
{
    writeFile(path("ten"), "0123456789");
    ASSERT_TRUE(QFile::link(path("ten"), path("link")));
    QByteArray bytes;
    FileError e;
    EXPECT_TRUE(SafeRead::readRegularFile(path("link"), 10, &bytes, &e));
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_FALSE(e.failed());
    EXPECT_FALSE(SafeRead::readRegularFile(path("ten"), 9, &bytes, &e));
    EXPECT_EQ(e.kind, FileError::Kind::TooLarge);
    EXPECT_EQ(e.size, 10);
    EXPECT_EQ(e.maxSize, 9);
    writeFile(path("empty"), "");
    EXPECT_TRUE(SafeRead::readRegularFile(path("empty"), 0, &bytes));
    EXPECT_TRUE(bytes.isEmpty());
}
