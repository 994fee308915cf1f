#include "spell/pipetext.h"

#include "platform/hostprocess.h"

#include <algorithm>

TextCodec::Encoding PipeText::encodingFor(const QString &commandLine, TextCodec::Encoding documentEncoding)
{
    const QStringList args = HostProcess::splitCommandLine(commandLine);
    QString type;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("-T") && i + 1 < args.size())
            type = args.at(++i);
        else if (a.startsWith(QLatin1String("-T")) && a.size() > 2)
            type = a.mid(2);
    }
    type = type.toLower();
    if (type == QLatin1String("latin1") || type == QLatin1String("latin-1") || type == QLatin1String("iso8859-1")
        || type == QLatin1String("iso-8859-1"))
        return TextCodec::Encoding::Windows1252;
    if (type == QLatin1String("utf8") || type == QLatin1String("utf-8"))
        return TextCodec::Encoding::Utf8;
    return documentEncoding;
}

PipeText::PipeText(const QString &text, TextCodec::Encoding encoding)
{
    const qsizetype n = text.size();
    m_starts.resize(n + 1);
    bool ascii = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) {
        m_bytes = text.toLatin1();
        for (qsizetype i = 0; i <= n; ++i)
            m_starts[i] = int(i);
        return;
    }
    m_bytes.reserve(n * 2);
    for (qsizetype i = 0; i < n;) {
        const QChar c = text.at(i);
        const int start = int(m_bytes.size());
        const bool pair = c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        if (c.unicode() < 0x80)
            m_bytes.append(char(c.unicode()));
        else
            m_bytes.append(TextCodec::encode(text.mid(i, units), encoding));
        for (qsizetype k = 0; k < units; ++k)
            m_starts[i + k] = start;
        i += units;
    }
    m_starts[n] = int(m_bytes.size());
}

int PipeText::charIndex(int byteOffset) const
{
    return int(std::lower_bound(m_starts.cbegin(), m_starts.cend(), byteOffset) - m_starts.cbegin());
}

int PipeText::byteOffset(int charIndex) const { return m_starts.at(qBound(0, charIndex, int(m_starts.size() - 1))); }

QList<PipeText::Piece> PipeText::pieces(int maxBytes) const
{
    QList<Piece> out;
    const int total = int(m_bytes.size());
    int from = 0;
    while (total - from > maxBytes) {
        int end = from + maxBytes;
        // After the last blank that fits, else at the last character boundary.
        int cut = -1;
        for (int i = end - 1; i > from; --i)
            if (m_bytes.at(i) == ' ' || m_bytes.at(i) == '\t') {
                cut = i + 1;
                break;
            }
        if (cut < 0) {
            const int c = charIndex(end);
            cut = byteOffset(c) > end ? byteOffset(c - 1) : byteOffset(c);
            if (cut <= from)
                cut = end;
        }
        out.append({from, cut - from});
        from = cut;
    }
    if (from < total || out.isEmpty())
        out.append({from, total - from});
    return out;
}
