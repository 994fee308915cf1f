// The real Scriblet program: a second start hands its command line to the first,
// and closing the main window stores its placement. Runs under xvfb-run (see
// CMakeLists.txt); without a display the window test is skipped and the hand-over
// runs offscreen.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <csignal>

#include "isolatedenvironment.h"
#include "testsupport.h"

namespace {

using testsupport::readAll;
using testsupport::waitFor;
using testsupport::writeFile;

class ScribletProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // Every per-user directory, the single-instance socket's included, is the
        // test's own: a running copy of Scriblet never captures the hand-overs.
        m_env = testsupport::isolatedEnvironment(m_dir.path());
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        else
            m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // A configured user: no language dialog, no first-start dialogs.
        writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    }
    void TearDown() override
    {
        for (QProcess *p : m_procs) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
            delete p;
        }
    }
    QString ini() const { return m_dir.path() + QStringLiteral("/.config/Scriblet/Scriblet.ini"); }
    QString path(const QString &rel) const { return m_dir.path() + u'/' + rel; }
    QProcess *start(const QStringList &args)
    {
        auto *p = new QProcess;
        m_procs.append(p);
        p->setProcessEnvironment(m_env);
        p->setWorkingDirectory(m_dir.path());
        p->start(QStringLiteral(SCRIBLET_PATH), args);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }
    // The first instance is ready once its frame wrote the toolbar images.
    bool waitReady()
    {
        return waitFor([&] {
            return QFile::exists(m_dir.path() + QStringLiteral("/.config/Scriblet/ScribletMacros.bmp"));
        });
    }
    QString xdotool(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral("xdotool"), args);
        p.waitForFinished(20000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    // The first visible window whose title matches the pattern, once it is there.
    QString waitWindow(const QString &pattern)
    {
        QString win;
        waitFor([&] {
            win = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern})
                      .section(u'\n', 0, 0);
            return !win.isEmpty();
        });
        return win;
    }
    void keys(const QString &win, const QStringList &names)
    {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), win});
        for (const QString &k : names) {
            xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), k});
            QThread::msleep(150);
        }
    }
    QStringList recoveryFiles() const
    {
        return QDir(m_dir.path() + QStringLiteral("/.local/state/Scriblet/recovery")).entryList(QDir::Files);
    }
    bool haveX() const
    {
        return !qEnvironmentVariableIsEmpty("DISPLAY") && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QList<QProcess *> m_procs;
};

TEST_F(ScribletProgram, SecondStartHandsOverAndEnds)
{
    writeFile(path(QStringLiteral("doc/chap1.tex")), "\\chapter{Eins}\r\nText\r\n");
    QProcess *first = start({});
    ASSERT_TRUE(waitReady());

    QProcess *second = start({QStringLiteral("-m"), path(QStringLiteral("doc/thesis.tex")),
                              path(QStringLiteral("doc/chap1.tex")), QStringLiteral("-l"), QStringLiteral("2")});
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    // The running instance writes the main document at once.
    // (The two keys are two writes: wait for both.)
    EXPECT_TRUE(waitFor([&] { return readAll(ini()).contains("maintex=thesis.tex"); }));
    EXPECT_TRUE(waitFor([&] { return readAll(ini()).contains("mainpath=" + path(QStringLiteral("doc")).toUtf8()); }));
    EXPECT_TRUE(waitFor([&] { return readAll(ini()).contains("File1=" + path(QStringLiteral("doc/chap1.tex")).toUtf8()); }));

    // A start without parameters changes nothing on disk. The snapshot is taken once
    // the first instance has finished writing (the file stays the same for a while).
    QByteArray before = readAll(ini());
    for (int stable = 0; stable < 5;) {
        QThread::msleep(100);
        const QByteArray now = readAll(ini());
        stable = now == before ? stable + 1 : 0;
        before = now;
    }
    QProcess *third = start({});
    ASSERT_TRUE(third->waitForFinished(20000));
    EXPECT_EQ(third->exitCode(), 0);
    EXPECT_EQ(readAll(ini()), before);
    EXPECT_EQ(first->state(), QProcess::Running);
}

