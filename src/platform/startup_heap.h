#pragma once

// Heap made ready for start-up in one step. A fresh page of memory costs a page fault when it
// is first touched, and a window's start-up touches about a thousand of them one by one; asking
// the kernel for them together costs a fraction of that. What start-up did not use is given
// back afterwards.

#include <cstddef>

namespace tessaline {

// Adds `bytes` to the free heap, its pages already in memory, besides what is free there now;
// blocks of up to about that size are then taken from the heap rather than mapped on their own.
// False when the pages could not be made ready (an allocator or kernel without the means); they
// are then simply touched one by one later, as without this.
bool PrepareHeap(std::size_t bytes);

// Gives back the heap that was prepared and is still free.
void ReturnUnusedHeap();

} // namespace tessaline
