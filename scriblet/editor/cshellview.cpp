#include "editor/cshellview.h"

#include "common/cshellsettings.h"
#include "editor/cshelldoc.h"
#include "editor/editorfont.h"

#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

std::function<void(CShellView *, int, int)> CShellView::colourRange;

CShellView::CShellView(CShellDoc *doc, CShellSettings *settings, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_doc(doc)
    , m_settings(settings)
{
    // Wrap mode and font first: attached before them, the text would be laid out at
    // the new widget's tiny width and then again for each setting (a long line costs
    // seconds every time).
    applyWrap();
    applyEditorSetup();
    QTextDocument *td = doc->textDocument();
    // Asking the document for its layout would first make and run a rich-text one.
    if (!td->findChild<QPlainTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly))
        td->setDocumentLayout(new QPlainTextDocumentLayout(td));
    setDocument(td);
    keepShapes(td->begin(), td->lastBlock());
    setObjectName(QStringLiteral("CShellView"));
    setAccessibleName(doc->fileTitle());
    connect(doc, &CShellDoc::titleChanged, this, [this] { setAccessibleName(m_doc->fileTitle()); });
    connect(td, &QTextDocument::contentsChange, this, &CShellView::onContentsChange);
    m_tracker.setBackgroundDone();
}

CShellView::~CShellView() = default;

void CShellView::applyEditorSetup()
{
    if (m_settings && m_settings->hasFont())
        setFont(EditorFontConv::toQFont(m_settings->font));
    // Tab stops every fifth of an inch.
    setTabStopDistance(logicalDpiX() / 5.0);
    if (m_settings && m_settings->syntaxHighlighting) {
        QPalette p = palette();
        p.setColor(QPalette::Base, EditorFontConv::toQColor(m_settings->colours[ColourBackground]));
        p.setColor(QPalette::Text, EditorFontConv::toQColor(m_settings->colours[ColourNormalText]));
        setPalette(p);
    }
}

void CShellView::applyWrap()
{
    setLineWrapMode(m_settings && m_settings->wrapMode ? WidgetWidth : NoWrap);
}

void CShellView::goToLine(int n)
{
    if (n <= 0)
        return;
    QTextDocument *td = m_doc->textDocument();
    QTextBlock b = td->findBlockByNumber(std::min(n, td->blockCount()) - 1);
    QTextCursor c(td);
    c.setPosition(b.position());
    setTextCursor(c);
    // The wanted line becomes the first visible one.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    ensureCursorVisible();
    viewport()->update();
}

void CShellView::servePositioningRequest()
{
    if (!m_settings)
        return;
    if (!m_settings->searchText1.isEmpty()) {
        QTextDocument *td = m_doc->textDocument();
        for (QTextBlock b = td->begin(); b.isValid(); b = b.next()) {
            const QString line = b.text().left(255);
            if (line.contains(m_settings->searchText1) && line.contains(m_settings->searchText2)) {
                goToLine(b.blockNumber() + 1);
                break;
            }
        }
        m_settings->searchText1.clear();
        m_settings->searchText2.clear();
        return;
    }
    if (m_settings->goToLine != 0) {
        goToLine(m_settings->goToLine);
        m_settings->goToLine = 0;
    }
}

int CShellView::caretLine() const { return textCursor().blockNumber() + 1; }

void CShellView::recolourLines(int a, int b)
{
    if (!colourRange)
        return;
    QTextDocument *td = m_doc->textDocument();
    const int len = td->characterCount() - 1;
    a = std::clamp(a, 0, std::max(0, len));
    b = std::clamp(b, 0, std::max(0, len));
    const QTextBlock first = td->findBlock(std::min(a, b));
    const QTextBlock last = td->findBlock(std::max(a, b));
    const int start = first.isValid() ? first.position() : 0;
    const int end = last.isValid() ? last.position() + last.length() - 1 : len;
    const bool wasModified = m_doc->isModified();
    m_busy = true;
    colourRange(this, start, end);
    m_busy = false;
    if (!wasModified && m_doc->isModified())
        m_doc->textDocument()->setModified(false);
}

bool CShellView::backgroundColourStep()
{
    ChangeTracker::Range r;
    if (!m_tracker.nextBackgroundChunk(m_doc->textDocument()->characterCount() - 1, &r))
        return false;
    recolourLines(r.start, r.end);
    return true;
}

