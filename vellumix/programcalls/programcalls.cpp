#include "programcalls/programcalls.h"

#include "programcalls/programcallshost.h"
#include "programcalls/tprogramsdialog.h"

#include <QAction>
#include <QDir>
#include <QWidget>

ProgramCalls::ProgramCalls(ProgramCallsHost &host, QWidget *window)
    : QObject(window), m_host(host), m_commands(host), m_programsDlg(new TProgramsDialog(window))
{
    setObjectName(QStringLiteral("ProgramCalls"));
    m_actions.compile = makeAction("&Compile", "Compile1", QKeySequence(Qt::Key_F6));
    m_actions.logFile = makeAction("&Log File", "LogFile1", QKeySequence(Qt::Key_F7));
    m_actions.preview = makeAction("&Preview", "Preview1", QKeySequence(Qt::Key_F8));
    m_actions.programCalls = makeAction("&Program Calls...", "ProgramCalls1", {});

    connect(m_actions.compile, &QAction::triggered, this, [this] { m_commands.compile(); });
    connect(m_actions.logFile, &QAction::triggered, this, [this] { m_commands.showLogFile(); });
    connect(m_actions.preview, &QAction::triggered, this, [this] { m_commands.preview(); });
    connect(m_actions.programCalls, &QAction::triggered, this, &ProgramCalls::editProgramCalls);
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
