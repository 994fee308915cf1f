#include "latex/latexlogparser.h"

#include "platform/textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace {

using Kind = LatexLogEntry::Kind;

// Limits that end a block whose closing line never came (a log cut short, or a line
// that only looked like the start of a message), so that the file stack resumes.
constexpr int MaxLinesBeforeContext = 30;
constexpr int MaxHelpLines = 60;
constexpr int MaxBoxLines = 200;
constexpr int MaxRunawayLines = 3;
constexpr qint64 ReadPiece = 1 << 20;
constexpr qsizetype FeedSlice = 64 * 1024;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at text[pos]; 0 when there is none.
int numberAt(const QByteArray &text, qsizetype pos)
{
    qint64 n = 0;
    for (; pos < text.size() && isDigit(text[pos]) && n < 100000000; ++pos)
        n = n * 10 + (text[pos] - '0');
    return int(n);
}

int numberAfterLast(const QByteArray &text, const char *marker)
{
    const qsizetype at = text.lastIndexOf(marker);
    return at < 0 ? 0 : numberAt(text, at + qsizetype(qstrlen(marker)));
}

// The innermost level of TeX's context of an error: "l.NN <text>" for a file,
// "<*> <text>" for the terminal. The line after it holds the rest of that text.
bool isBottomContext(const QByteArray &t, int *line, QByteArray *context)
{
    if (t.startsWith("<*>")) {
        *line = 0;
        *context = t.mid(3).trimmed();
        return true;
    }
    if (!t.startsWith("l.") || t.size() < 3 || !isDigit(t[2]))
        return false;
    qsizetype end = 2;
    while (end < t.size() && isDigit(t[end]))
        ++end;
    if (end < t.size() && t[end] != ' ')
        return false;
    *line = numberAt(t, 2);
    *context = t.mid(end + 1).trimmed();
    return true;
}

// "./chap1.tex:3: Undefined control sequence." (TeX's -file-line-error): the name,
// the line and where the message starts.
bool isFileLineError(const QByteArray &t, QByteArray *name, int *line, qsizetype *message)
{
    const qsizetype end = t.indexOf(": ");
    qsizetype colon = end - 1;
    while (colon > 0 && isDigit(t[colon]))
        --colon;
    if (end < 0 || colon <= 0 || colon == end - 1 || t[colon] != ':')
        return false;
    *name = t.left(colon);
    if (!TexFileStack::looksLikeFile(*name))
        return false;
    *line = numberAt(t, colon + 1);
    *message = end + 2;
    return true;
}

// The first line of an error: "! ..." or, with -file-line-error, "./a.tex:3: ...".
bool startsError(const QByteArray &t)
{
    QByteArray name;
    int line = 0;
    qsizetype message = 0;
    return t.startsWith("! ") || (t.contains(": ") && isFileLineError(t, &name, &line, &message));
}

bool isBoxHeader(const QByteArray &t)
{
    return t.startsWith("Overfull \\") || t.startsWith("Underfull \\") || t.startsWith("Tight \\")
        || t.startsWith("Loose \\");
}

// "Package hyperref Warning: ...", "LaTeX Font Info: ...", "LaTeX Warning: ...": sets
// *warning and how continuation lines start: "(hyperref)", "(Font)", or blanks.
bool isMessageHeader(const QByteArray &t, bool *warning, QByteArray *continuation)
{
    const qsizetype colon = t.indexOf(": ");
    if (colon <= 0 || colon > 80)
        return false;
    const QList<QByteArray> words = t.left(colon).split(' ');
    if (words.size() < 2 || words.size() > 3)
        return false;
    const QByteArray &first = words.first();
    const QByteArray &last = words.last();
    if (last != "Warning" && last != "Info")
        return false;
    if (first != "LaTeX" && first != "Package" && first != "Class" && first != "Module")
        return false;
    if (words.size() == 2 && first != "LaTeX")
        return false;
    *warning = last == "Warning";
    *continuation = words.size() == 3 ? '(' + words[1] + ')' : QByteArray("  ");
    return true;
}

// How the continuation lines of an error message start: "(pkg)" after
// "! Package pkg Error:", blanks after "! LaTeX Error:", nothing for TeX's own.
QByteArray errorContinuation(const QByteArray &message)
{
    bool warning = false;
    QByteArray continuation;
    QByteArray header = message;
    header.replace(" Error: ", " Warning: "); // same shape as the warnings
    if (isMessageHeader(header, &warning, &continuation) && warning)
        return continuation;
    return {};
}

} // namespace

LatexLogParser::LatexLogParser()
    : LatexLogParser(Options())
{
}

LatexLogParser::LatexLogParser(const Options &options)
    : m_joiner(options.maxPrintLine)
    , m_files(options.workingDirectory)
{
}

