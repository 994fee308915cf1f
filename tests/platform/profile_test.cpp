#include "platform/profile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using testsupport::readAll;
using testsupport::writeFile;

class ProfileTest : public testsupport::TempDirTest {
protected:
    QString ini() const { return path("cfg/test.ini"); }
};

TEST_F(ProfileTest, MissingFileGivesDefaultsAndFirstWriteCreatesFileAndFolder)
{
    Profile p(ini());
    EXPECT_EQ(p.getString("TeX Settings", "exe", "latex"), "latex");
    EXPECT_EQ(p.getInt("General", "Language", 99), 99);
    EXPECT_FALSE(p.hasKey("General", "Language"));
    ASSERT_TRUE(p.writeString("TeX Settings", "exe", "pdflatex"));
    EXPECT_EQ(readAll(ini()), QByteArray("[TeX Settings]\r\nexe=pdflatex\r\n"));
}

TEST_F(ProfileTest, LookupIgnoresCaseOfSectionsAndKeysButKeepsValuesVerbatim)
{
    writeFile(ini(), "[Farben]\nLaTex Befehle=16711680\n[TeX Settings]\ncmd=-interaction=nonstopmode %s ; x\n");
    Profile p(ini());
    EXPECT_EQ(p.getInt("FARBEN", "latex befehle", 0), 16711680);
    EXPECT_EQ(p.getString("tex settings", "CMD"), "-interaction=nonstopmode %s ; x");
    ASSERT_TRUE(p.writeString("TEX SETTINGS", "Cmd", "a=b;c"));
    EXPECT_EQ(p.getString("TeX Settings", "cmd"), "a=b;c");
    // The key keeps the spelling it had in the file.
    EXPECT_TRUE(readAll(ini()).contains("cmd=a=b;c\r\n"));
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineCommentAndOrder)
{
    const QByteArray before = "; my settings\r\n[A]\r\nx=1\r\n\r\n; note about B\r\n[B]\r\ny=2\r\nz=3\r\n";
    writeFile(ini(), before);
    Profile p(ini());
    ASSERT_TRUE(p.writeInt("B", "y", 7));
    EXPECT_EQ(readAll(ini()), QByteArray("; my settings\r\n[A]\r\nx=1\r\n\r\n; note about B\r\n[B]\r\ny=7\r\nz=3\r\n"));
    ASSERT_TRUE(p.writeInt("A", "new", 5)); // a new key goes after the section's last line
    EXPECT_EQ(readAll(ini()), QByteArray("; my settings\r\n[A]\r\nx=1\r\nnew=5\r\n\r\n; note about B\r\n[B]\r\ny=7\r\nz=3\r\n"));
    ASSERT_TRUE(p.writeString("C", "k", "v")); // a new section goes at the end
    EXPECT_TRUE(readAll(ini()).endsWith("z=3\r\n\r\n[C]\r\nk=v\r\n"));
}

TEST_F(ProfileTest, ReadsLfFilesAndWritesCrLf)
{
    writeFile(ini(), "[A]\nx=1\ny=2\n");
    Profile p(ini());
    EXPECT_EQ(p.getInt("A", "y", 0), 2);
    ASSERT_TRUE(p.writeInt("A", "x", 3));
    EXPECT_EQ(readAll(ini()), QByteArray("[A]\r\nx=3\r\ny=2\r\n"));
}

TEST_F(ProfileTest, IntegersReadLikeAtoi)
{
    writeFile(ini(), "[N]\na=12abc\nb=abc\nc= -7\nd=\ne=+4\nf=99999999999\n");
    Profile p(ini());
    EXPECT_EQ(p.getInt("N", "a", 5), 12);
    EXPECT_EQ(p.getInt("N", "b", 5), 0);
    EXPECT_EQ(p.getInt("N", "c", 5), -7);
    EXPECT_EQ(p.getInt("N", "d", 5), 0);
    EXPECT_EQ(p.getInt("N", "e", 5), 4);
    EXPECT_EQ(p.getInt("N", "f", 5), 2147483647);
    EXPECT_EQ(p.getInt("N", "missing", 5), 5);
}

TEST_F(ProfileTest, EraseSectionAndListingKeepFileOrder)
{
    writeFile(ini(), "[Keep]\na=1\n[Gone]\nx=1\ny=2\n[Last]\nb=2\nA=3\nplain line\n");
    Profile p(ini());
    EXPECT_EQ(p.sectionKeys("last"), QStringList({"b", "A"}));
    EXPECT_EQ(p.sectionLines("LAST"), QList<QByteArray>({"b=2", "A=3", "plain line"}));
    EXPECT_EQ(p.sections(), QStringList({"Keep", "Gone", "Last"}));
    ASSERT_TRUE(p.eraseSection("gone"));
    EXPECT_EQ(readAll(ini()), QByteArray("[Keep]\r\na=1\r\n[Last]\r\nb=2\r\nA=3\r\nplain line\r\n"));
    ASSERT_TRUE(p.writeSectionLines("Keep", {"p=1", "q=2"}));
    EXPECT_EQ(p.sectionLines("Keep"), QList<QByteArray>({"p=1", "q=2"}));
    EXPECT_EQ(p.getInt("Last", "b", 0), 2);
}

TEST_F(ProfileTest, ValuesAreBytesAndLineBreaksCannotSplitAKey)
{
    Profile p(ini());
    ASSERT_TRUE(p.writeBytes("U", "klein a", QByteArray("\"a\xe4", 3)));
    EXPECT_EQ(p.getBytes("U", "klein a"), QByteArray("\"a\xe4", 3));
    EXPECT_EQ(p.getString("U", "klein a"), QString::fromUtf8("\"aä")); // not UTF-8: read as Windows-1252
    ASSERT_TRUE(p.writeString("U", "multi", "one\ntwo"));
    EXPECT_EQ(p.sectionKeys("U"), QStringList({"klein a", "multi"}));
}

