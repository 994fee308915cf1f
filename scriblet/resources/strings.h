// Scriblet's string table: every text the user sees, each under one number.
//
// Texts that the program's own documentation numbers keep that number (a
// command's entry is its status-bar prompt, a line feed and its tooltip; a symbol
// command's entry is its prompt, a line feed and the text it inserts). Texts
// without such a number have one of our own, from OwnFirst on, below every fixed
// number. The German texts are built in.
//
// Every text is looked up by number at the moment it is shown (text()), so that a
// language file can replace the table at run time: nobody keeps a looked-up text
// in a static object, and menus remember numbers, not texts (see ActionText).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Str {

enum Id : int {
    // --- Numbers fixed by the program's documentation -------------------------
    ToolNoCmdLine = 32993,
    ToolNoExe = 32994,
    ToolNoMainDocument = 32995,
    ToolStartFailed = 32996,
    ProgramCallsCaption = 32997,
    LogNotLoaded = 32999,
    ToolNoCurrentDocument = 33004,
    ProjectFiles = 33078,
    ProjectToc = 33079,
    TexFilter = 33080,
    MainDocumentTitle = 33081,
    OpenFilter = 33082,
    OpenTitle = 33083,
    ProjectFilter = 33090,
    ProjectOpenTitle = 33091,
    ProjectSaveTitle = 33093,
    ProjectSaveCurrent = 33094,
    NotFound = 33095,
    LinePane = 33096,
    SaveAsFilter = 33097,
    SaveAsTitle = 33098,
    MainBar = 33099,
    ArrowsBar = 33100,
    BinaryOpsBar = 33101,
    GreekBar = 33102,
    OtherSymbolsBar = 33103,
    MacrosBar = 33104,
    RelationsBar = 33105,
    MainDocCurrent = 33106,
    MainDocPane = 33107,
    ToolRunning = 33109,
    ExeFilter = 33110,
    UserExeTitle = 33111,
    LatexExeTitle = 33112,
    BibtexExeTitle = 33113,
    DvipsExeTitle = 33114,
    DviWinExeTitle = 33115,
    GhostViewExeTitle = 33116,
    PageFooterDefault = 33117,
    PageHeaderDefault = 33119,
    ProjectNewName = 33123,
    HeadingNotFound = 33124,
    Licence = 33125,
    AccentsBar = 33126,
    InfoText = 33127,
    // The default keyword files: the command lines in three parts, the environments.
    // File contents, the same in every language.
    DefaultCommands1 = 33067,
    DefaultEnvironments = 33068,
    DefaultCommands2 = 33069,
    DefaultCommands3 = 33070,
    LinePaneSize = 32945,    // sizes the line pane
    MainDocPaneSize = 32943, // sizes the main-document pane
    Ready = 57345,
    DocTemplate = 839, // document template: fields separated by line feeds
    AboutTitle = 57664,

