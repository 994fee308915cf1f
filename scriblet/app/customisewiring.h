// Toolbar customisation in the main window: every bar's buttons from the
// settings file (or the built-in layout), the command "Anpassen" (32780) with its
// modeless dialog, and the customised bars written back when the window closes.
//
// Bar n (in the order ToolbarLayout::barIds()) keeps its buttons in section
// "General Settings-Scriblet-<n>", key "Buttons" (format: BarButtons::toSetting).
// Only a bar whose buttons changed during the run is written, so a run without
// customisation leaves the settings file as it was; an empty or malformed value
// gives that bar its built-in layout and is left in the file untouched.
#pragma once

class CMainFrame;
class CCustomiseDlg;

namespace CustomiseWiring {

// After every command exists: lays out the bars, adds the command.
void install(CMainFrame *frame);

// The open customisation dialog of the frame (null when none is open).
CCustomiseDlg *dialog(const CMainFrame *frame);

} // namespace CustomiseWiring
