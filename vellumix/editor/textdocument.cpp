#include "editor/textdocument.h"

#include "common/filenames.h"
#include "platform/savefile.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace {

QString nativePath(const QString &path) { return QDir::toNativeSeparators(path); }

// How often the caller of a load on the worker thread is asked whether it still
// wants the file.
constexpr int PauseMs = 5;

// Reads path into file on a worker thread while this thread turns its event loop
// (user input waits, as it does between the phases of a direct load) and calls
// pause every PauseMs. When pause says no, the worker stops at its next check and
// load returns Cancelled with file untouched. The worker sees only its own TextFile;
// the result moves over after it has ended.
bool loadOnWorker(TextFile &file, const QString &path, TextFile::Error *error, TextFile::LoadOptions options)
{
    const std::function<bool()> pause = std::move(options.pause);
    std::atomic<bool> cancelled{false};
    options.pause = [&cancelled] { return !cancelled.load(std::memory_order_relaxed); };
    TextFile read;
    TextFile::Error failure;
    bool ok = false;

    QEventLoop loop;
    QTimer tick;
    tick.setInterval(PauseMs);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (!cancelled && !pause()) {
            cancelled = true;
            loop.quit();
        }
    });
    const std::unique_ptr<QThread> worker(QThread::create([&] { ok = read.load(path, &failure, options); }));
    // Queued to this thread: the loop wakes the moment the worker ends, no polling.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    tick.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    tick.stop();
    worker->wait();
    // The caller may have gone since it was last asked: asked once more before
    // anything of it is touched.
    if (cancelled || !pause()) {
        if (error)
            *error = FileError::make(FileError::Kind::Cancelled, path);
        return false;
    }
    if (error)
        *error = failure;
    if (ok)
        file = std::move(read);
    return ok;
}

} // namespace

QString TextDocument::resolveLoadPath(const QString &path)
{
    QString p = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo::exists(p))
        p = FileNames::changeExtension(p, QStringLiteral(".tex"));
    return p;
}

QString TextDocument::lineSpecialsCopy(const QString &text, const QString &shortName)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    QString out;
    out.reserve(text.size() + text.size() / 20);
    bool afterEmpty = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('\n');
        const QString &line = lines.at(i);
        if (line.isEmpty()) {
            afterEmpty = true;
        } else if (afterEmpty) {
            out += QStringLiteral("\\special{src: %1 %2}").arg(i + 1).arg(shortName);
            afterEmpty = false;
        }
        out += line;
    }
    return out;
}

QString TextDocument::shortName() const { return QFileInfo(m_fileName).fileName().left(255); }

FileResult TextDocument::load(const QString &path, OpenFormat format, const std::function<bool()> &pause)
{
    FileResult r;
    const QString resolved = resolveLoadPath(path);
    TextFile::LoadOptions options;
    options.pause = pause;
    const bool oem = format == OpenFormat::DosOem;
    if (oem)
        options.encoding = TextCodec::Encoding::Cp850;
    TextFile file;
    TextFile::Error error;
    // A long load runs on a worker thread so that the window keeps turning; a small
    // one (or one nobody pauses for) is read at once, as a thread would only cost time.
    const bool onWorker = pause && QFileInfo(resolved).size() >= WorkerSize && QAbstractEventDispatcher::instance();
    if (!(onWorker ? loadOnWorker(file, resolved, &error, options) : file.load(resolved, &error, options))) {
        // A cancelled load means the editor is gone: nothing to say, nothing to touch.
        if (error.kind != TextFile::Error::Kind::Cancelled)
            r.error = error.message();
        return r;
    }
    // A DOS OEM file is converted: it is saved as UTF-8 from now on.
    if (oem)
        file.setEncoding(TextCodec::Encoding::Utf8);
    m_file = std::move(file);
    m_converted = oem;
    m_fileName = resolved;
    r.ok = true;
    return r;
}

FileResult TextDocument::save(const QString &text, const SaveOptions &options)
{
    FileResult r;
    if (m_fileName.isEmpty()) {
        r.error = QStringLiteral("The document has no file name.");
        return r;
    }
    bool lossless = true;
    m_file.encode(text, &lossless);
    if (!lossless) {
        r.unencodable = true;
        return r;
    }
    if (options.createBackup && QFileInfo::exists(m_fileName)) {
        // The new backup replaces the old one only when it is complete: a failed
        // backup (full disk) never leaves none.
        const QString backup = m_fileName + QLatin1String(".bak");
        FileError error;
        if (!SaveFile::copy(m_fileName, backup, &error)) {
            r.error = QStringLiteral("Unable to create the backup file %1; the file was not saved.\r\n%2")
                          .arg(nativePath(backup), error.message());
            return r;
        }
    }
    TextFile::Error error;
    switch (m_file.save(m_fileName, text, &error)) {
    case TextFile::SaveResult::Saved:
        break;
    case TextFile::SaveResult::Unencodable:
        r.unencodable = true;
        return r;
    case TextFile::SaveResult::Failed:
        r.error = error.message();
        return r;
    }
    r.ok = true;
    if (options.lineSpecials && QFileInfo(m_fileName).suffix() == QLatin1String("tex")) {
        const QString copy = FileNames::changeExtension(m_fileName, QStringLiteral(".txx"));
        QString err;
        if (!SaveFile::write(copy, encode(lineSpecialsCopy(text, shortName())), &err))
            r.notice = err;
    }
    return r;
}

FileResult TextDocument::exportOem(const QString &path, const QString &text) const
{
    FileResult r;
    bool lossless = true;
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QByteArray bytes = TextCodec::toCp850(crlf, &lossless);
    const QString target = FileNames::withDefaultExtension(path);
    if (!SaveFile::write(target, bytes, &r.error))
        return r;
    if (!lossless)
        r.notice = QStringLiteral("Some characters have no place in code page 850 and were written as \"?\" to %1.")
                       .arg(nativePath(target));
    r.ok = true;
    return r;
}
