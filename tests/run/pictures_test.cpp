// The picture commands against the recording canvas and file system: which
// files are read and written, what the platform is asked to convert, draw
// and capture, the dialogs, the codes, ANSWER and "FILE_NAME" afterwards.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/args.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "graphics/pictures.h"
#include "runtime/events.h"
#include "tests/run/bmp_test_files.h"
#include "tests/run/picture_test_files.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

using Calls = std::vector<std::string>;

const char kFilters[] = "ＢＭＰファイル(*.BMP)|*.BMP||";
const char kBack[] = "SubScreen(50,50);";

BmpFields EightBit() {
  BmpFields f;
  f.bit_count = 8;
  f.table_entries = 256;
  return f;
}

BmpFields TopDown() {
  BmpFields f;
  f.height = -2;
  return f;
}

const std::string kJpeg = MakeJpeg(16, 16);
const std::string kDecodeJpeg = "DecodePicture " + std::to_string(kJpeg.size()) + " bytes";

// A 154-byte bitmap that declares 1,000,000 x 7 pixels of 24 bits.
std::string WideBmp() {
  std::string file = FileHeader() + InfoHeader(40, 1000000, 7, 24, 0) + std::string(100, '\x55');
  file.replace(10, 4, Le32(54));
  return file;
}

// A sound 3 x 2 bitmap but for its header size field, 0xFF000028.
std::string HeaderSizeBmp() {
  std::string file = MakeBmp(BmpFields{});
  file.replace(14, 4, Le32(0xFF000028));
  return file;
}

class PicturesTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    host_.files["a.bmp"] = MakeBmp(EightBit());
    host_.files["td.bmp"] = MakeBmp(TopDown());
    host_.files["cut.bmp"] = MakeBmp(BmpFields{}).substr(0, 70);
    host_.files["text.bmp"] = "not a picture";
    host_.files["p.jpg"] = kJpeg;
    host_.files["wide.bmp"] = WideBmp();
    host_.files["size.bmp"] = HeaderSizeBmp();
    host_.files["start.zep"] = MakeBmp(BmpFields{});
    host_.files["C:\\pic.bmp"] = MakeBmp(BmpFields{});
    host_.files["C:\\bad.bmp"] = "BMxx";
    host_.locked.insert("locked.bmp");
    CopyText(file_name, sizeof file_name, "start.zep");
  }
  void TearDown() override {
    file_name[0] = '\0';
    RunTest::TearDown();
  }

  // The calls of the picture commands on the file system.
  Calls FileCalls() const {
    static const char* const kPrefixes[] = {"ReadWholeFile ", "ReplaceWholeFile ", "ChooseFile "};
    Calls out;
    for (const std::string& call : host_.calls) {
      for (const char* prefix : kPrefixes) {
        if (call.rfind(prefix, 0) == 0) out.push_back(call);
      }
    }
    return out;
  }
};

struct PictureRow {
  const char* create;
  const char* body;
  const char* dialog;  // the path the dialog gives; nullptr: cancelled
  int code;
  Calls canvas;
  Calls files;
  const char* file_name;  // "FILE_NAME" afterwards
  int32_t answer;
};

std::string Open(const char* title, const char* start = "*.BMP") {
  return std::string("ChooseFile ") + title + " " + kFilters + " start " + start;
}

