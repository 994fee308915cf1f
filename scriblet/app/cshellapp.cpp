#include "app/cshellapp.h"

#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/cshelldoc.h"
#include "platform/localchannel.h"
#include "platform/saferead.h"
#include "recovery/documentsafety.h"
#include "platform/paths.h"
#include "platform/textcodec.h"
#include "resources/language.h"
#include "resources/strings.h"
#include "tools/toolcommands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <utility>

CShellApp::CShellApp(CShellSettings *settings, Prompter *prompter, const QString &serviceName,
                     const QString &settingsDir)
    : m_settings(settings)
    , m_prompter(prompter)
    , m_serviceName(serviceName)
    , m_settingsDirOverride(settingsDir)
    , m_handOvers([this] { return canTakeHandOver(); }, [this](const QByteArray &m) { execute(m); },
                  [this] { reportMissingHandOvers(); })
{
}

CShellApp::~CShellApp() { delete m_frame.data(); }

namespace {

// A relative file or project name that exists from the directory the program was
// started in is taken from there (the running instance and the main-document
// directory may lie elsewhere); any other name stays as given. A main document
// keeps its name as given: without a directory its directory is ".".
void anchor(QString &name)
{
    if (!name.isEmpty() && QFileInfo(name).isRelative() && QFileInfo::exists(name))
        name = QFileInfo(name).absoluteFilePath();
}

// Names in messages stay readable whatever arrived.
QString shown(const QString &name)
{
    return name.size() > 260 ? name.left(256) + QStringLiteral("...") : name;
}

} // namespace

CMainFrame *CShellApp::frame() const { return m_frame.data(); }

CShellApp::StartResult CShellApp::start(const QStringList &args, bool showSplash)
{
    m_cmdInfo.parse(args);
    anchor(m_cmdInfo.projectPath);
    anchor(m_cmdInfo.filePath);
    const QList<QByteArray> handOver = {QByteArray(TopicName), m_cmdInfo.handOverMessage()};

    // Another instance running: hand the command line over and end. When it
    // vanishes between the two steps, this start becomes the running instance.
    // When no channel can be had (a server that answers but takes nothing, a
    // fallback folder another user made), this start runs without one.
    QString channelError;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (LocalChannelClient::send(m_serviceName, handOver))
            return StartResult::HandedOver;
        auto server = std::make_unique<LocalChannelServer>(m_serviceName);
        if (server->listen()) {
            m_server = std::move(server);
            break;
        }
        channelError = server->errorString();
    }
    if (m_server)
        connect(m_server.get(), &LocalChannelServer::messagesReceived, this,
                [this](const QList<QByteArray> &messages) { onMessages(messages); });

    if (showSplash) {
        QPixmap pix(360, 160);
        pix.fill(QColor(0xf0, 0xf0, 0xe8));
        {
            QPainter p(&pix);
            p.setPen(QColor(0x20, 0x30, 0x80));
            QFont f = p.font();
            f.setPointSize(28);
            f.setBold(true);
            p.setFont(f);
            p.drawText(pix.rect(), Qt::AlignCenter, Str::text(Str::AppName));
            p.drawRect(pix.rect().adjusted(0, 0, -1, -1));
        }
        m_splash = std::make_unique<QSplashScreen>(pix);
        m_splash->setObjectName(QStringLiteral("dialog851"));
        m_splash->setAccessibleName(Str::text(Str::AppName));
        m_splash->show();
        m_splash->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    m_settings->setSettingsDir(m_settingsDirOverride.isEmpty() ? Paths::scribletSettingsDir() : m_settingsDirOverride);
    m_settings->readPageSetup(Str::text(Str::PageHeaderDefault), Str::text(Str::PageFooterDefault));

    // Language: asked once, on the very first start.
    if (m_settings->readLanguage() == 99) {
        closeSplash();
        m_settings->setLanguage(m_prompter->chooseLanguage());
        m_firstStart = true;
    }
    if (!m_firstStart && m_settings->storedVersion() != QLatin1String(ScribletVersion)) {
        closeSplash();
        m_firstStart = true;
    }
    // The language file becomes the source of every text before the frame builds
    // its menus; one that cannot be used keeps German, said in the status bar.
    QString languageMessage;
    Language::activate(m_settings->language, m_settings->languageDir, &languageMessage);
    m_settings->language = Language::active();

    m_frame = new CMainFrame(m_settings, m_prompter);
    if (!m_frame->create(&m_cmdInfo)) {
        closeSplash();
        const QString dir = m_settings->settingsDir();
        m_prompter->message(Str::format(Str::CantFind, {dir + QStringLiteral("ScribletTools.bmp"),
                                                        dir + QStringLiteral("ScribletMacros.bmp")}));
        delete m_frame.data();
        return StartResult::Failed;
    }
    m_frame->show();
    if (!languageMessage.isEmpty())
        m_frame->statusBar()->showMessage(languageMessage);
    // Hand-overs that came during a waited tool run are taken when it has ended,
    // after the command that ran it is over.
    if (ToolCommands *tools = m_frame->toolCommands())
        connect(tools, &ToolCommands::waitedRunEnded, this,
                [this] { QTimer::singleShot(0, this, [this] { m_handOvers.drain(); }); });

    if (!m_server) {
        closeSplash();
        m_prompter->message(Str::format(Str::ChannelUnavailable, {channelError}));
    }

    if (!m_cmdInfo.filePath.isEmpty()) {
        closeSplash();
        openNamedFile(m_cmdInfo.filePath, m_cmdInfo.lineNumber);
    }
    if (m_cmdInfo.projectPath.endsWith(QLatin1String(".sbp")))
        m_frame->requestProject(m_cmdInfo.projectPath);

    // Texts of an earlier run that ended without saving them (documents opened
    // above were offered as they opened).
    closeSplash();
    if (DocumentSafety *safety = m_frame->documentSafety())
        safety->offerPending();

    if (m_firstStart) {
        m_prompter->showInformation();
        m_prompter->showAbout();
    }
    // Start-up is over: what later starts handed over meanwhile is opened now.
    m_ready = true;
    m_handOvers.drain();
    return StartResult::Running;
}

