// Follows TeX's stack of open input files through the parentheses of its log: TeX
// writes "(" and the file's name when it opens a file and ")" when it closes it.
// Other parentheses in TeX's own lines ("(see the transcript file for additional
// information)") are balanced within their line; the texts of messages, which may
// hold the user's unbalanced parentheses, are never given to scan().
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class TexFileStack
{
public:
    // workingDirectory resolves relative names such as "./chap1.tex": the folder in
    // which TeX ran.
    explicit TexFileStack(const QString &workingDirectory);

    // Follows the opens and closes in one logical line of TeX's own output; joins
    // are the offsets where wrapped physical lines were joined (LogicalLine::joins).
    void scan(const QByteArray &line, const QList<int> &joins = {});

    // Absolute, clean path of the innermost open file; when none is open (after a
    // stray close, or at the end of the job) the first file the job opened; empty
    // before any file was opened.
    QString current() const;
    int depth() const { return int(m_stack.size()); }

    // A name as TeX writes it for a file it opened: a path ("./a.tex", "/usr/...")
    // or a plain name with an extension ("chap1.tex"), not the first word of a remark.
    // Blanks in a plain name only where the file was found on disk.
    static bool looksLikeFile(const QByteArray &name, bool blanks = false);
    // Absolute, clean path of a name from the log.
    QString resolve(const QByteArray &name);

private:
    // Tries a file name at line[from] (just after "("). Returns the index after the
    // name and sets *path, or returns -1 when the parenthesis opens no file.
    qsizetype parseName(const QByteArray &line, qsizetype from, const QList<int> &joins, QString *path);
    bool exists(const QByteArray &name);

    QString m_dir;
    QList<QString> m_stack;
    QString m_first;
    QHash<QByteArray, QString> m_resolved; // name as written -> absolute path
    QHash<QByteArray, bool> m_exists;      // name as written -> found on disk
};
