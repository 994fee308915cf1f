// The template file: its byte layout, damaged files, where it lives, and the
// conversion of the old three-file form.
#include "vellumixfixture.h"

#include "templates/oldtemplatefiles.h"
#include "templates/templatefile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

using testsupport::readAll;
using testsupport::writeFile;

QByteArray le32(qint32 n)
{
    char b[4];
    qToLittleEndian<qint32>(n, b);
    return QByteArray(b, 4);
}

QByteArray str(const QByteArray &text) { return le32(qint32(text.size())) + text; }

QByteArray record(const QByteArray &name, const QByteArray &p1, const QByteArray &p2)
{
    return str(name) + str(p1) + str(p2) + str({});
}

const QList<UserTemplate> Several = {
    {QStringLiteral("Itemize"), QStringLiteral("\\begin{itemize}\r\n\\item "), QStringLiteral("\r\n\\end{itemize}")},
    {QStringLiteral("Bold & strong"), QStringLiteral("\\textbf{"), QStringLiteral("}")},
    {QString::fromUtf8("Zitat \xc3\xa4"), QStringLiteral("\\glqq "), QStringLiteral("\\grqq{}")},
    {QStringLiteral("Only before"), QStringLiteral("\\newpage"), QString()},
};

TEST(TemplateFileTest, SeveralTemplatesAreWrittenAsRecordsAndReadBackInOrder)
{
    const QByteArray bytes = TemplateFile::encode(Several);
    EXPECT_TRUE(bytes.startsWith(record("Itemize", "\\begin{itemize}\r\n\\item ", "\r\n\\end{itemize}")));
    const TemplateFile::Decoded d = TemplateFile::decode(bytes);
    EXPECT_EQ(d.templates, Several);
    EXPECT_FALSE(d.damaged);
}

TEST(TemplateFileTest, AnEmptyTemplateIsSixteenZeroBytesAndReadsBack)
{
    const QByteArray bytes = TemplateFile::encode({UserTemplate{}});
    EXPECT_EQ(bytes, QByteArray(16, '\0'));
    const TemplateFile::Decoded d = TemplateFile::decode(bytes);
    ASSERT_EQ(d.templates.size(), 1);
    EXPECT_EQ(d.templates.first(), UserTemplate{});
    EXPECT_FALSE(d.damaged);
}

TEST(TemplateFileTest, TextOfTheOldPlatformReadsAsWindows1252)
{
    const TemplateFile::Decoded d = TemplateFile::decode(record("Gr\xfc\xdf" "e", "\x84", "\x93"));
    ASSERT_EQ(d.templates.size(), 1);
    EXPECT_EQ(d.templates.first().name, QString::fromUtf8("Grüße"));
    EXPECT_EQ(d.templates.first().part1, QString::fromUtf8("„"));
    EXPECT_EQ(d.templates.first().part2, QString::fromUtf8("“"));
}

// Damaged files give the whole records before the damage and never read past the end.
TEST(TemplateFileTest, DamagedFilesLoadTheWholeTemplatesBeforeTheDamage)
{
    const QByteArray two = record("one", "a", "b") + record("two", "c", "d");
    const struct {
        const char *what;
        QByteArray bytes;
        int whole;
    } cases[] = {
        {"truncated in the last record", two + record("three", "e", "f").left(20), 2},
        {"truncated inside a length", two + str("x") + QByteArray("\x01\x00", 2), 2},
        {"a piece shorter than a record at the end", two + QByteArray(15, '\0'), 2},
        {"a length pointing past the end", two + le32(1000) + QByteArray(20, 'x'), 2},
        {"the largest length", record("one", "a", "b") + le32(0x7fffffff) + QByteArray(40, 'x'), 1},
        {"a negative length", record("one", "a", "b") + le32(-5) + QByteArray(40, 'x'), 1},
        {"a closing string past the end", two + str("n") + str("p") + str("q") + le32(99), 2},
    };
    for (const auto &c : cases) {
        const TemplateFile::Decoded d = TemplateFile::decode(c.bytes);
        EXPECT_EQ(d.templates.size(), c.whole) << c.what;
        EXPECT_TRUE(d.damaged) << c.what;
        if (c.whole >= 1) {
            EXPECT_EQ(d.templates.first(), (UserTemplate{"one", "a", "b"})) << c.what;
        }
    }
}

TEST(TemplateFileTest, RandomBytesNeverReadPastTheEndNorHoldMoreThanTheFile)
{
    QRandomGenerator random(14);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(int(random.bounded(200)), '\0');
        for (char &b : bytes)
            b = char(random.bounded(256));
        // Small lengths now and then, so that some records come out whole.
        if (round % 2 && bytes.size() >= 4)
            bytes.replace(0, 4, le32(qint32(random.bounded(8))));
        const TemplateFile::Decoded d = TemplateFile::decode(bytes);
        qsizetype held = 0;
        for (const UserTemplate &t : d.templates)
            held += t.name.size() + t.part1.size() + t.part2.size();
        EXPECT_LE(held + 16 * d.templates.size(), bytes.size());
    }
}

class TemplateFileDiskTest : public testsupport::TempDirTest
{
};