const PictureRow kRows[] = {
    // LoadBMP converts the checked file and draws it on the current screen.
    {"", "LoadBMP(5,6,\"a.bmp\");", "", 0,
     {"KeepBitmap 3x2 8bit 256 colours", "DrawKeptBitmap front 5,6"}, {"ReadWholeFile a.bmp"},
     "a.bmp", 0},
    {"", "LoadBMP(-5,6+1,\"td.bmp\");", "", 0,
     {"KeepBitmap 3x-2 24bit 0 colours", "DrawKeptBitmap front -5,7"}, {"ReadWholeFile td.bmp"},
     "td.bmp", 0},
    {kBack, "SelectScreen(0);LoadBMP(1,2,\"a.bmp\");", "", 0,
     {"KeepBitmap 3x2 8bit 256 colours", "DrawKeptBitmap back 1,2"}, {"ReadWholeFile a.bmp"},
     "a.bmp", 0},
    {"", "LoadBMP(0,0,\"FILE_NAME\");", "", 0,
     {"KeepBitmap 3x2 24bit 0 colours", "DrawKeptBitmap front 0,0"}, {"ReadWholeFile start.zep"},
     "start.zep", 0},
    // Files that are not sound bitmaps never reach the platform.
    {"", "LoadBMP(0,0,\"cut.bmp\");", "", 15, {}, {"ReadWholeFile cut.bmp"}, "start.zep", 0},
    {"", "LoadBMP(0,0,\"text.bmp\");", "", 15, {}, {"ReadWholeFile text.bmp"}, "start.zep", 0},
    {"", "LoadBMP(0,0,\"none.bmp\");", "", 15, {}, {"ReadWholeFile none.bmp"}, "start.zep", 0},
    {"", "LoadBMP(0,0,\"locked.bmp\");", "", 15, {}, {"ReadWholeFile locked.bmp"}, "start.zep", 0},
    // The open data file is refused before anything else, the count too.
    {"", "OpenFileRead(\"a.bmp\");LoadBMP(0,0,\"a.bmp\");", "", 17, {}, {}, "a.bmp", 0},
    {"", "OpenFileRead(\"a.bmp\");LoadBMP();", "", 17, {}, {}, "a.bmp", 0},
    {"", "OpenFileRead(\"a.bmp\");SaveBMP(1);", "", 17, {}, {}, "a.bmp", 0},
    {"", "OpenFileRead(\"a.bmp\");LoadGrpFile(0,0,\"p.jpg\");", "", 17, {}, {}, "a.bmp", 0},
    {"", "OpenFileRead(\"a.bmp\");LoadBMPDlg(0,0);", "", 17, {}, {}, "a.bmp", 0},
    {"", "OpenFileRead(\"a.bmp\");SaveBMPDlg(0,0,1,1);", "", 17, {}, {}, "a.bmp", 0},
    // Argument counts and strings.
    {"", "LoadBMP(0,0);", "", 8, {}, {}, "start.zep", 0},
    {"", "LoadBMP(0,0,\"a.bmp\",1);", "", 23, {}, {}, "start.zep", 0},
    {"", "LoadBMP(0,0,a);", "", 9, {}, {}, "start.zep", 0},
    {"", "SaveBMP(0,0,1,1);", "", 8, {}, {}, "start.zep", 0},
    {"", "LoadGrpFile(0,\"p.jpg\");", "", 8, {}, {}, "start.zep", 0},
    {"", "LoadBMPDlg(0);", "", 8, {}, {}, "start.zep", 0},
    {"", "SaveBMPDlg(0,0,1,1,2);", "", 23, {}, {}, "start.zep", 0},
    // SaveBMP captures the current screen and replaces the file whole.
    {"", "SaveBMP(0,0,10,10,\"out.bmp\");", "", 0, {"CaptureBitmap front 0,0,10,10"},
     {"ReplaceWholeFile out.bmp 454"}, "out.bmp", 0},
    {kBack, "SelectScreen(0);SaveBMP(1,2,3,4,\"o.bmp\");", "", 0, {"CaptureBitmap back 1,2,3,4"},
     {"ReplaceWholeFile o.bmp 102"}, "o.bmp", 0},
    // A save reads through the kept palette and then forgets the kept picture.
    {"", "LoadBMP(0,0,\"a.bmp\");SaveBMP(1,2,3,4,\"o.bmp\");SaveBMP(1,2,3,4,\"o.bmp\");", "", 0,
     {"KeepBitmap 3x2 8bit 256 colours", "DrawKeptBitmap front 0,0",
      "CaptureBitmap front 1,2,3,4 kept palette", "ForgetKeptBitmap",
      "CaptureBitmap front 1,2,3,4"},
     {"ReadWholeFile a.bmp", "ReplaceWholeFile o.bmp 102", "ReplaceWholeFile o.bmp 102"}, "o.bmp",
     0},
    // "FILE_NAME" takes the name of a failed save too.
    {"", "SaveBMP(0,0,2,2,\"locked.bmp\");", "", 15, {"CaptureBitmap front 0,0,2,2"},
     {"ReplaceWholeFile locked.bmp 70"}, "locked.bmp", 0},
    {"", "SaveBMP(0,0,0,10,\"z.bmp\");", "", 15, {}, {}, "z.bmp", 0},
    {"", "SaveBMP(0,0,10,-1,\"z.bmp\");", "", 15, {}, {}, "z.bmp", 0},
    {"", "SaveBMP(0,0,16385,1,\"z.bmp\");", "", 15, {}, {}, "z.bmp", 0},
    {"", "SaveBMP(0,0,4097,4096,\"z.bmp\");", "", 15, {}, {}, "z.bmp", 0},
    // LoadBMPDlg: the open dialog starting at "*.BMP".
    {"", "LoadBMPDlg(3,4);", "C:\\pic.bmp", 0,
     {"KeepBitmap 3x2 24bit 0 colours", "DrawKeptBitmap front 3,4"},
     {Open("open ＢＭＰファイルのロード"), "ReadWholeFile C:\\pic.bmp"}, "C:\\pic.bmp", 1},
    {"", "x=LoadBMPDlg(3,4)+1;", "C:\\pic.bmp", 0,
     {"KeepBitmap 3x2 24bit 0 colours", "DrawKeptBitmap front 3,4"},
     {Open("open ＢＭＰファイルのロード"), "ReadWholeFile C:\\pic.bmp"}, "C:\\pic.bmp", 1},
    {"", "LoadBMPDlg(3,4);", nullptr, 0, {}, {Open("open ＢＭＰファイルのロード")}, "start.zep", 0},
    {"", "LoadBMPDlg(3,4);", "C:\\bad.bmp", 15, {},
     {Open("open ＢＭＰファイルのロード"), "ReadWholeFile C:\\bad.bmp"}, "start.zep", -1},
    // SaveBMPDlg: ".bmp" only when the path holds no "." anywhere.
    {"", "SaveBMPDlg(0,0,10,10);", "C:\\dir\\pic", 0, {"CaptureBitmap front 0,0,10,10"},
     {Open("save ＢＭＰファイルのセーブ"), "ReplaceWholeFile C:\\dir\\pic.bmp 454"},
     "C:\\dir\\pic.bmp", 1},
    {"", "SaveBMPDlg(0,0,10,10);", "C:\\my.dir\\pic", 0, {"CaptureBitmap front 0,0,10,10"},
     {Open("save ＢＭＰファイルのセーブ"), "ReplaceWholeFile C:\\my.dir\\pic 454"},
     "C:\\my.dir\\pic", 1},
    {"", "SaveBMPDlg(0,0,10,10);", "C:\\p.BMP", 0, {"CaptureBitmap front 0,0,10,10"},
     {Open("save ＢＭＰファイルのセーブ"), "ReplaceWholeFile C:\\p.BMP 454"}, "C:\\p.BMP", 1},
    {"", "SaveBMPDlg(0,0,10,10);", nullptr, 0, {}, {Open("save ＢＭＰファイルのセーブ")},
     "start.zep", 0},
    {"", "SaveBMPDlg(0,0,10,10);", "locked.bmp", 15, {"CaptureBitmap front 0,0,10,10"},
     {Open("save ＢＭＰファイルのセーブ"), "ReplaceWholeFile locked.bmp 454"}, "start.zep", -1},
    // A refused dialog command leaves the last result alone.
    {"", "SaveBMPDlg(0,0,1,1);OpenFileRead(\"a.bmp\");LoadBMPDlg(0,0);", "C:\\p.bmp", 17,
     {"CaptureBitmap front 0,0,1,1"},
     {Open("save ＢＭＰファイルのセーブ"), "ReplaceWholeFile C:\\p.bmp 58"}, "a.bmp", 1},
    // LoadGrpFile scales the physical size to the screen's resolution.
    {"", "LoadGrpFile(5,6,\"p.jpg\");", "", 0,
     {kDecodeJpeg, "Resolution front", "RenderPicture front 5,6,96,96"},
     {"ReadWholeFile p.jpg"}, "p.jpg", 0},
    {kBack, "SelectScreen(0);LoadGrpFile(0,0,\"FILE_NAME\");", "", 0,
     {"DecodePicture 78 bytes", "Resolution back", "RenderPicture back 0,0,96,96"},
     {"ReadWholeFile start.zep"}, "start.zep", 0},
    {"", "LoadGrpFile(5,6,\"none.jpg\");", "", 15, {}, {"ReadWholeFile none.jpg"}, "start.zep", 0},
};

