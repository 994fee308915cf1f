// Vellumix entry: hand the arguments to a running instance, or become the instance.
#include "app/argumenthandler.h"
#include "app/handover.h"
#include "app/tframeform.h"
#include "platform/localchannel.h"
#include "platform/paths.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumix"));
    // The icon of every window, the same drawing as the installed theme icon; the
    // desktop entry's name lets the desktop match the windows to it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vellumix.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("vellumix"));
    const QStringList args = QApplication::arguments().mid(1);
    const QString service = QString::fromLatin1(HandOver::ServiceName);
    // Relative names mean the directory of this start, also after the restore below
    // changes the current directory to the main file's.
    const QStringList fileArgs = absoluteFileArguments(args, QDir::currentPath());
    const QList<QByteArray> handOver = HandOver::encode(fileArgs);

    if (LocalChannelClient::send(service, handOver))
        return 0;
    LocalChannelServer server(service);
    // Another start may have won the race between the two checks.
    if (!server.listen() && LocalChannelClient::send(service, handOver))
        return 0;

    TFrameForm frame(Paths::programDirectory());
    QObject::connect(&server, &LocalChannelServer::messagesReceived, &frame, &TFrameForm::receiveHandOver);
    frame.show();
    if (frame.settings().windowState == QStringLiteral("wsMaximized"))
        frame.showMaximized();
    else if (frame.settings().windowState == QStringLiteral("wsMinimized"))
        frame.showMinimized();
    frame.restoreAtStartUp();
    frame.handleArguments(fileArgs);
    return app.exec();
}
