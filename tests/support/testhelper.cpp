// A small program that stands in for tools and viewers in process tests.
// Its behaviour comes from a sidecar file "<program path>.behave" (so that several
// copies or symlinks can behave differently) or else from the environment:
//   record=<file>   append one line per run: cwd, then each argument, tab-separated
//   sleep=<ms>      wait before exiting
//   exit=<code>     exit status
//   banner=<text>   print text on standard output
//   stdin=1         report in the record whether standard input was empty ("stdin:empty")
// Environment names are the same keys in upper case prefixed with TESTHELPER_.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QThread>
#include <cstdio>
#include <unistd.h>

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
    const int sleepMs = value("sleep").toInt();
    if (sleepMs > 0)
        QThread::msleep(sleepMs);
    return value("exit").toInt();
}
