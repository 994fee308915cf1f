#include "editor/cshelldoc.h"

#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

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

void CShellDoc::newDocument(const QString &untitledName)
{
    m_loading = true;
    m_doc->clear();
    m_doc->setModified(false);
    m_loading = false;
    m_path.clear();
    m_fileTitle = untitledName;
    m_encoding = TextCodec::Encoding::Utf8;
    m_lineBreak = LineBreak::Lf;
    m_loadedBytes.clear();
    m_loadedText.clear();
    m_hasLoadedBytes = false;
    setTitleText(untitledName);
}

bool CShellDoc::load(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (f.size() > maxFileSize) {
        if (error)
            *error = tr("Die Datei ist zu groß (%1 MB); höchstens %2 MB können bearbeitet werden.")
                         .arg(f.size() / (1024 * 1024))
                         .arg(maxFileSize / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFile::NoError) {
        if (error)
            *error = f.errorString();
        return false;
    }
    TextCodec::Encoding enc;
    QString text = TextCodec::decodeDetected(bytes, &enc);
    const bool crlf = bytes.contains("\r\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');

    m_loading = true;
    m_doc->setPlainText(text);
    m_doc->setModified(false);
    m_loading = false;

    m_path = QFileInfo(path).absoluteFilePath();
    m_fileTitle = fileNamePart(path);
    m_encoding = enc;
    m_lineBreak = crlf ? LineBreak::CrLf : LineBreak::Lf;
    m_loadedBytes = bytes;
    // The document's own reading of the text (it replaces a few control characters).
    m_loadedText = m_doc->toPlainText();
    m_hasLoadedBytes = true;
    setTitleText(m_fileTitle);
    return true;
}

QByteArray CShellDoc::fileBytes(bool *lossless) const
{
    if (lossless)
        *lossless = true;
    QString text = m_doc->toPlainText();
    // An unchanged text goes back to disk exactly as it came.
    if (m_hasLoadedBytes && text == m_loadedText)
        return m_loadedBytes;
    if (m_lineBreak == LineBreak::CrLf)
        text.replace(u'\n', QLatin1String("\r\n"));
    return TextCodec::encode(text, m_encoding, lossless);
}

CShellDoc::SaveResult CShellDoc::save(const QString &path, QString *error)
{
    bool lossless = true;
    const QByteArray bytes = fileBytes(&lossless);
    if (!lossless) {
        if (error)
            *error = tr("Die Datei enthält Zeichen, die in ihrer Kodierung nicht gespeichert werden können.");
        return SaveResult::Unencodable;
    }
    if (!SaveFile::write(path, bytes, error))
        return SaveResult::Failed;
    m_path = QFileInfo(path).absoluteFilePath();
    m_fileTitle = fileNamePart(path);
    m_loadedBytes = bytes;
    m_loadedText = m_doc->toPlainText();
    m_hasLoadedBytes = true;
    setTitleText(m_fileTitle);
    m_doc->setModified(false);
    setModifiedFlag(false);
    return SaveResult::Saved;
}

bool CShellDoc::isModified() const { return m_doc->isModified(); }

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
