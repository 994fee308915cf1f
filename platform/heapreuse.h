// While a HeapReuse object lives, large memory blocks come from the heap and stay
// there when freed. Made for work that frees and allocates the same large blocks
// again, such as the layout of a very long line, redone on every key: its tens of
// megabytes then reuse pages already mapped instead of fresh ones that the system
// must zero first (page faults, about a third of such a key). Without the GNU C
// library it does nothing. Scopes must not overlap across threads.
#pragma once

class HeapReuse
{
public:
    explicit HeapReuse(bool active = true);
    ~HeapReuse();
    HeapReuse(const HeapReuse &) = delete;
    HeapReuse &operator=(const HeapReuse &) = delete;

private:
    bool m_active;
};

// From the first call on, large blocks (1 MB and more) come straight from the system
// for the whole program. The library otherwise raises that limit as large blocks are
// freed, and a big document's growing buffers then move by copying (single load steps
// of 50 to 150 ms) instead of being remapped. Without the GNU C library it does nothing.
void mapLargeBlocks();
