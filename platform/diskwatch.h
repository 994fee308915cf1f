// Notices when another program changes or deletes an open document's file.
//
// The program calls track() after it loaded or saved a file, so its own saves never
// count as a change. A change is what makes the file's stamp (modification time to
// the nanosecond, size, inode and device) differ from the one last seen. It is
// reported once, by a file-system watch shortly after it happens, or by check(),
// which the program calls when its window gets the focus (a watch can miss changes
// on network file systems). changedSinceTracked() answers "changed since I loaded
// or saved it?" before the program saves over the file.
//
// Atomic saves (ours and other programs') replace the file's inode, which ends a
// file-system watch: the watch is renewed by track() and after every report, and
// the file's folder is watched too, so that a file deleted and made again is seen.
#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

class DiskWatch : public QObject
{
    Q_OBJECT
public:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 mtimeNs = 0; // nanoseconds since the epoch
        quint64 inode = 0;
        quint64 device = 0;
        // The file as it is now (a symbolic link counts as what it points to).
        static Stamp of(const QString &path);
        bool operator==(const Stamp &) const = default;
    };

    explicit DiskWatch(QObject *parent = nullptr);

    // Remembers the file as it is now and watches it (after the program's own load or save).
    void track(const QString &path);
    void forget(const QString &path);
    bool isTracked(const QString &path) const;
    QStringList trackedPaths() const;

    // Has the file been changed or deleted since the last track()?
    bool changedSinceTracked(const QString &path) const;
    // Reports every tracked file that differs from what was last seen, now.
    void check();
    // Time between a watch signal and the check it causes; a program that replaces
    // a file by delete and create is then seen once, as changed. Default 100 ms.
    void setSettleMs(int ms) { m_settle.setInterval(ms); }

signals:
    // The file exists but differs from what was last seen.
    void changed(const QString &path);
    // The file is gone.
    void deleted(const QString &path);

private:
    struct File {
        QString path;  // as the program gave it
        Stamp tracked; // at the last track()
        Stamp seen;    // at the last report (or track())
    };
    static QString key(const QString &path);
    void watch(const File &file);

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QHash<QString, File> m_files; // by absolute path
};
