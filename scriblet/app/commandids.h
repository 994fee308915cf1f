// Scriblet's numeric command identifiers. Each command's QAction carries the
// objectName "cmd<id>" so that tests and other areas find it by number.
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
// Bar toggles, in the order of the bars: arrows, accents, binary operators,
// Greek letters, other symbols, relations, macros.
constexpr int ViewArrowsBar = 32783;
constexpr int ViewAccentsBar = 32817;
constexpr int ViewBinaryOpsBar = 32837;
constexpr int ViewGreekBar = 32897;
constexpr int ViewOtherSymbolsBar = 32909;
constexpr int ViewRelationsBar = 32956;
constexpr int ViewMacroBar = 33023;

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
constexpr int RunLatex = 33024;
constexpr int RunBibtex = 33025;
constexpr int ProgramCalls = 33026;
constexpr int RunPsViewer = 33027;
constexpr int RunDviViewer = 33028;
constexpr int RunDvips = 33029;
constexpr int MainDocument = 33030;
constexpr int UserTool1 = 33033; // .. 33042

// Macros Shift+F1..F10
constexpr int Macro1 = 33010; // .. 33019
constexpr int MacroSettings = 33005;

// Status-bar panes
constexpr int PaneLine = 32945;
constexpr int PaneMainDoc = 32943;

} // namespace Cmd
