#include "editor/cshelldoc.h"

#include "resources/strings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QThread>

#include <limits>

CShellDoc::CShellDoc(QObject *parent)
    : QObject(parent)
    , m_doc(new QTextDocument(this))
{
    m_doc->setUndoRedoEnabled(true);
    connect(m_doc, &QTextDocument::modificationChanged, this, [this](bool m) {
        if (m_loading)
            return;
        setModifiedFlag(m);
        emit modifiedChanged(m);
    });
}

CShellDoc::~CShellDoc() = default;

QString CShellDoc::fileNamePart(const QString &path)
{
    const int cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString CShellDoc::errorText(const TextFile::Error &error)
{
    using Kind = TextFile::Error::Kind;
    switch (error.kind) {
    case Kind::None:
    case Kind::Cancelled:
        return QString();
    case Kind::NotFound:
        return Str::text(Str::FileNotFound);
    case Kind::NotRegularFile:
        return Str::text(Str::FileNotRegular);
    case Kind::TooLarge:
        return Str::format(Str::FileTooLarge, {QString::number(error.size / (1024 * 1024)),
                                               QString::number(error.maxSize / (1024 * 1024))});
    case Kind::ReadFailed:
    case Kind::WriteFailed:
        return error.reason.isEmpty() ? Str::text(Str::FileAccessFailed) : error.reason;
    }
    return QString();
}

void CShellDoc::newDocument(const QString &untitledName)
{
    m_loading = true;
    m_doc->clear();
    m_doc->setModified(false);
    m_loading = false;
    m_path.clear();
    m_fileTitle = untitledName;
    m_file.reset();
    m_readsOwnWay = false;
    m_fileReading.clear();
    m_docReading.clear();
    setTitleText(untitledName);
}

bool CShellDoc::load(const QString &path, QString *error)
{
    Reading reading = read(path);
    if (!reading.ok()) {
        if (error)
            *error = reading.error;
        return false;
    }
    beginLoad(std::move(reading));
    while (!fillStep(std::numeric_limits<int>::max())) {
    }
    finishLoad();
    return true;
}

QString CShellDoc::documentReading(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        switch (c.unicode()) {
        case 0xfdd0: // the text document's frame marks
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
    return out;
}

CShellDoc::Reading CShellDoc::read(const QString &path)
{
    Reading r;
    r.path = path;
    TextFile::Error failure;
    TextFile::LoadOptions options;
    options.maxSize = maxFileSize;
    if (!r.file.load(path, &failure, options)) {
        r.error = errorText(failure);
        if (r.error.isEmpty())
            r.error = Str::text(Str::FileAccessFailed);
        return r;
    }
    r.text = r.file.takeText();
    QString reading = documentReading(r.text);
    r.readsOwnWay = reading != r.text;
    if (r.readsOwnWay)
        r.docReading = std::move(reading);
    return r;
}

CShellDoc::Reading CShellDoc::readResponsive(const QString &path)
{
    // Small files are read at once; a thread would only cost time.
    constexpr qint64 AtOnce = 256 * 1024;
    if (QFileInfo(path).size() < AtOnce || !QCoreApplication::instance())
        return read(path);
    Reading result;
    QEventLoop loop;
    QThread *worker = QThread::create([&result, path] { result = read(path); });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    return result;
}

void CShellDoc::beginLoad(Reading reading)
{
    m_loading = true;
    m_doc->setUndoRedoEnabled(false);
    m_doc->clear();
    m_fillText = std::move(reading.text);
    m_filled = 0;
    m_fillCursor = QTextCursor(m_doc);

    m_file = std::move(reading.file);
    m_readsOwnWay = reading.readsOwnWay;
    m_fileReading = m_readsOwnWay ? m_fillText : QString();
    m_docReading = m_readsOwnWay ? std::move(reading.docReading) : QString();
    m_path = QFileInfo(reading.path).absoluteFilePath();
    m_fileTitle = fileNamePart(reading.path);
    setTitleText(m_fileTitle);
}

bool CShellDoc::fillStep(int budgetMs)
{
    // Pieces of whole lines, so that every piece ends where a block ends.
    constexpr qsizetype Piece = 4096;
    QElapsedTimer timer;
    timer.start();
    const qsizetype n = m_fillText.size();
    do {
        if (m_filled >= n)
            break;
        qsizetype end = m_fillText.indexOf(u'\n', std::min(n, m_filled + Piece));
        end = end < 0 ? n : end + 1;
        m_fillCursor.insertText(m_fillText.mid(m_filled, end - m_filled));
        m_filled = end;
    } while (timer.elapsed() < budgetMs);
    return m_filled >= n;
}

void CShellDoc::finishLoad()
{
    m_fillText = QString();
    m_filled = 0;
    m_fillCursor = QTextCursor();
    m_doc->setModified(false);
    m_doc->setUndoRedoEnabled(true);
    m_loading = false;
}

QString CShellDoc::fileText() const
{
    const QString text = m_doc->toPlainText();
    return m_readsOwnWay && text == m_docReading ? m_fileReading : text;
}

QByteArray CShellDoc::fileBytes(bool *lossless) const { return m_file.encode(fileText(), lossless); }

CShellDoc::SaveResult CShellDoc::save(const QString &path, QString *error)
{
    TextFile::Error failure;
    switch (m_file.save(path, fileText(), &failure)) {
    case TextFile::SaveResult::Unencodable:
        if (error)
            *error = Str::text(Str::FileUnencodable);
        return SaveResult::Unencodable;
    case TextFile::SaveResult::Failed:
        if (error)
            *error = errorText(failure);
        return SaveResult::Failed;
    case TextFile::SaveResult::Saved:
        break;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_fileTitle = fileNamePart(path);
    setTitleText(m_fileTitle);
    m_doc->setModified(false);
    setModifiedFlag(false);
    return SaveResult::Saved;
}

// A text still being loaded is nobody's edit: saving it would write half a file
// over the whole one.
bool CShellDoc::isModified() const { return !m_loading && m_doc->isModified(); }

void CShellDoc::setModifiedFlag(bool modified)
{
    QString t = m_title;
    if (!t.endsWith(QLatin1String(" *")))
        t += QLatin1String(" *");
    if (!modified && t.endsWith(QLatin1String(" *")))
        t.chop(2);
    setTitleText(t);
    if (m_doc->isModified() != modified)
        m_doc->setModified(modified);
}

void CShellDoc::setTitleText(const QString &t)
{
    if (t == m_title)
        return;
    m_title = t;
    emit titleChanged(m_title);
}
