#include "editor/textfiller.h"

#include "platform/heapreuse.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

TextFiller::TextFiller(QTextDocument *document, QObject *parent) : QObject(parent), m_doc(document)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &TextFiller::step);
    connect(m_doc, &QTextDocument::contentsChange, this, &TextFiller::onContentsChange);
}

void TextFiller::start(QString text)
{
    m_timer.stop();
    if (text.size() > PieceChars)
        mapLargeBlocks();
    m_text = std::move(text);
    m_offset = 0;
    m_edited = false;
    m_editFrom = m_editTo = -1;
    m_editGrowth = 0;
    m_doc->setUndoRedoEnabled(false);
    m_appending = true;
    m_doc->clear();
    m_appending = false;
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
    m_appending = true;
    c.insertText(QStringView(m_text).mid(m_offset, end - m_offset).toString());
    m_appending = false;
    m_offset = end;
    return true;
}

void TextFiller::onContentsChange(int position, int removed, int added)
{
    if (m_appending || !isFilling())
        return;
    // Everything the user changed lies in one span; before it the document is the loaded
    // text, after it the loaded text moved by the growth.
    if (m_editFrom < 0) {
        m_editFrom = position;
        m_editTo = position + added;
    } else {
        qsizetype to = m_editTo;
        if (to > position)
            to = to >= position + removed ? to + added - removed : position + added;
        m_editFrom = std::min<qsizetype>(m_editFrom, position);
        m_editTo = std::max<qsizetype>(to, position + added);
    }
    m_editGrowth += added - removed;
    if (!m_edited) {
        m_edited = true;
        emit edited();
    }
}

void TextFiller::recordEdits()
{
    QTextCursor c(m_doc);
    c.setPosition(int(m_editFrom));
    c.setPosition(int(m_editTo), QTextCursor::KeepAnchor);
    // Line breaks come out as paragraph separators and go in as block breaks again.
    const QString changed = c.selectedText();
    const QString loaded = m_text.mid(m_editFrom, m_editTo - m_editGrowth - m_editFrom);
    if (changed == loaded)
        return;
    emit aboutToRecordEdits();
    m_appending = true;
    c.insertText(loaded);
    m_appending = false;
    m_doc->setUndoRedoEnabled(true);
    // The loaded text is the unmodified state; the user's changes are one step on it.
    m_doc->setModified(false);
    c.setPosition(int(m_editFrom));
    c.setPosition(int(m_editFrom + loaded.size()), QTextCursor::KeepAnchor);
    c.insertText(changed);
}

void TextFiller::step()
{
    QElapsedTimer clock;
    clock.start();
    emit aboutToGrow();
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
    emit aboutToGrow();
    const int before = m_doc->blockCount();
    while (appendPiece()) {
    }
    emit grew(before);
    complete();
}

void TextFiller::complete()
{
    m_timer.stop();
    if (m_editFrom >= 0)
        recordEdits();
    m_text.clear();
    m_offset = 0;
    m_editFrom = m_editTo = -1;
    m_editGrowth = 0;
    // Enabling it again would forget which state is the unmodified one.
    if (!m_doc->isUndoRedoEnabled())
        m_doc->setUndoRedoEnabled(true);
    emit finished();
}
