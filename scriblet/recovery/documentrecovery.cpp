#include "recovery/documentrecovery.h"

#include "editor/cshelldoc.h"
#include "platform/recoverytimer.h"
#include "platform/recoverywriter.h"

#include <QTextDocument>
#include <QUuid>

DocumentRecovery::DocumentRecovery(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_writer(std::make_unique<RecoveryWriter>(directory))
    , m_pauseMs(RecoveryTimer::DefaultPauseMs)
    , m_longestMs(RecoveryTimer::DefaultLongestDelayMs)
{
    connect(m_writer.get(), &RecoveryWriter::failed, this,
            [this](const QString &, const FileError &error) { emit failed(error); });
}

DocumentRecovery::~DocumentRecovery() = default;

const RecoveryStore &DocumentRecovery::store() const { return m_writer->store(); }

void DocumentRecovery::setDelays(int pauseMs, int longestDelayMs)
{
    m_pauseMs = pauseMs;
    m_longestMs = longestDelayMs;
    for (auto &[doc, w] : m_docs)
        w.timer->setDelays(pauseMs, longestDelayMs);
}

void DocumentRecovery::watch(CShellDoc *doc, const QString &untitledId)
{
    if (isWatched(doc))
        return;
    Watched &w = m_docs[doc];
    w.untitledId = untitledId.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : untitledId;
    w.timer = std::make_unique<RecoveryTimer>([this, doc] { due(doc); });
    w.timer->setDelays(m_pauseMs, m_longestMs);
    connect(doc->textDocument(), &QTextDocument::contentsChanged, this, [this, doc] {
        auto it = m_docs.find(doc);
        if (it != m_docs.end() && doc->isModified())
            it->second.timer->textChanged();
    });
    connect(doc, &CShellDoc::modifiedChanged, this, [this, doc](bool modified) {
        auto it = m_docs.find(doc);
        if (it == m_docs.end())
            return;
        if (modified)
            it->second.timer->textChanged();
        else
            removeEntry(it->second); // saved, or undone back to the file's text
    });
    // Closing a document is the user's choice (or a clean exit after saving).
    connect(doc, &QObject::destroyed, this, [this, doc] {
        auto it = m_docs.find(doc);
        if (it == m_docs.end())
            return;
        removeEntry(it->second);
        m_docs.erase(it);
    });
}

QString DocumentRecovery::idOf(const CShellDoc *doc) const
{
    auto it = m_docs.find(doc);
    return RecoveryStore::idFor(doc->path(), it == m_docs.end() ? QString() : it->second.untitledId);
}

void DocumentRecovery::due(CShellDoc *doc)
{
    auto it = m_docs.find(doc);
    if (it == m_docs.end() || !doc->isModified())
        return;
    Watched &w = it->second;
    RecoveryStore::Snapshot s;
    s.documentPath = doc->path();
    s.untitledId = doc->isUntitled() ? w.untitledId : QString();
    s.title = doc->fileTitle();
    s.encoding = doc->encoding();
    s.lineBreak = doc->lineBreak();
    s.text = doc->text();
    const QString id = s.id();
    if (id == w.writtenId && s.text == w.writtenText)
        return;
    // A document saved under a new name leaves no entry under its old one.
    if (!w.writtenId.isEmpty() && w.writtenId != id)
        m_writer->remove(w.writtenId);
    w.writtenId = id;
    w.writtenText = s.text;
    m_writer->write(s);
}

void DocumentRecovery::writeNow(CShellDoc *doc)
{
    if (!isWatched(doc))
        return;
    m_docs.at(doc).timer->cancel();
    due(doc);
}

void DocumentRecovery::drop(CShellDoc *doc)
{
    auto it = m_docs.find(doc);
    if (it != m_docs.end())
        removeEntry(it->second);
}

void DocumentRecovery::removeEntry(Watched &w)
{
    w.timer->cancel();
    if (!w.writtenId.isEmpty())
        m_writer->remove(w.writtenId);
    w.writtenId.clear();
    w.writtenText.clear();
}

void DocumentRecovery::discard(const QString &id) { m_writer->remove(id); }

bool DocumentRecovery::flush(int timeoutMs) { return m_writer->flush(timeoutMs); }
