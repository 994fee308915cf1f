// Splits what ispell writes into lines, across the chunks the pipe delivers. A line
// ends at LF; a CR before it is dropped. Of a line longer than KeptLineBytes only the
// first KeptLineBytes are kept (and the line is marked cut); a line that runs past
// MaxLineBytes without an LF is no answer of a spell checker at all (overlong()).
#pragma once

#include <QByteArray>
#include <QList>

class AnswerLines
{
public:
    static constexpr qsizetype KeptLineBytes = 4096;
    static constexpr qsizetype MaxLineBytes = 64 * 1024;

    struct Line {
        QByteArray text;
        bool cut = false;
    };

    void append(const QByteArray &chunk);
    bool hasLine() const { return !m_lines.isEmpty(); }
    // The oldest complete line; call only when hasLine().
    Line takeLine() { return m_lines.takeFirst(); }
    // True when the unfinished line has grown past MaxLineBytes.
    bool overlong() const { return m_partialSize > MaxLineBytes; }
    // True when nothing at all is buffered, complete or not.
    bool isEmpty() const { return m_lines.isEmpty() && m_partialSize == 0; }
    void clear();

private:
    void addToPartial(const char *data, qsizetype size);

    QList<Line> m_lines;
    QByteArray m_partial;
    qsizetype m_partialSize = 0;
};
