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
//   stderr=<text>   print text on standard error (after the banner)
//   answer=<text>   a line-protocol peer (a spell checker, say): after the banner, answer
//                   every line read from standard input with text, in which \n, \r and
//                   \\ stand for LF, CR and a backslash; delay=<ms> waits before each
//                   answer, lines=<n> ends after answering n lines
//   flood=lines|bytes  after the banner and the first line read from standard input,
//                   write "*" lines (or bytes without any line break) until killed
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
#include <cstdlib>
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

QByteArray unescape(const QString &text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in.at(i) != '\\' || i + 1 == in.size()) {
            out.append(in.at(i));
            continue;
        }
        const char c = in.at(++i);
        out.append(c == 'n' ? '\n' : c == 'r' ? '\r' : c);
    }
    return out;
}

bool writeAll(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(1, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

int answerLines(const QByteArray &answer, int delayMs, int maxLines)
{
    char *line = nullptr;
    size_t capacity = 0;
    int answered = 0;
    while (::getline(&line, &capacity, stdin) >= 0) {
        if (delayMs > 0)
            QThread::msleep(delayMs);
        if (!writeAll(answer))
            break;
        if (maxLines > 0 && ++answered >= maxLines)
            break;
    }
    std::free(line);
    return 0;
}

[[noreturn]] void flood(bool lines)
{
    char *line = nullptr;
    size_t capacity = 0;
    if (::getline(&line, &capacity, stdin) < 0)
        std::exit(0);
    const QByteArray chunk = lines ? QByteArray(4096, '*').replace(QByteArray(2, '*'), "*\n")
                                   : QByteArray(4096, 'x');
    while (writeAll(chunk)) {
    }
    std::exit(0);
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
    if (!banner.isEmpty()) {
        std::printf("%s\n", banner.toLocal8Bit().constData());
        std::fflush(stdout);
    }
    if (!value("stderr").isEmpty())
        std::fprintf(stderr, "%s\n", value("stderr").toLocal8Bit().constData());
    if (!value("answer").isEmpty())
        return answerLines(unescape(value("answer")), value("delay").toInt(), value("lines").toInt());
    if (!value("flood").isEmpty())
        flood(value("flood") == "lines");
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
