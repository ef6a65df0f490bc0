// A fuzz driver of the wave-file checks (CheckWave), which stand between a
// file a script names and the platform's player. Every input is copied into
// a heap block of exactly its size, so that AddressSanitizer stops the run at
// the first byte read outside the file; every accepted input has each of its
// sample bytes read, and its format and data chunk checked against the file.
// The images of wave buffers, of every size WaveBuf accepts and with any
// samples, must always be accepted with the layout they were made with.
//
// Under g++ this is a plain program: a deterministic mutation loop over
// seed files made here (8- and 16-bit, mono and stereo, extensible, extra
// and odd-sized chunks, buffer images).
//   build/host/tests/fuzz/zep_wave_fuzz [INPUTS [SEED]]
// runs INPUTS mutations (default 20000; ./check runs 200000) from the random
// seed SEED (default 1). For a long run give a large count, e.g.
//   build/host/tests/fuzz/zep_wave_fuzz 50000000 7
// Built with clang and -DZEP_LIBFUZZER -fsanitize=fuzzer,address,undefined
// the same file is a libFuzzer target (tests/fuzz/CMakeLists.txt does this
// when the compiler is clang):
//   zep_wave_libfuzzer -max_len=4096 CORPUS_DIR
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "media/wave_buffers.h"
#include "media/wave_format.h"
#include "tests/fuzz/fuzz_random.h"
#include "tests/run/wave_test_files.h"

