#include "editor/documentguard.h"

#include "common/prompter.h"
#include "editor/teditform.h"
#include "platform/recoverytimer.h"
#include "platform/recoverywriter.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QUuid>

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

QString entryName(const RecoveryStore::Entry &e)
{
    if (!e.snapshot.documentPath.isEmpty())
        return native(e.snapshot.documentPath);
    return e.snapshot.title.isEmpty() ? QStringLiteral("an unnamed document") : e.snapshot.title;
}

} // namespace

DocumentGuard::DocumentGuard(DocumentGuardHost &host, const QString &recoveryDir, QObject *parent)
    : QObject(parent), m_host(host), m_writer(new RecoveryWriter(recoveryDir, this)),
      m_pauseMs(RecoveryTimer::DefaultPauseMs), m_longestMs(RecoveryTimer::DefaultLongestDelayMs)
{
    connect(m_writer, &RecoveryWriter::failed, this, [this](const QString &, const FileError &error) {
        // Typing goes on; one message per run says the safety net is missing.
        if (m_writeFailureShown)
            return;
        m_writeFailureShown = true;
        prompter().showWarning(QStringLiteral("Unsaved text could not be kept for crash recovery:\r\n") + error.message()
                               + QStringLiteral("\r\n\r\nSave your documents to keep them safe."));
    });
    connect(&m_watch, &DiskWatch::changed, this, &DocumentGuard::fileChanged);
    connect(&m_watch, &DiskWatch::deleted, this, &DocumentGuard::fileDeleted);
}

DocumentGuard::~DocumentGuard()
{
    // The writer is a child: its destructor finishes the queue (removals at exit).
    delete m_writer;
}

QString DocumentGuard::recoveryDirectory() const { return m_writer->store().directory(); }

bool DocumentGuard::flush() { return m_writer->flush(); }

void DocumentGuard::setRecoveryDelays(int pauseMs, int longestDelayMs)
{
    m_pauseMs = pauseMs;
    m_longestMs = longestDelayMs;
    for (Doc &d : m_docs)
        d.timer->setDelays(pauseMs, longestDelayMs);
}

QString DocumentGuard::recoveryId(TEditForm *editor) const { return m_docs.value(editor).id; }

// ---------------------------------------------------------------- editors

void DocumentGuard::attach(TEditForm *editor)
{
    if (m_docs.contains(editor))
        return;
    Doc doc;
    doc.untitledId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    doc.id = RecoveryStore::idFor(editor->fileName(), doc.untitledId);
    doc.timer = new RecoveryTimer([this, editor] { keepText(editor); }, this);
    doc.timer->setDelays(m_pauseMs, m_longestMs);
    followPath(doc, editor->fileName());
    m_docs.insert(editor, doc);

    RecoveryTimer *timer = doc.timer;
    connect(editor->editor()->document(), &QTextDocument::contentsChanged, timer, [editor, timer] {
        if (editor->isModified())
            timer->textChanged();
    });
    connect(editor, &TEditForm::modifiedChanged, this, [this, editor](bool modified) {
        const auto d = m_docs.find(editor);
        if (d == m_docs.end())
            return;
        if (modified) {
            d->timer->textChanged();
            return;
        }
        // Saved, reverted or undone to the saved text: the entry has nothing to offer.
        d->timer->cancel();
        if (m_written.contains(d->id))
            dropEntry(d->id);
    });
    connect(editor, &TEditForm::fileNameChanged, this, [this, editor](const QString &path) { nameChanged(editor, path); });
    connect(editor, &TEditForm::saved, this, [this, editor](const QString &path) {
        // Our own save: the watch takes the new file as the one loaded.
        m_watch.track(path);
        const auto d = m_docs.find(editor);
        if (d == m_docs.end())
            return;
        d->timer->cancel();
        // A saved document supersedes any entry of it, also one kept for later.
        m_deferred.remove(d->id);
        dropEntry(d->id);
    });
    if (editor->isModified())
        timer->textChanged();

    if (m_started && !m_restoring && !editor->fileName().isEmpty()) {
        // Asked once the editor is in place, not from inside the open.
        const QPointer<TEditForm> guard(editor);
        QTimer::singleShot(0, this, [this, guard] {
            if (guard && m_docs.contains(guard.data()))
                offerAtOpen(guard.data());
        });
    }
}