bool CShellApp::openNamedFile(const QString &path, int line)
{
    // Checked without blocking: a FIFO or a device is never opened for reading.
    QFile probe;
    FileError error;
    if (!SafeRead::openRegularFile(probe, path, &error)) {
        if (error.kind == FileError::Kind::NotFound) {
            if (m_inHandOver) {
                if (!m_missingHandOvers.contains(path))
                    m_missingHandOvers.append(path);
                return false;
            }
            m_prompter->message(Str::format(Str::NotFound, {shown(path), m_settings->mainPath()}));
        } else {
            const QString why = QFileInfo(path).isDir() ? Str::text(Str::CauseIsDirectory) : CShellDoc::errorText(error);
            m_prompter->message(Str::format(Str::OpenFailed, {shown(QDir::toNativeSeparators(path)), why}));
        }
        return false;
    }
    probe.close();
    return m_frame->documents().openDocument(path, line) != nullptr;
}

bool CShellApp::canTakeHandOver() const
{
    if (!m_ready || !m_frame)
        return false;
    const ToolCommands *tools = m_frame->toolCommands();
    return !tools || !tools->isBusy();
}

void CShellApp::closeSplash()
{
    if (m_splash) {
        m_splash->close();
        m_splash.reset();
    }
}

bool CShellApp::onMessages(const QList<QByteArray> &messages)
{
    if (messages.isEmpty())
        return false;
    QByteArray topic = messages.first();
    const qsizetype nul = topic.indexOf('\0');
    if (nul >= 0)
        topic.truncate(nul);
    if (topic != TopicName)
        return false;
    if (m_frame) {
        if (m_frame->isMinimized())
            m_frame->showNormal();
        m_frame->show();
        m_frame->raise();
        m_frame->activateWindow();
    }
    for (qsizetype i = 1; i < messages.size(); ++i)
        onExecute(messages.at(i));
    return true;
}

void CShellApp::onExecute(const QByteArray &message) { m_handOvers.push(message); }

void CShellApp::execute(const QByteArray &message)
{
    const CShellCommandLineInfo info = CShellCommandLineInfo::fromHandOver(message);
    if (info.ambiguous) {
        // Some name held ';': cutting the message at every ';' could name another
        // file. Nothing is opened.
        QByteArray shownMessage = message.left(message.indexOf('\0') < 0 ? message.size() : message.indexOf('\0'));
        m_prompter->message(Str::format(Str::HandOverAmbiguous, {shown(TextCodec::decodeDetected(shownMessage))}));
        return;
    }
    m_cmdInfo.lineNumber = info.lineNumber;
    // Without a file to open the line has nothing to apply to.
    m_settings->goToLine = info.filePath.isEmpty() ? 0 : info.lineNumber;
    if (!m_frame)
        return;
    m_inHandOver = true;
    const bool opened = info.filePath.isEmpty() || openNamedFile(info.filePath, 0);
    m_inHandOver = false;
    if (!opened)
        m_settings->goToLine = 0;
    if (!info.mainDocPath.isEmpty()) {
        m_cmdInfo.mainDocPath = info.mainDocPath;
        m_frame->setMainDocument(info.mainDocPath);
    }
    if (!info.projectPath.isEmpty() && info.projectPath.endsWith(QLatin1String(".sbp")))
        m_frame->requestProject(info.projectPath);
    m_frame->setNeedsTexRun(true);
}

void CShellApp::reportMissingHandOvers()
{
    if (m_missingHandOvers.isEmpty())
        return;
    const QStringList missing = std::exchange(m_missingHandOvers, {});
    if (missing.size() == 1) {
        m_prompter->message(Str::format(Str::NotFound, {shown(missing.first()), m_settings->mainPath()}));
        return;
    }
    constexpr qsizetype Listed = 20;
    QStringList lines;
    for (qsizetype i = 0; i < std::min(missing.size(), Listed); ++i)
        lines.append(shown(missing.at(i)));
    if (missing.size() > Listed)
        lines.append(QStringLiteral("...\n(+%1)").arg(missing.size() - Listed));
    m_prompter->message(Str::format(Str::HandOversNotFound, {m_settings->mainPath(), lines.join(u'\n')}));
}

void CShellApp::exit()
{
    m_settings->writePageSetupIfChanged();
    m_server.reset();
}
