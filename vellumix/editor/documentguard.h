// Keeps the open documents safe from crashes and from other programs.
//
// Crash recovery: while an editor is modified, its text goes to a recovery entry a
// short pause after typing stops (RecoveryTimer), written off the window's thread
// (RecoveryWriter) in the user's state folder. Entries this run wrote go away when
// their document is saved, closed (the user chose not to save it) or back to its
// saved state, and so at a clean exit. At start-up (after the session is restored)
// and when a document with an entry is opened, the user chooses: restore (the
// editor shows the recovered text, modified, in its document's encoding and
// line-break style), discard, or decide later (the entry is kept and this run
// neither overwrites nor removes it). Damaged entries are reported and kept.
//
// Changes on disk (DiskWatch): an unmodified editor reloads silently; a modified one
// asks; a deleted file leaves its editor open and modified; a save over a file that
// changed since it was loaded asks first. The editor's own saves never count.
#pragma once

#include "platform/diskwatch.h"
#include "platform/recoverystore.h"

#include <QHash>
#include <QObject>
#include <QSet>

class Prompter;
class RecoveryTimer;
class RecoveryWriter;
class TEditForm;

// What the guard needs of the window around the editors.
class DocumentGuardHost
{
public:
    virtual ~DocumentGuardHost() = default;
    virtual Prompter &prompter() = 0;
    // The open editor of a file (full path), null when none.
    virtual TEditForm *editorOf(const QString &path) const = 0;
    // Opens an existing file in a new editor; null when it could not be read.
    virtual TEditForm *openEditor(const QString &path) = 0;
    // A new empty editor (an "Unnamed" one).
    virtual TEditForm *newEditor() = 0;
};

class DocumentGuard : public QObject
{
    Q_OBJECT
public:
    // recoveryDir: where the entries live (RecoveryStore::defaultDirectory in the program).
    DocumentGuard(DocumentGuardHost &host, const QString &recoveryDir, QObject *parent = nullptr);
    // Finishes every queued write and removal.
    ~DocumentGuard() override;

    // An editor was added (after its file was read) or is going away (only its
    // address may be used then).
    void attach(TEditForm *editor);
    void detach(TEditForm *editor);

    // The start-up offer: every entry left by a run that ended without cleaning up.
    // Until it is called, editors being added are not asked about (the session's).
    void offerPending();
    // Looks at every watched file now (the window got the focus).
    void checkDisk() { m_watch.check(); }
    // The editor asks before saving over path.
    bool confirmOverwrite(const QString &path);

    // Waits for queued recovery writes (tests).
    bool flush();
    QString recoveryDirectory() const;
    DiskWatch &diskWatch() { return m_watch; }
    // The entry id an editor's text is kept under.
    QString recoveryId(TEditForm *editor) const;
    // How long typing may pause before the text is kept (tests shorten it).
    void setRecoveryDelays(int pauseMs, int longestDelayMs);

private:
    struct Doc {
        RecoveryTimer *timer = nullptr;
        QString untitledId; // a QUuid while the document has no file
        QString id;         // the entry id for its current name
        QString path;       // the file the disk watch follows for it
    };
    void keepText(TEditForm *editor);
    void dropEntry(const QString &id);
    void nameChanged(TEditForm *editor, const QString &path);
    void followPath(Doc &doc, const QString &path);
    void offerAtOpen(TEditForm *editor);
    void offer(const RecoveryStore::Entry &entry, TEditForm *editor);
    void reportDamaged(const QList<RecoveryStore::Entry> &entries);
    void fileChanged(const QString &path);
    void fileDeleted(const QString &path);
    Prompter &prompter() { return m_host.prompter(); }

    DocumentGuardHost &m_host;
    RecoveryWriter *m_writer;
    DiskWatch m_watch;
    QHash<TEditForm *, Doc> m_docs;
    QSet<QString> m_written;  // entries this run wrote and has not removed
    QSet<QString> m_deferred; // entries the user wants to decide about later
    bool m_started = false;   // the start-up offer is done
    bool m_restoring = false; // an editor is being opened for recovered text
    bool m_writeFailureShown = false;
    int m_pauseMs;
    int m_longestMs;
};