void PrintTo(const PictureRow& row, std::ostream* os) { *os << row.body; }

class PictureRows : public PicturesTest, public ::testing::WithParamInterface<PictureRow> {};

TEST_P(PictureRows, Run) {
  const PictureRow& row = GetParam();
  host_.dialog_cancels = row.dialog == nullptr;
  if (row.dialog != nullptr) host_.dialog_path = row.dialog;
  EXPECT_EQ(RunBody(row.body, row.create), row.code) << row.body;
  EXPECT_EQ(canvas_.calls, row.canvas) << row.body;
  EXPECT_EQ(FileCalls(), row.files) << row.body;
  EXPECT_STREQ(file_name, row.file_name) << row.body;
  EXPECT_EQ(run_state.answer, row.answer) << row.body;
  EXPECT_EQ(canvas_.live_pictures, 0) << row.body;
}

INSTANTIATE_TEST_SUITE_P(Rows, PictureRows, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<PictureRow>& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

// The platform's refusals: a conversion that fails, a capture that fails,
// a file the decoder does not understand.
TEST_F(PicturesTest, ConversionFailureIsCode15AndDrawsNothing) {
  canvas_.keep_fails = true;
  EXPECT_EQ(RunBody("LoadBMP(0,0,\"a.bmp\");"), 15);
  EXPECT_EQ(canvas_.calls, (Calls{"KeepBitmap 3x2 8bit 256 colours"}));
  EXPECT_STREQ(file_name, "start.zep");
}

TEST_F(PicturesTest, CaptureFailureWritesNoFile) {
  canvas_.capture_fails = true;
  EXPECT_EQ(RunBody("SaveBMP(0,0,2,2,\"o.bmp\");"), 15);
  EXPECT_EQ(FileCalls(), Calls{});
  EXPECT_EQ(host_.files.count("o.bmp"), 0u);
  EXPECT_STREQ(file_name, "o.bmp");
}

TEST_F(PicturesTest, UndecodedPictureDrawsNothingAndKeepsTheName) {
  canvas_.decodes = false;
  EXPECT_EQ(RunBody("LoadGrpFile(0,0,\"p.jpg\");"), 0);
  EXPECT_EQ(canvas_.calls, (Calls{kDecodeJpeg}));
  EXPECT_STREQ(file_name, "start.zep");
}

struct UncheckedRow {
  const char* what;
  std::string bytes;
};

void PrintTo(const UncheckedRow& row, std::ostream* os) { *os << row.what; }

std::string WithByte(std::string file, size_t at, char byte) {
  file[at] = byte;
  return file;
}

const UncheckedRow kUncheckedRows[] = {
    {"a bitmap of 1,000,000 x 7 pixels in 154 bytes", WideBmp()},
    {"a bitmap whose header size is 0xFF000028", HeaderSizeBmp()},
    {"a bitmap cut short", MakeBmp(BmpFields{}).substr(0, 70)},
    {"runs that leave the picture",
     FileHeader() + InfoHeader(40, 2, 1, 8, 1, 6) + Table(6) + Hex("0301 0001")},
    {"a text file", "not a picture"},
    {"a JPEG of 65535 x 65535", MakeJpeg(65535, 65535)},
    {"a JPEG of 16384 x 1025", MakeJpeg(16384, 1025)},
    {"a JPEG of height 0", MakeJpeg(16, 0)},
    {"a JPEG cut inside its frame header", MakeJpeg(16, 16).substr(0, 95)},
    {"a JPEG whose segment runs past the end", WithByte(MakeJpeg(16, 16), 4, '\x7F')},
    {"a GIF screen of 65535 x 65535", MakeGif(65535, 65535, {{0, 0, 1, 1}})},
    {"a GIF image beyond its screen", MakeGif(16, 16, {{10, 10, 8, 8}})},
    {"a GIF of no image", MakeGif(16, 16, {})},
    {"a GIF cut inside a sub-block", MakeGif(16, 16, {{0, 0, 16, 16}}).substr(0, 40)},
    {"an icon whose image lies past the end",
     WithByte(MakeIco({{16, 16, 4, false}}), 21, '\x40')},
    {"an icon whose image is short", MakeIco({{16, 16, 4, false}}).substr(0, 200)},
    {"an icon whose image is wider than its entry says",
     WithByte(MakeIco({{16, 16, 4, false}}), 6, '\x08')},
    {"an icon of 0 images", Hex("0000 0100 0000")},
    {"a cursor file", WithByte(MakeIco({{16, 16, 4, false}}), 2, '\x02')},
    {"a PNG file", Hex("89504E470D0A1A0A") + Be32(13) + "IHDR" + Be32(16) + Be32(16)},
};

// A file that fails the checks is not handed to the decoder: it draws
// nothing, reports nothing and leaves "FILE_NAME" alone, and the section
// goes on. The bitmap buttons' pictures take the same path.
class UncheckedPictures : public PicturesTest,
                          public ::testing::WithParamInterface<UncheckedRow> {};

TEST_P(UncheckedPictures, NeverReachTheDecoder) {
  const UncheckedRow& row = GetParam();
  host_.files["bad.pic"] = row.bytes;
  EXPECT_EQ(RunBody("LoadGrpFile(5,6,\"bad.pic\");Box(1,2,3,4,3,-1);"), 0) << row.what;
  EXPECT_EQ(canvas_.calls, Calls{"Rectangle front 1,2,3,4 pen ff00ff brush none"}) << row.what;
  EXPECT_STREQ(file_name, "start.zep");
  const Surface button = reinterpret_cast<Surface>(0x77);
  canvas_.calls.clear();
  EXPECT_TRUE(LoadPictureInto(button, "bad.pic")) << row.what;
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(canvas_.calls, Calls{}) << row.what;
}

INSTANTIATE_TEST_SUITE_P(Rows, UncheckedPictures, ::testing::ValuesIn(kUncheckedRows),
                         [](const ::testing::TestParamInfo<UncheckedRow>& info) {
                           return RowName(info.param.what);
                         });

// Sound files of each kind reach the decoder; a bitmap as the file of what
// the checks read, with its own pixel offset and plain rows.
TEST_F(PicturesTest, CheckedPicturesReachTheDecoder) {
  const std::string gif = MakeGif(16, 16, {{0, 0, 16, 16}});
  const std::string icon = MakeIco({{16, 16, 4, false}, {0, 0, 32, true}});
  for (const std::string& file : {kJpeg, gif, icon}) {
    host_.files["good.pic"] = file;
    canvas_.calls.clear();
    EXPECT_EQ(RunBody("LoadGrpFile(5,6,\"good.pic\");"), 0);
    EXPECT_EQ(canvas_.decoded, file);
    EXPECT_EQ(canvas_.Last(), "RenderPicture front 5,6,96,96");
  }
  std::string runs = FileHeader() + InfoHeader(40, 2, 1, 8, 1, 6) + Table(6) + Hex("0201 0001");
  runs.replace(10, 4, Le32(0x7FFFFFFF));
  host_.files["runs.bmp"] = runs;
  EXPECT_EQ(RunBody("LoadGrpFile(5,6,\"runs.bmp\");"), 0);
  BmpPicture picture;
  ASSERT_EQ(CheckBmp(reinterpret_cast<const uint8_t*>(runs.data()), runs.size(), &picture),
            BmpCheck::kOk);
  EXPECT_EQ(canvas_.decoded, BmpFileOf(picture.image));
  EXPECT_EQ(canvas_.decoded.substr(10, 4), Le32(14 + 40 + 24));
  EXPECT_STREQ(file_name, "runs.bmp");
}

TEST_F(PicturesTest, GrpFileScalesByEachAxis) {
  canvas_.himetric_w = 1270;
  canvas_.himetric_h = 5080;
  canvas_.dpi_x = 120;
  canvas_.dpi_y = 72;
  EXPECT_EQ(RunBody("LoadGrpFile(1,2,\"p.jpg\");"), 0);
  EXPECT_EQ(canvas_.Last(), "RenderPicture front 1,2,60,144");
}

// The written file is the writer's layout of what the platform captured.
TEST_F(PicturesTest, SavedBytesAreTheCapture) {
  canvas_.capture.bit_count = 8;
  canvas_.capture.colour_table = std::string(1024, '\x44');
  EXPECT_EQ(RunBody("SaveBMP(0,0,2,1,\"o.bmp\");"), 0);
  const std::string& file = host_.files["o.bmp"];
  ASSERT_EQ(file.size(), 54u + 1024 + 4);
  EXPECT_EQ(file.substr(54, 1024), std::string(1024, '\x44'));
  EXPECT_EQ(file.substr(1078), std::string(4, '\x5A'));
}

// A save that fails leaves the kept picture and palette as they were, so a
// save tried again reads the pixels through the same palette and writes the
// same bytes; only a written file forgets them. (A failed save is code 15,
// which ends a script's run; here the code is cleared to save again.)
TEST_F(PicturesTest, FailedSaveLeavesTheKeptPictureAndPalette) {
  const std::string script =
      "CREATE{}\r\nMAIN{LoadBMP(0,0,\"a.bmp\");}\r\n"
      "LOCKED{SaveBMP(1,2,3,4,\"locked.bmp\");}\r\n"
      "GOOD{SaveBMP(1,2,3,4,\"o.bmp\");}\r\n";
  ASSERT_EQ(Load(script.c_str()), 0);
  OnRunCreate(kWindow);
  RunSection(kWindow, "MAIN");
  ASSERT_EQ(error_code, 0);
  const std::string palette = canvas_.kept_palette;
  ASSERT_EQ(palette.size(), 1024u);
  canvas_.capture.bit_count = 8;
  canvas_.capture.colour_table = std::string(1024, '\x44');

  canvas_.calls.clear();
  RunSection(kWindow, "LOCKED");  // the file cannot be made
  EXPECT_EQ(error_code, kErrOpenFile);
  EXPECT_EQ(canvas_.calls, Calls{"CaptureBitmap front 1,2,3,4 kept palette"});
  EXPECT_TRUE(canvas_.kept);
  EXPECT_EQ(canvas_.kept_palette, palette);

  ClearError();
  canvas_.capture_fails = true;
  canvas_.calls.clear();
  RunSection(kWindow, "GOOD");  // the platform gives no pixels
  EXPECT_EQ(error_code, kErrOpenFile);
  EXPECT_EQ(canvas_.calls, Calls{"CaptureBitmap front 1,2,3,4 kept palette"});
  EXPECT_EQ(host_.files.count("o.bmp"), 0u);
  EXPECT_TRUE(canvas_.kept);

  ClearError();
  canvas_.capture_fails = false;
  canvas_.calls.clear();
  RunSection(kWindow, "GOOD");
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(canvas_.calls,
            (Calls{"CaptureBitmap front 1,2,3,4 kept palette", "ForgetKeptBitmap"}));
  EXPECT_FALSE(canvas_.kept);
  EXPECT_EQ(host_.files["o.bmp"].size(), 54u + 1024 + 16);
}

TEST_F(PicturesTest, KeptPictureIsForgottenAtTheWindowsEnd) {
  EXPECT_EQ(RunBody("LoadBMP(0,0,\"a.bmp\");"), 0);
  OnRunDestroy(kWindow);
  EXPECT_EQ(canvas_.Last(), "ForgetKeptBitmap");
  EXPECT_FALSE(canvas_.kept);
}

// LoadPictureInto draws into the caller's surface at (0, 0) and leaves the
// open-file check and "FILE_NAME" alone.
TEST_F(PicturesTest, LoadPictureInto) {
  const Surface button = reinterpret_cast<Surface>(0x77);
  open_file = 9;
  EXPECT_TRUE(LoadPictureInto(button, "p.jpg"));
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(canvas_.calls,
            (Calls{kDecodeJpeg, "Resolution unknown", "RenderPicture unknown 0,0,96,96"}));
  canvas_.decodes = false;
  EXPECT_TRUE(LoadPictureInto(button, "text.bmp"));
  EXPECT_EQ(error_code, 0);
  EXPECT_FALSE(LoadPictureInto(button, "none.jpg"));
  EXPECT_EQ(error_code, kErrOpenFile);
  EXPECT_STREQ(file_name, "start.zep");
  EXPECT_EQ(canvas_.live_pictures, 0);
  open_file = -1;
  error_code = 0;
}

struct ScaleRow {
  int32_t himetric, dpi, pixels;
};

TEST(PictureScale, HimetricToPixelsRoundsToNearest) {
  const ScaleRow rows[] = {
      {2540, 96, 96},    {1270, 96, 48},  {26, 96, 1},     {13, 96, 0},
      {-2540, 96, -96},  {264, 96, 10},   {2540, 120, 120}, {1, 1270, 1},
      {-1, 1270, -1},    {0, 96, 0},      {INT32_MAX, INT32_MAX, -1},
      {INT32_MAX, 2540, INT32_MAX},
  };
  for (const ScaleRow& r : rows) {
    EXPECT_EQ(HimetricToPixels(r.himetric, r.dpi), r.pixels) << r.himetric << " " << r.dpi;
  }
}

struct ExtensionRow {
  const char* chosen;
  size_t cap;
  const char* result;  // nullptr: refused as too long
};

TEST(PictureDialogs, BmpExtensionOnlyWithoutAnyDot) {
  const ExtensionRow rows[] = {
      {"C:\\a\\pic", 260, "C:\\a\\pic.bmp"}, {"C:\\a.b\\pic", 260, "C:\\a.b\\pic"},
      {"pic.", 260, "pic."},                {"pic", 8, "pic.bmp"},
      {"pics", 8, nullptr},
  };
  for (const ExtensionRow& r : rows) {
    char path[260];
    CopyText(path, sizeof path, r.chosen);
    bool ok = AddBmpExtension(path, r.cap);
    EXPECT_EQ(ok, r.result != nullptr) << r.chosen;
    if (ok) {
      EXPECT_STREQ(path, r.result);
    }
  }
}

}  // namespace
}  // namespace zep
