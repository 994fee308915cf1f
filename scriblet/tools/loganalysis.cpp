#include "tools/loganalysis.h"

#include "latex/bibtexlogparser.h"
#include "latex/latexlogparser.h"
#include "platform/textcodec.h"
#include "resources/strings.h"
#include "tools/logreader.h"

#include <QFileInfo>

namespace {

// Keeps the last `cap` bytes of a stream, starting at a line, and counts the lines
// it let go.
class Tail
{
public:
    explicit Tail(qint64 cap) : m_cap(std::max<qint64>(cap, 1)) {}

    void append(QByteArrayView piece)
    {
        m_bytes += piece;
        if (m_bytes.size() > 2 * m_cap)
            trimTo(m_cap);
    }
    // Trims to the cap and drops a partial first line; returns the bytes kept.
    QByteArray finish()
    {
        if (m_bytes.size() > m_cap)
            trimTo(m_cap);
        if (m_cut && !m_atLineStart) {
            const qsizetype nl = m_bytes.indexOf('\n');
            m_bytes.remove(0, nl < 0 ? m_bytes.size() : nl + 1);
            ++m_lines;
        }
        return std::move(m_bytes);
    }
    int cutLines() const { return m_lines; }

private:
    void trimTo(qint64 keep)
    {
        const qsizetype drop = m_bytes.size() - keep;
        m_lines += int(QByteArrayView(m_bytes).first(drop).count('\n'));
        m_atLineStart = m_bytes.at(drop - 1) == '\n';
        m_bytes.remove(0, drop);
        m_cut = true;
    }

    qint64 m_cap;
    QByteArray m_bytes;
    int m_lines = 0;
    bool m_cut = false;
    bool m_atLineStart = true;
};

// The pane splits blocks at CR too: one log line must stay one pane line.
QString paneText(const QByteArray &bytes)
{
    QByteArray b = bytes;
    b.replace("\r\n", "\n");
    b.replace('\r', ' ');
    return TextCodec::decodeDetected(b);
}

} // namespace

LogAnalysis LogAnalysis::read(const QString &path, Format format, qint64 maxShownBytes)
{
    const QString dir = QFileInfo(path).absolutePath();
    LatexLogParser::Options options;
    options.workingDirectory = dir;
    LatexLogParser latex(options);
    // LaTeX's log goes to the parser in batches; BibTeX's logs are small and parsed at once.
    constexpr qsizetype Batch = 256 * 1024;
    QByteArray pending;
    Tail tail(maxShownBytes);
    const bool ok = LogReader::readPieces(path, [&](QByteArrayView piece) {
        tail.append(piece);
        pending += piece;
        if (format == Format::Latex && pending.size() >= Batch) {
            latex.feed(pending);
            pending.clear();
        }
    });
    if (!ok)
        return message(Str::text(Str::LogNotLoaded));

    LogAnalysis a;
    a.m_loaded = true;
    const QByteArray shown = tail.finish();
    a.m_cutLines = tail.cutLines();
    if (format == Format::Latex) {
        latex.feed(pending);
        latex.finish();
        a.m_log = latex.takeLog();
    } else {
        a.m_log = BibtexLogParser::parse(pending, dir);
    }
    a.m_text = paneText(shown);
    if (a.m_cutLines > 0)
        a.m_text.prepend(Str::format(Str::LogCut, {QString::number(a.m_cutLines)}) + QLatin1Char('\n'));
    return a;
}

LogAnalysis LogAnalysis::message(const QString &text)
{
    LogAnalysis a;
    a.m_text = text;
    return a;
}

int LogAnalysis::paneLine(int entry) const
{
    if (entry < 0 || entry >= m_log.size())
        return -1;
    const LatexLogEntry &e = m_log.at(entry);
    if (e.logLine + e.logLineCount <= m_cutLines)
        return -1;
    return std::max(e.logLine, m_cutLines) - m_cutLines + headerLines();
}

int LogAnalysis::entryAtPaneLine(int paneLine) const
{
    if (paneLine < headerLines())
        return -1;
    return m_log.entryAtLogLine(paneLine - headerLines() + m_cutLines);
}

int LogAnalysis::nextError(int from, bool forward) const
{
    using Kind = LatexLogEntry::Kind;
    if (forward) {
        const int i = m_log.next(from, Kind::Error);
        return i >= 0 ? i : m_log.next(-1, Kind::Error);
    }
    const int i = m_log.previous(from < 0 ? m_log.size() : from, Kind::Error);
    return i >= 0 ? i : m_log.previous(m_log.size(), Kind::Error);
}

int LogAnalysis::errorsBefore(int entry) const
{
    int n = 0;
    for (int i = 0; i < entry && i < m_log.size(); ++i)
        n += m_log.at(i).kind == LatexLogEntry::Kind::Error ? 1 : 0;
    return n;
}