void DocumentGuard::detach(TEditForm *editor)
{
    auto it = m_docs.find(editor);
    if (it == m_docs.end())
        return;
    const Doc doc = *it;
    m_docs.erase(it);
    delete doc.timer;
    // Closed without saving by the user's choice (or at exit after the question):
    // the text this run kept is not wanted any more.
    if (m_written.contains(doc.id))
        dropEntry(doc.id);
    if (!doc.path.isEmpty()) {
        bool shared = false;
        for (const Doc &d : std::as_const(m_docs))
            shared = shared || d.path == doc.path;
        if (!shared)
            m_watch.forget(doc.path);
    }
}

void DocumentGuard::keepText(TEditForm *editor)
{
    auto it = m_docs.find(editor);
    if (it == m_docs.end() || !editor->isModified())
        return;
    // An entry the user wants to decide about later is not overwritten by this run.
    if (m_deferred.contains(it->id))
        return;
    RecoveryStore::Snapshot s;
    s.documentPath = editor->fileName();
    if (s.documentPath.isEmpty())
        s.untitledId = it->untitledId;
    s.title = editor->caption();
    s.encoding = editor->document().encoding();
    s.lineBreak = editor->document().lineBreak();
    s.text = editor->plainText();
    m_writer->write(s);
    m_written.insert(it->id);
}

void DocumentGuard::dropEntry(const QString &id)
{
    m_written.remove(id);
    m_writer->remove(id);
}

void DocumentGuard::nameChanged(TEditForm *editor, const QString &path)
{
    const auto it = m_docs.find(editor);
    if (it == m_docs.end())
        return;
    Doc &d = *it;
    const QString id = RecoveryStore::idFor(path, d.untitledId);
    if (id != d.id) {
        // The text kept under the old name moves with the document.
        if (m_written.contains(d.id))
            dropEntry(d.id);
        d.id = id;
        if (editor->isModified())
            d.timer->textChanged();
    }
    followPath(d, path);
}

void DocumentGuard::followPath(Doc &doc, const QString &path)
{
    if (doc.path == path)
        return;
    if (!doc.path.isEmpty()) {
        bool shared = false;
        for (const Doc &d : std::as_const(m_docs))
            shared = shared || (&d != &doc && d.path == doc.path);
        if (!shared)
            m_watch.forget(doc.path);
    }
    doc.path = path;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        m_watch.track(path);
}

// ---------------------------------------------------------------- recovery offer

void DocumentGuard::offerPending()
{
    m_started = true;
    QList<RecoveryStore::Entry> damaged;
    for (const RecoveryStore::Entry &e : m_writer->store().entries()) {
        if (e.writerRunning)
            continue;
        if (e.damaged) {
            damaged << e;
            continue;
        }
        if (!e.newerThanDocument) {
            // The document was saved after the text was taken: nothing to offer.
            m_writer->remove(e.id);
            continue;
        }
        offer(e, m_host.editorOf(e.snapshot.documentPath));
    }
    reportDamaged(damaged);
}

void DocumentGuard::offerAtOpen(TEditForm *editor)
{
    const std::optional<RecoveryStore::Entry> e = m_writer->store().entry(m_docs.value(editor).id);
    if (!e || e->writerRunning)
        return;
    if (e->damaged)
        reportDamaged({*e});
    else if (e->newerThanDocument)
        offer(*e, editor);
}

