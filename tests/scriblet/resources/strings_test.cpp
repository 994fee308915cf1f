// The string table: the numbered texts as the user must read them, the parts of
// a command's entry and the placeholders.
#include "resources/strings.h"

#include "common/commandids.h"
#include "testsupport.h"

namespace {

TEST(StringTable, NumberedTextsAreSpelledAsTheUserReadsThem)
{
    struct Row {
        int id;
        const char *text;
    };
    const Row rows[] = {
        {32993, "Keine CMD-Zeile angegeben!\nBitte die Einstellungen überprüfen!"},
        {32994, "Keine EXE-Datei angegeben!\nBitte die Einstellungen überprüfen!"},
        {32995, "Das Haupt-TeX-Dokument ist nicht angegeben!\nBitte die Einstellungen überprüfen!"},
        {32996, "Ein oder mehr Fehler traten auf!\nBitte die Einstellungen überprüfen!"},
        {32999, "Log-Datei konnte nicht geladen werden !"},
        {33004, "Es existiert kein aktuelles TeX-Dokument!\nBitte laden Sie eine Datei!"},
        {33071, "Blendet die Projektbreich ein oder aus.\nProjektbereich ein-/ausschalten"},
        {33082, "Scriblet-Dateien |*.sbp;*.tex;*.bib;*.log|Projekt-Dateien (*.sbp)|*sbp|TeX-Dateien (*.tex)|*.tex|"
                "Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|"},
        {33094, "Aktuelles Projekt speichern ?"},
        {33095, "%s nicht in\n%s gefunden !!"},
        {33096, " Ze : %u"},
        {33107, "Haupt-TeX-Dokument :  "},
        {33109, "%s wird ausgeführt..."},
        {33117, "Seite: &p"},
        {33119, "Datei: &f"},
        {33124, "Eintrag konnte nicht gefunden werden !!"},
        {33126, "Akzente"},
        {57345, "Bereit..."},
    };
    for (const Row &r : rows)
        EXPECT_EQ(Str::text(r.id), QString::fromUtf8(r.text)) << r.id;
    EXPECT_TRUE(Str::text(12345).isEmpty());
    EXPECT_FALSE(Str::contains(12345));
}

TEST(StringTable, EveryNumberOfOurOwnHasItsText)
{
    for (int id = Str::OwnFirst; id < Str::OwnEnd; ++id)
        EXPECT_FALSE(Str::text(id).isEmpty()) << id;
    // Our numbers lie apart from every number the program's documentation fixes
    // (resources below 1000, commands and texts from 32768 on), and each number
    // stands in the table once.
    const QList<int> ids = Str::ids();
    for (int id : ids)
        EXPECT_TRUE((id >= Str::OwnFirst && id < Str::OwnEnd) || id >= 32768 || id < 1000) << id;
    EXPECT_EQ(Str::rowCount(), ids.size());
}

TEST(StringTable, CommandEntriesSplitIntoPromptAndTooltip)
{
    EXPECT_EQ(Str::prompt(Cmd::RunLatex), QStringLiteral("Ausführen von LaTeX."));
    EXPECT_EQ(Str::toolTip(Cmd::RunLatex), QStringLiteral("LaTeX"));
    EXPECT_EQ(Str::prompt(Cmd::SaveAll), QStringLiteral("Speichert alle aktiven Dokumente."));
    EXPECT_TRUE(Str::toolTip(Cmd::SaveAll).isEmpty());
    // A symbol command's entry: prompt, then the text it inserts.
    EXPECT_EQ(Str::text(32824), QStringLiteral("\\dvi\n\\div "));
}

TEST(StringTable, FormatFillsPlaceholdersInOrder)
{
    EXPECT_EQ(Str::format(Str::ToolRunning, {QStringLiteral("100% %s")}), QStringLiteral("100% %s wird ausgeführt..."));
    EXPECT_EQ(Str::format(Str::NotFound, {QStringLiteral("a.tex"), QStringLiteral("/d")}),
              QStringLiteral("a.tex nicht in\n/d gefunden !!"));
    EXPECT_EQ(Str::format(QStringLiteral("%d%% %i %u %x"), {QStringLiteral("5"), QStringLiteral("6")}),
              QStringLiteral("5% 6  %x"));
}

} // namespace
