#include "tools/toolrunner.h"

#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "platform/paths.h"
#include "resources/strings.h"
#include "tools/commandtemplate.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

// What a log file looked like before a run: a cancelled run that wrote no log must
// not present the previous one as its own.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QDateTime changed;

    static FileStamp of(const QString &path)
    {
        const QFileInfo info(path);
        if (!info.exists())
            return {};
        return {true, info.size(), info.lastModified(), info.metadataChangeTime()};
    }
    bool operator==(const FileStamp &) const = default;
};

// HostProcess's word for a waited run ended by cancelWaitedRun().
bool isCancelled(const HostProcess::Result &r)
{
    return r.started && r.error == QLatin1String("cancelled");
}

// Reads and parses a log on a thread of its own; the window keeps painting meanwhile.
LogAnalysis readOffThread(const QString &path, LogAnalysis::Format format, const std::function<void()> &pump)
{
    LogAnalysis result;
    std::unique_ptr<QThread> worker(QThread::create([&] { result = LogAnalysis::read(path, format); }));
    worker->start();
    while (!worker->wait(QDeadlineTimer(15)))
        if (pump)
            pump();
    return result;
}

} // namespace

HostProcess::Result HostToolLauncher::run(const QString &exe, const QStringList &args, const QString &workingDir,
                                          bool wait, const std::function<void()> &keepAlive)
{
    HostProcess::Result result;
    if (!workingDir.isEmpty() && !QFileInfo(workingDir).isDir()) {
        result.error = Str::format(Str::ToolReasonNoDirectory, {QDir::toNativeSeparators(workingDir)});
        return result;
    }
    const QString program = HostProcess::findProgram(exe, workingDir);
    if (program.isEmpty()) {
        result.error = Str::text(Str::ToolReasonNotFound);
        return result;
    }
    if (wait)
        return HostProcess::runAndWait(program, args, workingDir, keepAlive);
    return HostProcess::startDetached(program, args, workingDir);
}

ToolRunner::ToolRunner(CShellSettings &settings, ToolHost &host, Display &display, Prompter &prompter,
                       std::unique_ptr<ToolLauncher> launcher)
    : m_settings(settings)
    , m_host(host)
    , m_display(display)
    , m_prompter(prompter)
    , m_launcher(launcher ? std::move(launcher) : std::make_unique<HostToolLauncher>())
{
}

ToolRunner::~ToolRunner() = default;

void ToolRunner::setMainDocument(const QString &maintex, const QString &mainpath)
{
    // Stores and writes both and makes mainpath the current directory.
    m_settings.setMainDocument(mainpath, maintex);
    m_host.setMainDocumentStatus(Str::text(Str::MainDocPane)
                                 + (maintex.isEmpty() ? Str::text(Str::MainDocCurrent) : maintex));
    m_host.setNeedsTexRun(true);
}

bool ToolRunner::noDocument() const
{
    return m_settings.mainTex().isEmpty() && !m_host.hasOpenDocuments();
}

// The main document, or else the active document (its file name and directory).
bool ToolRunner::takeTarget(Target *target)
{
    switch (resolveTarget(target)) {
    case TargetResult::Silent:
        return false;
    case TargetResult::NoDocument:
        m_prompter.message(Str::text(Str::ToolNoCurrentDocument));
        return false;
    case TargetResult::Ok:
        break;
    }
    return true;
}

ToolRunner::TargetResult ToolRunner::resolveTarget(Target *target)
{
    if (!m_settings.mainTex().isEmpty()) {
        target->name = m_settings.mainTex();
        target->directory = Paths::withTrailingSlash(m_settings.mainPath());
        QDir::setCurrent(m_settings.mainPath());
        return TargetResult::Ok;
    }
    std::optional<ActiveDocument> doc = m_host.activeDocument();
    if (!doc) {
        m_host.activateMainWindow();
        doc = m_host.activeDocument();
        if (!doc)
            return TargetResult::Silent;
    }
    // A document that still has no file (its save was cancelled) cannot be run on.
    if (doc->fullPath.isEmpty())
        return TargetResult::NoDocument;
    target->name = Paths::fileNamePart(doc->fullPath);
    target->directory = doc->fullPath.left(doc->fullPath.size() - target->name.size());
    QDir::setCurrent(target->directory);
    return TargetResult::Ok;
}

