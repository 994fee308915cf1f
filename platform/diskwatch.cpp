#include "platform/diskwatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

DiskWatch::Stamp DiskWatch::Stamp::of(const QString &path)
{
    Stamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

DiskWatch::DiskWatch(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, &DiskWatch::check);
    auto settle = [this] {
        if (!m_settle.isActive())
            m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, settle);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, settle);
}

QString DiskWatch::key(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

void DiskWatch::watch(const File &file)
{
    const QString k = key(file.path);
    // Drop the old watch first: after a rename over the file it still sits on the
    // old inode, and adding the path again would be refused as already watched.
    m_watcher.removePath(k);
    if (QFileInfo::exists(k))
        m_watcher.addPath(k);
    const QString dir = QFileInfo(k).absolutePath();
    if (!m_watcher.directories().contains(dir))
        m_watcher.addPath(dir);
}

void DiskWatch::track(const QString &path)
{
    File &f = m_files[key(path)];
    f.path = path;
    f.tracked = f.seen = Stamp::of(path);
    watch(f);
}

void DiskWatch::forget(const QString &path)
{
    const QString k = key(path);
    if (!m_files.remove(k))
        return;
    m_watcher.removePath(k);
    // The folder stays watched while another tracked file lies in it.
    const QString dir = QFileInfo(k).absolutePath();
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it)
        if (QFileInfo(it.key()).absolutePath() == dir)
            return;
    m_watcher.removePath(dir);
}

bool DiskWatch::isTracked(const QString &path) const { return m_files.contains(key(path)); }

QStringList DiskWatch::trackedPaths() const
{
    QStringList out;
    for (const File &f : m_files)
        out.append(f.path);
    return out;
}

bool DiskWatch::changedSinceTracked(const QString &path) const
{
    const auto it = m_files.constFind(key(path));
    return it != m_files.cend() && !(Stamp::of(it->path) == it->tracked);
}

void DiskWatch::check()
{
    m_settle.stop();
    // Collected first: a slot may track or forget files while it handles a report.
    QList<File> reports;
    for (File &f : m_files) {
        const Stamp now = Stamp::of(f.path);
        if (now == f.seen)
            continue;
        f.seen = now;
        watch(f);
        reports.append(f);
    }
    for (const File &f : reports) {
        if (f.seen.exists)
            emit changed(f.path);
        else
            emit deleted(f.path);
    }
}
