// The table of contents of the main document, read from LaTeX's ".toc" file.
//
// ReadToc reads the file in 255-byte pieces (each piece ends at its first zero
// byte, as the old reader did); ParseToc turns its "\contentsline" lines into at
// most 1000 headings. The text is taken as UTF-8 when it is valid UTF-8 (what
// current LaTeX writes), else as Windows-1252.
#pragma once

#include <QList>
#include <QString>
#include <functional>

struct TocEntry {
    QString number; // as LaTeX wrote it ("2.1"); empty for an unnumbered heading
    QString title;  // German letters decoded, other markup left in place
    int level = 0;  // 0 chapter, 1 section, 2 subsection, 3 subsubsection

    // Number, a blank and the title as a reader sees it (markup removed, see
    // HeadingText); the title alone without a number.
    QString displayText() const;
    bool operator==(const TocEntry &) const = default;
};

class TocTable
{
public:
    static constexpr int MaxHeadings = 1000;

    using MessageSink = std::function<void(const QString &)>;

    // Fills the TOC text from the TOC file; "no TOC-file!" when it cannot be read.
    void ReadToc();
    // Fills the headings from the TOC text. "too many toc entries !!" goes to the
    // sink once when the text holds more than 1000 headings; the first 1000 stay.
    void ParseToc(const MessageSink &message = {});

    // One line without its line feed; false when it gives no heading.
    static bool parseLine(const QString &line, TocEntry *entry);
    // The German-letter decoding of the ".toc" file, rule by rule.
    static QString decodeGermanLetters(QString line);

    QString tocFile;
    QString tocText;
    QList<TocEntry> headings;
    int headingCount() const { return int(headings.size()); }
};
