#include "app/settingsfailurereport.h"

#include "common/prompter.h"
#include "platform/fileerror.h"
#include "platform/profile.h"
#include "resources/fileerrortext.h"
#include "resources/strings.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cerrno>

SettingsFailureReport::SettingsFailureReport(Profile &profile, Prompter &prompter, std::function<bool()> canShow,
                                             QObject *parent)
    : QObject(parent)
    , m_profile(profile)
    , m_prompter(prompter)
    , m_canShow(std::move(canShow))
{
    m_profile.setWriteFailedHandler([this](const FileError &error) { writeFailed(error); });
}

SettingsFailureReport::~SettingsFailureReport() { m_profile.setWriteFailedHandler({}); }

void SettingsFailureReport::checkAtStart()
{
    FileError error = m_profile.readError();
    const QFileInfo dir(QFileInfo(m_profile.path()).absolutePath());
    if (!error.failed() && dir.isDir() && !dir.isWritable())
        error = FileError::fromErrno(FileError::Kind::WriteFailed, m_profile.path(), EACCES);
    if (error.failed() && !m_said)
        show(error);
}

void SettingsFailureReport::flush()
{
    if (m_waiting.failed())
        show(m_waiting);
}

void SettingsFailureReport::writeFailed(const FileError &error)
{
    if (m_said || m_waiting.failed())
        return;
    // Never from inside the write: its caller may be half-way through a change.
    m_waiting = error;
    QTimer::singleShot(0, this, [this] { showWhenPossible(); });
}

void SettingsFailureReport::showWhenPossible()
{
    if (!m_waiting.failed())
        return;
    if (m_canShow && !m_canShow()) {
        QTimer::singleShot(250, this, [this] { showWhenPossible(); });
        return;
    }
    show(m_waiting);
}

void SettingsFailureReport::show(const FileError &error)
{
    m_said = true;
    m_waiting = FileError();
    m_prompter.message(Str::format(Str::SettingsWriteFailed,
                                   {QDir::toNativeSeparators(error.path.isEmpty() ? m_profile.path() : error.path),
                                    FileErrorText::text(error)}));
}
