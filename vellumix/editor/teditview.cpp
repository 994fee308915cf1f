#include "editor/teditview.h"

#include "editor/teditform.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTextBlock>

TEditView::TEditView(TEditForm *form) : QPlainTextEdit(form), m_form(form)
{
    setObjectName(QStringLiteral("Editor"));
    setAccessibleName(QStringLiteral("Editor"));
    setTabChangesFocus(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    buildContextMenu();
    // A caret moved by anything but typing leaves the typing state behind.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (textCursor().position() != m_expectedCaret)
            m_typing.invalidate();
    });
}

void TEditView::keyPressEvent(QKeyEvent *e)
{
    if (!isReadOnly() && m_form->host()->editorOptions().syntaxColoring && !e->text().isEmpty()) {
        const QChar c = e->text().at(0);
        const bool ctrl = (e->modifiers() & Qt::ControlModifier) && !(e->modifiers() & Qt::AltModifier);
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (!ctrl && e->text().size() == 1 && (enter || c == QLatin1Char('\t') || c.isPrint())) {
            typeKey(e);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TEditView::typeKey(QKeyEvent *e)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const QTextBlock block = document()->findBlock(start);
    const QString line = block.text().left(start - block.position());
    const QChar ch = e->text().at(0);
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;

    TokenClass cls;
    bool unescape = false;
    if (enter) {
        cls = m_typing.enter();
    } else if (ch == QLatin1Char(' ')) {
        cls = m_typing.space(line);
    } else {
        const TypingHighlighter::Step step = m_typing.typeChar(ch, line);
        cls = step.format;
        unescape = step.unescapeBackslash;
    }
    const ClassFormats &formats = m_form->formats();
    m_expectedCaret = start + 1;
    const QString typed = enter ? QStringLiteral("\n") : QString(ch);
    if (unescape) {
        c.beginEditBlock();
        QTextCursor b(document());
        b.setPosition(start - 1);
        b.setPosition(start, QTextCursor::KeepAnchor);
        b.setCharFormat(formats.format(TokenClass::Standard));
        c.insertText(typed, formats.format(cls));
        c.endEditBlock();
    } else {
        // Without an edit block consecutive typing merges into one undo step.
        c.insertText(typed, formats.format(cls));
    }
    setTextCursor(c);
    ensureCursorVisible();
    m_expectedCaret = -1;
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
    add("Cut1", QStringLiteral("Cu&t"), [this] { cut(); });
    add("Copy1", QStringLiteral("&Copy"), [this] { copy(); });
    add("Paste1", QStringLiteral("&Paste"), [this] { paste(); });
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