ToolRunner::Run ToolRunner::start(const QString &exe, const QStringList &args, const QString &dir, bool wait,
                                  const QString &toolName, const QString &logPath, LogAnalysis::Format format)
{
    Run run;
    if (wait) {
        m_cancelled = false;
        const FileStamp before = FileStamp::of(logPath);
        const auto pump = [this] { m_display.keepAlive(); };
        m_display.beginWaitedRun(Str::format(Str::ToolRunning, {toolName}));
        run.result = m_launcher->run(exe, args, dir, true, pump);
        m_cancelled = isCancelled(run.result);
        if (run.result.started && !logPath.isEmpty()) {
            run.logIsNew = !m_cancelled || FileStamp::of(logPath) != before;
            if (run.logIsNew)
                run.log = readOffThread(logPath, format, pump);
        }
        m_display.endWaitedRun();
    } else {
        run.result = m_launcher->run(exe, args, dir, false, {});
    }
    if (!run.result.started) {
        // The documented text, then which program and why.
        const QString reason = run.result.error.isEmpty() ? QStringLiteral("?") : run.result.error;
        m_prompter.message(Str::text(Str::ToolStartFailed) + QStringLiteral("\n\n")
                           + Str::format(Str::ToolStartFailedDetail, {exe, reason}));
    }
    return run;
}

bool ToolRunner::present(const Run &run, const QString &toolName, bool withBadBoxes)
{
    m_display.showLog(run.logIsNew ? run.log : LogAnalysis::message(Str::format(Str::LogNotNew, {toolName})));
    const LatexLog &log = run.log.log();
    const auto n = [](int count) { return QString::number(count); };
    if (m_cancelled)
        m_display.showRunStatus(Str::RunCancelled, {toolName});
    else if (withBadBoxes)
        m_display.showRunStatus(Str::LogCounts,
                                {toolName, n(log.errorCount()), n(log.warningCount()), n(log.badBoxCount())});
    else
        m_display.showRunStatus(Str::LogCountsNoBoxes, {toolName, n(log.errorCount()), n(log.warningCount())});
    return m_cancelled || run.result.exitCode != 0 || !run.log.isLoaded() || log.errorCount() > 0;
}

bool ToolRunner::runLatex()
{
    m_cancelled = false;
    m_host.saveModifiedDocuments();
    if (noDocument()) {
        m_prompter.message(Str::text(Str::ToolNoCurrentDocument));
        return false;
    }
    Target target;
    if (!takeTarget(&target))
        return false;
    const ToolSettings &tex = m_settings.tex;
    if (tex.exe.isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoExe));
        return false;
    }
    if (tex.cmd.isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoCmdLine));
        return false;
    }
    const QStringList args = CommandTemplate::builtinArguments(tex.cmd, target.name);
    const QString base = target.name.size() >= 4 ? target.name.chopped(4) : QString();
    const QString toolName = Str::toolTip(Cmd::RunLatex);
    const Run run = start(tex.exe, args, target.directory, true, toolName,
                          target.directory + base + QStringLiteral(".log"), LogAnalysis::Format::Latex);
    if (!run.result.started)
        return false;
    m_settings.dviChanged = 1;
    // A cancelled run typeset nothing whole: the next dependent tool runs LaTeX again.
    m_host.setNeedsTexRun(m_cancelled);
    const bool failed = present(run, toolName, true);
    if (m_host.isProjectLoaded())
        m_host.refreshTableOfContents(failed);
    return !m_cancelled;
}

bool ToolRunner::runBibtex() { return runDependent(Tool::Bibtex); }
bool ToolRunner::runDviViewer() { return runDependent(Tool::DviViewer); }
bool ToolRunner::runDvips() { return runDependent(Tool::Dvips); }
bool ToolRunner::runPsViewer() { return runDependent(Tool::PsViewer); }

bool ToolRunner::run(Tool tool)
{
    return tool == Tool::Latex ? runLatex() : runDependent(tool);
}

