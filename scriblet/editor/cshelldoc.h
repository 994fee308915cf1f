// A Scriblet text document: path, title, encoding, line-break style, modified
// state, load and save. Views display and edit its QTextDocument and never touch
// the disk themselves.
//
// Files follow the shared document-file rule (TextFile): only regular files are
// read; valid UTF-8 is UTF-8, anything else Windows-1252; the document saves in
// the encoding and line-break style it was loaded with (new documents: UTF-8, LF);
// saving a document whose text was not changed since the load writes back exactly
// the loaded bytes; a character the encoding cannot hold is reported, never
// dropped; saves are atomic. Error texts are the program's own (German).
#pragma once

#include "platform/textfile.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTextCursor>

class QTextDocument;

class CShellDoc : public QObject
{
    Q_OBJECT
public:
    using LineBreak = TextFile::LineBreak;
    // Result of save().
    enum class SaveResult { Saved, Failed, Unencodable };

    explicit CShellDoc(QObject *parent = nullptr);
    ~CShellDoc() override;

    QTextDocument *textDocument() const { return m_doc; }

    // New, untitled document named "<base><n>" (e.g. "Tex File 1").
    void newDocument(const QString &untitledName);
    // Files larger than this are refused with a message instead of exhausting memory.
    static inline qint64 maxFileSize = TextFile::DefaultMaxSize;

    // Loads a file. On failure the document is unchanged and *error says why.
    bool load(const QString &path, QString *error = nullptr);

    // --- Loading in steps (large files) ---------------------------------------
    // A file read and decoded, ready to go into a document. read() touches
    // nothing but the file, so it may run on any thread.
    struct Reading {
        QString path;
        QString error; // empty when the file was read
        TextFile file;
        QString text;
        // How the text document gives the text back, when that differs from it
        // (it reads a few characters its own way).
        bool readsOwnWay = false;
        QString docReading;
        bool ok() const { return error.isEmpty(); }
    };
    static Reading read(const QString &path);
    // read() on a worker thread for larger files while this thread keeps serving
    // its events except user input, so that the windows keep painting.
    static Reading readResponsive(const QString &path);
    // What the text document gives back for text (see Reading::docReading).
    static QString documentReading(const QString &text);

    // Takes a good reading: path, title and encoding at once; the text goes into
    // the text document piece by piece through fillStep(), with undo off and
    // modifications unmarked, until finishLoad().
    void beginLoad(Reading reading);
    // Inserts whole lines for about budgetMs (at least one piece); true when
    // all of the text is in.
    bool fillStep(int budgetMs);
    void finishLoad();
    bool isLoading() const { return m_loading; }
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

    TextCodec::Encoding encoding() const { return m_file.encoding(); }
    void setEncoding(TextCodec::Encoding enc) { m_file.setEncoding(enc); }
    LineBreak lineBreak() const { return m_file.lineBreak(); }

    // False while a load is under way.
    bool isModified() const;
    // Keeps " *" on the title exactly while modified, then sets the text
    // document's modified flag.
    void setModifiedFlag(bool modified);

    // Plain text in the file's form (line breaks and encoding applied).
    QByteArray fileBytes(bool *lossless = nullptr) const;

    // Splits "a/b/c.tex" or "a\\b\\c.tex" into the file name part.
    static QString fileNamePart(const QString &path);
    // Why a load or save failed, in the program's words (the system's reason
    // where it gives one).
    static QString errorText(const TextFile::Error &error);

signals:
    void titleChanged(const QString &title);
    void modifiedChanged(bool modified);

private:
    void setTitleText(const QString &t);

    QTextDocument *m_doc;
    QString m_path;
    QString m_fileTitle;
    QString m_title;
    // The text as the file rule knows it. The text document reads a few
    // characters its own way; while its text is the one it read from the file,
    // saves hand the file's text back, so that its bytes come back unchanged.
    QString fileText() const;

    TextFile m_file;
    QString m_fillText; // what is still to go in, while loading
    qsizetype m_filled = 0;
    QTextCursor m_fillCursor;
    bool m_readsOwnWay = false;
    QString m_fileReading; // the file's text, while m_readsOwnWay
    QString m_docReading;  // the document's reading of it, while m_readsOwnWay
    bool m_loading = false;
};
