// A small program that stands in for tools and viewers in process tests.
// Its behaviour comes from a sidecar file "<program path>.behave" (so that several
// copies or symlinks can behave differently) or else from the environment:
//   record=<file>   append one line per run: cwd, then each argument, tab-separated
//   sleep=<ms>      wait before exiting
//   exit=<code>     exit status
//   banner=<text>   print text on standard output
//   stdin=1         report in the record whether standard input was empty ("stdin:empty")
//   listen=<socket> listen on a local socket (as whoever runs the helper) and append
//                   every byte any client sends to received=<file>; runs until killed
//   send=<socket>   connect to a local socket, send message=<text> as one framed
//                   hand-over message, exit 0 (2 when nobody answers)
//   recovery=<dir>  write recovery entries for the document recoverydoc=<path> without
//                   end: entry n holds recoveryText(n, recoverysize), Windows-1252 with
//                   CR LF; prints n on standard output after each complete write
// Environment names are the same keys in upper case prefixed with TESTHELPER_.
#include "platform/recoverystore.h"
#include "recoverytext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QThread>
#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

int localSocket(const QString &path, sockaddr_un *addr)
{
    *addr = sockaddr_un{};
    addr->sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof addr->sun_path))
        return -1;
    memcpy(addr->sun_path, name.constData(), size_t(name.size()));
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

[[noreturn]] void listenForEver(const QString &path, const QString &received)
{
    sockaddr_un addr;
    const int s = localSocket(path, &addr);
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(s, 16) != 0)
        std::exit(3);
    std::printf("listening\n");
    std::fflush(stdout);
    while (true) {
        const int c = ::accept(s, nullptr, nullptr);
        if (c < 0)
            continue;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(c, buf, sizeof buf)) > 0) {
            QFile out(received);
            if (out.open(QIODevice::Append))
                out.write(buf, n);
        }
        ::close(c);
    }
}

int sendMessage(const QString &path, const QByteArray &message)
{
    sockaddr_un addr;
    const int s = localSocket(path, &addr);
    if (s < 0 || ::connect(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0)
        return 2;
    const quint32 len = quint32(message.size());
    QByteArray out;
    out.append(char(len >> 24)).append(char(len >> 16)).append(char(len >> 8)).append(char(len)).append(message);
    const bool ok = ::write(s, out.constData(), size_t(out.size())) == out.size();
    ::close(s);
    return ok ? 0 : 4;
}

[[noreturn]] void writeRecoveryForEver(const QString &dir, const QString &document, int size)
{
    RecoveryStore store(dir);
    for (int n = 1;; ++n) {
        RecoveryStore::Snapshot s;
        s.documentPath = document;
        s.encoding = TextCodec::Encoding::Windows1252;
        s.lineBreak = TextFile::LineBreak::CrLf;
        s.text = testsupport::recoveryText(n, size);
        if (!store.write(s))
            std::exit(5);
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QHash<QString, QString> behave;
    QFile side(QString::fromLocal8Bit(argv[0]) + ".behave");
    if (side.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : side.readAll().split('\n')) {
            const int eq = line.indexOf('=');
            if (eq > 0)
                behave.insert(QString::fromUtf8(line.left(eq)).trimmed(), QString::fromUtf8(line.mid(eq + 1)).trimmed());
        }
    }
    auto value = [&](const char *key) {
        if (behave.contains(key))
            return behave.value(key);
        return qEnvironmentVariable(("TESTHELPER_" + QByteArray(key).toUpper()).constData());
    };

    QStringList fields{QDir::currentPath()};
    for (int i = 1; i < argc; ++i)
        fields << QString::fromLocal8Bit(argv[i]);
    if (value("stdin") == "1") {
        char c;
        const ssize_t n = ::read(0, &c, 1);
        fields << (n <= 0 ? QStringLiteral("stdin:empty") : QStringLiteral("stdin:data"));
    }
    const QString record = value("record");
    if (!record.isEmpty()) {
        QFile out(record);
        if (out.open(QIODevice::Append))
            out.write((fields.join('\t') + '\n').toUtf8());
    }
    const QString banner = value("banner");
    if (!banner.isEmpty())
        std::printf("%s\n", banner.toLocal8Bit().constData());
    if (!value("listen").isEmpty())
        listenForEver(value("listen"), value("received"));
    if (!value("send").isEmpty())
        return sendMessage(value("send"), value("message").toUtf8());
    if (!value("recovery").isEmpty())
        writeRecoveryForEver(value("recovery"), value("recoverydoc"), value("recoverysize").toInt());
    const int sleepMs = value("sleep").toInt();
    if (sleepMs > 0)
        QThread::msleep(sleepMs);
    return value("exit").toInt();
}
