// Creates the project pane of the main frame and connects it to the frame and the
// settings object: the "&Projekt" menu, documents opened from the tree, the
// main-document hand-over, needsTexRun, the umlaut spellings, projects named on
// the command line or by a later start, and saving the project on close.
#pragma once

class CMainFrame;
class CProjectBar;

namespace ProjectWiring {

CProjectBar *createProjectBar(CMainFrame *frame);

} // namespace ProjectWiring
