// The fuzz drivers' deterministic generator (xorshift), so that a run with
// the same seed repeats exactly.
#pragma once

#include <cstdint>

namespace zep {

struct FuzzRandom {
  uint64_t state;
  uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<uint32_t>(state >> 16);
  }
  uint32_t Below(uint32_t n) { return Next() % n; }
};

}  // namespace zep
