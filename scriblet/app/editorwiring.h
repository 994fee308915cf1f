// The editor's commands in the main window: EditorCommands behind the window's
// EditorHost, the Edit menu, word wrap and font in the View menu, macros and
// umlauts in the Settings menu, the symbol bars and the macro bar.
#pragma once

class CMainFrame;

namespace EditorWiring {

// Creates the editor commands and their menu entries.
void install(CMainFrame *frame);
// Registers the commands of the six symbol bars and the macro bar (their buttons
// are laid out by CustomiseWiring).
void fillBars(CMainFrame *frame);

} // namespace EditorWiring
