// The checks of the picture files handed to the platform's decoder: which
// files of each kind pass, and which lies refuse them.
#include <gtest/gtest.h>

#include <string>

#include "graphics/picture_check.h"
#include "tests/run/bmp_test_files.h"
#include "tests/run/picture_test_files.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

struct KindRow {
  const char* what;
  std::string file;
  PictureKind kind;
};

void PrintTo(const KindRow& row, std::ostream* os) { *os << row.what; }

std::string With(std::string file, size_t at, const std::string& bytes) {
  return file.replace(at, bytes.size(), bytes);
}

// Offsets in the test files: MakeJpeg's frame header starts at 89 (its
// height at 94, its width at 96), its scan header at 124; MakeGif's first
// image descriptor at 27 (its sides at 32 and 34, its packed field at 36,
// the code size at 37); MakeIco's first entry at 6 (its byte count at 14,
// its offset at 18).
const std::string kJpeg = MakeJpeg(16, 16);
const std::string kGif = MakeGif(16, 16, {{0, 0, 16, 16}});
const std::string kIco = MakeIco({{16, 16, 4, false}});
constexpr PictureKind kRefused = PictureKind::kRefused;

const KindRow kRows[] = {
    // Bitmaps: as LoadBMP reads them.
    {"a bitmap", MakeBmp(BmpFields{}), PictureKind::kBitmap},
    {"a bitmap of runs",
     FileHeader() + InfoHeader(40, 2, 1, 8, 1, 6) + Table(6) + Hex("0201 0001"),
     PictureKind::kBitmap},
    {"a bitmap cut short", MakeBmp(BmpFields{}).substr(0, 60), kRefused},
    {"a bitmap of 1,000,000 x 7",
     FileHeader() + InfoHeader(40, 1000000, 7, 24, 0) + std::string(100, '\0'), kRefused},
    {"BM alone", "BM", kRefused},
    // JPEG.
    {"a JPEG", kJpeg, PictureKind::kJpeg},
    {"a JPEG of 16384 x 1024", MakeJpeg(16384, 1024), PictureKind::kJpeg},
    {"a JPEG with fill bytes before a marker", kJpeg.substr(0, 2) + Hex("FFFF") + kJpeg.substr(2),
     PictureKind::kJpeg},
    {"a JPEG of 16385 x 1", MakeJpeg(16385, 1), kRefused},
    {"a JPEG of 16384 x 1025", MakeJpeg(16384, 1025), kRefused},
    {"a JPEG of 65535 x 65535", MakeJpeg(65535, 65535), kRefused},
    {"a JPEG of width 0", MakeJpeg(0, 16), kRefused},
    {"a JPEG of height 0 (given by DNL)", MakeJpeg(16, 0), kRefused},
    {"a JPEG of precision 7", With(kJpeg, 93, Hex("07")), kRefused},
    {"a JPEG of 5 components", With(kJpeg, 98, Hex("05")), kRefused},
    {"a frame header longer than its components", With(kJpeg, 91, Hex("000C")), kRefused},
    {"a frame header shorter than its fields", With(kJpeg, 91, Hex("0007")), kRefused},
    {"a segment of length 1", With(kJpeg, 4, Hex("0001")), kRefused},
    {"a segment past the end", With(kJpeg, 4, Hex("7FFF")), kRefused},
    {"a scan before any frame header", Hex("FFD8") + kJpeg.substr(124), kRefused},
    {"two frame headers", kJpeg.substr(0, 102) + kJpeg.substr(89), kRefused},
    {"a scan header of 0 components", With(kJpeg, 128, Hex("00")), kRefused},
    {"a scan header that does not fit", With(kJpeg, 126, Hex("0009")), kRefused},
    {"an end before any scan", kJpeg.substr(0, 102) + Hex("FFD9"), kRefused},
    {"no marker where one is due", kJpeg.substr(0, 20) + "x" + kJpeg.substr(21), kRefused},
    {"a JPEG cut in its header", kJpeg.substr(0, 100), kRefused},
    {"a JPEG cut before its scan", kJpeg.substr(0, 124), kRefused},
    {"the start alone", Hex("FFD8"), kRefused},
    // GIF.
    {"a GIF", kGif, PictureKind::kGif},
    {"a GIF87a", "GIF87a" + kGif.substr(6), PictureKind::kGif},
    {"a GIF of two images", MakeGif(16, 16, {{0, 0, 8, 8}, {8, 8, 8, 8}}), PictureKind::kGif},
    {"a GIF without its trailer", kGif.substr(0, kGif.size() - 1), PictureKind::kGif},
    {"a GIF with a local colour table",
     With(kGif, 36, Hex("81")).substr(0, 37) + std::string(12, '\0') + kGif.substr(37),
     PictureKind::kGif},
    {"a GIF of 16384 x 1024", MakeGif(16384, 1024, {{0, 0, 1, 1}}), PictureKind::kGif},
    {"a GIF90a", "GIF90a" + kGif.substr(6), kRefused},
    {"a GIF screen of 65535 x 65535", MakeGif(65535, 65535, {{0, 0, 1, 1}}), kRefused},
    {"a GIF screen of 0 x 16", MakeGif(0, 16, {}), kRefused},
    {"a GIF image beyond the screen's right", MakeGif(16, 16, {{9, 0, 8, 8}}), kRefused},
    {"a GIF image beyond the screen's bottom", MakeGif(16, 16, {{0, 9, 8, 8}}), kRefused},
    {"a GIF image of width 0", MakeGif(16, 16, {{0, 0, 0, 8}}), kRefused},
    {"a GIF of no image", MakeGif(16, 16, {}), kRefused},
    {"a GIF of code size 9", With(kGif, 37, Hex("09")), kRefused},
    {"a GIF of code size 1", With(kGif, 37, Hex("01")), kRefused},
    {"a GIF's global table past the end", With(kGif.substr(0, 13), 10, Hex("87")), kRefused},
    {"a GIF's local table past the end", With(kGif, 36, Hex("87")), kRefused},
    {"a GIF sub-block past the end", With(kGif, 38, Hex("7F")), kRefused},
    {"a GIF extension past the end", With(kGif, 21, Hex("7F")), kRefused},
    {"a GIF of an unknown block", kGif.substr(0, kGif.size() - 1) + Hex("99"), kRefused},
    {"a GIF cut in a descriptor", kGif.substr(0, 30), kRefused},
    {"a GIF of 5 images of 4096 x 4096",
     MakeGif(4096, 4096, std::vector<GifImage>(5, {0, 0, 4096, 4096})), kRefused},
    // Icons.
    {"an icon", kIco, PictureKind::kIcon},
    {"an icon of two images", MakeIco({{16, 16, 4, false}, {32, 32, 32, false}}),
     PictureKind::kIcon},
    {"an icon of 256 x 256 (0 in its entry)", MakeIco({{0, 0, 8, false}}), PictureKind::kIcon},
    {"an icon with a PNG image", MakeIco({{48, 48, 32, true}}), PictureKind::kIcon},
    {"an icon with a PNG image of 512 x 512", With(MakeIco({{0, 0, 32, true}}), 22 + 16,
                                                   Be32(512) + Be32(512)),
     PictureKind::kIcon},
    {"an icon of 0 images", Hex("0000 0100 0000"), kRefused},
    {"a cursor", With(kIco, 2, Hex("0200")), kRefused},
    {"an icon whose directory is cut", kIco.substr(0, 20), kRefused},
    {"an image past the end", With(kIco, 18, Le32(0x7FFFFFF0)), kRefused},
    {"an image longer than the file", With(kIco, 14, Le32(297)), kRefused},
    {"an image of 0 bytes", With(kIco, 14, Le32(0)), kRefused},
    {"an image inside the directory", With(kIco, 18, Le32(6)), kRefused},
    {"an image too short for its rows", With(kIco, 14, Le32(295)), kRefused},
    {"an image wider than its entry", With(kIco, 6, Hex("08")), kRefused},
    {"an image of its entry's height alone", With(kIco, 22 + 8, Le32(16)), kRefused},
    {"an image header of 12 bytes", With(kIco, 22, Le32(12)), kRefused},
    {"an image of two planes", With(kIco, 22 + 12, Le16(2)), kRefused},
    {"an image of 3 bits", With(kIco, 22 + 14, Le16(3)), kRefused},
    {"an image with runs", With(kIco, 22 + 16, Le32(2)), kRefused},
    {"an image of 17 colours on 4 bits", With(kIco, 22 + 32, Le32(17)), kRefused},
    {"a PNG image of another size than its entry",
     With(MakeIco({{48, 48, 32, true}}), 22 + 16, Be32(49)), kRefused},
    {"a PNG image of 255 in an entry of 0",
     With(MakeIco({{0, 0, 32, true}}), 22 + 16, Be32(255)), kRefused},
    {"a PNG image of 16385 in an entry of 0",
     With(MakeIco({{0, 0, 32, true}}), 22 + 16, Be32(16385)), kRefused},
    {"a PNG image without its header chunk",
     With(MakeIco({{48, 48, 32, true}}), 22 + 12, "IEND"), kRefused},
    // Others.
    {"a PNG file", Hex("89504E470D0A1A0A") + Be32(13) + "IHDR" + Be32(16) + Be32(16), kRefused},
    {"a text file", "This is not a picture.", kRefused},
    {"nothing", "", kRefused},
};

class PictureChecks : public ::testing::TestWithParam<KindRow> {};

TEST_P(PictureChecks, Kind) {
  const KindRow& row = GetParam();
  BmpPicture bitmap;
  EXPECT_EQ(CheckPictureFile(reinterpret_cast<const uint8_t*>(row.file.data()), row.file.size(),
                             &bitmap),
            row.kind)
      << row.what;
}

// A sound file refuses every cut of it, but where the cut ends the blocks
// at a GIF's image or a JPEG's scan data (which the decoder reads).
TEST_P(PictureChecks, EveryCutOfASoundFileIsRefused) {
  const KindRow& row = GetParam();
  if (row.kind == kRefused || row.kind == PictureKind::kGif || row.kind == PictureKind::kJpeg) {
    return;
  }
  BmpPicture bitmap;
  for (size_t n = 0; n < row.file.size(); ++n) {
    EXPECT_EQ(CheckPictureFile(reinterpret_cast<const uint8_t*>(row.file.data()), n, &bitmap),
              kRefused)
        << row.what << " " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, PictureChecks, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<KindRow>& info) {
                           return RowName(info.param.what);
                         });

}  // namespace
}  // namespace zep
