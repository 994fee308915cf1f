// Command identifiers of the tool runner, the log pane and the tool dialogs.
#pragma once

namespace ToolCommandIds {

inline constexpr int RunLatex = 33024;        // F5
inline constexpr int RunBibtex = 33025;       // F6
inline constexpr int ProgramCalls = 33026;    // program-calls dialog
inline constexpr int RunPsViewer = 33027;     // F9
inline constexpr int RunDviViewer = 33028;    // F7
inline constexpr int RunDvips = 33029;        // F8
inline constexpr int MainDocument = 33030;    // F4
inline constexpr int UserToolFirst = 33033;   // Ctrl+F1, tool 0
inline constexpr int UserToolLast = 33042;    // Ctrl+F10, tool 9
inline constexpr int ToggleLogBar = 32998;
inline constexpr int ToggleProjectBar = 33071;

// Control and resource numbers used as object names' suffixes.
inline constexpr int LogBarControl = 858;
inline constexpr int LogBarContextMenu = 814;
inline constexpr int MainDocumentDialog = 844;
inline constexpr int MainDocumentStatusPane = 32943;

} // namespace ToolCommandIds
