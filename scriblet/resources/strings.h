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
// The language file in force (see Language) is asked first; it must hold every
// number of the table, so that no text is left in German beside a translated one.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

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
    // Toolbar customisation: the catalogue's categories and the dialog's title.
    CategorySettings = 33043,
    CategoryBars = 33044,
    CategoryUserTools = 33045,
    CategoryUserMacros = 33046,
    CategoryView = 33121,
    CustomiseTitle = 33058,
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

    FileOpenPrompt = 57601,
    SaveAsPrompt = 32942,
    LatexHelpPrompt = 32979,
    LanguageGermanPrompt = 33118,
    LanguageEnglishPrompt = 33120,
    LanguageFrenchPrompt = 33122,

    // --- Numbers of our own -----------------------------------------------------
    // They are the keys of the language files: a number, once given, keeps its
    // text's meaning for ever; a new text takes OwnEnd and OwnEnd moves up.
    OwnFirst = 20000,
    AppName = OwnFirst,
    Ok = 20001,
    Cancel = 20002,
    // Menus
    MenuFile = 20003,
    MenuEdit = 20004,
    MenuView = 20005,
    MenuTex = 20006,
    MenuSettings = 20007,
    MenuProject = 20008,
    MenuWindow = 20009,
    MenuHelp = 20010,
    MenuRun = 20011,
    MenuAddFrom = 20012,
    MenuContextAddFrom = 20013,
    // Menu items
    CapFileNew = 20014,
    CapFileOpen = 20015,
    CapFileClose = 20016,
    CapFileSave = 20017,
    CapFileSaveAs = 20018,
    CapSaveAll = 20019,
    CapExit = 20020,
    CapUndo = 20021,
    CapRedo = 20022,
    CapCut = 20023,
    CapCopy = 20024,
    CapPaste = 20025,
    CapSelectAll = 20026,
    CapFind = 20027,
    CapFindNext = 20028,
    CapReplace = 20029,
    CapWordWrap = 20030,
    CapEditorFont = 20031,
    CapMacroSettings = 20032,
    CapUmlautSettings = 20033,
    CapWindowCascade = 20034,
    CapWindowTile = 20035,
    CapWindowArrange = 20036,
    CapAbout = 20037,
    CapViewToolbar = 20038,
    CapViewStatusBar = 20039,
    CapViewArrows = 20040,
    CapViewBinaryOps = 20041,
    CapViewAccents = 20042,
    CapViewRelations = 20043,
    CapViewGreek = 20044,
    CapViewOtherSymbols = 20045,
    CapViewMacros = 20046,
    CapViewLogBar = 20047,
    CapViewProjectBar = 20048,
    CapRunLatex = 20049,
    CapRunBibtex = 20050,
    CapRunDviViewer = 20051,
    CapRunDvips = 20052,
    CapRunPsViewer = 20053,
    CapMainDocument = 20054,
    CapProgramCalls = 20055,
    CapProjectNew = 20056,
    CapProjectOpen = 20057,
    CapProjectClose = 20058,
    CapProjectSave = 20059,
    CapProjectSaveAs = 20060,
    CapTexDocument = 20061,
    CapRemove = 20062,
    CapReloadToc = 20063,
    // Main window, documents, start-up
    DocumentsArea = 20064,
    Closing = 20065,
    SaveChanges = 20066,
    SaveToUtf8 = 20067,
    SaveFailed = 20068,
    OpenFailed = 20069,
    FileNotFound = 20070,
    FileNotRegular = 20071,
    FileTooLarge = 20072,
    FileAccessFailed = 20073,
    FileUnencodable = 20074,
    CantFind = 20075,
    ChooseLanguage = 20076,
    LanguageGerman = 20077,
    LanguageEnglish = 20078,
    LanguageFrench = 20079,
    AboutHeading = 20080,
    LicenceName = 20081,
    HyperlinkFailed = 20082,
    // Editor
    SearchFinished = 20083,
    FindTitle = 20084,
    ReplaceTitle = 20085,
    FindWhat = 20086,
    FindWhatName = 20087,
    ReplaceWith = 20088,
    ReplaceWithName = 20089,
    MatchCase = 20090,
    FindNextButton = 20091,
    ReplaceButton = 20092,
    ReplaceAllButton = 20093,
    FontTitle = 20094,
    MacroPrompt = 20095,
    MacroButtonName = 20096,
    MacroKey = 20097,
    MacroName = 20098,
    MacroText = 20099,
    UmlautTitle = 20100,
    UmlautLabelAe = 20101, // "ä :" .. "ß :" in the order ä Ä ö Ö ü Ü ß
    UmlautLabelAeCap = 20102,
    UmlautLabelOe = 20103,
    UmlautLabelOeCap = 20104,
    UmlautLabelUe = 20105,
    UmlautLabelUeCap = 20106,
    UmlautLabelSz = 20107,
    // Panes
    PaneHide = 20108,
    PaneMinimize = 20109,
    LogBarTitle = 20110,
    LogName = 20111,
    ProjectBarTitle = 20112,
    // Tools
    MainTexHint = 20113,
    Browse = 20114,
    BrowseName = 20115,
    Clear = 20116,
    ExeFile = 20117,
    CmdLine = 20118,
    RunTexFirst = 20119,
    RunDvipsFirst = 20120,
    HintTex = 20121,
    HintBibtex = 20122,
    HintDvi = 20123,
    HintPs = 20124,
    UserToolsGroup = 20125,
    UserToolsList = 20126,
    ToolName = 20127,
    UserRunTex = 20128,
    UserRunDvips = 20129,
    KeysName = 20130,
    KeysLabel = 20131,
    WithExtension = 20132,
    Parameters = 20133,
    UserToolKeys = 20134,
    TabLatex = 20135,
    TabBibtex = 20136,
    TabDviWin = 20137,
    TabDvips = 20138,
    TabGhostView = 20139,
    TabUserTools = 20140,
    // Projects
    ProjectTreeName = 20141,
    ProjectNameTitle = 20142,
    TooManyFiles = 20143,
    TooManyTocEntries = 20144,
    ErrorReadingFile = 20145,
    NoProjectFiles = 20146,
    NoTocFile = 20147,
    CannotOpenProject = 20148,
    // Language, help, about box, hand-overs, user tools
    MenuLanguage = 20149,
    CapLatexHelp = 20150,
    LanguageFileFailed = 20151,
    LanguageFileMissing = 20152,
    LanguageFileUnreadable = 20153,
    LanguageFileIncomplete = 20154,
    MenuUserTools = 20155,
    HandOverAmbiguous = 20156,
    HyperlinkReason0 = 20157, // the reasons by the shell's error number
    HyperlinkReason2 = 20158,
    HyperlinkReason3 = 20159,
    HyperlinkReason5 = 20160,
    HyperlinkReason8 = 20161,
    HyperlinkReason11 = 20162,
    HyperlinkReason26 = 20163,
    HyperlinkReason27 = 20164,
    HyperlinkReason28 = 20165,
    HyperlinkReason29 = 20166,
    HyperlinkReason30 = 20167,
    HyperlinkReason31 = 20168,
    HyperlinkReason32 = 20169,
    HyperlinkUnknown = 20170,
    // Log pane, error walk and run results
    CapNextError = 20171,
    CapPreviousError = 20172,
    LogCounts = 20173,
    LogCountsNoBoxes = 20174,
    RunCancelled = 20175,
    LogNotNew = 20176,
    LogCut = 20177,
    NoErrors = 20178,
    ErrorPosition = 20179,
    EntryWithoutFile = 20180,
    LogFindName = 20181,
    RunStatusName = 20182,
    ToolStartFailedDetail = 20183,
    ToolReasonNotFound = 20184,
    ToolReasonNoDirectory = 20185,
    TocNotCurrent = 20186,
    TocNotCurrentTip = 20187,
    // Colouring
    CapSyntaxHighlighting = 20188,
    SyntaxTitle = 20189,
    SyntaxCheck = 20190,
    SyntaxEntryList = 20191,
    SyntaxEntryCommands = 20192, // the seven entries of the colour list, in their order
    SyntaxEntrySquareBrackets = 20193,
    SyntaxEntryCurlyBraces = 20194,
    SyntaxEntryComment = 20195,
    SyntaxEntryMath = 20196,
    SyntaxEntryNormalText = 20197,
    SyntaxEntryBackground = 20198,
    SyntaxDefault = 20199,
    SyntaxColour = 20200,
    ColourTitle = 20201,
    // Printing
    CapPrint = 20202,
    CapPrintPreview = 20203,
    CapPageSetup = 20204,
    PageSetupTitle = 20205,
    PageSetupHeader = 20206,
    PageSetupFooter = 20207,
    PrintFailed = 20208,
    PrintPreviewTitle = 20209,
    // Crash recovery, changes on disk, the system's reasons
    RecoveryTitle = 20210,
    RecoveryOffer = 20211,
    RecoveryUntitled = 20212,
    RecoveryRestore = 20213,
    RecoveryDiscard = 20214,
    RecoveryLater = 20215,
    RecoveryDamaged = 20216,
    RecoveryWriteFailed = 20217,
    DiskChangedReload = 20218,
    DiskChangedSave = 20219,
    CauseNoPermission = 20220,
    CauseReadOnly = 20221,
    CauseNoSpace = 20222,
    CauseIsDirectory = 20223,
    CauseNameTooLong = 20224,
    CauseInputOutput = 20225,
    CauseOther = 20226,
    ChannelUnavailable = 20227,
    SettingsWriteFailed = 20228,
    MacrosUnreadable = 20229,
    HandOversNotFound = 20230,
    // Toolbar customisation
    CapCustomize = 20231,
    ButtonDelete = 20232,
    ButtonLook = 20233,
    ButtonImage = 20234,
    ButtonText = 20235,
    ButtonImageAndText = 20236,
    ButtonGroup = 20237,
    LookTitle = 20238,
    LookCaption = 20239,
    CustomiseCategories = 20240,
    CustomiseCommands = 20241,
    CustomiseHint = 20242,
    CustomiseClose = 20243,
    MissingCommand = 20244,
    OwnEnd = 20245
};

// The text under a number in the language in force; empty for a number the
// table does not hold.
QString text(int id);
// The built-in German text under a number, whatever language is in force.
QString german(int id);
// Texts that are the same in every language: the LaTeX markup of the symbol
// commands (their name and the text they insert). Language files carry them
// unchanged, and text() never takes them from a file.
bool isVerbatim(int id);
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

// Makes a loaded language file the source of every text (null: the built-in
// German table). Language::activate() checks the file before it is handed in.
void setTranslation(std::shared_ptr<const QTranslator> translation);
bool hasTranslation();
// The key under which a language file holds the text of a number.
QByteArray key(int id);

} // namespace Str
