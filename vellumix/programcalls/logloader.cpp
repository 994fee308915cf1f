#include "programcalls/logloader.h"

#include "latex/latexlogparser.h"

#include <QFileInfo>
#include <QThread>
#include <memory>

FileStamp FileStamp::of(const QString &path)
{
    const QFileInfo info(path);
    FileStamp s;
    s.exists = info.exists();
    if (s.exists) {
        s.modified = info.lastModified();
        s.size = info.size();
    }
    return s;
}

LogLoader::LogLoader(QObject *parent) : QObject(parent) {}

LogLoader::~LogLoader()
{
    for (QThread *t : std::as_const(m_threads)) {
        t->disconnect(this);
        t->wait();
        delete t;
    }
}

int LogLoader::load(const QString &path, const QString &workingDir)
{
    const int ticket = ++m_lastTicket;
    auto result = std::make_shared<Result>();
    result->ticket = ticket;
    result->path = path;
    QThread *thread = QThread::create([result, workingDir] {
        result->stamp = FileStamp::of(result->path);
        LatexLogParser::Options options;
        options.workingDirectory = workingDir;
        result->ok = LatexLogParser::parseFile(result->path, &result->log, &result->error, options);
    });
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, result] {
        m_threads.removeOne(thread);
        thread->deleteLater();
        emit loaded(*result);
    });
    thread->start();
    return ticket;
}
