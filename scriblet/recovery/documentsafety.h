// Nothing the user typed is lost, and nothing another program wrote is overwritten
// unasked: crash recovery (DocumentRecovery) and changes on disk (DiskWatch) for
// the open documents, with the questions they put to the user.
//
// - At start (offerPending) every recovery entry of a document that is not open is
//   offered: restore (default), discard, decide later; a damaged entry is reported
//   and kept. A document opened while an entry for it is pending gets the same offer.
// - A file changed by another program: an unmodified document reloads, keeping its
//   caret line; a modified one asks (reload and lose the edits, or keep them). A
//   deleted file leaves the document open and modified. Saving over a file that
//   changed since it was loaded asks first; the program's own saves never ask.
#pragma once

#include "platform/diskwatch.h"
#include "platform/recoverystore.h"

#include <QObject>
#include <QSet>
#include <QString>

class CShellDoc;
class DocumentRecovery;
class Prompter;
class RecoveryHost;

class DocumentSafety : public QObject
{
    Q_OBJECT
public:
    // host and prompter must outlive this object.
    DocumentSafety(RecoveryHost &host, Prompter &prompter, const QString &recoveryDir, QObject *parent = nullptr);
    ~DocumentSafety() override;

    DocumentRecovery &recovery() { return *m_recovery; }
    DiskWatch &diskWatch() { return m_watch; }

    // A document window was added (opened, created or restored).
    void documentAdded(CShellDoc *doc);
    // Before doc is saved to path: false when the file changed on disk since it was
    // loaded and the user keeps the other version.
    bool confirmSave(CShellDoc *doc, const QString &path);
    // Offers every pending recovery entry whose document is not open.
    void offerPending();
    // The window got the focus: a watch can miss changes (network file systems).
    void check() { m_watch.check(); }

private:
    enum class Choice { Restore, Discard, Later };
    Choice ask(const RecoveryStore::Entry &entry);
    // Restores the entry into doc (loaded from its file) or into a new document.
    void restore(const RecoveryStore::Entry &entry, CShellDoc *doc);
    void reportDamaged(const RecoveryStore::Entry &entry, const QString &problem);
    void onChanged(const QString &path);
    void onDeleted(const QString &path);
    CShellDoc *documentFor(const QString &path) const;
    void reload(CShellDoc *doc);
    void track(CShellDoc *doc);

    RecoveryHost &m_host;
    Prompter &m_prompter;
    DocumentRecovery *m_recovery;
    DiskWatch m_watch;
    QHash<const CShellDoc *, QString> m_tracked; // the path each document's watch follows
    QString m_restoringId;   // set while a restore opens its document
    bool m_writeFailureReported = false;
};
