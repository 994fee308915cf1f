// Compile (F6) as a run the window watches, and what comes of it: the output for the
// compile log view, how the run ended in the status bar, the log parsed (off the
// window's thread) into errors that "Next Error"/"Previous Error" walk through the
// source files, and Log File (F7) opened at the first error.
//
// One compile runs at a time: a second Compile asks whether to stop the running one
// and start again; "Stop Compile" ends it (and what it started).
#pragma once

#include "programcalls/compileprocess.h"
#include "programcalls/errorwalk.h"
#include "programcalls/logloader.h"

#include <QObject>

class ProgramCallsHost;
class ProgramRunner;

class Compiler : public QObject
{
    Q_OBJECT
public:
    Compiler(ProgramCallsHost &host, ProgramRunner &runner, QObject *parent = nullptr);

    // Runs the compile template in the main file's folder (a main file must be set).
    // A template whose program is not an executable is run as any command line is
    // (a document goes to the desktop opener) and is not watched. False when nothing
    // was started.
    bool compile();
    bool isRunning() const { return m_process.isRunning(); }
    // Ends the running compile and its children; the status says it was stopped.
    void stop();

    // Opens the log named by the log template (relative names: in the main file's
    // folder) with the caret on the first error's line. False when there is no log.
    bool showLogFile();
    // Opens the source file of the next (previous) error at its line; an error whose
    // file is unknown is shown in the log. The walk goes round at either end.
    void nextError() { walk(true); }
    void previousError() { walk(false); }

    // The log path of the main file as the log template names it.
    QString logPath() const;

signals:
    void started(const QString &commandLine);
    void output(const QString &text);
    // The compile ended and its log (if it wrote one) has been read; status as shown.
    void finished(const QString &status);
    void runningChanged(bool running);

private:
    // What the user asked for that waits for a log to be read.
    enum class Request { None, Next, Previous, LogLine };

    QString mainDirectory() const;
    void setStatus(const QString &text);
    void onProcessFinished(const CompileProcess::Outcome &outcome);
    void onLoaded(const LogLoader::Result &result);
    void request(Request what, const QString &log);
    void walk(bool forward);
    void jump(bool forward);
    int firstErrorLogLine() const;

    ProgramCallsHost &m_host;
    ProgramRunner &m_runner;
    CompileProcess m_process;
    LogLoader m_loader;
    ErrorWalk m_walk;

    // The run in progress: its log and what the log was before it started.
    QString m_runLog;
    QString m_runDir;
    FileStamp m_logBefore;
    CompileProcess::Outcome m_outcome;
    // The logs being read: the run's, and the one a request waits for.
    int m_compileTicket = 0;
    int m_requestTicket = 0;
    Request m_request = Request::None;
};
