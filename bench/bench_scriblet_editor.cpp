// Scriblet editor speed with colouring on, as a new user meets it: start-up to the
// first shown main window; for generated 1, 5 and 20 MB .tex files the time from
// the start of File > Open until the text is editable and until it is fully
// coloured, the longest time the event loop stood still in between (and the
// processor time of that longest step: the figure that other programs on a busy
// machine cannot stretch), the latency
// of typing in the middle of the coloured document (wall clock, and the median
// processor time of a key), and the peak memory. Each
// size runs in a process of its own, so that its peak memory is its own. The row
// "1L" is a document that is one 1 MB line (pasted or generated text). Prints a
// table.
#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "common/cshellsettings.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "silentprompter.h"
#include "stepprobe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

// Prose with markup, about 90 characters a line: 5 MB is some 60,000 lines.
QString makeTex(const QString &dir, qint64 bytes)
{
    const QString path = dir + QStringLiteral("/gen%1.tex").arg(bytes);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    const QByteArray para =
        "Dies ist ein Absatz mit \\textbf{fettem} Text und einer Formel $a^2+b^2=c^2$. % Kommentar\r\n";
    QByteArray chunk;
    for (int i = 0; i < 100; ++i)
        chunk += (i % 20 == 0 ? QByteArray("\\section{Abschnitt} \\begin{itemize}[x]\r\n") : para);
    qint64 written = 0;
    while (written < bytes)
        written += f.write(chunk);
    return path;
}

double ms(qint64 ns) { return double(ns) / 1e6; }

// Counts the paint events of the watched widget.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::Paint;
        return false;
    }
};

// The generated text without line breaks: one line of about bytes characters.
QString makeLongLine(const QString &dir, qint64 bytes)
{
    const QString path = dir + QStringLiteral("/line%1.tex").arg(bytes);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    const QByteArray para = "Dies ist ein Absatz mit \\textbf{fettem} Text und einer Formel $a^2+b^2=c^2$. ";
    qint64 written = 0;
    while (written < bytes)
        written += f.write(para);
    return path;
}

// Processor time of the whole process (reader thread included): what opening
// would take on an idle machine, however busy this one is.
qint64 processCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[size_t(std::min<double>(double(v.size() - 1), p * double(v.size())))];
}