TEST_F(TemplateFileDiskTest, WrittenFileReadsBackAndAMissingOneMeansNoTemplates)
{
    const QString file = path("cfg/Vellumix.tpl");
    ASSERT_TRUE(TemplateFile::write(file, Several));
    const TemplateFile::ReadResult r = TemplateFile::read(file);
    EXPECT_EQ(r.templates, Several);
    EXPECT_FALSE(r.error.failed());

    const TemplateFile::ReadResult missing = TemplateFile::read(path("none.tpl"));
    EXPECT_TRUE(missing.templates.isEmpty());
    EXPECT_EQ(missing.error.kind, FileError::Kind::NotFound);
    // A folder in the file's place is never read as templates, and never replaced.
    QDir().mkpath(path("dir.tpl"));
    EXPECT_EQ(TemplateFile::read(path("dir.tpl")).error.kind, FileError::Kind::NotRegularFile);
    QString error;
    EXPECT_FALSE(TemplateFile::write(path("dir.tpl"), Several, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(TemplateFileDiskTest, TheFileIsNamedAfterTheSettingsFileAndReadFromThePerUserPlaceFirst)
{
    EXPECT_EQ(TemplateFile::pathFor("/opt/vx/Vellumix.ini"), "/opt/vx/Vellumix.tpl");
    EXPECT_EQ(TemplateFile::pathFor("/home/u/my.settings/user"), "/home/u/my.settings/user.tpl");
    EXPECT_EQ(TemplateFile::pathFor("/home/u/.vellumix"), "/home/u/.vellumix.tpl");

    const QString program = path("prog/Vellumix.ini");
    const QString user = path("home/Vellumix.ini");
    EXPECT_EQ(TemplateFile::readPath(user, program), path("prog/Vellumix.tpl"));
    writeFile(path("home/Vellumix.tpl"), {});
    EXPECT_EQ(TemplateFile::readPath(user, program), path("home/Vellumix.tpl"));
}

// ---------------------------------------------------------------- old template files

class OldTemplateFilesTest : public testsupport::TempDirTest
{
protected:
    void writeOld(const QString &dir, const QByteArray &names, const QByteArray &parts1, const QByteArray &parts2)
    {
        writeFile(dir + "/names", names);
        writeFile(dir + "/parts1", parts1);
        writeFile(dir + "/parts2", parts2);
    }
    OldTemplateFiles::Conversion conversion(int programVersion = 40)
    {
        OldTemplateFiles::Conversion c;
        c.programDir = path("prog");
        c.settingsInUse = path("prog/Vellumix.ini");
        c.perUserSettings = path("prog/Vellumix.ini");
        c.programDirVersion = programVersion;
        c.perUserVersion = programVersion;
        return c;
    }
    QList<UserTemplate> converted(const QString &file) { return TemplateFile::read(file).templates; }
};

TEST_F(OldTemplateFilesTest, SectionSignPairsBecomeLineBreaksAndLinesPairUp)
{
    // Windows-1252 section signs, CR LF and LF lines, a parts file one line short.
    writeOld(path("prog"), "Items\r\nQuote\r\nLast\r\n", "\\begin{itemize}\xa7\xa7\\item \r\n\\begin{quote}\nx\n",
             "\xa7\xa7\\end{itemize}\n\xa7\xa7\\end{quote}\n");
    ASSERT_TRUE(OldTemplateFiles::convert(conversion()));
    const QList<UserTemplate> expected = {
        {"Items", "\\begin{itemize}\r\n\\item ", "\r\n\\end{itemize}"},
        {"Quote", "\\begin{quote}", "\r\n\\end{quote}"},
        {"Last", "x", ""},
    };
    EXPECT_EQ(converted(path("prog/Vellumix.tpl")), expected);
}

TEST_F(OldTemplateFilesTest, OnlySettingsBelowVersionFiftyAndOnlyWithAllThreeFilesAreConverted)
{
    writeOld(path("prog"), "A\r\n", "a\r\n", "b\r\n");
    ASSERT_TRUE(OldTemplateFiles::convert(conversion(50)));
    EXPECT_FALSE(QFileInfo::exists(path("prog/Vellumix.tpl")));

    OldTemplateFiles::Conversion unavailable = conversion();
    unavailable.settingsUnavailable = true;
    ASSERT_TRUE(OldTemplateFiles::convert(unavailable));
    EXPECT_FALSE(QFileInfo::exists(path("prog/Vellumix.tpl")));

    QFile::remove(path("prog/parts2"));
    ASSERT_TRUE(OldTemplateFiles::convert(conversion()));
    EXPECT_FALSE(QFileInfo::exists(path("prog/Vellumix.tpl")));
}

TEST_F(OldTemplateFilesTest, APerUserFileGetsTheProgramEntriesFollowedByItsOwn)
{
    writeOld(path("prog"), "P\r\n", "p1\r\n", "p2\r\n");
    writeOld(path("home/cfg"), "U\r\n", "u1\xa7\xa7u2\r\n", "\r\n");
    OldTemplateFiles::Conversion c = conversion();
    c.perUserConfigured = true;
    c.perUserSettings = path("home/cfg/user.ini");
    ASSERT_TRUE(OldTemplateFiles::convert(c));
    EXPECT_EQ(converted(path("prog/Vellumix.tpl")), (QList<UserTemplate>{{"P", "p1", "p2"}}));
    EXPECT_EQ(converted(path("home/cfg/user.tpl")),
              (QList<UserTemplate>{{"P", "p1", "p2"}, {"U", "u1\r\nu2", ""}}));
}

TEST_F(OldTemplateFilesTest, AFileThatCannotBeWrittenIsReported)
{
    writeOld(path("prog"), "A\r\n", "a\r\n", "b\r\n");
    QDir().mkpath(path("prog/Vellumix.tpl"));
    QString error;
    EXPECT_FALSE(OldTemplateFiles::convert(conversion(), &error));
    EXPECT_TRUE(error.contains("Vellumix.tpl")) << error.toStdString();
}

} // namespace
