// The project record and its ".sbp" file: written forms, read-back, limits and
// failures, with real files in a temporary directory.
#include "project/cproject.h"
#include "resources/strings.h"
#include "project/projectpaths.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

class ProjectFileTest : public testsupport::TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        m_project.setMessageSink([this](const QString &m) { m_messages << m; });
    }
    void TearDown() override
    {
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    QString save(const QString &relative)
    {
        QString error;
        EXPECT_TRUE(m_project.Save(path(relative), &error)) << error.toStdString();
        return QString::fromUtf8(testsupport::readAll(path(relative)));
    }
    bool load(const QString &relative, const QByteArray &content)
    {
        testsupport::writeFile(path(relative), content);
        return m_project.Load(path(relative));
    }
    QStringList paths() const
    {
        QStringList out;
        for (int i = 0; i < m_project.entryCount(); ++i)
            out << m_project.path(i);
        return out;
    }

    CProject m_project;
    QStringList m_messages;
    QString m_oldCwd;
};

// The further-file rule on its own, with directories that need not exist.
struct RelativeCase {
    const char *name;
    const char *mainDir;
    const char *file;
    const char *expected;
};

const RelativeCase relativeCases[] = {
    {"below", "/C/ARBEIT/THESIS", "/C/ARBEIT/THESIS/kap/eins.tex", "./kap/eins.tex"},
    {"beside", "/C/ARBEIT/THESIS", "/C/ARBEIT/Bilder/a.tex", "../Bilder/a.tex"},
    {"twoAbove", "/C/A/B/C", "/C/A/x.tex", "../../x.tex"},
    {"siblingSharingPrefix", "/C/A/B", "/C/A/BC/f.tex", "../BC/f.tex"},
    {"caseDiffersIsElsewhere", "/t/Arbeit/Thesis", "/t/arbeit/thesis/k.tex", "../../arbeit/thesis/k.tex"},
    {"relativeEntryKept", "/C/A", "./kap/eins.tex", "./kap/eins.tex"},
    {"parentEntryKept", "/C/A", "../Bilder/a.tex", "../Bilder/a.tex"},
    {"mainWithoutDirectory", ".", "/C/A/x.tex", "/C/A/x.tex"},
    {"sameDirectory", "/C/A", "/C/A/b.tex", "./b.tex"},
};

class RelativeEntryTest : public ::testing::TestWithParam<RelativeCase> {};

