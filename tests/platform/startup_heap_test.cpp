#include "platform/startup_heap.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace tessaline {
namespace {

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The point of preparing: a window-sized block taken right after is written without a page
// fault per page. Allocators that keep no heap of their own (the address sanitizer's) cannot
// be prepared, and say so.
TEST(StartupHeap, PreparedHeapTakesALargeBlockWithoutFaultingPageByPage) {
    constexpr std::size_t kBlock = std::size_t{3} << 20;
    ReturnUnusedHeap(); // so that no page touched before is taken again
    if (!PrepareHeap(kBlock + (std::size_t{1} << 20)))
        GTEST_SKIP() << "this allocator or kernel cannot prepare the heap";
    const long before = MinorFaults();
    auto* block = static_cast<char*>(std::malloc(kBlock));
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, kBlock);
    const long faults = MinorFaults() - before;
    std::free(block);
    EXPECT_LT(faults, static_cast<long>(kBlock / 4096 / 8)) << "of " << kBlock / 4096 << " pages";
}

TEST(StartupHeap, WhatWasNotUsedIsGivenBack) {
    if (!PrepareHeap(std::size_t{4} << 20))
        GTEST_SKIP() << "this allocator or kernel cannot prepare the heap";
    EXPECT_GE(mallinfo2().keepcost, std::size_t{4} << 20);
    ReturnUnusedHeap();
    EXPECT_LT(mallinfo2().keepcost, std::size_t{256} << 10);
}

TEST(StartupHeap, NothingOrTooMuchIsNotPrepared) {
    EXPECT_FALSE(PrepareHeap(0));
    EXPECT_FALSE(PrepareHeap(std::size_t{1} << 30));
}

} // namespace
} // namespace tessaline
