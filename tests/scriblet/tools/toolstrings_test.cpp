// Texts built from the string table: status texts and file-dialog filters.
#include "tools/toolstrings.h"

#include "testsupport.h"

namespace {

TEST(ToolStrings, StatusTexts)
{
    EXPECT_EQ(ToolStrings::mainDocumentStatus(QString()), QStringLiteral("Haupt-TeX-Dokument :  aktuelles"));
    EXPECT_EQ(ToolStrings::mainDocumentStatus(QStringLiteral("a.tex")), QStringLiteral("Haupt-TeX-Dokument :  a.tex"));
    EXPECT_EQ(ToolStrings::toolRunning(QStringLiteral("100% %s")), QString::fromUtf8("100% %s wird ausgeführt..."));
}

TEST(ToolStrings, FiltersForTheFileDialog)
{
    struct Row { const char *filter; const char *expected; };
    const Row rows[] = {
        {"TeX-Dateien (*.tex)|*.tex|Alle Dateien (*.*)|*.*|", "TeX-Dateien (*.tex);;Alle Dateien (*)"},
        {"EXE-Dateien (*.exe)|*.exe|Alle Dateien (*.*)|*.*|", "EXE-Dateien (*.exe);;Alle Dateien (*)"},
        {"Scriblet-Dateien |*.sbp;*.tex|", "Scriblet-Dateien (*.sbp *.tex)"},
        {"", ""},
        {"Name without patterns", ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ToolStrings::qtFileFilter(QString::fromUtf8(row.filter)), QString::fromUtf8(row.expected)) << row.filter;
}

} // namespace
