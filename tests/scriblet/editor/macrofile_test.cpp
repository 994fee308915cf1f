// The macros file: layout on disk, reading rules and the defaults.
#include "editor/macrofile.h"

#include "testsupport.h"

namespace {

class MacroFileTest : public testsupport::TempDirTest {};

TEST_F(MacroFileTest, MissingFileGivesDefaultsAndWritesThem)
{
    const MacroTable t = MacroFile::load(path());
    EXPECT_EQ(t, MacroTable::defaults());
    EXPECT_EQ(t.names[2], QStringLiteral("Makro 3"));
    EXPECT_EQ(t.texts[2], QStringLiteral("Makro 3"));
    const QByteArray file = testsupport::readAll(path(QStringLiteral("Scriblet.macros")));
    EXPECT_TRUE(file.startsWith("Makro 1\r\nMakro 1\r\n---+---\r\nMakro 2\r\n"));
    EXPECT_TRUE(file.endsWith("Makro 10\r\nMakro 10\r\n---+---\r\n"));
}

TEST_F(MacroFileTest, ThreeLineTextIsNameLinesAndSeparatorAndRoundTrips)
{
    MacroTable t = MacroTable::defaults();
    t.names[0] = QStringLiteral("Figur");
    t.texts[0] = QStringLiteral("\\begin{figure}\n  \\centering\n\\end{figure}");
    t.texts[1] = QString();
    ASSERT_TRUE(MacroFile::save(path(), t));
    const QByteArray file = testsupport::readAll(path(QStringLiteral("Scriblet.macros")));
    EXPECT_TRUE(file.startsWith("Figur\r\n\\begin{figure}\r\n  \\centering\r\n\\end{figure}\r\n---+---\r\n"
                                "Makro 2\r\n\r\n---+---\r\n"));
    EXPECT_EQ(MacroFile::load(path()), t);
    // A second round keeps the texts as they are.
    ASSERT_TRUE(MacroFile::save(path(), MacroFile::load(path())));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("Scriblet.macros"))), file);
}

TEST(MacroFileParse, TruncatedFilesStopAtTheEnd)
{
    struct Row {
        const char *name;
        QByteArray in;
        QString name0, text0, name1, text1;
    } rows[] = {
        {"lfOnly", "A\na1\na2\n---+---\nB\nb\n---+---\n", "A", "a1\na2", "B", "b"},
        {"missingSeparator", "A\na1\n", "A", "a1", "", ""},
        {"nameOnly", "A", "A", "", "", ""},
        {"empty", "", "", "", "", ""},
    };
    for (const Row &r : rows) {
        const MacroTable t = MacroFile::parse(r.in);
        EXPECT_EQ(t.names[0], r.name0) << r.name;
        EXPECT_EQ(t.texts[0], r.text0) << r.name;
        EXPECT_EQ(t.names[1], r.name1) << r.name;
        EXPECT_EQ(t.texts[1], r.text1) << r.name;
        EXPECT_EQ(t.names[9], QString()) << r.name;
    }
}

} // namespace
