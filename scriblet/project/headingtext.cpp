#include "project/headingtext.h"

#include <QHash>

namespace {

constexpr qsizetype MaxArgument = 4000; // a title longer than this is no title

bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'@'; }

// The combining mark of an accent command (\"a, \'e, \c c, ...); 0 for none.
char16_t accentMark(QStringView name)
{
    static const QHash<QString, char16_t> marks = {
        {QStringLiteral("\""), 0x0308}, {QStringLiteral("'"), 0x0301}, {QStringLiteral("`"), 0x0300},
        {QStringLiteral("^"), 0x0302},  {QStringLiteral("~"), 0x0303}, {QStringLiteral("="), 0x0304},
        {QStringLiteral("."), 0x0307},  {QStringLiteral("c"), 0x0327}, {QStringLiteral("v"), 0x030C},
        {QStringLiteral("u"), 0x0306},  {QStringLiteral("H"), 0x030B}, {QStringLiteral("k"), 0x0328},
        {QStringLiteral("r"), 0x030A},
    };
    return marks.value(name.toString(), 0);
}

// Words that stand for text of their own.
QString symbolText(QStringView name)
{
    static const QHash<QString, QString> words = {
        {QStringLiteral("LaTeX"), QStringLiteral("LaTeX")},
        {QStringLiteral("LaTeXe"), QStringLiteral("LaTeX2e")},
        {QStringLiteral("TeX"), QStringLiteral("TeX")},
        {QStringLiteral("ss"), QStringLiteral("ß")},
        {QStringLiteral("SS"), QStringLiteral("SS")},
        {QStringLiteral("ae"), QStringLiteral("æ")},
        {QStringLiteral("AE"), QStringLiteral("Æ")},
        {QStringLiteral("oe"), QStringLiteral("œ")},
        {QStringLiteral("OE"), QStringLiteral("Œ")},
        {QStringLiteral("o"), QStringLiteral("ø")},
        {QStringLiteral("O"), QStringLiteral("Ø")},
        {QStringLiteral("aa"), QStringLiteral("å")},
        {QStringLiteral("AA"), QStringLiteral("Å")},
        {QStringLiteral("l"), QStringLiteral("ł")},
        {QStringLiteral("L"), QStringLiteral("Ł")},
        {QStringLiteral("i"), QStringLiteral("i")},
        {QStringLiteral("j"), QStringLiteral("j")},
        {QStringLiteral("ldots"), QStringLiteral("...")},
        {QStringLiteral("dots"), QStringLiteral("...")},
        {QStringLiteral("textellipsis"), QStringLiteral("...")},
        {QStringLiteral("textendash"), QStringLiteral("–")},
        {QStringLiteral("textemdash"), QStringLiteral("—")},
        {QStringLiteral("S"), QStringLiteral("§")},
        {QStringLiteral("P"), QStringLiteral("¶")},
        {QStringLiteral("nobreakspace"), QStringLiteral(" ")},
        {QStringLiteral("space"), QStringLiteral(" ")},
        {QStringLiteral("quad"), QStringLiteral(" ")},
        {QStringLiteral("qquad"), QStringLiteral(" ")},
        {QStringLiteral("enspace"), QStringLiteral(" ")},
        {QStringLiteral("thinspace"), QStringLiteral(" ")},
        {QStringLiteral("newline"), QStringLiteral(" ")},
        {QStringLiteral("linebreak"), QStringLiteral(" ")},
    };
    return words.value(name.toString());
}

// Commands whose arguments are no part of the visible title.
bool dropsArgument(QStringView name)
{
    static const QStringList names = {
        QStringLiteral("label"),  QStringLiteral("index"),    QStringLiteral("footnote"),
        QStringLiteral("hspace"), QStringLiteral("vspace"),   QStringLiteral("glossary"),
        QStringLiteral("cite"),   QStringLiteral("ref"),      QStringLiteral("pageref"),
        QStringLiteral("color"),  QStringLiteral("footnotetext"),
    };
    return names.contains(name.toString());
}

