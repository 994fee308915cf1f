// What the user just changed in a view, so that colouring re-colours only the
// touched lines, and the idle-time background colouring in 500-character chunks.
//
// The view reports the cause of every edit before it happens (beforeEdit, with the
// range it touches) and the edit itself after it happened (afterEdit, with the
// selection then). afterEdit answers which character ranges to re-colour and what
// to do with the modified mark. Positions count characters from 0.
#pragma once

#include <QList>
#include <functional>

class ChangeTracker
{
public:
    // What caused an edit.
    enum Kind {
        None = 0,        // no announcement came first
        Other = 1,       // loading, replacing all text, undo, other keys
        Insert = 2,      // typed character or programmatic insert
        Delete = 3,      // Delete key
        Backspace = 4,   // Backspace key
        Cut = 5,
        Paste = 6,
        PasteAfterCut = 7 // text moved by cut and paste
    };
    enum class Cause { ReplaceSelection, Char, KeyBackspace, KeyDelete, KeyOther, Cut, Paste, SetFormat, Other };

    enum class ModifiedAction { Keep, Set, Clear };
    struct Range {
        int start = 0;
        int end = 0;
        bool operator==(const Range &) const = default;
    };
    struct Result {
        // Each range: re-colour the lines from the line of start to the line of end.
        QList<Range> lines;
        ModifiedAction modified = ModifiedAction::Keep;
    };

    // Announcement before an edit that touches [start, end].
    void beforeEdit(Cause cause, int start, int end);
    // The edit happened; selection after it. Returns what to re-colour.
    Result afterEdit(int selStart, int selEnd);

    Kind kind() const { return m_kind; }
    Range savedRange() const { return m_saved; }

    // --- background colouring ---
    // Freshly loaded text: [500, 1000) is next (0..500 is coloured at once).
    void resetBackground();
    // A new document starts as done.
    void setBackgroundDone() { m_bgDone = true; }
    bool backgroundDone() const { return m_bgDone; }
    // Where the next chunk starts: the chunks have coloured the text before it.
    int backgroundPosition() const { return m_nextStart; }
    // The next chunk to colour, or nothing when done. Advances the state:
    // next start = next end; next end = next end + 500, at most textLength.
    bool nextBackgroundChunk(int textLength, Range *chunk);
    // The last chunk was coloured up to pos (the end of the line it ended in):
    // the next one starts there, so a line longer than a chunk is scanned once.
    void skipBackgroundTo(int pos, int textLength);

    static constexpr int ChunkSize = 500;

private:
    Kind m_kind = None;
    Range m_saved;
    bool m_bgDone = true;
    int m_nextStart = 0;
    int m_nextEnd = 0;
};
