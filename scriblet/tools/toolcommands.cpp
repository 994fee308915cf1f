#include "tools/toolcommands.h"

#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "platform/hostprocess.h"
#include "resources/actiontext.h"
#include "resources/strings.h"
#include "tools/clogbar.h"
#include "tools/cmaintexdialog.h"
#include "tools/cprogramcallssheet.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

// Swallows user input while a waited tool runs; painting and timers go on.
class InputBlocker : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Escape is the one key that still counts: it ends the waited tool.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            HostProcess::cancelWaitedRun();
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Close:
        case QEvent::Drop:
            event->ignore();
            return true;
        default:
            return false;
        }
    }
};

} // namespace

// The log pane and the window's wait state, as the runner shows them.
class ToolCommands::Display : public ToolRunner::Display
{
public:
    Display(QMainWindow *window, CLogBar *logBar, QLabel *runStatus, std::function<void()> ended)
        : m_window(window), m_logBar(logBar), m_runStatus(runStatus), m_ended(std::move(ended))
    {
    }

    void beginWaitedRun(const QString &statusText) override
    {
        if (m_depth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            qApp->installEventFilter(&m_blocker);
        }
        m_window->statusBar()->showMessage(statusText);
        QCoreApplication::processEvents();
    }
    void endWaitedRun() override
    {
        if (m_depth > 0 && --m_depth == 0) {
            qApp->removeEventFilter(&m_blocker);
            QApplication::restoreOverrideCursor();
            m_window->statusBar()->clearMessage();
            m_ended();
        }
    }
    void keepAlive() override { QCoreApplication::processEvents(); }
    void showLog(const LogAnalysis &log) override
    {
        if (m_logBar)
            m_logBar->setLog(log);
    }
    void showRunStatus(int textId, const QStringList &args) override
    {
        m_statusId = textId;
        m_statusArgs = args;
        retranslateRunStatus();
    }
    void retranslateRunStatus()
    {
        if (m_statusId == 0)
            return;
        const QString text = Str::format(m_statusId, m_statusArgs);
        m_runStatus->setText(text);
        m_runStatus->setToolTip(text);
    }

    bool isBusy() const { return m_depth > 0; }

private:
    QMainWindow *m_window;
    CLogBar *m_logBar;
    QLabel *m_runStatus;
    int m_statusId = 0; // no run yet
    QStringList m_statusArgs;
    std::function<void()> m_ended;
    InputBlocker m_blocker;
    int m_depth = 0;
};

ToolCommands::ToolCommands(QMainWindow *window, CShellSettings &settings, ToolHost &host, Prompter &prompter,
                           CLogBar *logBar, std::unique_ptr<ToolLauncher> launcher)
    : QObject(window)
    , m_window(window)
    , m_settings(settings)
    , m_host(host)
    , m_prompter(prompter)
    , m_logBar(logBar)
    , m_runStatus(new QLabel(window->statusBar()))
    , m_display(std::make_unique<Display>(window, logBar, m_runStatus, [this] { emit waitedRunEnded(); }))
    , m_runner(std::make_unique<ToolRunner>(settings, host, *m_display, prompter, std::move(launcher)))
{
    setObjectName(QStringLiteral("ToolCommands"));
    m_runStatus->setObjectName(QStringLiteral("runStatusPane"));
    m_runStatus->setAccessibleName(Str::text(Str::RunStatusName));
    window->statusBar()->insertPermanentWidget(0, m_runStatus);
    m_runLatex = makeAction(Cmd::RunLatex, Str::CapRunLatex, QKeySequence(Qt::Key_F5));
    m_runBibtex = makeAction(Cmd::RunBibtex, Str::CapRunBibtex, QKeySequence(Qt::Key_F6));
    m_runDviViewer = makeAction(Cmd::RunDviViewer, Str::CapRunDviViewer, QKeySequence(Qt::Key_F7));
    m_runDvips = makeAction(Cmd::RunDvips, Str::CapRunDvips, QKeySequence(Qt::Key_F8));
    m_runPsViewer = makeAction(Cmd::RunPsViewer, Str::CapRunPsViewer, QKeySequence(Qt::Key_F9));
    m_mainDocument = makeAction(Cmd::MainDocument, Str::CapMainDocument, QKeySequence(Qt::Key_F4));
    m_programCalls = makeAction(Cmd::ProgramCalls, Str::CapProgramCalls, QKeySequence());
    m_nextError = makeAction(Cmd::NextError, Str::CapNextError, QKeySequence(Qt::Key_F12), Cmd::NextError);
    m_previousError =
        makeAction(Cmd::PreviousError, Str::CapPreviousError, QKeySequence(Qt::SHIFT | Qt::Key_F12), Cmd::PreviousError);
    for (int n = 0; n < 10; ++n) {
        m_userTools[n] = makeAction(Cmd::UserTool1 + n, 0, QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + n)));
        connect(m_userTools[n], &QAction::triggered, this, [this, n] { onUserTool(n); });
    }
    updateUserToolTexts();

    connect(m_runLatex, &QAction::triggered, this, &ToolCommands::onRunLatex);
    connect(m_runBibtex, &QAction::triggered, this, &ToolCommands::onRunBibtex);
    connect(m_runDviViewer, &QAction::triggered, this, &ToolCommands::onRunDviViewer);
    connect(m_runDvips, &QAction::triggered, this, &ToolCommands::onRunDvips);
    connect(m_runPsViewer, &QAction::triggered, this, &ToolCommands::onRunPsViewer);
    connect(m_mainDocument, &QAction::triggered, this, &ToolCommands::onMainDocument);
    connect(m_programCalls, &QAction::triggered, this, &ToolCommands::onProgramCalls);
    connect(m_nextError, &QAction::triggered, this, &ToolCommands::onNextError);
    connect(m_previousError, &QAction::triggered, this, &ToolCommands::onPreviousError);
    if (m_logBar)
        connect(m_logBar, &CLogBar::entryActivated, this, &ToolCommands::openEntry);
}

