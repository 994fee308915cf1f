#include "project/cproject.h"

#include "platform/saferead.h"
#include "platform/savefile.h"
#include "resources/fileerrortext.h"
#include "platform/textcodec.h"
#include "resources/strings.h"
#include "project/projectpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace ProjectPaths;

namespace {

// A line of the file list starts with a letter, a separator, ":" or "."; anything
// else (an empty line, a digit, "[") ends the list.
bool isEntryLine(const QString &line)
{
    if (line.isEmpty())
        return false;
    const QChar c = line.at(0);
    return (c.unicode() < 128 && c.isLetter()) || c == QLatin1Char('\\') || c == QLatin1Char('/')
        || c == QLatin1Char(':') || c == QLatin1Char('.');
}

QString withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return TextCodec::decodeDetected(line);
}

} // namespace

void CProject::message(const QString &text) const
{
    if (m_message)
        m_message(text);
}

void CProject::ensureSlot(int slot)
{
    while (m_paths.size() <= slot) {
        m_paths.append(QString());
        m_names.append(QString());
    }
}

void CProject::Reset()
{
    m_count = 0;
    m_active = false;
    m_modified = false;
    m_projectName.clear();
    m_projectFile.clear();
    m_mainDirectory.clear();
    m_tocPath.clear();
    m_paths.clear();
    m_names.clear();
}

void CProject::Create(const QString &projectName)
{
    Reset();
    m_projectName = projectName;
    m_modified = true;
    m_active = true;
}

void CProject::SetEntry(const QString &path, int slot)
{
    if (slot < 0 || slot >= MaxEntries)
        return;
    ensureSlot(slot);
    m_paths[slot] = path;
    m_names[slot] = namePart(path);
    if (slot == 0) {
        m_tocPath = tocPathFor(path);
        if (m_count == 0)
            m_count = 1;
    }
    m_modified = true;
    m_active = true;
}

bool CProject::AddFile(const QString &path)
{
    m_modified = true;
    m_active = true;
    if (m_count >= MaxEntries) {
        message(Str::text(Str::TooManyFiles));
        return false;
    }
    for (int i = 0; i < m_count; ++i) {
        if (samePath(m_paths.value(i), path))
            return false;
    }
    const int slot = m_count;
    ++m_count;
    SetEntry(path, slot);
    return true;
}

void CProject::RemoveEntry(int slot)
{
    if (slot < 0 || slot >= m_count)
        return;
    m_modified = true;
    if (slot == 0) {
        m_paths[0].clear();
        m_names[0].clear();
        m_tocPath.clear();
        return;
    }
    for (int i = slot; i + 1 < m_count; ++i)
        SetEntry(m_paths.at(i + 1), i);
    --m_count;
}

QString CProject::path(int slot) const
{
    return slot >= 0 && slot < m_count ? m_paths.value(slot) : QString();
}

QString CProject::name(int slot) const
{
    return slot >= 0 && slot < m_count ? m_names.value(slot) : QString();
}

QString CProject::absolutePath(int slot) const
{
    const QString p = path(slot);
    if (p.isEmpty() || QDir::isAbsolutePath(p))
        return p;
    const QString base = m_mainDirectory.isEmpty() ? QDir::currentPath() : m_mainDirectory;
    return QDir::cleanPath(base + QLatin1Char('/') + p);
}

