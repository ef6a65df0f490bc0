#include "tests/memory/failing_new.h"

#include <cstdlib>
#include <new>

namespace zep {

namespace {

size_t countdown = 0;
bool failed = false;

}  // namespace

void FailAllocation(size_t n) {
  countdown = n;
  failed = false;
}

bool AllocationFailed() { return failed; }

}  // namespace zep

void* operator new(std::size_t size) {
  if (zep::countdown > 0 && --zep::countdown == 0) {
    zep::failed = true;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// The sanitizer keeps its own operator new[] for some calls of the
// standard library, whose blocks then come back here to free(): not a
// mismatch of this program's making.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() { return "alloc_dealloc_mismatch=0"; }
#endif
