// A fuzz driver of the BMP checks and of the checks of the other picture
// files the platform's decoder is handed. Every input is copied into a heap
// block of exactly its size, so that AddressSanitizer stops the run at the
// first byte read outside the file; every accepted bitmap has each byte of
// its colour table and pixels read, and its layout checked against the
// file or the buffers it was converted into.
//
// Under g++ this is a plain program: a deterministic mutation loop over
// seed files made here (bitmaps of every bit count and both row orders,
// 8- and 4-bit runs, bit fields after and inside the header, OS/2 headers;
// a JPEG, a GIF and two icon files).
//   build/host/tests/fuzz/zep_bmp_fuzz [INPUTS [SEED]]
// runs INPUTS mutations (default 20000; ./check runs 200000, a few seconds) from the
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
#include "graphics/picture_check.h"
#include "tests/fuzz/fuzz_random.h"
#include "tests/run/bmp_test_files.h"
#include "tests/run/picture_test_files.h"

namespace {

// Where the sums of the read bytes go, so that the reads are not dropped.
volatile unsigned sink;

void Fail(const char* what, size_t size) {
  std::fprintf(stderr, "%s (%zu bytes)\n", what, size);
  std::abort();
}

// Whether n bytes at p lie inside the n_block bytes at block.
bool Inside(const uint8_t* p, size_t n, const uint8_t* block, size_t n_block) {
  uintptr_t at = reinterpret_cast<uintptr_t>(p), start = reinterpret_cast<uintptr_t>(block);
  return at >= start && at - start <= n_block && n <= n_block - (at - start);
}

// Checks one input; aborts on a broken promise of CheckBmp or
// CheckPictureFile.
void CheckOne(const uint8_t* input, size_t size) {
  uint8_t* file = new uint8_t[size == 0 ? 1 : size];
  if (size > 0) std::memcpy(file, input, size);
  zep::BmpPicture picture;
  bool bitmap_ok = zep::CheckBmp(file, size, &picture) == zep::BmpCheck::kOk;
  if (bitmap_ok) {
    const zep::BmpImage& image = picture.image;
    size_t table = size_t{image.colours} * 4;
    bool inside = (Inside(image.colour_table, table, file, size) ||
                   Inside(image.colour_table, table, picture.table.data(), picture.table.size())) &&
                  (Inside(image.pixels, image.image_size, file, size) ||
                   Inside(image.pixels, image.image_size, picture.pixels.data(),
                          picture.pixels.size()));
    int64_t rows = image.height < 0 ? -int64_t{image.height} : image.height;
    bool sane = image.width > 0 && rows > 0 && image.width <= zep::kMaxBmpSide &&
                rows <= zep::kMaxBmpSide && image.colours <= 256 &&
                (image.bit_count > 8 || image.colours <= (1u << image.bit_count)) &&
                image.image_size == zep::DibStride(image.width, image.bit_count) * rows;
    if (!inside || !sane) Fail("CheckBmp accepted a file it should not", size);
    unsigned sum = 0;
    for (uint32_t i = 0; i < image.colours * 4; ++i) sum += image.colour_table[i];
    for (uint32_t i = 0; i < image.image_size; ++i) sum += image.pixels[i];
    // The file handed to the decoder reads back as the same image.
    std::string handed = zep::BmpFileOf(image);
    zep::BmpPicture again;
    if (zep::CheckBmp(reinterpret_cast<const uint8_t*>(handed.data()), handed.size(), &again) !=
            zep::BmpCheck::kOk ||
        again.image.image_size != image.image_size ||
        std::memcmp(again.image.pixels, image.pixels, image.image_size) != 0) {
      Fail("the file of a checked image does not read back", size);
    }
    sink = sum;
  }
  zep::BmpPicture bitmap;
  zep::PictureKind kind = zep::CheckPictureFile(file, size, &bitmap);
  if ((kind == zep::PictureKind::kBitmap) != bitmap_ok) {
    Fail("CheckPictureFile and CheckBmp disagree on a bitmap", size);
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

// The seeds: sound files of every kind the checks take.
std::vector<std::string> Seeds() {
  using namespace zep;
  std::vector<std::string> seeds;
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    for (int32_t height : {3, -3}) {
      zep::DibPixels dib{5, 3, bits, 0, std::string(bits <= 8 ? 4u << bits : 0, '\x40'), ""};
      std::string file = zep::BuildBmpFile(dib);
      if (height < 0) file.replace(22, 4, Le32(static_cast<uint32_t>(height)));
      seeds.push_back(file);
    }
  }
  const std::string head = FileHeader();
  // Runs: encoded, absolute (padded), moves, ends of line and of bitmap.
  seeds.push_back(head + InfoHeader(40, 6, 4, 8, 1, 6) + Table(6) +
                  Hex("0401 0000 0003 020304 00 0105 0000 0002 0100 0203 0000 0006 010203040500 "
                      "0001"));
  seeds.push_back(head + InfoHeader(40, 7, 3, 4, 2, 6) + Table(6) +
                  Hex("0512 0000 0005 123450 00 0210 0000 0002 0200 0334 0001"));
  // Bit fields after a 40-byte header and inside 56-, 108- and 124-byte ones.
  std::string rows16 = Le16(0xF800) + Le16(0x07E0) + Le16(0x001F) + Le16(0);
  seeds.push_back(head + InfoHeader(40, 3, 2, 16, 3) + Le32(0xF800) + Le32(0x07E0) +
                  Le32(0x001F) + rows16 + rows16);
  seeds.push_back(head + MaskedHeader(56, 3, -2, 16, 0x7C00, 0x03E0, 0x001F) + rows16 + rows16);
  seeds.push_back(head + MaskedHeader(108, 3, -2, 16, 0x7C00, 0x03E0, 0x001F) + rows16 + rows16);
  seeds.push_back(head + MaskedHeader(124, 2, 2, 32, 0xFF, 0xFF00, 0xFF0000) + Le32(0xFF) +
                  Le32(0xFF00) + Le32(0xFF0000) + Le32(0x3FFFFC00));
  seeds.push_back(head + InfoHeader(40, 2, 1, 32, 3, 2) + Le32(0x3FF00000) + Le32(0xFFC00) +
                  Le32(0x3FF) + Table(2) + Le32(0x3FFFFC00) + Le32(0x3FF));
  // OS/2 headers.
  seeds.push_back(head + CoreHeader(3, 1, 1) + Table(2, 3) + Hex("A0000000"));
  seeds.push_back(head + CoreHeader(3, 2, 4) + Table(16, 3) + Hex("12300000 45000000"));
  seeds.push_back(head + CoreHeader(2, 2, 8) + Table(256, 3) + Hex("05040000 03020000"));
  seeds.push_back(head + CoreHeader(2, 1, 24) + Hex("0000FF 00FF00 0000"));
  // The other pictures the decoder is handed.
  seeds.push_back(MakeJpeg(16, 16));
  seeds.push_back(MakeGif(16, 16, {{0, 0, 16, 16}, {4, 4, 8, 8}}));
  seeds.push_back(MakeIco({{16, 16, 4, false}, {32, 32, 32, false}}));
  seeds.push_back(MakeIco({{0, 0, 32, true}, {16, 16, 1, false}}));
  return seeds;
}

// Values that sit on the edges of the checks, written over header fields:
// sizes, counts, header sizes, compressions and masks.
const uint32_t kEdges[] = {
    0,      1,      2,      3,      4,      5,          6,          8,          12,
    16,     24,     32,     35,     36,     40,         52,         56,         64,
    108,    124,    125,    255,    256,    257,        4096,       16384,      16385,
    0x1F,   0x3E0,  0x7E0,  0x7C00, 0xF800, 0xFFFF,     0xFF00,     0xFF0000,   0xFF000000,
    0xFFFF, 0x7FFF, 0x8000, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE};

// A pair of run bytes: an encoded run, an end of line or of bitmap, a
// move, or an absolute run's start.
std::string RunPair(Random* random) {
  char n = static_cast<char>(random->Next());
  switch (random->Below(5)) {
    case 0: return std::string{'\0', '\0'};
    case 1: return std::string{'\0', '\1'};
    case 2: return std::string{'\0', '\2', n, static_cast<char>(random->Below(4))};
    case 3: return std::string{'\0', n};
    default: return std::string{n, static_cast<char>(random->Next())};
  }
}

// A common mutation, an edge value over a header field (or a field of a
// JPEG, GIF or icon header), run bytes put in, or a negated height or width.
void Mutate(std::string* file, Random* random) {
  int changes = 1 + static_cast<int>(random->Below(4));
  for (int c = 0; c < changes; ++c) {
    switch (random->Below(5)) {
      case 0: {  // an edge value over a header field
        size_t at = random->Below(3) != 0 ? 14 + 2 * random->Below(36) : random->Below(64);
        uint32_t v = kEdges[random->Below(sizeof kEdges / sizeof kEdges[0])];
        int width = random->Below(2) ? 2 : 4;
        bool big = random->Below(4) == 0;  // JPEG's fields are big-endian
        for (int i = 0; i < width && at + i < file->size(); ++i) {
          int shift = big ? 8 * (width - 1 - i) : 8 * i;
          (*file)[at + i] = static_cast<char>((v >> shift) & 0xFF);
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
      case 2:  // run bytes put in after the headers
        if (file->size() > 54) {
          size_t at = 54 + random->Below(static_cast<uint32_t>(file->size() - 54));
          file->insert(at, RunPair(random));
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
  auto check = [](const std::string& file) {
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(file.data());
    zep::BmpPicture picture;
    bool accepted = zep::CheckPictureFile(bytes, file.size(), &picture) != zep::PictureKind::kRefused;
    CheckOne(bytes, file.size());
    return accepted;
  };
  auto mutate = [](std::string* file, Random* random, long) { Mutate(file, random); };
  return zep::RunSeeded(argc, argv, Seeds(), mutate, check);
}

#endif
