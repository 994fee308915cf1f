#include "tools/ctoolcommands.h"

#include "app/cshellsettings.h"
#include "tools/clogbar.h"
#include "tools/cmaintexdialog.h"
#include "tools/cprogramcallssheet.h"
#include "tools/filechooser.h"
#include "tools/toolcommandids.h"
#include "tools/toolrunner.h"
#include "tools/toolstrings.h"
#include "platform/hostprocess.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
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

class CToolCommands::Host : public ToolHost
{
public:
    Host(QMainWindow *frame, CLogBar *logBar, FrameHooks hooks, CToolCommands *owner)
        : m_frame(frame), m_logBar(logBar), m_hooks(std::move(hooks)), m_owner(owner)
    {
    }

    bool saveModifiedDocuments() override
    {
        return m_hooks.saveModifiedDocuments ? m_hooks.saveModifiedDocuments() : false;
    }
    bool hasOpenDocuments() const override { return m_hooks.hasOpenDocuments && m_hooks.hasOpenDocuments(); }
    std::optional<ActiveDocument> activeDocument() const override
    {
        return m_hooks.activeDocument ? m_hooks.activeDocument() : std::nullopt;
    }
    void activateMainWindow() override
    {
        m_frame->raise();
        m_frame->activateWindow();
    }
    void showMessage(const QString &text) override
    {
        if (m_hooks.showMessage) {
            m_hooks.showMessage(text);
            return;
        }
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Scriblet"), text, QMessageBox::Ok, m_frame);
        box.setObjectName(QStringLiteral("ToolMessage"));
        box.exec();
    }
    void setLogText(const QString &text) override
    {
        if (m_logBar)
            m_logBar->setText(text);
    }
    void setMainDocumentStatus(const QString &text) override
    {
        if (m_hooks.setMainDocumentStatus)
            m_hooks.setMainDocumentStatus(text);
        else if (m_owner->m_statusPane)
            m_owner->m_statusPane->setText(text);
    }
    bool needsTexRun() const override { return m_hooks.needsTexRun ? m_hooks.needsTexRun() : m_needsTexRun; }
    void setNeedsTexRun(bool on) override
    {
        if (m_hooks.setNeedsTexRun)
            m_hooks.setNeedsTexRun(on);
        else
            m_needsTexRun = on;
    }
    bool isProjectLoaded() const override { return m_hooks.isProjectLoaded && m_hooks.isProjectLoaded(); }
    void refreshTableOfContents() override
    {
        if (m_hooks.refreshTableOfContents)
            m_hooks.refreshTableOfContents();
    }
    void beginWaitedRun(const QString &statusText) override
    {
        if (m_depth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            qApp->installEventFilter(&m_blocker);
        }
        m_frame->statusBar()->showMessage(statusText);
        QCoreApplication::processEvents();
    }
    void endWaitedRun() override
    {
        if (m_depth > 0 && --m_depth == 0) {
            qApp->removeEventFilter(&m_blocker);
            QApplication::restoreOverrideCursor();
            m_frame->statusBar()->clearMessage();
        }
    }
    void keepAlive() override { QCoreApplication::processEvents(); }

    bool isBusy() const { return m_depth > 0; }

private:
    QMainWindow *m_frame;
    CLogBar *m_logBar;
    FrameHooks m_hooks;
    CToolCommands *m_owner;
    InputBlocker m_blocker;
    int m_depth = 0;
    bool m_needsTexRun = true;
};

CToolCommands::CToolCommands(QMainWindow *frame, CShellSettings &settings, CLogBar *logBar, FrameHooks hooks,
                             std::unique_ptr<FileChooser> chooser)
    : QObject(frame)
    , m_frame(frame)
    , m_settings(settings)
    , m_chooser(chooser ? std::move(chooser) : std::make_unique<DialogFileChooser>())
    , m_host(std::make_unique<Host>(frame, logBar, hooks, this))
    , m_runner(std::make_unique<ToolRunner>(settings, *m_host))
{
    using namespace ToolCommandIds;
    m_runLatex = makeAction(RunLatex, QStringLiteral("&LaTeX"),
                            QStringLiteral("Ausführen von LaTeX.\nLaTeX"), QKeySequence(Qt::Key_F5), hooks);
    m_runBibtex = makeAction(RunBibtex, QStringLiteral("&BibTeX"),
                             QStringLiteral("Ausführen von BibTeX\nBibTeX"), QKeySequence(Qt::Key_F6), hooks);
    m_runDviViewer = makeAction(RunDviViewer, QStringLiteral("&DVIWin"),
                                QStringLiteral("Aufrufen eines DVI-Viewers für Windows.\nDVIWin"),
                                QKeySequence(Qt::Key_F7), hooks);
    m_runDvips = makeAction(RunDvips, QStringLiteral("&DVI -> PS"),
                            QStringLiteral("Aufrufen von DVIPS.\nDVIPS"), QKeySequence(Qt::Key_F8), hooks);
    m_runPsViewer = makeAction(RunPsViewer, QStringLiteral("&GhostView"),
                               QStringLiteral("Aufrufen des GhostView'ers.\nGhostView"), QKeySequence(Qt::Key_F9), hooks);
    m_mainDocument = makeAction(MainDocument, QStringLiteral("&Haupt-TeX-Dokument"),
                                QStringLiteral("Festlegen des Haupt-TeX-Dokuments.\nHauptdokument"),
                                QKeySequence(Qt::Key_F4), hooks);
    m_programCalls = makeAction(ProgramCalls, QStringLiteral("&Programmaufrufe"),
                                QStringLiteral("Einstellungen für die Programme\nProgrammaufrufe"), QKeySequence(), hooks);
    for (int n = 0; n < 10; ++n) {
        m_userTools[n] = makeAction(UserToolFirst + n, QString(), QString(),
                                    QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + n)), hooks);
        connect(m_userTools[n], &QAction::triggered, this, [this, n] { onUserTool(n); });
    }
    updateUserToolTexts();

    connect(m_runLatex, &QAction::triggered, this, &CToolCommands::onRunLatex);
    connect(m_runBibtex, &QAction::triggered, this, &CToolCommands::onRunBibtex);
    connect(m_runDviViewer, &QAction::triggered, this, &CToolCommands::onRunDviViewer);
    connect(m_runDvips, &QAction::triggered, this, &CToolCommands::onRunDvips);
    connect(m_runPsViewer, &QAction::triggered, this, &CToolCommands::onRunPsViewer);
    connect(m_mainDocument, &QAction::triggered, this, &CToolCommands::onMainDocument);
    connect(m_programCalls, &QAction::triggered, this, &CToolCommands::onProgramCalls);
}

