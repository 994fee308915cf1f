// Vellumix editor speed with highlighting on: for generated 1, 5 and 20 MB LaTeX
// files and for a file that is one 1 MB line, the time until the text is shown, until
// a key typed then is in the text ("edit"; the rest of a big file still arrives), until
// all of it is in the widget ("all in"), until every line is coloured, the
// longest single event-loop step meanwhile (the window must never freeze), the
// re-colouring of every open editor (Appearance OK), and the latency of typing.
// Times are wall-clock; "cpu" is the user-interface thread's processor time, which
// says what the work costs when other programs share the machine ("key cpu": the
// median of a key; "(work ms)": that of the longest step).
#include "common/dialogprompter.h"
#include "editor/editorhost.h"
#include "editor/teditform.h"
#include "stepprobe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

class BenchHost final : public EditorHost {
public:
    ClassFonts fonts;
    BenchHost()
    {
        fonts[1].color = Qt::blue;
        fonts[1].bold = true;
        fonts[6].color = Qt::darkGreen;
        fonts[6].italic = true;
    }
    ClassFonts classFonts() const override { return fonts; }
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

const char *const Lines[] = {
    "\\section{Results of the $n$-th experiment}\n",
    "We measured the values (see Table~\\ref{tab:a}) and\n",
    "found that $x^2 + y^2 = z^2$ holds [within 5\\%].\n",
    "% TODO: check the numbers again {later}\n",
    "\\begin{itemize} \\item first \\item second\n",
    "\\end{itemize}\n",
    "Plain prose without any markup at all, just words.\n",
    "\n",
};

// About 50 characters per line: 1 MB is some 20,000 lines. Without line breaks,
// the same text as one line.
QByteArray makeTex(qint64 bytes, bool oneLine)
{
    QByteArray out;
    out.reserve(bytes + 100);
    for (int i = 0; out.size() < bytes; ++i) {
        QByteArray line = Lines[i % 8];
        if (oneLine)
            line.replace('\n', ' ');
        out += line;
    }
    return out;
}

using benchsupport::StepProbe;
const auto cpuMs = benchsupport::threadCpuMs;

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[size_t(std::min<double>(double(v.size() - 1), p * double(v.size())))];
}

