// Scriblet's string table: the German texts under their resource numbers.
// Texts are the program's own, spelled exactly as shown to the user.
#pragma once

#include <QString>
#include <QStringList>

namespace Str {

inline QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// Settings defaults
inline const QString PageHeaderDefault = s("Datei: &f");   // 33119
inline const QString PageFooterDefault = s("Seite: &p");   // 33117

// Start-up and hand-over
inline const QString NotFound = s("%s nicht in\n%s gefunden !!"); // 33095
inline const QString InfoText = s(                                   // 33127
    "Scriblet ist kostenlos.\n\n"
    "Wenn Ihnen das Programm gefällt, unterstützen Sie seine Weiterentwicklung, "
    "indem Sie Fehler melden und Verbesserungen vorschlagen.");

// Status bar
inline const QString LinePane = s(" Ze : %u");                       // 33096
inline const QString LinePaneSize = s(" Ze : 1234 ");
inline const QString MainDocPane = s("Haupt-TeX-Dokument :  ");      // 33107
inline const QString MainDocCurrent = s("aktuelles");                // 33106
inline const QString MainDocPaneSize = s("Haupt-TeX-Dokument :  diesisteinfilename");
inline const QString Ready = s("Bereit...");                          // 57345

// Toolbar captions
inline const QString MainBar = s("Hauptleiste");          // 33099
inline const QString ArrowsBar = s("Pfeile");             // 33100
inline const QString AccentsBar = s("Akzente");           // 33126
inline const QString BinaryOpsBar = s("Binäre Operatoren"); // 33101
inline const QString GreekBar = s("Gr. Buchstaben");      // 33102
inline const QString OtherSymbolsBar = s("Sonstige Symbole"); // 33103
inline const QString RelationsBar = s("Relationen");      // 33105
inline const QString MacrosBar = s("Makros");             // 33104

// File dialogs
inline const QString OpenTitle = s("Scriblet Dateien öffnen"); // 33083
inline const QString OpenFilter = s(                             // 33082
    "Scriblet-Dateien |*.sbp;*.tex;*.bib;*.log|Projekt-Dateien (*.sbp)|*sbp|TeX-Dateien (*.tex)|*.tex|"
    "Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|");
inline const QString SaveAsTitle = s("Datei speichern unter...");  // 33098
inline const QString SaveAsFilter = s(                              // 33097
    "Scriblet-Dateien |*.tex;*.bib;*.log|TeX-Dateien (*.tex)|*.tex|Bib-Dateien (*.bib)|*.bib|"
    "Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|");

// Editor
inline const QString SearchFinished = s("Suche beendet...");
inline const QString ToolError = s("Ein oder mehr Fehler traten auf!\nBitte die Einstellungen überprüfen!"); // 32996

// Document template: window title base and new-file name base, both with a trailing blank.
inline const QString DocTitleBase = s("TeX File ");
inline const QString DocNewNameBase = s("Tex File ");

// Fills "%s" / "%u" / "%i" / "%d" placeholders in order (the printf subset the table uses).
QString format(const QString &pattern, const QStringList &args);

} // namespace Str

namespace Str {
inline const QString Licence = s( // 33125
    "Scriblet wird ohne jede Gewährleistung zur Verfügung gestellt. "
    "Die Benutzung erfolgt auf eigene Gefahr. Der Autor haftet nicht für Schäden, "
    "die durch die Benutzung des Programms entstehen.");
inline const QString AppName = s("Scriblet");
inline const QString ChooseLanguage = s("Choose Language");
inline const QString HyperlinkFailed = s("Unable to open hyperlink:\n\n");
inline const QString Closing = s("Scriblet wird beendet...");
inline const QString SaveChanges = s("Änderungen in %s speichern?");
inline const QString SaveToUtf8 = s(
    "%s enthält Zeichen, die in der Kodierung der Datei nicht gespeichert werden können.\n"
    "Soll die Datei in UTF-8 gespeichert werden?");
inline const QString SaveFailed = s("%s konnte nicht gespeichert werden:\n%s");
inline const QString OpenFailed = s("%s konnte nicht geöffnet werden:\n%s");
inline const QString FindTitle = s("Suchen");
inline const QString ReplaceTitle = s("Ersetzen");
inline const QString CantFind = s("Can't find:\n '%s' file \nor\n '%s' file");
} // namespace Str

namespace Str {
inline const QString MacroPrompt = s("Makro %s wird in den Text eingefügt...");
inline const QString MacroBarPrompt = s("Blendet die 'Makros'-Leiste ein oder aus.");
} // namespace Str
