#include "frame/tprogramcalls.h"

#include "frame/tprogramsdialog.h"
#include "spell/tcleanupdlg.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

TProgramCalls::TProgramCalls(QWidget *window, ProgramCallsFrame frame)
    : QObject(window)
    , m_window(window)
    , m_frame(std::move(frame))
    , m_commands(*this)
{
    m_selectMainFile = makeAction("&Main File...", "SelectMainFile1", {});
    m_mainFile = makeAction("&Main File", "MainFile1", QKeySequence(Qt::Key_F4));
    m_compile = makeAction("&Compile", "Compile1", QKeySequence(Qt::Key_F6));
    m_logFile = makeAction("&Log File", "LogFile1", QKeySequence(Qt::Key_F7));
    m_preview = makeAction("&Preview", "Preview1", QKeySequence(Qt::Key_F8));
    m_programCalls = makeAction("&Program Calls...", "ProgramCalls1", {});
    m_cleanUp = makeAction("&Clean Up...", "CleanUp1", {});

    connect(m_selectMainFile, &QAction::triggered, this, [this] { selectMainFile(); });
    connect(m_mainFile, &QAction::triggered, this, [this] { m_commands.openMainFile(); });
    connect(m_compile, &QAction::triggered, this, [this] { m_commands.compile(); });
    connect(m_logFile, &QAction::triggered, this, [this] { m_commands.showLogFile(); });
    connect(m_preview, &QAction::triggered, this, [this] { m_commands.preview(); });
    connect(m_programCalls, &QAction::triggered, this, &TProgramCalls::editProgramCalls);
    connect(m_cleanUp, &QAction::triggered, this, &TProgramCalls::cleanUp);

    m_programsDlg = new TProgramsDialog(window);

    askMainFile = [this](const QString &startDirectory) {
        QFileDialog dlg(m_window, QLatin1String(SelectMainFileTitle), startDirectory,
                        QLatin1String(MainFileFilter));
        dlg.setObjectName(QStringLiteral("MainFileDialog"));
        dlg.setFileMode(QFileDialog::ExistingFile);
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setDefaultSuffix(QStringLiteral("tex"));
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return QString();
        return dlg.selectedFiles().constFirst();
    };
    showError = [this](const QString &message) {
        QMessageBox::critical(m_window, QLatin1String(RunErrorCaption), message);
    };
}

TProgramCalls::~TProgramCalls() = default;

QAction *TProgramCalls::makeAction(const char *text, const char *name, const QKeySequence &key)
{
    auto *a = new QAction(QString::fromUtf8(text), this);
    a->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

void TProgramCalls::setExternalPrograms(QMenu *texMenu, const QList<QPair<QString, QString>> &programs)
{
    for (QAction *a : std::as_const(m_externalActions))
        delete a;
    m_externalActions.clear();
    delete m_externalSeparator;
    m_externalSeparator = nullptr;
    if (programs.isEmpty() || !texMenu)
        return;
    m_externalSeparator = texMenu->addSeparator();
    int n = 0;
    for (const auto &[caption, commandTemplate] : programs) {
        QAction *a = texMenu->addAction(caption);
        a->setObjectName(QStringLiteral("ExternalProgram%1").arg(++n));
        const QString templ = commandTemplate;
        connect(a, &QAction::triggered, this, [this, templ] { m_commands.runTemplate(templ); });
        m_externalActions << a;
    }
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

bool TProgramCalls::selectMainFile()
{
    const QString current = mainFile();
    const QString start = current.isEmpty() ? QDir::currentPath() : QFileInfo(current).absolutePath();
    const QString chosen = askMainFile ? askMainFile(start) : QString();
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return false;
    if (m_frame.setMainFile)
        m_frame.setMainFile(QFileInfo(chosen).absoluteFilePath());
    m_commands.openMainFile();
    return true;
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
    if (showError)
        showError(message);
}

QString TProgramCalls::mainFile() const
{
    return m_frame.mainFile ? m_frame.mainFile() : QString();
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
