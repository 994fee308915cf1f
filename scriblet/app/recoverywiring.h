// Crash recovery and changes on disk in the main window: DocumentSafety behind the
// window's RecoveryHost, following every document window, asked before every
// save, checking the files when the program gets the focus.
#pragma once

#include <QString>

class CMainFrame;
class DocumentSafety;

namespace RecoveryWiring {

// recoveryDir empty: the user's state folder ($XDG_STATE_HOME/Scriblet/recovery).
DocumentSafety *install(CMainFrame *frame, const QString &recoveryDir = QString());

} // namespace RecoveryWiring
