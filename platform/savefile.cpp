#include "platform/savefile.h"

#include "platform/saferead.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SaveFile {

namespace {

constexpr int LetterCount = 6;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The rule of isTemporaryName on the six letters.
bool isTemporarySuffix(const char *s)
{
    bool lower = false, upperLater = false;
    for (int i = 0; i < LetterCount; ++i) {
        if (!isLetter(s[i]))
            return false;
        if (s[i] >= 'a')
            lower = true;
        else if (i > 0)
            upperLater = true;
    }
    return lower && upperLater;
}

QByteArray randomSuffix()
{
    QByteArray s(LetterCount, 'x');
    do {
        for (char &c : s) {
            const int v = int(QRandomGenerator::global()->bounded(52));
            c = char(v < 26 ? 'A' + v : 'a' + v - 26);
        }
    } while (!isTemporarySuffix(s.constData()));
    return s;
}

QByteArray folderOf(const QByteArray &file)
{
    const qsizetype slash = file.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : file.left(slash);
}

// mkdir -p that reports the errno of the step that failed.
int makeFolders(const QByteArray &folder)
{
    struct stat st {};
    if (::stat(folder.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const QByteArray parent = folderOf(folder);
    if (parent != folder && parent != ".") {
        if (const int err = makeFolders(parent))
            return err;
    }
    if (::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

// The file a path finally names, following symbolic links (as QSaveFile does),
// even when the last link points to a file that does not exist yet.
QString resolveLinks(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.absoluteFilePath();
}

// One atomic replacement of a file: begin(), write(), commit(). Destroying an
// uncommitted target removes its temporary file.
class Target
{
public:
    ~Target()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_tempName.isEmpty())
            ::unlink(m_tempName.constData());
    }

    bool begin(const QString &path, FileError *error)
    {
        m_path = path;
        m_final = QFile::encodeName(resolveLinks(path));
        const QByteArray folder = folderOf(m_final);
        if (const int err = makeFolders(folder))
            return fail(error, err);
        struct stat st {};
        if (::stat(m_final.constData(), &st) == 0) {
            if (!S_ISREG(st.st_mode)) {
                if (error)
                    *error = FileError::make(FileError::Kind::NotRegularFile, path);
                return false;
            }
            m_mode = st.st_mode & 0777;
            m_keepMode = true;
        }
        removeStaleTemporaries(QFile::decodeName(m_final));
        // An unnamed file first: a kill while it is written leaves nothing behind.
        if (::access("/proc/self/fd", X_OK) == 0) {
            m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, m_keepMode ? 0600 : 0666);
            if (m_fd >= 0)
                return true;
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = m_final + '.' + randomSuffix();
            m_fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, m_keepMode ? 0600 : 0666);
            if (m_fd >= 0) {
                m_tempName = name;
                return true;
            }
            if (errno != EEXIST)
                break;
        }
        return fail(error, errno);
    }

    // Sets the permission bits of the result (a copy takes its source's).
    void setMode(mode_t mode)
    {
        m_mode = mode & 0777;
        m_keepMode = true;
    }

    bool write(const char *data, qint64 size, FileError *error)
    {
        while (size > 0) {
            const ssize_t n = ::write(m_fd, data, size_t(qMin<qint64>(size, qint64(1) << 30)));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return fail(error, errno);
            }
            if (n == 0)
                return fail(error, ENOSPC);
            data += n;
            size -= n;
        }
        return true;
    }

    bool commit(FileError *error)
    {
        if (m_keepMode)
            ::fchmod(m_fd, m_mode); // best effort, as before: a foreign file may refuse
        // The data reaches the disk before the name does: a power cut cannot leave a
        // renamed but empty file.
        if (::fsync(m_fd) != 0)
            return fail(error, errno);
        if (m_tempName.isEmpty() && !linkUnnamed(error))
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            return fail(error, errno);
        if (::rename(m_tempName.constData(), m_final.constData()) != 0)
            return fail(error, errno);
        m_tempName.clear();
        // And the rename reaches the disk: flush the folder (not every file system can).
        const int dir = ::open(folderOf(m_final).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        return true;
    }

private:
    // Gives the unnamed file a temporary name, to be renamed over the target.
    bool linkUnnamed(FileError *error)
    {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = m_final + '.' + randomSuffix();
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
                m_tempName = name;
                return true;
            }
            if (errno != EEXIST)
                break;
        }
        return fail(error, errno);
    }

    bool fail(FileError *error, int err)
    {
        if (error)
            *error = FileError::fromErrno(FileError::Kind::WriteFailed, m_path, err);
        return false;
    }

    QString m_path;
    QByteArray m_final;
    QByteArray m_tempName; // named temporary file, removed unless committed
    int m_fd = -1;
    mode_t m_mode = 0;
    bool m_keepMode = false;
};

} // namespace

bool write(const QString &path, const QByteArray &bytes, FileError *error)
{
    Target target;
    if (!target.begin(path, error) || !target.write(bytes.constData(), bytes.size(), error)
        || !target.commit(error))
        return false;
    if (error)
        *error = FileError();
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    FileError e;
    const bool ok = write(path, bytes, &e);
    if (error)
        *error = ok ? QString() : e.message();
    return ok;
}

bool copy(const QString &source, const QString &target, FileError *error)
{
    QFile in;
    if (!SafeRead::openRegularFile(in, source, error))
        return false;
    Target out;
    if (!out.begin(target, error))
        return false;
    struct stat st {};
    if (::fstat(in.handle(), &st) == 0)
        out.setMode(st.st_mode);
    QByteArray buffer(qsizetype(1) << 20, Qt::Uninitialized);
    while (true) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) {
            if (error)
                *error = FileError::make(FileError::Kind::ReadFailed, source, in.errorString());
            return false;
        }
        if (n == 0)
            break;
        if (!out.write(buffer.constData(), n, error))
            return false;
    }
    if (!out.commit(error))
        return false;
    if (error)
        *error = FileError();
    return true;
}

bool isTemporaryName(const QString &targetName, const QString &name)
{
    const QByteArray t = QFile::encodeName(targetName);
    const QByteArray n = QFile::encodeName(name);
    return n.size() == t.size() + 1 + LetterCount && n.startsWith(t) && n[t.size()] == '.'
        && isTemporarySuffix(n.constData() + t.size() + 1);
}

int removeStaleTemporaries(const QString &path, int minAgeSeconds)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = folderOf(file);
    const QByteArray target = file.mid(file.lastIndexOf('/') + 1);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return 0;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const uid_t me = ::getuid();
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() != target.size() + 1 + LetterCount || !name.startsWith(target)
            || name[target.size()] != '.' || !isTemporarySuffix(name.constData() + target.size() + 1))
            continue;
        const QByteArray full = folder + '/' + name;
        struct stat st {};
        if (::lstat(full.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != me
            || now - qint64(st.st_mtime) < minAgeSeconds)
            continue;
        if (::unlink(full.constData()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace SaveFile
