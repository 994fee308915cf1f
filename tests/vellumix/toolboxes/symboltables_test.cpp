// The symbol toolboxes' tables: grid shapes and the rules behind the inserted texts.
#include "vellumixfixture.h"

#include "toolboxes/symboltables.h"
#include "toolboxes/templaterows.h"

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

TEST(SymbolTablesTest, MathAndSymbolsCarryTheirModeAndWrapWhereTheyTakeAnArgument)
{
    QStringList wrapping;
    for (const SymbolEntry &e : mathTable().entries) {
        EXPECT_STREQ(e.hint, "(Math Mode)");
        EXPECT_TRUE(e.beforeText().endsWith(' ') || e.beforeText().endsWith('{')) << e.before;
        if (!e.afterText().isEmpty())
            wrapping << e.beforeText() + "|" + e.afterText();
    }
    EXPECT_EQ(wrapping, QStringList({"\\sum_{|}^{} ", "\\prod_{|}^{} ", "\\sqrt{|} "}));

    int textMode = 0;
    for (const SymbolEntry &e : symbolTable().entries) {
        EXPECT_TRUE(e.afterText().isEmpty());
        textMode += QLatin1String(e.hint) == QLatin1String("(Text Mode)");
    }
    EXPECT_EQ(textMode, 11);
    EXPECT_EQ(symbolTable().entries[13].beforeText(), QStringLiteral("\\raisebox{1ex}{\\scriptsize o}"));
    EXPECT_EQ(symbolTable().entries[13].insertedText(), QStringLiteral("\\raisebox{1ex}{\\scriptsize o}"));
    EXPECT_EQ(mathTable().entries[17].insertedText(), QStringLiteral("\\sqrt{}"));
}

TEST(TemplateRowsTest, TwelveRowsAreNumberedAndTheirNamesLineUpWithTheRest)
{
    EXPECT_EQ(TemplateRows::caption(0, "One"), QStringLiteral("1: One"));
    EXPECT_EQ(TemplateRows::caption(11, "Twelve"), QStringLiteral("12: Twelve"));
    EXPECT_EQ(TemplateRows::caption(12, "Thirteen"), QStringLiteral("   Thirteen"));
    // With a digit 7 pixels, ':' 3 and a blank 4 wide, every name starts at x = 21.
    auto width = [](const QString &t) {
        qreal w = 0;
        for (QChar c : t)
            w += c.isDigit() ? 7 : (c == ':' ? 3 : 4);
        return w;
    };
    for (int index : {0, 8, 9, 11, 12, 40}) {
        const QString prefix = TemplateRows::caption(index, QString());
        EXPECT_EQ(TemplateRows::leftMargin(index, width) + width(prefix), 4 + 7 + 7 + 3 + 4) << index;
    }
}

} // namespace
