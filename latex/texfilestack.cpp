#include "latex/texfilestack.h"

#include "platform/textcodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int MaxWordsInName = 8;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsName(char c) { return isBlank(c) || c == '(' || c == ')' || c == '"'; }
// What TeX writes after a file name on the same line: a page "[3", another file,
// an image "<./a.png>", a font map "{...}".
bool startsOtherOutput(char c) { return c == '(' || c == ')' || c == '[' || c == '<' || c == '{'; }

// "name.ext" where ext is 1 to 8 letters and digits starting with a letter, and the
// last path segment holds a letter before the dot: "chap1.tex", "size10.clo", not
// "193.60323pt" or "e.g.".
bool hasExtension(const QByteArray &name)
{
    const qsizetype dot = name.lastIndexOf('.');
    const qsizetype slash = name.lastIndexOf('/');
    if (dot <= slash + 1 || dot == name.size() - 1 || name.size() - dot - 1 > 8 || !isLetter(name[dot + 1]))
        return false;
    for (qsizetype i = dot + 1; i < name.size(); ++i)
        if (!isLetter(name[i]) && !isDigit(name[i]))
            return false;
    for (qsizetype i = slash + 1; i < dot; ++i)
        if (isLetter(name[i]))
            return true;
    return false;
}

bool hasPathPrefix(const QByteArray &name)
{
    return (name.size() > 1 && name[0] == '/') || name.startsWith("./") || name.startsWith("../")
        || name.startsWith("~/") || (name.size() > 2 && isLetter(name[0]) && name[1] == ':' && (name[2] == '/' || name[2] == '\\'));
}

} // namespace

bool TexFileStack::looksLikeFile(const QByteArray &name, bool blanks)
{
    if (hasPathPrefix(name))
        return true;
    if (!hasExtension(name))
        return false;
    for (char c : name) {
        const bool plain = isLetter(c) || isDigit(c) || (blanks && isBlank(c)) || static_cast<unsigned char>(c) >= 0x80;
        if (!plain && c != '.' && c != '-' && c != '_' && c != '/' && c != '+')
            return false;
    }
    return true;
}

TexFileStack::TexFileStack(const QString &workingDirectory)
    : m_dir(QDir::cleanPath(QDir(workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory).absolutePath()))
{
}

QString TexFileStack::current() const { return m_stack.isEmpty() ? m_first : m_stack.last(); }

void TexFileStack::scan(const QByteArray &line, const QList<int> &joins)
{
    int remarks = 0; // parentheses of this line that opened no file
    const char *data = line.constData();
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] == '(') {
            QString path;
            const qsizetype end = parseName(line, i + 1, joins, &path);
            if (end < 0) {
                ++remarks;
                continue;
            }
            if (m_stack.isEmpty() && m_first.isEmpty())
                m_first = path;
            m_stack.append(path);
            i = end - 1;
        } else if (data[i] == ')') {
            if (remarks > 0)
                --remarks;
            else if (!m_stack.isEmpty())
                m_stack.removeLast();
        }
    }
}

qsizetype TexFileStack::parseName(const QByteArray &line, qsizetype from, const QList<int> &joins, QString *path)
{
    const qsizetype n = line.size();
    if (from < n && line[from] == '"') {
        // TeX Live quotes names with blanks: ("./my chapter.tex"
        qsizetype close = line.indexOf('"', from + 1);
        const QByteArray name = line.mid(from + 1, (close < 0 ? n : close) - from - 1);
        if (name.isEmpty())
            return -1;
        *path = resolve(name);
        return close < 0 ? n : close + 1;
    }

    qsizetype end = from;
    while (end < n && !endsName(line[end]))
        ++end;
    if (end == from)
        return -1;
    QByteArray name = line.mid(from, end - from);

    // A name cut by the margin is joined to the next line; when the line happened to
    // end with the name, what follows is other output. The disk decides.
    for (int join : joins) {
        if (join > from && join < end) {
            const QByteArray head = line.mid(from, join - from);
            if (!exists(name) && exists(head)) {
                name = head;
                end = join;
            }
            break;
        }
    }

    // TeX writes names with blanks unquoted too ("(./my chapter.tex"); the longer
    // reading wins when that file exists, or when only it has an extension.
    if (end < n && isBlank(line[end])) {
        QByteArray best;
        qsizetype bestEnd = -1;
        QByteArray withExtension;
        qsizetype withExtensionEnd = -1;
        qsizetype wordEnd = end;
        for (int words = 0; words < MaxWordsInName; ++words) {
            qsizetype next = wordEnd;
            while (next < n && isBlank(line[next]))
                ++next;
            if (next >= n || startsOtherOutput(line[next]) || line[next] == '"')
                break;
            wordEnd = next;
            while (wordEnd < n && !endsName(line[wordEnd]))
                ++wordEnd;
            const QByteArray longer = line.mid(from, wordEnd - from);
            if (looksLikeFile(longer, true) && exists(longer)) {
                best = longer;
                bestEnd = wordEnd;
            }
            if (withExtensionEnd < 0 && hasExtension(longer))
                withExtension = longer, withExtensionEnd = wordEnd;
        }
        if (bestEnd < 0 && !hasExtension(name) && withExtensionEnd >= 0 && looksLikeFile(withExtension)
            && looksLikeFile(name) && !exists(name)) {
            best = withExtension;
            bestEnd = withExtensionEnd;
        }
        if (bestEnd >= 0) {
            *path = resolve(best);
            return bestEnd;
        }
    }

    if (!looksLikeFile(name))
        return -1;
    *path = resolve(name);
    return end;
}

QString TexFileStack::resolve(const QByteArray &name)
{
    auto it = m_resolved.constFind(name);
    if (it != m_resolved.constEnd())
        return *it;
    const QString text = TextCodec::decodeDetected(name);
    const QString path = QDir::isAbsolutePath(text) ? QDir::cleanPath(text) : QDir::cleanPath(m_dir + '/' + text);
    m_resolved.insert(name, path);
    return path;
}

bool TexFileStack::exists(const QByteArray &name)
{
    auto it = m_exists.constFind(name);
    if (it != m_exists.constEnd())
        return *it;
    const bool found = QFileInfo(resolve(name)).isFile();
    m_exists.insert(name, found);
    return found;
}
