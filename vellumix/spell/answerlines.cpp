#include "spell/answerlines.h"

void AnswerLines::addToPartial(const char *data, qsizetype size)
{
    const qsizetype room = KeptLineBytes - m_partial.size();
    if (room > 0)
        m_partial.append(data, qMin(room, size));
    m_partialSize += size;
}

void AnswerLines::append(const QByteArray &chunk)
{
    qsizetype from = 0;
    while (from < chunk.size()) {
        const qsizetype lf = chunk.indexOf('\n', from);
        if (lf < 0) {
            addToPartial(chunk.constData() + from, chunk.size() - from);
            return;
        }
        addToPartial(chunk.constData() + from, lf - from);
        Line line;
        line.cut = m_partialSize > KeptLineBytes;
        line.text = m_partial;
        if (!line.cut && line.text.endsWith('\r'))
            line.text.chop(1);
        m_lines.append(line);
        m_partial.clear();
        m_partialSize = 0;
        from = lf + 1;
    }
}

void AnswerLines::clear()
{
    m_lines.clear();
    m_partial.clear();
    m_partialSize = 0;
}
