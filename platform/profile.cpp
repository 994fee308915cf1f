#include "profile.h"

#include "saferead.h"
#include "savefile.h"
#include "textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray trimmed(const QByteArray &b) { return b.trimmed(); }

// "[name]" (blanks around allowed); returns false for any other line.
bool parseHeader(const QByteArray &line, QByteArray *name)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || t.front() != '[')
        return false;
    const int close = t.indexOf(']');
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

} // namespace

Profile::Profile(const QString &path) : m_path(path) {}

QByteArray Profile::lower(const QString &s) { return s.trimmed().toLower().toUtf8(); }

int Profile::parseInt(const QByteArray &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > 0x80000000LL)
            value = 0x80000000LL; // saturate like a 32-bit read; never overflow
        ++i;
    }
    if (negative)
        value = -value;
    if (value > 0x7fffffffLL)
        value = 0x7fffffffLL;
    return int(value);
}

void Profile::load() const
{
    // A batch works on its own image of the file until it is committed.
    if (m_batch && m_loaded)
        return;
    const QFileInfo info(m_path);
    const bool exists = info.exists();
    const QDateTime stamp = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (m_loaded && stamp == m_stamp && size == m_size)
        return;
    m_lines.clear();
    m_stamp = stamp;
    m_size = size;
    m_loaded = true;
    m_readError = FileError();
    if (!exists)
        return;
    QByteArray all;
    if (!SafeRead::readRegularFile(m_path, MaxFileSize, &all, &m_readError))
        return;
    QByteArray section;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QByteArray text = all.mid(start, end - start);
        if (text.endsWith('\r'))
            text.chop(1);
        start = end + 1;
        Line line;
        line.text = text;
        QByteArray name;
        if (parseHeader(text, &name)) {
            section = QString::fromUtf8(name).toLower().toUtf8();
            line.isHeader = true;
        } else {
            const int eq = text.indexOf('=');
            const QByteArray t = text.trimmed();
            if (eq > 0 && !t.startsWith(';'))
                line.key = QString::fromUtf8(trimmed(text.left(eq))).toLower().toUtf8();
        }
        line.section = section;
        m_lines.append(line);
    }
}

int Profile::findKey(const QByteArray &section, const QByteArray &key) const
{
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line &l = m_lines[i];
        if (l.isHeader)
            inSection = l.section == section;
        else if (inSection && !l.key.isEmpty() && l.key == key)
            return i;
    }
    return -1;
}

QByteArray Profile::getBytes(const QString &section, const QString &key, const QByteArray &def) const
{
    load();
    const int i = findKey(lower(section), lower(key));
    if (i < 0)
        return def;
    const QByteArray &t = m_lines[i].text;
    // The value runs from after '=' to the end of the line, blanks around it dropped.
    return t.mid(t.indexOf('=') + 1).trimmed();
}

QString Profile::getString(const QString &section, const QString &key, const QString &def) const
{
    load();
    const int i = findKey(lower(section), lower(key));
    if (i < 0)
        return def;
    return TextCodec::decodeDetected(getBytes(section, key));
}

int Profile::getInt(const QString &section, const QString &key, int def) const
{
    load();
    const int i = findKey(lower(section), lower(key));
    if (i < 0)
        return def;
    return parseInt(getBytes(section, key));
}

bool Profile::hasKey(const QString &section, const QString &key) const
{
    load();
    return findKey(lower(section), lower(key)) >= 0;
}

bool Profile::hasSection(const QString &section) const
{
    load();
    const QByteArray s = lower(section);
    for (const Line &l : m_lines)
        if (l.isHeader && l.section == s)
            return true;
    return false;
}

FileError Profile::readError() const
{
    load();
    return m_readError;
}

bool Profile::save(const QList<Line> &lines)
{
    // Replacing a file that could not be read would lose it (or turn a FIFO or a
    // device into a file): refuse.
    if (m_readError.failed()) {
        m_lastFileError = m_readError;
        m_lastError = m_readError.message();
        m_batchFailed = m_batch;
        if (!m_batch) // a refused batch is said once, by commitBatch()
            failed();
        return false;
    }
    if (m_batch) {
        m_lines = lines;
        m_batchDirty = true;
        return true;
    }
    QByteArray out;
    for (const Line &l : lines) {
        out += l.text;
        out += "\r\n";
    }
    if (!SaveFile::write(m_path, out, &m_lastFileError)) {
        m_lastError = m_lastFileError.message();
        m_loaded = false; // re-read what is really on disk next time
        failed();
        return false;
    }
    m_lastError.clear();
    m_loaded = false;
    return true;
}

void Profile::failed()
{
    if (m_writeFailed)
        m_writeFailed(m_lastFileError);
}

void Profile::beginBatch()
{
    load();
    m_batch = true;
    m_batchDirty = false;
    m_batchFailed = false;
}

bool Profile::commitBatch()
{
    if (!m_batch)
        return true;
    m_batch = false;
    if (m_batchFailed) { // a write of the batch was refused: the batch did not happen
        m_batchFailed = false;
        m_batchDirty = false;
        m_loaded = false;
        failed();
        return false;
    }
    if (!m_batchDirty)
        return true;
    m_batchDirty = false;
    const QList<Line> lines = m_lines;
    return save(lines);
}

