#include "platform/startup_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23 // Linux 5.14; older kernels refuse it and pages fault as before
#endif

namespace tessaline {

namespace {

// glibc's own ceiling for the size below which blocks come from the heap.
constexpr std::size_t kLargestHeapBlock = std::size_t{32} << 20;

// The block size below which allocations come from the heap, as glibc would raise it itself
// once a block that large had been freed, with free heap top kept up to twice that.
void KeepBlocksOnHeap(std::size_t bytes) {
    static std::size_t threshold = 0;
    const std::size_t wanted = std::min(std::bit_ceil(bytes + 1), kLargestHeapBlock);
    if (wanted <= threshold) return;
    threshold = wanted;
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(threshold));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * threshold));
}

} // namespace

bool PrepareHeap(std::size_t bytes) {
    if (bytes == 0 || bytes >= kLargestHeapBlock) return false;
    auto* const before = static_cast<char*>(sbrk(0));
    // A block as large as the free top of the heap and `bytes` more grows the heap by `bytes`,
    // which stays there, free, as part of its top; volatile keeps the compiler from dropping
    // the pair.
    const std::size_t freeTop = mallinfo2().keepcost;
    KeepBlocksOnHeap(freeTop + bytes);
    void* volatile block = std::malloc(freeTop + bytes);
    std::free(block);
    auto* const after = static_cast<char*>(sbrk(0));
    if (before == reinterpret_cast<char*>(-1) || after <= before) return false;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t start =
        (reinterpret_cast<std::uintptr_t>(before) + page - 1) & ~(page - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(after);
    return end > start &&
           madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE) == 0;
}

void ReturnUnusedHeap() {
    malloc_trim(0);
}

} // namespace tessaline