TEST_P(RelativeEntryTest, WritesTheEntryRelativeToTheMainDirectory)
{
    const RelativeCase &c = GetParam();
    EXPECT_EQ(ProjectPaths::relativeEntry(QString::fromUtf8(c.mainDir), QString::fromUtf8(c.file)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Forms, RelativeEntryTest, ::testing::ValuesIn(relativeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectFileTest, WritesTheFileFormsAndReadsThemBack)
{
    QDir().mkpath(path("A/THESIS/kap"));
    m_project.Create(QStringLiteral("Arbeit"));
    m_project.SetEntry(path("A/THESIS/thesis.tex"), 0);
    EXPECT_TRUE(m_project.AddFile(path("A/THESIS/kap/eins.tex")));
    EXPECT_TRUE(m_project.AddFile(path("A/Bilder/a.tex")));
    EXPECT_TRUE(m_project.AddFile(path("x.tex")));
    EXPECT_TRUE(m_project.AddFile(path("A/THESISX/f.tex")));

    const QString text = save("A/THESIS/thesis.sbp");
    EXPECT_EQ(text, QStringLiteral("[main]\r\n.\\thesis.tex\r\n[files]\r\n.\\kap\\eins.tex\r\n"
                                   "..\\Bilder\\a.tex\r\n..\\..\\x.tex\r\n..\\THESISX\\f.tex\r\n"));
    EXPECT_FALSE(m_project.isModified());
    EXPECT_EQ(m_project.projectName(), QStringLiteral("thesis"));

    CProject loaded;
    ASSERT_TRUE(loaded.Load(path("A/THESIS/thesis.sbp")));
    EXPECT_EQ(loaded.entryCount(), 5);
    EXPECT_EQ(loaded.path(0), path("A/THESIS/thesis.tex"));
    EXPECT_EQ(loaded.path(1), QStringLiteral("./kap/eins.tex"));
    EXPECT_EQ(loaded.name(1), QStringLiteral("eins.tex"));
    EXPECT_EQ(loaded.path(3), QStringLiteral("../../x.tex"));
    EXPECT_EQ(loaded.absolutePath(2), path("A/Bilder/a.tex"));
    EXPECT_EQ(loaded.absolutePath(3), path("x.tex"));
    EXPECT_EQ(loaded.absolutePath(4), path("A/THESISX/f.tex"));
    EXPECT_EQ(loaded.mainDirectory(), path("A/THESIS"));
    EXPECT_EQ(loaded.tocPath(), path("A/THESIS/thesis.toc"));
    EXPECT_EQ(QDir::currentPath(), path("A/THESIS"));
    EXPECT_FALSE(loaded.isModified());
    EXPECT_TRUE(loaded.isActive());

    // Writing the loaded record again gives the same bytes.
    EXPECT_EQ(loaded.serialize(path("A/THESIS/thesis.sbp")), text.toUtf8());
}

TEST_F(ProjectFileTest, MainDocumentElsewhereKeepsItsDirectoryInItsOwnCase)
{
    QDir().mkpath(path("Projekte"));
    m_project.Create(QStringLiteral("p"));
    m_project.SetEntry(path("Arbeit/Thesis/thesis.tex"), 0);
    const QString text = save("Projekte/p.sbp");
    const QString dir = ProjectPaths::toFileForm(path("Arbeit/Thesis"));
    EXPECT_EQ(text, QStringLiteral("[main]\r\n") + dir + QStringLiteral("\\thesis.tex\r\n[files]\r\n"));

    CProject loaded;
    ASSERT_TRUE(loaded.Load(path("Projekte/p.sbp")));
    EXPECT_EQ(loaded.path(0), path("Arbeit/Thesis/thesis.tex"));
    EXPECT_EQ(loaded.mainDirectory(), path("Arbeit/Thesis"));
}

struct ReadCase {
    const char *name;
    const char *content;
    std::vector<const char *> expected; // slot paths; slot 0 relative to the project directory
};

const ReadCase readCases[] = {
    {"crlf", "[main]\r\n.\\t.tex\r\n[files]\r\n.\\a.tex\r\n..\\b\\c.tex\r\n", {"t.tex", "./a.tex", "../b/c.tex"}},
    {"lfOnly", "[main]\n.\\t.tex\n[files]\n.\\a.tex\n", {"t.tex", "./a.tex"}},
    {"forwardSlashes", "[main]\n./t.tex\n[files]\n./k/a.tex\n/abs/b.tex\n", {"t.tex", "./k/a.tex", "/abs/b.tex"}},
    {"secondFilesRestarts", "[main]\n.\\t.tex\n[files]\na.tex\nb.tex\n[files]\nc.tex\n", {"t.tex", "c.tex"}},
    {"emptyLineEndsList", "[main]\n.\\t.tex\n[files]\na.tex\n\nb.tex\n", {"t.tex", "a.tex"}},
    {"digitLineEndsList", "[main]\n.\\t.tex\n[files]\na.tex\n1.tex\nb.tex\n", {"t.tex", "a.tex"}},
    {"underscoreEndsList", "[main]\n.\\t.tex\n[files]\na.tex\n_b.tex\n", {"t.tex", "a.tex"}},
    {"mainAfterList", "[files]\na.tex\n\n[main]\n.\\t.tex\n", {"t.tex", "a.tex"}},
    {"mainInParent", "[main]\n..\\t.tex\n[files]\n", {"../t.tex"}},
    {"sectionNamesAreCaseSensitive", "[MAIN]\nx.tex\n[main]\n.\\t.tex\n[Files]\n[files]\n:a\n", {"t.tex", ":a"}},
    {"noLineEndAtAll", "[main]\n.\\t.tex\n[files]\na.tex", {"t.tex", "a.tex"}},
};

class ProjectReadTest : public ProjectFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProjectReadTest, ReadsTheEntries)
{
    const ReadCase &c = GetParam();
    QDir().mkpath(path("p"));
    ASSERT_TRUE(load("p/x.sbp", QByteArray(c.content)));
    QStringList expected;
    for (size_t i = 0; i < c.expected.size(); ++i) {
        const QString e = QString::fromUtf8(c.expected[i]);
        expected << (i == 0 ? QDir::cleanPath(path("p/") + e) : e);
    }
    EXPECT_EQ(paths(), expected);
    EXPECT_EQ(m_project.projectName(), QStringLiteral("x"));
    EXPECT_TRUE(m_messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Forms, ProjectReadTest, ::testing::ValuesIn(readCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectFileTest, FileWithoutMainKeepsThePreviousMain)
{
    QDir().mkpath(path("p"));
    ASSERT_TRUE(load("p/one.sbp", "[main]\r\n.\\one.tex\r\n[files]\r\n"));
    ASSERT_TRUE(load("p/two.sbp", "[files]\r\na.tex\r\n"));
    EXPECT_EQ(paths(), (QStringList{path("p/one.tex"), "a.tex"}));
    EXPECT_EQ(m_project.projectName(), QStringLiteral("two"));
}

TEST_F(ProjectFileTest, MissingFileLeavesTheRecordUntouched)
{
    m_project.Create(QStringLiteral("keep"));
    m_project.SetEntry(path("k.tex"), 0);
    QString error;
    EXPECT_FALSE(m_project.Load(path("nothing.sbp"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(m_project.projectName(), QStringLiteral("keep"));
    EXPECT_TRUE(m_project.isModified());
    EXPECT_EQ(m_project.path(0), path("k.tex"));
}

TEST_F(ProjectFileTest, TableHoldsOneThousandEntries)
{
    m_project.Create(QStringLiteral("big"));
    for (int i = 0; i < CProject::MaxEntries; ++i)
        ASSERT_TRUE(m_project.AddFile(path(QStringLiteral("f%1.tex").arg(i))));
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(m_project.entryCount(), 1000);
    EXPECT_FALSE(m_project.AddFile(path("one-too-many.tex")));
    EXPECT_EQ(m_messages, QStringList{Str::text(Str::TooManyFiles)});
    EXPECT_EQ(m_project.entryCount(), 1000);

    // Loading a file with 1001 entries keeps the first 1000 and says so once;
    // the lines after the list are read as ordinary lines again.
    QByteArray content = "[main]\r\n.\\f0.tex\r\n[files]\r\n";
    for (int i = 1; i <= 1000; ++i)
        content += "f" + QByteArray::number(i) + ".tex\r\n";
    content += "[main]\r\n.\\last.tex\r\n";
    m_messages.clear();
    CProject loaded;
    loaded.setMessageSink([this](const QString &m) { m_messages << m; });
    testsupport::writeFile(path("big.sbp"), content);
    ASSERT_TRUE(loaded.Load(path("big.sbp")));
    EXPECT_EQ(loaded.entryCount(), 1000);
    EXPECT_EQ(loaded.path(999), QStringLiteral("f999.tex"));
    EXPECT_EQ(loaded.path(0), path("last.tex"));
    EXPECT_EQ(m_messages, QStringList{Str::text(Str::TooManyFiles)});
}

TEST_F(ProjectFileTest, DuplicateIsRefusedButMarksTheProjectModified)
{
    testsupport::writeFile(path("p/p.sbp"), "[main]\r\n.\\a.tex\r\n[files]\r\n");
    ASSERT_TRUE(m_project.Load(path("p/p.sbp")));
    ASSERT_FALSE(m_project.isModified());
    EXPECT_FALSE(m_project.AddFile(path("p/a.tex")));
    EXPECT_TRUE(m_project.isModified());
    EXPECT_EQ(m_project.entryCount(), 1);
    EXPECT_TRUE(m_messages.isEmpty());
    // On this host names that differ in case are different files.
    EXPECT_TRUE(m_project.AddFile(path("p/A.tex")));
    EXPECT_EQ(m_project.entryCount(), 2);
}

TEST_F(ProjectFileTest, FirstAddedFileBecomesTheMainEntry)
{
    m_project.Create(QStringLiteral("n"));
    EXPECT_TRUE(m_project.AddFile(path("m.tex")));
    EXPECT_EQ(m_project.path(0), path("m.tex"));
    EXPECT_EQ(m_project.tocPath(), path("m.toc"));
}

TEST_F(ProjectFileTest, RemovingShiftsLaterSlotsAndTheirNames)
{
    m_project.Create(QStringLiteral("n"));
    for (const char *f : {"m.tex", "a.tex", "b.tex", "c.tex"})
        m_project.AddFile(path(f));
    m_project.RemoveEntry(1);
    EXPECT_EQ(m_project.entryCount(), 3);
    EXPECT_EQ(m_project.name(1), QStringLiteral("b.tex"));
    EXPECT_EQ(m_project.name(2), QStringLiteral("c.tex"));
    EXPECT_EQ(m_project.path(2), path("c.tex"));
}

TEST_F(ProjectFileTest, RemovingTheMainDocumentWritesTheBareDotEntry)
{
    m_project.Create(QStringLiteral("n"));
    m_project.AddFile(path("m.tex"));
    m_project.AddFile(path("k/a.tex"));
    m_project.RemoveEntry(0);
    EXPECT_EQ(m_project.entryCount(), 2);
    EXPECT_TRUE(m_project.path(0).isEmpty());
    EXPECT_TRUE(m_project.tocPath().isEmpty());
    // Without a main document the entries are written as they are (no main directory).
    EXPECT_EQ(save("n.sbp"), QStringLiteral("[main]\r\n.\\\r\n[files]\r\n") + ProjectPaths::toFileForm(path("k/a.tex"))
                                 + QStringLiteral("\r\n"));
    CProject loaded;
    ASSERT_TRUE(loaded.Load(path("n.sbp")));
    EXPECT_TRUE(loaded.path(0).isEmpty());
    EXPECT_EQ(loaded.name(0), QString());
    EXPECT_EQ(loaded.mainDirectory(), path());
    EXPECT_EQ(loaded.absolutePath(1), path("k/a.tex"));
}

TEST_F(ProjectFileTest, FailedSaveKeepsModifiedAndTheOldProjectFile)
{
    m_project.Create(QStringLiteral("n"));
    m_project.AddFile(path("m.tex"));
    ASSERT_TRUE(m_project.Save(path("first.sbp")));
    m_project.AddFile(path("b.tex"));
    testsupport::writeFile(path("blocker"), "a file, not a directory");
    QString error;
    EXPECT_FALSE(m_project.Save(path("blocker/second.sbp"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(m_project.isModified());
    EXPECT_EQ(m_project.projectFile(), path("first.sbp"));
    EXPECT_EQ(m_project.projectName(), QStringLiteral("first"));
}

TEST_F(ProjectFileTest, HandOverGivesNameAndAbsoluteDirectory)
{
    QDir().mkpath(path("doc"));
    m_project.Create(QStringLiteral("n"));
    m_project.SetEntry(path("doc/thesis.tex"), 0);
    const CProject::MainDocument doc = m_project.mainDocumentHandOver();
    EXPECT_EQ(doc.maintex, QStringLiteral("thesis.tex"));
    EXPECT_EQ(doc.mainpath, path("doc"));
    EXPECT_EQ(QDir::currentPath(), path("doc"));

    // A main document without a directory stands for the current directory.
    m_project.SetEntry(QStringLiteral("plain.tex"), 0);
    EXPECT_EQ(m_project.mainDocumentHandOver().mainpath, path("doc"));
}

TEST_F(ProjectFileTest, RelativeEntriesFollowANewMainDocument)
{
    testsupport::writeFile(path("a/p.sbp"), "[main]\r\n.\\m.tex\r\n[files]\r\n.\\kap\\k.tex\r\n..\\b.tex\r\n");
    ASSERT_TRUE(m_project.Load(path("a/p.sbp")));
    m_project.SetEntry(path("a/neu/m.tex"), 0);
    EXPECT_EQ(save("a/p.sbp"), QStringLiteral("[main]\r\n") + ProjectPaths::toFileForm(path("a/neu"))
                                  + QStringLiteral("\\m.tex\r\n[files]\r\n..\\kap\\k.tex\r\n..\\..\\b.tex\r\n"));
    CProject loaded;
    ASSERT_TRUE(loaded.Load(path("a/p.sbp")));
    EXPECT_EQ(loaded.absolutePath(1), path("a/kap/k.tex"));
    EXPECT_EQ(loaded.absolutePath(2), path("b.tex"));
}

TEST_F(ProjectFileTest, MalformedFilesNeverBreakTheReader)
{
    QRandomGenerator rng(4711);
    QList<QByteArray> inputs;
    for (int n = 0; n < 20; ++n) {
        QByteArray bytes(int(rng.bounded(1, 4000)), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(rng.bounded(256));
        inputs << bytes;
    }
    inputs << QByteArray(200000, 'a');                                  // one long line
    inputs << "[files]\n" + QByteArray(200000, 'b');                    // long entry, no line end
    inputs << QByteArray("[main]");                                     // main at the end
    inputs << QByteArray("[main]\n\0\0\0\n[files]\n\0x\n", 20);         // zero bytes
    inputs << QByteArray("[files]\n") + QByteArray(5000, '\n');         // empty lines
    for (const QByteArray &input : inputs) {
        CProject p;
        testsupport::writeFile(path("bad.sbp"), input);
        EXPECT_TRUE(p.Load(path("bad.sbp")));
        EXPECT_LE(p.entryCount(), CProject::MaxEntries);
        p.serialize(path("bad.sbp")); // writing what was read must work too
    }
}

} // namespace
