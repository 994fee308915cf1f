#include "localchannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <memory>

namespace {

// A hand-over is a few short messages; anything larger is refused as garbage.
constexpr int kMaxMessages = 1024;
// What the socket reads ahead of us; keeps memory bounded however fast a client writes.
constexpr qint64 kReadAhead = 64 * 1024;

// Reads every complete frame from the buffer; false when a frame is malformed.
bool takeFrames(QByteArray &buffer, QList<QByteArray> &out)
{
    while (buffer.size() >= 4) {
        const quint32 len = (quint32(uchar(buffer[0])) << 24) | (quint32(uchar(buffer[1])) << 16)
                          | (quint32(uchar(buffer[2])) << 8) | quint32(uchar(buffer[3]));
        if (len > LocalChannelServer::MaxBytesPerConnection || out.size() >= kMaxMessages)
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

// The user id of the process at the other end of a connected local socket.
bool peerIs(const QLocalSocket &socket, uint uid)
{
    struct ucred cred {};
    socklen_t len = sizeof cred;
    const qintptr fd = socket.socketDescriptor();
    return fd >= 0 && ::getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == uid;
}

// A folder of uid that nobody else may enter or change. Follows links when asked
// (the runtime folder comes from the user's own environment; our folder in the
// shared temporary folder must be the folder itself, not a link someone planted).
bool isPrivateFolder(const QString &path, uint uid, bool followLinks)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    const int r = followLinks ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st);
    return r == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

bool fitsSocketAddress(const QString &path)
{
    return QFile::encodeName(path).size() < qsizetype(sizeof(sockaddr_un::sun_path));
}

} // namespace

// --- LocalChannelPlace ---

LocalChannelPlace LocalChannelPlace::fromEnvironment()
{
    LocalChannelPlace p;
    p.runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    p.tempDir = QDir::tempPath();
    p.display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (p.display.isEmpty())
        p.display = qEnvironmentVariable("DISPLAY");
    p.uid = ::getuid();
    return p;
}

QString LocalChannelPlace::displayTag(const QString &display)
{
    if (display.isEmpty())
        return QStringLiteral("nodisplay");
    QString d = display;
    // "host:display.screen": every screen of one X display is the same desktop.
    const qsizetype colon = d.lastIndexOf(':');
    const qsizetype dot = d.lastIndexOf('.');
    if (colon >= 0 && dot > colon)
        d.truncate(dot);
    QString tag;
    for (const QChar c : d)
        tag += (c.isLetterOrNumber() && c.unicode() < 128) || c == '.' || c == '-' || c == '_' ? c : QChar('_');
    if (tag.size() > 40) {
        const QByteArray hash = QCryptographicHash::hash(display.toUtf8(), QCryptographicHash::Sha1).toHex();
        tag = tag.left(24) + '-' + QString::fromLatin1(hash.left(12));
    }
    return tag;
}

QString LocalChannelPlace::fallbackDir() const
{
    return QDir(tempDir.isEmpty() ? QDir::tempPath() : tempDir).filePath(QStringLiteral("localchannel-%1").arg(uid));
}

QString LocalChannelPlace::socketPath(const QString &serviceName, QString *error) const
{
    const QString name = QStringLiteral("%1-%2-%3").arg(serviceName).arg(uid).arg(displayTag(display));
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir) && isPrivateFolder(runtimeDir, uid, true)) {
        const QString path = QDir(runtimeDir).filePath(name);
        if (fitsSocketAddress(path))
            return path;
    }
    const QString dir = fallbackDir();
    // mkdir either makes the folder ours with 0700, or finds one that must prove to be.
    ::mkdir(QFile::encodeName(dir).constData(), 0700);
    if (!isPrivateFolder(dir, uid, false)) {
        if (error)
            *error = QStringLiteral("The folder %1 is not a private folder of this user; "
                                    "the single-instance channel is not used.")
                         .arg(QDir::toNativeSeparators(dir));
        return QString();
    }
    const QString path = QDir(dir).filePath(name);
    if (!fitsSocketAddress(path)) {
        if (error)
            *error = QStringLiteral("The path %1 is too long for a local socket.").arg(QDir::toNativeSeparators(path));
        return QString();
    }
    return path;
}

// --- LocalChannelServer ---

LocalChannelServer::LocalChannelServer(const QString &serviceName, QObject *parent)
    : LocalChannelServer(serviceName, LocalChannelPlace::fromEnvironment(), parent)
{
}

