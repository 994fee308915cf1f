// Crash-recovery costs for 1, 5 and 20 MB documents: what the user-interface thread
// pays to hand a snapshot to the recovery writer (the rest runs on the writer's
// thread), how long the writer needs until the entry is on disk (fsync included),
// and what listing and reading the entries costs at the next start. Prints a table.
#include "platform/recoverystore.h"
#include "platform/recoverywriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QString makeText(qint64 bytes)
{
    const QString para = QString::fromUtf8("Dies ist ein Absatz über Größen mit \\textbf{fettem} Text und $a^2+b^2=c^2$.\n");
    QString text;
    text.reserve(bytes);
    while (text.size() < bytes)
        text += para;
    return text;
}

double ms(qint64 ns) { return double(ns) / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("%-8s %14s %16s %14s %12s\n", "size", "hand-over ms", "until written ms", "list+read ms", "entry MB");
    for (const int mb : {1, 5, 20}) {
        const QString text = makeText(qint64(mb) << 20);
        RecoveryWriter writer(dir.path() + QStringLiteral("/r%1").arg(mb));
        RecoveryStore::Snapshot s;
        s.documentPath = dir.path() + QStringLiteral("/doc%1.tex").arg(mb);
        s.encoding = TextCodec::Encoding::Windows1252;
        s.lineBreak = TextFile::LineBreak::CrLf;
        QElapsedTimer t;
        qint64 handOver = 0, written = 0;
        const int rounds = 5;
        for (int i = 0; i < rounds; ++i) {
            t.start();
            s.text = text; // the copy the editor hands over (shared until changed)
            writer.write(s);
            handOver += t.nsecsElapsed();
            writer.flush();
            written += t.nsecsElapsed();
        }
        t.start();
        const QList<RecoveryStore::Entry> entries = writer.store().entries();
        RecoveryStore::Snapshot back;
        writer.store().read(s.id(), &back);
        const qint64 listRead = t.nsecsElapsed();
        const double entryMb = double(QFileInfo(writer.store().fileFor(s.id())).size()) / (1 << 20);
        std::printf("%-8s %14.3f %16.1f %14.1f %12.1f\n", qPrintable(QStringLiteral("%1 MB").arg(mb)),
                    ms(handOver / rounds), ms(written / rounds), ms(listRead), entryMb);
    }
    return 0;
}