class Converter
{
public:
    explicit Converter(QStringView in) : m_in(in) {}

    QString run()
    {
        convert(m_in.size());
        QString out = m_out.normalized(QString::NormalizationForm_C).simplified();
        return out;
    }

private:
    QChar at(qsizetype i) const { return i < m_in.size() ? m_in[i] : QChar(); }

    void skipBlanks(qsizetype end)
    {
        while (m_pos < end && (at(m_pos) == u' ' || at(m_pos) == u'\t' || at(m_pos) == u'\n' || at(m_pos) == u'\r'))
            ++m_pos;
    }

    // The end of the group that opens at m_pos ("{"); the closing brace's index.
    qsizetype groupEnd(qsizetype from, qsizetype end) const
    {
        int depth = 0;
        for (qsizetype i = from; i < end; ++i) {
            const QChar c = at(i);
            if (c == u'\\') {
                ++i;
            } else if (c == u'{') {
                ++depth;
            } else if (c == u'}' && --depth == 0) {
                return i;
            }
        }
        return end;
    }

    // Converts the braced argument at m_pos (after blanks) and moves past it; a
    // single token stands for itself when there is no brace.
    void argument(qsizetype end, bool keep)
    {
        skipBlanks(end);
        if (m_pos >= end)
            return;
        if (at(m_pos) == u'{') {
            const qsizetype close = groupEnd(m_pos, end);
            if (keep) {
                ++m_pos;
                convert(close);
            }
            m_pos = std::min(close + 1, end);
        } else if (keep) {
            convert(end, true);
        } else {
            ++m_pos;
        }
    }

    void skipOptional(qsizetype end)
    {
        qsizetype p = m_pos;
        while (p < end && at(p) == u' ')
            ++p;
        if (at(p) != u'[')
            return;
        int depth = 0;
        for (; p < end; ++p) {
            if (at(p) == u'[' || at(p) == u'{')
                ++depth;
            else if ((at(p) == u']' || at(p) == u'}') && --depth == 0)
                break;
        }
        m_pos = std::min(p + 1, end);
    }

    // The accent goes onto the first letter that follows.
    void accent(char16_t mark, qsizetype end)
    {
        const qsizetype start = m_out.size();
        argument(end, true);
        const qsizetype letter = start < m_out.size() && m_out.at(start) == u' ' ? start + 1 : start;
        if (letter < m_out.size())
            m_out.insert(letter + 1, QChar(mark));
    }

    void command(qsizetype end)
    {
        ++m_pos; // the backslash
        if (m_pos >= end)
            return;
        if (!isLetter(at(m_pos))) {
            const QChar symbol = at(m_pos++);
            if (const char16_t mark = accentMark(QStringView(&symbol, 1))) {
                accent(mark, end);
            } else if (symbol == u'\\' || symbol == u' ' || symbol == u',' || symbol == u';' || symbol == u':'
                       || symbol == u'\n') {
                m_out += u' ';
            } else if (QStringLiteral("&%$#_{}").contains(symbol)) {
                m_out += symbol;
            }
            return; // \- \/ \! and the like show nothing
        }
        const qsizetype start = m_pos;
        while (m_pos < end && isLetter(at(m_pos)))
            ++m_pos;
        const QStringView name = m_in.sliced(start, m_pos - start);
        while (m_pos < end && (at(m_pos) == u' ' || at(m_pos) == u'\t'))
            ++m_pos; // TeX skips the blanks after a command word
        if (const char16_t mark = accentMark(name)) {
            accent(mark, end);
            return;
        }
        if (const QString text = symbolText(name); !text.isEmpty()) {
            m_out += text;
            if (m_pos < end && at(m_pos) == u'{' && at(m_pos + 1) == u'}')
                m_pos += 2; // "\LaTeX{}"
            return;
        }
        if (name == u"texorpdfstring") {
            argument(end, true);
            argument(end, false);
            return;
        }
        if (name == u"textcolor" || name == u"colorbox") {
            argument(end, false);
            argument(end, true);
            return;
        }
        if (dropsArgument(name)) {
            skipOptional(end);
            argument(end, false);
            return;
        }
        // Any other command: its braced argument, if any, is text (\textbf, \emph, \IeC).
        skipOptional(end);
        skipBlanks(end);
        if (m_pos < end && at(m_pos) == u'{')
            argument(end, true);
    }

