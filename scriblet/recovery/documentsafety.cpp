#include "recovery/documentsafety.h"

#include "common/prompter.h"
#include "editor/cshelldoc.h"
#include "recovery/documentrecovery.h"
#include "recovery/recoveryhost.h"
#include "resources/strings.h"

#include <QDir>
#include <QFileInfo>

DocumentSafety::DocumentSafety(RecoveryHost &host, Prompter &prompter, const QString &recoveryDir, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_prompter(prompter)
    , m_recovery(new DocumentRecovery(recoveryDir, this))
{
    connect(&m_watch, &DiskWatch::changed, this, &DocumentSafety::onChanged);
    connect(&m_watch, &DiskWatch::deleted, this, &DocumentSafety::onDeleted);
    // Said once per run: a full or read-only state folder would otherwise bring a
    // box after every pause in typing.
    connect(m_recovery, &DocumentRecovery::failed, this, [this](const FileError &error) {
        if (m_writeFailureReported)
            return;
        m_writeFailureReported = true;
        m_prompter.message(Str::format(Str::RecoveryWriteFailed,
                                       {QDir::toNativeSeparators(error.path) + QStringLiteral(":\n")
                                        + CShellDoc::errorText(error)}));
    });
}

DocumentSafety::~DocumentSafety() = default;

CShellDoc *DocumentSafety::documentFor(const QString &path) const
{
    const QString abs = QFileInfo(path).absoluteFilePath();
    for (CShellDoc *d : m_host.openDocuments())
        if (!d->isUntitled() && d->path() == abs)
            return d;
    return nullptr;
}

void DocumentSafety::track(CShellDoc *doc)
{
    const QString old = m_tracked.value(doc);
    if (!old.isEmpty() && old != doc->path()) {
        m_tracked.remove(doc);
        if (!m_tracked.values().contains(old))
            m_watch.forget(old);
    }
    if (doc->isUntitled())
        return;
    m_watch.track(doc->path());
    m_tracked.insert(doc, doc->path());
}

void DocumentSafety::documentAdded(CShellDoc *doc)
{
    track(doc);
    connect(doc, &CShellDoc::saved, this, [this, doc] { track(doc); });
    // Only this object's own records here: the window may be half gone.
    connect(doc, &QObject::destroyed, this, [this, doc] {
        const QString path = m_tracked.take(doc);
        if (!path.isEmpty() && !m_tracked.values().contains(path))
            m_watch.forget(path);
    });
    if (!m_restoringId.isEmpty())
        return; // restore() follows it
    if (!doc->isUntitled()) {
        const auto entry = m_recovery->store().entry(RecoveryStore::idFor(doc->path()));
        if (entry && entry->shouldOffer()) {
            // The entry stays as it is unless the user decides: this document's own
            // entries would replace it, so it is not followed in this run then.
            if (entry->damaged) {
                reportDamaged(*entry, entry->problem);
                return;
            }
            switch (ask(*entry)) {
            case Choice::Restore:
                restore(*entry, doc);
                return;
            case Choice::Discard:
                m_recovery->discard(entry->id);
                break;
            case Choice::Later:
                return;
            }
        }
    }
    m_recovery->watch(doc);
}

void DocumentSafety::offerPending()
{
    for (const RecoveryStore::Entry &e : m_recovery->store().pendingEntries()) {
        if (e.damaged) {
            reportDamaged(e, e.problem);
            continue;
        }
        if (!e.snapshot.documentPath.isEmpty() && documentFor(e.snapshot.documentPath))
            continue; // offered when it was opened
        switch (ask(e)) {
        case Choice::Restore:
            restore(e, nullptr);
            break;
        case Choice::Discard:
            m_recovery->discard(e.id);
            break;
        case Choice::Later:
            break;
        }
    }
}

DocumentSafety::Choice DocumentSafety::ask(const RecoveryStore::Entry &entry)
{
    const RecoveryStore::Snapshot &s = entry.snapshot;
    const QString name = s.documentPath.isEmpty() ? Str::format(Str::RecoveryUntitled, {s.title})
                                                  : QDir::toNativeSeparators(s.documentPath);
    const QString when = s.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const int c = m_prompter.choose(Str::text(Str::RecoveryTitle), Str::format(Str::RecoveryOffer, {name, when}),
                                    {Str::text(Str::RecoveryRestore), Str::text(Str::RecoveryDiscard),
                                     Str::text(Str::RecoveryLater)},
                                    0, 2);
    return c == 0 ? Choice::Restore : c == 1 ? Choice::Discard : Choice::Later;
}

void DocumentSafety::restore(const RecoveryStore::Entry &entry, CShellDoc *doc)
{
    RecoveryStore::Snapshot s;
    FileError error;
    if (!m_recovery->store().read(entry.id, &s, &error)) {
        reportDamaged(entry, error.reason);
        return;
    }
    if (!doc) {
        // The document's file (when it is there) gives what is known of its bytes.
        m_restoringId = entry.id;
        if (!s.documentPath.isEmpty() && QFileInfo(s.documentPath).isFile())
            doc = m_host.openDocument(s.documentPath);
        if (!doc) {
            // Path and title first: the new window shows them.
            doc = new CShellDoc;
            doc->restore(s);
            m_host.showDocument(doc);
        }
        m_restoringId.clear();
    }
    if (doc->text() != s.text || !doc->isModified())
        doc->restore(s);
    m_host.documentReloaded(doc);
    // The entry now belongs to this run: written again at once under the same id.
    m_recovery->watch(doc, s.untitledId);
    m_recovery->writeNow(doc);
}

void DocumentSafety::reportDamaged(const RecoveryStore::Entry &entry, const QString &problem)
{
    m_prompter.message(Str::format(Str::RecoveryDamaged, {QDir::toNativeSeparators(entry.file), problem}));
}

bool DocumentSafety::confirmSave(CShellDoc *doc, const QString &path)
{
    if (doc->isUntitled() || QFileInfo(path).absoluteFilePath() != doc->path())
        return true;
    if (!m_watch.isTracked(doc->path()) || !m_watch.changedSinceTracked(doc->path()))
        return true;
    if (!QFileInfo::exists(doc->path()))
        return true; // deleted: the save puts it back
    return m_prompter.question(Str::format(Str::DiskChangedSave, {QDir::toNativeSeparators(doc->path())}))
           == Prompter::Answer::Yes;
}

void DocumentSafety::onChanged(const QString &path)
{
    CShellDoc *doc = documentFor(path);
    if (!doc)
        return;
    if (doc->isModified()
        && m_prompter.question(Str::format(Str::DiskChangedReload, {QDir::toNativeSeparators(doc->path())}))
               != Prompter::Answer::Yes)
        return; // kept: saving over the other version asks again
    reload(doc);
}

void DocumentSafety::reload(CShellDoc *doc)
{
    const int line = m_host.caretLine(doc);
    QString error;
    if (!doc->load(doc->path(), &error)) {
        m_prompter.message(Str::format(Str::OpenFailed, {QDir::toNativeSeparators(doc->path()), error}));
        return;
    }
    m_recovery->drop(doc);
    track(doc);
    m_host.documentReloaded(doc);
    m_host.setCaretLine(doc, line);
}

void DocumentSafety::onDeleted(const QString &path)
{
    // The text exists only here now: it stays open, modified, and is kept for recovery.
    if (CShellDoc *doc = documentFor(path); doc && !doc->isModified())
        doc->setModifiedFlag(true);
}
