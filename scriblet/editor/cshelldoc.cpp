#include "editor/cshelldoc.h"

#include "resources/fileerrortext.h"
#include "resources/strings.h"

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

QString CShellDoc::errorText(const TextFile::Error &error) { return FileErrorText::text(error); }

QString CShellDoc::causeText(const FileError &error) { return FileErrorText::cause(error); }

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
    TextFile file;
    TextFile::Error failure;
    TextFile::LoadOptions options;
    options.maxSize = maxFileSize;
    if (!file.load(path, &failure, options)) {
        if (error)
            *error = errorText(failure);
        return false;
    }
    const QString text = file.takeText();

    m_loading = true;
    m_doc->setPlainText(text);
    m_doc->setModified(false);
    m_loading = false;

    m_file = std::move(file);
    const QString reading = m_doc->toPlainText();
    m_readsOwnWay = reading != text;
    m_fileReading = m_readsOwnWay ? text : QString();
    m_docReading = m_readsOwnWay ? reading : QString();
    m_path = QFileInfo(path).absoluteFilePath();
    m_fileTitle = fileNamePart(path);
    setTitleText(m_fileTitle);
    return true;
}

void CShellDoc::restore(const RecoveryStore::Snapshot &snapshot)
{
    m_loading = true;
    m_doc->setPlainText(snapshot.text);
    m_loading = false;
    m_readsOwnWay = false;
    m_fileReading.clear();
    m_docReading.clear();
    if (snapshot.documentPath.isEmpty()) {
        m_path.clear();
        m_fileTitle = snapshot.title;
    } else {
        m_path = QFileInfo(snapshot.documentPath).absoluteFilePath();
        m_fileTitle = fileNamePart(m_path);
    }
    snapshot.applyTo(m_file);
    setTitleText(m_fileTitle);
    m_doc->setModified(true);
    setModifiedFlag(true);
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
    emit saved();
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
