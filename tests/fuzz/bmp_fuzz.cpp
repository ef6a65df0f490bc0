// A fuzz driver of the BMP checks. Every input is copied into a heap block
// of exactly its size, so that AddressSanitizer stops the run at the first
// byte read outside the file; every accepted input has each byte of its
// colour table and pixels read, and its layout checked against the file.
//
// Under g++ this is a plain program: a deterministic mutation loop over
// seed files made here (sound bitmaps of every bit count, both row orders).
//   build/host/tests/fuzz/zep_bmp_fuzz [INPUTS [SEED]]
// runs INPUTS mutations (default 20000; ./check runs 200000, about two seconds) from the
// random seed SEED (default 1). For a long run give a large count, e.g.
//   build/host/tests/fuzz/zep_bmp_fuzz 50000000 7
// Built with clang and -DZEP_LIBFUZZER -fsanitize=fuzzer,address,undefined
// the same file is a libFuzzer target (tests/fuzz/CMakeLists.txt does this
// when the compiler is clang):
//   zep_bmp_libfuzzer -max_len=4096 CORPUS_DIR
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/bmp_format.h"
#include "tests/fuzz/fuzz_random.h"

namespace {

// Where the sums of the read bytes go, so that the reads are not dropped.
volatile unsigned sink;

// Checks one input; aborts on a broken promise of CheckBmp.
void CheckOne(const uint8_t* input, size_t size) {
  uint8_t* file = new uint8_t[size == 0 ? 1 : size];
  if (size > 0) std::memcpy(file, input, size);
  zep::BmpImage image;
  if (zep::CheckBmp(file, size, &image) == zep::BmpCheck::kOk) {
    const uint8_t* end = file + size;
    bool inside = image.colour_table >= file && image.pixels >= image.colour_table &&
                  image.pixels <= end &&
                  image.image_size <= static_cast<size_t>(end - image.pixels) &&
                  image.colour_table + size_t{image.colours} * 4 == image.pixels;
    int64_t rows = image.height < 0 ? -int64_t{image.height} : image.height;
    bool sane = image.width > 0 && rows > 0 && image.width <= zep::kMaxBmpSide &&
                rows <= zep::kMaxBmpSide && image.colours <= 256 &&
                image.image_size == zep::DibStride(image.width, image.bit_count) * rows;
    if (!inside || !sane) {
      std::fprintf(stderr, "CheckBmp accepted a file it should not (%zu bytes)\n", size);
      std::abort();
    }
    unsigned sum = 0;
    for (uint32_t i = 0; i < image.colours * 4; ++i) sum += image.colour_table[i];
    for (uint32_t i = 0; i < image.image_size; ++i) sum += image.pixels[i];
    sink = sum;
  }
  delete[] file;
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
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    for (int32_t height : {3, -3}) {
      zep::DibPixels dib{5, 3, bits, 0, std::string(bits <= 8 ? 4u << bits : 0, '\x40'), ""};
      std::string file = zep::BuildBmpFile(dib);
      if (height < 0) {  // top-down: the height field negated
        uint32_t h = static_cast<uint32_t>(height);
        for (int i = 0; i < 4; ++i) file[22 + i] = static_cast<char>((h >> (8 * i)) & 0xFF);
      }
      seeds.push_back(file);
    }
  }
  return seeds;
}

// Values that sit on the edges of the checks, written over header fields.
const uint32_t kEdges[] = {
    0,   1,   2,   3,   4,   8,    12,    16,    24,         32,         35,         36,        40,
    124, 125, 255, 256, 257, 4096, 16384, 16385, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE};

// A common mutation, an edge value over a header field, or a negated height
// or width.
void Mutate(std::string* file, Random* random) {
  int changes = 1 + static_cast<int>(random->Below(4));
  for (int c = 0; c < changes; ++c) {
    switch (random->Below(4)) {
      case 0: {  // an edge value over a header field
        size_t at = 14 + 2 * random->Below(20);
        uint32_t v = kEdges[random->Below(sizeof kEdges / sizeof kEdges[0])];
        int width = random->Below(2) ? 2 : 4;
        for (int i = 0; i < width && at + i < file->size(); ++i) {
          (*file)[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
        break;
      }
      case 1:  // a negated height or width
        if (file->size() >= 26) {
          size_t at = random->Below(2) ? 18 : 22;
          uint32_t v = 0;
          for (int i = 0; i < 4; ++i)
            v |= uint32_t{static_cast<uint8_t>((*file)[at + i])} << (8 * i);
          v = 0u - v;
          for (int i = 0; i < 4; ++i) (*file)[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
        break;
      default:
        zep::MutateBytes(file, random, 64);
        break;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  long inputs = 0;
  Random random = zep::RunArguments(argc, argv, &inputs);
  std::vector<std::string> seeds = Seeds();
  long accepted = 0;
  for (const std::string& s : seeds) {
    zep::BmpImage image;
    if (zep::CheckBmp(reinterpret_cast<const uint8_t*>(s.data()), s.size(), &image) !=
        zep::BmpCheck::kOk) {
      std::fprintf(stderr, "a seed file is refused\n");
      return 1;
    }
  }
  for (long n = 0; n < inputs; ++n) {
    std::string file = seeds[random.Below(static_cast<uint32_t>(seeds.size()))];
    Mutate(&file, &random);
    zep::BmpImage image;
    if (zep::CheckBmp(reinterpret_cast<const uint8_t*>(file.data()), file.size(), &image) ==
        zep::BmpCheck::kOk) {
      ++accepted;
    }
    CheckOne(reinterpret_cast<const uint8_t*>(file.data()), file.size());
  }
  std::printf("%ld inputs, %ld accepted\n", inputs, accepted);
  return 0;
}

#endif
