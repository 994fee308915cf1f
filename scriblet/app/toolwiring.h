// The tool runner in the main window: the log pane, ToolCommands behind the
// window's ToolHost, the "&Run" pop-up of the "&TeX" menu (F5..F9) and the walk
// through the errors below it (F12, Shift+F12), the main document and the program
// calls in the "&Einstellungen" menu, and the user tools (Ctrl+F1..Ctrl+F10).
#pragma once

class CMainFrame;

namespace ToolWiring {

void install(CMainFrame *frame);

} // namespace ToolWiring