// A copy of Scriblet that runs for the user (here: one in another environment)
// never takes a test's start, and the test's instance never takes the user's.
TEST_F(ScribletProgram, EachEnvironmentHasItsOwnInstance)
{
    QProcess *first = start({});
    ASSERT_TRUE(waitReady());

    QTemporaryDir otherDir;
    ASSERT_TRUE(otherDir.isValid());
    auto *other = new QProcess;
    m_procs.append(other);
    QProcessEnvironment env = testsupport::isolatedEnvironment(otherDir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), m_env.value(QStringLiteral("QT_QPA_PLATFORM")));
    other->setProcessEnvironment(env);
    other->setWorkingDirectory(otherDir.path());
    writeFile(otherDir.path() + QStringLiteral("/.config/Scriblet/Scriblet.ini"),
              "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n");
    other->start(QStringLiteral(SCRIBLET_PATH), {});
    ASSERT_TRUE(other->waitForStarted(10000));
    // It becomes an instance of its own: it writes its own toolbar images and runs on.
    EXPECT_TRUE(waitFor([&] {
        return QFile::exists(otherDir.path() + QStringLiteral("/.config/Scriblet/ScribletMacros.bmp"));
    }));
    EXPECT_EQ(other->state(), QProcess::Running);
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(ScribletProgram, StaleSocketDoesNotBlockTheNextStart)
{
    QProcess *first = start({});
    ASSERT_TRUE(waitReady());
    first->kill();
    first->waitForFinished(10000);
    QFile::remove(m_dir.path() + QStringLiteral("/.config/Scriblet/ScribletMacros.bmp"));
    QProcess *again = start({});
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(again->state(), QProcess::Running);
}

TEST_F(ScribletProgram, WindowMapsAndExitStoresPlacement)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "needs an X display (run under xvfb-run) and xdotool";
    QProcess *p = start({});
    ASSERT_TRUE(waitReady());
    QString win;
    ASSERT_TRUE(waitFor([&] {
        win = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                       QStringLiteral("^Scriblet$")})
                  .section(u'\n', 0, 0);
        return !win.isEmpty();
    }));
    // No window manager runs under Xvfb: send its close request ourselves.
    QProcess close;
    close.start(QStringLiteral("python3"), {QStringLiteral(E2E_X11_SCRIPT), QStringLiteral("close"), win});
    ASSERT_TRUE(close.waitForFinished(20000));
    ASSERT_EQ(close.exitCode(), 0) << close.readAllStandardOutput().toStdString();
    ASSERT_TRUE(p->waitForFinished(20000)) << "the window did not close";
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0);
    const QByteArray settings = readAll(ini());
    EXPECT_TRUE(settings.contains("[General Settings]"));
    EXPECT_TRUE(settings.contains("WindowPos=0,"));
}

// Typed and never saved, then kill -9: the next start offers the text and restores
// it in the document's encoding and line-break style; saving removes the entry.
TEST_F(ScribletProgram, TextTypedBeforeKillIsOfferedAndRestored)
{
    if (!haveX())
        GTEST_SKIP() << "needs an X display (run under xvfb-run) and xdotool";
    const QString doc = path(QStringLiteral("doc.tex"));
    writeFile(doc, "Gr\xfc\xdf" "e\r\n"); // Windows-1252, CR LF
    QProcess *first = start({doc});
    ASSERT_TRUE(waitReady());
    const QString win = waitWindow(QStringLiteral("^doc.tex - Scriblet$"));
    ASSERT_FALSE(win.isEmpty());
    keys(win, {QStringLiteral("ctrl+Home"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
    ASSERT_TRUE(waitFor([&] {
        const QStringList files = recoveryFiles();
        return files.size() == 1
               && readAll(m_dir.path() + QStringLiteral("/.local/state/Scriblet/recovery/") + files.first())
                      .contains("xyzGr");
    })) << "no recovery entry with the typed text";
    ::kill(pid_t(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(10000));
    EXPECT_EQ(first->exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(readAll(doc), QByteArray("Gr\xfc\xdf" "e\r\n"));

    start({});
    const QString offer = waitWindow(QStringLiteral("^Wiederherstellung - Scriblet$"));
    ASSERT_FALSE(offer.isEmpty()) << "the recovered text was not offered";
    keys(offer, {QStringLiteral("Return")}); // the default button: restore
    const QString restored = waitWindow(QStringLiteral("^doc.tex \\* - Scriblet$"));
    ASSERT_FALSE(restored.isEmpty()) << "the document did not open modified";
    keys(restored, {QStringLiteral("ctrl+s")});
    EXPECT_TRUE(waitFor([&] { return readAll(doc) == QByteArray("xyzGr\xfc\xdf" "e\r\n"); }))
        << readAll(doc).toStdString();
    EXPECT_TRUE(waitFor([&] { return recoveryFiles().isEmpty(); }));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
