// Reads and parses LaTeX logs in a worker thread (a runaway document writes logs of
// many megabytes, and the window must not freeze while they are parsed). Each result
// comes back through loaded() on the thread of this object, with the ticket of its
// request.
#pragma once

#include "latex/latexlog.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

class QThread;

// When a file was last written and how long it was, to tell a new log from an old one.
struct FileStamp {
    bool exists = false;
    QDateTime modified;
    qint64 size = 0;

    static FileStamp of(const QString &path);
    bool operator==(const FileStamp &) const = default;
};

class LogLoader : public QObject
{
    Q_OBJECT
public:
    struct Result {
        int ticket = 0;
        QString path;
        FileStamp stamp;   // of the file that was parsed
        bool ok = false;   // false: *error says why the log could not be read
        QString error;
        LatexLog log;
    };

    explicit LogLoader(QObject *parent = nullptr);
    // Waits for the parses still running; their results are dropped.
    ~LogLoader() override;

    // Parses the log at path; names in it are relative to workingDir (where TeX ran).
    // Returns the request's ticket.
    int load(const QString &path, const QString &workingDir);

signals:
    void loaded(const LogLoader::Result &result);

private:
    int m_lastTicket = 0;
    QList<QThread *> m_threads;
};
