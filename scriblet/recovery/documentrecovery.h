// Crash recovery of Scriblet's documents: while a document is modified, its text
// is handed to the program's one RecoveryWriter a short pause after typing stops
// (RecoveryTimer); the entry is removed when the document is saved, reverted to
// its file, or closed (closing happens only after the user's own choice, or at a
// clean exit after the documents were saved). Entries of documents that are not
// open here (a crash of an earlier run, "decide later") are left alone.
#pragma once

#include "platform/fileerror.h"
#include "platform/recoverystore.h"

#include <QObject>
#include <QString>
#include <map>
#include <memory>

class CShellDoc;
class RecoveryTimer;
class RecoveryWriter;

class DocumentRecovery : public QObject
{
    Q_OBJECT
public:
    explicit DocumentRecovery(const QString &directory, QObject *parent = nullptr);
    // Finishes every queued write and removal.
    ~DocumentRecovery() override;

    const RecoveryStore &store() const;
    // Pause after typing and longest delay while typing goes on (tests shorten them).
    void setDelays(int pauseMs, int longestDelayMs);

    // Follows doc until it is destroyed. untitledId: the id of an untitled document
    // restored from an entry (empty: a new one is made).
    void watch(CShellDoc *doc, const QString &untitledId = QString());
    bool isWatched(const CShellDoc *doc) const { return m_docs.count(doc) != 0; }
    // The entry id doc has now (its path, or its untitled id).
    QString idOf(const CShellDoc *doc) const;
    // Writes doc's entry at once (after a restore, so that it belongs to this run).
    void writeNow(CShellDoc *doc);
    // doc holds its file's text again (reloaded): its entry goes.
    void drop(CShellDoc *doc);
    // Removes an entry that no open document holds (the user's discard).
    void discard(const QString &id);
    // Waits until every queued request is done.
    bool flush(int timeoutMs = 30000);

signals:
    // Writing or removing an entry failed (the previous entry is intact).
    void failed(const FileError &error);

private:
    struct Watched {
        std::unique_ptr<RecoveryTimer> timer;
        QString untitledId;
        QString writtenId;   // id of the entry written last; empty when none
        QString writtenText; // its text, so that format-only changes write nothing
    };
    void due(CShellDoc *doc);
    void removeEntry(Watched &w);

    std::unique_ptr<RecoveryWriter> m_writer;
    std::map<const CShellDoc *, Watched> m_docs;
    int m_pauseMs;
    int m_longestMs;
};
