#include "platform/recoverystore.h"

#include "platform/saferead.h"
#include "platform/savefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Magic = "recovery-file 1";
const QString Suffix = QStringLiteral(".recovery");
// The largest document (TextFile::DefaultMaxSize) as UTF-8, with room for the header.
constexpr qint64 MaxFileSize = 4 * TextFile::DefaultMaxSize + 64 * 1024;

QByteArray encodingName(TextCodec::Encoding e)
{
    switch (e) {
    case TextCodec::Encoding::Utf8: return "utf-8";
    case TextCodec::Encoding::Windows1252: return "windows-1252";
    case TextCodec::Encoding::Cp850: return "cp850";
    }
    return "utf-8";
}

std::optional<TextCodec::Encoding> encodingFrom(const QByteArray &name)
{
    for (auto e : {TextCodec::Encoding::Utf8, TextCodec::Encoding::Windows1252, TextCodec::Encoding::Cp850})
        if (encodingName(e) == name)
            return e;
    return std::nullopt;
}

QByteArray firstLine(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readLine(4096).trimmed();
}

// Who writes: pid, boot and the process's start time, so that a recycled pid
// after a crash or a reboot is not taken for the writer.
QByteArray processStart(qint64 pid)
{
    const QByteArray stat = firstLine(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields[19] : QByteArray(); // field 22 of the whole line
}

QByteArray bootId()
{
    static const QByteArray id = firstLine(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return id;
}

QByteArray thisWriter()
{
    const qint64 pid = ::getpid();
    return QByteArray::number(pid) + ' ' + bootId() + ' ' + processStart(pid);
}

bool writerRuns(const QByteArray &writer)
{
    const QList<QByteArray> f = writer.split(' ');
    if (f.size() != 3 || f[1] != bootId() || f[2].isEmpty())
        return false;
    bool ok = false;
    const qint64 pid = f[0].toLongLong(&ok);
    return ok && pid > 0 && processStart(pid) == f[2];
}

QByteArray hashHex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

} // namespace

void RecoveryStore::Snapshot::applyTo(TextFile &file) const
{
    file.setEncoding(encoding);
    file.setLineBreak(lineBreak);
}

RecoveryStore::RecoveryStore(const QString &directory) : m_dir(directory) {}

QString RecoveryStore::defaultDirectory(const QString &programName)
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + '/' + programName + QStringLiteral("/recovery");
}

QString RecoveryStore::idFor(const QString &documentPath, const QString &untitledId)
{
    const QString key = documentPath.isEmpty() ? QStringLiteral("untitled:") + untitledId
                                               : QStringLiteral("file:") + QDir::cleanPath(QFileInfo(documentPath).absoluteFilePath());
    QString readable = documentPath.isEmpty() ? QStringLiteral("untitled") : QFileInfo(documentPath).fileName();
    for (QChar &c : readable)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '.' && c != '-' && c != '_')
            c = '_';
    return readable.left(40) + '-' + QString::fromLatin1(hashHex(key.toUtf8()).left(16));
}

QString RecoveryStore::fileFor(const QString &id) const { return m_dir + '/' + id + Suffix; }

bool RecoveryStore::ensureDirectory(FileError *error) const
{
    const QByteArray dir = QFile::encodeName(m_dir);
    errno = 0;
    if (!QDir().mkpath(m_dir)) {
        if (error)
            *error = FileError::fromErrno(FileError::Kind::WriteFailed, m_dir, errno ? errno : ENOTDIR);
        return false;
    }
    // The texts of a user's documents are for that user only.
    struct stat st {};
    if (::stat(dir.constData(), &st) == 0 && (st.st_mode & 0777) != 0700)
        ::chmod(dir.constData(), 0700);
    return true;
}

bool RecoveryStore::write(const Snapshot &s, FileError *error)
{
    if (!ensureDirectory(error))
        return false;
    const QByteArray text = s.text.toUtf8();
    const QDateTime time = s.time.isValid() ? s.time : QDateTime::currentDateTimeUtc();
    QByteArray out = Magic + '\n';
    out += "document=" + QFile::encodeName(s.documentPath).toPercentEncoding() + '\n';
    out += "untitled=" + s.untitledId.toUtf8().toPercentEncoding() + '\n';
    out += "title=" + s.title.toUtf8().toPercentEncoding() + '\n';
    out += "encoding=" + encodingName(s.encoding) + '\n';
    out += QByteArray("linebreak=") + (s.lineBreak == TextFile::LineBreak::CrLf ? "crlf" : "lf") + '\n';
    out += "time=" + time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    out += "writer=" + thisWriter() + '\n';
    out += "size=" + QByteArray::number(text.size()) + '\n';
    out += "sha1=" + hashHex(text) + "\n\n";
    out += text;
    return SaveFile::write(fileFor(s.id()), out, error);
}

