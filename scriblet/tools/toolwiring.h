// Creates the log pane of the main frame and installs the tool commands: the
// "&Run" pop-up of the "&TeX" menu (F5..F9), the "&Einstellungen" menu (main
// document, program calls), the user tools (Ctrl+F1..Ctrl+F10), all answered
// through the frame's documents, prompter, status pane and project pane.
#pragma once

class CLogBar;
class CMainFrame;
class CToolCommands;

namespace ToolWiring {

CLogBar *createLogBar(CMainFrame *frame);

// The tool commands installed with the log pane (null before createLogBar()).
CToolCommands *toolCommands(CMainFrame *frame);

} // namespace ToolWiring
