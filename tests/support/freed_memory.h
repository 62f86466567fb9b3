// Finds use of freed memory in a Windows-side test, where no sanitizer runs: while a watch is
// on, what the program frees is kept and filled with a pattern instead of being given back.
// Reading such memory through a pointer finds addresses no process has (the test crashes where
// the fault is); writing into it is found when the watch checks its blocks.
//
// Only an executable that links the `freed_memory` object library has this allocator.
#pragma once

#include <cstddef>

namespace testing_memory {

class TFreedMemoryWatch {
public:
    TFreedMemoryWatch();
    ~TFreedMemoryWatch();
    TFreedMemoryWatch(const TFreedMemoryWatch&) = delete;
    TFreedMemoryWatch& operator=(const TFreedMemoryWatch&) = delete;

    // Blocks freed since the watch began.
    std::size_t Freed() const;
    // Freed blocks something wrote into after they were freed.
    std::size_t Overwritten() const;
};

} // namespace testing_memory