void LatexLogParser::feed(const QByteArray &bytes)
{
    // In slices, so that the lines of a whole log are not all held at once.
    for (qsizetype at = 0; at < bytes.size(); at += FeedSlice) {
        m_lines.clear();
        m_joiner.feed(QByteArrayView(bytes).sliced(at, std::min(FeedSlice, bytes.size() - at)), &m_lines);
        for (const LogicalLine &l : std::as_const(m_lines))
            line(l);
    }
    m_lines.clear();
}

void LatexLogParser::finish()
{
    m_lines.clear();
    m_joiner.finish(&m_lines);
    for (const LogicalLine &l : std::as_const(m_lines))
        line(l);
    m_lines.clear();
    if (m_state != State::Normal)
        endBlock();
}

LatexLog LatexLogParser::parse(const QByteArray &bytes) { return parse(bytes, Options()); }

LatexLog LatexLogParser::parse(const QByteArray &bytes, const Options &options)
{
    LatexLogParser parser(options);
    parser.feed(bytes);
    parser.finish();
    return parser.takeLog();
}

bool LatexLogParser::parseFile(const QString &path, LatexLog *log, QString *error)
{
    return parseFile(path, log, error, Options());
}

bool LatexLogParser::parseFile(const QString &path, LatexLog *log, QString *error, Options options)
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("not a regular file");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (options.workingDirectory.isEmpty())
        options.workingDirectory = info.absolutePath();
    LatexLogParser parser(options);
    for (;;) {
        const QByteArray piece = file.read(ReadPiece);
        if (piece.isEmpty())
            break;
        parser.feed(piece);
    }
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    parser.finish();
    *log = parser.takeLog();
    return true;
}

void LatexLogParser::line(const LogicalLine &l)
{
    const QByteArray &t = l.text;
    switch (m_state) {
    case State::Normal:
        break;
    case State::ErrorMessage: {
        if (startsError(t)) {
            endBlock();
            break;
        }
        if (m_messageOpen && isContinuation(t)) {
            appendMessage(t.mid(m_continuation.size()));
            extendBlock(l);
            return;
        }
        m_messageOpen = false;
        QByteArray context;
        if (isBottomContext(t, &m_entry.line, &context)) {
            m_entry.context = TextCodec::decodeDetected(context);
            m_state = State::ErrorContext;
            extendBlock(l);
            return;
        }
        if (++m_stateLines > MaxLinesBeforeContext) {
            endBlock();
            break;
        }
        extendBlock(l);
        return;
    }
    case State::ErrorContext:
        if (startsError(t)) {
            endBlock();
            break;
        }
        m_state = State::ErrorHelp;
        m_stateLines = 0;
        extendBlock(l);
        return;
    case State::ErrorHelp:
        // A blank line ends the help; "?" is TeX's prompt in a log of an interactive run.
        if (t.isEmpty() || t == "?" || t.startsWith("? ")) {
            endBlock();
            return;
        }
        if (startsError(t) || ++m_stateLines > MaxHelpLines) {
            endBlock();
            break;
        }
        if (t.startsWith("*** ")) // "*** (job aborted, no legal \end found)"
            appendMessage(t.mid(4));
        extendBlock(l);
        return;
    case State::BoxContent:
        if (t.isEmpty()) {
            endBlock();
            return;
        }
        if (startsError(t) || ++m_stateLines > MaxBoxLines) {
            endBlock();
            break;
        }
        extendBlock(l);
        return;
    case State::Message:
        if (t.isEmpty()) {
            endBlock();
            return;
        }
        if (isContinuation(t)) {
            QByteArray context;
            if (m_pdfTexWarning)
                isBottomContext(t, &m_entry.line, &context);
            else
                appendMessage(t.mid(m_continuation.size()));
            extendBlock(l);
            return;
        }
        endBlock();
        break;
    case State::Runaway:
        if (startsError(t) || ++m_stateLines > MaxRunawayLines) {
            m_state = State::Normal;
            break;
        }
        return;
    }
    normalLine(l);
}

