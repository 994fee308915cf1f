#include "editor/documenthighlighter.h"

#include "editor/highlighter.h"
#include "platform/textview/longlineformat.h"

#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <limits>
#include <new>

namespace {

// A block's user state: the generation it was coloured in, times two, plus one when
// it carries formats. Negative states wait for colours: -1 (Qt's default, also what
// an edit leaves on the lines it joins or splits) may still carry old formats, while
// Fresh marks new lines of an edit, which carry none.
constexpr int Unknown = -1;
constexpr int Fresh = -2;
int stateOf(int generation, bool hasFormats) { return generation * 2 + (hasFormats ? 1 : 0); }

// The coloured window of a long line, kept with the block.
class ColourWindow final : public QTextBlockUserData {
public:
    ColourWindow(int from, int to) : from(from), to(to) {}
    int from;
    int to;
};

// A long line lies on the long-line format; the marker keeps it apart from the class
// formats.
constexpr int LongLineMarker = ClassFormats::ClassProperty + 1;

} // namespace

DocumentHighlighter::DocumentHighlighter(QTextDocument *document, QObject *parent)
    : QObject(parent), m_doc(document), m_blockCount(document->blockCount())
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &DocumentHighlighter::step);
    connect(m_doc, &QTextDocument::contentsChange, this, &DocumentHighlighter::onContentsChange);
}

void DocumentHighlighter::setFormats(const ClassFormats &formats)
{
    m_formats = formats;
    rehighlight();
}

void DocumentHighlighter::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    rehighlight();
}

void DocumentHighlighter::rehighlight()
{
    ++m_generation;
    m_next = 0;
    schedule();
}

void DocumentHighlighter::holdBack(bool on)
{
    m_heldBack = on;
    if (!on)
        schedule();
}

void DocumentHighlighter::schedule()
{
    if (!m_timer.isActive())
        m_timer.start();
}

bool DocumentHighlighter::isStale(const QTextBlock &block) const
{
    const int state = block.userState();
    return state < 0 || state / 2 != m_generation;
}

std::pair<int, int> DocumentHighlighter::windowFor(const QTextBlock &block) const
{
    const int length = block.length() - 1;
    std::pair<int, int> seen{0, 0};
    if (m_view)
        seen = m_view->visibleColumns(block);
    const int from = std::clamp(seen.first - Margin, 0, length);
    const int to = std::clamp(std::max(seen.second, seen.first) + Margin, from, length);
    return {from, to};
}

bool DocumentHighlighter::colour(QTextBlock block, std::pair<int, int> window)
{
    const QString text = block.text();
    const bool isLong = text.size() > LongLine;
    QList<QTextLayout::FormatRange> ranges;
    // Under the class formats, which it leaves as they are.
    if (isLong)
        ranges.append({0, int(text.size()) + 1, longLineFormat(LongLineMarker)});
    if (m_enabled) {
        const int from = isLong ? window.first : 0;
        const int to = isLong ? window.second : int(text.size());
        for (const ClassRun &run : Highlighter::fullRuns(text)) {
            if (run.cls == TokenClass::Standard)
                continue;
            const int a = std::max(run.start, from);
            const int b = std::min(run.start + run.length, to);
            if (a < b)
                ranges.append({a, b - a, m_formats.format(run.cls)});
        }
    }
    const int old = block.userState();
    // A line known to carry no formats needs no layout object to stay plain.
    const bool mayHaveFormats = old == Unknown || (old >= 0 && (old & 1));
    bool changed = false;
    if (mayHaveFormats || !ranges.isEmpty()) {
        QTextLayout *layout = block.layout();
        if (layout->formats() != ranges) {
            layout->setFormats(ranges);
            changed = true;
        }
        // A long line keeps its shaped glyphs, so that the caret, the painting and
        // the next edit do not shape the whole line again.
        layout->setCacheEnabled(isLong);
    }
    if (isLong)
        block.setUserData(new ColourWindow(window.first, window.second));
    else if (block.userData())
        block.setUserData(nullptr);
    block.setUserState(stateOf(m_generation, !ranges.isEmpty()));
    return changed;
}

void DocumentHighlighter::onContentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    QTextBlock block = m_doc->findBlock(position);
    QTextBlock last = m_doc->findBlock(position + added);
    if (!last.isValid())
        last = m_doc->lastBlock();
    const int firstNumber = block.blockNumber();
    // Besides its first and last line, an edit off the screen waits for the background.
    const int syncLines = firstNumber >= m_shown.first && firstNumber <= m_shown.second + 1 ? SyncLines : 1;
    // Lines after the edit moved by the lines it added or removed.
    const int blockCount = m_doc->blockCount();
    if (m_next > firstNumber)
        m_next = std::max(firstNumber, m_next + blockCount - m_blockCount);
    m_blockCount = blockCount;

    int count = 0;
    bool deferred = false;
    try {
        // The widget lays these lines out right after this signal: no dirty marks needed.
        while (block.isValid()) {
            const bool edge = count == 0 || block == last;
            block.setUserState(edge ? Unknown : Fresh);
            if (edge || count < syncLines) {
                std::pair<int, int> window{0, 0};
                if (block.length() - 1 > LongLine) {
                    // The line cannot be measured before it is laid out again: the
                    // window goes around the edit (for a long insertion, its start).
                    const int at = std::max(0, position - block.position());
                    const int end = at + std::min(added, Margin) + Margin;
                    window = {std::max(0, at - Margin), std::min(end, block.length() - 1)};
                }
                colour(block, window);
            } else {
                deferred = true;
            }
            if (block == last)
                break;
            block = block.next();
            ++count;
        }
    } catch (const std::bad_alloc &) {
        fail();
        return;
    }
    if (deferred) {
        m_next = std::min(m_next, firstNumber);
        schedule();
    }
}

