// A window-less host for the tool runner: documents on disk, recorded messages and
// a journal of what happened, in order.
#pragma once

#include "tools/toolhost.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

struct FakeDocument {
    QString path;        // empty: untitled
    QString title;
    QByteArray text;
    bool modified = false;
};

class FakeHost : public ToolHost
{
public:
    QList<FakeDocument> documents;
    int active = -1;          // index into documents, -1: no active child
    bool projectLoaded = false;
    bool texRunNeeded = false;
    QStringList journal;      // "save a.tex", "message <id>", "log", "toc", "wait <status>", "done"
    QStringList messages;
    QString logText;
    QString mainStatus;
    int keepAliveCalls = 0;

    // Adds a document whose file exists with the given text; makes it active.
    FakeDocument &open(const QString &path, const QByteArray &text)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
        documents.append({path, path.mid(path.lastIndexOf('/') + 1), text, false});
        active = int(documents.size()) - 1;
        return documents.last();
    }
    void edit(int i, const QByteArray &text)
    {
        documents[i].text = text;
        documents[i].modified = true;
    }

    bool saveModifiedDocuments() override
    {
        bool any = false;
        for (FakeDocument &d : documents) {
            if (!d.modified || d.path.isEmpty())
                continue;
            QFile f(d.path);
            if (f.open(QIODevice::WriteOnly) && f.write(d.text) == d.text.size()) {
                d.modified = false;
                any = true;
                journal << QStringLiteral("save ") + d.title;
            }
        }
        return any;
    }
    bool hasOpenDocuments() const override { return !documents.isEmpty(); }
    std::optional<ActiveDocument> activeDocument() const override
    {
        if (active < 0 || active >= documents.size())
            return std::nullopt;
        const FakeDocument &d = documents[active];
        return ActiveDocument{d.modified ? d.title + QStringLiteral(" *") : d.title, d.path};
    }
    void activateMainWindow() override { journal << QStringLiteral("activate"); }
    void showMessage(const QString &text) override
    {
        messages << text;
        journal << QStringLiteral("message");
    }
    void setLogText(const QString &text) override
    {
        logText = text;
        journal << QStringLiteral("log");
    }
    void setMainDocumentStatus(const QString &text) override { mainStatus = text; }
    bool needsTexRun() const override { return texRunNeeded; }
    void setNeedsTexRun(bool on) override { texRunNeeded = on; }
    bool isProjectLoaded() const override { return projectLoaded; }
    void refreshTableOfContents() override { journal << QStringLiteral("toc"); }
    void beginWaitedRun(const QString &status) override { journal << QStringLiteral("wait ") + status; }
    void endWaitedRun() override { journal << QStringLiteral("done"); }
    void keepAlive() override { ++keepAliveCalls; }
};

// Records every start instead of starting; programs named in `missing` fail to start.
class RecordingLauncher : public ToolLauncher
{
public:
    explicit RecordingLauncher(QStringList *journal) : m_journal(journal) {}
    QStringList missing;

    HostProcess::Result run(const QString &exe, const QStringList &args, const QString &dir, bool wait,
                            const std::function<void()> &keepAlive) override
    {
        HostProcess::Result r;
        r.started = !missing.contains(exe);
        *m_journal << QStringLiteral("%1 %2 [%3] in %4").arg(wait ? "run" : "start", exe, args.join('|'), dir);
        if (r.started && wait && keepAlive)
            keepAlive();
        r.exitCode = 0;
        return r;
    }

private:
    QStringList *m_journal;
};
