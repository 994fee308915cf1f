// Texts and command identifiers of the project file, the project pane and the
// table of contents. Numbered texts carry their string-table number in the name;
// the others have no number and are shown as they are.
#pragma once

namespace ProjectText {

// Command identifiers of the "&Projekt" menu, the pane's context menus and the
// View toggle.
inline constexpr int IdViewProjectBar = 33071;
inline constexpr int IdRemoveFile = 33072;
inline constexpr int IdProjectNew = 33073;
inline constexpr int IdMainDocument = 33074;
inline constexpr int IdAddTexDocuments = 33075;
inline constexpr int IdReloadToc = 33076;
inline constexpr int IdProjectTree = 33077;
inline constexpr int IdProjectOpen = 33086;
inline constexpr int IdProjectClose = 33087;
inline constexpr int IdProjectSave = 33088;
inline constexpr int IdProjectSaveAs = 33089;
// Status-bar pane that shows the main document.
inline constexpr int IdStatusMainDocument = 32943;

// Menu captions.
inline constexpr const char *MenuProject = "&Projekt";
inline constexpr const char *MenuProjectNew = "&Neu";
inline constexpr const char *MenuProjectOpen = "Ö&ffnen...";
inline constexpr const char *MenuProjectClose = "S&chließen";
inline constexpr const char *MenuProjectSave = "&Speichern...";
inline constexpr const char *MenuProjectSaveAs = "Speichern &unter...";
inline constexpr const char *MenuAddFrom = "Hinzufügen von";
inline constexpr const char *MenuContextAddFrom = "&Hinzufügen von";
inline constexpr const char *MenuMainDocument = "&Haupt-TeX-Dokument";
inline constexpr const char *MenuTexDocument = "&TeX-Dokument";
inline constexpr const char *MenuRemove = "&Löschen";
inline constexpr const char *MenuReloadToc = "&Neu Laden...";
inline constexpr const char *MenuViewProjectBar = "&Projektbereich";

// Command prompts: status-bar text, line feed, tooltip.
inline constexpr const char *Prompt33073 = "Erstellt ein neues Projekt.\nNeues Projekt";
inline constexpr const char *Prompt33086 = "Öffnet ein bestehendes Projekt.\nProjekt öffnen";
inline constexpr const char *Prompt33087 = "Schließt das aktive Projekt.\nProjekt schließen";
inline constexpr const char *Prompt33088 = "Das aktuelle Projekt speichern.\nProjekt speichern";
inline constexpr const char *Prompt33089 =
    "Das aktuelle Projekt unter neuem Namen speichern.\nProjekt speichern unter";
inline constexpr const char *Prompt33074 = "Festlegen des Haupt-TeX-Dokuments.\nHauptdokument";
inline constexpr const char *Prompt33075 = "Hinzufügen von TeX-Dokumenten.\nTeX-Dokument";
inline constexpr const char *Prompt33071 =
    "Blendet die Projektbreich ein oder aus.\nProjektbereich ein-/ausschalten";

// String table.
inline constexpr const char *Str33078Files = "Dateien";
inline constexpr const char *Str33079Toc = "Inhaltsverzeichnis";
inline constexpr const char *Str33080TexFilter = "TeX-Dateien (*.tex)|*.tex|Alle Dateien (*.*)|*.*|";
inline constexpr const char *Str33081MainDocument = "Haupt-TeX-Dokument";
inline constexpr const char *Str33083OpenFiles = "Scriblet Dateien öffnen";
inline constexpr const char *Str33090ProjectFilter = "Projekt-Dateien (*.sbp)|*.sbp|";
inline constexpr const char *Str33091OpenProject = "Projekt-Datei öffnen";
inline constexpr const char *Str33093SaveProject = "Projekt-Datei speichern";
inline constexpr const char *Str33094SaveCurrent = "Aktuelles Projekt speichern ?";
inline constexpr const char *Str33106Current = "aktuelles";
inline constexpr const char *Str33107MainDocumentColon = "Haupt-TeX-Dokument :  ";
inline constexpr const char *Str33123NewProject = "Neues Projekt";
inline constexpr const char *Str33124NotFound = "Eintrag konnte nicht gefunden werden !!";

// Name dialog (resource 879).
inline constexpr const char *NameDialogTitle = "Projektnamen eingeben";
inline constexpr int IdNameEdit = 1053;
inline constexpr const char *ButtonOk = "OK";
inline constexpr const char *ButtonCancel = "Abbrechen";

// Texts without a string-table entry.
inline constexpr const char *TooManyFiles = "too many files !!";
inline constexpr const char *TooManyTocEntries = "too many toc entries !!";
inline constexpr const char *ErrorReadingFile = "error reading file";
inline constexpr const char *NoProjectFiles = "no project-files!";
inline constexpr const char *NoTocFile = "no TOC-file!";

// Separator between "Haupt-TeX-Dokument" and the file name in the status bar.
inline constexpr const char *MainDocumentSeparator = " :  ";

} // namespace ProjectText

namespace ProjectText {
// A project file that cannot be read: the file (native separators) and the reason.
inline constexpr const char *CannotOpenProject = "Die Projekt-Datei %1 konnte nicht geöffnet werden.\n%2";
} // namespace ProjectText
