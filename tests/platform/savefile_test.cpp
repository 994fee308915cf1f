#include "platform/savefile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <utime.h>

using testsupport::readAll;
using testsupport::writeFile;

class SaveFileTest : public testsupport::TempDirTest {
protected:
    void age(const QString &file, int seconds)
    {
        struct utimbuf t {};
        t.actime = t.modtime = time(nullptr) - seconds;
        ASSERT_EQ(utime(QFile::encodeName(file).constData(), &t), 0);
    }
    mode_t mode(const QString &file)
    {
        struct stat st {};
        EXPECT_EQ(lstat(QFile::encodeName(file).constData(), &st), 0);
        return st.st_mode;
    }
    QStringList files() const { return QDir(path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name); }
};

TEST_F(SaveFileTest, RemovesOnlyOurOwnStaleTemporariesOfTheSavedFile)
{
    struct Case { const char *name; int ageSeconds; bool removed; };
    const Case cases[] = {
        {"x.tex.ytXFnS", 120, true},    // left by a killed save
        {"x.tex.AbCdEf", 120, true},
        {"x.tex.ytXFnT", 5, false},     // a save in progress elsewhere
        {"x.tex.backup", 120, false},   // a user's own files
        {"x.tex.Backup", 120, false},
        {"x.tex.BACKUP", 120, false},
        {"x.tex.AbCdE", 120, false},    // not six letters
        {"x.tex.AbCd3f", 120, false},
        {"x.tex.AbCdEfG", 120, false},
        {"y.tex.AbCdEf", 120, false},   // another file's
        {"x.texAbCdEf", 120, false},
    };
    writeFile(path("x.tex"), "old");
    for (const Case &c : cases) {
        writeFile(path(c.name), "temp");
        age(path(c.name), c.ageSeconds);
    }
    ASSERT_TRUE(QDir().mkdir(path("x.tex.QwErTy"))); // a folder is never removed
    age(path("x.tex.QwErTy"), 120);

    ASSERT_TRUE(SaveFile::write(path("x.tex"), "new"));
    EXPECT_EQ(readAll(path("x.tex")), "new");
    for (const Case &c : cases)
        EXPECT_EQ(QFile::exists(path(c.name)), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo(path("x.tex.QwErTy")).isDir());
}

TEST_F(SaveFileTest, KeepsPermissionsFollowsLinksAndNeverReplacesWhatIsNotAFile)
{
    writeFile(path("private.tex"), "old");
    ASSERT_EQ(chmod(QFile::encodeName(path("private.tex")).constData(), 0640), 0);
    ASSERT_TRUE(SaveFile::write(path("private.tex"), "new"));
    EXPECT_EQ(mode(path("private.tex")) & 0777, 0640u);

    ASSERT_TRUE(QDir().mkdir(path("real")));
    writeFile(path("real/doc.tex"), "old");
    ASSERT_TRUE(QFile::link(path("real/doc.tex"), path("link.tex")));
    ASSERT_TRUE(SaveFile::write(path("link.tex"), "through the link"));
    EXPECT_TRUE(S_ISLNK(mode(path("link.tex"))));
    EXPECT_EQ(readAll(path("real/doc.tex")), "through the link");

    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    FileError e;
    EXPECT_FALSE(SaveFile::write(path("pipe"), "x", &e));
    EXPECT_EQ(e.kind, FileError::Kind::NotRegularFile);
    EXPECT_TRUE(S_ISFIFO(mode(path("pipe"))));

    // New folders on the way are made; no temporary file is left anywhere.
    ASSERT_TRUE(SaveFile::write(path("new/deeper/doc.tex"), "made"));
    EXPECT_EQ(readAll(path("new/deeper/doc.tex")), "made");
    EXPECT_EQ(files(), QStringList({"link.tex", "pipe", "private.tex"}));
    EXPECT_EQ(QDir(path("real")).entryList(QDir::Files), QStringList{"doc.tex"});
}

TEST_F(SaveFileTest, FailureKeepsTheOldFileAndTellsTheCause)
{
    writeFile(path("doc.tex"), "old");
    FileError e;
    testsupport::withFullDisk([&] { EXPECT_FALSE(SaveFile::write(path("doc.tex"), QByteArray(1000, 'z'), &e)); });
    EXPECT_EQ(e.kind, FileError::Kind::WriteFailed);
    EXPECT_EQ(e.cause(), FileError::Cause::NoSpace);
    EXPECT_EQ(e.path, path("doc.tex"));
    EXPECT_TRUE(e.message().contains("doc.tex"));
    EXPECT_EQ(readAll(path("doc.tex")), "old");
    EXPECT_EQ(files(), QStringList{"doc.tex"});

    // Even root cannot make a folder below a regular file.
    QString message;
    EXPECT_FALSE(SaveFile::write(path("doc.tex/sub/x.ini"), "x", &e));
    EXPECT_EQ(e.cause(), FileError::Cause::NotFound);
    EXPECT_FALSE(SaveFile::write(path("doc.tex/sub/x.ini"), "x", &message));
    EXPECT_TRUE(message.contains("x.ini")) << message.toStdString();
    EXPECT_EQ(readAll(path("doc.tex")), "old");
}

TEST_F(SaveFileTest, CopyReplacesTheTargetWholeOrNotAtAll)
{
    writeFile(path("doc.tex"), QByteArray(5000, 'n'));
    ASSERT_EQ(chmod(QFile::encodeName(path("doc.tex")).constData(), 0600), 0);
    writeFile(path("doc.tex.bak"), "previous backup");

    FileError e;
    testsupport::withFullDisk([&] { EXPECT_FALSE(SaveFile::copy(path("doc.tex"), path("doc.tex.bak"), &e)); });
    EXPECT_EQ(e.cause(), FileError::Cause::NoSpace);
    EXPECT_EQ(readAll(path("doc.tex.bak")), "previous backup");

    EXPECT_FALSE(SaveFile::copy(path("missing.tex"), path("doc.tex.bak"), &e));
    EXPECT_EQ(e.kind, FileError::Kind::NotFound);
    EXPECT_EQ(e.path, path("missing.tex"));
    EXPECT_EQ(readAll(path("doc.tex.bak")), "previous backup");
    EXPECT_EQ(files(), QStringList({"doc.tex", "doc.tex.bak"}));

    ASSERT_TRUE(SaveFile::copy(path("doc.tex"), path("doc.tex.bak"), &e));
    EXPECT_EQ(readAll(path("doc.tex.bak")), QByteArray(5000, 'n'));
    EXPECT_EQ(mode(path("doc.tex.bak")) & 0777, 0600u); // a private document keeps a private backup
}