void CShellView::keepShapes(QTextBlock first, const QTextBlock &last)
{
    for (; first.isValid(); first = first.next()) {
        if (first.length() > LongLine)
            first.layout()->setCacheEnabled(true);
        if (first == last)
            break;
    }
}

void CShellView::onContentsChange(int pos, int removed, int added)
{
    QTextDocument *td = m_doc->textDocument();
    keepShapes(td->findBlock(pos), td->findBlock(pos + added));
    if (m_busy || (removed == 0 && added == 0))
        return;
    const ChangeTracker::Cause cause = m_announced ? m_cause : ChangeTracker::Cause::ReplaceSelection;
    m_announced = false;
    m_tracker.beforeEdit(cause, pos, pos + std::max(removed, added));
    const int caret = pos + added;
    const ChangeTracker::Result r = m_tracker.afterEdit(caret, caret);
    for (const ChangeTracker::Range &range : r.lines)
        recolourLines(range.start, range.end);
}

void CShellView::keyPressEvent(QKeyEvent *e)
{
    using C = ChangeTracker::Cause;
    // German umlauts typed become their replacement texts (any text, even empty).
    if (m_settings && e->text().size() == 1 && !isReadOnly()) {
        if (const auto replacement = m_settings->umlautReplacement(e->text().at(0))) {
            m_announced = true;
            m_cause = C::Char;
            QTextCursor c = textCursor();
            c.insertText(*replacement);
            setTextCursor(c);
            m_announced = false;
            m_doc->setModifiedFlag(true);
            e->accept();
            return;
        }
    }
    m_announced = true;
    if (e->key() == Qt::Key_Backspace)
        m_cause = C::KeyBackspace;
    else if (e->key() == Qt::Key_Delete)
        m_cause = C::KeyDelete;
    else if (e == QKeySequence::Cut)
        m_cause = C::Cut;
    else if (e == QKeySequence::Paste)
        m_cause = C::Paste;
    else if (!e->text().isEmpty())
        m_cause = C::Char;
    else
        m_announced = false; // undo, redo and friends: the edit itself tells its range
    QPlainTextEdit::keyPressEvent(e);
    m_announced = false;
}

void CShellView::insertFromMimeData(const QMimeData *source)
{
    if (!m_announced) {
        m_announced = true;
        m_cause = ChangeTracker::Cause::Paste;
    }
    QPlainTextEdit::insertFromMimeData(source);
    m_announced = false;
}

void CShellView::announce(ChangeTracker::Cause cause)
{
    m_announced = true;
    m_cause = cause;
}

void CShellView::insertCommandText(const QString &text)
{
    m_announced = true;
    m_cause = ChangeTracker::Cause::Paste;
    insertPlainText(text);
    m_announced = false;
    m_doc->setModifiedFlag(true);
    setFocus();
}

void CShellView::insertText(const QString &text)
{
    m_announced = true;
    m_cause = ChangeTracker::Cause::ReplaceSelection;
    insertPlainText(text);
    m_announced = false;
}

void CShellView::focusInEvent(QFocusEvent *e)
{
    QPlainTextEdit::focusInEvent(e);
    emit activated(this);
}

bool CShellView::findNext(const QString &text, bool caseSensitive, bool backwards)
{
    if (text.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (caseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    if (backwards)
        flags |= QTextDocument::FindBackward;
    if (find(text, flags))
        return true;
    if (onNotFound)
        onNotFound();
    return false;
}

bool CShellView::replaceNext(const QString &text, const QString &with, bool caseSensitive)
{
    QTextCursor c = textCursor();
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (c.hasSelection() && c.selectedText().compare(text, cs) == 0)
        insertText(with);
    return findNext(text, caseSensitive);
}

int CShellView::replaceAll(const QString &text, const QString &with, bool caseSensitive)
{
    if (text.isEmpty())
        return 0;
    QTextDocument::FindFlags flags;
    if (caseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    QTextDocument *td = m_doc->textDocument();
    QTextCursor edit(td);
    edit.beginEditBlock();
    int count = 0;
    QTextCursor found = td->find(text, 0, flags);
    while (!found.isNull()) {
        found.insertText(with);
        ++count;
        found = td->find(text, found.position(), flags);
    }
    edit.endEditBlock();
    if (count == 0 && onNotFound)
        onNotFound();
    return count;
}