TEST_F(ProfileTest, FailedWriteLeavesOldFileAndReportsError)
{
    // The disk "fills up" half-way through the write: a file-size limit makes the
    // write fail even for root, the way a full disk would.
    writeFile(ini(), "[A]\r\nx=1\r\n");
    Profile p(ini());
    QStringList told; // the keeper of the settings hears of each failure, and only of failures
    p.setWriteFailedHandler([&](const FileError &e) { told << e.path; });
    ASSERT_TRUE(p.writeInt("A", "x", 1));
    bool ok = true;
    testsupport::withFullDisk([&] { ok = p.writeString("A", "x", QString(1000, 'z')); });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(p.lastError().contains("test.ini"));
    EXPECT_EQ(told, QStringList{ini()});
    EXPECT_EQ(readAll(ini()), QByteArray("[A]\r\nx=1\r\n"));
    EXPECT_EQ(p.getInt("A", "x", 0), 1);
}

TEST_F(ProfileTest, WriteIntoAPathThatCannotHoldAFileIsReported)
{
    writeFile(path("blocker"), "not a folder");
    Profile p(path("blocker/sub/x.ini"));
    EXPECT_FALSE(p.writeInt("A", "x", 1));
    EXPECT_TRUE(p.lastError().contains("blocker"));
    EXPECT_EQ(readAll(path("blocker")), QByteArray("not a folder"));
}

TEST_F(ProfileTest, SeesChangesMadeByAnotherWriter)
{
    Profile a(ini()), b(ini());
    ASSERT_TRUE(a.writeInt("S", "k", 1));
    EXPECT_EQ(b.getInt("S", "k", 0), 1);
    ASSERT_TRUE(b.writeString("S", "k", "22"));
    EXPECT_EQ(a.getInt("S", "k", 0), 22);
}

TEST_F(ProfileTest, BatchWritesReplaceTheFileOnceAndCancelLeavesItAlone)
{
    writeFile(ini(), "; kept\r\n[A]\r\nx=1\r\n");
    Profile p(ini());
    p.beginBatch();
    ASSERT_TRUE(p.writeInt("A", "x", 2));
    ASSERT_TRUE(p.writeString("B", "y", "z"));
    EXPECT_EQ(p.getInt("A", "x", 0), 2); // reads see the batch
    EXPECT_EQ(readAll(ini()), QByteArray("; kept\r\n[A]\r\nx=1\r\n"));
    ASSERT_TRUE(p.commitBatch());
    EXPECT_EQ(readAll(ini()), QByteArray("; kept\r\n[A]\r\nx=2\r\n\r\n[B]\r\ny=z\r\n"));

    p.beginBatch();
    p.writeInt("A", "x", 3);
    p.cancelBatch();
    EXPECT_EQ(p.getInt("A", "x", 0), 2);
    EXPECT_EQ(readAll(ini()), QByteArray("; kept\r\n[A]\r\nx=2\r\n\r\n[B]\r\ny=z\r\n"));
}

TEST_F(ProfileTest, FailedBatchCommitKeepsTheOldFile)
{
    writeFile(path("plain"), "a file, not a folder");
    Profile p(path("plain/test.ini"));
    int told = 0;
    p.setWriteFailedHandler([&](const FileError &) { ++told; });
    p.beginBatch();
    p.writeInt("A", "x", 1);
    p.writeInt("A", "y", 2);
    EXPECT_FALSE(p.commitBatch());
    EXPECT_EQ(told, 1); // the batch failed once, however many writes it held
    EXPECT_FALSE(p.lastError().isEmpty());
    EXPECT_FALSE(p.inBatch());
}

TEST_F(ProfileTest, AFileThatCannotBeReadReadsEmptyAndIsNeverReplaced)
{
    // A FIFO must not block, a device must not be read for ever, an oversized file is
    // not settings; and none of them may be replaced by a file of one key.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo.ini")).constData(), 0600), 0);
    const bool haveDevice = mknod(QFile::encodeName(path("zero.ini")).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    ASSERT_TRUE(QDir().mkdir(path("folder.ini")));
    writeFile(path("huge.ini"), "[A]\r\nx=1\r\n" + QByteArray(Profile::MaxFileSize, ';'));
    struct Case { const char *name; FileError::Kind kind; };
    QList<Case> cases{{"fifo.ini", FileError::Kind::NotRegularFile},
                      {"folder.ini", FileError::Kind::NotRegularFile},
                      {"huge.ini", FileError::Kind::TooLarge}};
    if (haveDevice)
        cases.append({"zero.ini", FileError::Kind::NotRegularFile});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        struct stat before {};
        ASSERT_EQ(stat(QFile::encodeName(path(c.name)).constData(), &before), 0);
        Profile p(path(c.name));
        EXPECT_EQ(p.getInt("A", "x", 7), 7);
        EXPECT_EQ(p.readError().kind, c.kind);
        EXPECT_FALSE(p.writeInt("A", "x", 2));
        EXPECT_EQ(p.lastFileError().kind, c.kind);
        EXPECT_TRUE(p.lastError().contains(c.name));
        p.beginBatch();
        p.writeInt("A", "y", 3);
        EXPECT_FALSE(p.commitBatch());
        struct stat after {};
        ASSERT_EQ(stat(QFile::encodeName(path(c.name)).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_size, before.st_size);
    }
}
