#include "spell/documentlines.h"

#include <QTextBlock>
#include <QTextDocument>

int DocumentLines::lineCount() const { return m_document.blockCount(); }

int DocumentLines::lineOf(int position) const
{
    const QTextBlock block = m_document.findBlock(position);
    return block.isValid() ? block.blockNumber() : m_document.blockCount() - 1;
}

int DocumentLines::lineStart(int line) const { return m_document.findBlockByNumber(line).position(); }

QString DocumentLines::lineText(int line) const { return m_document.findBlockByNumber(line).text(); }