bool DocumentHighlighter::colourStale(int first, int last, const QElapsedTimer &clock, qint64 budgetMs)
{
    QTextBlock block = m_doc->findBlockByNumber(first);
    // New formats make a line lay itself out again when it is next needed; only the
    // lines on the screen must be repainted now (a repaint per step would cost more
    // than the colouring).
    const std::pair<int, int> shown = m_view ? m_shown : std::pair{0, m_doc->blockCount()};
    int dirtyFrom = -1;
    int dirtyTo = -1;
    bool done = true;
    // Numbers and positions are counted along: asking a block for them walks the
    // document's tree each time.
    for (int number = first; block.isValid() && number <= last; ++number, block = block.next()) {
        if (!isStale(block))
            continue;
        if (clock.elapsed() >= budgetMs) {
            done = false;
            m_next = std::min(m_next, number);
            break;
        }
        // Only a long line asks the screen what of it is shown.
        const std::pair<int, int> window = block.length() - 1 > LongLine ? windowFor(block) : std::pair{0, 0};
        if (colour(block, window) && number >= shown.first && number <= shown.second) {
            const int start = block.position();
            if (dirtyFrom < 0)
                dirtyFrom = start;
            dirtyTo = start + block.length();
        }
    }
    if (dirtyFrom >= 0)
        m_doc->markContentsDirty(dirtyFrom, dirtyTo - dirtyFrom);
    return done;
}

void DocumentHighlighter::step()
{
    QElapsedTimer clock;
    clock.start();
    try {
        if (m_view) {
            m_shown = m_view->visibleBlocks();
            if (!colourStale(m_shown.first, m_shown.second, clock, StepBudgetMs))
                return;
        }
        // Then on from where the last step stopped, a few hundred lines at a time.
        const int blocks = m_doc->blockCount();
        if (m_heldBack) {
            m_timer.stop();
            return;
        }
        while (m_next < blocks) {
            const int first = m_next;
            const int last = std::min(blocks - 1, first + 255);
            m_next = last + 1;
            if (!colourStale(first, last, clock, StepBudgetMs))
                return;
            if (clock.elapsed() >= StepBudgetMs && m_next < blocks)
                return;
        }
    } catch (const std::bad_alloc &) {
        fail();
        return;
    }
    m_timer.stop();
    emit finished();
}

void DocumentHighlighter::viewChanged()
{
    if (!m_view)
        return;
    // A long line in view whose window no longer covers what is shown waits again.
    m_shown = m_view->visibleBlocks();
    const auto [first, last] = m_shown;
    for (QTextBlock b = m_doc->findBlockByNumber(first); b.isValid() && b.blockNumber() <= last; b = b.next()) {
        const auto *w = static_cast<const ColourWindow *>(b.userData());
        if (!w || !m_enabled || isStale(b))
            continue;
        const auto [from, to] = m_view->visibleColumns(b);
        if (from < w->from || to > w->to)
            b.setUserState(stateOf(m_generation - 1, true));
    }
    schedule();
}

void DocumentHighlighter::rehighlightRange(int from, int to)
{
    const QTextBlock first = m_doc->findBlock(std::min(from, to));
    QTextBlock last = m_doc->findBlock(std::max(from, to));
    if (!first.isValid())
        return;
    if (!last.isValid())
        last = m_doc->lastBlock();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (!isStale(b))
            b.setUserState(stateOf(m_generation - 1, true));
        if (b == last)
            break;
    }
    QElapsedTimer clock;
    clock.start();
    try {
        // The user asked for these lines: no budget.
        colourStale(first.blockNumber(), last.blockNumber(), clock, std::numeric_limits<qint64>::max());
    } catch (const std::bad_alloc &) {
        fail();
    }
}

void DocumentHighlighter::finish()
{
    // Held back, the timer rests although lines still wait.
    if (!m_timer.isActive() && !m_heldBack)
        return;
    QElapsedTimer clock;
    clock.start();
    try {
        colourStale(0, m_doc->blockCount() - 1, clock, std::numeric_limits<qint64>::max());
    } catch (const std::bad_alloc &) {
        fail();
        return;
    }
    m_next = m_doc->blockCount();
    m_timer.stop();
    emit finished();
}

void DocumentHighlighter::fail()
{
    // The text stays plain: every format goes in the background.
    m_enabled = false;
    rehighlight();
    emit failed();
}

bool DocumentHighlighter::formatAt(int pos, QTextCharFormat *format) const
{
    const QTextBlock block = m_doc->findBlock(pos);
    const int state = block.isValid() ? block.userState() : Fresh;
    // A line known to carry no formats keeps its layout object unmade.
    if (state == Fresh || (state >= 0 && !(state & 1)))
        return false;
    const int at = pos - block.position();
    for (const QTextLayout::FormatRange &r : block.layout()->formats()) {
        if (at >= r.start && at < r.start + r.length && !r.format.hasProperty(LongLineMarker)) {
            *format = r.format;
            return true;
        }
    }
    return false;
}

TokenClass DocumentHighlighter::classAt(int pos) const
{
    QTextCharFormat f;
    return formatAt(pos, &f) ? ClassFormats::classOf(f) : TokenClass::Standard;
}
