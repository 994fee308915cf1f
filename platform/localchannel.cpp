#include "localchannel.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <unistd.h>

namespace {

// A hand-over is a few short messages; anything larger is refused as garbage.
constexpr quint32 kMaxMessage = 1 << 20;
constexpr int kMaxMessages = 1024;

// Reads every complete frame from the buffer; false when a frame is malformed.
bool takeFrames(QByteArray &buffer, QList<QByteArray> &out)
{
    while (buffer.size() >= 4) {
        const quint32 len = (quint32(uchar(buffer[0])) << 24) | (quint32(uchar(buffer[1])) << 16)
                          | (quint32(uchar(buffer[2])) << 8) | quint32(uchar(buffer[3]));
        if (len > kMaxMessage || out.size() >= kMaxMessages)
            return false;
        if (buffer.size() < qsizetype(4 + len))
            break;
        out.append(buffer.mid(4, len));
        buffer.remove(0, 4 + len);
    }
    return true;
}

QByteArray frame(const QByteArray &message)
{
    const quint32 len = quint32(message.size());
    QByteArray out;
    out.append(char(len >> 24)).append(char(len >> 16)).append(char(len >> 8)).append(char(len));
    out.append(message);
    return out;
}

} // namespace

LocalChannelServer::LocalChannelServer(const QString &serviceName, QObject *parent)
    : QObject(parent), m_name(socketName(serviceName))
{
}

LocalChannelServer::~LocalChannelServer() = default;

QString LocalChannelServer::socketName(const QString &serviceName)
{
    return serviceName + '-' + QString::number(::getuid());
}

bool LocalChannelServer::listen()
{
    if (m_server && m_server->isListening())
        return true;
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &LocalChannelServer::onNewConnection);
    }
    // Someone answers: a live instance. Nobody answers: at most a stale socket, removed.
    // (Listening with access options replaces an existing socket file, so ask first.)
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(500)) {
        probe.disconnectFromServer();
        return false;
    }
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

bool LocalChannelServer::isListening() const { return m_server && m_server->isListening(); }

void LocalChannelServer::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        auto messages = std::make_shared<QList<QByteArray>>();
        auto done = std::make_shared<bool>(false);
        QPointer<QLocalSocket> guard(socket);
        auto finish = [this, messages, done, guard]() {
            if (*done)
                return;
            *done = true;
            if (guard)
                guard->deleteLater();
            if (!messages->isEmpty())
                emit messagesReceived(*messages);
        };
        connect(socket, &QLocalSocket::readyRead, this, [socket, buffer, messages, finish]() {
            buffer->append(socket->readAll());
            if (!takeFrames(*buffer, *messages)) {
                messages->clear(); // malformed: drop the whole connection
                socket->abort();
                finish();
            }
        });
        connect(socket, &QLocalSocket::disconnected, this, [socket, buffer, messages, finish]() {
            buffer->append(socket->readAll());
            if (!takeFrames(*buffer, *messages))
                messages->clear();
            finish();
        });
        // A client that never disconnects must not hold the hand-over for ever.
        QTimer::singleShot(5000, socket, [finish]() { finish(); });
    }
}

namespace LocalChannelClient {

bool isServerRunning(const QString &serviceName, int timeoutMs)
{
    QLocalSocket s;
    s.connectToServer(LocalChannelServer::socketName(serviceName));
    const bool ok = s.waitForConnected(timeoutMs);
    if (ok)
        s.disconnectFromServer();
    return ok;
}

bool send(const QString &serviceName, const QList<QByteArray> &messages, int timeoutMs)
{
    QLocalSocket s;
    s.connectToServer(LocalChannelServer::socketName(serviceName));
    if (!s.waitForConnected(timeoutMs))
        return false;
    QByteArray out;
    for (const QByteArray &m : messages)
        out += frame(m);
    s.write(out);
    while (s.bytesToWrite() > 0)
        if (!s.waitForBytesWritten(timeoutMs))
            return false;
    s.disconnectFromServer();
    if (s.state() != QLocalSocket::UnconnectedState)
        s.waitForDisconnected(timeoutMs);
    return true;
}

} // namespace LocalChannelClient
