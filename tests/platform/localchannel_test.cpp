#include "platform/localchannel.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>

namespace {
QString uniqueService() { return "TEST_SERVICE_" + QUuid::createUuid().toString(QUuid::Id128); }

// The client blocks while the server needs the event loop: run the client after
// yielding to the loop, then wait for the signal.
bool sendAndWait(LocalChannelServer &server, const QString &service, const QList<QByteArray> &msgs,
                 QList<QByteArray> *got)
{
    QSignalSpy spy(&server, &LocalChannelServer::messagesReceived);
    bool sent = false;
    QMetaObject::invokeMethod(qApp, [&] { sent = LocalChannelClient::send(service, msgs); }, Qt::QueuedConnection);
    if (!spy.wait(5000))
        return false;
    *got = spy.takeFirst().at(0).value<QList<QByteArray>>();
    return sent;
}
} // namespace

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
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        QCoreApplication::processEvents();
    EXPECT_EQ(spy.count(), 0);
    QList<QByteArray> got;
    ASSERT_TRUE(sendAndWait(server, service, {"ok"}, &got));
    EXPECT_EQ(got, QList<QByteArray>{"ok"});
}
