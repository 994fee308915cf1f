// The plain-text control both editors' views build on. Qt draws a line whole on every
// paint (the caret blinking included), which for a line of a million characters costs
// as much as laying it out; this view draws only the visible part of an unwrapped line
// of at least longLine characters (LongLinePainter) and every other line as usual.
#pragma once

#include "platform/textview/longlinepainter.h"

#include <QPlainTextEdit>

class PlainTextView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit PlainTextView(int longLine, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LongLinePainter m_longLines;
};