bool CProject::Load(const QString &projectFile, QString *error)
{
    // Read everything first: a read error leaves the record untouched. Only a
    // regular file is read (a FIFO would block), and only up to MaxFileSize.
    QByteArray bytes;
    FileError failure;
    if (!SafeRead::readRegularFile(projectFile, MaxFileSize, &bytes, &failure)) {
        if (error)
            *error = FileErrorText::text(failure);
        return false;
    }
    QList<QString> lines;
    if (!bytes.isEmpty())
        for (const QByteArray &raw : bytes.split('\n'))
            lines.append(withoutLineEnd(raw));
    if (bytes.endsWith('\n'))
        lines.removeLast();

    qsizetype i = 0;
    while (i < lines.size()) {
        const QString &line = lines.at(i);
        ++i;
        if (line == QLatin1String("[main]")) {
            if (i < lines.size()) {
                ensureSlot(0);
                m_paths[0] = fromFileForm(lines.at(i));
                if (m_count == 0)
                    m_count = 1; // a main entry without a file list still counts
                ++i;
            }
        } else if (line == QLatin1String("[files]")) {
            ensureSlot(0);
            m_count = 1;
            while (i < lines.size() && isEntryLine(lines.at(i))) {
                if (m_count >= MaxEntries) {
                    message(Str::text(Str::TooManyFiles));
                    break;
                }
                ensureSlot(m_count);
                m_paths[m_count] = fromFileForm(lines.at(i));
                ++m_count;
                ++i;
            }
        }
    }

    m_modified = false;
    m_active = true;
    m_projectFile = projectFile;
    const QString fileName = namePart(fromFileForm(projectFile));
    m_projectName = fileName.size() >= 4 ? fileName.left(fileName.size() - 4) : QString();

    // The main entry is written relative to the project file's directory Q.
    ensureSlot(0);
    const QString q = QFileInfo(projectFile).absolutePath();
    QString main = m_paths.at(0);
    if (main == QLatin1String("./") || main == QLatin1String(".")) {
        main.clear(); // the project has no main document
        m_mainDirectory = q;
    } else if (!main.isEmpty() && !QDir::isAbsolutePath(main)) {
        main = QDir::cleanPath(q + QLatin1Char('/') + main);
        m_mainDirectory = directoryPart(main);
    } else {
        m_mainDirectory = main.isEmpty() ? q : directoryPart(main);
    }
    m_paths[0] = main;
    m_tocPath = main.isEmpty() ? QString() : tocPathFor(main);
    for (int s = 0; s < m_count; ++s)
        m_names[s] = namePart(m_paths.at(s));
    if (!m_mainDirectory.isEmpty())
        QDir::setCurrent(m_mainDirectory);
    return true;
}

QByteArray CProject::serialize(const QString &projectFile) const
{
    const QString main = m_count > 0 ? m_paths.value(0) : QString();
    const QString mainName = m_count > 0 ? m_names.value(0) : QString();
    QString d = directoryPart(main);
    if (d.isEmpty())
        d = QStringLiteral(".");
    const QString e = QFileInfo(projectFile).absolutePath();

    QStringList out;
    out << QStringLiteral("[main]");
    if (d == QLatin1String(".") || samePath(QDir::cleanPath(d), QDir::cleanPath(e)))
        out << QStringLiteral(".\\") + mainName;
    else
        out << toFileForm(d) + QLatin1Char('\\') + mainName;
    out << QStringLiteral("[files]");
    for (int s = 1; s < m_count; ++s) {
        // Entries read relative to the old main directory are made relative to the
        // current one, so that they keep naming the same files after the main
        // document moved. Drive-letter paths from another system stay as they are.
        QString entry = m_paths.at(s);
        const bool drivePath = entry.size() > 1 && entry.at(1) == QLatin1Char(':');
        if (!drivePath && !m_mainDirectory.isEmpty())
            entry = absolutePath(s);
        out << toFileForm(relativeEntry(d, entry));
    }

    QByteArray bytes;
    for (const QString &line : out)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

bool CProject::Save(const QString &projectFile, QString *error)
{
    if (!SaveFile::write(projectFile, serialize(projectFile), error))
        return false;
    m_modified = false;
    m_active = true;
    m_projectFile = projectFile;
    const QString fileName = namePart(projectFile);
    m_projectName = fileName.size() >= 4 ? fileName.left(fileName.size() - 4) : QString();
    return true;
}

CProject::MainDocument CProject::mainDocumentHandOver() const
{
    MainDocument doc;
    const QString main = m_count > 0 ? m_paths.value(0) : QString();
    doc.maintex = namePart(main);
    doc.mainpath = directoryPart(main);
    if (doc.mainpath.isEmpty())
        doc.mainpath = QStringLiteral(".");
    if (QDir::setCurrent(doc.mainpath))
        doc.mainpath = QDir::currentPath();
    else
        doc.mainpath = QDir::cleanPath(QFileInfo(doc.mainpath).absoluteFilePath());
    return doc;
}
