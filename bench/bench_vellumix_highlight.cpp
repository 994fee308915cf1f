// Load-and-highlight time of the Vellumix editor for large LaTeX files, the longest
// single event-loop step while it runs, and the latency of typing in the middle.
#include "common/dialogprompter.h"
#include "editor/editorhost.h"
#include "editor/teditform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class BenchHost final : public EditorHost {
public:
    ClassFonts classFonts() const override
    {
        ClassFonts f;
        f[1].color = Qt::blue;
        f[1].bold = true;
        f[6].color = Qt::darkGreen;
        f[6].italic = true;
        return f;
    }
    QColor backgroundColor() const override { return Qt::white; }
    EditorOptions editorOptions() const override { return EditorOptions{}; }
    QString mainFile() const override { return QString(); }
    Prompter &prompter() override { return m_prompter; }
    TEditForm *activeEditor() const override { return nullptr; }
    QList<TEditForm *> editors() const override { return {}; }
    void addRecentFile(const QString &) override {}
    void replaceFirstRecentFile(const QString &) override {}
    void openFile(const QString &, OpenFormat, int) override {}
    bool openDocument(const QString &, const QString &) override { return false; }
    void runCommandLine(const QString &) override {}
    void setAppearance(const ClassFonts &, const QColor &) override {}

private:
    DialogPrompter m_prompter{nullptr};
};

// About 50 characters per line: 1 MB is some 20,000 lines.
QByteArray makeTex(qint64 bytes)
{
    static const char *lines[] = {
        "\\section{Results of the $n$-th experiment}\n",
        "We measured the values (see Table~\\ref{tab:a}) and\n",
        "found that $x^2 + y^2 = z^2$ holds [within 5\\%].\n",
        "% TODO: check the numbers again {later}\n",
        "\\begin{itemize} \\item first \\item second\n",
        "\\end{itemize}\n",
        "Plain prose without any markup at all, just words.\n",
        "\n",
    };
    QByteArray out;
    out.reserve(bytes + 100);
    for (int i = 0; out.size() < bytes; ++i)
        out += lines[i % 8];
    return out;
}

// Records the longest gap between two turns of the event loop while it runs.
class StepProbe {
public:
    StepProbe()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start(0);
    }
    // Longest step in ms, including the gap up to now.
    double stop()
    {
        m_timer.stop();
        m_longest = std::max(m_longest, m_clock.nsecsElapsed() - m_last);
        return double(m_longest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[size_t(std::min<double>(double(v.size() - 1), p * double(v.size())))];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BenchHost host;
    std::vector<int> sizes{1, 5, 20};
    if (argc > 1)
        sizes = {QByteArray(argv[1]).toInt()};

    std::printf("%-6s %9s %10s %12s %12s %11s %11s %11s\n", "MB", "lines", "load ms", "load step", "rehigh ms",
                "rehi step", "key p50 ms", "key p99 ms");
    for (int mb : sizes) {
        const QByteArray tex = makeTex(qint64(mb) * 1024 * 1024);
        const QString file = dir.filePath(QStringLiteral("bench%1.tex").arg(mb));
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(tex) != tex.size())
            return 1;
        f.close();

        TEditForm form(&host);
        form.resize(900, 700);
        form.show();
        QApplication::processEvents();

        StepProbe probe;
        QElapsedTimer t;
        probe.start();
        t.start();
        QTimer::singleShot(0, [&] { form.loadFromFile(file); });
        while (form.fileName().isEmpty() || form.editor()->isReadOnly())
            QApplication::processEvents();
        QApplication::processEvents();
        const double loadMs = double(t.nsecsElapsed()) / 1e6;
        const double loadStep = probe.stop();

        probe.start();
        t.start();
        bool done = false;
        QTimer::singleShot(0, [&] {
            form.highlightAll();
            done = true;
        });
        while (!done)
            QApplication::processEvents();
        QApplication::processEvents();
        const double rehighMs = double(t.nsecsElapsed()) / 1e6;
        const double rehighStep = probe.stop();

        form.setCaretPosition(int(tex.size() / 2));
        form.editor()->centerCursor();
        QApplication::processEvents();
        const QString typed = QStringLiteral("\\emph{word} more $x$ % note ");
        std::vector<double> keys;
        for (int round = 0; round < 8; ++round) {
            for (QChar c : typed) {
                t.start();
                QTest::keyClick(form.editor(), c.toLatin1());
                QApplication::processEvents();
                keys.push_back(double(t.nsecsElapsed()) / 1e6);
            }
            QTest::keyClick(form.editor(), Qt::Key_Return);
        }
        std::printf("%-6d %9lld %10.0f %12.1f %12.0f %11.1f %11.2f %11.2f\n", mb,
                    static_cast<long long>(tex.count('\n')), loadMs, loadStep, rehighMs, rehighStep,
                    percentile(keys, 0.5), percentile(keys, 0.99));
        std::fflush(stdout);
        form.setModified(false);
    }
    return 0;
}
