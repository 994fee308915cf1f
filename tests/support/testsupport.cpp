#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
void PrintTo(const QByteArray &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace testsupport {

QString helperPath() { return QStringLiteral(TESTHELPER_PATH); }
QString dataDir() { return QStringLiteral(TEST_DATA_DIR); }

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

bool haveProgram(const QString &name) { return !QStandardPaths::findExecutable(name).isEmpty(); }

QStringList asOtherUser(const QString &program, const QStringList &arguments)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::getuid() != 0 || setpriv.isEmpty())
        return {};
    return QStringList{setpriv, QStringLiteral("--reuid=%1").arg(OtherUserId), QStringLiteral("--regid=%1").arg(OtherUserId),
                       QStringLiteral("--clear-groups"), program}
         + arguments;
}

void processEventsFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void withFullDisk(const std::function<void()> &f)
{
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    f();
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
}

void TempDirTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_oldHome = qgetenv("HOME");
    m_oldXdg = qgetenv("XDG_CONFIG_HOME");
    m_oldState = qgetenv("XDG_STATE_HOME");
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/.config").toLocal8Bit());
    // Crash-recovery entries of the programs under test stay in the test's folder.
    qputenv("XDG_STATE_HOME", (m_dir.path() + "/.local/state").toLocal8Bit());
}

void TempDirTest::TearDown()
{
    qputenv("HOME", m_oldHome);
    if (m_oldXdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldXdg);
    if (m_oldState.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", m_oldState);
}

QString TempDirTest::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.path() + '/' + relative;
}

} // namespace testsupport
