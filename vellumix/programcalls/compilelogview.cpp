#include "programcalls/compilelogview.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

CompileLogView::CompileLogView(QWidget *parent) : QDockWidget(QStringLiteral("Compile Log"), parent)
{
    setObjectName(QStringLiteral("CompileLogView"));
    setAccessibleName(windowTitle());
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("CompileLogText"));
    m_text->setAccessibleName(windowTitle());
    m_text->setReadOnly(true);
    m_text->setUndoRedoEnabled(false);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setMaximumBlockCount(MaxLines);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWidget(m_text);
}

void CompileLogView::begin(const QString &commandLine)
{
    m_text->clear();
    append(QStringLiteral("> ") + commandLine + QLatin1Char('\n'));
}

void CompileLogView::append(const QString &text)
{
    // The view follows the output only while the user reads its end.
    QScrollBar *bar = m_text->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum() - 1;
    QTextCursor c(m_text->document());
    c.movePosition(QTextCursor::End);
    c.insertText(text);
    if (atEnd)
        bar->setValue(bar->maximum());
}

void CompileLogView::end(const QString &status)
{
    // Output that ended inside a line gets its line break first.
    const bool lineOpen = !m_text->document()->lastBlock().text().isEmpty();
    append((lineOpen ? QStringLiteral("\n") : QString()) + status + QLatin1Char('\n'));
}

QString CompileLogView::text() const { return m_text->toPlainText(); }
