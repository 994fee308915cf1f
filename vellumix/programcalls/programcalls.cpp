#include "programcalls/programcalls.h"

#include "editor/teditform.h"
#include "app/tframeform.h"
#include "programcalls/tprogramsdialog.h"
#include "cleanup/tcleanupdlg.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

TProgramCalls::TProgramCalls(QWidget *window, ProgramCallsFrame frame)
    : QObject(window)
    , m_window(window)
    , m_frame(std::move(frame))
    , m_commands(*this)
{
    setObjectName(QStringLiteral("ProgramCalls"));
    m_compile = makeAction("&Compile", "Compile1", QKeySequence(Qt::Key_F6));
    m_logFile = makeAction("&Log File", "LogFile1", QKeySequence(Qt::Key_F7));
    m_preview = makeAction("&Preview", "Preview1", QKeySequence(Qt::Key_F8));
    m_programCalls = makeAction("&Program Calls...", "ProgramCalls1", {});
    m_cleanUp = makeAction("&Clean Up...", "CleanUp1", {});

    connect(m_compile, &QAction::triggered, this, [this] { m_commands.compile(); });
    connect(m_logFile, &QAction::triggered, this, [this] { m_commands.showLogFile(); });
    connect(m_preview, &QAction::triggered, this, [this] { m_commands.preview(); });
    connect(m_programCalls, &QAction::triggered, this, &TProgramCalls::editProgramCalls);
    connect(m_cleanUp, &QAction::triggered, this, &TProgramCalls::cleanUp);

    m_programsDlg = new TProgramsDialog(window);
}

TProgramCalls::~TProgramCalls() = default;

TProgramCalls *TProgramCalls::install(TFrameForm &frame)
{
    TFrameForm *f = &frame;
    ProgramCallsFrame lend;
    lend.mainFile = [f] { return f->mainFile(); };
    lend.selectMainFile = [f] { return f->selectMainFile(); };
    lend.saveModifiedEditors = [f] { f->saveModifiedEditors(); };
    lend.openFile = [f](const QString &path) { f->openFile(path, OpenFormat::Plain, 0); };
    lend.showMainFile = [f](const QString &) { f->showMainFileStatus(); };
    lend.expand = [f](const QString &t) { return f->expand(t); };
    lend.templates = [f] {
        ProgramTemplates t;
        t.compile = f->settings().compile;
        t.logFile = f->settings().logFile;
        t.preview = f->settings().preview;
        return t;
    };
    lend.setTemplates = [f](const ProgramTemplates &t) {
        f->settings().compile = t.compile;
        f->settings().logFile = t.logFile;
        f->settings().preview = t.preview;
    };
    lend.showError = [f](const QString &text) { f->prompter()->showError(text); };

    auto *calls = new TProgramCalls(f, std::move(lend));
    // The clean-up works on the current directory, which the frame keeps at the main
    // file's directory; the dialog lives until exit and then writes its marks.
    calls->createCleanUpDialog(f->settingsFileInUse(), f->settingsFileTarget(), !f->settingsUnavailable());

    f->addMenuAction(QStringLiteral("TeX1"), calls->compileAction());
    f->addMenuAction(QStringLiteral("TeX1"), calls->logFileAction());
    f->addMenuAction(QStringLiteral("TeX1"), calls->previewAction());
    f->addMenuAction(QStringLiteral("File1"), calls->cleanUpAction(), QStringLiteral("FileExitSeparator"));
    f->addMenuAction(QStringLiteral("Options1"), calls->programCallsAction());
    f->setCommandRunner([calls](const QString &commandLine, const QString &workingDir) {
        calls->run(commandLine, workingDir);
    });
    // Speed-bar buttons of the TeX commands become usable now that their actions exist.
    f->rebuildSpeedBar();
    return calls;
}

QAction *TProgramCalls::makeAction(const char *text, const char *name, const QKeySequence &key)
{
    auto *a = new QAction(QString::fromUtf8(text), this);
    a->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

TCleanUpDlg *TProgramCalls::createCleanUpDialog(const QString &settingsInUse, const QString &perUserSettings,
                                                bool settingsAvailable)
{
    if (!m_cleanUpDlg) {
        m_cleanUpDlg = new TCleanUpDlg(settingsInUse, perUserSettings, settingsAvailable, m_window);
        m_cleanUpDlg->setDirectoryProvider([this] { return cleanUpDirectory(); });
    }
    return m_cleanUpDlg;
}

QString TProgramCalls::cleanUpDirectory() const
{
    const QString dir = m_commands.mainDirectory();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

bool TProgramCalls::openDocument(const QString &path, const QString &workingDir)
{
    if (!workingDir.isEmpty())
        QDir::setCurrent(workingDir);
    return m_commands.runner().open(path, workingDir);
}

void TProgramCalls::editProgramCalls()
{
    ProgramTemplates t = templates();
    if (m_programsDlg->edit(t) && m_frame.setTemplates)
        m_frame.setTemplates(t);
}

void TProgramCalls::cleanUp()
{
    if (!m_cleanUpDlg)
        createCleanUpDialog(QString(), QString(), false);
    m_cleanUpDlg->exec();
}

void TProgramCalls::saveModifiedEditors()
{
    if (m_frame.saveModifiedEditors)
        m_frame.saveModifiedEditors();
}

void TProgramCalls::showRunError(const QString &message)
{
    if (m_frame.showError)
        m_frame.showError(message);
}

QString TProgramCalls::mainFile() const
{
    return m_frame.mainFile ? m_frame.mainFile() : QString();
}

bool TProgramCalls::selectMainFile()
{
    return m_frame.selectMainFile && m_frame.selectMainFile();
}

QString TProgramCalls::expand(const QString &commandTemplate) const
{
    return m_frame.expand ? m_frame.expand(commandTemplate) : commandTemplate;
}

void TProgramCalls::openFile(const QString &path)
{
    if (m_frame.openFile)
        m_frame.openFile(path);
}

void TProgramCalls::showMainFile(const QString &path)
{
    if (m_frame.showMainFile)
        m_frame.showMainFile(path);
}

ProgramTemplates TProgramCalls::templates() const
{
    return m_frame.templates ? m_frame.templates() : ProgramTemplates();
}