void Profile::cancelBatch()
{
    m_batch = false;
    m_batchDirty = false;
    m_loaded = false;
}

bool Profile::writeBytes(const QString &section, const QString &key, const QByteArray &value)
{
    load();
    const QByteArray s = lower(section);
    const QByteArray k = lower(key);
    // A value cannot hold a line break: it would split into a second line.
    QByteArray v = value;
    v.replace('\r', ' ').replace('\n', ' ');
    QList<Line> lines = m_lines;
    const int i = findKey(s, k);
    if (i >= 0) {
        const QByteArray &old = lines[i].text;
        lines[i].text = old.left(old.indexOf('=')).trimmed() + '=' + v;
        return save(lines);
    }
    Line kv;
    kv.text = key.trimmed().toUtf8() + '=' + v;
    kv.section = s;
    kv.key = k;
    // Insert after the section's last non-empty line, or add the section at the end.
    int header = -1;
    for (int j = 0; j < lines.size(); ++j)
        if (lines[j].isHeader && lines[j].section == s) {
            header = j;
            break;
        }
    if (header < 0) {
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty()) {
            Line blank;
            blank.section = lines.last().section;
            lines.append(blank);
        }
        Line h;
        h.text = '[' + section.trimmed().toUtf8() + ']';
        h.section = s;
        h.isHeader = true;
        lines.append(h);
        lines.append(kv);
        return save(lines);
    }
    // After the section's last key, so that comments that lead into the next section stay there.
    int insertAt = header + 1;
    for (int j = header + 1; j < lines.size() && !lines[j].isHeader; ++j)
        if (!lines[j].key.isEmpty())
            insertAt = j + 1;
    lines.insert(insertAt, kv);
    return save(lines);
}

bool Profile::writeString(const QString &section, const QString &key, const QString &value)
{
    return writeBytes(section, key, value.toUtf8());
}

bool Profile::writeInt(const QString &section, const QString &key, int value)
{
    return writeBytes(section, key, QByteArray::number(value));
}

bool Profile::deleteKey(const QString &section, const QString &key)
{
    load();
    const int i = findKey(lower(section), lower(key));
    if (i < 0)
        return true;
    QList<Line> lines = m_lines;
    lines.removeAt(i);
    return save(lines);
}

bool Profile::eraseSection(const QString &section)
{
    load();
    const QByteArray s = lower(section);
    QList<Line> lines;
    bool found = false;
    bool inSection = false;
    for (const Line &l : m_lines) {
        if (l.isHeader)
            inSection = l.section == s;
        if (inSection) {
            found = true;
            continue;
        }
        lines.append(l);
    }
    if (!found)
        return true;
    return save(lines);
}

bool Profile::writeSectionLines(const QString &section, const QList<QByteArray> &body)
{
    load();
    const QByteArray s = lower(section);
    QList<Line> lines;
    bool inSection = false;
    bool written = false;
    auto appendBody = [&](QList<Line> &into) {
        for (const QByteArray &b : body) {
            Line l;
            l.text = b;
            l.section = s;
            into.append(l);
        }
    };
    for (const Line &l : m_lines) {
        if (l.isHeader) {
            if (inSection && !written) {
                appendBody(lines);
                Line blank;
                blank.section = s;
                lines.append(blank);
                written = true;
            }
            inSection = l.section == s;
            if (inSection && written)
                continue; // a repeated section: drop the later copy's header
            lines.append(l);
            continue;
        }
        if (!inSection)
            lines.append(l);
    }
    if (inSection && !written) {
        appendBody(lines);
        written = true;
    }
    if (!written) {
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty()) {
            Line blank;
            lines.append(blank);
        }
        Line h;
        h.text = '[' + section.trimmed().toUtf8() + ']';
        h.section = s;
        h.isHeader = true;
        lines.append(h);
        appendBody(lines);
    }
    return save(lines);
}

QStringList Profile::sectionKeys(const QString &section) const
{
    load();
    const QByteArray s = lower(section);
    QStringList keys;
    QList<QByteArray> seen;
    bool inSection = false;
    for (const Line &l : m_lines) {
        if (l.isHeader)
            inSection = l.section == s;
        else if (inSection && !l.key.isEmpty() && !seen.contains(l.key)) {
            seen.append(l.key);
            keys.append(QString::fromUtf8(l.text.left(l.text.indexOf('=')).trimmed()));
        }
    }
    return keys;
}

QList<QByteArray> Profile::sectionLines(const QString &section) const
{
    load();
    const QByteArray s = lower(section);
    QList<QByteArray> out;
    bool inSection = false;
    for (const Line &l : m_lines) {
        if (l.isHeader)
            inSection = l.section == s;
        else if (inSection && !l.text.trimmed().isEmpty())
            out.append(l.text);
    }
    return out;
}

QStringList Profile::sections() const
{
    load();
    QStringList out;
    for (const Line &l : m_lines)
        if (l.isHeader) {
            QByteArray name;
            parseHeader(l.text, &name);
            out.append(QString::fromUtf8(name));
        }
    return out;
}
