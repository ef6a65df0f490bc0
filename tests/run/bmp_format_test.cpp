// The BMP checks, the colour-count rule and the layout of written files.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/bmp_format.h"
#include "tests/run/bmp_test_files.h"

namespace zep {
namespace {

BmpCheck Check(const std::string& file, BmpPicture* picture) {
  return CheckBmp(reinterpret_cast<const uint8_t*>(file.data()), file.size(), picture);
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
    {"header of 13 bytes", With([](BmpFields* f) { f->info_size = 13; f->pixel_bytes = 100; }),
     BmpCheck::kBadHeaderSize},
    {"header of 39 bytes", With([](BmpFields* f) { f->info_size = 39; f->pixel_bytes = 100; }),
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
    {"JPEG inside", With([](BmpFields* f) { f->compression = 4; }), BmpCheck::kCompressed},
    {"PNG inside", With([](BmpFields* f) { f->compression = 5; }), BmpCheck::kCompressed},
    {"masks with alpha", With([](BmpFields* f) { f->bit_count = 32; f->compression = 6; }),
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
  BmpPicture picture;
  EXPECT_EQ(Check(MakeBmp(row.fields), &picture), row.result) << row.what;
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
  BmpPicture picture;
  ASSERT_EQ(Check(file, &picture), BmpCheck::kOk);
  for (size_t n = 0; n < file.size(); ++n) {
    EXPECT_NE(Check(file.substr(0, n), &picture), BmpCheck::kOk) << n;
  }
}

TEST(BmpFormat, ImagePointsIntoTheFile) {
  BmpFields f;
  f.bit_count = 8;
  f.clr_used = 4;
  f.table_entries = 4;
  f.info_size = 56;
  std::string file = MakeBmp(f);
  BmpPicture picture;
  ASSERT_EQ(Check(file, &picture), BmpCheck::kOk);
  const BmpImage& image = picture.image;
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
  BmpPicture picture;
  ASSERT_EQ(Check(file, &picture), BmpCheck::kOk);
  EXPECT_EQ(picture.image.pixels, reinterpret_cast<const uint8_t*>(file.data()) + 54);
}

// --- Files stored other ways: runs, bit fields, OS/2 headers -----------------

// The colour of pixel (x, y) of a checked image, y counted from the top, as
// a letter of kNamedColours ('?' for any other colour or an index beyond
// the colour table).
char PixelLetter(const BmpImage& image, int32_t x, int32_t y) {
  int32_t rows = image.height < 0 ? -image.height : image.height;
  int32_t file_row = image.height < 0 ? y : rows - 1 - y;
  const uint8_t* row = image.pixels + DibStride(image.width, image.bit_count) * file_row;
  uint8_t r, g, b;
  if (image.bit_count <= 8) {
    int bits = image.bit_count;
    int bit = x * bits;
    uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
    if (index >= image.colours) return '?';
    const uint8_t* entry = image.colour_table + 4 * index;
    b = entry[0], g = entry[1], r = entry[2];
  } else if (image.bit_count == 24 || image.bit_count == 32) {
    const uint8_t* p = row + x * (image.bit_count / 8);
    b = p[0], g = p[1], r = p[2];
  } else {
    return '?';
  }
  for (const Named& c : kNamedColours) {
    if (c.r == r && c.g == g && c.b == b) return c.letter;
  }
  return '?';
}

// The image's rows from the top, one letter a pixel.
std::vector<std::string> Letters(const BmpImage& image) {
  std::vector<std::string> rows;
  int32_t n = image.height < 0 ? -image.height : image.height;
  for (int32_t y = 0; y < n; ++y) {
    std::string row;
    for (int32_t x = 0; x < image.width; ++x) row += PixelLetter(image, x, y);
    rows.push_back(row);
  }
  return rows;
}

struct KindRow {
  const char* what;
  std::string file;
  std::vector<std::string> pixels;  // from the top row
};

void PrintTo(const KindRow& row, std::ostream* os) { *os << row.what; }

std::string Masks(uint32_t red, uint32_t green, uint32_t blue) {
  return Le32(red) + Le32(green) + Le32(blue);
}

const std::string kHead = FileHeader();

const KindRow kKindRows[] = {
    // Runs, bottom row first: an encoded run, an end of line; an absolute
    // run of 3 (padded to 4 bytes), a run of 1; a move to (1, 2), a run of 2,
    // the end. The pixels the runs skip take entry 0.
    {"8-bit runs",
     kHead + InfoHeader(40, 4, 3, 8, 1, 6) + Table(6) +
         Hex("0401 0000 0003 020304 00 0105 0000 0002 0100 0203 0001"),
     {"kbbk", "gbwy", "rrrr"}},
    // 4 bits: an encoded run takes the two halves of its byte in turn.
    {"4-bit runs",
     kHead + InfoHeader(40, 5, 2, 4, 2, 6) + Table(6) + Hex("0512 0000 0003 3450 0210 0001"),
     {"bwyrk", "rgrgr"}},
    {"4-bit absolute run of 5, padded to a word",
     kHead + InfoHeader(40, 6, 1, 4, 2, 6) + Table(6) + Hex("0005 123450 00 0100 0001"),
     {"rgbwyk"}},
    {"8-bit runs with an end of line after the top row",
     kHead + InfoHeader(40, 2, 2, 8, 1, 6) + Table(6) + Hex("0204 0000 0205 0000 0001"),
     {"yy", "ww"}},
    {"8-bit runs that end early",
     kHead + InfoHeader(40, 3, 2, 8, 1, 6) + Table(6) + Hex("0104 0001"), {"kkk", "wkk"}},
    {"8-bit runs with bytes after the end",
     kHead + InfoHeader(40, 1, 1, 8, 1, 6) + Table(6) + Hex("0102 0001 0501 0000"), {"g"}},
    // Bit fields: 5-6-5 after a 40-byte header, bottom-up.
    {"16-bit fields after a 40-byte header",
     kHead + InfoHeader(40, 2, 2, 16, 3) + Masks(0xF800, 0x07E0, 0x001F) + Le16(0xF800) +
         Le16(0x07E0) + Le16(0x001F) + Le16(0xFFFF),
     {"bw", "rg"}},
    // 5-5-5 inside a 108-byte header, top-down, rows padded to 4 bytes.
    {"16-bit fields in a 108-byte header, top-down",
     kHead + MaskedHeader(108, 3, -2, 16, 0x7C00, 0x03E0, 0x001F) + Le16(0x7C00) + Le16(0x03E0) +
         Le16(0x001F) + Le16(0) + Le16(0x7FFF) + Le16(0) + Le16(0x7FE0) + Le16(0),
     {"rgb", "wky"}},
    // Red in the low byte, blue in the third: not the usual order.
    {"32-bit fields in a 124-byte header",
     kHead + MaskedHeader(124, 2, 1, 32, 0xFF, 0xFF00, 0xFF0000) + Le32(0xFF) + Le32(0xFF0000),
     {"rb"}},
    {"32-bit fields of 10 bits after a 40-byte header",
     kHead + InfoHeader(40, 2, 1, 32, 3) + Masks(0x3FF00000, 0xFFC00, 0x3FF) + Le32(0x3FFFFC00) +
         Le32(0x3FF),
     {"yb"}},
    {"16-bit fields in a 56-byte header",
     kHead + MaskedHeader(56, 1, 1, 16, 0xF800, 0x07E0, 0x001F) + Le16(0x07E0) + Le16(0),
     {"g"}},
    // OS/2: 3-byte colour table entries, rows as in Windows files.
    {"OS/2 1-bit", kHead + CoreHeader(3, 1, 1) + Table(2, 3) + Hex("A0000000"), {"rkr"}},
    {"OS/2 4-bit", kHead + CoreHeader(3, 2, 4) + Table(16, 3) + Hex("12300000 45000000"),
     {"wyk", "rgb"}},
    {"OS/2 8-bit", kHead + CoreHeader(2, 2, 8) + Table(256, 3) + Hex("05040000 03020000"),
     {"bg", "yw"}},
    {"OS/2 24-bit", kHead + CoreHeader(2, 1, 24) + Hex("0000FF 00FF00 0000"), {"rg"}},
};

class BmpKinds : public ::testing::TestWithParam<KindRow> {};

TEST_P(BmpKinds, PixelsAsDrawn) {
  const KindRow& row = GetParam();
  BmpPicture picture;
  ASSERT_EQ(Check(row.file, &picture), BmpCheck::kOk) << row.what;
  EXPECT_EQ(Letters(picture.image), row.pixels) << row.what;
}

// A file that would be sound but for its end refuses every cut of it.
TEST_P(BmpKinds, EveryCutIsRefused) {
  const KindRow& row = GetParam();
  if (std::string(row.what).find("bytes after the end") != std::string::npos) return;
  BmpPicture picture;
  for (size_t n = 0; n < row.file.size(); ++n) {
    EXPECT_NE(Check(row.file.substr(0, n), &picture), BmpCheck::kOk) << row.what << " " << n;
  }
}

std::string TestName(const char* what) {
  std::string name;
  for (const char* p = what; *p != '\0'; ++p) {
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, BmpKinds, ::testing::ValuesIn(kKindRows),
                         [](const ::testing::TestParamInfo<KindRow>& info) {
                           return TestName(info.param.what);
                         });

struct LieRow {
  const char* what;
  std::string file;
  BmpCheck result;
};

void PrintTo(const LieRow& row, std::ostream* os) { *os << row.what; }

std::string Runs8(int32_t width, int32_t height, const char* runs) {
  return kHead + InfoHeader(40, width, height, 8, 1, 6) + Table(6) + Hex(runs);
}

std::string Fields16(uint32_t red, uint32_t green, uint32_t blue) {
  return kHead + InfoHeader(40, 1, 1, 16, 3) + Masks(red, green, blue) + Le32(0);
}

const LieRow kLieRows[] = {
    // Compressions that do not fit the bit count or the header.
    {"8-bit runs on 24 bits", kHead + InfoHeader(40, 2, 1, 24, 1) + Hex("0200 0001"),
     BmpCheck::kCompressed},
    {"4-bit runs on 8 bits", kHead + InfoHeader(40, 2, 1, 8, 2, 6) + Table(6) + Hex("0200 0001"),
     BmpCheck::kCompressed},
    {"8-bit runs on 4 bits", kHead + InfoHeader(40, 2, 1, 4, 1, 6) + Table(6) + Hex("0200 0001"),
     BmpCheck::kCompressed},
    {"bit fields on 24 bits", kHead + InfoHeader(40, 1, 1, 24, 3) + Masks(0xFF0000, 0xFF00, 0xFF) +
                                  Le32(0),
     BmpCheck::kCompressed},
    {"bit fields on 8 bits", kHead + InfoHeader(40, 1, 1, 8, 3) + Masks(0xE0, 0x1C, 0x03) +
                                 Le32(0),
     BmpCheck::kCompressed},
    // A 64-byte header is OS/2's, where 3 means Huffman coding.
    {"bit fields in a 64-byte header", kHead + InfoHeader(64, 1, 1, 32, 3) + Le32(0),
     BmpCheck::kCompressed},
    {"bit fields in a 44-byte header", kHead + InfoHeader(44, 1, 1, 32, 3) + Le32(0),
     BmpCheck::kCompressed},
    // Runs are bottom-up only.
    {"runs top-down", Runs8(2, -1, "0201 0001"), BmpCheck::kTopDownRuns},
    // Runs and moves that leave the picture.
    {"encoded run past the line's end", Runs8(4, 3, "0501 0001"), BmpCheck::kBadRuns},
    {"second run past the line's end", Runs8(4, 1, "0201 0301 0001"), BmpCheck::kBadRuns},
    {"absolute run past the line's end", Runs8(4, 1, "0005 0101010101 00 0001"),
     BmpCheck::kBadRuns},
    {"4-bit run past the line's end",
     kHead + InfoHeader(40, 5, 1, 4, 2, 6) + Table(6) + Hex("0612 0001"), BmpCheck::kBadRuns},
    {"4-bit absolute run past the line's end",
     kHead + InfoHeader(40, 5, 1, 4, 2, 6) + Table(6) + Hex("0006 121212 00 0001"),
     BmpCheck::kBadRuns},
    {"move past the right edge", Runs8(4, 2, "0002 0500 0001"), BmpCheck::kBadRuns},
    {"move past the top", Runs8(4, 2, "0002 0002 0001"), BmpCheck::kBadRuns},
    {"move to the right edge, then a run", Runs8(4, 2, "0002 0400 0101 0001"),
     BmpCheck::kBadRuns},
    {"end of line past the top", Runs8(1, 2, "0000 0000 0000 0001"), BmpCheck::kBadRuns},
    {"run after the top row", Runs8(1, 1, "0000 0101 0001"), BmpCheck::kBadRuns},
    // Runs the file's end cuts.
    {"no end of bitmap", Runs8(2, 1, "0201 0000"), BmpCheck::kShortPixels},
    {"no runs at all", Runs8(2, 1, ""), BmpCheck::kShortPixels},
    {"a lone escape", Runs8(2, 1, "00"), BmpCheck::kShortPixels},
    {"absolute run cut short", Runs8(4, 1, "0004 0102"), BmpCheck::kShortPixels},
    {"absolute run without its pad", Runs8(4, 1, "0003 010203"), BmpCheck::kShortPixels},
    {"move cut short", Runs8(4, 2, "0002 01"), BmpCheck::kShortPixels},
    // Bit fields.
    {"an empty mask", Fields16(0xF800, 0x07E0, 0), BmpCheck::kBadMasks},
    {"a mask in two pieces", Fields16(0xF0F0, 0x0F00, 0x000F), BmpCheck::kBadMasks},
    {"overlapping masks", Fields16(0xF800, 0x0FE0, 0x001F), BmpCheck::kBadMasks},
    {"a mask beyond 16 bits", Fields16(0x1F0000, 0x07E0, 0x001F), BmpCheck::kBadMasks},
    {"masks inside the header, one empty",
     kHead + MaskedHeader(108, 1, 1, 32, 0xFF0000, 0, 0xFF) + Le32(0), BmpCheck::kBadMasks},
    {"masks cut by the file's end",
     kHead + InfoHeader(40, 1, 1, 16, 3) + Le32(0xF800) + Le32(0x07E0), BmpCheck::kShortTable},
    {"bit-field pixels short",
     kHead + InfoHeader(40, 2, 2, 16, 3) + Masks(0xF800, 0x07E0, 0x001F) + Hex("000000000000"),
     BmpCheck::kShortPixels},
    {"bit-field colour table short",
     kHead + InfoHeader(40, 1, 1, 32, 3, 4) + Masks(0xFF0000, 0xFF00, 0xFF) + Table(3),
     BmpCheck::kShortTable},
    // OS/2 headers.
    {"OS/2 16 bits", kHead + CoreHeader(1, 1, 16) + Le32(0), BmpCheck::kBadBitCount},
    {"OS/2 32 bits", kHead + CoreHeader(1, 1, 32) + Le32(0), BmpCheck::kBadBitCount},
    {"OS/2 two planes", kHead + CoreHeader(1, 1, 24, 2) + Le32(0), BmpCheck::kBadPlanes},
    {"OS/2 zero width", kHead + CoreHeader(0, 1, 24) + Le32(0), BmpCheck::kBadSize},
    {"OS/2 height 65535 (no top-down)", kHead + CoreHeader(1, 65535, 24) + Le32(0),
     BmpCheck::kBadSize},
    {"OS/2 table cut short", kHead + CoreHeader(1, 1, 8) + Table(255, 3), BmpCheck::kShortTable},
    {"OS/2 pixels short", kHead + CoreHeader(3, 2, 4) + Table(16, 3) + Hex("12300000"),
     BmpCheck::kShortPixels},
    {"OS/2 header cut", kHead + Le32(12) + Le16(1) + Le16(1), BmpCheck::kTooShort},
};

class BmpLies : public ::testing::TestWithParam<LieRow> {};

TEST_P(BmpLies, Refused) {
  const LieRow& row = GetParam();
  BmpPicture picture;
  EXPECT_EQ(Check(row.file, &picture), row.result) << row.what;
}

INSTANTIATE_TEST_SUITE_P(Rows, BmpLies, ::testing::ValuesIn(kLieRows),
                         [](const ::testing::TestParamInfo<LieRow>& info) {
                           return TestName(info.param.what);
                         });

// Each bit field is scaled to 0..255 and rounded: v * 255 / max.
TEST(BmpFormat, BitFieldsAreScaledAndRounded) {
  struct Row {
    uint32_t red, green, blue, pixel;
    uint8_t r, g, b;
  };
  const Row rows[] = {
      {0xF800, 0x07E0, 0x001F, 16u << 11 | 32u << 5 | 1, 132, 130, 8},  // 5-6-5
      {0x8000, 0x7C00, 0x03E0, 0x8000 | 31u << 5, 255, 0, 255},       // 1-5-5
      {0x3FF00000, 0xFFC00, 0x3FF, 512u << 20 | 1023u << 10 | 1, 128, 255, 0},
      {0xFF000000, 0xFF0000, 0xFF00, 0x01020380, 1, 2, 3},  // the low byte is unused
  };
  for (const Row& r : rows) {
    bool wide = r.red > 0xFFFF;
    std::string file = kHead + InfoHeader(40, 1, 1, wide ? 32 : 16, 3) +
                       Masks(r.red, r.green, r.blue) + (wide ? Le32(r.pixel) : Le16(r.pixel) + Le16(0));
    BmpPicture picture;
    ASSERT_EQ(Check(file, &picture), BmpCheck::kOk) << std::hex << r.pixel;
    ASSERT_EQ(picture.image.bit_count, 32);
    const uint8_t* p = picture.image.pixels;
    EXPECT_EQ(std::vector<int>({p[0], p[1], p[2], p[3]}), std::vector<int>({r.b, r.g, r.r, 0}))
        << std::hex << r.pixel;
  }
}

// What the platform is handed: runs become 8-bit rows bottom-up with the
// file's colour table, bit fields 32-bit rows in the file's order with the
// colour table the file has (its palette), OS/2 files their own rows with a
// 4-byte table.
TEST(BmpFormat, ConvertedImagesKeepTheirColourTables) {
  std::string runs4 = kHead + InfoHeader(40, 5, 2, 4, 2, 6) + Table(6) + Hex("0512 0000 0001");
  BmpPicture picture;
  ASSERT_EQ(Check(runs4, &picture), BmpCheck::kOk);
  EXPECT_EQ(picture.image.bit_count, 8);
  EXPECT_EQ(picture.image.height, 2);
  EXPECT_EQ(picture.image.colours, 6u);
  EXPECT_EQ(picture.image.colour_table, reinterpret_cast<const uint8_t*>(runs4.data()) + 54);
  EXPECT_EQ(picture.image.image_size, 16u);  // two rows of 5 bytes padded to 8

  std::string fields = kHead + InfoHeader(40, 3, -1, 32, 3, 2) + Masks(0xFF0000, 0xFF00, 0xFF) +
                       Table(2) + Le32(0xFF0000) + Le32(0xFF00) + Le32(0xFF);
  ASSERT_EQ(Check(fields, &picture), BmpCheck::kOk);
  EXPECT_EQ(picture.image.height, -1);
  EXPECT_EQ(picture.image.colours, 2u);
  EXPECT_EQ(picture.image.colour_table, reinterpret_cast<const uint8_t*>(fields.data()) + 66);
  EXPECT_EQ(Letters(picture.image), std::vector<std::string>{"rgb"});

  std::string os2 = kHead + CoreHeader(1, 1, 1) + Table(2, 3) + Hex("80000000");
  ASSERT_EQ(Check(os2, &picture), BmpCheck::kOk);
  EXPECT_EQ(picture.image.colours, 2u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(picture.image.colour_table), 8), Table(2));
  EXPECT_EQ(picture.image.pixels, reinterpret_cast<const uint8_t*>(os2.data()) + 32);
}

// The file handed to the picture decoder holds exactly the checked image:
// its own pixel offset, a 40-byte header, no compression.
TEST(BmpFormat, FileOfTheCheckedImage) {
  std::string runs = Runs8(3, 2, "0301 0000 0102 0001");
  runs[10] = '\x7F';  // a pixel offset that points nowhere
  BmpPicture picture;
  ASSERT_EQ(Check(runs, &picture), BmpCheck::kOk);
  std::string file = BmpFileOf(picture.image);
  EXPECT_EQ(file, "BM" + Le32(14 + 40 + 24 + 8) + Le32(0) + Le32(14 + 40 + 24) +
                      InfoHeader(40, 3, 2, 8, 0, 6).replace(20, 4, Le32(8)) + Table(6) +
                      Hex("010101 00 020000 00"));
  BmpPicture again;
  ASSERT_EQ(Check(file, &again), BmpCheck::kOk);
  EXPECT_EQ(Letters(again.image), Letters(picture.image));
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
    BmpPicture picture;
    ASSERT_EQ(Check(file, &picture), BmpCheck::kOk) << bits;
    const BmpImage& image = picture.image;
    EXPECT_EQ(image.colours, bits <= 8 ? 1u << bits : 0u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.pixels), image.image_size),
              dib.pixels);
  }
}

}  // namespace
}  // namespace zep
