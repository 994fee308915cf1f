// The tool runner: LaTeX, BibTeX, the DVI viewer, DVIPS, the PostScript viewer and
// the ten user tools, run on the main document with the prerequisite runs that the
// flags needsTexRun and dviChanged decide.
//
// The runner works on the settings object it is given (owned by the caller), which
// also writes the main document. It changes the process's current directory to the
// directory of the document a tool runs on and never restores it.
#pragma once

#include "tools/loganalysis.h"
#include "tools/toolhost.h"

#include <memory>

class CShellSettings;
class Prompter;
struct ToolSettings;

class ToolRunner
{
public:
    enum class Tool { Latex, Bibtex, DviViewer, Dvips, PsViewer };

    static constexpr int UserToolCount = 10;

    // What a run shows: the wait state while a waited tool runs, the log of LaTeX
    // and BibTeX, and how their last run ended.
    class Display
    {
    public:
        virtual ~Display() = default;
        // A waited tool starts / ended: wait cursor, no input, the status text names it.
        virtual void beginWaitedRun(const QString &statusText) = 0;
        virtual void endWaitedRun() = 0;
        // Called repeatedly while a waited tool runs or its log is read, to keep the
        // window painted.
        virtual void keepAlive() = 0;
        // Replaces the log pane's content.
        virtual void showLog(const LogAnalysis &log) = 0;
        // The result of the last LaTeX or BibTeX run for the status bar ("LaTeX
        // beendet – Fehler: 2, ...", "LaTeX wurde abgebrochen."): a numbered text
        // and what fills it, so that a language switch can say it again.
        virtual void showRunStatus(int textId, const QStringList &args) = 0;
    };

    // Everything given must outlive the runner; launcher defaults to HostToolLauncher.
    ToolRunner(CShellSettings &settings, ToolHost &host, Display &display, Prompter &prompter,
               std::unique_ptr<ToolLauncher> launcher = nullptr);
    ~ToolRunner();

    // Sources or the main document changed since LaTeX last ran. Set by opening or
    // creating documents, projects, the main-document command and hand-overs.
    bool needsTexRun() const { return m_host.needsTexRun(); }
    void setNeedsTexRun(bool on = true) { m_host.setNeedsTexRun(on); }

    // The main-document command's result: stores maintex and mainpath, writes them,
    // shows them in the status pane, sets needsTexRun and changes the current directory.
    void setMainDocument(const QString &maintex, const QString &mainpath);

    // Each returns true when the tool's program was started (and, for a waited
    // tool, not cancelled with Escape). A cancelled run ends the whole command: the
    // tools that would follow it do not start.
    bool runLatex();
    bool runBibtex();
    bool runDviViewer();
    bool runDvips();
    bool runPsViewer();
    bool runUserTool(int n);
    bool run(Tool tool);

    CShellSettings &settings() { return m_settings; }

private:
    struct Target {
        QString directory; // with trailing "/"
        QString name;      // file name of the main or active document
    };
    enum class TargetResult { Ok, NoDocument, Silent };

    TargetResult resolveTarget(Target *target);
    // resolveTarget, with the no-document message; false when the tool must not run.
    bool takeTarget(Target *target);
    bool noDocument() const;
    bool runDependent(Tool tool);
    // Starts the program (a failed start is reported). A waited one sets
    // m_cancelled, and its log is read (off the window's thread) before the wait
    // ends when logPath is given.
    struct Run {
        HostProcess::Result result;
        LogAnalysis log;
        bool logIsNew = true; // the log file changed during the run
    };
    Run start(const QString &exe, const QStringList &args, const QString &dir, bool wait, const QString &toolName,
              const QString &logPath = {}, LogAnalysis::Format format = LogAnalysis::Format::Latex);
    // Shows a LaTeX or BibTeX run's log in the pane and its result in the status
    // bar. True when the run failed: cancelled, ended with errors, or left no log.
    bool present(const Run &run, const QString &toolName, bool withBadBoxes);

    CShellSettings &m_settings;
    ToolHost &m_host;
    Display &m_display;
    Prompter &m_prompter;
    std::unique_ptr<ToolLauncher> m_launcher;
    bool m_cancelled = false; // the last waited tool was ended with Escape
};
