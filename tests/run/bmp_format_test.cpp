// The BMP checks, the colour-count rule and the layout of written files.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>

#include "graphics/bmp_format.h"
#include "tests/run/bmp_test_files.h"

namespace zep {
namespace {

BmpCheck Check(const std::string& file, BmpImage* image) {
  return CheckBmp(reinterpret_cast<const uint8_t*>(file.data()), file.size(), image);
}

struct CountRow {
  uint32_t bi_size;
  uint16_t bits;
  uint32_t clr_used;
  uint32_t colours;
};

TEST(BmpFormat, ColorTableSize) {
  const CountRow rows[] = {
      {40, 1, 0, 2},     {40, 4, 0, 16},   {40, 8, 0, 256},  {40, 24, 0, 0},
      {40, 32, 0, 0},    {40, 8, 7, 7},    {40, 24, 12, 12}, {36, 8, 5, 5},
      {35, 8, 5, 256},   {12, 4, 3, 16},   {124, 16, 0, 0},  {40, 1, 300, 300},
  };
  for (const CountRow& r : rows) {
    EXPECT_EQ(ColorTableSize(r.bi_size, r.bits, r.clr_used), r.colours)
        << r.bi_size << " " << r.bits << " " << r.clr_used;
  }
}

struct CheckRow {
  const char* what;
  BmpFields fields;
  BmpCheck result;
};

BmpFields With(void (*change)(BmpFields*)) {
  BmpFields f;
  change(&f);
  return f;
}

const CheckRow kCheckRows[] = {
    {"24-bit bottom-up", BmpFields{}, BmpCheck::kOk},
    {"24-bit top-down", With([](BmpFields* f) { f->height = -2; }), BmpCheck::kOk},
    {"1-bit", With([](BmpFields* f) { f->bit_count = 1; f->table_entries = 2; }), BmpCheck::kOk},
    {"4-bit", With([](BmpFields* f) { f->bit_count = 4; f->table_entries = 16; }), BmpCheck::kOk},
    {"8-bit", With([](BmpFields* f) { f->bit_count = 8; f->table_entries = 256; }), BmpCheck::kOk},
    {"8-bit with 3 colours used",
     With([](BmpFields* f) { f->bit_count = 8; f->clr_used = 3; f->table_entries = 3; }),
     BmpCheck::kOk},
    {"16-bit", With([](BmpFields* f) { f->bit_count = 16; }), BmpCheck::kOk},
    {"32-bit", With([](BmpFields* f) { f->bit_count = 32; }), BmpCheck::kOk},
    {"version 5 header", With([](BmpFields* f) { f->info_size = 124; }), BmpCheck::kOk},
    {"extra bytes after the pixels", With([](BmpFields* f) { f->pixel_bytes = 100; }),
     BmpCheck::kOk},
    {"not BM", With([](BmpFields* f) { f->magic = "MB"; }), BmpCheck::kNotBmp},
    {"OS/2 header", With([](BmpFields* f) { f->info_size = 12; f->pixel_bytes = 100; }),
     BmpCheck::kBadHeaderSize},
    {"header beyond 124 bytes", With([](BmpFields* f) { f->info_size = 200; }),
     BmpCheck::kBadHeaderSize},
    {"zero width", With([](BmpFields* f) { f->width = 0; }), BmpCheck::kBadSize},
    {"negative width", With([](BmpFields* f) { f->width = -3; f->pixel_bytes = 24; }),
     BmpCheck::kBadSize},
    {"zero height", With([](BmpFields* f) { f->height = 0; }), BmpCheck::kBadSize},
    {"huge width", With([](BmpFields* f) { f->width = 0x7FFFFFFF; f->pixel_bytes = 0; }),
     BmpCheck::kBadSize},
    {"most negative height", With([](BmpFields* f) { f->height = INT32_MIN; f->pixel_bytes = 0; }),
     BmpCheck::kBadSize},
    {"too many pixels in all",
     With([](BmpFields* f) { f->width = 16384; f->height = 2048; f->bit_count = 1;
                             f->table_entries = 2; f->pixel_bytes = 0; }),
     BmpCheck::kBadSize},
    {"two planes", With([](BmpFields* f) { f->planes = 2; }), BmpCheck::kBadPlanes},
    {"bit count 0", With([](BmpFields* f) { f->bit_count = 0; }), BmpCheck::kBadBitCount},
    {"bit count 2", With([](BmpFields* f) { f->bit_count = 2; }), BmpCheck::kBadBitCount},
    {"bit count 64", With([](BmpFields* f) { f->bit_count = 64; }), BmpCheck::kBadBitCount},
    {"run-length compression",
     With([](BmpFields* f) { f->bit_count = 8; f->table_entries = 256; f->compression = 1; }),
     BmpCheck::kCompressed},
    {"colour masks", With([](BmpFields* f) { f->bit_count = 32; f->compression = 3; }),
     BmpCheck::kCompressed},
    {"more colours than 4 bits index",
     With([](BmpFields* f) { f->bit_count = 4; f->clr_used = 17; f->table_entries = 17; }),
     BmpCheck::kBadColours},
    {"colour count beyond 256 on 24 bits",
     With([](BmpFields* f) { f->clr_used = 257; f->table_entries = 257; }),
     BmpCheck::kBadColours},
    {"colour count of four billion",
     With([](BmpFields* f) { f->clr_used = 0xFFFFFFFF; }), BmpCheck::kBadColours},
    {"table cut short",
     With([](BmpFields* f) { f->bit_count = 8; f->table_entries = 255; f->pixel_bytes = 0; }),
     BmpCheck::kShortTable},
    {"last row one byte short", With([](BmpFields* f) { f->pixel_bytes = 15; }),
     BmpCheck::kShortPixels},
    {"no pixels", With([](BmpFields* f) { f->pixel_bytes = 0; }), BmpCheck::kShortPixels},
    {"large size over few bytes",
     With([](BmpFields* f) { f->width = 4096; f->height = 4096; f->pixel_bytes = 64; }),
     BmpCheck::kShortPixels},
};

void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.what; }

class BmpCheckTest : public ::testing::TestWithParam<CheckRow> {};

TEST_P(BmpCheckTest, Result) {
  const CheckRow& row = GetParam();
  BmpImage image{};
  EXPECT_EQ(Check(MakeBmp(row.fields), &image), row.result) << row.what;
}

INSTANTIATE_TEST_SUITE_P(Rows, BmpCheckTest, ::testing::ValuesIn(kCheckRows),
                         [](const ::testing::TestParamInfo<CheckRow>& info) {
                           std::string name;
                           for (const char* p = info.param.what; *p != '\0'; ++p) {
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           }
                           return name;
                         });

TEST(BmpFormat, EveryCutOfASoundFileIsRefused) {
  BmpFields f;
  f.bit_count = 4;
  f.table_entries = 16;
  std::string file = MakeBmp(f);
  BmpImage image{};
  ASSERT_EQ(Check(file, &image), BmpCheck::kOk);
  for (size_t n = 0; n < file.size(); ++n) {
    EXPECT_NE(Check(file.substr(0, n), &image), BmpCheck::kOk) << n;
  }
}

TEST(BmpFormat, ImagePointsIntoTheFile) {
  BmpFields f;
  f.bit_count = 8;
  f.clr_used = 4;
  f.table_entries = 4;
  f.info_size = 56;
  std::string file = MakeBmp(f);
  BmpImage image{};
  ASSERT_EQ(Check(file, &image), BmpCheck::kOk);
  const uint8_t* start = reinterpret_cast<const uint8_t*>(file.data());
  EXPECT_EQ(image.colour_table, start + 14 + 56);
  EXPECT_EQ(image.pixels, start + 14 + 56 + 16);
  EXPECT_EQ(image.colours, 4u);
  EXPECT_EQ(image.image_size, 8u);  // two rows of 3 bytes padded to 4
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.bit_count, 8);
}

