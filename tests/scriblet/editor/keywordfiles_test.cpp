// The keyword files: their defaults on disk, the lists built from them, and
// files that are missing, malformed or cannot be written.
#include "editor/keywordfiles.h"

#include "common/cshellsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class KeywordFilesTest : public testsupport::TempDirTest
{
protected:
    CShellSettings settings() { return CShellSettings(path(QStringLiteral("cfg"))); }
    QByteArray commandsFile() { return testsupport::readAll(path(QStringLiteral("cfg/Scriblet.commands"))); }
};

TEST_F(KeywordFilesTest, MissingFilesAreWrittenWithTheirDefaultsAndRead)
{
    CShellSettings s = settings();
    KeywordFiles::load(s);
    const QByteArray commands = commandsFile();
    EXPECT_EQ(commands.count("\r\n"), 288);
    EXPECT_TRUE(commands.startsWith("%\r\n,\r\n\\\r\n-\r\nAlph\r\nCOLON\r\n"));
    EXPECT_TRUE(commands.endsWith("vspace\r\nwidth\r\n"));
    const QByteArray envs = testsupport::readAll(path(QStringLiteral("cfg/Scriblet.environments")));
    EXPECT_EQ(envs.count("\r\n"), 27);
    EXPECT_TRUE(envs.startsWith("array\r\ncenter\r\n"));
    EXPECT_TRUE(envs.endsWith("appendix\r\ndisplaymath\r\n"));

    EXPECT_TRUE(s.commandList.startsWith(QStringLiteral(" \\% \\, \\\\ \\- \\Alph \\COLON")));
    EXPECT_TRUE(s.commandList.endsWith(QStringLiteral(" \\vspace \\width")));
    EXPECT_EQ(s.controlSymbols, QStringLiteral("%,\\-"));
    EXPECT_TRUE(s.environmentList.startsWith(QStringLiteral(" array center")));
    EXPECT_TRUE(s.environmentList.endsWith(QStringLiteral(" displaymath")));

    // Deleted, it comes back with its 288 lines at the next start.
    QFile::remove(path(QStringLiteral("cfg/Scriblet.commands")));
    CShellSettings again = settings();
    KeywordFiles::load(again);
    EXPECT_EQ(commandsFile().count("\r\n"), 288);
    EXPECT_EQ(again.commandList, s.commandList);
}

TEST_F(KeywordFilesTest, UserFileIsReadAsItStands)
{
    testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.commands")), "mycmd\r\n&\nx\n\nlast");
    CShellSettings s = settings();
    KeywordFiles::load(s);
    EXPECT_EQ(s.commandList, QStringLiteral(" \\mycmd \\& \\x \\last")); // no final break needed
    EXPECT_EQ(s.controlSymbols, QStringLiteral("&"));                    // "x" is a letter
    EXPECT_EQ(commandsFile(), QByteArray("mycmd\r\n&\nx\n\nlast"));       // left as it was
}

// Bad input: a line of a megabyte, NUL bytes, no final line break. Nothing
// crashes; a line counts up to 255 characters and up to a NUL.
TEST_F(KeywordFilesTest, MalformedLinesAreCutNotFatal)
{
    const QByteArray bytes = QByteArray(1024 * 1024, 'a') + QByteArray("\nbe\0gin\n\0\nend", 13);
    testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.commands")), bytes);
    CShellSettings s = settings();
    KeywordFiles::load(s);
    EXPECT_EQ(s.commandList, QStringLiteral(" \\") + QString(255, u'a') + QStringLiteral(" \\be \\end"));
}

// A settings folder that cannot be used (here a file stands in its place, which
// binds the superuser too) leaves colouring with the built-in lists; a keyword
// file that exists but cannot be read (here a folder) is never replaced.
TEST_F(KeywordFilesTest, UnusableFolderAndUnreadableFileFallBackToBuiltInLists)
{
    testsupport::writeFile(path(QStringLiteral("cfg")), "a file, not a folder");
    CShellSettings s = settings();
    KeywordFiles::load(s);
    EXPECT_TRUE(s.commandList.endsWith(QStringLiteral(" \\vspace \\width")));
    EXPECT_EQ(s.controlSymbols, QStringLiteral("%,\\-"));
    EXPECT_TRUE(s.environmentList.endsWith(QStringLiteral(" displaymath")));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("cfg"))), QByteArray("a file, not a folder"));

    QDir().mkpath(path(QStringLiteral("cfg2/Scriblet.environments")));
    CShellSettings other(path(QStringLiteral("cfg2")));
    KeywordFiles::load(other);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("cfg2/Scriblet.environments"))).isDir());
    EXPECT_TRUE(other.environmentList.endsWith(QStringLiteral(" displaymath")));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("cfg2/Scriblet.commands"))).count("\r\n"), 288);
}

} // namespace
