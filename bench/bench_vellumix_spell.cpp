// The spell check's walk through documents without a misspelling, with the real
// ispell: how long Continue takes to reach "End of file reached" (the window shows the
// hourglass meanwhile), lines per second, and the slowest single line.
#include "spell/ispell.h"
#include "spell/pipetext.h"
#include "spell/spellcheckwalk.h"
#include "spell/spelllines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>

namespace {

// Lines of a LaTeX source that the American dictionary takes as correct, timing each
// line's check.
class TimedLines : public SpellLines
{
public:
    explicit TimedLines(const QStringList &lines) : m_lines(lines)
    {
        int start = 0;
        for (const QString &l : m_lines) {
            m_starts.append(start);
            start += int(l.size()) + 1;
        }
    }
    int lineCount() const override { return int(m_lines.size()); }
    int lineOf(int position) const override
    {
        return int(std::upper_bound(m_starts.begin(), m_starts.end(), position) - m_starts.begin()) - 1;
    }
    int lineStart(int line) const override { return m_starts.at(line); }
    QString lineText(int line) const override
    {
        // Called once per line, right before the line is checked.
        const qint64 now = m_clock.nsecsElapsed();
        if (m_last >= 0)
            m_longest = std::max(m_longest, now - m_last);
        m_last = now;
        return m_lines.at(line);
    }
    qint64 longestNs() const { return m_longest; }
    void startClock()
    {
        m_clock.start();
        m_last = -1;
        m_longest = 0;
    }

private:
    QStringList m_lines;
    QList<int> m_starts;
    mutable QElapsedTimer m_clock;
    mutable qint64 m_last = -1;
    mutable qint64 m_longest = 0;
};

QStringList document(qint64 bytes)
{
    const QStringList pattern{
        QStringLiteral("\\section{Results of the second experiment}"),
        QStringLiteral("The measurements in \\cite{miller} show that the house was built in the spring."),
        QStringLiteral("We compare the \\emph{first} and the second series of values in Table~\\ref{tab:one}."),
        QStringLiteral(""),
        QStringLiteral("A paragraph with $x^2 + y^2 = z^2$ and some more words about the garden and the river."),
    };
    QStringList lines;
    qint64 size = 0;
    for (int i = 0; size < bytes; ++i) {
        lines << pattern.at(i % pattern.size());
        size += lines.last().size() + 1;
    }
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (QStandardPaths::findExecutable(QStringLiteral("ispell")).isEmpty()) {
        std::printf("ispell is not installed: nothing to measure\n");
        return 0;
    }
    Ispell ispell;
    if (!ispell.start(QStringLiteral("ispell -t -d american -a"))) {
        std::printf("%s\n", qPrintable(ispell.failureMessage()));
        return 0;
    }
    std::printf("%-6s %9s %12s %12s %16s\n", "MB", "lines", "walk ms", "lines/s", "slowest line ms");
    for (const double mb : {0.1, 1.0, 5.0}) {
        TimedLines lines(document(qint64(mb * 1000 * 1000)));
        SpellCheckWalk walk(ispell, TextCodec::Encoding::Utf8);
        SpellCheckWalk::Found found;
        QElapsedTimer t;
        lines.startClock();
        t.start();
        const SpellCheckWalk::Outcome o = walk.next(lines, 0, &found);
        const qint64 ms = t.elapsed();
        if (o != SpellCheckWalk::Outcome::EndOfText) {
            std::printf("unexpected: %s\n", o == SpellCheckWalk::Outcome::Found ? "a misspelling" : "a failure");
            return 1;
        }
        std::printf("%-6.1f %9d %12lld %12.0f %16.2f\n", mb, lines.lineCount(), static_cast<long long>(ms),
                    lines.lineCount() * 1000.0 / std::max<qint64>(ms, 1), lines.longestNs() / 1e6);
    }
    return 0;
}
