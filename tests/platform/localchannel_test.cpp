#include "platform/localchannel.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QProcess>
#include <QUuid>
#include <atomic>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {
QString uniqueService() { return "TEST_SERVICE_" + QUuid::createUuid().toString(QUuid::Id128); }

// The client blocks while the server needs the event loop: run the client after
// yielding to the loop, then wait for the signal.
bool sendAndWait(LocalChannelServer &server, const LocalChannelPlace &place, const QString &service,
                 const QList<QByteArray> &msgs, QList<QByteArray> *got)
{
    QSignalSpy spy(&server, &LocalChannelServer::messagesReceived);
    bool sent = false;
    QMetaObject::invokeMethod(qApp, [&] { sent = LocalChannelClient::send(place, service, msgs); }, Qt::QueuedConnection);
    if (!spy.wait(5000))
        return false;
    *got = spy.takeFirst().at(0).value<QList<QByteArray>>();
    return sent;
}

bool sendAndWait(LocalChannelServer &server, const QString &service, const QList<QByteArray> &msgs,
                 QList<QByteArray> *got)
{
    return sendAndWait(server, LocalChannelPlace::fromEnvironment(), service, msgs, got);
}
} // namespace

using testsupport::processEventsFor;

TEST(LocalChannelTest, DeliversMessagesInOrder)
{
    const QString service = uniqueService();
    LocalChannelServer server(service);
    ASSERT_TRUE(server.listen());
    EXPECT_TRUE(LocalChannelClient::isServerRunning(service));
    QList<QByteArray> got;
    const QList<QByteArray> msgs{"SCRIBLET_TOPIC", QByteArray("a;b;c;12\0", 9), QByteArray()};
    ASSERT_TRUE(sendAndWait(server, service, msgs, &got));
    EXPECT_EQ(got, msgs);
}

TEST(LocalChannelTest, SecondServerOfTheSameServiceIsRefused)
{
    const QString service = uniqueService();
    LocalChannelServer first(service);
    ASSERT_TRUE(first.listen());
    LocalChannelServer second(service);
    EXPECT_FALSE(second.listen());
}

TEST(LocalChannelTest, StaleSocketDoesNotBlockTheNextStart)
{
    const QString service = uniqueService();
    const QString name = LocalChannelServer::socketName(service);
    {
        // Leave a socket file behind as a crashed instance would.
        QLocalServer crashed;
        crashed.setSocketOptions(QLocalServer::UserAccessOption);
        ASSERT_TRUE(crashed.listen(name));
        const QString file = crashed.fullServerName();
        crashed.close();
        QFile f(file);
        if (!f.exists()) {
            // close() removed it: recreate a dead socket file by hand.
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.close();
        }
    }
    EXPECT_FALSE(LocalChannelClient::isServerRunning(service, 200));
    LocalChannelServer server(service);
    EXPECT_TRUE(server.listen());
}

TEST(LocalChannelTest, NoServerMeansSendFails)
{
    EXPECT_FALSE(LocalChannelClient::send(uniqueService(), {"x"}, 200));
}

TEST(LocalChannelTest, GarbageFromAClientIsDroppedAndTheServerStaysUp)
{
    const QString service = uniqueService();
    LocalChannelServer server(service);
    ASSERT_TRUE(server.listen());
    QSignalSpy spy(&server, &LocalChannelServer::messagesReceived);
    {
        QLocalSocket s;
        s.connectToServer(LocalChannelServer::socketName(service));
        ASSERT_TRUE(s.waitForConnected(1000));
        s.write("\xff\xff\xff\xff garbage");
        s.waitForBytesWritten(1000);
        s.disconnectFromServer();
    }
    processEventsFor(300);
    EXPECT_EQ(spy.count(), 0);
    QList<QByteArray> got;
    ASSERT_TRUE(sendAndWait(server, service, {"ok"}, &got));
    EXPECT_EQ(got, QList<QByteArray>{"ok"});
}

// --- The private place of the channel and its limits ---

namespace {
void setMode(const QString &path, mode_t mode) { ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0); }

