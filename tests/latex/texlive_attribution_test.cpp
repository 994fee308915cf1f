// Attribution against logs written by the real latex (TeX Live): small projects made
// in a temporary folder, compiled in nonstop mode, each entry checked for its file
// and line.
#include "latex/latexlogparser.h"
#include "logsummary.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>

namespace {

class TexLiveLogTest : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        if (!testsupport::haveProgram("latex"))
            GTEST_SKIP() << "latex is not installed";
    }

    // Writes a source file below the project folder `root` (default: the temporary folder).
    void write(const QString &relative, const QByteArray &text, const QString &root = QString())
    {
        testsupport::writeFile((root.isEmpty() ? path() : root) + '/' + relative, text);
    }

    // Runs latex on `main` in `dir` and parses the log it wrote there.
    LatexLog compile(const QString &main, const QString &dir, const QStringList &options = {})
    {
        QProcess tex;
        tex.setWorkingDirectory(dir);
        tex.setStandardInputFile(QProcess::nullDevice());
        tex.start(QStringLiteral("latex"), QStringList{QStringLiteral("-interaction=nonstopmode")} + options + QStringList{main});
        EXPECT_TRUE(tex.waitForFinished(60000));
        m_logPath = dir + '/' + QFileInfo(main).completeBaseName() + ".log";
        LatexLog log;
        QString error;
        EXPECT_TRUE(LatexLogParser::parseFile(m_logPath, &log, &error)) << error.toStdString();
        return log;
    }

    QString m_logPath;
};

} // namespace

TEST_F(TexLiveLogTest, ErrorsLandInTheMainFileAnIncludedChapterAndAnInputFileInASubfolder)
{
    write("main.tex", "\\documentclass{article}\n"
                      "\\begin{document}\n"
                      "Hello \\foo world.\n"
                      "\\include{chap1}\n"
                      "\\input{kapitel/einleitung}\n"
                      "Back in the main file (with a parenthesis.\n"
                      "\n"
                      "\\undefinedAtTheEnd\n"
                      "\\end{document}\n");
    write("chap1.tex", "Chapter one (opened.\n\nHere \\undefinedInChapter is bad.\n");
    write("kapitel/einleitung.tex", "Intro.\n\\undefinedInSubfolder\n");
    const QString expected = QStringLiteral("E main.tex:3 | E chap1.tex:3 | E kapitel/einleitung.tex:2 | E main.tex:8");
    EXPECT_EQ(logSummary(compile("main.tex", path(), {"-file-line-error"}), path()), expected);
    const LatexLog log = compile("main.tex", path());
    EXPECT_EQ(logSummary(log, path()), expected);
    EXPECT_EQ(log.at(0).message, "Undefined control sequence.");
    EXPECT_EQ(log.at(0).context, "Hello \\foo");
    // The log names the chapter "./chap1.tex": it resolves against the compile's folder.
    EXPECT_EQ(log.at(1).file, QDir::cleanPath(path("chap1.tex")));
}

TEST_F(TexLiveLogTest, ReferencesCitationsAndBadBoxesLandOnTheirLines)
{
    write("main.tex", "\\documentclass{article}\n"
                      "\\begin{document}\n"
                      "See \\ref{nolabel}.\n"
                      "\\input{chap}\n"
                      "\\parbox{2cm}{Averyveryverylongwordthatcannotbebroken (at all}\n"
                      "\\end{document}\n");
    write("chap.tex", "Some text.\n\nCited \\cite{nobody} here.\n\n"
                      "\\hbox to 1cm{(an unbreakable overfull box}\n");
    const LatexLog log = compile("main.tex", path());
    EXPECT_EQ(logSummary(log, path()), QStringLiteral("W main.tex:3 | W chap.tex:3 | B chap.tex:5 | B main.tex:5 | W main.tex:0"));
    EXPECT_TRUE(log.at(0).message.contains("Reference `nolabel'"));
    EXPECT_TRUE(log.at(1).message.contains("Citation `nobody'"));
    EXPECT_EQ(log.errorCount(), 0);
    EXPECT_EQ(log.warningCount(), 3);
    EXPECT_EQ(log.badBoxCount(), 2);
}

TEST_F(TexLiveLogTest, FileNamesWithBlanks)
{
    write("my thesis.tex", "\\documentclass{article}\n"
                           "\\begin{document}\n"
                           "\\input{my chapter}\n"
                           "\\input{\"other part\"}\n"
                           "\\undefinedInMain\n"
                           "\\end{document}\n");
    write("my chapter.tex", "Blank.\n\\undefinedInChapter\n");
    write("other part.tex", "More.\n\nText.\n\\undefinedInPart\n");
    const LatexLog log = compile("my thesis.tex", path());
    EXPECT_EQ(logSummary(log, path()), QStringLiteral("E my chapter.tex:2 | E other part.tex:4 | E my thesis.tex:5"));
}

TEST_F(TexLiveLogTest, LongPathsThatWrapTheLogLine)
{
    const QString root = path(QString(70, 'a') + '/' + QString(60, 'b'));
    write("main.tex", "\\documentclass{article}\n"
                      "\\begin{document}\n"
                      "\\input{" + (root + "/sub/deep").toUtf8() + "}\n"
                      "\\input{sub/deep}\n"
                      "\\undefinedInMain\n"
                      "\\end{document}\n", root);
    write("sub/deep.tex", "x\n\\undefinedDeep\n", root);
    // Given with its full path, the main file's name wraps in the log too.
    const LatexLog log = compile(root + "/main.tex", root);
    const QByteArray raw = testsupport::readAll(m_logPath);
    ASSERT_FALSE(raw.contains((root + "/sub/deep.tex").toUtf8())) << "the log did not wrap the name";
    EXPECT_EQ(logSummary(log, root), QStringLiteral("E sub/deep.tex:2 | E sub/deep.tex:2 | E main.tex:5"));
}
