#include "editor/cshellview.h"

#include "common/cshellsettings.h"
#include "editor/cshelldoc.h"
#include "editor/editorfont.h"
#include "platform/heapreuse.h"
#include "platform/textview/longlineformat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// How long one step of a load may keep the window from its events.
constexpr int LoadStepMs = 8;

QTextCharFormat tokenFormat(unsigned colour, bool bold)
{
    QTextCharFormat f;
    f.setForeground(EditorFontConv::toQColor(colour));
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

// Lines over the colouring limit lie on the long-line format; the marker keeps it apart
// from the token colours.
constexpr int LongLineMarker = QTextFormat::UserProperty + 1;

} // namespace

CShellView::CShellView(CShellDoc *doc, CShellSettings *settings, QWidget *parent)
    : PlainTextView(LongLine, parent)
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
    if (m_settings)
        m_scanner = ColourScanner(m_settings->commandList, m_settings->controlSymbols, m_settings->environmentList);
    m_tracker.setBackgroundDone();
    // The tab stops and palette belong to the view; the attached document takes them now.
    setTabStopDistance(logicalDpiX() / 5.0);
}

CShellView::~CShellView() = default;

bool CShellView::load(CShellView *view, CShellDoc::Reading reading)
{
    mapLargeBlocks();
    const QPointer<CShellView> guard(view);
    CShellDoc *doc = view->m_doc;
    QAbstractTextDocumentLayout *layout = doc->textDocument()->documentLayout();
    // While the text grows the view neither lays out nor repaints for each piece;
    // it learns the new size once, at the end.
    layout->blockSignals(true);
    view->setReadOnly(true);
    // The scroll bar that the text will need is there from the start: its
    // appearing at the end would narrow the view and, with wrapping, make it
    // lay out the whole text again.
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    doc->beginLoad(std::move(reading));
    while (!doc->fillStep(LoadStepMs)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!guard)
            return false; // closed meanwhile: view and document are gone
    }
    doc->finishLoad();
    layout->blockSignals(false);
    emit layout->documentSizeChanged(layout->documentSize());
    emit layout->update();
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setReadOnly(false);
    view->setTextCursor(QTextCursor(doc->textDocument()));
    return true;
}