// A connection that checks nothing, as a careless or hostile client would make it.
int rawConnect(const QString &socket)
{
    sockaddr_un addr {};
    addr.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socket);
    memcpy(addr.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

qint64 residentKiB()
{
    for (const QByteArray &line : testsupport::readAll("/proc/self/status").split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}
} // namespace

class PrivateChannelTest : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(path("run")));
        ASSERT_TRUE(QDir().mkpath(path("tmp")));
        setMode(path("run"), 0700);
        setMode(path("tmp"), 01777);
        setMode(path(), 0755); // so that another user can reach what a test opens to it
    }
    LocalChannelPlace place(const QString &display = ":0") const
    {
        LocalChannelPlace p;
        p.runtimeDir = path("run");
        p.tempDir = path("tmp");
        p.display = display;
        p.uid = ::getuid();
        return p;
    }
    // Runs the process helper with the given behaviour, as another user when asked.
    bool startHelper(QProcess &p, const QStringList &behaviour, bool otherUser)
    {
        QStringList command = otherUser ? testsupport::asOtherUser(testsupport::helperPath()) : QStringList{testsupport::helperPath()};
        if (command.isEmpty())
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &kv : behaviour)
            env.insert("TESTHELPER_" + kv.section('=', 0, 0).toUpper(), kv.section('=', 1));
        p.setProcessEnvironment(env);
        p.start(command.takeFirst(), command);
        return p.waitForStarted(5000);
    }
    const QString service = uniqueService();
};

TEST_F(PrivateChannelTest, TheSocketLivesInAPrivateFolderOfThisUserOrNowhere)
{
    const QString fallback = path("tmp/localchannel-%1").arg(::getuid());
    EXPECT_EQ(QFileInfo(place().socketPath(service)).path(), path("run"));

    // A runtime folder that others may enter, none, or a relative one: our own folder instead.
    LocalChannelPlace p = place();
    for (const QString &runtime : {QString(), QString("run"), path("tmp")}) {
        p.runtimeDir = runtime;
        EXPECT_EQ(QFileInfo(p.socketPath(service)).path(), fallback) << runtime.toStdString();
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fallback).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // Our folder made by someone else, opened to others, or a link: not used at all.
    p.runtimeDir.clear();
    auto refused = [&](const char *what) {
        SCOPED_TRACE(what);
        QString error;
        EXPECT_TRUE(p.socketPath(service, &error).isEmpty());
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(fallback))) << error.toStdString();
        LocalChannelServer server(service, p);
        EXPECT_FALSE(server.listen());
        EXPECT_FALSE(server.errorString().isEmpty());
        EXPECT_FALSE(LocalChannelClient::send(p, service, {"x"}, 200));
    };
    setMode(fallback, 0777);
    refused("open to others");
    ASSERT_TRUE(QDir(fallback).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(path("elsewhere")));
    setMode(path("elsewhere"), 0700);
    ASSERT_TRUE(QFile::link(path("elsewhere"), fallback));
    refused("a link");
    if (::getuid() == 0) {
        ASSERT_TRUE(QFile::remove(fallback));
        ASSERT_TRUE(QDir().mkdir(fallback));
        setMode(fallback, 0700);
        ASSERT_EQ(::chown(QFile::encodeName(fallback).constData(), testsupport::OtherUserId, testsupport::OtherUserId), 0);
        refused("another user's");
    }
}

