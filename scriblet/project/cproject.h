// The project record: one main document and up to 999 further files, stored in a
// ".sbp" project file.
//
// Paths are host paths ("/"). In the project file the separator is "\"; both
// "\" and "/" are read. Further entries read from a file stay as they were read
// (relative ones such as "./kap/eins.tex" are relative to the main directory,
// see absolutePath()). Path comparisons follow the host file system and are
// case-sensitive; nothing written is ever upper-cased.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class CProject
{
public:
    static constexpr int MaxEntries = 1000;
    // A project file of 1000 paths is far smaller; anything larger is not read.
    static constexpr qint64 MaxFileSize = qint64(16) * 1024 * 1024;

    using MessageSink = std::function<void(const QString &)>;

    CProject() = default;
    // Receives "too many files !!" from AddFile and Load.
    void setMessageSink(MessageSink sink) { m_message = std::move(sink); }

    void Reset();
    void Create(const QString &projectName);
    // Stores the path in the slot (0 <= slot < MaxEntries, at most the entry count).
    void SetEntry(const QString &path, int slot);
    // False when the table is full or the path is already in the project; the
    // project counts as modified either way.
    bool AddFile(const QString &path);
    void RemoveEntry(int slot);
    // False with an error text when the file cannot be read; the record is then untouched.
    bool Load(const QString &projectFile, QString *error = nullptr);
    // Atomic write. False with an error text when the file cannot be written; the
    // record then keeps its modified flag and its old project file.
    bool Save(const QString &projectFile, QString *error = nullptr);

    // The bytes Save would write for the given project-file path.
    QByteArray serialize(const QString &projectFile) const;

    // Main-document hand-over: the main document's name and absolute directory
    // ("maintex", "mainpath"); makes that directory the current directory.
    struct MainDocument {
        QString maintex;
        QString mainpath;
    };
    MainDocument mainDocumentHandOver() const;

    int entryCount() const { return m_count; }
    QString path(int slot) const;
    QString name(int slot) const;
    // The slot's path, a relative one resolved against the main directory.
    QString absolutePath(int slot) const;
    const QString &projectName() const { return m_projectName; }
    const QString &projectFile() const { return m_projectFile; }
    const QString &mainDirectory() const { return m_mainDirectory; }
    const QString &tocPath() const { return m_tocPath; }
    bool isActive() const { return m_active; }
    bool isModified() const { return m_modified; }

private:
    void message(const QString &text) const;
    void ensureSlot(int slot);

    int m_count = 0;
    QStringList m_paths;
    QStringList m_names;
    QString m_projectName;
    QString m_projectFile;
    QString m_mainDirectory;
    QString m_tocPath;
    bool m_active = false;
    bool m_modified = false;
    MessageSink m_message;
};