// One size in this process: prints "startup lines editable (cpu) coloured (cpu) stall (work) p50 p99 (cpu) peak".
int runSize(int mb, bool oneLine)
{
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toLocal8Bit());
    QDir().mkpath(dir.path() + QStringLiteral("/cfg"));
    QFile ini(dir.path() + QStringLiteral("/cfg/Scriblet.ini"));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[Farben]\r\nSyntax Highlightning=1\r\n") < 0)
        return 1;
    ini.close();
    CShellSettings settings(dir.path() + QStringLiteral("/cfg"));
    settings.dviViewerLookup = [] { return QStringLiteral("xdvi"); };
    settings.psViewerLookup = [] { return QStringLiteral("gv"); };
    SilentPrompter prompter;

    QElapsedTimer t;
    t.start();
    CMainFrame frame(&settings, &prompter);
    frame.create();
    frame.resize(1280, 900);
    frame.show();
    QApplication::processEvents();
    const double startup = ms(t.nsecsElapsed());

    const qint64 bytes = qint64(mb) * 1024 * 1024;
    const QString path = oneLine ? makeLongLine(dir.path(), bytes) : makeTex(dir.path(), bytes);
    benchsupport::StepProbe probe;
    CShellView *view = nullptr;
    double editable = 0;
    double editableCpu = 0;
    probe.start();
    t.restart();
    const qint64 cpuStart = processCpuNs();
    QTimer::singleShot(0, &frame, [&] {
        view = frame.documents().openDocument(path);
        editable = ms(t.nsecsElapsed());
        editableCpu = ms(processCpuNs() - cpuStart);
    });
    while (!view || !view->tracker().backgroundDone())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double coloured = ms(t.nsecsElapsed());
    const double colouredCpu = ms(processCpuNs() - cpuStart);
    probe.stop();
    const double stall = probe.longest();
    const double stallCpu = probe.longestWork();
    const int lines = view->document()->textDocument()->blockCount();

    QTextCursor c = view->textCursor();
    c.setPosition(view->document()->textDocument()->characterCount() / 2);
    view->setTextCursor(c);
    view->centerCursor();
    QApplication::processEvents();
    const QString typed = QStringLiteral("\\emph{Wort} mehr $x$ % Notiz ");
    std::vector<double> keys;
    std::vector<double> keysCpu;
    PaintCounter paints;
    view->viewport()->installEventFilter(&paints);
    // A key on the long line lays the whole line out again: fewer rounds there.
    for (int round = 0; round < (oneLine ? 1 : 8); ++round) {
        for (QChar ch : typed) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            t.restart();
            const double keyCpu = benchsupport::threadCpuMs();
            paints.count = 0;
            QApplication::sendEvent(view, &press);
            QApplication::sendEvent(view, &release);
            QApplication::processEvents();
            // The key counts with its paint, and with one only: the update the
            // key asked for is normally painted above already.
            if (paints.count == 0)
                view->viewport()->repaint();
            keys.push_back(ms(t.nsecsElapsed()));
            keysCpu.push_back(benchsupport::threadCpuMs() - keyCpu);
        }
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("%.1f %d %.0f %.0f %.0f %.0f %.1f %.1f %.2f %.2f %.2f %.1f\n", startup, lines, editable, editableCpu,
                coloured, colouredCpu, stall, stallCpu, percentile(keys, 0.5), percentile(keys, 0.99),
                percentile(keysCpu, 0.5), double(ru.ru_maxrss) / 1024.0);
    view->document()->setModifiedFlag(false);
    frame.setNeedsTexRun(false);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && (QByteArray(argv[1]) == "--size" || QByteArray(argv[1]) == "--line")) {
        QApplication app(argc, argv);
        return runSize(QByteArray(argv[2]).toInt(), QByteArray(argv[1]) == "--line");
    }
    QCoreApplication app(argc, argv);
    // Other work on the machine stretches every figure; the load says how much.
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("load average: %s\n", loadavg.readLine().trimmed().constData());
    std::printf("%-4s %7s %12s %8s %12s %8s %9s %11s %8s %8s %8s %8s\n", "MB", "lines", "editable ms", "(cpu)",
                "coloured ms", "(cpu)", "stall ms", "(work ms)", "key p50", "key p99", "(cpu)", "peak MB");
    QString startup;
    // "line" as the argument measures only the long line.
    const bool lineOnly = argc > 1 && QByteArray(argv[1]) == "line";
    const std::pair<const char *, int> rows[] = {{"--size", 1}, {"--size", 5}, {"--size", 20}, {"--line", 1}};
    for (const auto &[kind, mb] : rows) {
        const bool oneLine = QByteArray(kind) == "--line";
        if (lineOnly && !oneLine)
            continue;
        const QString name = QString::number(mb) + (oneLine ? QStringLiteral("L") : QString());
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kind), QString::number(mb)});
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            std::printf("%-4s failed\n", qPrintable(name));
            continue;
        }
        const QStringList v = QString::fromLatin1(p.readAllStandardOutput()).trimmed().split(u' ');
        if (v.size() != 12) {
            std::printf("%-4s failed\n", qPrintable(name));
            continue;
        }
        if (startup.isEmpty())
            startup = v.at(0);
        std::printf("%-4s %7s %12s %8s %12s %8s %9s %11s %8s %8s %8s %8s\n", qPrintable(name), qPrintable(v.at(1)),
                    qPrintable(v.at(2)), qPrintable(v.at(3)), qPrintable(v.at(4)), qPrintable(v.at(5)),
                    qPrintable(v.at(6)), qPrintable(v.at(7)), qPrintable(v.at(8)), qPrintable(v.at(9)),
                    qPrintable(v.at(10)), qPrintable(v.at(11)));
        std::fflush(stdout);
    }
    std::printf("start-up to shown main window: %s ms\n", qPrintable(startup));
    return 0;
}
