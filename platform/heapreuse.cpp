#include "platform/heapreuse.h"

#include <cstdlib> // defines __GLIBC__ where it is the C library
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
#ifdef __GLIBC__
// The library's defaults, restored when the scope ends.
constexpr int DefaultMmapMax = 65536;
constexpr int DefaultTrimThreshold = 128 * 1024;
// Freed memory at the top of the heap up to this size is kept for the next block.
constexpr int KeptTop = 256 * 1024 * 1024;
#endif
} // namespace

HeapReuse::HeapReuse(bool active)
    : m_active(active)
{
#ifdef __GLIBC__
    if (m_active) {
        mallopt(M_MMAP_MAX, 0);
        mallopt(M_TRIM_THRESHOLD, KeptTop);
    }
#endif
}

HeapReuse::~HeapReuse()
{
#ifdef __GLIBC__
    if (m_active) {
        mallopt(M_MMAP_MAX, DefaultMmapMax);
        mallopt(M_TRIM_THRESHOLD, DefaultTrimThreshold);
    }
#endif
}

void mapLargeBlocks()
{
#ifdef __GLIBC__
    static const bool done = [] { return mallopt(M_MMAP_THRESHOLD, 1024 * 1024) == 1; }();
    (void)done;
#endif
}
