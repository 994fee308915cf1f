#include "platform/filedialogfilter.h"
#include "testsupport.h"

TEST(FileDialogFilterTest, OldFiltersBecomeQtFiltersWithOneEntryPerPair)
{
    struct Case { const char *name; QString in; QStringList out; };
    const Case cases[] = {
        {"all files shows names without a dot", "TeX-Dateien (*.tex)|*.tex|Alle Dateien (*.*)|*.*|",
         {"TeX-Dateien (*.tex)", "Alle Dateien (*)"}},
        {"several patterns with blanks", "Styles and Classes (*.sty, *.cls)|*.sty; *.cls|All Files|*.*",
         {"Styles and Classes (*.sty *.cls)", "All Files (*)"}},
        {"pattern without a dot kept as given", "Projekt-Dateien (*.sbp)|*sbp|", {"Projekt-Dateien (*sbp)"}},
        {"description without a group", "Scriblet-Dateien |*.sbp;*.tex|", {"Scriblet-Dateien (*.sbp *.tex)"}},
        {"empty description keeps its place", "|*.a|B|*.b|", {"*.a (*.a)", "B (*.b)"}},
        {"empty patterns mean every file", "Any||", {"Any (*)"}},
        {"nothing", "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileDialogFilter::toQtList(c.in), c.out);
    }
    EXPECT_EQ(FileDialogFilter::toQt("A|*.a|B|*.*|"), QStringLiteral("A (*.a);;B (*)"));
    EXPECT_EQ(FileDialogFilter::patterns("A|*.a;*.b|B|*.*|", 1), QStringList{"*"});
    EXPECT_TRUE(FileDialogFilter::patterns("A|*.a|", 5).isEmpty());
}
