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
    Display(QMainWindow *window, CLogBar *logBar, std::function<void()> ended)
        : m_window(window), m_logBar(logBar), m_ended(std::move(ended))
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
    void setLogText(const QString &text) override
    {
        if (m_logBar)
            m_logBar->setText(text);
    }

    bool isBusy() const { return m_depth > 0; }

private:
    QMainWindow *m_window;
    CLogBar *m_logBar;
    std::function<void()> m_ended;
    InputBlocker m_blocker;
    int m_depth = 0;
};

ToolCommands::ToolCommands(QMainWindow *window, CShellSettings &settings, ToolHost &host, Prompter &prompter,
                           CLogBar *logBar, std::unique_ptr<ToolLauncher> launcher)
    : QObject(window)
    , m_window(window)
    , m_settings(settings)
    , m_prompter(prompter)
    , m_display(std::make_unique<Display>(window, logBar, [this] { emit waitedRunEnded(); }))
    , m_runner(std::make_unique<ToolRunner>(settings, host, *m_display, prompter, std::move(launcher)))
{
    setObjectName(QStringLiteral("ToolCommands"));
    m_runLatex = makeAction(Cmd::RunLatex, Str::CapRunLatex, QKeySequence(Qt::Key_F5));
    m_runBibtex = makeAction(Cmd::RunBibtex, Str::CapRunBibtex, QKeySequence(Qt::Key_F6));
    m_runDviViewer = makeAction(Cmd::RunDviViewer, Str::CapRunDviViewer, QKeySequence(Qt::Key_F7));
    m_runDvips = makeAction(Cmd::RunDvips, Str::CapRunDvips, QKeySequence(Qt::Key_F8));
    m_runPsViewer = makeAction(Cmd::RunPsViewer, Str::CapRunPsViewer, QKeySequence(Qt::Key_F9));
    m_mainDocument = makeAction(Cmd::MainDocument, Str::CapMainDocument, QKeySequence(Qt::Key_F4));
    m_programCalls = makeAction(Cmd::ProgramCalls, Str::CapProgramCalls, QKeySequence());
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
}

ToolCommands::~ToolCommands() = default;

QAction *ToolCommands::makeAction(int id, int captionId, const QKeySequence &key)
{
    auto *action = new QAction(m_window);
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setProperty("commandId", id);
    if (captionId)
        ActionText::set(action, captionId, id);
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
    all << m_mainDocument << m_programCalls;
    for (QAction *a : m_userTools)
        all << a;
    return all;
}

bool ToolCommands::isBusy() const { return m_display->isBusy(); }

void ToolCommands::updateUserToolTexts()
{
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
