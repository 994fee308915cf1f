// Colours a text document in the seven highlighting classes the way a syntax
// highlighter does: the classes are layout formats of the blocks, never part of the
// text, so colouring touches neither the undo history nor the modified flag, and
// whatever enters the text (typed, pasted, inserted, undone) is coloured by the same
// rules as a loaded file.
//
// Every line is coloured on its own (full highlighting, Highlighter::fullRuns). The
// lines an edit touches are coloured at once, before the widget lays them out; the
// rest (a loaded file, new fonts, the highlighting switch) is coloured in the
// background in steps of a few milliseconds, the visible lines first. A line longer
// than LongLine is coloured only around its visible part, so that its formats stay
// few and an edit in it costs one layout of the line; it is set without kerning and
// complex shaping, which makes that layout cheaper.
#pragma once

#include "common/classformats.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTextBlock>
#include <QTimer>
#include <utility>

class QTextDocument;

// What the highlighter needs to know of the screen that shows the document.
class HighlightView {
public:
    virtual ~HighlightView() = default;
    // Numbers of the first and the last visible block.
    virtual std::pair<int, int> visibleBlocks() const = 0;
    // The visible part of a block, as offsets into it [from, to); a block that is not
    // laid out yet answers its start.
    virtual std::pair<int, int> visibleColumns(const QTextBlock &block) const = 0;
};

class DocumentHighlighter : public QObject {
    Q_OBJECT
public:
    // Lines longer than this are coloured in a window around their visible part,
    // Margin characters on each side of it.
    static constexpr int LongLine = 16384;
    static constexpr int Margin = 8192;
    // A background step ends after this many milliseconds.
    static constexpr int StepBudgetMs = 6;
    // An edit on the screen colours this many of its lines at once; the rest, and the
    // lines of an edit elsewhere (a file arriving), follow in the background.
    static constexpr int SyncLines = 64;

    explicit DocumentHighlighter(QTextDocument *document, QObject *parent = nullptr);

    // The screen whose visible lines go first (not owned; null: none).
    void setView(const HighlightView *view) { m_view = view; }

    // New class formats, or highlighting switched: everything is coloured afresh in
    // the background (switched off: every format is removed).
    void setFormats(const ClassFormats &formats);
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // Colours the whole document afresh in the background.
    void rehighlight();
    // Colours the lines that hold the positions [from, to] at once.
    void rehighlightRange(int from, int to);
    // The visible part moved: its lines go first, and a long line in view gets a
    // window around what is shown.
    void viewChanged();
    // Does the remaining background work now.
    void finish();
    // While held back (a file still arriving), only the visible lines are coloured in
    // the background; releasing it colours the rest.
    void holdBack(bool on);

    // True when no line waits for its colours.
    bool isDone() const { return !m_heldBack && !m_timer.isActive(); }
    // The class the colours give the character at pos (Standard where none).
    TokenClass classAt(int pos) const;
    // The layout format on the character at pos; false where it has none.
    bool formatAt(int pos, QTextCharFormat *format) const;

signals:
    // The background work is done.
    void finished();
    // Colouring ran out of memory: highlighting is off and the text plain.
    void failed();

private:
    void onContentsChange(int position, int removed, int added);
    void step();
    // Colours one block; true when its layout formats changed.
    bool colour(QTextBlock block, std::pair<int, int> window);
    // Colours the stale blocks of [first, last] until the budget is spent; marks the
    // changed ones dirty. False when the budget ran out.
    bool colourStale(int first, int last, const QElapsedTimer &clock, qint64 budgetMs);
    bool isStale(const QTextBlock &block) const;
    std::pair<int, int> windowFor(const QTextBlock &block) const;
    void schedule();
    void fail();

    QTextDocument *m_doc;
    const HighlightView *m_view = nullptr;
    ClassFormats m_formats;
    bool m_enabled = true;
    bool m_heldBack = false;
    // The visible blocks as the last step saw them (an edit cannot ask the screen).
    std::pair<int, int> m_shown{0, 0};
    // A block whose user state is not m_generation waits for its colours.
    int m_generation = 0;
    // Blocks before this number are known to be coloured.
    int m_next = 0;
    int m_blockCount = 0;
    QTimer m_timer;
};
