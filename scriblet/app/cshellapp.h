// Scriblet's application object: start-up in order, the single-instance
// hand-over over the per-user local channel, and the orderly exit.
//
// A later start sends the topic "SCRIBLET_TOPIC" and then the execute message
// "%s;%s;%s;%i" (project, main document, file, line) with its NUL byte to the
// service "SCRIBLET_SERVER" and ends; the running instance raises its window and
// opens what the message names. Hand-overs wait until start-up (with its
// first-start dialogs) is over and while a waited tool runs; then they are carried
// out in the order they came (see HandOverQueue).
#pragma once

#include "app/cshellcommandlineinfo.h"
#include "app/handoverqueue.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class CMainFrame;
class CShellSettings;
class LocalChannelServer;
class Prompter;
class QSplashScreen;

class CShellApp : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *ServiceName = "SCRIBLET_SERVER";
    static constexpr const char *TopicName = "SCRIBLET_TOPIC";

    enum class StartResult { Running, HandedOver, Failed };

    // settingsDir empty: the host's settings directory is used.
    CShellApp(CShellSettings *settings, Prompter *prompter, const QString &serviceName = QString::fromLatin1(ServiceName),
              const QString &settingsDir = QString());
    ~CShellApp() override;

    StartResult start(const QStringList &args, bool showSplash = true);
    // Writes what is written at exit (page setup) and stops serving later starts.
    void exit();

    CMainFrame *frame() const;
    const CShellCommandLineInfo &commandLineInfo() const { return m_cmdInfo; }
    bool firstStart() const { return m_firstStart; }

    // Receiving side: one client connection's messages (topic, then executes).
    // Returns false when the topic was refused.
    bool onMessages(const QList<QByteArray> &messages);
    // One execute message: carried out now, or queued until the instance can take it.
    void onExecute(const QByteArray &message);
    qsizetype pendingHandOvers() const { return m_handOvers.pending(); }

    // Closes the splash (before any message box or modal dialog of the start-up).
    void closeSplash();

private:
    // Opens a file named on the command line or by a later start; a file that is
    // missing gets the documented "not found" message, one that exists but cannot
    // be read says why. False when nothing opened.
    bool openNamedFile(const QString &path, int line);
    bool canTakeHandOver() const;
    void execute(const QByteArray &message);
    // Says in one message which handed-over files were missing.
    void reportMissingHandOvers();

    CShellSettings *m_settings;
    Prompter *m_prompter;
    QString m_serviceName;
    QString m_settingsDirOverride;
    CShellCommandLineInfo m_cmdInfo;
    std::unique_ptr<LocalChannelServer> m_server;
    QPointer<CMainFrame> m_frame;
    std::unique_ptr<QSplashScreen> m_splash;
    bool m_firstStart = false;
    bool m_ready = false; // start-up is over: hand-overs may run
    // Missing files named by the hand-overs carried out since the last report,
    // each once: a flood of starts gives one box, not one per start.
    bool m_inHandOver = false;
    QStringList m_missingHandOvers;
    HandOverQueue m_handOvers;
};
