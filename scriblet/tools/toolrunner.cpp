#include "tools/toolrunner.h"

#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "platform/paths.h"
#include "resources/strings.h"
#include "tools/commandtemplate.h"
#include "tools/logreader.h"

#include <QDir>
#include <QFileInfo>

HostProcess::Result HostToolLauncher::run(const QString &exe, const QStringList &args, const QString &workingDir,
                                          bool wait, const std::function<void()> &keepAlive)
{
    HostProcess::Result result;
    if (!workingDir.isEmpty() && !QFileInfo(workingDir).isDir()) {
        result.error = QStringLiteral("directory not found: %1").arg(QDir::toNativeSeparators(workingDir));
        return result;
    }
    const QString program = HostProcess::findProgram(exe, workingDir);
    if (program.isEmpty()) {
        result.error = QStringLiteral("program not found: %1").arg(exe);
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

bool ToolRunner::start(const QString &exe, const QStringList &args, const QString &dir, bool wait,
                       const QString &toolName)
{
    HostProcess::Result result;
    if (wait) {
        m_display.beginWaitedRun(Str::format(Str::ToolRunning, {toolName}));
        result = m_launcher->run(exe, args, dir, true, [this] { m_display.keepAlive(); });
        m_display.endWaitedRun();
    } else {
        result = m_launcher->run(exe, args, dir, false, {});
    }
    if (!result.started)
        m_prompter.message(Str::text(Str::ToolStartFailed));
    return result.started;
}

void ToolRunner::loadLog(const Target &target)
{
    const QString base = target.name.size() >= 4 ? target.name.chopped(4) : QString();
    m_display.setLogText(LogReader::readText(target.directory + base + QStringLiteral(".log")));
}

bool ToolRunner::runLatex()
{
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
    if (!start(tex.exe, args, target.directory, true, Str::toolTip(Cmd::RunLatex)))
        return false;
    m_settings.dviChanged = 1;
    m_host.setNeedsTexRun(false);
    loadLog(target);
    if (m_host.isProjectLoaded())
        m_host.refreshTableOfContents();
    return true;
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
    const bool saved = m_host.saveModifiedDocuments();
    if (noDocument()) {
        m_prompter.message(Str::text(Str::ToolNoCurrentDocument));
        return false;
    }
    if (saved || m_host.needsTexRun()) {
        m_host.setNeedsTexRun(false);
        if (t.runtex)
            runLatex();
        if (tool == Tool::PsViewer && t.rundvips)
            runDvips();
    }
    Target target;
    if (!takeTarget(&target))
        return false;
    if (tool == Tool::PsViewer && m_settings.dviChanged && t.rundvips)
        runDvips();
    const QString base = target.name.size() >= 4 ? target.name.chopped(4) : QString();
    const QStringList args = CommandTemplate::builtinArguments(t.cmd, base + suffix);
    if (!start(t.exe, args, target.directory, wait, toolName))
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
    m_host.saveModifiedDocuments();
    if (m_host.needsTexRun()) {
        m_host.setNeedsTexRun(false);
        if (t.runtex)
            runLatex();
        if (t.rundvips)
            runDvips();
    }
    if (m_settings.dviChanged && t.rundvips)
        runDvips();

    QDir::setCurrent(dir);
    return start(t.exe, e.arguments, dir, false, t.name);
}