bool ToolRunner::runDependent(Tool tool)
{
    const ToolSettings *settings = nullptr;
    QString toolName;
    QString suffix;
    bool wait = false;
    switch (tool) {
    case Tool::Latex:
        return runLatex();
    case Tool::Bibtex:
        settings = &m_settings.bibtex;
        toolName = Str::toolTip(Cmd::RunBibtex);
        wait = true;
        break;
    case Tool::DviViewer:
        settings = &m_settings.dviViewer;
        toolName = Str::toolTip(Cmd::RunDviViewer);
        suffix = QStringLiteral(".dvi");
        break;
    case Tool::Dvips:
        settings = &m_settings.dvips;
        toolName = Str::toolTip(Cmd::RunDvips);
        suffix = QStringLiteral(".dvi");
        wait = true;
        break;
    case Tool::PsViewer:
        settings = &m_settings.psViewer;
        toolName = Str::toolTip(Cmd::RunPsViewer);
        suffix = QStringLiteral(".ps");
        break;
    }
    // A copy: the prerequisite runs below may not change what this tool starts.
    const ToolSettings t = *settings;
    if (t.exe.isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoExe));
        return false;
    }
    if (t.cmd.isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoCmdLine));
        return false;
    }
    m_cancelled = false;
    const bool saved = m_host.saveModifiedDocuments();
    if (noDocument()) {
        m_prompter.message(Str::text(Str::ToolNoCurrentDocument));
        return false;
    }
    // A prerequisite ended with Escape ends the command.
    if (saved || m_host.needsTexRun()) {
        m_host.setNeedsTexRun(false);
        if (t.runtex && !runLatex() && m_cancelled)
            return false;
        if (tool == Tool::PsViewer && t.rundvips && !runDvips() && m_cancelled)
            return false;
    }
    Target target;
    if (!takeTarget(&target))
        return false;
    if (tool == Tool::PsViewer && m_settings.dviChanged && t.rundvips && !runDvips() && m_cancelled)
        return false;
    const QString base = target.name.size() >= 4 ? target.name.chopped(4) : QString();
    const QStringList args = CommandTemplate::builtinArguments(t.cmd, base + suffix);
    // BibTeX's log (".blg") is read and shown like LaTeX's.
    const QString logPath = tool == Tool::Bibtex ? target.directory + base + QStringLiteral(".blg") : QString();
    const Run run = start(t.exe, args, target.directory, wait, toolName, logPath, LogAnalysis::Format::Bibtex);
    if (!run.result.started)
        return false;
    if (tool == Tool::Bibtex)
        present(run, toolName, false);
    if (m_cancelled)
        return false;
    if (tool == Tool::Dvips)
        m_settings.dviChanged = 0;
    return true;
}

bool ToolRunner::runUserTool(int n)
{
    if (n < 0 || n >= UserToolCount)
        return false;
    const UserToolSettings t = m_settings.userTools[n];

    CommandTemplate::UserToolContext ctx;
    ctx.maintex = m_settings.mainTex();
    ctx.mainpath = m_settings.mainPath();
    if (const std::optional<ActiveDocument> doc = m_host.activeDocument()) {
        ctx.activeTitle = doc->title;
        ctx.activePath = doc->fullPath;
    }
    const CommandTemplate::UserToolExpansion e = CommandTemplate::expandUserTool(t.cmd, ctx);
    // The placeholders decide the tool's directory now; the prerequisite runs below
    // move the current directory, but the tool still runs where it was decided.
    QString dir = QDir::currentPath();
    if (e.changesDirectory && !e.directory.isEmpty()) {
        dir = e.directory;
        QDir::setCurrent(dir);
    }

    if (t.exe.isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoExe));
        return false;
    }
    if (e.needsMain && ctx.mainBase().isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoMainDocument));
        return false;
    }
    if (e.needsActive && ctx.currentName().isEmpty()) {
        m_prompter.message(Str::text(Str::ToolNoCurrentDocument));
        return false;
    }
    m_cancelled = false;
    m_host.saveModifiedDocuments();
    // A prerequisite ended with Escape ends the command.
    if (m_host.needsTexRun()) {
        m_host.setNeedsTexRun(false);
        if (t.runtex && !runLatex() && m_cancelled)
            return false;
        if (t.rundvips && !runDvips() && m_cancelled)
            return false;
    }
    if (m_settings.dviChanged && t.rundvips && !runDvips() && m_cancelled)
        return false;

    QDir::setCurrent(dir);
    return start(t.exe, e.arguments, dir, false, t.name).result.started;
}
