// The texts the status bar shows about a compile and the error walk.
#pragma once

#include "latex/latexlog.h"
#include "programcalls/compileprocess.h"

#include <QString>

namespace CompileReport {

// "Compiling paper.tex ..." while it runs.
QString runningText(const QString &mainFile);
// How a compile ended. With the log it wrote: "Compile finished: 2 errors, 5
// warnings" (and ", 3 bad boxes" when there are some; the exit status when the run
// failed without an error in the log). Without a log of this run: "Compile
// finished: exit status 1". "Compile stopped", "Compile crashed".
QString endText(const CompileProcess::Outcome &outcome, const LatexLog *log);
// "Error 2 of 5: Undefined control sequence."
QString errorText(int number, int count, const QString &message);

inline const QString CouldNotStart = QStringLiteral("Compile could not start");
inline const QString NoErrors = QStringLiteral("No errors in %1");
inline const QString NoMainFile = QStringLiteral("No main file is set");
inline const QString NoLog = QStringLiteral("No log file %1");
inline const QString LogUnreadable = QStringLiteral("The log %1 could not be read: %2");
inline const QString StillRunning =
    QStringLiteral("A compile is still running:\r\n\r\n%1\r\n\r\nStop it and compile again?");

} // namespace CompileReport
