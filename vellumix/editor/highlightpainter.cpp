#include "editor/highlightpainter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// A step ends after this many milliseconds, or after a chunk of about this many
// characters (up to the next line break).
constexpr qint64 StepBudgetMs = 12;
constexpr int StepChars = 4096;

// The runs of a chunk; all standard without highlighting or after a failure.
ClassRuns chunkRuns(const QString &chunk, bool highlight, bool &failed)
{
    ClassRuns runs;
    if (highlight && !failed) {
        try {
            runs = Highlighter::fullRuns(chunk);
        } catch (const std::bad_alloc &) {
            failed = true;
            runs.clear();
        }
    }
    if (runs.empty())
        runs.push_back({0, int(chunk.size()), TokenClass::Standard});
    return runs;
}

// While a long text is painted, the editor is read-only and not repainted; the rest
// of the window is.
class StepMode {
public:
    StepMode(QPlainTextEdit *edit, bool stepped) : m_edit(edit), m_stepped(stepped)
    {
        if (!m_stepped)
            return;
        m_wasReadOnly = edit->isReadOnly();
        edit->setReadOnly(true);
        edit->viewport()->setUpdatesEnabled(false);
    }
    void end()
    {
        if (!m_stepped)
            return;
        m_edit->setReadOnly(m_wasReadOnly);
        m_edit->viewport()->setUpdatesEnabled(true);
    }

private:
    QPlainTextEdit *m_edit;
    bool m_stepped;
    bool m_wasReadOnly = false;
};

// Lets the window repaint; false when the editor went away meanwhile.
bool breathe(const QPointer<QPlainTextEdit> &guard)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !guard.isNull();
}

} // namespace

HighlightPainter::Result HighlightPainter::fill(const QString &text, bool highlight, const ClassFormats &formats)
{
    QTextDocument *doc = m_edit->document();
    const int n = int(text.size());
    const bool stepped = n > StepThreshold;
    const QPointer<QPlainTextEdit> guard(m_edit);
    StepMode mode(m_edit, stepped);
    if (stepped && !breathe(guard))
        return Result::Gone;
    m_edit->blockSignals(true);
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor c(doc);
    QElapsedTimer timer;
    bool failed = false;
    int pos = 0;
    while (pos < n) {
        timer.start();
        c.beginEditBlock();
        while (pos < n) {
            // Every walk state ends at a line break, so the text is walked line chunk
            // by line chunk and no step has to walk the whole text.
            int end = n;
            if (stepped) {
                end = int(text.indexOf(QLatin1Char('\n'), qMin(n, pos + StepChars)));
                end = end < 0 ? n : end + 1;
            }
            const QString chunk = text.mid(pos, end - pos);
            for (const ClassRun &r : chunkRuns(chunk, highlight, failed))
                c.insertText(chunk.mid(r.start, r.length), formats.format(r.cls));
            pos = end;
            if (stepped && timer.elapsed() >= StepBudgetMs)
                break;
        }
        c.endEditBlock();
        if (stepped && pos < n && !breathe(guard))
            return Result::Gone;
    }
    doc->setUndoRedoEnabled(true);
    m_edit->blockSignals(false);
    mode.end();
    return failed ? Result::Failed : Result::Done;
}

HighlightPainter::Result HighlightPainter::recolour(bool highlight, const ClassFormats &formats)
{
    QTextDocument *doc = m_edit->document();
    const bool stepped = doc->characterCount() > StepThreshold;
    const QPointer<QPlainTextEdit> guard(m_edit);
    StepMode mode(m_edit, stepped);
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    QElapsedTimer timer;
    bool failed = false;
    int blockNumber = 0;
    const int blockCount = doc->blockCount();
    while (blockNumber < blockCount) {
        timer.start();
        c.beginEditBlock();
        while (blockNumber < blockCount) {
            QTextBlock block = doc->findBlockByNumber(blockNumber);
            const int chunkStart = block.position();
            QString chunk;
            while (block.isValid() && chunk.size() < StepChars) {
                chunk += block.text();
                if (block.next().isValid())
                    chunk += QLatin1Char('\n');
                block = block.next();
                ++blockNumber;
            }
            for (const ClassRun &r : chunkRuns(chunk, highlight, failed)) {
                c.setPosition(chunkStart + r.start);
                c.setPosition(chunkStart + r.start + r.length, QTextCursor::KeepAnchor);
                c.setCharFormat(formats.format(r.cls));
            }
            if (stepped && timer.elapsed() >= StepBudgetMs)
                break;
        }
        c.endEditBlock();
        if (stepped && blockNumber < blockCount && !breathe(guard))
            return Result::Gone;
    }
    doc->setUndoRedoEnabled(true);
    mode.end();
    return failed ? Result::Failed : Result::Done;
}

void HighlightPainter::applyRuns(int offset, const ClassRuns &runs, const ClassFormats &formats)
{
    QTextCursor c(m_edit->document());
    c.beginEditBlock();
    for (const ClassRun &r : runs) {
        c.setPosition(offset + r.start);
        c.setPosition(offset + r.start + r.length, QTextCursor::KeepAnchor);
        c.setCharFormat(formats.format(r.cls));
    }
    c.endEditBlock();
}
