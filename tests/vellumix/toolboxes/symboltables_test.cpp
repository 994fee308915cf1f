// The symbol toolboxes' tables: grid shapes and the rules behind the inserted texts.
#include "vellumixfixture.h"

#include "toolboxes/symboltables.h"

#include <QSet>

namespace {

const char *const GreekNames[] = {"alpha", "beta",    "gamma", "delta", "epsilon", "zeta",    "eta", "theta",
                                  "iota",  "kappa",   "lambda", "mu",   "nu",      "xi",      "omikron", "pi",
                                  "rho",   "sigma",   "tau",   "upsilon", "phi",   "chi",     "psi", "omega"};

TEST(SymbolTablesTest, GridsAreSixColumnsWideWithTheirRows)
{
    const struct { const SymbolTable &t; const char *caption; int rows; } grids[] = {
        {greekTable(), "Greek Letters", 8}, {mathTable(), "Math", 5}, {symbolTable(), "Symbols", 3}};
    for (const auto &g : grids) {
        EXPECT_EQ(QLatin1String(g.t.caption), QLatin1String(g.caption));
        EXPECT_EQ(g.t.rows, g.rows);
        EXPECT_EQ(int(g.t.entries.size()), g.rows * SymbolColumns) << g.caption;
        QSet<QString> glyphs;
        for (const SymbolEntry &e : g.t.entries) {
            // A symbol, not a text code: one or two characters.
            EXPECT_GE(e.glyphText().size(), 1) << e.before;
            EXPECT_LE(e.glyphText().size(), 2) << e.before;
            glyphs.insert(e.glyphText());
        }
        EXPECT_EQ(glyphs.size(), int(g.t.entries.size())) << g.caption << ": every button looks different";
    }
}

TEST(SymbolTablesTest, GreekLettersInsertTheirCommandOrTheLatinLookAlike)
{
    const auto &greek = greekTable().entries;
    EXPECT_STREQ(greek[0].hint, "Alpha");
    int ownCapitals = 0;
    for (int i = 0; i < 24; ++i) {
        const QString name = QLatin1String(GreekNames[i]);
        const QString lower = greek[i].beforeText();
        EXPECT_EQ(lower, name == "omikron" ? QStringLiteral("o ") : "\\" + name + " ") << GreekNames[i];
        const QString capital = greek[24 + i].beforeText();
        const QString command = "\\" + name.left(1).toUpper() + name.mid(1) + " ";
        if (capital == command)
            ++ownCapitals;
        else
            EXPECT_TRUE(capital.size() == 2 && capital.at(0).isUpper() && capital.endsWith(' ')) << GreekNames[i];
        EXPECT_TRUE(greek[i].afterText().isEmpty() && greek[24 + i].afterText().isEmpty());
    }
    EXPECT_EQ(ownCapitals, 11);
    // Row 7, column 5: capital Rho looks like a Latin P.
    EXPECT_EQ(greek[6 * SymbolColumns + 4].beforeText(), QStringLiteral("P "));
    EXPECT_EQ(greek[24 + 14].beforeText(), QStringLiteral("O "));
    EXPECT_EQ(greek[24 + 6].beforeText(), QStringLiteral("H ")) << "capital eta";
}

TEST(SymbolTablesTest, OnlyTheMathSymbolsThatTakeAnArgumentWrapTheSelection)
{
    QStringList wrapping;
    for (const SymbolEntry &e : mathTable().entries) {
        EXPECT_STREQ(e.hint, "(Math Mode)");
        if (!e.afterText().isEmpty())
            wrapping << e.beforeText() + "|" + e.afterText();
    }
    EXPECT_EQ(wrapping, QStringList({"\\sum_{|}^{} ", "\\prod_{|}^{} ", "\\sqrt{|} "}));
    for (const SymbolEntry &e : symbolTable().entries)
        EXPECT_TRUE(e.afterText().isEmpty());
    // The one text without a trailing blank.
    EXPECT_EQ(symbolTable().entries[13].insertedText(), symbolTable().entries[13].beforeText());
}

} // namespace