ToolCommands::~ToolCommands() = default;

QAction *ToolCommands::makeAction(int id, int captionId, const QKeySequence &key, int promptId)
{
    auto *action = new QAction(m_window);
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setProperty("commandId", id);
    if (captionId)
        ActionText::set(action, captionId, promptId ? promptId : id);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        // On the window itself, so that the keys work with and without a document.
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
    }
    return action;
}

QList<QAction *> ToolCommands::runActions() const
{
    return {m_runLatex, m_runBibtex, m_runDviViewer, m_runDvips, m_runPsViewer};
}

QList<QAction *> ToolCommands::actions() const
{
    QList<QAction *> all = runActions();
    all << m_mainDocument << m_programCalls << m_nextError << m_previousError;
    for (QAction *a : m_userTools)
        all << a;
    return all;
}

bool ToolCommands::isBusy() const { return m_display->isBusy(); }

void ToolCommands::updateUserToolTexts()
{
    m_runStatus->setAccessibleName(Str::text(Str::RunStatusName));
    m_display->retranslateRunStatus();
    for (int n = 0; n < 10; ++n) {
        const QString &name = m_settings.userTools[n].name;
        m_userTools[n]->setText(name);
        m_userTools[n]->setToolTip(name);
        m_userTools[n]->setStatusTip(Str::format(Str::ToolRunning, {name}));
    }
}

// A second command while a waited tool runs is ignored: input is blocked, but a
// queued shortcut must not start another run inside the first.
void ToolCommands::onRunLatex()
{
    if (!isBusy())
        m_runner->runLatex();
}

void ToolCommands::onRunBibtex()
{
    if (!isBusy())
        m_runner->runBibtex();
}

void ToolCommands::onRunDviViewer()
{
    if (!isBusy())
        m_runner->runDviViewer();
}

void ToolCommands::onRunDvips()
{
    if (!isBusy())
        m_runner->runDvips();
}

void ToolCommands::onRunPsViewer()
{
    if (!isBusy())
        m_runner->runPsViewer();
}

void ToolCommands::onUserTool(int n)
{
    if (!isBusy())
        m_runner->runUserTool(n);
}

void ToolCommands::onMainDocument()
{
    if (isBusy())
        return;
    CMainTexDialog dialog(m_settings.mainTex(), m_prompter, m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_runner->setMainDocument(dialog.mainTex(), dialog.mainPath());
}

void ToolCommands::onProgramCalls()
{
    if (isBusy())
        return;
    CProgramCallsSheet sheet(m_settings, m_prompter, m_window);
    sheet.exec();
    updateUserToolTexts();
}

void ToolCommands::onNextError() { goToError(true); }

void ToolCommands::onPreviousError() { goToError(false); }

void ToolCommands::goToError(bool forward)
{
    if (isBusy() || !m_logBar)
        return;
    const int entry = m_logBar->log().nextError(m_logBar->currentEntry(), forward);
    if (entry < 0) {
        m_window->statusBar()->showMessage(Str::text(Str::NoErrors));
        return;
    }
    openEntry(entry);
}

void ToolCommands::openEntry(int entry)
{
    if (!m_logBar || entry < 0 || entry >= m_logBar->log().log().size())
        return;
    m_logBar->setCurrentEntry(entry);
    const LogAnalysis &log = m_logBar->log();
    const LatexLogEntry &e = log.log().at(entry);
    if (e.file.isEmpty()) {
        m_window->statusBar()->showMessage(Str::text(Str::EntryWithoutFile));
        return;
    }
    m_host.openDocumentAt(e.file, e.line);
    // After the editor opened: its own texts would cover the message otherwise.
    const QString where = e.kind == LatexLogEntry::Kind::Error
                              ? Str::format(Str::ErrorPosition, {QString::number(log.errorsBefore(entry) + 1),
                                                                 QString::number(log.log().errorCount()), e.message})
                              : e.message;
    m_window->statusBar()->showMessage(where);
}
