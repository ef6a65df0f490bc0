// The fuzz drivers' deterministic generator (xorshift), so that a run with
// the same seed repeats exactly.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// The run of a driver that mutates seed files: every seed must be accepted
// (else the run fails), then each of `inputs` inputs is a seed, mutated,
// handed to check, which tells whether the reader accepted it. Prints the
// counts, the accepted ones as `accepted_as`; gives the exit code.
template <typename Mutate, typename Check>
int RunSeeded(int argc, char** argv, const std::vector<std::string>& seeds, Mutate mutate,
              Check check, const char* accepted_as = "accepted") {
  long inputs = 0;
  FuzzRandom random = RunArguments(argc, argv, &inputs);
  for (const std::string& s : seeds) {
    if (!check(s)) {
      std::fprintf(stderr, "a seed file is refused\n");
      return 1;
    }
  }
  long accepted = 0;
  for (long n = 0; n < inputs; ++n) {
    std::string file = seeds[random.Below(static_cast<uint32_t>(seeds.size()))];
    mutate(&file, &random, n);
    if (check(file)) ++accepted;
  }
  std::printf("%ld inputs, %ld %s\n", inputs, accepted, accepted_as);
  return 0;
}

}  // namespace zep
