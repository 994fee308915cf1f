#include "latex/loglinejoiner.h"

namespace {

// Characters of UTF-8 text (bytes that do not continue a sequence). pdfTeX counts
// bytes when it wraps, XeTeX and LuaTeX count characters.
int utf8Length(const QByteArray &bytes)
{
    int n = 0;
    for (char c : bytes)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

LogLineJoiner::LogLineJoiner(int maxPrintLine)
    : m_width(maxPrintLine > 0 ? maxPrintLine : 0)
{
}

void LogLineJoiner::feed(QByteArrayView bytes, QList<LogicalLine> *out)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype nl = bytes.indexOf('\n', start);
        if (nl < 0)
            break;
        if (m_partial.isEmpty()) {
            physicalLine(bytes.sliced(start, nl - start).toByteArray(), out);
        } else {
            m_partial.append(bytes.constData() + start, nl - start);
            physicalLine(std::exchange(m_partial, QByteArray()), out);
        }
        start = nl + 1;
    }
    m_partial.append(bytes.constData() + start, bytes.size() - start);
}

void LogLineJoiner::finish(QList<LogicalLine> *out)
{
    if (!m_partial.isEmpty())
        physicalLine(std::exchange(m_partial, QByteArray()), out);
    if (m_hasPending) {
        out->append(std::move(m_pending));
        m_pending = LogicalLine();
        m_hasPending = false;
        m_pendingOpen = false;
    }
}

bool LogLineJoiner::isFullWidth(const QByteArray &line)
{
    if (m_width == 0 || line.size() < m_width)
        return false;
    if (line.size() == m_width)
        return true;
    const int chars = utf8Length(line);
    if (chars == m_width)
        return true;
    if (chars > m_width && m_physical > 1)
        m_width = 0; // written with a wider max_print_line: stop guessing wraps
    return false;
}

void LogLineJoiner::physicalLine(QByteArray line, QList<LogicalLine> *out)
{
    if (line.endsWith('\r'))
        line.chop(1);
    const int index = m_physical++;
    const bool full = isFullWidth(line);

    // An error message always starts on a line of its own; when the line before
    // happened to end exactly at the margin, TeX did not break it again.
    const bool continues = m_hasPending && m_pendingOpen && !line.startsWith("! ");
    if (continues) {
        m_pending.joins.append(int(m_pending.text.size()));
        m_pending.text.append(line);
        ++m_pending.lineCount;
    } else {
        if (m_hasPending)
            out->append(std::move(m_pending));
        m_pending = LogicalLine();
        m_pending.text = std::move(line);
        m_pending.firstLine = index;
        m_hasPending = true;
    }
    m_pendingOpen = full;
    if (!full) {
        out->append(std::move(m_pending));
        m_pending = LogicalLine();
        m_hasPending = false;
    }
}
