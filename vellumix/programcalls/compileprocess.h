// One compile, watched: the program runs in the main file's folder with an empty
// standard input, its output (standard output and error together) comes back as
// text instead of going to the terminal that started the window, and its end is
// reported. The window never waits for it.
//
// The program leads a process group of its own, so that stop() ends what it started
// too (latexmk's latex, a script's children).
#pragma once

#include "programcalls/commandline.h"

#include <QObject>
#include <QProcess>
#include <QStringDecoder>

class CompileProcess : public QObject
{
    Q_OBJECT
public:
    struct Outcome {
        enum class End { Exited, Crashed, Stopped };
        End end = End::Exited;
        int exitCode = 0; // for Exited
    };

    explicit CompileProcess(QObject *parent = nullptr);
    // A compile still running is stopped.
    ~CompileProcess() override;

    // Starts the executable with the arguments in workingDir. False, with the reason
    // in *error, when it could not be started (nothing runs then).
    bool start(const QString &executable, const QStringList &arguments, const QString &workingDir,
               QString *error = nullptr);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Ends the whole process group: SIGTERM, then SIGKILL after a grace period.
    // finished() (Stopped) has been emitted when this returns.
    void stop();

signals:
    void output(const QString &text);
    void finished(const CompileProcess::Outcome &outcome);

private:
    void readOutput();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess m_process;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    bool m_stopping = false;
    qint64 m_group = 0;
};
