// Scriblet editor speed: start-up to the first shown main window, open-to-editable
// time for generated 1, 5 and 20 MB .tex files, typing latency in the middle of
// the 5 MB file, and the peak memory of the process. Prints a table.
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
    QString openProgramName(const QString &, const QString &) override { return {}; }
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
    for (qint64 mb : {1, 5, 20}) {
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
        QList<qint64> lat;
        for (int i = 0; i < 300; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            t.restart();
            QApplication::sendEvent(view5, &press);
            QApplication::sendEvent(view5, &release);
            QApplication::processEvents();
            view5->viewport()->repaint();
            lat.append(t.nsecsElapsed());
        }
        std::sort(lat.begin(), lat.end());
        std::printf("%-40s %9.2f ms\n", "typing latency median (5 MB)", ms(lat.at(lat.size() / 2)));
        std::printf("%-40s %9.2f ms\n", "typing latency p99 (5 MB)", ms(lat.at(lat.size() * 99 / 100)));
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("%-40s %9.1f MB\n", "peak memory (max RSS)", ru.ru_maxrss / 1024.0);
    frame.setNeedsTexRun(false);
    return 0;
}
