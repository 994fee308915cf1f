#include "programcalls/desktopopener.h"

#include "platform/hostprocess.h"

#include <QProcess>

namespace {
// What is kept of an opener's output: enough for its complaint, never a flood.
constexpr qsizetype MaxOutput = 4096;
}

DesktopOpener::DesktopOpener(QObject *parent) : QObject(parent) {}

DesktopOpener::~DesktopOpener()
{
    // A QProcess ends its program when it is destroyed; a viewer run by the opener
    // must outlive the window, so the processes still running are let go.
    for (QProcess *p : findChildren<QProcess *>(Qt::FindDirectChildrenOnly)) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->disconnect(this);
        p->setParent(nullptr);
        // Its output goes nowhere now; a full pipe must not stop the viewer.
        QObject::connect(p, &QProcess::readyRead, p, [p] { p->readAll(); });
    }
}

bool DesktopOpener::open(const QString &target, const QString &workingDir, const QString &label, QString *error)
{
    const QString program = HostProcess::findProgram(m_program);
    if (program.isEmpty()) {
        if (error)
            *error = QStringLiteral("Program not found: %1").arg(m_program);
        return false;
    }
    auto *p = new QProcess(this);
    p->setProgram(program);
    p->setArguments({target});
    if (!workingDir.isEmpty())
        p->setWorkingDirectory(workingDir);
    p->setStandardInputFile(QProcess::nullDevice());
    p->setProcessChannelMode(QProcess::MergedChannels);
    connect(p, &QProcess::readyRead, this, [this, p] {
        // Only the end is kept: the complaint comes last.
        QByteArray &out = m_output[p];
        out += p->readAll();
        if (out.size() > MaxOutput)
            out = out.right(MaxOutput);
    });
    const QString shown = label.isEmpty() ? target : label;
    connect(p, &QProcess::finished, this, [this, p, shown] { ended(p, shown); });
    p->start();
    if (!p->waitForStarted(5000)) {
        if (error)
            *error = p->errorString();
        delete p;
        return false;
    }
    return true;
}

void DesktopOpener::ended(QProcess *p, const QString &label)
{
    p->deleteLater();
    const QByteArray out = m_output.take(p) + p->readAll();
    if (p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0)
        return;
    QString reason;
    for (const QByteArray &line : out.trimmed().split('\n'))
        if (!line.trimmed().isEmpty())
            reason = QString::fromLocal8Bit(line.trimmed());
    if (reason.isEmpty())
        reason = p->exitStatus() == QProcess::NormalExit
                     ? QStringLiteral("%1 ended with exit status %2").arg(m_program).arg(p->exitCode())
                     : QStringLiteral("%1 crashed").arg(m_program);
    emit failed(label, reason);
}
