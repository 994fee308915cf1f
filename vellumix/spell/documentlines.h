// An editor's document as the lines a spell check walks: a line is a text block.
#pragma once

#include "spell/spelllines.h"

class QTextDocument;

class DocumentLines : public SpellLines
{
public:
    explicit DocumentLines(const QTextDocument &document) : m_document(document) {}

    int lineCount() const override;
    int lineOf(int position) const override;
    int lineStart(int line) const override;
    QString lineText(int line) const override;

private:
    const QTextDocument &m_document;
};