void CShellView::applyEditorSetup()
{
    if (m_settings && m_settings->hasFont())
        setFont(EditorFontConv::toQFont(m_settings->font));
    // Tab stops every fifth of an inch.
    setTabStopDistance(logicalDpiX() / 5.0);
    // The background and the text colour are the settings' only while colouring
    // is on; off, the view looks as any other.
    QPalette p = QApplication::palette(this);
    if (colouringOn()) {
        p.setColor(QPalette::Base, EditorFontConv::toQColor(m_settings->colours[ColourBackground]));
        p.setColor(QPalette::Text, EditorFontConv::toQColor(m_settings->colours[ColourNormalText]));
    }
    setPalette(p);
    if (m_settings) {
        const auto &c = m_settings->colours;
        m_tokenFormats = {tokenFormat(c[ColourComment], false),        tokenFormat(c[ColourCurlyBraces], false),
                          tokenFormat(c[ColourSquareBrackets], false), tokenFormat(c[ColourNormalText], true),
                          tokenFormat(c[ColourCommands], false),       tokenFormat(c[ColourMathMode], false)};
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

// ---------------------------------------------------------------------------
// Colouring

bool CShellView::colouringOn() const { return m_settings && m_settings->syntaxHighlighting; }

void CShellView::recolourLines(int a, int b)
{
    QTextDocument *td = m_doc->textDocument();
    const int len = td->characterCount() - 1;
    a = std::clamp(a, 0, std::max(0, len));
    b = std::clamp(b, 0, std::max(0, len));
    const QTextBlock first = td->findBlock(std::min(a, b));
    const QTextBlock last = td->findBlock(std::max(a, b));
    const int start = first.isValid() ? first.position() : 0;
    const int end = last.isValid() ? last.position() + last.length() - 1 : len;
    colourRange(start, end);
    emit linesColoured(start, end);
}

void CShellView::colourRange(int start, int end)
{
    const bool on = colouringOn();
    // Off and never coloured: nothing to take away (and no layout to make).
    if (!on && !m_everColoured && !m_everLong)
        return;
    QTextDocument *td = m_doc->textDocument();
    int dirtyFrom = -1;
    int dirtyTo = -1;
    for (QTextBlock b = td->findBlock(start); b.isValid() && b.position() <= end; b = b.next()) {
        QList<QTextLayout::FormatRange> ranges = plainRanges(b);
        if (on && b.length() <= ColourLineLimit) {
            for (const ColourScanner::Run &r : m_scanner.scan(b.text()))
                ranges.append({r.start, r.length, m_tokenFormats[size_t(r.token)]});
        }
        QTextLayout *layout = b.layout();
        // A line that already looks right is left alone.
        if (layout->formats() == ranges)
            continue;
        layout->setFormats(ranges);
        m_everColoured |= !ranges.isEmpty();
        if (dirtyFrom < 0)
            dirtyFrom = b.position();
        dirtyTo = b.position() + b.length();
    }
    if (dirtyFrom < 0)
        return;
    if (m_collectDirty) {
        m_dirtyFrom = m_dirtyFrom < 0 ? dirtyFrom : std::min(m_dirtyFrom, dirtyFrom);
        m_dirtyTo = std::max(m_dirtyTo, dirtyTo);
        return;
    }
    markDirty(dirtyFrom, dirtyTo);
}

void CShellView::markDirty(int from, int to)
{
    QTextDocument *td = m_doc->textDocument();
    to = std::min(to, td->characterCount());
    if (m_inEdit) {
        // Joins the edit under way; the layout hears of both at its end.
        td->markContentsDirty(from, to - from);
        return;
    }
    // Lines off screen are laid out again when they come into view; only lines
    // on screen need a repaint.
    const auto [first, last] = visibleRange();
    QAbstractTextDocumentLayout *layout = td->documentLayout();
    const bool wasBlocked = layout->blockSignals(true);
    td->markContentsDirty(from, to - from);
    layout->blockSignals(wasBlocked);
    if (from < last && to > first)
        viewport()->update();
}

std::pair<int, int> CShellView::visibleRange() const
{
    QTextBlock b = firstVisibleBlock();
    if (!b.isValid())
        return {0, 0};
    const int first = b.position();
    int last = first;
    const QPointF offset = contentOffset();
    const qreal height = viewport()->height();
    for (; b.isValid(); b = b.next()) {
        if (blockBoundingGeometry(b).translated(offset).top() > height)
            break;
        last = b.position() + b.length();
    }
    return {first, last};
}

QTextCharFormat CShellView::shownFormat(int pos) const
{
    QTextCharFormat f;
    f.setForeground(palette().color(QPalette::Text));
    f.setFontWeight(QFont::Normal);
    const QTextBlock b = m_doc->textDocument()->findBlock(pos);
    if (!b.isValid())
        return f;
    const int at = pos - b.position();
    for (const QTextLayout::FormatRange &r : b.layout()->formats())
        if (at >= r.start && at < r.start + r.length && !r.format.hasProperty(LongLineMarker))
            f.merge(r.format);
    return f;
}

bool CShellView::backgroundColourStep()
{
    QTextDocument *td = m_doc->textDocument();
    const int len = td->characterCount() - 1;
    ChangeTracker::Range r;
    if (!m_tracker.nextBackgroundChunk(len, &r))
        return false;
    recolourLines(r.start, r.end);
    // recolourLines coloured whole lines: a 1 MB line is scanned once, not
    // once per 500-character chunk.
    const QTextBlock last = td->findBlock(std::clamp(r.end, 0, std::max(0, len)));
    if (last.isValid())
        m_tracker.skipBackgroundTo(last.position() + last.length(), len);
    return true;
}

QList<QTextLayout::FormatRange> CShellView::plainRanges(const QTextBlock &b)
{
    if (b.length() <= ColourLineLimit)
        return {};
    return {{0, b.length(), longLineFormat(LongLineMarker)}};
}

void CShellView::keepShapes(QTextBlock first, const QTextBlock &last)
{
    for (; first.isValid(); first = first.next()) {
        if (first.length() > LongLine) {
            QTextLayout *layout = first.layout();
            layout->setCacheEnabled(true);
            // Set as the line grows (while loading, before it is first laid out)
            // and whenever it changes; a line that shrank below the limit loses it.
            const QList<QTextLayout::FormatRange> plain = plainRanges(first);
            if (!plain.isEmpty() || m_everLong) {
                const QList<QTextLayout::FormatRange> now = layout->formats();
                const bool hasPlain = !now.isEmpty() && now.first().format.hasProperty(LongLineMarker);
                if (!plain.isEmpty() && (!hasPlain || now.size() != 1 || now.first().length != first.length()))
                    layout->setFormats(plain);
                else if (plain.isEmpty() && hasPlain)
                    layout->setFormats({});
                m_everLong |= !plain.isEmpty();
            }
        }
        if (first == last)
            break;
    }
}

bool CShellView::colourInBackground(int budgetMs)
{
    if (m_tracker.backgroundDone())
        return false;
    QElapsedTimer timer;
    timer.start();
    // The layout hears of the whole pass at once.
    m_collectDirty = true;
    m_dirtyFrom = m_dirtyTo = -1;
    // What the user looks at first.
    const auto [first, last] = visibleRange();
    if (last > m_tracker.backgroundPosition())
        recolourLines(std::max(first, m_tracker.backgroundPosition()), last);
    do {
        backgroundColourStep();
    } while (!m_tracker.backgroundDone() && timer.elapsed() < budgetMs);
    m_collectDirty = false;
    if (m_dirtyFrom >= 0)
        markDirty(m_dirtyFrom, m_dirtyTo);
    return !m_tracker.backgroundDone();
}

void CShellView::onContentsChange(int pos, int removed, int added)
{
    QTextDocument *td = m_doc->textDocument();
    keepShapes(td->findBlock(pos), td->findBlock(pos + added));
    if (m_doc->isLoading() || (removed == 0 && added == 0))
        return;
    const ChangeTracker::Cause cause = m_announced ? m_cause : ChangeTracker::Cause::ReplaceSelection;
    m_announced = false;
    m_tracker.beforeEdit(cause, pos, pos + std::max(removed, added));
    const int caret = pos + added;
    const ChangeTracker::Result r = m_tracker.afterEdit(caret, caret);
    m_inEdit = true;
    for (const ChangeTracker::Range &range : r.lines)
        recolourLines(range.start, range.end);
    m_inEdit = false;
}

// ---------------------------------------------------------------------------
// Typing

std::optional<QString> CShellView::convertUmlauts(const QString &typed) const
{
    if (!m_settings)
        return std::nullopt;
    QString out;
    bool converted = false;
    for (QChar c : typed) {
        if (const auto replacement = m_settings->umlautReplacement(c)) {
            out += *replacement;
            converted = true;
        } else {
            out += c;
        }
    }
    return converted ? std::optional<QString>(out) : std::nullopt;
}

void CShellView::keyPressEvent(QKeyEvent *e)
{
    using C = ChangeTracker::Cause;
    // The layout of a long line, redone for the key, reuses the memory of the last one.
    const HeapReuse reuse(textCursor().block().length() > LongLine);
    // German umlauts typed become their replacement texts (any text, even empty),
    // each typed character once.
    const QString typed = e->text();
    if (!typed.isEmpty() && !isReadOnly() && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); })) {
        if (const auto converted = convertUmlauts(typed)) {
            m_announced = true;
            m_cause = C::Char;
            QTextCursor c = textCursor();
            c.insertText(*converted);
            setTextCursor(c);
            m_announced = false;
            m_doc->setModifiedFlag(true);
            ensureCursorVisible();
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

void CShellView::inputMethodEvent(QInputMethodEvent *e)
{
    // Text an input method commits (dead keys, compose, IBus/Fcitx) is typed
    // text too; the pre-edit text is not, until it is committed.
    const HeapReuse reuse(textCursor().block().length() > LongLine);
    if (!e->commitString().isEmpty() && !isReadOnly()) {
        m_announced = true;
        m_cause = ChangeTracker::Cause::Char;
        if (const auto converted = convertUmlauts(e->commitString())) {
            QInputMethodEvent replaced(e->preeditString(), e->attributes());
            replaced.setCommitString(*converted, e->replacementStart(), e->replacementLength());
            QPlainTextEdit::inputMethodEvent(&replaced);
            m_announced = false;
            m_doc->setModifiedFlag(true);
            e->accept();
            return;
        }
        QPlainTextEdit::inputMethodEvent(e);
        m_announced = false;
        return;
    }
    QPlainTextEdit::inputMethodEvent(e);
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

void CShellView::resizeEvent(QResizeEvent *e)
{
    // Without wrapping a new width changes no line, but the plain-text editor
    // would lay out every line of the text again: a large document then froze
    // the window at every resize. Only the scroll bars need to know.
    if (lineWrapMode() == NoWrap && e->oldSize().width() >= 0) {
        QAbstractScrollArea::resizeEvent(e);
        QAbstractTextDocumentLayout *layout = m_doc->textDocument()->documentLayout();
        emit layout->documentSizeChanged(layout->documentSize());
    } else {
        QPlainTextEdit::resizeEvent(e);
    }
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
