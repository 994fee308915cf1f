// The customisation dialog's catalogue: categories, order, images and captions.
#include "bars/customisecatalogue.h"

#include "common/commandids.h"
#include "resources/language.h"
#include "scribletfixture.h"

namespace {

QStringList names(const QString &prefix)
{
    QStringList out;
    for (int i = 1; i <= 10; ++i)
        out << prefix + QString::number(i);
    return out;
}

QList<int> ids(const CatalogueCategory &c)
{
    QList<int> out;
    for (const CatalogueEntry &e : c.entries)
        out << e.id;
    return out;
}

class CustomiseCatalogueTest : public ScribletTest {};

TEST_F(CustomiseCatalogueTest, CategoriesAndCommandsComeInTheirFixedOrder)
{
    const QList<CatalogueCategory> cats = CustomiseCatalogue::build(names("Tool "), names("Makro "));
    QStringList catNames;
    for (const CatalogueCategory &c : cats)
        catNames << c.name;
    EXPECT_EQ(catNames, (QStringList{"Standard", "LaTeX", "Einstellungen", "Leisten", "Ansicht",
                                     "Benutzer-Programme", "Benutzer-Makros"}));
    EXPECT_EQ(ids(cats[0]), (QList<int>{57600, 57601, 57602, 57603, 33031, 57607, 57635, 57634, 57637, 57664,
                                        57669, 33032}));
    EXPECT_EQ(ids(cats[1]), (QList<int>{33024, 33025, 33028, 33029, 33027}));
    EXPECT_EQ(ids(cats[2]), (QList<int>{33026, 33030}));
    EXPECT_EQ(ids(cats[3]), (QList<int>{32783, 32817, 32837, 32897, 32909, 32956, 33023}));
    EXPECT_EQ(ids(cats[4]), (QList<int>{33071, 32998}));
    // Main images: each command's index in the main bitmap.
    EXPECT_EQ(cats[0].entries.last().image, 27);
    EXPECT_EQ(cats[3].entries.first().image, 18);
    EXPECT_EQ(cats[4].entries.first().image, 16);
    for (int c = 0; c < 5; ++c)
        for (const CatalogueEntry &e : cats[c].entries) {
            EXPECT_EQ(e.source, ImageSource::Main) << e.id;
            EXPECT_TRUE(e.caption.isEmpty()) << e.id;
        }
}

TEST_F(CustomiseCatalogueTest, ToolsAndMacrosCarryTheirUserImagesAndCurrentNames)
{
    QStringList macros = names("Makro ");
    macros[3] = QStringLiteral("Tabelle");
    const QList<CatalogueCategory> cats = CustomiseCatalogue::build(names("Tool "), macros);
    const CatalogueCategory &tools = cats[5];
    const CatalogueCategory &macroCat = cats[6];
    ASSERT_EQ(tools.entries.size(), 10);
    ASSERT_EQ(macroCat.entries.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(tools.entries[i], (CatalogueEntry{Cmd::UserTool1 + i, ImageSource::Tools, i,
                                                    QStringLiteral("Tool %1").arg(i + 1)}));
        EXPECT_EQ(macroCat.entries[i].id, Cmd::Macro1 + i);
        EXPECT_EQ(macroCat.entries[i].source, ImageSource::Macros);
        EXPECT_EQ(macroCat.entries[i].image, i);
    }
    EXPECT_EQ(macroCat.entries[3].caption, QStringLiteral("Tabelle"));
}

TEST_F(CustomiseCatalogueTest, CategoryNamesFollowTheLanguageExceptTheFixedTwo)
{
    ASSERT_TRUE(Language::activate(Language::English, LanguageDir));
    const QList<CatalogueCategory> cats = CustomiseCatalogue::build({}, {});
    EXPECT_EQ(cats[0].name, QStringLiteral("Standard"));
    EXPECT_EQ(cats[1].name, QStringLiteral("LaTeX"));
    EXPECT_EQ(cats[2].name, QStringLiteral("Settings"));
    EXPECT_EQ(cats[6].name, QStringLiteral("User Macros"));
    EXPECT_TRUE(cats[5].entries[0].caption.isEmpty()); // no name given: none invented
}

} // namespace
