#include "project/toctable.h"

#include "platform/saferead.h"
#include "platform/textcodec.h"
#include "project/headingtext.h"
#include "resources/strings.h"

#include <QFile>

QString TocEntry::displayText() const
{
    const QString shown = HeadingText::plain(title);
    return number.isEmpty() ? shown : number + QLatin1Char(' ') + shown;
}

void TocTable::ReadToc()
{
    tocText.clear();
    QFile file; // a pipe or device named like the .toc file is refused, not read
    if (tocFile.isEmpty() || !SafeRead::openRegularFile(file, tocFile)) {
        tocText = Str::text(Str::NoTocFile);
        return;
    }
    QByteArray bytes;
    for (;;) {
        char buffer[256] = {};
        const qint64 got = file.read(buffer, 255);
        if (got < 0) {
            tocText = Str::text(Str::NoTocFile);
            return;
        }
        bytes.append(buffer, qstrnlen(buffer, 255)); // a zero byte ends the piece
        if (got < 255)
            break;
    }
    bytes.replace("\r\n", "\n");
    tocText = TextCodec::decodeDetected(bytes);
}

QString TocTable::decodeGermanLetters(QString line)
{
    static const struct {
        const char *pattern;
        char16_t letter;
    } rules[] = {
        {"\\active@dq \\dq@prtct {a}", u'ä'}, {"\\\"a", u'ä'},
        {"\\active@dq \\dq@prtct {A}", u'Ä'}, {"\\\"A", u'Ä'},
        {"\\active@dq \\dq@prtct {o}", u'ö'}, {"\\\"o", u'ö'},
        {"\\active@dq \\dq@prtct {O}", u'Ö'}, {"\\\"O", u'Ö'},
        {"\\active@dq \\dq@prtct {u}", u'ü'}, {"\\\"u", u'ü'},
        {"\\active@dq \\dq@prtct {U}", u'Ü'}, {"\\\"U", u'Ü'},
        {"\\active@dq \\dq@prtct {s}", u'ß'}, {"\\IeC {\\ss }", u'ß'},
    };
    for (const auto &rule : rules)
        line.replace(QLatin1String(rule.pattern), QString(QChar(rule.letter)));
    return line;
}

bool TocTable::parseLine(const QString &rawLine, TocEntry *entry)
{
    const QString line = decodeGermanLetters(rawLine);
    const auto has = [&line](const char *word) { return line.contains(QLatin1String(word)); };
    QString keyword;
    int level;
    if (has("chapter")) {
        level = 0;
        keyword = QStringLiteral("chapter");
    } else if (has("section") && !has("subsection") && !has("subsubsection")) {
        level = 1;
        keyword = QStringLiteral("section");
    } else if (has("subsection") && !has("subsubsection")) {
        level = 2;
        keyword = QStringLiteral("subsection");
    } else if (has("subsubsection")) {
        level = 3;
        keyword = QStringLiteral("subsubsection");
    } else {
        return false;
    }

    // Skip the keyword and the "}{" that close the first argument and open the second.
    const qsizetype start = line.indexOf(keyword) + keyword.size() + 2;
    QString rest = start < line.size() ? line.mid(start) : QString();

    // "\numberline {2.1}Title": the number is the first argument. Only a
    // \numberline (possibly behind \protect) gives a number, so a title that
    // merely starts with a command keeps its text.
    QString number;
    if (rest.startsWith(QLatin1Char('\\'))) {
        const qsizetype open = rest.indexOf(QLatin1Char('{'));
        if (open >= 0 && rest.left(open).contains(QLatin1String("numberline"))) {
            rest = rest.mid(open + 1);
            const qsizetype close = rest.indexOf(QLatin1Char('}'));
            if (close >= 0) {
                number = rest.left(close);
                rest = rest.mid(close + 1);
            }
        }
    }

    // The title ends at the first "}" at brace depth 0.
    int depth = 0;
    qsizetype end = rest.size();
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest.at(i);
        if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}')) {
            if (depth == 0) {
                end = i;
                break;
            }
            --depth;
        }
    }
    entry->number = number;
    entry->title = rest.left(end);
    entry->level = level;
    return true;
}

void TocTable::ParseToc(const MessageSink &message)
{
    headings.clear();
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype lf = tocText.indexOf(QLatin1Char('\n'), lineStart);
        if (lf < 0)
            break; // text after the last line feed is not a complete line
        // The line's last character (LaTeX's "%" or a stray CR) is dropped.
        const qsizetype length = lf - lineStart;
        const QString line = tocText.mid(lineStart, length > 0 ? length - 1 : 0);
        lineStart = lf + 1;
        TocEntry entry;
        if (!parseLine(line, &entry))
            continue;
        if (headings.size() >= MaxHeadings) {
            if (message)
                message(Str::text(Str::TooManyTocEntries));
            return;
        }
        headings.append(entry);
    }
}