void LatexLogParser::normalLine(const LogicalLine &l)
{
    const QByteArray &t = l.text;
    if (t.isEmpty())
        return;
    const char c = t[0];
    if (c == '!' && t.startsWith("! ")) {
        if (t.startsWith("!  ==>")) // pdfTeX's closing words after a fatal error
            return;
        const QByteArray message = t.mid(2);
        // \show and its kin stop like an error in nonstop mode but are none.
        const bool shown = message == "OK" || message == "OK." || message.startsWith("OK ");
        startBlock(State::ErrorMessage, l, !shown, Kind::Error);
        m_message = message;
        m_continuation = errorContinuation(message);
        m_messageOpen = !m_continuation.isEmpty();
        return;
    }
    QByteArray name;
    int fileLine = 0;
    qsizetype messageAt = 0;
    if (t.contains(": ") && isFileLineError(t, &name, &fileLine, &messageAt)) {
        startBlock(State::ErrorMessage, l, true, Kind::Error);
        m_entry.file = m_files.resolve(name);
        m_entry.line = fileLine;
        m_message = t.mid(messageAt);
        m_continuation = errorContinuation(m_message);
        m_messageOpen = !m_continuation.isEmpty();
        return;
    }
    if (c == '>' && t.startsWith("> ")) { // \show output quotes macros verbatim
        startBlock(State::ErrorMessage, l, false, Kind::Error);
        return;
    }
    if ((c == 'O' || c == 'U' || c == 'T' || c == 'L') && isBoxHeader(t)) {
        startBlock(State::BoxContent, l, true, Kind::BadBox);
        QByteArray header = t;
        if (header.endsWith(" []"))
            header.chop(3);
        m_message = header;
        const qsizetype lines = t.indexOf(" at lines ");
        m_entry.line = lines >= 0 ? numberAt(t, lines + 10) : numberAfterLast(t, " at line ");
        return;
    }
    if ((c == 'L' || c == 'P' || c == 'C' || c == 'M' || c == 'p') && startMessage(l))
        return;
    // One-line notes of loaded files: their remarks may hold any parenthesis.
    if ((c == 'F' && t.startsWith("File: ")) || (c == 'P' && t.startsWith("Package: "))
        || (c == 'D' && t.startsWith("Document Class: ")))
        return;
    if (c == 'R' && t.startsWith("Runaway ") && t.endsWith('?')) {
        m_state = State::Runaway;
        m_stateLines = 0;
        return;
    }
    int line = 0;
    QByteArray context;
    if (c == 'l' && isBottomContext(t, &line, &context)) // context of a message we did not know
        return;
    m_files.scan(t, l.joins);
}

bool LatexLogParser::startMessage(const LogicalLine &l)
{
    const QByteArray &t = l.text;
    if (t.startsWith("pdfTeX warning")) {
        startBlock(State::Message, l, true, Kind::Warning);
        m_message = t;
        m_pdfTexWarning = true;
        return true;
    }
    bool warning = false;
    QByteArray continuation;
    if (!isMessageHeader(t, &warning, &continuation))
        return false;
    startBlock(State::Message, l, warning, Kind::Warning);
    m_message = t;
    m_continuation = continuation;
    return true;
}

void LatexLogParser::startBlock(State state, const LogicalLine &l, bool makesEntry, LatexLogEntry::Kind kind)
{
    m_state = state;
    m_stateLines = 0;
    m_makesEntry = makesEntry;
    m_entry = LatexLogEntry();
    m_entry.kind = kind;
    m_entry.file = m_files.current();
    m_entry.logLine = l.firstLine;
    m_message.clear();
    m_continuation.clear();
    m_messageOpen = false;
    m_pdfTexWarning = false;
    m_blockEnd = l.firstLine + l.lineCount;
}

bool LatexLogParser::isContinuation(const QByteArray &text) const
{
    if (m_pdfTexWarning) { // the context TeX shows after some of its warnings
        int line = 0;
        QByteArray context;
        return text.startsWith(' ') || text.startsWith('<') || text.startsWith('\\')
            || isBottomContext(text, &line, &context);
    }
    return !m_continuation.isEmpty() && text.startsWith(m_continuation);
}

void LatexLogParser::appendMessage(const QByteArray &text)
{
    const QByteArray part = text.trimmed();
    if (part.isEmpty())
        return;
    if (!m_message.isEmpty())
        m_message += ' ';
    m_message += part;
}

void LatexLogParser::endBlock()
{
    if (m_makesEntry) {
        m_entry.message = TextCodec::decodeDetected(m_message).trimmed();
        m_entry.logLineCount = std::max(1, m_blockEnd - m_entry.logLine);
        if (m_entry.kind == Kind::Warning && m_entry.line == 0)
            m_entry.line = numberAfterLast(m_message, "on input line ");
        // "! Emergency stop." right after an error that TeX could not place (a file
        // asked for in nonstop mode) shows where the job stood.
        if (m_entry.kind == Kind::Error && m_entry.line > 0 && !m_log.isEmpty()
            && m_entry.message.startsWith(QLatin1String("Emergency stop"))) {
            LatexLogEntry &before = m_log.last();
            if (before.kind == Kind::Error && before.line == 0 && before.file == m_entry.file
                && before.logLine + before.logLineCount == m_entry.logLine)
                before.line = m_entry.line;
        }
        m_log.append(std::exchange(m_entry, LatexLogEntry()));
    }
    m_state = State::Normal;
    m_makesEntry = false;
    m_message.clear();
    m_continuation.clear();
    m_messageOpen = false;
    m_pdfTexWarning = false;
}
