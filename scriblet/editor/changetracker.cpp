#include "editor/changetracker.h"

#include <algorithm>

void ChangeTracker::beforeEdit(Cause cause, int start, int end)
{
    switch (cause) {
    case Cause::ReplaceSelection:
    case Cause::Char:
        m_kind = Insert;
        break;
    case Cause::KeyBackspace:
        m_kind = Backspace;
        break;
    case Cause::KeyDelete:
        m_kind = Delete;
        break;
    case Cause::KeyOther:
        m_kind = Other;
        break;
    case Cause::Cut:
        m_kind = Cut;
        break;
    case Cause::Paste:
        m_kind = m_kind == Cut ? PasteAfterCut : Paste;
        break;
    case Cause::SetFormat:
        return; // neither kind nor range change
    case Cause::Other:
        m_kind = Other;
        break;
    }
    if (m_kind != PasteAfterCut)
        m_saved = {start, end};
}

ChangeTracker::Result ChangeTracker::afterEdit(int selStart, int selEnd)
{
    Result r;
    if (m_kind == PasteAfterCut && selStart == selEnd)
        m_kind = Paste;
    switch (m_kind) {
    case None:
    case Delete:
    case Backspace:
    case Cut:
        r.lines.append({selStart, selEnd});
        r.modified = ModifiedAction::Set;
        break;
    case Insert:
    case Paste:
        r.lines.append({std::min(m_saved.start, selEnd), selEnd});
        r.modified = ModifiedAction::Set;
        break;
    case PasteAfterCut:
        r.lines.append({selStart, selEnd});
        if (selStart > m_saved.start)
            r.lines.append({m_saved.start, m_saved.start});
        else
            r.lines.append({m_saved.end, m_saved.end});
        break;
    case Other:
    default:
        r.lines.append({0, ChunkSize});
        r.modified = ModifiedAction::Clear;
        break;
    }
    m_kind = None;
    return r;
}

void ChangeTracker::resetBackground()
{
    m_bgDone = false;
    m_nextStart = ChunkSize;
    m_nextEnd = 2 * ChunkSize;
}

bool ChangeTracker::nextBackgroundChunk(int textLength, Range *chunk)
{
    if (m_bgDone)
        return false;
    // The text may have shrunk since the last pass.
    const int start = std::min(m_nextStart, textLength);
    const int end = std::min(m_nextEnd, textLength);
    *chunk = {start, end};
    if (textLength == end)
        m_bgDone = true;
    m_nextStart = end;
    m_nextEnd = std::min(end + ChunkSize, textLength);
    return true;
}

void ChangeTracker::skipBackgroundTo(int pos, int textLength)
{
    if (m_bgDone || pos <= m_nextStart)
        return;
    if (pos >= textLength) {
        m_nextStart = m_nextEnd = textLength;
        m_bgDone = true;
        return;
    }
    m_nextStart = pos;
    m_nextEnd = std::min(pos + ChunkSize, textLength);
}
