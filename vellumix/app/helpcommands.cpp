#include "app/helpcommands.h"

#include "app/helpfiles.h"
#include "app/helpwindow.h"
#include "common/prompter.h"
#include "programcalls/desktopopener.h"

#include "platform/hostprocess.h"

#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <utility>

namespace {
constexpr int LookupLimitMs = 60000;
}

HelpCommands::HelpCommands(const QString &programDir, Prompter &prompter, QWidget *window, QStatusBar *status)
    : QObject(window), m_programDir(programDir), m_prompter(prompter), m_parent(window), m_status(status),
      m_opener(new DesktopOpener(this))
{
    setObjectName(QStringLiteral("HelpCommands"));
    connect(m_opener, &DesktopOpener::failed, this, [this](const QString &path, const QString &reason) {
        m_prompter.showError(HelpFiles::UnableToOpenHelp.arg(QDir::toNativeSeparators(path), reason));
    });
}

void HelpCommands::setStatus(const QString &text)
{
    if (!m_status)
        return;
    if (text.isEmpty())
        m_status->clearMessage();
    else
        m_status->showMessage(text);
}

void HelpCommands::open(const QString &path)
{
    QString error;
    if (!m_opener->open(path, m_programDir, path, &error))
        m_prompter.showError(HelpFiles::UnableToOpenHelp.arg(QDir::toNativeSeparators(path), error));
}

void HelpCommands::showProgramHelp()
{
    const HelpFiles::Found found = HelpFiles::programHelp(m_programDir);
    switch (found.kind) {
    case HelpFiles::Found::Kind::HelpFile:
        open(found.path);
        return;
    case HelpFiles::Found::Kind::Readme: {
        if (!m_window)
            m_window = new HelpWindow(m_parent);
        QString error;
        if (!m_window->showFile(found.path, &error))
            m_prompter.showError(HelpFiles::UnableToOpenHelp.arg(QDir::toNativeSeparators(found.path), error));
        return;
    }
    case HelpFiles::Found::Kind::None:
        m_prompter.showError(HelpFiles::NoProgramHelp.arg(QDir::toNativeSeparators(m_programDir)));
        return;
    }
}

void HelpCommands::showLatexHelp()
{
    const QString file = HelpFiles::latexHelpFile(m_programDir);
    if (!file.isEmpty()) {
        open(file);
        return;
    }
    if (m_lookup)
        return; // the question is already out
    const QString texdoc = HostProcess::findProgram(m_texdoc);
    if (texdoc.isEmpty()) {
        m_prompter.showError(HelpFiles::NoTexdoc.arg(QDir::toNativeSeparators(m_programDir),
                                                     QStringLiteral("Program not found: ") + m_texdoc));
        return;
    }
    m_lookup = new QProcess(this);
    m_lookup->setStandardInputFile(QProcess::nullDevice());
    m_lookup->setStandardErrorFile(QProcess::nullDevice());
    connect(m_lookup, &QProcess::finished, this, &HelpCommands::texdocEnded);
    connect(m_lookup, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            texdocEnded();
    });
    // A texdoc that never answers must not keep the question open for ever.
    QProcess *lookup = m_lookup;
    QTimer::singleShot(LookupLimitMs, lookup, [lookup] { lookup->kill(); });
    setStatus(HelpFiles::LookingForLatexHelp);
    m_lookup->start(texdoc, {QStringLiteral("-l"), QStringLiteral("-M"), HelpFiles::LatexReference});
}

void HelpCommands::texdocEnded()
{
    QProcess *p = std::exchange(m_lookup, nullptr);
    if (!p)
        return;
    p->deleteLater();
    setStatus(QString());
    const QString found = HelpFiles::bestTexdocMatch(p->readAllStandardOutput());
    if (found.isEmpty()) {
        m_prompter.showError(HelpFiles::NoLatexHelp.arg(QDir::toNativeSeparators(m_programDir)));
        return;
    }
    open(found);
}
