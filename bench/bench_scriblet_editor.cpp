// Scriblet editor speed: start-up to the first shown main window, open-to-editable
// time for generated 1, 5 and 20 MB .tex files, typing latency in the middle of
// the 5 MB file, a file that is one 1 MB line (open, the longest stall in the two
// seconds after, typing on the line), and the peak memory of the process.
#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

class SilentPrompter : public Prompter
{
public:
    void message(const QString &, Icon, const QString &) override {}
    Answer question(const QString &, bool) override { return Answer::No; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QStringList openFileNames(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &, Overwrite) override
    {
        return {};
    }
    bool chooseFont(QFont *) override { return false; }
    bool askProjectName(QString *) override { return false; }
    int chooseLanguage() override { return 0; }
    void showInformation() override {}
    void showAbout() override {}
    void beep() override {}
};

QString makeTex(const QString &dir, qint64 bytes)
{
    const QString path = dir + QStringLiteral("/gen%1.tex").arg(bytes);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    const QByteArray para = "Dies ist ein Absatz mit \\textbf{fettem} Text und einer Formel $a^2+b^2=c^2$. % Kommentar\r\n";
    QByteArray chunk;
    for (int i = 0; i < 100; ++i)
        chunk += (i % 20 == 0 ? QByteArray("\\section{Abschnitt}\r\n") : para);
    qint64 written = 0;
    while (written < bytes)
        written += f.write(chunk);
    return path;
}

double ms(qint64 ns) { return double(ns) / 1e6; }

// The generated text without line breaks: one line of about bytes characters.
QString makeLongLine(const QString &dir, qint64 bytes)
{
    const QString path = dir + QStringLiteral("/line%1.tex").arg(bytes);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    const QByteArray para = "Dies ist ein Absatz mit \\textbf{fettem} Text und einer Formel $a^2+b^2=c^2$. ";
    qint64 written = 0;
    while (written < bytes)
        written += f.write(para);
    return path;
}

// Runs the event loop for ms milliseconds; returns the longest single turn.
double longestTurn(int forMs)
{
    QElapsedTimer total;
    QElapsedTimer turn;
    total.start();
    qint64 longest = 0;
    while (total.elapsed() < forMs) {
        turn.start();
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        longest = std::max(longest, turn.nsecsElapsed());
    }
    return ms(longest);
}

// Key-to-repaint latencies of typing count letters at the caret, sorted.
QList<qint64> typeKeys(CShellView *view, int count)
{
    QList<qint64> lat;
    QElapsedTimer t;
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        t.restart();
        QApplication::sendEvent(view, &press);
        QApplication::sendEvent(view, &release);
        QApplication::processEvents();
        view->viewport()->repaint();
        lat.append(t.nsecsElapsed());
    }
    std::sort(lat.begin(), lat.end());
    return lat;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toLocal8Bit());
    CShellSettings settings(dir.path() + QStringLiteral("/cfg"));
    settings.dviViewerLookup = [] { return QStringLiteral("xdvi"); };
    settings.psViewerLookup = [] { return QStringLiteral("gv"); };
    SilentPrompter prompter;

    std::printf("%-40s %12s\n", "measure", "value");
    QElapsedTimer t;
    t.start();
    CMainFrame frame(&settings, &prompter);
    frame.create();
    frame.show();
    QApplication::processEvents();
    std::printf("%-40s %9.1f ms\n", "start-up to shown main window", ms(t.nsecsElapsed()));

    CShellView *view5 = nullptr;
    QString path5;
    // "line" as the argument measures only the long line.
    const bool lineOnly = argc > 1 && QByteArray(argv[1]) == "line";
    for (qint64 mb : {1, 5, 20}) {
        if (lineOnly)
            break;
        const QString path = makeTex(dir.path(), mb * 1024 * 1024);
        t.restart();
        CShellView *v = frame.documents().openDocument(path);
        QApplication::processEvents();
        std::printf("%-40s %9.1f ms\n", qPrintable(QStringLiteral("open to editable, %1 MB").arg(mb)),
                    ms(t.nsecsElapsed()));
        if (mb == 5) {
            view5 = v;
            path5 = path;
        }
    }

    if (view5) {
        view5 = frame.documents().openDocument(path5); // activates it
        QTextCursor c = view5->textCursor();
        c.setPosition(view5->document()->textDocument()->characterCount() / 2);
        view5->setTextCursor(c);
        const QList<qint64> lat = typeKeys(view5, 300);
        std::printf("%-40s %9.2f ms\n", "typing latency median (5 MB)", ms(lat.at(lat.size() / 2)));
        std::printf("%-40s %9.2f ms\n", "typing latency p99 (5 MB)", ms(lat.at(lat.size() * 99 / 100)));
    }
    {
        const QString path = makeLongLine(dir.path(), 1024 * 1024);
        t.restart();
        CShellView *v = frame.documents().openDocument(path);
        if (v)
            v->viewport()->repaint();
        std::printf("%-40s %9.1f ms\n", "open to shown, one 1 MB line", ms(t.nsecsElapsed()));
        std::printf("%-40s %9.1f ms\n", "longest stall in the 2 s after", longestTurn(2000));
        if (v) {
            QTextCursor c = v->textCursor();
            c.setPosition(v->document()->textDocument()->characterCount() / 2);
            v->setTextCursor(c);
            v->centerCursor();
            QApplication::processEvents();
            const QList<qint64> lat = typeKeys(v, 30);
            std::printf("%-40s %9.2f ms\n", "typing latency median (1 MB line)", ms(lat.at(lat.size() / 2)));
            std::printf("%-40s %9.2f ms\n", "typing latency max (1 MB line)", ms(lat.constLast()));
        }
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("%-40s %9.1f MB\n", "peak memory (max RSS)", ru.ru_maxrss / 1024.0);
    frame.setNeedsTexRun(false);
    return 0;
}
