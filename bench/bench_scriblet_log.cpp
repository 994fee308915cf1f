// Scriblet's log after a LaTeX run on large logs: reading and parsing on the worker
// thread, the longest pause of the window's thread meanwhile (it only pumps events),
// and the two steps of the window's thread that show the log's end in the pane
// (taking the text, the first paint). Prints a table.
#include "common/cshellsettings.h"
#include "silentprompter.h"
#include "synthlog.h"
#include "tools/clogbar.h"
#include "tools/loganalysis.h"
#include "tools/toolrunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using benchsupport::makeLog;

namespace {

// One document, main.tex, in the benchmark's folder.
class BenchHost : public ToolHost
{
public:
    explicit BenchHost(const QString &doc) : m_doc(doc) {}
    bool saveModifiedDocuments() override { return false; }
    bool hasOpenDocuments() const override { return true; }
    std::optional<ActiveDocument> activeDocument() const override { return ActiveDocument{"main.tex", m_doc}; }
    void activateMainWindow() override {}
    void setMainDocumentStatus(const QString &) override {}
    bool needsTexRun() const override { return false; }
    void setNeedsTexRun(bool) override {}
    bool isProjectLoaded() const override { return false; }
    void refreshTableOfContents(bool) override {}
    bool openDocumentAt(const QString &, int) override { return true; }

private:
    QString m_doc;
};

// "LaTeX" writes the prepared log, as the real one would.
class LogWriter : public ToolLauncher
{
public:
    LogWriter(const QString &path, const QByteArray &log) : m_path(path), m_log(log) {}
    HostProcess::Result run(const QString &, const QStringList &, const QString &, bool, const std::function<void()> &) override
    {
        QFile f(m_path);
        if (f.open(QIODevice::WriteOnly))
            f.write(m_log);
        HostProcess::Result r;
        r.started = true;
        r.exitCode = 1;
        return r;
    }

private:
    QString m_path;
    QByteArray m_log;
};

// Times the window's pauses between pumps and the pane's showing of the log.
class BenchDisplay : public ToolRunner::Display
{
public:
    explicit BenchDisplay(CLogBar *bar) : m_bar(bar) {}
    void beginWaitedRun(const QString &) override { m_gap.invalidate(); }
    void endWaitedRun() override {}
    void keepAlive() override
    {
        if (m_gap.isValid())
            longestPauseNs = std::max(longestPauseNs, m_gap.nsecsElapsed());
        QCoreApplication::processEvents();
        m_gap.start();
    }
    void showLog(const LogAnalysis &log) override
    {
        QElapsedTimer t;
        t.start();
        m_bar->setLog(log);
        showNs = t.nsecsElapsed();
        t.start();
        m_bar->edit()->viewport()->repaint(); // the first paint of the new text
        paintNs = t.nsecsElapsed();
        entries = log.log().size();
    }
    void showRunStatus(int, const QStringList &) override {}

    qint64 longestPauseNs = 0;
    qint64 showNs = 0;
    qint64 paintNs = 0;
    int entries = 0;

private:
    CLogBar *m_bar;
    QElapsedTimer m_gap;
};

double ms(qint64 ns) { return double(ns) / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString doc = dir.filePath(QStringLiteral("main.tex"));
    QFile(doc).open(QIODevice::WriteOnly);
    CShellSettings settings(dir.filePath(QStringLiteral("cfg")));
    settings.readToolSettings();
    SilentPrompter prompter;
    BenchHost host(doc);
    CLogBar bar;
    bar.resize(800, 300);
    bar.show();

    std::printf("%-4s %9s %8s %16s %18s %14s %14s %10s\n", "MB", "lines", "entries", "read+parse ms",
                "longest pause ms", "pane text ms", "pane paint ms", "shown MB");
    for (const int mb : {1, 10, 50}) {
        const QByteArray log = makeLog(qint64(mb) * 1000 * 1000);
        BenchDisplay display(&bar);
        ToolRunner runner(settings, host, display, prompter,
                          std::make_unique<LogWriter>(dir.filePath(QStringLiteral("main.log")), log));
        runner.runLatex(); // writes the log, reads it on the worker, shows it
        QElapsedTimer t;
        t.start();
        const LogAnalysis direct = LogAnalysis::read(dir.filePath(QStringLiteral("main.log")), LogAnalysis::Format::Latex);
        const qint64 readNs = t.nsecsElapsed();
        std::printf("%-4d %9lld %8d %16.1f %18.1f %14.1f %14.1f %10.1f\n", mb, (long long)log.count('\n'),
                    display.entries, ms(readNs), ms(display.longestPauseNs), ms(display.showNs), ms(display.paintNs),
                    double(direct.text().size()) / 1e6);
        std::fflush(stdout);
    }
    return 0;
}
