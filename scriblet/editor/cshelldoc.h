// A Scriblet text document: path, title, encoding, line-break style, modified
// state, load and save. Views display and edit its QTextDocument and never touch
// the disk themselves.
//
// Files are plain text. Valid UTF-8 is read as UTF-8, anything else as
// Windows-1252; the document saves in the encoding it was loaded with (new
// documents: UTF-8) and with the line breaks it was loaded with (CR LF when the
// file held any, else LF). Saving a document whose text was not changed since the
// load writes back exactly the loaded bytes. Saves are atomic.
#pragma once

#include "platform/textcodec.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QTextDocument;

class CShellDoc : public QObject
{
    Q_OBJECT
public:
    enum class LineBreak { CrLf, Lf };
    // Result of save().
    enum class SaveResult { Saved, Failed, Unencodable };

    explicit CShellDoc(QObject *parent = nullptr);
    ~CShellDoc() override;

    QTextDocument *textDocument() const { return m_doc; }

    // New, untitled document named "<base><n>" (e.g. "Tex File 1").
    void newDocument(const QString &untitledName);
    // Files larger than this are refused with a message instead of exhausting memory.
    static inline qint64 maxFileSize = qint64(256) * 1024 * 1024;

    // Loads a file. On failure the document is unchanged and *error says why.
    bool load(const QString &path, QString *error = nullptr);
    // Saves under path (which becomes the document's path). Unencodable: the
    // file's encoding cannot hold some character; nothing was written (call
    // setEncoding(Utf8) and save again to keep every character).
    SaveResult save(const QString &path, QString *error = nullptr);

    // Full path; empty for an untitled document.
    const QString &path() const { return m_path; }
    bool isUntitled() const { return m_path.isEmpty(); }
    // Shown title: the bare file name, with " *" exactly while modified.
    const QString &title() const { return m_title; }
    // File name part of the path (or the untitled name).
    const QString &fileTitle() const { return m_fileTitle; }

    TextCodec::Encoding encoding() const { return m_encoding; }
    void setEncoding(TextCodec::Encoding enc) { m_encoding = enc; }
    LineBreak lineBreak() const { return m_lineBreak; }

    bool isModified() const;
    // Keeps " *" on the title exactly while modified, then sets the text
    // document's modified flag.
    void setModifiedFlag(bool modified);

    // Plain text in the file's form (line breaks and encoding applied).
    QByteArray fileBytes(bool *lossless = nullptr) const;

    // Splits "a/b/c.tex" or "a\\b\\c.tex" into the file name part.
    static QString fileNamePart(const QString &path);

signals:
    void titleChanged(const QString &title);
    void modifiedChanged(bool modified);

private:
    void setTitleText(const QString &t);

    QTextDocument *m_doc;
    QString m_path;
    QString m_fileTitle;
    QString m_title;
    TextCodec::Encoding m_encoding = TextCodec::Encoding::Utf8;
    LineBreak m_lineBreak = LineBreak::Lf;
    QByteArray m_loadedBytes; // the file as last loaded or saved
    QString m_loadedText;     // its text as the document holds it
    bool m_hasLoadedBytes = false;
    bool m_loading = false;
};
