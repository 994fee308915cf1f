// The project pane in the main window: CProjectBar behind the window's
// ProjectHost, the "&Projekt" menu, documents opened from the tree, the
// main-document hand-over, needsTexRun, the umlaut spellings, projects named on
// the command line or by a later start, and saving the project on close.
#pragma once

class CMainFrame;

namespace ProjectWiring {

void install(CMainFrame *frame);

} // namespace ProjectWiring
