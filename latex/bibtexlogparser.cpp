#include "latex/bibtexlogparser.h"

#include "platform/textcodec.h"

#include <QDir>
#include <QList>

namespace {

using Kind = LatexLogEntry::Kind;

struct Place {
    QByteArray file;
    int line = 0;
};

// "line 4 of file refs.bib" or "while reading file a.aux" at text[from].
bool parsePlace(const QByteArray &text, qsizetype from, Place *place)
{
    const QByteArray rest = text.mid(from);
    if (rest.startsWith("line ")) {
        const qsizetype of = rest.indexOf(" of file ");
        if (of < 0)
            return false;
        bool ok = false;
        place->line = rest.mid(5, of - 5).toInt(&ok);
        place->file = rest.mid(of + 9).trimmed();
        return ok && !place->file.isEmpty();
    }
    if (rest.startsWith("while reading file ")) {
        place->line = 0;
        place->file = rest.mid(19).trimmed();
        return !place->file.isEmpty();
    }
    return false;
}

// The message and the place of an error line "message---line 4 of file x.bib";
// the message is empty when the place stands alone on its line.
bool splitError(const QByteArray &t, QByteArray *message, Place *place)
{
    for (qsizetype at = t.indexOf("---"); at >= 0; at = t.indexOf("---", at + 3)) {
        if (parsePlace(t, at + 3, place)) {
            *message = t.left(at).trimmed();
            return true;
        }
    }
    return false;
}

bool isRemark(const QByteArray &t)
{
    return t.startsWith(" : ") || t == " :" || t.startsWith("I'm skipping whatever remains")
        || t.startsWith("(Error may have been on previous line)");
}

class Builder
{
public:
    explicit Builder(const QString &dir) : m_dir(dir) {}

    void start(Kind kind, const QByteArray &message, int logLine)
    {
        flush();
        m_open = true;
        m_entry = LatexLogEntry();
        m_entry.kind = kind;
        m_entry.message = TextCodec::decodeDetected(message).trimmed();
        m_entry.logLine = logLine;
        m_end = logLine + 1;
    }
    void place(const Place &p)
    {
        m_entry.file = p.file.isEmpty() ? QString() : QDir::cleanPath(QDir(m_dir).absoluteFilePath(QString::fromLocal8Bit(p.file)));
        m_entry.line = p.line;
    }
    void extend(int logLine) { m_end = logLine + 1; }
    bool isOpen() const { return m_open; }
    Kind kind() const { return m_entry.kind; }
    bool hasPlace() const { return !m_entry.file.isEmpty(); }
    void flush()
    {
        if (!m_open)
            return;
        m_entry.logLineCount = std::max(1, m_end - m_entry.logLine);
        m_entries.append(m_entry);
        m_open = false;
    }
    QList<LatexLogEntry> take()
    {
        flush();
        return std::move(m_entries);
    }

private:
    QString m_dir;
    LatexLogEntry m_entry;
    bool m_open = false;
    int m_end = 0;
    QList<LatexLogEntry> m_entries;
};

} // namespace

LatexLog BibtexLogParser::parse(const QByteArray &bytes, const QString &workingDirectory)
{
    Builder builder(workingDirectory);
    const QList<QByteArray> lines = bytes.split('\n');
    QByteArray previous; // the last line that began no entry and belongs to none
    int previousLine = -1;
    for (int n = 0; n < lines.size(); ++n) {
        QByteArray t = lines[n];
        if (t.endsWith('\r'))
            t.chop(1);
        QByteArray message;
        Place place;
        if (t.startsWith("Warning--")) {
            builder.start(Kind::Warning, t.mid(9), n);
        } else if (t.startsWith("--") && !t.startsWith("---") && builder.isOpen()
                   && builder.kind() == Kind::Warning && !builder.hasPlace() && parsePlace(t, 2, &place)) {
            builder.place(place); // "--line 9 of file refs.bib" under its warning
            builder.extend(n);
        } else if (splitError(t, &message, &place)) {
            // The place alone on its line: the message is the line before it.
            const bool own = !message.isEmpty();
            builder.start(Kind::Error, own ? message : previous, own || previousLine < 0 ? n : previousLine);
            builder.place(place);
            builder.extend(n);
        } else if (t.startsWith("Sorry---") || t.startsWith("Aborted at line ")) {
            // A fatal error: BibTeX stops ("Aborted at line 12 of file x.bib").
            if (t.startsWith("Aborted at line ") && builder.isOpen() && builder.kind() == Kind::Error
                && parsePlace(t, 11, &place)) {
                builder.place(place);
                builder.extend(n);
            } else {
                builder.start(Kind::Error, t, n);
            }
        } else if (builder.isOpen() && isRemark(t)) {
            builder.extend(n);
        } else {
            builder.flush();
            previous = t;
            previousLine = n;
            continue;
        }
        previous.clear();
        previousLine = -1;
    }
    LatexLog log;
    for (LatexLogEntry &e : builder.take())
        log.append(std::move(e));
    return log;
}
