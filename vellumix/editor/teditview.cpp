#include "editor/teditview.h"

#include "editor/teditform.h"
#include "platform/heapreuse.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

TEditView::TEditView(TEditForm *form) : PlainTextView(DocumentHighlighter::LongLine, form), m_form(form)
{
    setObjectName(QStringLiteral("Editor"));
    setAccessibleName(QStringLiteral("Editor"));
    setTabChangesFocus(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    buildContextMenu();
}

void TEditView::keyPressEvent(QKeyEvent *e)
{
    // Typing in a file that still arrives goes into the part that is there.
    if (m_form->isLoading() && needsWholeText(e))
        m_form->finishLoading();
    {
        const HeapReuse reuse(onLongLine());
        QPlainTextEdit::keyPressEvent(e);
    }
    m_form->finishLoadingAtTheEnd();
}

bool TEditView::needsWholeText(const QKeyEvent *e)
{
    for (auto key : {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, QKeySequence::SelectAll,
                     QKeySequence::Undo, QKeySequence::Redo}) {
        if (e->matches(key))
            return true;
    }
    return false;
}

void TEditView::inputMethodEvent(QInputMethodEvent *e)
{
    {
        const HeapReuse reuse(onLongLine());
        QPlainTextEdit::inputMethodEvent(e);
    }
    m_form->finishLoadingAtTheEnd();
}

bool TEditView::onLongLine() const { return textCursor().block().length() > DocumentHighlighter::LongLine; }

void TEditView::mousePressEvent(QMouseEvent *e)
{
    // The middle button pastes the selection.
    if (e->button() == Qt::MiddleButton)
        m_form->finishLoading();
    QPlainTextEdit::mousePressEvent(e);
    m_form->finishLoadingAtTheEnd();
}

void TEditView::mouseMoveEvent(QMouseEvent *e)
{
    QPlainTextEdit::mouseMoveEvent(e);
    m_form->finishLoadingAtTheEnd();
}

void TEditView::dragEnterEvent(QDragEnterEvent *e)
{
    m_form->finishLoading();
    QPlainTextEdit::dragEnterEvent(e);
}

std::pair<int, int> TEditView::visibleBlocks() const
{
    const int first = firstVisibleBlock().blockNumber();
    const int last = cursorForPosition(QPoint(0, viewport()->height() - 1)).blockNumber();
    return {first, std::max(first, last)};
}

std::pair<int, int> TEditView::visibleColumns(const QTextBlock &block) const
{
    QTextLayout *layout = block.layout();
    if (!block.isValid() || !layout || layout->lineCount() == 0) {
        // Not laid out: the part around the caret when it is in this line.
        const QTextCursor c = textCursor();
        const int at = c.block() == block ? c.positionInBlock() : 0;
        return {at, at};
    }
    const QPointF origin = blockBoundingGeometry(block).translated(contentOffset()).topLeft();
    const qreal left = -origin.x();
    const qreal right = left + viewport()->width();
    int from = -1;
    int to = 0;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const qreal top = origin.y() + line.y();
        if (top + line.height() < 0 || top > viewport()->height())
            continue;
        const int a = line.xToCursor(left);
        const int b = line.xToCursor(right);
        if (from < 0)
            from = a;
        to = std::max(to, b);
    }
    if (from < 0)
        return {0, 0};
    return {from, to};
}

void TEditView::contextMenuEvent(QContextMenuEvent *e)
{
    refreshContextMenu();
    m_contextMenu->exec(e->globalPos());
}

void TEditView::buildContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("EditPopup"));
    auto add = [this](const char *name, const QString &text, auto slot) {
        QAction *a = m_contextMenu->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    TEditForm *f = m_form;
    add("Cut1", QStringLiteral("Cu&t"), [this] {
        m_form->finishLoading();
        cut();
    });
    add("Copy1", QStringLiteral("&Copy"), [this] { copy(); });
    add("Paste1", QStringLiteral("&Paste"), [this] {
        m_form->finishLoading();
        paste();
    });
    m_contextMenu->addSeparator();
    add("Emphasis1", QStringLiteral("E&mphasis"), [f] { f->insert(QStringLiteral("\\emph{"), QStringLiteral("}")); });
    add("Bold1", QStringLiteral("&Bold"), [f] { f->insert(QStringLiteral("\\textbf{"), QStringLiteral("}")); });
    m_contextMenu->addSeparator();
    add("Open1", QStringLiteral("&Open"), [f] { f->openAtCaret(); });
    add("Execute1", QStringLiteral("&Execute"), [f] { f->executeAtCaret(); });
    m_contextMenu->addSeparator();
    add("UpdateSelection1", QStringLiteral("Update Selection"), [f] { f->updateSelection(); });
}

void TEditView::refreshContextMenu()
{
    const bool sel = textCursor().hasSelection();
    auto action = [this](const char *name) { return m_contextMenu->findChild<QAction *>(QLatin1String(name)); };
    action("Cut1")->setEnabled(sel);
    action("Copy1")->setEnabled(sel);
    action("Paste1")->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    action("UpdateSelection1")->setEnabled(sel && m_form->host()->editorOptions().syntaxColoring);
}