void DocumentGuard::offer(const RecoveryStore::Entry &entry, TEditForm *editor)
{
    const QString when = QLocale::system().toString(entry.snapshot.time.toLocalTime(), QLocale::ShortFormat);
    const QString question =
        QStringLiteral("Vellumix ended without saving %1.\r\n\r\nThe text as it was at %2 has been kept. "
                       "Restore it? The document then opens modified with that text.\r\n\r\n"
                       "Discard deletes the kept text; Decide Later keeps it for the next start.")
            .arg(entryName(entry), when);
    switch (prompter().askRestore(question)) {
    case Prompter::Answer::Yes:
        break;
    case Prompter::Answer::No:
        m_deferred.remove(entry.id);
        dropEntry(entry.id);
        return;
    default:
        m_deferred.insert(entry.id);
        return;
    }

    RecoveryStore::Snapshot snapshot;
    FileError error;
    if (!m_writer->store().read(entry.id, &snapshot, &error)) {
        prompter().showError(QStringLiteral("The kept text of %1 could not be read; it stays in %2.\r\n\r\n%3")
                                 .arg(entryName(entry), native(entry.file), error.reason));
        return;
    }
    const QString path = snapshot.documentPath;
    m_restoring = true;
    if (!editor && !path.isEmpty() && QFileInfo(path).isFile())
        editor = m_host.openEditor(path);
    if (!editor) {
        // No file (any more), or one that cannot be read: a new editor under the name.
        editor = m_host.newEditor();
        if (editor && !path.isEmpty())
            editor->setDocumentName(path);
    }
    m_restoring = false;
    if (!editor || !m_docs.contains(editor)) {
        prompter().showError(QStringLiteral("The kept text of %1 could not be restored; it stays in %2.")
                                 .arg(entryName(entry), native(entry.file)));
        return;
    }
    Doc &d = m_docs[editor];
    if (path.isEmpty()) {
        // The unnamed document takes over its entry.
        d.untitledId = snapshot.untitledId;
        d.id = entry.id;
    }
    m_deferred.remove(entry.id);
    editor->setFileFormat(snapshot.encoding, snapshot.lineBreak);
    editor->replaceText(snapshot.text, true);
    // The entry holds exactly this text; it is this run's now (removed on save or close).
    d.timer->cancel();
    m_written.insert(d.id);
}

void DocumentGuard::reportDamaged(const QList<RecoveryStore::Entry> &entries)
{
    if (entries.isEmpty())
        return;
    QString text = QStringLiteral("Kept text that cannot be read was found. It stays where it is:");
    for (const RecoveryStore::Entry &e : entries)
        text += QStringLiteral("\r\n\r\n") + native(e.file) + QStringLiteral("\r\n") + e.problem;
    prompter().showWarning(text);
}

// ---------------------------------------------------------------- changes on disk

bool DocumentGuard::confirmOverwrite(const QString &path)
{
    if (!m_watch.isTracked(path) || !m_watch.changedSinceTracked(path))
        return true;
    const QString question = QFileInfo::exists(path)
        ? QStringLiteral("%1\r\n\r\nhas been changed by another program since Vellumix loaded it. "
                         "Save anyway and replace that version?")
        : QStringLiteral("%1\r\n\r\nhas been deleted by another program since Vellumix loaded it. Save it again?");
    return prompter().askYesNoCancel(question.arg(native(path))) == Prompter::Answer::Yes;
}

void DocumentGuard::fileChanged(const QString &path)
{
    for (auto it = m_docs.begin(); it != m_docs.end(); ++it) {
        if (it->path != path)
            continue;
        const QPointer<TEditForm> editor(it.key());
        if (editor->isModified()) {
            const QString question = QStringLiteral("%1\r\n\r\nhas been changed by another program. "
                                                    "Reload it and lose your changes?\r\n\r\n"
                                                    "No keeps your text; saving it then asks before "
                                                    "replacing the other version.")
                                         .arg(native(path));
            // The editor may be closed while the question is open.
            if (prompter().askYesNoCancel(question) != Prompter::Answer::Yes || !editor)
                return;
        }
        if (editor->reload() && editor)
            m_watch.track(path);
        return;
    }
}

void DocumentGuard::fileDeleted(const QString &path)
{
    for (auto it = m_docs.begin(); it != m_docs.end(); ++it) {
        if (it->path != path)
            continue;
        // The text now exists only here: the editor stays and is modified, so
        // closing asks and crash recovery keeps it.
        TEditForm *editor = it.key();
        editor->setModified(true);
        prompter().showWarning(
            QStringLiteral("%1\r\n\r\nhas been deleted by another program. Its text stays open; save it to write the file again.")
                .arg(native(path)));
        return;
    }
}
