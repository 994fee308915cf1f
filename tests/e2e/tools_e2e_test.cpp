// The real Scriblet program running the TeX tool chain: F9 on an opened document
// runs LaTeX, DVIPS and the PostScript viewer; Ctrl+F1 starts a user tool in the
// document's directory. Keys are sent with xdotool under xvfb-run; without a
// display the test is skipped.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "isolatedenvironment.h"
#include "testsupport.h"

namespace {

using testsupport::readAll;
using testsupport::waitFor;
using testsupport::writeFile;

class ScribletTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "needs an X display (run under xvfb-run) and xdotool";
        if (QStandardPaths::findExecutable("latex").isEmpty() || QStandardPaths::findExecutable("dvips").isEmpty())
            GTEST_SKIP() << "TeX Live is not installed";
        ASSERT_TRUE(m_dir.isValid());
        // Every per-user directory, the single-instance socket's included, is the
        // test's own: a running copy of Scriblet never captures the hand-overs.
        m_env = testsupport::isolatedEnvironment(m_dir.path());
        m_env.insert("QT_QPA_PLATFORM", "xcb");
    }
    void TearDown() override
    {
        if (m_proc && m_proc->state() != QProcess::NotRunning) {
            m_proc->kill();
            m_proc->waitForFinished(5000);
        }
        delete m_proc;
    }
    QString path(const QString &rel) const { return m_dir.path() + '/' + rel; }
    QString ini() const { return path(".config/Scriblet/Scriblet.ini"); }
    // A link to the test helper recording its runs in <name>.rec.
    QString helper(const QString &name)
    {
        const QString link = path(name);
        QFile::link(QStringLiteral(TESTHELPER_PATH), link);
        writeFile(link + ".behave", "record=" + (link + ".rec").toUtf8() + "\n");
        return link;
    }
    QString xdotool(const QStringList &args)
    {
        QProcess p;
        p.start("xdotool", args);
        p.waitForFinished(20000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    QString startAndFindWindow(const QStringList &args)
    {
        m_proc = new QProcess;
        m_proc->setProcessEnvironment(m_env);
        m_proc->setWorkingDirectory(m_dir.path());
        m_proc->start(QStringLiteral(SCRIBLET_PATH), args);
        EXPECT_TRUE(m_proc->waitForStarted(10000));
        // Ready once the frame wrote its toolbar images; the main window's title
        // ends in "Scriblet" (a splash may show before it).
        waitFor([&] { return QFile::exists(path(".config/Scriblet/ScribletMacros.bmp")); });
        QString win;
        waitFor([&] {
            if (win.isEmpty())
                win = xdotool({"search", "--onlyvisible", "--name", "Scriblet$"}).section('\n', 0, 0);
            return !win.isEmpty();
        });
        return win;
    }
    void key(const QString &win, const QString &keys)
    {
        xdotool({"windowfocus", "--sync", win});
        xdotool({"key", "--window", win, keys});
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QProcess *m_proc = nullptr;
};

TEST_F(ScribletTools, F9RunsTheChainAndCtrlF1StartsAUserTool)
{
    const QString viewer = helper("psviewer");
    const QString tool = helper("usertool");
    writeFile(ini(), "[General]\r\nLanguage=0\r\nVersion=2.0r\r\n"
                     "[GhostView Settings]\r\nexe=" + viewer.toUtf8() + "\r\n"
                     "[UserTools Settings]\r\nname0=Pfad\r\nexe0=" + tool.toUtf8() + "\r\ncmd0=-f %pc.log\r\n"
                     "runtex0=0\r\nrundvips0=0\r\n");
    writeFile(path("my doc/a.tex"), "\\documentclass{article}\n\\begin{document}\nHello\n\\end{document}\n");
    const QString win = startAndFindWindow({path("my doc/a.tex")});
    ASSERT_FALSE(win.isEmpty()) << "no window";

    key(win, "F9");
    ASSERT_TRUE(waitFor([&] { return readAll(viewer + ".rec").contains("a.ps"); })) << "the viewer was not started";
    EXPECT_TRUE(QFileInfo::exists(path("my doc/a.dvi")));
    EXPECT_TRUE(QFileInfo::exists(path("my doc/a.ps")));
    EXPECT_EQ(readAll(viewer + ".rec"), (path("my doc") + "\ta.ps\n").toUtf8());

    key(win, "ctrl+F1");
    ASSERT_TRUE(waitFor([&] { return !readAll(tool + ".rec").isEmpty(); })) << "the user tool was not started";
    EXPECT_EQ(readAll(tool + ".rec"), (path("my doc") + "\t-f\t" + path("my doc/a.log") + "\n").toUtf8());

    key(win, "alt+d");
    xdotool({"key", "b"});
    ASSERT_TRUE(m_proc->waitForFinished(20000)) << "the window did not close";
    EXPECT_EQ(m_proc->exitCode(), 0);
    // Running tools writes no tool key: they stay as the user wrote them.
    EXPECT_TRUE(readAll(ini()).contains("cmd0=-f %pc.log"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
