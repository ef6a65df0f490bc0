// The fuzz drivers' deterministic generator (xorshift), so that a run with
// the same seed repeats exactly.
#pragma once

#include <cstdint>
#include <cstdlib>

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

// The generator of a plain driver's run: "DRIVER [INPUTS [SEED]]" gives
// the count of inputs (default 20000) and the seed (default 1).
inline FuzzRandom RunArguments(int argc, char** argv, long* inputs) {
  *inputs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
  unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  return FuzzRandom{seed * 2654435761u + 88172645463325252ull};
}

// One of the mutations every driver makes: a random byte anywhere, the file
// cut short, up to most_added random bytes added, or one bit flipped.
template <typename Bytes>
void MutateBytes(Bytes* file, FuzzRandom* random, uint32_t most_added = 32) {
  using Byte = typename Bytes::value_type;
  uint32_t size = static_cast<uint32_t>(file->size());
  switch (random->Below(4)) {
    case 0:
      if (size > 0) (*file)[random->Below(size)] = static_cast<Byte>(random->Next());
      break;
    case 1:
      file->resize(random->Below(size + 1));
      break;
    case 2:
      for (uint32_t n = random->Below(most_added); n > 0; --n)
        file->push_back(static_cast<Byte>(random->Next()));
      break;
    default:
      if (size > 0) (*file)[random->Below(size)] ^= static_cast<Byte>(1 << random->Below(8));
      break;
  }
}

}  // namespace zep