// The reader starts the pixels right after the colour table, whatever the
// pixel offset field says.
TEST(BmpFormat, PixelOffsetFieldIsNotUsed) {
  std::string file = MakeBmp(BmpFields{});
  file[10] = '\x7F';
  BmpImage image{};
  ASSERT_EQ(Check(file, &image), BmpCheck::kOk);
  EXPECT_EQ(image.pixels, reinterpret_cast<const uint8_t*>(file.data()) + 54);
}

uint32_t At32(const std::string& s, size_t at) {
  uint32_t v;
  std::memcpy(&v, s.data() + at, 4);
  return v;
}

struct LayoutRow {
  int32_t width, height;
  uint16_t bits;
  uint32_t platform_size;
  size_t file_size;
  uint32_t offset, image_size;
};

TEST(BmpFormat, WrittenLayout) {
  const LayoutRow rows[] = {
      {10, 10, 32, 400, 454, 54, 400},
      {10, 10, 32, 0, 454, 54, 400},
      {3, 2, 24, 0, 78, 54, 24},
      {3, 2, 8, 0, 54 + 1024 + 8, 54 + 1024, 8},
      {5, 3, 1, 0, 54 + 8 + 12, 62, 12},
      {5, 3, 4, 0, 54 + 64 + 12, 118, 12},
      {7, 1, 16, 0, 54 + 16, 54, 16},
      {2, 2, 24, 20, 74, 54, 20},
  };
  for (const LayoutRow& r : rows) {
    DibPixels dib{r.width, r.height, r.bits, r.platform_size, std::string(1024, '\x11'),
                  std::string(r.image_size, '\x22')};
    std::string file = BuildBmpFile(dib);
    ASSERT_EQ(file.size(), r.file_size) << r.width << "x" << r.height << " " << r.bits;
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(At32(file, 2), r.file_size);
    EXPECT_EQ(At32(file, 6), 0u);
    EXPECT_EQ(At32(file, 10), r.offset);
    EXPECT_EQ(At32(file, 14), 40u);
    EXPECT_EQ(At32(file, 18), static_cast<uint32_t>(r.width));
    EXPECT_EQ(At32(file, 22), static_cast<uint32_t>(r.height));
    EXPECT_EQ(file[26], 1);
    EXPECT_EQ(file[27], 0);
    EXPECT_EQ(static_cast<uint8_t>(file[28]), r.bits);
    EXPECT_EQ(At32(file, 30), 0u);
    EXPECT_EQ(At32(file, 34), r.image_size);
    EXPECT_EQ(file.substr(38, 16), std::string(16, '\0'));
    EXPECT_EQ(file.substr(54, r.offset - 54), std::string(r.offset - 54, '\x11'));
    EXPECT_EQ(file.substr(r.offset), std::string(r.image_size, '\x22'));
  }
}

// What the writer makes, the reader takes back with the same pixels.
TEST(BmpFormat, WrittenFilesReadBack) {
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    DibPixels dib{9, 5, bits, 0, std::string(4u << (bits <= 8 ? bits : 0), '\x33'), ""};
    for (uint32_t k = 0; k < SavedImageSize(dib); ++k) dib.pixels.push_back(static_cast<char>(k));
    std::string file = BuildBmpFile(dib);
    BmpImage image{};
    ASSERT_EQ(Check(file, &image), BmpCheck::kOk) << bits;
    EXPECT_EQ(image.colours, bits <= 8 ? 1u << bits : 0u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.pixels), image.image_size),
              dib.pixels);
  }
}

}  // namespace
}  // namespace zep
