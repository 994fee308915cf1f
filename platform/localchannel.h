// Per-user local channel between a running instance and later starts.
//
// The server listens on a local socket whose name holds the service name and the
// user id, with user-only access. A client connects, sends its messages (each
// framed as a 32-bit big-endian length and the bytes) and disconnects. A socket
// left behind by a crashed instance does not block the next start: when nobody
// answers on it, it is removed and the server listens afresh.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class LocalChannelServer : public QObject
{
    Q_OBJECT
public:
    explicit LocalChannelServer(const QString &serviceName, QObject *parent = nullptr);
    ~LocalChannelServer() override;

    // Full socket name for a service: "<service>-<uid>".
    static QString socketName(const QString &serviceName);

    // Starts listening; false when another live instance already listens.
    bool listen();
    bool isListening() const;

signals:
    // One complete client connection: its messages in order, emitted when the
    // client disconnects (or after a short time-out, with what arrived).
    void messagesReceived(const QList<QByteArray> &messages);

private:
    void onNewConnection();
    QString m_name;
    QLocalServer *m_server = nullptr;
};

namespace LocalChannelClient {

// True when a server of that service answers.
bool isServerRunning(const QString &serviceName, int timeoutMs = 500);
// Connects, sends the messages in order and waits until they are written.
// False when no server answers.
bool send(const QString &serviceName, const QList<QByteArray> &messages, int timeoutMs = 2000);

} // namespace LocalChannelClient