void runUntil(const std::function<bool()> &done)
{
    // Sleeps until something happens (the probe ticks every millisecond).
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

struct LoadFigures {
    double shown = 0, editable = 0, complete = 0, coloured = 0, step = 0, work = 0, cpu = 0;
};

// Opens file in form as the frame does, with the window shown.
LoadFigures load(TEditForm &form, const QString &file)
{
    LoadFigures f;
    StepProbe probe;
    QElapsedTimer t;
    probe.start();
    t.start();
    const double cpu0 = cpuMs();
    bool returned = false;
    bool typed = false;
    QTimer::singleShot(0, [&] {
        form.loadFromFile(file);
        form.editor()->viewport()->repaint();
        f.shown = double(t.nsecsElapsed()) / 1e6;
        returned = true;
        // A key at the top as soon as the text is there, in an event of its own.
        QTimer::singleShot(0, [&] {
            const int length = form.editor()->document()->characterCount();
            QTest::keyClick(form.editor(), 'x');
            form.editor()->viewport()->repaint();
            f.editable = double(t.nsecsElapsed()) / 1e6;
            if (form.editor()->document()->characterCount() != length + 1)
                f.editable = -1;
            typed = true;
        });
    });
    runUntil([&] { return returned && typed && !form.isLoading(); });
    f.complete = double(t.nsecsElapsed()) / 1e6;
    f.cpu = cpuMs() - cpu0;
    runUntil([&] { return form.highlightingDone(); });
    f.coloured = double(t.nsecsElapsed()) / 1e6;
    probe.stop();
    f.work = probe.longestWork();
    f.step = probe.longest();
    return f;
}

struct KeyFigures {
    double p50 = 0, p99 = 0, max = 0, cpu50 = 0;
};

// Types at pos, each key repainted before the next; with split, a line break ends
// each round (the long line keeps its length: it is never split).
KeyFigures typeAt(TEditForm &form, int pos, int rounds, bool split)
{
    form.setCaretPosition(pos);
    form.editor()->centerCursor();
    QApplication::processEvents();
    const QString typed = QStringLiteral("\\emph{word} more $x$ % note ");
    std::vector<double> keys;
    std::vector<double> keysCpu;
    QElapsedTimer t;
    for (int round = 0; round < rounds; ++round) {
        for (QChar c : typed) {
            t.start();
            const double cpu0 = cpuMs();
            QTest::keyClick(form.editor(), c.toLatin1());
            QApplication::processEvents();
            keys.push_back(double(t.nsecsElapsed()) / 1e6);
            keysCpu.push_back(cpuMs() - cpu0);
        }
        if (split)
            QTest::keyClick(form.editor(), Qt::Key_Return);
    }
    return {percentile(keys, 0.5), percentile(keys, 0.99), *std::max_element(keys.begin(), keys.end()),
            percentile(keysCpu, 0.5)};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BenchHost host;
    // An argument measures one size ("5") or only the long line ("line").
    std::vector<int> sizes{1, 5, 20};
    const bool lineOnly = argc > 1 && QByteArray(argv[1]) == "line";
    if (lineOnly)
        sizes.clear();
    else if (argc > 1)
        sizes = {QByteArray(argv[1]).toInt()};

    std::printf("%-9s %8s %9s %9s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n", "document", "lines", "shown ms", "edit ms",
                "all in ms", "all cpu", "colour ms", "step ms", "(work ms)", "key p50", "key p99", "key max", "key cpu");
    std::vector<std::unique_ptr<TEditForm>> open;
    auto row = [&](const QString &name, const QByteArray &tex, bool middleKeys) {
        const QString file = dir.filePath(name + QStringLiteral(".tex"));
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(tex) != tex.size())
            return false;
        f.close();
        auto form = std::make_unique<TEditForm>(&host);
        form->resize(900, 700);
        form->show();
        QApplication::processEvents();
        const LoadFigures l = load(*form, file);
        const KeyFigures k = typeAt(*form, middleKeys ? int(tex.size() / 2) : int(tex.size() / 2), middleKeys ? 8 : 2, middleKeys);
        std::printf("%-9s %8lld %9.0f %9.0f %9.0f %9.0f %9.0f %9.1f %9.1f %9.2f %9.2f %9.2f %9.2f\n", qPrintable(name),
                    static_cast<long long>(tex.count('\n')) + 1, l.shown, l.editable, l.complete, l.cpu, l.coloured, l.step,
                    l.work, k.p50, k.p99, k.max, k.cpu50);
        std::fflush(stdout);
        form->setModified(false);
        open.push_back(std::move(form));
        return true;
    };
    for (int mb : sizes)
        if (!row(QStringLiteral("%1 MB").arg(mb), makeTex(qint64(mb) * 1024 * 1024, false), true))
            return 1;
    if ((argc <= 1 || lineOnly) && !row(QStringLiteral("1MB-line"), makeTex(1024 * 1024, true), false))
        return 1;

    // Appearance OK: every open editor takes new fonts and is coloured afresh.
    host.fonts[1].color = Qt::red;
    StepProbe probe;
    QElapsedTimer t;
    probe.start();
    t.start();
    for (const auto &form : open)
        form->refreshAppearance();
    const double applied = double(t.nsecsElapsed()) / 1e6;
    runUntil([&] {
        return std::all_of(open.begin(), open.end(), [](const auto &f) { return f->highlightingDone(); });
    });
    probe.stop();
    std::printf("\nre-colour all %zu open editors: returns after %.0f ms, done after %.0f ms, longest step %.1f ms "
                "(%.1f ms work)\n",
                open.size(), applied, double(t.nsecsElapsed()) / 1e6, probe.longest(), probe.longestWork());
    return 0;
}