CToolCommands::~CToolCommands() = default;

QAction *CToolCommands::makeAction(int id, const QString &text, const QString &prompt, const QKeySequence &key,
                                   const FrameHooks &hooks)
{
    QAction *action = nullptr;
    if (hooks.createAction) {
        action = hooks.createAction(id, text, key);
    } else {
        action = new QAction(text, m_frame);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        if (!key.isEmpty()) {
            action->setShortcut(key);
            // On the frame itself, so that the keys work with and without a document.
            action->setShortcutContext(Qt::WindowShortcut);
            m_frame->addAction(action);
        }
    }
    action->setProperty("commandId", id);
    const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
    if (nl >= 0) {
        action->setStatusTip(prompt.left(nl));
        action->setToolTip(prompt.mid(nl + 1));
    }
    return action;
}

QList<QAction *> CToolCommands::runActions() const
{
    return {m_runLatex, m_runBibtex, m_runDviViewer, m_runDvips, m_runPsViewer};
}

QLabel *CToolCommands::installStatusPane(QStatusBar *statusBar)
{
    if (!m_statusPane) {
        m_statusPane = new QLabel(statusBar);
        m_statusPane->setObjectName(QStringLiteral("MainDocumentPane%1").arg(ToolCommandIds::MainDocumentStatusPane));
        m_statusPane->setAccessibleName(QStringLiteral("Haupt-TeX-Dokument"));
        m_statusPane->setMinimumWidth(
            m_statusPane->fontMetrics().horizontalAdvance(QStringLiteral("Haupt-TeX-Dokument :  diesisteinfilename")));
        statusBar->addPermanentWidget(m_statusPane);
    }
    m_statusPane->setText(ToolStrings::mainDocumentStatus(m_settings.mainTex()));
    return m_statusPane;
}

void CToolCommands::updateUserToolTexts()
{
    for (int n = 0; n < 10; ++n) {
        const QString &name = m_settings.userTools[n].name;
        m_userTools[n]->setText(name);
        m_userTools[n]->setToolTip(name);
        m_userTools[n]->setStatusTip(ToolStrings::toolRunning(name));
    }
}

// A second command while a waited tool runs is ignored: input is blocked, but a
// queued shortcut must not start another run inside the first.
void CToolCommands::onRunLatex()
{
    if (!m_host->isBusy())
        m_runner->runLatex();
}

void CToolCommands::onRunBibtex()
{
    if (!m_host->isBusy())
        m_runner->runBibtex();
}

void CToolCommands::onRunDviViewer()
{
    if (!m_host->isBusy())
        m_runner->runDviViewer();
}

void CToolCommands::onRunDvips()
{
    if (!m_host->isBusy())
        m_runner->runDvips();
}

void CToolCommands::onRunPsViewer()
{
    if (!m_host->isBusy())
        m_runner->runPsViewer();
}

void CToolCommands::onUserTool(int n)
{
    if (!m_host->isBusy())
        m_runner->runUserTool(n);
}

void CToolCommands::onMainDocument()
{
    if (m_host->isBusy())
        return;
    CMainTexDialog dialog(m_settings.mainTex(), *m_chooser, m_frame);
    if (dialog.exec() == QDialog::Accepted)
        m_runner->setMainDocument(dialog.mainTex(), dialog.mainPath());
}

void CToolCommands::onProgramCalls()
{
    if (m_host->isBusy())
        return;
    CProgramCallsSheet sheet(m_settings, *m_chooser, m_frame);
    sheet.exec();
    updateUserToolTexts();
}
