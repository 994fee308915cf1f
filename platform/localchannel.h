// Private local channel between a running instance and later starts of the same
// user on the same display.
//
// The socket lives in the user's runtime folder ($XDG_RUNTIME_DIR), or, when that
// is unset or unusable, in a folder of our own below the temporary folder that we
// create with mode 0700 and use only while it is ours and private. Its name holds
// the service name, the user id and the display, so two logins of one user on two
// displays get two instances. Both ends check the other's user id (SO_PEERCRED)
// and refuse another user: a socket squatted by someone else is never sent to and,
// since it lies in our private folder, replaced. A socket left behind by a crashed
// instance does not block the next start either.
//
// A client connects, sends its messages (each framed as a 32-bit big-endian length
// and the bytes) and disconnects. The server takes at most MaxBytesPerConnection
// bytes per connection and MaxConnections connections at once; a connection over
// either limit is closed and its messages dropped.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Where the channel's sockets live and whom both ends trust. Programs use
// fromEnvironment(); tests set the fields.
struct LocalChannelPlace {
    QString runtimeDir; // $XDG_RUNTIME_DIR, may be empty
    QString tempDir;    // holds our own folder when runtimeDir cannot be used
    QString display;    // $WAYLAND_DISPLAY, else $DISPLAY; may be empty
    uint uid = 0;       // the user both ends must run as

    static LocalChannelPlace fromEnvironment();

    // The display as it appears in socket names: the screen number of an X display
    // dropped (":0.0" is ":0"), characters other than letters, digits, '.', '-' and
    // '_' replaced by '_', a long name shortened with a hash; "nodisplay" when empty.
    static QString displayTag(const QString &display);
    // Name of our own folder below tempDir: "localchannel-<uid>".
    QString fallbackDir() const;
    // Full path of the service's socket: "<folder>/<service>-<uid>-<display tag>".
    // The folder is runtimeDir when it is a folder of uid with no access for others
    // (and the path fits a socket address), else fallbackDir(), created 0700 when
    // missing. Empty, with *error, when the fallback folder exists but is not a
    // private folder of uid (another user may have made it): nothing is used then.
    QString socketPath(const QString &serviceName, QString *error = nullptr) const;
};

class LocalChannelServer : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 MaxBytesPerConnection = qint64(1) << 20;
    static constexpr int MaxConnections = 16;

    explicit LocalChannelServer(const QString &serviceName, QObject *parent = nullptr);
    LocalChannelServer(const QString &serviceName, const LocalChannelPlace &place, QObject *parent = nullptr);
    ~LocalChannelServer() override;

    // Full socket path for a service in the environment's place (see LocalChannelPlace).
    static QString socketName(const QString &serviceName);

    // Starts listening; false when another live instance of this user already
    // listens, or when no private folder can be had (errorString() says why).
    bool listen();
    bool isListening() const;
    // Why the last listen() failed for another reason than a live instance; else empty.
    QString errorString() const { return m_error; }

signals:
    // One complete client connection: its messages in order, emitted when the
    // client disconnects (or after a short time-out, with what arrived).
    void messagesReceived(const QList<QByteArray> &messages);

private:
    void onNewConnection();
    void accept(QLocalSocket *socket);
    LocalChannelPlace m_place;
    QString m_service;
    QString m_path;
    QString m_error;
    QLocalServer *m_server = nullptr;
    int m_open = 0;
};

namespace LocalChannelClient {

// True when a server of that service answers and runs as this user.
bool isServerRunning(const QString &serviceName, int timeoutMs = 500);
bool isServerRunning(const LocalChannelPlace &place, const QString &serviceName, int timeoutMs = 500);
// Connects, checks that the server runs as this user, sends the messages in order
// and waits until they are written. False when no server of this user answers.
bool send(const QString &serviceName, const QList<QByteArray> &messages, int timeoutMs = 2000);
bool send(const LocalChannelPlace &place, const QString &serviceName, const QList<QByteArray> &messages,
          int timeoutMs = 2000);

} // namespace LocalChannelClient
