// An allocator that fails on demand, for the memory tests: operator new of
// the whole test program counts allocations and throws std::bad_alloc at
// the one asked for.
#pragma once

#include <cstddef>

namespace zep {

// Fails the n-th allocation from now (1 = the next one); 0 fails none.
void FailAllocation(size_t n);
// Whether the allocation asked for has failed since FailAllocation.
bool AllocationFailed();

}  // namespace zep
