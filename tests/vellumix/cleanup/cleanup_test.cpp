// Deleting auxiliary files: a real latex run leaves them, the marks choose them.
#include "testsupport.h"

#include "platform/profile.h"
#include "cleanup/cleanup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

using CleanUp::Marks;

Marks marksFor(std::initializer_list<const char *> keys)
{
    Marks m{};
    for (const char *key : keys)
        m[CleanUp::kindIndex(QString::fromLatin1(key))] = true;
    return m;
}

class CleanUpTest : public testsupport::TempDirTest
{
protected:
    QStringList listing(const QString &dir) const
    {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    // A document compiled by the real latex, with a backup, a hidden file and a
    // directory that match patterns too.
    bool compiledProject(const QString &dir)
    {
        testsupport::writeFile(dir + "/paper.tex",
                               "\\documentclass{article}\n\\begin{document}\n\\tableofcontents\n"
                               "\\section{One}\nText.\n\\end{document}\n");
        QProcess latex;
        latex.setWorkingDirectory(dir);
        latex.setStandardInputFile(QProcess::nullDevice());
        latex.start("latex", {"-interaction=nonstopmode", "paper.tex"});
        if (!latex.waitForFinished(120000) || latex.exitCode() != 0)
            return false;
        testsupport::writeFile(dir + "/paper.tex.bak", "old");
        testsupport::writeFile(dir + "/.hidden.aux", "hidden");
        QDir().mkpath(dir + "/figures.log");
        testsupport::writeFile(dir + "/figures.log/inside.log", "kept");
        testsupport::writeFile(dir + "/readonly.dvi", "ro");
        QFile::setPermissions(dir + "/readonly.dvi", QFile::ReadOwner | QFile::ReadUser);
        return true;
    }
};

TEST(CleanUpKinds, KeepTheOrderCaptionsAndKeys)
{
    QStringList captions, keys;
    for (const CleanUp::Kind &k : CleanUp::Kinds) {
        captions << k.caption;
        keys << k.key;
        EXPECT_EQ(QString(k.pattern), "*." + QString(k.key));
    }
    EXPECT_EQ(captions, QString("DLG AUX BAK BBL BLG DVI GLO IDX ILG IND LOF LOG LOT TOC").split(' '));
    EXPECT_EQ(keys, QString("dlg aux bak bbl blg dvi glo idx ilg ind lof log lot toc").split(' '));
    EXPECT_EQ(CleanUp::kindIndex("TOC"), 13);
    EXPECT_EQ(CleanUp::kindIndex("pdf"), -1);
}

TEST_F(CleanUpTest, MarksRoundTripThroughTheSettingsSection)
{
    const QString ini = path("Vellumix.ini");
    testsupport::writeFile(ini, "[CleanUp]\r\naux=1\r\nlog=7\r\ndvi=0\r\nbogus=1\r\n[TeX]\r\nCompile=x\r\n");
    Profile profile(ini);
    EXPECT_EQ(CleanUp::readMarks(profile), marksFor({"aux", "log"}));

    ASSERT_TRUE(CleanUp::writeMarks(profile, marksFor({"dlg", "toc"})));
    Profile reread(ini);
    EXPECT_EQ(reread.getString("CleanUp", "dlg"), "1");
    EXPECT_EQ(reread.getString("CleanUp", "aux"), "0");
    EXPECT_EQ(reread.getString("CleanUp", "toc"), "1");
    EXPECT_EQ(reread.getString("TeX", "Compile"), "x");
    EXPECT_EQ(CleanUp::readMarks(reread), marksFor({"dlg", "toc"}));
    EXPECT_EQ(CleanUp::readMarks(Profile(path("missing.ini"))), Marks{});
}

TEST_F(CleanUpTest, AfterARealCompileDeletesTheTickedKindsOnly)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QString dir = path("paper");
    ASSERT_TRUE(compiledProject(dir));
    ASSERT_TRUE(QFileInfo::exists(dir + "/paper.toc"));

    const QStringList deleted = CleanUp::deleteMarked(dir, marksFor({"aux", "log", "dvi"}));
    // In the order of the kinds: AUX, DVI, LOG.
    EXPECT_EQ(deleted, QStringList({dir + "/paper.aux", dir + "/paper.dvi", dir + "/readonly.dvi",
                                    dir + "/paper.log"}));
    EXPECT_EQ(listing(dir), QStringList({".hidden.aux", "figures.log", "paper.tex", "paper.tex.bak", "paper.toc"}));
    EXPECT_TRUE(QFileInfo::exists(dir + "/figures.log/inside.log"));
}

TEST_F(CleanUpTest, NoMarkDeletesNothing)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QString dir = path("paper");
    ASSERT_TRUE(compiledProject(dir));
    const QStringList before = listing(dir);
    EXPECT_TRUE(CleanUp::deleteMarked(dir, Marks{}).isEmpty());
    EXPECT_EQ(listing(dir), before);
}

TEST_F(CleanUpTest, BackupsAreMatchedByTheirEndingWithCase)
{
    testsupport::writeFile(path("a.tex.bak"), "1");
    testsupport::writeFile(path("b.bak"), "1");
    testsupport::writeFile(path("C.BAK"), "1");
    testsupport::writeFile(path("d.bakx"), "1");
    EXPECT_EQ(CleanUp::matchingFiles(path(), CleanUp::kindIndex("bak")), QStringList({path("a.tex.bak"), path("b.bak")}));
    EXPECT_TRUE(CleanUp::matchingFiles(path("nowhere"), 2).isEmpty());
    EXPECT_TRUE(CleanUp::matchingFiles(QString(), 2).isEmpty());
}

} // namespace
