#include "editor/teditform.h"

#include "editor/editormessages.h"
#include "app/editorwiring.h"
#include "editor/teditorprompter.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
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

// A step of a long fill ends after this many milliseconds, or after a chunk of about
// this many characters (up to the next line break).
constexpr qint64 StepBudgetMs = 12;
constexpr int StepChars = 4096;

} // namespace

// The text widget: routes typed characters through the typing highlighter.
class TEditView final : public QPlainTextEdit {
public:
    explicit TEditView(TEditForm *form) : QPlainTextEdit(form), m_form(form) {}

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (!isReadOnly() && m_form->highlighting() && !e->text().isEmpty()) {
            const QChar c = e->text().at(0);
            const bool ctrl = (e->modifiers() & Qt::ControlModifier) && !(e->modifiers() & Qt::AltModifier);
            const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
            if (!ctrl && e->text().size() == 1 && (enter || c == QLatin1Char('\t') || c.isPrint())) {
                m_form->typeKey(e);
                return;
            }
        }
        QPlainTextEdit::keyPressEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent *e) override
    {
        m_form->refreshContextMenu();
        m_form->contextMenu()->exec(e->globalPos());
    }

private:
    TEditForm *m_form;
};

TEditForm::TEditForm(TFrameForm *frame, QWidget *parent)
    : TEditForm(frame ? new FrameEditorHost(frame) : nullptr, parent)
{
    m_frame = frame;
    if (frame) {
        m_ownHost.reset(m_host);
        m_ownPrompter = std::make_unique<FrameEditorPrompter>(frame);
        m_prompter = m_ownPrompter.get();
    }
}

TEditForm::TEditForm(EditorHost *host, QWidget *parent)
    : QWidget(parent), m_host(host ? host : EditorHost::defaultHost())
{
    setObjectName(QStringLiteral("EditForm"));
    m_ownPrompter = std::make_unique<TEditorPrompter>(this);
    m_prompter = m_ownPrompter.get();

    m_edit = new TEditView(this);
    m_edit->setObjectName(QStringLiteral("Editor"));
    m_edit->setAccessibleName(QStringLiteral("Editor"));
    m_edit->setTabChangesFocus(false);
    m_edit->setContextMenuPolicy(Qt::DefaultContextMenu);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);

    m_formats = ClassFormats(m_host->classFonts());
    QPalette pal = m_edit->palette();
    pal.setColor(QPalette::Base, m_host->backgroundColor());
    m_edit->setPalette(pal);
    m_edit->setFont(m_formats.format(TokenClass::Standard).font());
    m_edit->setCurrentCharFormat(m_formats.format(TokenClass::Standard));
    applyWordWrap();
    buildContextMenu();

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
    connect(m_edit, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (m_edit->textCursor().position() != m_expectedCaret)
            m_typing.invalidate();
        emitCaret();
    });
}

TEditForm::~TEditForm()
{
    // The text widget outlives this object's members: it must not call back into them.
    disconnect(m_edit, nullptr, this, nullptr);
    disconnect(m_edit->document(), nullptr, this, nullptr);
}

QPlainTextEdit *TEditForm::editor() const { return m_edit; }

bool TEditForm::highlighting() const { return m_host->editorOptions().syntaxColoring; }

void TEditForm::setPrompter(EditorPrompter *prompter) { m_prompter = prompter ? prompter : m_ownPrompter.get(); }

// --- file -------------------------------------------------------------------------

bool TEditForm::loadFromFile(const QString &fileName) { return loadFromFile(fileName, FileFormat::Plain); }

bool TEditForm::loadFromFile(const QString &fileName, FileFormat format)
{
    WaitCursor wait;
    const QPointer<TEditForm> guard(this);
    const bool big = QFileInfo(fileName).size() > StepThreshold;
    const FileResult r = m_document.load(fileName, format, [&] {
        if (big)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return !guard.isNull();
    });
    if (!guard)
        return false;
    if (!r.ok) {
        m_prompter->error(r.error);
        return false;
    }
    fill(m_document.takeLoadedText(), highlighting());
    if (!guard)
        return false;
    setCaption(m_document.shortName());
    emit fileNameChanged(m_document.fileName());
    setCaretPosition(0);
    setModified(m_document.convertedOnLoad());
    emitCaret();
    return true;
}

bool TEditForm::save()
{
    if (m_document.fileName().isEmpty())
        return saveAsDialog();
    const EditorOptions o = m_host->editorOptions();
    SaveOptions so;
    so.createBackup = o.createBackup;
    so.lineSpecials = o.lineSpecials;
    const FileResult r = m_document.save(plainText(), so);
    if (!r.ok) {
        m_prompter->error(r.error);
        return false;
    }
    if (!r.notice.isEmpty())
        m_prompter->warning(r.notice);
    setModified(false);
    return true;
}

