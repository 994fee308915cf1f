#include "programcalls/compilereport.h"

#include <QFileInfo>

namespace {

QString counted(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// A message of many lines (a runaway argument) stays one short status line.
constexpr int MaxMessage = 160;

} // namespace

namespace CompileReport {

QString runningText(const QString &mainFile)
{
    return QStringLiteral("Compiling %1 ...").arg(QFileInfo(mainFile).fileName());
}

QString endText(const CompileProcess::Outcome &outcome, const LatexLog *log)
{
    using End = CompileProcess::Outcome::End;
    if (outcome.end == End::Stopped)
        return QStringLiteral("Compile stopped");
    const QString head = outcome.end == End::Crashed ? QStringLiteral("Compile crashed") : QStringLiteral("Compile finished");
    if (!log)
        return outcome.end == End::Crashed ? head : head + QStringLiteral(": exit status %1").arg(outcome.exitCode);
    QString text = head + QStringLiteral(": ") + counted(log->errorCount(), "error", "errors") + QStringLiteral(", ")
                   + counted(log->warningCount(), "warning", "warnings");
    if (log->badBoxCount() > 0)
        text += QStringLiteral(", ") + counted(log->badBoxCount(), "bad box", "bad boxes");
    if (outcome.end == End::Exited && outcome.exitCode != 0 && log->errorCount() == 0)
        text += QStringLiteral(" (exit status %1)").arg(outcome.exitCode);
    return text;
}

QString errorText(int number, int count, const QString &message)
{
    QString m = message.simplified();
    if (m.size() > MaxMessage)
        m = m.left(MaxMessage - 3) + QStringLiteral("...");
    return QStringLiteral("Error %1 of %2: %3").arg(number).arg(count).arg(m);
}

} // namespace CompileReport