RecoveryStore::Entry RecoveryStore::parse(const QString &id, QString *text) const
{
    Entry e;
    e.id = id;
    e.file = fileFor(id);
    auto damaged = [&e](const QString &problem) {
        e.damaged = true;
        e.problem = problem;
        return e;
    };
    QByteArray bytes;
    FileError readError;
    if (!SafeRead::readRegularFile(e.file, MaxFileSize, &bytes, &readError))
        return damaged(readError.message());
    const qsizetype end = bytes.indexOf("\n\n");
    if (!bytes.startsWith(Magic + '\n') || end < 0)
        return damaged(QStringLiteral("The file is not a recovery file or its header is cut short."));
    QByteArray writer, size, sha1;
    bool haveEncoding = false, haveTime = false;
    for (const QByteArray &line : bytes.left(end).split('\n').mid(1)) {
        const qsizetype eq = line.indexOf('=');
        const QByteArray key = line.left(eq), value = line.mid(eq + 1);
        if (key == "document")
            e.snapshot.documentPath = QFile::decodeName(QByteArray::fromPercentEncoding(value));
        else if (key == "untitled")
            e.snapshot.untitledId = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
        else if (key == "title")
            e.snapshot.title = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
        else if (key == "encoding" && encodingFrom(value)) {
            e.snapshot.encoding = *encodingFrom(value);
            haveEncoding = true;
        } else if (key == "linebreak")
            e.snapshot.lineBreak = value == "crlf" ? TextFile::LineBreak::CrLf : TextFile::LineBreak::Lf;
        else if (key == "time") {
            e.snapshot.time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
            haveTime = e.snapshot.time.isValid();
        } else if (key == "writer")
            writer = value;
        else if (key == "size")
            size = value;
        else if (key == "sha1")
            sha1 = value;
    }
    e.writerRunning = writerRuns(writer);
    if (!e.snapshot.documentPath.isEmpty()) {
        const QFileInfo doc(e.snapshot.documentPath);
        e.newerThanDocument = !doc.exists() || (haveTime && doc.lastModified() < e.snapshot.time);
    } else {
        e.newerThanDocument = true;
    }
    const QByteArray body = bytes.mid(end + 2);
    if (!haveEncoding || !haveTime)
        return damaged(QStringLiteral("The header of the recovery file is incomplete."));
    if (size != QByteArray::number(body.size()) || sha1 != hashHex(body))
        return damaged(QStringLiteral("The text in the recovery file is cut short or damaged."));
    if (text)
        *text = QString::fromUtf8(body);
    return e;
}

QList<RecoveryStore::Entry> RecoveryStore::entries() const
{
    QList<Entry> out;
    const QStringList names = QDir(m_dir).entryList({QStringLiteral("*") + Suffix}, QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &name : names)
        out.append(parse(name.chopped(Suffix.size()), nullptr));
    std::stable_sort(out.begin(), out.end(), [](const Entry &a, const Entry &b) { return a.snapshot.time < b.snapshot.time; });
    return out;
}

QList<RecoveryStore::Entry> RecoveryStore::pendingEntries() const
{
    QList<Entry> out;
    for (const Entry &e : entries())
        if (e.shouldOffer())
            out.append(e);
    return out;
}

std::optional<RecoveryStore::Entry> RecoveryStore::entry(const QString &id) const
{
    const QFileInfo file(fileFor(id));
    if (!file.exists() && !file.isSymLink())
        return std::nullopt;
    return parse(id, nullptr);
}

bool RecoveryStore::read(const QString &id, Snapshot *snapshot, FileError *error) const
{
    QString text;
    const Entry e = parse(id, &text);
    if (e.damaged) {
        if (error)
            *error = FileError::make(QFileInfo::exists(e.file) ? FileError::Kind::ReadFailed : FileError::Kind::NotFound,
                                     e.file, e.problem);
        return false;
    }
    if (snapshot) {
        *snapshot = e.snapshot;
        snapshot->text = text;
    }
    if (error)
        *error = FileError();
    return true;
}

bool RecoveryStore::remove(const QString &id, FileError *error)
{
    const QString file = fileFor(id);
    if (::unlink(QFile::encodeName(file).constData()) != 0 && errno != ENOENT) {
        if (error)
            *error = FileError::fromErrno(FileError::Kind::WriteFailed, file, errno);
        return false;
    }
    if (error)
        *error = FileError();
    return true;
}
