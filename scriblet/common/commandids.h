// Scriblet's numeric command identifiers, and the numbers of the bars, panes,
// dialogs and controls that carry one. Each command's QAction carries the
// objectName "cmd<id>" so that tests and the wiring find it by number.
#pragma once

namespace Cmd {

// File
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
constexpr int PageSetup = 32992; // "Se&ite einrichten": header and footer
constexpr int FileMru1 = 57616; // .. FileMru1 + 4
constexpr int FileSaveAs = 32942;
constexpr int SaveAll = 33031;
constexpr int Exit = 33032;

// Edit
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditFind = 57636;
constexpr int EditPaste = 57637;
constexpr int EditRepeat = 57640;
constexpr int EditReplace = 57641;
constexpr int EditSelectAll = 57642;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;

// View
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int WordWrap = 33061;
constexpr int EditorFont = 32781;
constexpr int Customize = 32780;
constexpr int ViewProjectBar = 33071; // also the project pane's id
constexpr int ViewLogBar = 32998;     // also the log pane's id
// Bar toggles, as the "Ansicht" menu lists them.
constexpr int ViewArrowsBar = 32783;       // "P&feile"
constexpr int ViewBinaryOpsBar = 32817;    // "&Binäre Operatoren"
constexpr int ViewAccentsBar = 32837;      // "&Akzente"
constexpr int ViewRelationsBar = 32897;    // "&Relationen"
constexpr int ViewGreekBar = 32909;        // "&gr. Buchstaben"
constexpr int ViewOtherSymbolsBar = 32956; // "&sonstige Symbole"
constexpr int ViewMacroBar = 33023;        // "&Makros"

// Window
constexpr int WindowNew = 57648;
constexpr int WindowArrange = 57649;
constexpr int WindowCascade = 57650;
constexpr int WindowTileHorz = 57651;
constexpr int WindowTileVert = 57652;

// Help and language
constexpr int About = 57664;
constexpr int ContextHelp = 57669;
constexpr int LatexHelp = 32979;
constexpr int LanguageGerman = 33118;
constexpr int LanguageEnglish = 33120;
constexpr int LanguageFrench = 33122;

// Tools (tool runner)
constexpr int RunLatex = 33024;     // F5
constexpr int RunBibtex = 33025;    // F6
constexpr int ProgramCalls = 33026; // program-calls dialog
constexpr int RunPsViewer = 33027;  // F9
constexpr int RunDviViewer = 33028; // F7
constexpr int RunDvips = 33029;     // F8
constexpr int MainDocument = 33030; // F4
constexpr int UserTool1 = 33033;    // Ctrl+F1, tool 0
constexpr int UserTool10 = 33042;   // Ctrl+F10, tool 9
constexpr int NextError = 33132;     // F12: the next error of the last run's log
constexpr int PreviousError = 33133; // Shift+F12

// Macros Shift+F1..F10, settings dialogs
constexpr int Macro1 = 33010; // .. 33019
constexpr int MacroSettings = 33005;
constexpr int UmlautSettings = 32984;
constexpr int SyntaxHighlighting = 32983;

// Project menu and the project pane's context menus
constexpr int ProjectRemoveFile = 33072;
constexpr int ProjectNew = 33073;
constexpr int ProjectMainDocument = 33074;
constexpr int ProjectAddTexDocuments = 33075;
constexpr int ProjectReloadToc = 33076;
constexpr int ProjectOpen = 33086;
constexpr int ProjectClose = 33087;
constexpr int ProjectSave = 33088;
constexpr int ProjectSaveAs = 33089;

// Status-bar panes
constexpr int PaneLine = 32945;
constexpr int PaneMainDoc = 32943;

// Toolbars (their resource numbers)
constexpr int BarMain = 838;
constexpr int BarArrows = 845;
constexpr int BarBinaryOps = 847;
constexpr int BarAccents = 848;
constexpr int BarRelations = 849;
constexpr int BarGreek = 854;
constexpr int BarOtherSymbols = 855;
constexpr int BarMacros = 864;

// Dialogs, menus and controls that carry a number in their object names
constexpr int LogBarControl = 858;
constexpr int LogBarContextMenu = 814;
constexpr int MainDocumentDialog = 844;
constexpr int ProjectTree = 33077;
constexpr int ProjectNameEdit = 1053;
constexpr int PaneHideButton = 1047;
constexpr int PaneMinimizeButton = 1048;

} // namespace Cmd