bool TEditForm::saveAs(const QString &fileName)
{
    const QString previous = m_document.fileName();
    const QString target = TextDocument::withDefaultExtension(QFileInfo(fileName).absoluteFilePath());
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
        m_prompter->error(EditorMessages::UnableToSave);
        return false;
    }
    if (!r.notice.isEmpty())
        m_prompter->warning(r.notice);
    return true;
}

bool TEditForm::saveAsDialog()
{
    int filter = 1;
    const QString chosen = m_prompter->saveFileName(m_document.fileName(), &filter);
    if (chosen.isEmpty())
        return false;
    const QString previous = m_document.fileName();
    if (!previous.isEmpty())
        m_host->addRecentFile(previous);
    const bool ok = filter == 2 ? exportOem(TextDocument::withDefaultExtension(chosen)) : saveAs(chosen);
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

void TEditForm::setFileName(const QString &fileName)
{
    m_document.setFileName(fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath());
    if (!fileName.isEmpty())
        setCaption(m_document.shortName());
    emit fileNameChanged(m_document.fileName());
}

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

QString TEditForm::plainText() const { return fromWidgetText(m_edit->document()->toRawText()); }

int TEditForm::caretPosition() const { return m_edit->textCursor().position(); }

void TEditForm::setCaretPosition(int position)
{
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
    switch (m_prompter->askSave(EditorMessages::SaveChanges.arg(caption()))) {
    case EditorPrompter::Answer::Cancel:
        return false;
    case EditorPrompter::Answer::No:
        m_discardApproved = true;
        return true;
    case EditorPrompter::Answer::Yes:
        break;
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

void TEditForm::insert(const QString &before, const QString &after)
{
    QTextCursor c = m_edit->textCursor();
    const int start = c.selectionStart();
    const QString selected = selectedText();
    const QString whole = before + selected + after;
    c.beginEditBlock();
    c.insertText(whole, m_formats.format(TokenClass::Standard));
    c.endEditBlock();
    if (highlighting())
        highlightRange(start, int(whole.size()));
    selectRange(start + int(before.size()), start + int(before.size() + selected.size()));
    emitCaret();
}

void TEditForm::typeKey(QKeyEvent *e)
{
    QTextCursor c = m_edit->textCursor();
    const int start = c.selectionStart();
    const QTextBlock block = m_edit->document()->findBlock(start);
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
    m_expectedCaret = start + 1;
    const QString typed = enter ? QStringLiteral("\n") : QString(ch);
    if (unescape) {
        c.beginEditBlock();
        QTextCursor b(m_edit->document());
        b.setPosition(start - 1);
        b.setPosition(start, QTextCursor::KeepAnchor);
        b.setCharFormat(m_formats.format(TokenClass::Standard));
        c.insertText(typed, m_formats.format(cls));
        c.endEditBlock();
    } else {
        // Without an edit block consecutive typing merges into one undo step.
        c.insertText(typed, m_formats.format(cls));
    }
    m_edit->setTextCursor(c);
    m_edit->ensureCursorVisible();
    m_expectedCaret = -1;
}

void TEditForm::goToLine(int line)
{
    if (line <= 0)
        return;
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
    if (!m_prompter->askLine(&answer) || answer.isEmpty())
        return;
    bool ok = false;
    const int line = answer.trimmed().toInt(&ok);
    if (!ok) {
        m_prompter->error(EditorMessages::NotAnInteger.arg(answer));
        return;
    }
    goToLine(line);
}

// --- find and replace -------------------------------------------------------------

int TEditForm::findInDocument(int from, const FindOptions &o) const
{
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
        m_prompter->information(EditorMessages::TextNotFound);
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
        m_prompter->information(EditorMessages::EndOfDocument);
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
        const int start = c.selectionStart();
        c.insertText(o.replaceText, m_formats.format(TokenClass::Standard));
        m_edit->setTextCursor(c);
        if (highlighting() && !o.replaceText.isEmpty())
            highlightRange(start, int(o.replaceText.size()));
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
    const int pos = m_edit->textCursor().position();
    const int match = TextSearch::matchBrace(plainText(), pos);
    if (match < 0) {
        setCaretPosition(m_edit->textCursor().position());
        m_prompter->information(EditorMessages::NoParenthesis);
        return;
    }
    selectRange(match, match + 1);
}

// --- context menu -----------------------------------------------------------------

void TEditForm::buildContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("EditPopup"));
    auto add = [this](const char *name, const QString &text, auto slot) {
        QAction *a = m_contextMenu->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("Cut1", QStringLiteral("Cu&t"), [this] { m_edit->cut(); });
    add("Copy1", QStringLiteral("&Copy"), [this] { m_edit->copy(); });
    add("Paste1", QStringLiteral("&Paste"), [this] { m_edit->paste(); });
    m_contextMenu->addSeparator();
    add("Emphasis1", QStringLiteral("E&mphasis"), [this] { insert(QStringLiteral("\\emph{"), QStringLiteral("}")); });
    add("Bold1", QStringLiteral("&Bold"), [this] { insert(QStringLiteral("\\textbf{"), QStringLiteral("}")); });
    m_contextMenu->addSeparator();
    add("Open1", QStringLiteral("&Open"), [this] { openAtCaret(); });
    add("Execute1", QStringLiteral("&Execute"), [this] { executeAtCaret(); });
    m_contextMenu->addSeparator();
    add("UpdateSelection1", QStringLiteral("Update Selection"), [this] { updateSelection(); });
}

void TEditForm::refreshContextMenu()
{
    const bool sel = m_edit->textCursor().hasSelection();
    auto action = [this](const char *name) { return m_contextMenu->findChild<QAction *>(QLatin1String(name)); };
    action("Cut1")->setEnabled(sel);
    action("Copy1")->setEnabled(sel);
    action("Paste1")->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    action("UpdateSelection1")->setEnabled(sel && highlighting());
}

void TEditForm::openAtCaret()
{
    const QString mainFile = m_host->mainFile();
    const QString dir = mainFile.isEmpty() ? QCoreApplication::applicationDirPath() : QFileInfo(mainFile).absolutePath();
    const QTextCursor c = m_edit->textCursor();
    const QTextBlock block = c.block();
    QString name = TextSearch::nameAt(block.text(), c.position() - block.position(), selectedText());
    name = TextDocument::withDefaultExtension(name);
    if (m_host->editorOptions().lineSpecials && QFileInfo(name).suffix() == QLatin1String("txx"))
        name = TextDocument::changeExtension(name, QStringLiteral("tex"));
    const QString path = QDir::cleanPath(QDir(dir).absoluteFilePath(name));
    if (!QFileInfo(path).isFile()) {
        m_prompter->error(EditorMessages::UnableToFindFile + QDir::toNativeSeparators(path));
        return;
    }
    if (QFileInfo(path).suffix() != QLatin1String("tex"))
        m_host->openWithDesktop(path, dir);
    else
        m_host->openFile(path, 1, 0);
}

void TEditForm::executeAtCaret()
{
    const QTextCursor c = m_edit->textCursor();
    const QTextBlock block = c.block();
    const QString command = TextSearch::commandAt(block.text(), c.position() - block.position(), selectedText());
    if (command.size() >= EditorMessages::MaxCommandLength) {
        m_prompter->warning(EditorMessages::StringTooLong);
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

void TEditForm::fill(const QString &text, bool highlight)
{
    QTextDocument *doc = m_edit->document();
    const int n = int(text.size());
    const bool stepped = n > StepThreshold;
    const QPointer<TEditForm> guard(this);
    // Let the window repaint between steps; input waits until the text is complete.
    auto breathe = [&] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return !guard.isNull();
    };

    ++m_filling;
    const bool wasReadOnly = m_edit->isReadOnly();
    if (stepped) {
        // The editor is not repainted until its text is complete; the rest of the
        // window is.
        m_edit->setReadOnly(true);
        m_edit->viewport()->setUpdatesEnabled(false);
        if (!breathe())
            return;
    }
    m_edit->blockSignals(true);
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor c(doc);
    QElapsedTimer timer;
    bool failed = false;
    int pos = 0;
    while (pos < n) {
        timer.start();
        c.beginEditBlock();
        while (pos < n) {
            // Every walk state ends at a line break, so the text is walked line chunk by
            // line chunk and no step has to walk the whole text.
            int end = n;
            if (stepped) {
                end = int(text.indexOf(QLatin1Char('\n'), qMin(n, pos + StepChars)));
                end = end < 0 ? n : end + 1;
            }
            const QString chunk = text.mid(pos, end - pos);
            ClassRuns runs;
            if (highlight && !failed) {
                try {
                    runs = Highlighter::fullRuns(chunk);
                } catch (const std::bad_alloc &) {
                    failed = true;
                    runs.clear();
                }
            }
            if (runs.empty())
                runs.push_back({0, int(chunk.size()), TokenClass::Standard});
            for (const ClassRun &r : runs)
                c.insertText(chunk.mid(r.start, r.length), m_formats.format(r.cls));
            pos = end;
            if (stepped && timer.elapsed() >= StepBudgetMs)
                break;
        }
        c.endEditBlock();
        if (stepped && pos < n && !breathe())
            return;
    }
    doc->setUndoRedoEnabled(true);
    m_edit->blockSignals(false);
    if (stepped) {
        m_edit->setReadOnly(wasReadOnly);
        m_edit->viewport()->setUpdatesEnabled(true);
    }
    --m_filling;
    m_typing.invalidate();
    if (failed)
        m_prompter->error(EditorMessages::HighlightError);
}

void TEditForm::applyRuns(int offset, const ClassRuns &runs)
{
    QTextCursor c(m_edit->document());
    c.beginEditBlock();
    for (const ClassRun &r : runs) {
        c.setPosition(offset + r.start);
        c.setPosition(offset + r.start + r.length, QTextCursor::KeepAnchor);
        c.setCharFormat(m_formats.format(r.cls));
    }
    c.endEditBlock();
}

void TEditForm::recolour(bool highlight)
{
    WaitCursor wait;
    QTextDocument *doc = m_edit->document();
    const bool modified = isModified();
    const bool stepped = doc->characterCount() > StepThreshold;
    const QPointer<TEditForm> guard(this);
    ++m_filling;
    const bool wasReadOnly = m_edit->isReadOnly();
    if (stepped) {
        m_edit->setReadOnly(true);
        m_edit->viewport()->setUpdatesEnabled(false);
    }
    // Formats are set in place, chunk of lines by chunk of lines; the old undo steps
    // would no longer fit the formats and are dropped, as after a load.
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    QElapsedTimer timer;
    bool failed = false;
    int blockNumber = 0;
    const int blockCount = doc->blockCount();
    while (blockNumber < blockCount) {
        timer.start();
        c.beginEditBlock();
        while (blockNumber < blockCount) {
            QTextBlock block = doc->findBlockByNumber(blockNumber);
            const int chunkStart = block.position();
            QString chunk;
            while (block.isValid() && chunk.size() < StepChars) {
                chunk += block.text();
                if (block.next().isValid())
                    chunk += QLatin1Char('\n');
                block = block.next();
                ++blockNumber;
            }
            ClassRuns runs;
            if (highlight && !failed) {
                try {
                    runs = Highlighter::fullRuns(chunk);
                } catch (const std::bad_alloc &) {
                    failed = true;
                    runs.clear();
                }
            }
            if (runs.empty())
                runs.push_back({0, int(chunk.size()), TokenClass::Standard});
            for (const ClassRun &r : runs) {
                c.setPosition(chunkStart + r.start);
                c.setPosition(chunkStart + r.start + r.length, QTextCursor::KeepAnchor);
                c.setCharFormat(m_formats.format(r.cls));
            }
            if (stepped && timer.elapsed() >= StepBudgetMs)
                break;
        }
        c.endEditBlock();
        if (stepped && blockNumber < blockCount) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (!guard)
                return;
        }
    }
    doc->setUndoRedoEnabled(true);
    if (stepped) {
        m_edit->setReadOnly(wasReadOnly);
        m_edit->viewport()->setUpdatesEnabled(true);
    }
    --m_filling;
    m_typing.invalidate();
    setModified(modified);
    if (failed) {
        m_prompter->error(EditorMessages::HighlightError);
        recolour(false);
    }
}

void TEditForm::highlightAll() { recolour(true); }

void TEditForm::removeHighlighting() { recolour(false); }

void TEditForm::highlightRange(int start, int length)
{
    QTextDocument *doc = m_edit->document();
    const int end = qBound(0, start + length, doc->characterCount() - 1);
    start = qBound(0, start, end);
    const int lineStart = doc->findBlock(start).position();
    const QString text = textRange(lineStart, end);
    const int local = start - lineStart;
    const HighlightState context = Highlighter::contextState(QStringView(text).left(local));
    const bool modified = isModified();
    ++m_filling;
    applyRuns(lineStart, Highlighter::rangeRuns(text, local, end - start, context));
    --m_filling;
    setModified(modified);
}

void TEditForm::refreshAppearance()
{
    m_formats = ClassFormats(m_host->classFonts());
    QPalette pal = m_edit->palette();
    pal.setColor(QPalette::Base, m_host->backgroundColor());
    m_edit->setPalette(pal);
    m_edit->setFont(m_formats.format(TokenClass::Standard).font());
    if (highlighting())
        highlightAll();
    else
        removeHighlighting();
}

void TEditForm::applyWordWrap()
{
    const bool wrap = m_host->editorOptions().wordWrap;
    m_edit->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_edit->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TokenClass TEditForm::classAt(int pos) const
{
    const QTextBlock block = m_edit->document()->findBlock(pos);
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (pos >= f.position() && pos < f.position() + f.length())
            return ClassFormats::classOf(f.charFormat());
    }
    return TokenClass::Standard;
}