    // Math stays as written, without its blanks (LaTeX writes "$\alpha $" into the
    // ".toc" file for "$\alpha$").
    void math(qsizetype end)
    {
        m_out += u'$';
        ++m_pos;
        while (m_pos < end && at(m_pos) != u'$') {
            const QChar c = at(m_pos);
            if (!c.isSpace())
                m_out += c;
            if (c == u'\\' && m_pos + 1 < end)
                m_out += at(++m_pos);
            ++m_pos;
        }
        if (m_pos < end) {
            m_out += u'$';
            ++m_pos;
        }
    }

    // Converts m_in[m_pos, end); with one, a single item only.
    void convert(qsizetype end, bool one = false)
    {
        while (m_pos < end) {
            const QChar c = at(m_pos);
            if (c == u'\\') {
                command(end);
            } else if (c == u'{' || c == u'}') {
                ++m_pos;
            } else if (c == u'%') {
                while (m_pos < end && at(m_pos) != u'\n')
                    ++m_pos;
            } else if (c == u'$') {
                math(end);
            } else if (c == u'~' || c == u'\n' || c == u'\r' || c == u'\t') {
                m_out += u' ';
                ++m_pos;
            } else {
                m_out += c;
                ++m_pos;
            }
            if (one)
                return;
        }
    }

    QStringView m_in;
    qsizetype m_pos = 0;
    QString m_out;
};

// The end of the balanced group opening at text[open], skipping comments; -1 when
// it does not close within MaxArgument characters.
qsizetype closingBrace(QStringView text, qsizetype open, QChar opening, QChar closing)
{
    int depth = 0;
    const qsizetype end = std::min(text.size(), open + MaxArgument);
    for (qsizetype i = open; i < end; ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            ++i;
        } else if (c == u'%') {
            while (i < end && text[i] != u'\n')
                ++i;
        } else if (c == opening || (opening == u'[' && c == u'{')) {
            ++depth;
        } else if ((c == closing || (opening == u'[' && c == u'}')) && --depth == 0) {
            return c == closing ? i : -1;
        }
    }
    return -1;
}

} // namespace

namespace HeadingText {

QString plain(QStringView tex)
{
    return Converter(tex).run();
}

bool headingArguments(QStringView text, qsizetype from, const QString &command, QString *shortTitle, QString *title)
{
    if (!text.sliced(from).startsWith(command))
        return false;
    qsizetype p = from + command.size();
    if (p < text.size() && isLetter(text[p]))
        return false; // "\sectionmark" is another command
    const auto skipBlanks = [&] {
        while (p < text.size() && text[p].isSpace())
            ++p;
    };
    skipBlanks();
    if (p < text.size() && text[p] == u'*')
        ++p;
    skipBlanks();
    shortTitle->clear();
    if (p < text.size() && text[p] == u'[') {
        const qsizetype close = closingBrace(text, p, u'[', u']');
        if (close < 0)
            return false;
        *shortTitle = text.sliced(p + 1, close - p - 1).toString();
        p = close + 1;
        skipBlanks();
    }
    if (p >= text.size() || text[p] != u'{')
        return false;
    const qsizetype close = closingBrace(text, p, u'{', u'}');
    if (close < 0)
        return false;
    *title = text.sliced(p + 1, close - p - 1).toString();
    return true;
}

} // namespace HeadingText
