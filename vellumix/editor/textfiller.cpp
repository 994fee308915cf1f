#include "editor/textfiller.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

TextFiller::TextFiller(QTextDocument *document, QObject *parent) : QObject(parent), m_doc(document)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &TextFiller::step);
}

void TextFiller::start(QString text)
{
    m_timer.stop();
    m_text = std::move(text);
    m_offset = 0;
    m_doc->setUndoRedoEnabled(false);
    m_doc->clear();
    appendPiece();
    if (isFilling())
        m_timer.start();
    else
        complete();
}

bool TextFiller::appendPiece()
{
    const qsizetype n = m_text.size();
    if (m_offset >= n)
        return false;
    qsizetype end = n;
    if (n - m_offset > PieceChars) {
        // A line longer than a piece goes in whole.
        const qsizetype brk = m_text.indexOf(QLatin1Char('\n'), m_offset + PieceChars);
        end = brk < 0 ? n : brk + 1;
    }
    QTextCursor c(m_doc);
    c.movePosition(QTextCursor::End);
    c.insertText(QStringView(m_text).mid(m_offset, end - m_offset).toString());
    m_offset = end;
    return true;
}

void TextFiller::step()
{
    QElapsedTimer clock;
    clock.start();
    const int before = m_doc->blockCount();
    QAbstractTextDocumentLayout *layout = m_doc->documentLayout();
    {
        // A repaint and a scroll-bar update per piece would cost more than the pieces.
        const QSignalBlocker quiet(layout);
        while (clock.elapsed() < StepBudgetMs && appendPiece()) {
        }
    }
    emit layout->documentSizeChanged(layout->documentSize());
    emit grew(before);
    if (!isFilling())
        complete();
}

void TextFiller::finish()
{
    if (!isFilling())
        return;
    const int before = m_doc->blockCount();
    while (appendPiece()) {
    }
    emit grew(before);
    complete();
}

void TextFiller::complete()
{
    m_timer.stop();
    m_text.clear();
    m_offset = 0;
    m_doc->setUndoRedoEnabled(true);
    emit finished();
}
