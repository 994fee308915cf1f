#include "programcalls/programcalls.h"

#include "programcalls/compilelogview.h"
#include "programcalls/programcallshost.h"
#include "programcalls/tprogramsdialog.h"

#include <QAction>
#include <QDir>
#include <QWidget>

ProgramCalls::ProgramCalls(ProgramCallsHost &host, QWidget *window)
    : QObject(window), m_host(host), m_commands(host), m_programsDlg(new TProgramsDialog(window)),
      m_logView(new CompileLogView(window))
{
    setObjectName(QStringLiteral("ProgramCalls"));
    m_actions.compile = makeAction("&Compile", "Compile1", QKeySequence(Qt::Key_F6));
    m_actions.logFile = makeAction("&Log File", "LogFile1", QKeySequence(Qt::Key_F7));
    m_actions.preview = makeAction("&Preview", "Preview1", QKeySequence(Qt::Key_F8));
    m_actions.stopCompile = makeAction("&Stop Compile", "StopCompile1", {});
    m_actions.nextError = makeAction("&Next Error", "NextError1", QKeySequence(Qt::Key_F5));
    m_actions.previousError = makeAction("Pre&vious Error", "PreviousError1", QKeySequence(Qt::CTRL | Qt::Key_F5));
    m_actions.programCalls = makeAction("&Program Calls...", "ProgramCalls1", {});
    m_actions.stopCompile->setEnabled(false);
    m_logView->hide();

    Compiler &c = m_commands.compiler();
    connect(m_actions.compile, &QAction::triggered, this, [this] { m_commands.compile(); });
    connect(m_actions.logFile, &QAction::triggered, this, [this] { m_commands.showLogFile(); });
    connect(m_actions.preview, &QAction::triggered, this, [this] { m_commands.preview(); });
    connect(m_actions.stopCompile, &QAction::triggered, &c, &Compiler::stop);
    connect(m_actions.nextError, &QAction::triggered, &c, &Compiler::nextError);
    connect(m_actions.previousError, &QAction::triggered, &c, &Compiler::previousError);
    connect(m_actions.programCalls, &QAction::triggered, this, &ProgramCalls::editProgramCalls);

    connect(&c, &Compiler::started, m_logView, [this](const QString &commandLine) {
        m_logView->begin(commandLine);
        m_logView->show();
    });
    connect(&c, &Compiler::output, m_logView, &CompileLogView::append);
    connect(&c, &Compiler::finished, m_logView, &CompileLogView::end);
    connect(&c, &Compiler::runningChanged, m_actions.stopCompile, &QAction::setEnabled);
}

ProgramCalls::~ProgramCalls() = default;

QAction *ProgramCalls::makeAction(const char *text, const char *name, const QKeySequence &key)
{
    auto *a = new QAction(QString::fromUtf8(text), this);
    a->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

bool ProgramCalls::openDocument(const QString &path, const QString &workingDir)
{
    if (!workingDir.isEmpty())
        QDir::setCurrent(workingDir);
    return m_commands.runner().open(path, workingDir);
}

void ProgramCalls::editProgramCalls()
{
    ProgramTemplates t = m_host.templates();
    if (m_programsDlg->edit(t))
        m_host.setTemplates(t);
}
