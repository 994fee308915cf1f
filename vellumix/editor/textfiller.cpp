#include "editor/textfiller.h"

#include <QElapsedTimer>
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
    while (clock.elapsed() < StepBudgetMs && appendPiece()) {
    }
    if (!isFilling())
        complete();
}

void TextFiller::finish()
{
    while (appendPiece()) {
    }
    if (m_timer.isActive() || !m_text.isEmpty())
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