TEST_F(PrivateChannelTest, EachDisplayGetsItsOwnInstance)
{
    struct Case { const char *display; const char *tag; };
    const Case cases[] = {
        {":0", "_0"},
        {":0.1", "_0"}, // screens of one display are one desktop
        {":1", "_1"},
        {"localhost:10.0", "localhost_10"},
        {"wayland-0", "wayland-0"},
        {"", "nodisplay"},
        {"../../etc/x", ".._.._etc_x"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LocalChannelPlace::displayTag(c.display), c.tag) << c.display;
    const QString longName(300, 'w');
    EXPECT_LE(LocalChannelPlace::displayTag(longName).size(), 40);
    EXPECT_NE(LocalChannelPlace::displayTag(longName), LocalChannelPlace::displayTag(longName + 'x'));

    LocalChannelServer first(service, place(":0")), second(service, place(":1"));
    ASSERT_TRUE(first.listen());
    ASSERT_TRUE(second.listen());
    QSignalSpy firstSpy(&first, &LocalChannelServer::messagesReceived);
    QList<QByteArray> got;
    ASSERT_TRUE(sendAndWait(second, place(":1"), service, {"for one"}, &got));
    EXPECT_EQ(got, QList<QByteArray>{"for one"});
    EXPECT_EQ(firstSpy.count(), 0);
}

TEST_F(PrivateChannelTest, ASocketOfAnotherUserIsNeitherUsedNorTrusted)
{
    // Another user's process listens under our name in a folder it could write to;
    // then the folder becomes ours and private, as a runtime folder is.
    ASSERT_TRUE(QDir().mkpath(path("squat")));
    setMode(path("squat"), 0777);
    LocalChannelPlace p = place();
    const QString socket = path("squat/") + QFileInfo(p.socketPath(service)).fileName();
    QProcess squatter;
    if (!startHelper(squatter, {"listen=" + socket, "received=" + path("squat/received")}, true))
        GTEST_SKIP() << "cannot run a process as another user here";
    ASSERT_TRUE(squatter.waitForReadyRead(5000));
    setMode(path("squat"), 0700);
    p.runtimeDir = path("squat");
    ASSERT_EQ(p.socketPath(service), socket);

    EXPECT_FALSE(LocalChannelClient::isServerRunning(p, service));
    EXPECT_FALSE(LocalChannelClient::send(p, service, {"secret command line"}));
    LocalChannelServer server(service, p);
    ASSERT_TRUE(server.listen()); // the squatted name is taken over
    QList<QByteArray> got;
    ASSERT_TRUE(sendAndWait(server, p, service, {"ours"}, &got));
    EXPECT_EQ(got, QList<QByteArray>{"ours"});
    processEventsFor(100);
    EXPECT_EQ(testsupport::readAll(path("squat/received")), QByteArray());
    squatter.kill();
    squatter.waitForFinished();
}

TEST_F(PrivateChannelTest, AClientOfAnotherUserIsRefused)
{
    LocalChannelServer server(service, place());
    ASSERT_TRUE(server.listen());
    const QString socket = place().socketPath(service);
    // Open the door that folder and socket modes keep shut: the user check must hold alone.
    setMode(path("run"), 0755);
    setMode(socket, 0777);
    QSignalSpy spy(&server, &LocalChannelServer::messagesReceived);
    QProcess intruder;
    if (!startHelper(intruder, {"send=" + socket, "message=intruder"}, true))
        GTEST_SKIP() << "cannot run a process as another user here";
    ASSERT_TRUE(intruder.waitForFinished(5000));
    EXPECT_EQ(intruder.exitCode(), 0); // it could connect and write
    EXPECT_FALSE(spy.wait(500));

    // The same helper as this user is heard: the refusal was about the user.
    QProcess friendly;
    ASSERT_TRUE(startHelper(friendly, {"send=" + socket, "message=friend"}, false));
    ASSERT_TRUE(friendly.waitForFinished(5000));
    ASSERT_TRUE(spy.wait(5000));
    EXPECT_EQ(spy.takeFirst().at(0).value<QList<QByteArray>>(), QList<QByteArray>{"friend"});
}

TEST_F(PrivateChannelTest, AnOverlongHandOverIsCutOffWithoutGrowingMemory)
{
    LocalChannelServer server(service, place());
    ASSERT_TRUE(server.listen());
    QSignalSpy spy(&server, &LocalChannelServer::messagesReceived);
    const qint64 before = residentKiB();
    // Frames of 256 KiB, each allowed on its own, 64 MiB in all.
    std::atomic<bool> done = false;
    qint64 written = 0;
    int failure = 0;
    std::thread client([&] {
        const int fd = rawConnect(place().socketPath(service));
        timeval limit {5, 0}; // a server that stops reading without closing shows as a time-out
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        QByteArray frame("\x00\x04\x00\x00", 4);
        frame += QByteArray(256 * 1024, 'x');
        while (fd >= 0 && written < (qint64(64) << 20)) {
            const ssize_t n = ::send(fd, frame.constData(), size_t(frame.size()), MSG_NOSIGNAL);
            if (n < 0) {
                failure = errno;
                break;
            }
            written += n;
        }
        ::close(fd);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    client.join();
    EXPECT_TRUE(failure == EPIPE || failure == ECONNRESET) << failure;
    EXPECT_LT(written, qint64(4) << 20);
    EXPECT_LT(residentKiB() - before, 16 * 1024);
    processEventsFor(100);
    EXPECT_EQ(spy.count(), 0);
    QList<QByteArray> got;
    ASSERT_TRUE(sendAndWait(server, place(), service, {"still here"}, &got));
}

TEST_F(PrivateChannelTest, ConnectionsBeyondTheLimitAreClosed)
{
    LocalChannelServer server(service, place());
    ASSERT_TRUE(server.listen());
    const QString socket = place().socketPath(service);
    QList<int> idle;
    for (int i = 0; i < LocalChannelServer::MaxConnections; ++i)
        idle.append(rawConnect(socket));
    processEventsFor(200);
    const int extra = rawConnect(socket);
    ASSERT_GE(extra, 0);
    char c;
    auto closedByServer = [&](int fd) { return ::recv(fd, &c, 1, MSG_DONTWAIT) == 0; };
    QElapsedTimer t;
    t.start();
    while (!closedByServer(extra) && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(closedByServer(extra));
    EXPECT_FALSE(closedByServer(idle.first()));
    ::close(extra);
    for (int fd : idle)
        ::close(fd);
    processEventsFor(100);
    QList<QByteArray> got;
    ASSERT_TRUE(sendAndWait(server, place(), service, {"after"}, &got));
    EXPECT_EQ(got, QList<QByteArray>{"after"});
}
