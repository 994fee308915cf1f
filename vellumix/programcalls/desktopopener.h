// Hands documents, folders and URLs to the desktop's opener (xdg-open) and reports
// when it fails.
//
// The opener is a child of ours, watched: it ends at once when it has nothing that
// opens the target ("no method available"), or hands the target to a program and
// ends, or (without a desktop session) runs the viewer itself until the viewer
// closes. A failure is reported by failed(), after the event loop has seen the
// opener end; success is silence. Openers still running when this object goes are
// left running: they are the user's viewers.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QProcess;

class DesktopOpener : public QObject
{
    Q_OBJECT
public:
    explicit DesktopOpener(QObject *parent = nullptr);
    ~DesktopOpener() override;

    // The opener program ("xdg-open" unless set).
    void setProgram(const QString &program) { m_program = program; }
    QString program() const { return m_program; }

    // Starts the opener for target in workingDir; label is what failed() names (the
    // target when empty). False, with the reason in *error, when it could not start.
    bool open(const QString &target, const QString &workingDir, const QString &label = QString(),
              QString *error = nullptr);

signals:
    // The opener ended with a failure; reason: the last line of its output (its
    // complaint), else its exit status.
    void failed(const QString &label, const QString &reason);

private:
    void ended(QProcess *process, const QString &label);

    QString m_program = QStringLiteral("xdg-open");
    QHash<QProcess *, QByteArray> m_output; // the end of each opener's output
};
