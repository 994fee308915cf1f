// Creation points of the two docking panes of the main frame. The log pane and the
// project pane areas replace these bodies with their own classes (CLogBar,
// CProjectBar, both derived from CControlBarEx).
#pragma once

class CControlBarEx;
class CMainFrame;

namespace Panes {
// Log pane: id 32998, title "LogBar", docked at the bottom.
CControlBarEx *createLogBar(CMainFrame *frame);
// Project pane: id 33071, title "ProjectBar", docked at the left.
CControlBarEx *createProjectBar(CMainFrame *frame);
} // namespace Panes