namespace {

// Where the sums of the read bytes go, so that the reads are not dropped.
volatile unsigned sink;

[[noreturn]] void Broken(const char* what, size_t size) {
  std::fprintf(stderr, "CheckWave %s (%zu bytes)\n", what, size);
  std::abort();
}

uint32_t Get32(const uint8_t* at) {
  return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

// Checks one input; aborts on a broken promise of CheckWave.
zep::WaveCheck CheckOne(const uint8_t* input, size_t size) {
  uint8_t* file = new uint8_t[size == 0 ? 1 : size];
  if (size > 0) std::memcpy(file, input, size);
  zep::WaveLayout layout;
  zep::WaveCheck check = zep::CheckWave(file, size, &layout);
  if (check == zep::WaveCheck::kOk) {
    bool playable = layout.channels >= 1 && layout.channels <= zep::kMaxWaveChannels &&
                    (layout.bits_per_sample == 8 || layout.bits_per_sample == 16) &&
                    layout.block_align == layout.channels * layout.bits_per_sample / 8 &&
                    layout.sample_rate >= zep::kMinWaveRate &&
                    layout.sample_rate <= zep::kMaxWaveRate;
    bool inside = layout.data_offset >= 20 && layout.data_offset <= size &&
                  layout.data_size <= size - layout.data_offset &&
                  layout.data_size >= layout.block_align &&
                  std::memcmp(file + layout.data_offset - 8, "data", 4) == 0 &&
                  Get32(file + layout.data_offset - 4) == layout.data_size;
    if (!playable) Broken("accepted a format the player cannot play", size);
    if (!inside) Broken("accepted a data chunk outside the file", size);
    unsigned sum = 0;
    for (uint32_t i = 0; i < layout.data_size; ++i) sum += file[layout.data_offset + i];
    sink = sum;
  }
  delete[] file;
  return check;
}

// A wave buffer's image of a size WaveBuf accepts, with random samples, is
// accepted with the layout it was made with.
void CheckBufferImage(zep::FuzzRandom* random) {
  int32_t samples = 1 + static_cast<int32_t>(random->Below(zep::kMaxWaveSamples));
  std::vector<uint8_t> image = zep::NewWaveImage(samples);
  for (uint32_t n = random->Below(64); n > 0; --n) {
    image[zep::kWaveHeaderSize + random->Below(static_cast<uint32_t>(samples))] =
        static_cast<uint8_t>(random->Next());
  }
  zep::WaveLayout layout;
  if (CheckOne(image.data(), image.size()) != zep::WaveCheck::kOk ||
      zep::CheckWave(image.data(), image.size(), &layout) != zep::WaveCheck::kOk ||
      layout.data_offset != zep::kWaveHeaderSize ||
      layout.data_size != static_cast<uint32_t>(samples)) {
    Broken("refused a wave buffer's image", image.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckOne(data, size);
  return 0;
}

#ifndef ZEP_LIBFUZZER

namespace {

using Random = zep::FuzzRandom;

std::vector<std::string> Seeds() {
  std::vector<std::string> seeds;
  for (uint16_t channels : {1, 2}) {
    for (uint16_t bits : {8, 16}) {
      zep::WaveFields f;
      f.channels = channels;
      f.bits = bits;
      seeds.push_back(zep::MakeWave(f, 4u * 9));
      f.tag = zep::kWaveFormatExtensible;
      seeds.push_back(zep::MakeWave(f, 4u * 9));
    }
  }
  std::string fmt = zep::FmtBody(zep::WaveFields{});
  seeds.push_back(zep::Riff({{"LIST", "odd"}, {"fmt ", fmt}, {"data", zep::Samples(7)}}));
  seeds.push_back(zep::Riff({{"fmt ", fmt},
                             {"fact", std::string("\4\0\0\0", 4)},
                             {"data", zep::Samples(9)},
                             {"LIST", "INFOtext"}}));
  std::vector<uint8_t> image = zep::NewWaveImage(40);
  seeds.emplace_back(image.begin(), image.end());
  return seeds;
}

// Values that sit on the edges of the checks, written over header fields.
const uint32_t kEdges[] = {0,      1,      2,          3,          4,          7,
                           8,      12,     16,         18,         22,         24,
                           40,     0xFFFE, 3999,       4000,       8000,       44100,
                           192000, 192001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFF0};

void Put(std::string* file, size_t at, uint32_t v, int width) {
  for (int i = 0; i < width && at + i < file->size(); ++i) {
    (*file)[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
}

// A format block of the first seeds' layout (at offset 20) whose fields
// agree with each other, from channels and bits of every kind, so that
// files wrong in one field alone (0 channels, 1 bit) come up often.
void RewriteFormat(std::string* file, Random* random) {
  static const uint16_t kChannels[] = {0, 1, 2, 3, 8};
  static const uint16_t kBits[] = {0, 1, 4, 8, 12, 16, 24, 32};
  uint16_t channels = kChannels[random->Below(sizeof kChannels / sizeof *kChannels)];
  uint16_t bits = kBits[random->Below(sizeof kBits / sizeof *kBits)];
  uint32_t rate = random->Below(2) ? 22050 : kEdges[random->Below(sizeof kEdges / sizeof *kEdges)];
  uint32_t align = channels * bits / 8;
  Put(file, 22, channels, 2);
  Put(file, 24, rate, 4);
  Put(file, 28, rate * align, 4);
  Put(file, 32, align, 2);
  Put(file, 34, bits, 2);
}

// A common mutation, an edge value over a header field, a format block
// rewritten, or a chunk of a random size and one of the known names put in
// somewhere after "WAVE".
void Mutate(std::string* file, Random* random) {
  static const char* const kIds[] = {"fmt ", "data", "LIST", "fact", "\0\0\0\0"};
  int changes = 1 + static_cast<int>(random->Below(4));
  for (int c = 0; c < changes; ++c) {
    switch (random->Below(5)) {
      case 4:
        RewriteFormat(file, random);
        break;
      case 0:
        Put(file, 4 + 2 * random->Below(24), kEdges[random->Below(sizeof kEdges / sizeof *kEdges)],
            random->Below(2) ? 2 : 4);
        break;
      case 1: {
        if (file->size() < 12) break;
        uint32_t n = random->Below(12);
        std::string chunk(kIds[random->Below(sizeof kIds / sizeof *kIds)], 4);
        zep::PutLE(&chunk, random->Below(3) == 0 ? random->Next() : n, 4);
        for (uint32_t i = 0; i < n; ++i) chunk.push_back(static_cast<char>(random->Next()));
        size_t at = 12 + random->Below(static_cast<uint32_t>(file->size() - 11));
        file->insert(at, chunk);
        break;
      }
      default:
        zep::MutateBytes(file, random, 64);
        break;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  auto check = [](const std::string& file) {
    return CheckOne(reinterpret_cast<const uint8_t*>(file.data()), file.size()) ==
           zep::WaveCheck::kOk;
  };
  // Now and then a buffer's image too, which must always be accepted.
  auto mutate = [](std::string* file, Random* random, long n) {
    if (n % 64 == 0) CheckBufferImage(random);
    Mutate(file, random);
  };
  return zep::RunSeeded(argc, argv, Seeds(), mutate, check);
}

#endif