    // --- Numbers of our own -----------------------------------------------------
    OwnFirst = 20000,
    AppName = OwnFirst,
    Ok,
    Cancel,
    // Menus
    MenuFile,
    MenuEdit,
    MenuView,
    MenuTex,
    MenuSettings,
    MenuProject,
    MenuWindow,
    MenuHelp,
    MenuRun,
    MenuAddFrom,
    MenuContextAddFrom,
    // Menu items
    CapFileNew,
    CapFileOpen,
    CapFileClose,
    CapFileSave,
    CapFileSaveAs,
    CapSaveAll,
    CapExit,
    CapUndo,
    CapRedo,
    CapCut,
    CapCopy,
    CapPaste,
    CapSelectAll,
    CapFind,
    CapFindNext,
    CapReplace,
    CapWordWrap,
    CapEditorFont,
    CapMacroSettings,
    CapUmlautSettings,
    CapWindowCascade,
    CapWindowTile,
    CapWindowArrange,
    CapAbout,
    CapViewToolbar,
    CapViewStatusBar,
    CapViewArrows,
    CapViewBinaryOps,
    CapViewAccents,
    CapViewRelations,
    CapViewGreek,
    CapViewOtherSymbols,
    CapViewMacros,
    CapViewLogBar,
    CapViewProjectBar,
    CapRunLatex,
    CapRunBibtex,
    CapRunDviViewer,
    CapRunDvips,
    CapRunPsViewer,
    CapMainDocument,
    CapProgramCalls,
    CapProjectNew,
    CapProjectOpen,
    CapProjectClose,
    CapProjectSave,
    CapProjectSaveAs,
    CapTexDocument,
    CapRemove,
    CapReloadToc,
    // Main window, documents, start-up
    DocumentsArea,
    Closing,
    SaveChanges,
    SaveToUtf8,
    SaveFailed,
    OpenFailed,
    FileNotFound,
    FileNotRegular,
    FileTooLarge,
    FileAccessFailed,
    FileUnencodable,
    CantFind,
    ChooseLanguage,
    LanguageGerman,
    LanguageEnglish,
    LanguageFrench,
    AboutHeading,
    LicenceName,
    HyperlinkFailed,
    // Editor
    SearchFinished,
    FindTitle,
    ReplaceTitle,
    FindWhat,
    FindWhatName,
    ReplaceWith,
    ReplaceWithName,
    MatchCase,
    FindNextButton,
    ReplaceButton,
    ReplaceAllButton,
    FontTitle,
    MacroPrompt,
    MacroButtonName,
    MacroKey,
    MacroName,
    MacroText,
    UmlautTitle,
    UmlautLabelAe, // "ä :" .. "ß :" in the order ä Ä ö Ö ü Ü ß
    UmlautLabelAeCap,
    UmlautLabelOe,
    UmlautLabelOeCap,
    UmlautLabelUe,
    UmlautLabelUeCap,
    UmlautLabelSz,
    CapSyntaxHighlighting,
    SyntaxTitle,
    SyntaxCheck,
    SyntaxEntryList,
    SyntaxEntryCommands, // the seven entries of the colour list, in their order
    SyntaxEntrySquareBrackets,
    SyntaxEntryCurlyBraces,
    SyntaxEntryComment,
    SyntaxEntryMath,
    SyntaxEntryNormalText,
    SyntaxEntryBackground,
    SyntaxDefault,
    SyntaxColour,
    ColourTitle,
    // Panes
    PaneHide,
    PaneMinimize,
    LogBarTitle,
    LogName,
    ProjectBarTitle,
    // Tools
    MainTexHint,
    Browse,
    BrowseName,
    Clear,
    ExeFile,
    CmdLine,
    RunTexFirst,
    RunDvipsFirst,
    HintTex,
    HintBibtex,
    HintDvi,
    HintPs,
    UserToolsGroup,
    UserToolsList,
    ToolName,
    UserRunTex,
    UserRunDvips,
    KeysName,
    KeysLabel,
    WithExtension,
    Parameters,
    UserToolKeys,
    TabLatex,
    TabBibtex,
    TabDviWin,
    TabDvips,
    TabGhostView,
    TabUserTools,
    // Projects
    ProjectTreeName,
    ProjectNameTitle,
    TooManyFiles,
    TooManyTocEntries,
    ErrorReadingFile,
    NoProjectFiles,
    NoTocFile,
    CannotOpenProject,
    // Log pane, error walk and run results
    CapNextError,
    CapPreviousError,
    LogCounts,
    LogCountsNoBoxes,
    RunCancelled,
    LogNotNew,
    LogCut,
    NoErrors,
    ErrorPosition,
    EntryWithoutFile,
    LogFindName,
    RunStatusName,
    ToolStartFailedDetail,
    ToolReasonNotFound,
    ToolReasonNoDirectory,
    TocNotCurrent,
    TocNotCurrentTip,
    // Printing
    CapPrint,
    CapPrintPreview,
    CapPageSetup,
    PageSetupTitle,
    PageSetupHeader,
    PageSetupFooter,
    PrintFailed,
    PrintPreviewTitle,
    OwnEnd
};

// The text under a number; empty for a number the table does not hold.
QString text(int id);
bool contains(int id);
// Every number the table holds, in ascending order.
QList<int> ids();
// The rows of the table (equal to ids().size() while each number stands once).
qsizetype rowCount();

// The parts of a command's entry: the status-bar prompt before the first line feed
// and the tooltip after it (empty when there is none).
QString prompt(int id);
QString toolTip(int id);

// Fills "%s" / "%u" / "%i" / "%d" placeholders in order (the printf subset the
// table uses); "%%" is a percent sign.
QString format(const QString &pattern, const QStringList &args);
QString format(int id, const QStringList &args);

} // namespace Str
