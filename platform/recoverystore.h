// Crash recovery: the current text of modified documents, kept per program in the
// user's state folder ($XDG_STATE_HOME/<Program>/recovery, default
// ~/.local/state/<Program>/recovery, mode 0700), never beside the document: TeX
// folders are cleaned up by tools.
//
// One entry per document, keyed by the document's absolute path or, for an untitled
// document, by an id the program gives it (a QUuid: titles like "Unbenannt1" repeat
// in every run). An entry holds the path, the title, the encoding and line-break
// style, the time the text was taken, the process that wrote it, and the text as
// UTF-8 (lossless whatever the document's own encoding). Entries are written with
// SaveFile, so after kill -9 or a power cut an entry is complete or absent; a
// checksum tells a damaged one.
//
// The store never deletes an entry on its own. An entry that cannot be read is
// listed as damaged and kept until the program removes it (the user's choice).
// Everything here runs on the calling thread; RecoveryWriter writes on a thread of
// its own, and RecoveryTimer says when to write.
#pragma once

#include "platform/fileerror.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class RecoveryStore
{
public:
    // A document's text and what is needed to restore it.
    struct Snapshot {
        QString documentPath; // absolute path; empty for an untitled document
        QString untitledId;   // untitled documents: the program's id for it
        QString title;        // what the program shows for the document (optional)
        TextCodec::Encoding encoding = TextCodec::Encoding::Utf8;
        TextFile::LineBreak lineBreak = TextFile::LineBreak::Lf;
        QDateTime time;       // when the text was taken; write() sets "now" when invalid
        QString text;         // '\n' line breaks, as the editor holds it

        QString id() const { return RecoveryStore::idFor(documentPath, untitledId); }
        // Gives a document's file the encoding and line-break style it had, so that
        // its next save writes them.
        void applyTo(TextFile &file) const;
    };

    struct Entry {
        QString id;
        QString file;           // the recovery file
        Snapshot snapshot;      // without the text
        bool damaged = false;   // unreadable, cut short or changed: kept, never deleted silently
        QString problem;        // why it is damaged (English)
        bool newerThanDocument = false; // taken after the document was last written (or no document)
        bool writerRunning = false;     // its writer still runs (this process included)
        // What a start-up offers (or reports): entries of programs that ended without
        // cleaning up when they are newer than the document, and every damaged one.
        bool shouldOffer() const { return damaged || (!writerRunning && newerThanDocument); }
    };

    explicit RecoveryStore(const QString &directory);

    // $XDG_STATE_HOME/<programName>/recovery (an unset or relative XDG_STATE_HOME
    // means ~/.local/state).
    static QString defaultDirectory(const QString &programName);
    // The entry id of a document: readable part of the name plus a hash of the key.
    static QString idFor(const QString &documentPath, const QString &untitledId = QString());

    const QString &directory() const { return m_dir; }
    QString fileFor(const QString &id) const;

    // Writes (replaces) the document's entry atomically; creates the folder (0700).
    bool write(const Snapshot &snapshot, FileError *error = nullptr);
    // Every entry, damaged ones included, oldest first.
    QList<Entry> entries() const;
    // The entries for which shouldOffer() holds.
    QList<Entry> pendingEntries() const;
    // The entry of one document (when it is opened), if there is one.
    std::optional<Entry> entry(const QString &id) const;
    // The whole snapshot; false, with *error (ReadFailed, reason = the problem), when
    // the entry is missing or damaged.
    bool read(const QString &id, Snapshot *snapshot, FileError *error = nullptr) const;
    // Removes the entry (after a save, the user's discard, a clean exit); a missing
    // entry is no error.
    bool remove(const QString &id, FileError *error = nullptr);

private:
    bool ensureDirectory(FileError *error) const;
    Entry parse(const QString &id, QString *text) const;
    QString m_dir;
};
