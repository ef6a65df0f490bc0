// A fuzz driver of the compiler's readers of files a user's machine may hold
// damaged or replaced: the packed stub, its patch, the icon file and the
// program headers. Each input is split into a packed stub and a patch; every
// part is copied into a heap block of exactly its size, so that
// AddressSanitizer stops the run at the first byte read or written outside.
//   build/host/tests/fuzz/zep_stub_fuzz [INPUTS [SEED]]
// runs INPUTS mutations (./check runs a short fixed number) from SEED.
// Built with clang and -DZEP_LIBFUZZER -fsanitize=fuzzer it is a libFuzzer
// target (tests/fuzz/CMakeLists.txt).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "compiler/pe_image.h"
#include "compiler/stub_format.h"
#include "tests/fuzz/fuzz_random.h"

namespace {

using zep::Bytes;

void CheckOne(const uint8_t* data, size_t size) {
  size_t split = size == 0 ? 0 : data[0] % (size + 1);
  Bytes packed(data, data + split), patch(data + split, data + size);
  if (zep::ApplyPatch(patch, &packed) && packed.size() != split) std::abort();
  Bytes exe;
  if (zep::UnpackStub(packed, &exe)) {
    zep::FindScriptMarker(exe);
    zep::IconIndices icon{};
    zep::ReplaceStubIcon(icon, &exe);
  }
  std::vector<uint8_t> exact(data, data + size);  // exactly its size, on the heap
  zep::IconIndices read;
  zep::ReadIconFile(exact.data(), exact.size(), &read);
  zep::ReadIconImage(exact.data(), exact.size(), &read);
  long end = zep::ImageEnd(exact.data(), exact.size());
  if (end > static_cast<long>(size)) std::abort();
}

// A packed stub with records of every kind, a "PRS" escape, and a patch.
Bytes Seed() {
  Bytes exe = {0x4D, 0x5A, 0x90, 0x00, 'P', 'R', 'S', 1, 2};
  exe.insert(exe.end(), 300, 0);
  exe.insert(exe.end(), zep::kScriptMarker, zep::kScriptMarker + zep::kMarkerSize);
  exe.insert(exe.end(), 40, 0x44);
  Bytes packed = zep::PackStub(exe);
  Bytes input = {static_cast<uint8_t>(packed.size() % 256)};
  input.insert(input.end(), packed.begin(), packed.end());
  input.insert(input.end(), {0, 0, 10, 0x50, 0, 0, 11, 0x52});
  return input;
}

// A common mutation, or a run record with a large count put anywhere.
void Mutate(Bytes* input, zep::FuzzRandom* random) {
  if (random->Below(4) > 0) {
    zep::MutateBytes(input, random, 16);
    return;
  }
  input->insert(input->begin() + random->Below(static_cast<uint32_t>(input->size()) + 1),
                {'P', 'R', 'S', 0, 0xFF, static_cast<uint8_t>(random->Next())});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckOne(data, size);
  return 0;
}

#ifndef ZEP_LIBFUZZER

int main(int argc, char** argv) {
  long inputs = 0;
  zep::FuzzRandom random = zep::RunArguments(argc, argv, &inputs);
  Bytes seed = Seed();
  for (long n = 0; n < inputs; ++n) {
    Bytes input = seed;
    for (int m = 1 + random.Below(3); m > 0; --m) Mutate(&input, &random);
    CheckOne(input.data(), input.size());
  }
  std::printf("%ld inputs\n", inputs);
  return 0;
}

#endif