LocalChannelServer::LocalChannelServer(const QString &serviceName, const LocalChannelPlace &place, QObject *parent)
    : QObject(parent), m_place(place), m_service(serviceName)
{
}

LocalChannelServer::~LocalChannelServer() = default;

QString LocalChannelServer::socketName(const QString &serviceName)
{
    return LocalChannelPlace::fromEnvironment().socketPath(serviceName);
}

bool LocalChannelServer::listen()
{
    if (m_server && m_server->isListening())
        return true;
    m_error.clear();
    m_path = m_place.socketPath(m_service, &m_error);
    if (m_path.isEmpty())
        return false;
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &LocalChannelServer::onNewConnection);
    }
    // Our user answers: a live instance. Nobody, or another user, answers: a stale
    // or squatted socket in our private folder, removed.
    // (Listening with access options replaces an existing socket file, so ask first.)
    QLocalSocket probe;
    probe.connectToServer(m_path);
    if (probe.waitForConnected(500)) {
        const bool ours = peerIs(probe, m_place.uid);
        probe.abort();
        if (ours)
            return false;
    }
    QLocalServer::removeServer(m_path);
    if (!m_server->listen(m_path)) {
        m_error = m_server->errorString();
        return false;
    }
    return true;
}

bool LocalChannelServer::isListening() const { return m_server && m_server->isListening(); }

void LocalChannelServer::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_open >= MaxConnections || !peerIs(*socket, m_place.uid)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        accept(socket);
    }
}

void LocalChannelServer::accept(QLocalSocket *socket)
{
    ++m_open;
    socket->setReadBufferSize(kReadAhead);
    struct Connection {
        QByteArray buffer;
        QList<QByteArray> messages;
        qint64 total = 0;
        bool done = false;
    };
    auto c = std::make_shared<Connection>();
    QPointer<QLocalSocket> guard(socket);
    auto finish = [this, c, guard]() {
        if (c->done)
            return;
        c->done = true;
        --m_open;
        if (guard) {
            guard->abort();
            guard->deleteLater();
        }
        if (!c->messages.isEmpty())
            emit messagesReceived(c->messages);
    };
    // Takes what arrived; false (and nothing delivered) when the connection broke a limit.
    auto take = [c, socket]() {
        const QByteArray piece = socket->readAll();
        c->total += piece.size();
        c->buffer += piece;
        if (c->total > MaxBytesPerConnection || !takeFrames(c->buffer, c->messages)) {
            c->messages.clear();
            return false;
        }
        return true;
    };
    connect(socket, &QLocalSocket::readyRead, this, [take, finish]() {
        if (!take())
            finish();
    });
    connect(socket, &QLocalSocket::disconnected, this, [take, finish]() {
        take();
        finish();
    });
    // A client that never disconnects must not hold the hand-over for ever.
    QTimer::singleShot(5000, socket, [finish]() { finish(); });
}

// --- LocalChannelClient ---

namespace LocalChannelClient {

namespace {
// Connected to a server of our user, or false.
bool connectToOurs(QLocalSocket &s, const LocalChannelPlace &place, const QString &serviceName, int timeoutMs)
{
    const QString path = place.socketPath(serviceName);
    if (path.isEmpty())
        return false;
    s.connectToServer(path);
    if (!s.waitForConnected(timeoutMs))
        return false;
    if (!peerIs(s, place.uid)) {
        s.abort();
        return false;
    }
    return true;
}
} // namespace

bool isServerRunning(const QString &serviceName, int timeoutMs)
{
    return isServerRunning(LocalChannelPlace::fromEnvironment(), serviceName, timeoutMs);
}

bool isServerRunning(const LocalChannelPlace &place, const QString &serviceName, int timeoutMs)
{
    QLocalSocket s;
    if (!connectToOurs(s, place, serviceName, timeoutMs))
        return false;
    s.disconnectFromServer();
    return true;
}

bool send(const QString &serviceName, const QList<QByteArray> &messages, int timeoutMs)
{
    return send(LocalChannelPlace::fromEnvironment(), serviceName, messages, timeoutMs);
}

bool send(const LocalChannelPlace &place, const QString &serviceName, const QList<QByteArray> &messages,
          int timeoutMs)
{
    QLocalSocket s;
    if (!connectToOurs(s, place, serviceName, timeoutMs))
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
