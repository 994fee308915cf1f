// Parse time of large LaTeX logs: the whole log at once (as a worker thread would
// run it) and fed in chunks (as the window's thread would, one chunk per turn of
// the event loop), with the longest single step.
#include "latex/latexlogparser.h"
#include "synthlog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

using benchsupport::makeLog;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::vector<int> sizes{1, 10};
    if (argc > 1)
        sizes = {QByteArray(argv[1]).toInt()};

    LatexLogParser::Options options;
    options.workingDirectory = QStringLiteral("/nonexistent/thesis");

    std::printf("%-6s %9s %8s %-14s %10s %8s %14s\n", "MB", "lines", "entries", "mode", "total ms", "MB/s",
                "longest step");
    for (int mb : sizes) {
        const QByteArray log = makeLog(qint64(mb) * 1000 * 1000);
        const double megabytes = double(log.size()) / 1e6;
        const long long lines = log.count('\n');

        LatexLogParser::parse(log.left(1000 * 1000), options); // warm-up
        QElapsedTimer t;
        t.start();
        const LatexLog whole = LatexLogParser::parse(log, options);
        const double wholeMs = double(t.nsecsElapsed()) / 1e6;
        std::printf("%-6d %9lld %8d %-14s %10.1f %8.1f %14s\n", mb, lines, whole.size(), "whole", wholeMs,
                    megabytes / (wholeMs / 1000), "-");

        for (int kib : {64, 256, 1024}) {
            const qsizetype chunk = qsizetype(kib) * 1024;
            LatexLogParser parser(options);
            qint64 longest = 0;
            t.start();
            for (qsizetype at = 0; at < log.size(); at += chunk) {
                QElapsedTimer step;
                step.start();
                parser.feed(log.mid(at, chunk));
                longest = std::max(longest, step.nsecsElapsed());
            }
            parser.finish();
            const double totalMs = double(t.nsecsElapsed()) / 1e6;
            const QByteArray mode = "chunks " + QByteArray::number(kib) + " KiB";
            std::printf("%-6d %9lld %8d %-14s %10.1f %8.1f %11.2f ms\n", mb, lines, parser.log().size(),
                        mode.constData(), totalMs, megabytes / (totalMs / 1000), double(longest) / 1e6);
        }
        std::fflush(stdout);
    }
    return 0;
}
