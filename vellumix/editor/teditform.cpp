#include "editor/teditform.h"

#include "common/filenames.h"
#include "common/prompter.h"
#include "editor/editormessages.h"
#include "editor/teditview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

// The hourglass while a long operation runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QString fromWidgetText(QString s)
{
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return s;
}

QString encodingName(TextCodec::Encoding e)
{
    switch (e) {
    case TextCodec::Encoding::Utf8: return QStringLiteral("UTF-8");
    case TextCodec::Encoding::Windows1252: return QStringLiteral("Windows-1252");
    case TextCodec::Encoding::Cp850: return QStringLiteral("code page 850");
    }
    return QString();
}

} // namespace

TEditForm::TEditForm(EditorHost *host, QWidget *parent)
    : QWidget(parent), m_host(host), m_edit(new TEditView(this)), m_highlighter(m_edit->document()),
      m_filler(m_edit->document())
{
    setObjectName(QStringLiteral("EditForm"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);

    // The view is set up before any text arrives: changing the font or the wrap mode
    // later lays out every line again.
    m_formats = ClassFormats(m_host->classFonts());
    applyStandardFormat();
    applyWordWrap();
    m_highlighter.setView(m_edit);
    m_highlighter.setEnabled(highlighting());
    m_highlighter.setFormats(m_formats);

    QTextDocument *doc = m_edit->document();
    connect(doc, &QTextDocument::modificationChanged, this, [this](bool m) {
        if (m_filling == 0 && m != m_lastModified) {
            m_lastModified = m;
            emit modifiedChanged(m);
        }
    });
    connect(doc, &QTextDocument::contentsChanged, this, [this] {
        if (m_filling == 0)
            m_discardApproved = false;
    });
    connect(this, &QWidget::windowTitleChanged, this, &TEditForm::captionChanged);
    connect(m_edit, &QPlainTextEdit::cursorPositionChanged, this, &TEditForm::emitCaret);
    connect(&m_filler, &TextFiller::finished, this, &TEditForm::onFillFinished);
    connect(&m_filler, &TextFiller::edited, this, [this] {
        m_loadModified = m_lastModified;
        if (!m_lastModified) {
            m_lastModified = true;
            emit modifiedChanged(true);
        }
    });
    connect(&m_filler, &TextFiller::aboutToRecordEdits, this, [this] {
        const QTextCursor c = m_edit->textCursor();
        m_keptAnchor = c.anchor();
        m_keptPosition = c.position();
        m_keptScroll = {m_edit->horizontalScrollBar()->value(), m_edit->verticalScrollBar()->value()};
    });
    // Text arriving at the end would push a caret there along with it.
    connect(&m_filler, &TextFiller::aboutToGrow, this, [this] {
        const QTextCursor c = m_edit->textCursor();
        m_caretAtTheEnd = c.block() == m_edit->document()->lastBlock() ? std::pair{c.anchor(), c.position()}
                                                                       : std::pair{-1, -1};
    });
    connect(&m_filler, &TextFiller::grew, this, [this](int previousBlockCount) {
        if (m_caretAtTheEnd.first >= 0) {
            selectRange(m_caretAtTheEnd.first, m_caretAtTheEnd.second);
            m_caretAtTheEnd = {-1, -1};
        }
        // Lines arrived on the screen only when it showed the end of the text.
        if (m_edit->visibleBlocks().second >= previousBlockCount - 1)
            m_edit->viewport()->update();
    });
    connect(&m_highlighter, &DocumentHighlighter::finished, this, &TEditForm::highlightingFinished);
    connect(&m_highlighter, &DocumentHighlighter::failed, this,
            [this] { prompter().showError(EditorMessages::HighlightError); });
    // The lines that come into view get their colours first.
    auto viewChanged = [this] { m_highlighter.viewChanged(); };
    connect(m_edit->verticalScrollBar(), &QScrollBar::valueChanged, this, viewChanged);
    connect(m_edit->horizontalScrollBar(), &QScrollBar::valueChanged, this, viewChanged);
    connect(m_edit, &QPlainTextEdit::updateRequest, this, [this](const QRect &, int dy) {
        if (dy != 0)
            m_highlighter.viewChanged();
    });
}

TEditForm::~TEditForm()
{
    // The text widget outlives this object's members: it must not call back into them.
    disconnect(m_edit, nullptr, this, nullptr);
    disconnect(m_edit->document(), nullptr, this, nullptr);
    disconnect(m_edit->verticalScrollBar(), nullptr, this, nullptr);
    disconnect(m_edit->horizontalScrollBar(), nullptr, this, nullptr);
}

QPlainTextEdit *TEditForm::editor() const { return m_edit; }

Prompter &TEditForm::prompter() const { return m_host->prompter(); }

bool TEditForm::highlighting() const { return m_host->editorOptions().syntaxColoring; }

QMenu *TEditForm::contextMenu() const { return m_edit->contextMenu(); }

// --- file -------------------------------------------------------------------------

bool TEditForm::loadFromFile(const QString &fileName, OpenFormat format)
{
    WaitCursor wait;
    const QPointer<TEditForm> guard(this);
    // A big file is read on a worker while the document turns the event loop.
    const FileResult r = m_document.load(fileName, format, [&] { return !guard.isNull(); });
    if (!guard)
        return false;
    if (!r.ok) {
        prompter().showError(r.error);
        return false;
    }
    m_diskFormat = m_document.convertedOnLoad() ? OpenFormat::DosOem : OpenFormat::Plain;
    fill(m_document.takeLoadedText());
    setCaption(m_document.shortName());
    emit fileNameChanged(m_document.fileName());
    setCaretPosition(0);
    setModified(m_document.convertedOnLoad());
    emitCaret();
    return true;
}

void TEditForm::fill(QString text)
{
    if (!m_filler.isFilling())
        ++m_filling;
    // While the text arrives only the lines on the screen are coloured.
    m_highlighter.holdBack(true);
    m_filler.start(std::move(text));
}

void TEditForm::onFillFinished()
{
    m_highlighter.holdBack(false);
    QTextDocument *doc = m_edit->document();
    const bool loadModified = m_filler.wasEdited() ? m_loadModified : m_lastModified;
    // The only undo step a finished load can have is what the user changed meanwhile.
    if (doc->isUndoAvailable()) {
        selectRange(m_keptAnchor, m_keptPosition);
        m_edit->horizontalScrollBar()->setValue(m_keptScroll.first);
        m_edit->verticalScrollBar()->setValue(m_keptScroll.second);
        // A converted load stays modified when those changes are undone (the document
        // takes the flag only as a change).
        if (loadModified) {
            doc->setModified(false);
            doc->setModified(true);
        }
    } else {
        // Appending said nothing of the modified flag: the load's own flag holds.
        doc->setModified(loadModified);
    }
    --m_filling;
    if (doc->isModified() != m_lastModified) {
        m_lastModified = doc->isModified();
        emit modifiedChanged(m_lastModified);
    }
    emit loadFinished();
}

void TEditForm::finishLoading() { m_filler.finish(); }

void TEditForm::finishLoadingAtTheEnd()
{
    if (isLoading() && m_edit->textCursor().block() == m_edit->document()->lastBlock())
        finishLoading();
}

bool TEditForm::save()
{
    if (m_document.fileName().isEmpty())
        return saveAsDialog();
    // Another program's changes are never overwritten without asking.
    if (!m_host->confirmOverwrite(m_document.fileName()))
        return false;
    const EditorOptions o = m_host->editorOptions();
    SaveOptions so;
    so.createBackup = o.createBackup;
    so.lineSpecials = o.lineSpecials;
    const QString text = plainText();
    FileResult r = m_document.save(text, so);
    if (r.unencodable) {
        const QString question = EditorMessages::SaveAsUtf8.arg(QDir::toNativeSeparators(m_document.fileName()),
                                                                encodingName(m_document.encoding()));
        if (prompter().askYesNoCancel(question) != Prompter::Answer::Yes)
            return false;
        m_document.setEncoding(TextCodec::Encoding::Utf8);
        r = m_document.save(text, so);
    }
    if (!r.ok) {
        prompter().showError(r.error);
        return false;
    }
    if (!r.notice.isEmpty())
        prompter().showWarning(r.notice);
    m_diskFormat = OpenFormat::Plain;
    setModified(false);
    emit saved(m_document.fileName());
    return true;
}

bool TEditForm::saveAs(const QString &fileName)
{
    const QString previous = m_document.fileName();
    const QString target = FileNames::withDefaultExtension(QFileInfo(fileName).absoluteFilePath());
    m_document.setFileName(target);
    if (!save()) {
        // A failed save leaves the editor on the file it really belongs to.
        m_document.setFileName(previous);
        return false;
    }
    setCaption(m_document.shortName());
    emit fileNameChanged(target);
    return true;
}

bool TEditForm::exportOem(const QString &fileName)
{
    const FileResult r = m_document.exportOem(QFileInfo(fileName).absoluteFilePath(), plainText());
    if (!r.ok) {
        prompter().showError(EditorMessages::UnableToSave);
        return false;
    }
    if (!r.notice.isEmpty())
        prompter().showWarning(r.notice);
    return true;
}

bool TEditForm::reload()
{
    WaitCursor wait;
    const QPointer<TEditForm> guard(this);
    // The file is read afresh in whatever encoding it now has; a failed read leaves
    // the document as it was.
    const FileResult r = m_document.load(m_document.fileName(), OpenFormat::Plain, [&] { return !guard.isNull(); });
    if (!guard)
        return false;
    if (!r.ok) {
        prompter().showError(r.error);
        return false;
    }
    return replaceText(m_document.takeLoadedText(), false);
}

bool TEditForm::replaceText(const QString &text, bool modified)
{
    const int line = caretLine();
    // Replaced at once: the caret and the modified flag are set on the whole text.
    fill(text);
    finishLoading();
    QTextBlock block = m_edit->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        block = m_edit->document()->lastBlock();
    setCaretPosition(block.position());
    setModified(modified);
    emitCaret();
    return true;
}

void TEditForm::setFileFormat(TextCodec::Encoding encoding, TextFile::LineBreak lineBreak)
{
    m_document.setEncoding(encoding);
    m_document.setLineBreak(lineBreak);
}

void TEditForm::setDocumentName(const QString &fileName)
{
    m_document.setFileName(fileName);
    setCaption(m_document.shortName());
    emit fileNameChanged(fileName);
}

bool TEditForm::saveAsDialog()
{
    int filter = 1;
    const QString chosen = prompter().chooseSaveFile(EditorMessages::SaveAsTitle, EditorMessages::SaveAsFilters,
                                                     QStringLiteral("tex"), m_document.fileName(), &filter);
    if (chosen.isEmpty())
        return false;
    const QString previous = m_document.fileName();
    if (!previous.isEmpty())
        m_host->addRecentFile(previous);
    const bool ok = filter == 2 ? exportOem(FileNames::withDefaultExtension(chosen)) : saveAs(chosen);
    const QString now = m_document.fileName();
    if (!now.isEmpty()) {
        // An unnamed document has no entry of its own to replace.
        if (previous.isEmpty())
            m_host->addRecentFile(now);
        else
            m_host->replaceFirstRecentFile(now);
    }
    return ok;
}

QString TEditForm::fileName() const { return m_document.fileName(); }

void TEditForm::setCaption(const QString &caption) { setWindowTitle(caption); }

bool TEditForm::isModified() const { return m_edit->document()->isModified(); }

void TEditForm::setModified(bool modified)
{
    m_edit->document()->setModified(modified);
    if (modified != m_lastModified) {
        m_lastModified = modified;
        emit modifiedChanged(modified);
    }
}

QString TEditForm::plainText() const
{
    // While a file arrives, the part not yet in the widget follows what is.
    QString text = fromWidgetText(m_edit->document()->toRawText());
    text.append(m_filler.pending());
    return text;
}

int TEditForm::caretPosition() const { return m_edit->textCursor().position(); }

void TEditForm::setCaretPosition(int position)
{
    if (position >= m_edit->document()->characterCount())
        finishLoading();
    QTextCursor c = m_edit->textCursor();
    c.setPosition(qBound(0, position, m_edit->document()->characterCount() - 1));
    m_edit->setTextCursor(c);
}

int TEditForm::caretLine() const { return m_edit->textCursor().blockNumber() + 1; }

int TEditForm::caretColumn() const { return m_edit->textCursor().positionInBlock() + 1; }

void TEditForm::emitCaret() { emit caretMoved(caretLine(), caretColumn()); }

bool TEditForm::queryClose()
{
    if (!isModified() || m_discardApproved)
        return true;
    switch (prompter().askYesNoCancel(EditorMessages::SaveChanges.arg(caption()))) {
    case Prompter::Answer::No:
        m_discardApproved = true;
        return true;
    case Prompter::Answer::Yes:
        break;
    default:
        return false;
    }
    // A failed or cancelled save keeps the editor open: nothing is lost.
    return save();
}

void TEditForm::closeEvent(QCloseEvent *event)
{
    if (queryClose())
        event->accept();
    else
        event->ignore();
}

// --- editing ----------------------------------------------------------------------

QString TEditForm::textRange(int from, int to) const
{
    QTextCursor c(m_edit->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    return fromWidgetText(c.selectedText());
}

QString TEditForm::selectedText() const { return fromWidgetText(m_edit->textCursor().selectedText()); }

void TEditForm::selectRange(int start, int end)
{
    QTextCursor c = m_edit->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    m_edit->setTextCursor(c);
}

void TEditForm::insert(const QString &beforeText, const QString &afterText)
{
    // Goes in at the caret even while a file still arrives (the caret is never at its end).
    // Templates break lines with CR LF; the widget holds one character per line break,
    // and the positions below must count what it holds.
    auto widgetBreaks = [](QString text) {
        return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    };
    const QString before = widgetBreaks(beforeText);
    const QString after = widgetBreaks(afterText);
    QTextCursor c = m_edit->textCursor();
    const int start = c.selectionStart();
    const QString selected = selectedText();
    const QString whole = before + selected + after;
    // The text comes in plain; the highlighter colours it as it arrives.
    c.beginEditBlock();
    c.insertText(whole);
    c.endEditBlock();
    selectRange(start + int(before.size()), start + int(before.size() + selected.size()));
    emitCaret();
}

void TEditForm::goToLine(int line)
{
    if (line <= 0)
        return;
    finishLoading();
    QTextDocument *doc = m_edit->document();
    QTextBlock block = doc->findBlockByNumber(line - 1);
    if (!block.isValid())
        block = doc->lastBlock();
    selectRange(block.position(), block.position() + block.length() - 1);
    m_edit->centerCursor();
}

void TEditForm::goToLineDialog()
{
    QString answer;
    if (!prompter().askText(EditorMessages::GoToLineCaption, EditorMessages::GoToLinePrompt, &answer)
        || answer.isEmpty())
        return;
    bool ok = false;
    const int line = answer.trimmed().toInt(&ok);
    if (!ok) {
        prompter().showError(EditorMessages::NotAnInteger.arg(answer));
        return;
    }
    goToLine(line);
}

// --- find and replace -------------------------------------------------------------

int TEditForm::findInDocument(int from, const FindOptions &o)
{
    finishLoading();
    // Matches never span lines: search block by block without copying the whole text.
    QTextBlock block = m_edit->document()->findBlock(from);
    while (block.isValid()) {
        const int offset = qMax(0, from - block.position());
        const int hit = TextSearch::find(block.text(), o.text, offset, o.matchCase, o.wholeWord);
        if (hit >= 0)
            return block.position() + hit;
        block = block.next();
    }
    return -1;
}

bool TEditForm::findNext(const FindOptions &o)
{
    const int hit = findInDocument(m_edit->textCursor().selectionEnd(), o);
    if (hit < 0) {
        prompter().showInformation(EditorMessages::TextNotFound);
        return false;
    }
    selectRange(hit, hit + int(o.text.size()));
    m_edit->setFocus();
    return true;
}

bool TEditForm::replaceFindNext(const FindOptions &o)
{
    const int hit = findInDocument(m_edit->textCursor().selectionEnd(), o);
    if (hit < 0) {
        m_endReached = true;
        prompter().showInformation(EditorMessages::EndOfDocument);
        return false;
    }
    m_endReached = false;
    selectRange(hit, hit + int(o.text.size()));
    return true;
}

void TEditForm::replaceOnce(const FindOptions &o)
{
    QTextCursor c = m_edit->textCursor();
    const Qt::CaseSensitivity cs = o.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (c.hasSelection() && selectedText().compare(o.text, cs) == 0) {
        c.insertText(o.replaceText);
        m_edit->setTextCursor(c);
    }
    replaceFindNext(o);
}

int TEditForm::replaceAll(const FindOptions &o)
{
    if (o.text.isEmpty())
        return 0;
    int count = 0;
    m_endReached = false;
    QTextCursor undoGroup = m_edit->textCursor();
    undoGroup.beginEditBlock();
    while (!m_endReached) {
        const bool selectedMatch = m_edit->textCursor().hasSelection()
            && selectedText().compare(o.text, o.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
        replaceOnce(o);
        if (selectedMatch)
            ++count;
    }
    undoGroup.endEditBlock();
    return count;
}

bool TEditForm::canMatchBrace() const
{
    const QTextCursor c = m_edit->textCursor();
    const QChar next = m_edit->document()->characterAt(c.position());
    return next == QLatin1Char('{') || next == QLatin1Char('}');
}

void TEditForm::matchBrace()
{
    finishLoading();
    const int pos = m_edit->textCursor().position();
    const int match = TextSearch::matchBrace(plainText(), pos);
    if (match < 0) {
        setCaretPosition(m_edit->textCursor().position());
        prompter().showInformation(EditorMessages::NoParenthesis);
        return;
    }
    selectRange(match, match + 1);
}

// --- context menu -----------------------------------------------------------------

void TEditForm::openAtCaret()
{
    const QString mainFile = m_host->mainFile();
    const QString dir = mainFile.isEmpty() ? QCoreApplication::applicationDirPath() : QFileInfo(mainFile).absolutePath();
    const QTextCursor c = m_edit->textCursor();
    const QTextBlock block = c.block();
    QString name = TextSearch::nameAt(block.text(), c.position() - block.position(), selectedText());
    name = FileNames::withDefaultExtension(name);
    if (m_host->editorOptions().lineSpecials && FileNames::extension(name) == QLatin1String(".txx"))
        name = FileNames::changeExtension(name, QStringLiteral(".tex"));
    const QString path = QDir::cleanPath(QDir(dir).absoluteFilePath(name));
    if (!QFileInfo(path).isFile()) {
        prompter().showError(EditorMessages::UnableToFindFile + QDir::toNativeSeparators(path));
        return;
    }
    if (FileNames::extension(path) != QLatin1String(".tex"))
        m_host->openDocument(path, dir);
    else
        m_host->openFile(path, OpenFormat::Plain, 0);
}

void TEditForm::executeAtCaret()
{
    const QTextCursor c = m_edit->textCursor();
    const QTextBlock block = c.block();
    const QString command = TextSearch::commandAt(block.text(), c.position() - block.position(), selectedText());
    if (command.size() >= EditorMessages::MaxCommandLength) {
        prompter().showWarning(EditorMessages::StringTooLong);
        return;
    }
    if (!command.isEmpty())
        m_host->runCommandLine(command);
}

void TEditForm::updateSelection()
{
    const QTextCursor c = m_edit->textCursor();
    if (c.hasSelection() && highlighting())
        highlightRange(c.selectionStart(), c.selectionEnd() - c.selectionStart());
}

// --- highlighting -----------------------------------------------------------------

void TEditForm::highlightAll()
{
    m_highlighter.setEnabled(true);
    m_highlighter.rehighlight();
}

void TEditForm::removeHighlighting() { m_highlighter.setEnabled(false); }

void TEditForm::highlightRange(int start, int length)
{
    if (m_highlighter.isEnabled())
        m_highlighter.rehighlightRange(start, start + std::max(0, length));
}

void TEditForm::applyStandardFormat()
{
    const QTextCharFormat &standard = m_formats.format(TokenClass::Standard);
    QPalette pal = m_edit->palette();
    pal.setColor(QPalette::Base, m_host->backgroundColor());
    pal.setColor(QPalette::Text, standard.foreground().color());
    m_edit->setPalette(pal);
    // A new font lays out every line again: only when it really changed.
    const QFont font = standard.font();
    if (m_edit->font() != font)
        m_edit->setFont(font);
}

void TEditForm::refreshAppearance()
{
    m_formats = ClassFormats(m_host->classFonts());
    applyStandardFormat();
    m_highlighter.setEnabled(highlighting());
    m_highlighter.setFormats(m_formats);
}

void TEditForm::applyWordWrap()
{
    const bool wrap = m_host->editorOptions().wordWrap;
    m_edit->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_edit->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TokenClass TEditForm::classAt(int pos) const { return m_highlighter.classAt(pos); }

QTextCharFormat TEditForm::formatAt(int pos) const
{
    // Characters without a layout format show the standard format: the widget's
    // font and text colour.
    QTextCharFormat f;
    return m_highlighter.formatAt(pos, &f) ? f : m_formats.format(TokenClass::Standard);
}
