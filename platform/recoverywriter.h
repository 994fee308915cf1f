// Writes recovery entries on a thread of its own, so that a large document never
// stalls typing. The caller hands over a snapshot holding a copy of the text
// (QString copies are cheap: the worker shares the text until the editor changes it).
//
// Requests for one document are coalesced: a write still waiting is replaced by a
// newer write or by a removal, and a request never overtakes an older one for the
// same document that is in progress. So "remove after save" can never be undone by
// a write that was queued before the save.
//
// Signals are emitted on the thread that owns the writer (the user-interface thread).
#pragma once

#include "platform/fileerror.h"
#include "platform/recoverystore.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

class RecoveryWriter : public QObject
{
    Q_OBJECT
public:
    explicit RecoveryWriter(const QString &directory, QObject *parent = nullptr);
    // Finishes every queued request, then ends the thread.
    ~RecoveryWriter() override;

    const RecoveryStore &store() const { return m_store; }

    // Queues the snapshot's entry to be written.
    void write(const RecoveryStore::Snapshot &snapshot);
    // Queues the removal of the entry (after a save, a discard, at a clean exit).
    void remove(const QString &id);
    // Waits until every request queued so far is done (clean exit, tests); false
    // when timeoutMs passed first.
    bool flush(int timeoutMs = 30000);

signals:
    void written(const QString &id);
    void removed(const QString &id);
    // A write or removal failed; the previous entry (if any) is intact.
    void failed(const QString &id, const FileError &error);

private:
    struct Request {
        bool remove = false;
        RecoveryStore::Snapshot snapshot;
    };
    void run();

    RecoveryStore m_store;
    std::mutex m_mutex;
    std::condition_variable m_wake; // work arrived, or stop
    std::condition_variable m_idle; // a request finished
    std::deque<QString> m_order;    // ids with a waiting request, oldest first
    std::map<QString, Request> m_waiting;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
