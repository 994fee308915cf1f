// Turns the physical lines of a TeX transcript into logical lines. TeX breaks every
// line of its log after max_print_line characters (79 unless texmf.cnf or the
// environment says otherwise), in the middle of a word or a file name, so a physical
// line of exactly that width continues on the next one.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

struct LogicalLine {
    QByteArray text;   // without line breaks; wrapped pieces joined with nothing between
    int firstLine = 0; // 0-based physical line of the log where it starts
    int lineCount = 1; // physical lines it spans
    // Byte offsets in text where a wrapped physical line was joined to the next
    // (empty for most lines); a file name cut there may also have ended there.
    QList<int> joins;
};

class LogLineJoiner
{
public:
    // maxPrintLine 0: the log is not wrapped, every physical line stands alone.
    explicit LogLineJoiner(int maxPrintLine = 79);

    // Appends to *out every logical line that bytes complete. A full-width line is
    // held back until the next physical line shows whether it continues.
    void feed(QByteArrayView bytes, QList<LogicalLine> *out);
    // Ends the log: the held-back lines go to *out.
    void finish(QList<LogicalLine> *out);

    // The width in use; it drops to 0 once a line longer than it shows that the
    // log was written with another max_print_line (the first line, TeX's banner,
    // is never wrapped and does not count).
    int maxPrintLine() const { return m_width; }
    int physicalLines() const { return m_physical; }

private:
    void physicalLine(QByteArray line, QList<LogicalLine> *out);
    bool isFullWidth(const QByteArray &line);

    int m_width;
    int m_physical = 0;       // physical lines seen so far
    QByteArray m_partial;     // bytes after the last line break
    LogicalLine m_pending;    // the logical line being built
    bool m_hasPending = false;
    bool m_pendingOpen = false; // its last piece was full width: it may continue
};
