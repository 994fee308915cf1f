// The jump from a heading to its line in the project's sources, on real files.
#include "scribletfixture.h"
#include "project/cproject.h"
#include "project/findheading.h"
#include "resources/strings.h"
#include "project/toctable.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

class FindHeadingTest : public ScribletTest
{
protected:
    void SetUp() override
    {
        ScribletTest::SetUp();
        m_project.Create(QStringLiteral("t"));
    }
    void TearDown() override
    {
        ScribletTest::TearDown();
    }
    void addFile(const QString &relative, const QByteArray &content)
    {
        testsupport::writeFile(path(relative), content);
        m_project.AddFile(path(relative));
    }
    void addRow(const char *number, const char *title, int level)
    {
        m_table.headings.append(TocEntry{QString::fromUtf8(number), QString::fromUtf8(title), level});
    }

    CProject m_project;
    TocTable m_table;
    FakeProjectHost m_host;
};

TEST_F(FindHeadingTest, FindsTheUsersSpellingWithTheCommand)
{
    addFile("main.tex", "\\documentclass{report}\n\\begin{document}\n\\include{kap}\n\\end{document}\n");
    addFile("kap.tex", "\\chapter{Kritik}\nDie M\"angel:\n\\section{Andere}\n\\section{M\"angel}\ntext\n");
    addRow("1", "Kritik", 0);
    addRow("1.1", "Andere", 1);
    addRow("1.2", "Mängel", 1);
    ASSERT_TRUE(FindHeading(m_table, m_project, QStringLiteral("1.2 Mängel"), m_host, m_prompter));
    ASSERT_EQ(m_host.opened.size(), 1);
    EXPECT_EQ(m_host.opened[0].path, path("kap.tex"));
    EXPECT_EQ(m_host.opened[0].line, 4);
    EXPECT_EQ(m_host.opened[0].searchText, QStringLiteral("M\"angel"));
    EXPECT_EQ(m_host.opened[0].command, QStringLiteral("\\section"));
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(FindHeadingTest, EachLetterIsReplacedOnce)
{
    m_host.umlauts = QStringList{"ae", "Ae", "oe", "Oe", "ue", "Ue", "ss"};
    EXPECT_EQ(spellTitle(QStringLiteral("Äpfel, Öl, Übel, süß, ä"), m_host.umlauts),
              QStringLiteral("Aepfel, Oel, Uebel, suess, ae"));
    // An inserted text that itself holds a letter is not examined again.
    EXPECT_EQ(spellTitle(QStringLiteral("ä"), QStringList{"ö", "x", "y", "z", "u", "v", "w"}), QStringLiteral("ö"));
}

TEST_F(FindHeadingTest, SourcesWithTheLettersThemselvesAreFoundToo)
{
    addFile("main.tex", "\\chapter{Über die Größe}\n");
    addRow("1", "Über die Größe", 0);
    ASSERT_TRUE(FindHeading(m_table, m_project, QStringLiteral("Größe"), m_host, m_prompter));
    EXPECT_EQ(m_host.opened[0].line, 1);
    EXPECT_EQ(m_host.opened[0].searchText, QStringLiteral("Über die Größe"));
}

TEST_F(FindHeadingTest, OnlyFilesEndingInTexAreSearched)
{
    addFile("main.tex", "nothing here\n");
    addFile("kap.ltx", "\\section{Versteckt}\n");
    addRow("1", "Versteckt", 1);
    EXPECT_FALSE(FindHeading(m_table, m_project, QStringLiteral("Versteckt"), m_host, m_prompter));
    EXPECT_TRUE(m_host.opened.isEmpty());
    EXPECT_EQ(m_prompter.messages, QStringList{Str::text(Str::HeadingNotFound)});
}

TEST_F(FindHeadingTest, TheCommandMustMatchTheLevel)
{
    addFile("main.tex", "\\chapter{Ziel}\n\\subsection{Ziel}\n");
    addRow("1.1", "Ziel", 1); // a section: neither line is one
    EXPECT_FALSE(FindHeading(m_table, m_project, QStringLiteral("Ziel"), m_host, m_prompter));
    m_table.headings[0].level = 2;
    m_prompter.messages.clear();
    ASSERT_TRUE(FindHeading(m_table, m_project, QStringLiteral("Ziel"), m_host, m_prompter));
    EXPECT_EQ(m_host.opened[0].line, 2);
}

TEST_F(FindHeadingTest, FirstRowWhoseLineIsFoundWins)
{
    addFile("main.tex", "\\section{Teil B}\n\\section{Teil A}\n");
    addRow("1", "Teil X", 1); // contains "Teil" but is nowhere
    addRow("2", "Teil A", 1);
    addRow("3", "Teil B", 1);
    ASSERT_TRUE(FindHeading(m_table, m_project, QStringLiteral("Teil"), m_host, m_prompter));
    EXPECT_EQ(m_host.opened[0].line, 2);
}

TEST_F(FindHeadingTest, UnreadableFileIsReportedAndTheSearchGoesOn)
{
    m_project.AddFile(path("missing.tex"));
    addFile("b.tex", "\\section{Da}\n");
    addRow("1", "Da", 1);
    ASSERT_TRUE(FindHeading(m_table, m_project, QStringLiteral("Da"), m_host, m_prompter));
    EXPECT_EQ(m_prompter.messages, QStringList{Str::text(Str::ErrorReadingFile)});
    EXPECT_EQ(m_host.opened[0].path, path("b.tex"));
}

TEST_F(FindHeadingTest, RelativeEntriesResolveAgainstTheMainDirectory)
{
    testsupport::writeFile(path("p/kap/eins.tex"), "x\n\\chapter{Eins}\n");
    testsupport::writeFile(path("p/main.tex"), "\\include{kap/eins}\n");
    testsupport::writeFile(path("p/p.sbp"), "[main]\r\n.\\main.tex\r\n[files]\r\n.\\kap\\eins.tex\r\n");
    CProject project;
    ASSERT_TRUE(project.Load(path("p/p.sbp")));
    QDir::setCurrent(path()); // the search does not rely on the current directory
    addRow("1", "Eins", 0);
    ASSERT_TRUE(FindHeading(m_table, project, QStringLiteral("1 Eins"), m_host, m_prompter));
    EXPECT_EQ(m_host.opened[0].path, path("p/kap/eins.tex"));
    EXPECT_EQ(m_host.opened[0].line, 2);
}

TEST_F(FindHeadingTest, HeadingsOfTheCompiledSampleAreFound)
{
    if (!testsupport::haveProgram("latex"))
        GTEST_SKIP() << "latex is not installed";
    const QDir src(QStringLiteral(SAMPLE_PROJECT_DIR));
    const QString dir = path("thesis");
    QDir().mkpath(dir + "/kapitel");
    for (const char *f : {"thesis.tex", "literatur.bib", "thesis.sbp", "kapitel/einleitung.tex", "kapitel/grundlagen.tex"})
        ASSERT_TRUE(QFile::copy(src.filePath(f), dir + '/' + f));
    QProcess latex;
    latex.setWorkingDirectory(dir);
    latex.setStandardInputFile(QProcess::nullDevice());
    latex.start(QStringLiteral("latex"), {"-interaction=nonstopmode", "thesis.tex"});
    ASSERT_TRUE(latex.waitForFinished(120000));
    ASSERT_EQ(latex.exitCode(), 0);

    CProject project;
    ASSERT_TRUE(project.Load(dir + "/thesis.sbp"));
    TocTable table;
    table.tocFile = project.tocPath();
    table.ReadToc();
    table.ParseToc();
    ASSERT_GT(table.headingCount(), 5);

    struct {
        const char *text;
        const char *file;
        int line;
    } cases[] = {
        {"1.2 Mängel bisheriger Ansätze", "kapitel/einleitung.tex", 7},
        {"1.2.1 Überblick", "kapitel/einleitung.tex", 10},
        {"2.1 Über die Größe von Dokumenten", "kapitel/grundlagen.tex", 4},
        {"2.2 Schluß", "kapitel/grundlagen.tex", 10},
    };
    for (const auto &c : cases) {
        m_host.opened.clear();
        ASSERT_TRUE(FindHeading(table, project, QString::fromUtf8(c.text), m_host, m_prompter)) << c.text;
        EXPECT_EQ(m_host.opened[0].path, dir + '/' + c.file) << c.text;
        EXPECT_EQ(m_host.opened[0].line, c.line) << c.text;
    }
}

TEST_F(FindHeadingTest, HeadingsWithMarkupWrappedOrWithAShortTitleAreFound)
{
    addFile("main.tex", "\\chapter{Vorwort}\n"
                        "\\section{Grundlagen der \\textbf{Methode}}\n"
                        "% \\section{Ein Titel, der \"uber zwei Zeilen geht} is commented out\n"
                        "\\section{Ein Titel, der \"uber\n"
                        "  zwei Zeilen geht}\n"
                        "\\section[Kurz]{Ein sehr langer Titel}\n"
                        "\\section{M\"angel \\emph{neu}}\n");
    // As LaTeX writes the titles into the ".toc" file (umlauts decoded).
    addRow("2.1", "Grundlagen der \\textbf {Methode}", 1);
    addRow("2.2", "Ein Titel, der über zwei Zeilen geht", 1);
    addRow("2.3", "Kurz", 1);
    addRow("2.4", "Mängel \\emph {neu}", 1);
    struct {
        const char *clicked;
        int line;
        const char *searchText;
    } cases[] = {
        {"2.1 Grundlagen der Methode", 2, "\\section{Grundlagen der \\textbf{Methode}}"},
        {"2.2 Ein Titel, der über zwei Zeilen geht", 4, "\\section{Ein Titel, der \"uber"},
        {"2.3 Kurz", 6, "Kurz"},
        {"2.4 Mängel neu", 7, "\\section{M\"angel \\emph{neu}}"},
    };
    for (const auto &c : cases) {
        m_host.opened.clear();
        ASSERT_TRUE(FindHeading(m_table, m_project, QString::fromUtf8(c.clicked), m_host, m_prompter)) << c.clicked;
        EXPECT_EQ(m_host.opened[0].line, c.line) << c.clicked;
        // The view finds the line again by these two texts.
        EXPECT_EQ(m_host.opened[0].searchText, QString::fromUtf8(c.searchText)) << c.clicked;
        EXPECT_EQ(m_host.opened[0].command, QStringLiteral("\\section")) << c.clicked;
    }
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

} // namespace
