// Front and back screens: SelectScreen, CopyBMP, ShiftBMPColor and ClipBMP,
// with and without a back screen.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/screen_state.h"
#include "graphics/screens.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

struct ScreenRow {
  const char* create;
  const char* body;
  int code;
  std::vector<std::string> calls;
};

const char kBack[] = "SubScreen(200,100);";

const ScreenRow kScreenRows[] = {
    // Without a back screen only the front screen can be named.
    {"", "SelectScreen(1);", 14, {}},
    {"", "SelectScreen(0);", 14, {}},
    {"", "SelectScreen(7);", 14, {}},
    {"", "CopyBMP(1,0,0,10,10,1,20,20,10,10,0);", 0,
     {"StretchCopy front 20,20,10,10 <- front 0,0,10,10 op0"}},
    {"", "CopyBMP(0,0,0,10,10,1,20,20,10,10,0);", 14, {}},
    {"", "CopyBMP(-1,0,0,10,10,1,20,20,10,10,0);", 14, {}},
    {"", "CopyBMP(1,0,0,10,10,0,20,20,10,10,0);", 14, {}},
    {"", "CopyBMP(1,0,0,10,10,-5,20,20,10,10,0);", 14, {}},
    {"", "ShiftBMPColor(0,0,0,1,1,1,0,0,50);", 14, {}},
    {"", "ShiftBMPColor(1,0,0,1,1,-1,0,0,50);", 14, {}},
    // With one, 0 names it and every other number the front screen.
    {kBack, "SelectScreen(2);", 16, {}},
    {kBack, "SelectScreen(-1);", 16, {}},
    {kBack, "SelectScreen(0);Box(0,0,5,5,0,7);SelectScreen(1);Box(0,0,5,5,0,7);", 0,
     {"Rectangle back 0,0,5,5 pen 000000 brush ffffff",
      "Rectangle front 0,0,5,5 pen 000000 brush ffffff"}},
    {kBack, "CopyBMP(0,0,0,200,100,1,0,0,200,100,0);", 0,
     {"StretchCopy front 0,0,200,100 <- back 0,0,200,100 op0"}},
    {kBack, "CopyBMP(-1,1,2,3,4,0,5,6,7,8,0);", 0,
     {"StretchCopy back 5,6,7,8 <- front 1,2,3,4 op0"}},
    {kBack, "CopyBMP(0,1,2,3,4,0,5,6,7,8,0);", 0, {"StretchCopy back 5,6,7,8 <- back 1,2,3,4 op0"}},
    // CopyBMP ignores the current screen.
    {kBack, "SelectScreen(0);CopyBMP(1,0,0,1,1,1,2,2,1,1,0);", 0,
     {"StretchCopy front 2,2,1,1 <- front 0,0,1,1 op0"}},
    // Mirrored copies move the destination origin: width by 2, height by 1.
    {"", "CopyBMP(1,0,0,100,100,1,200,0,-100,100,0);", 0,
     {"StretchCopy front 298,0,-100,100 <- front 0,0,100,100 op0"}},
    {"", "CopyBMP(1,0,0,100,100,1,0,50,100,-100,0);", 0,
     {"StretchCopy front 0,149,100,-100 <- front 0,0,100,100 op0"}},
    {"", "CopyBMP(1,0,0,-10,-10,1,0,0,-1,-1,0);", 0,
     {"StretchCopy front -1,0,-1,-1 <- front 0,0,-10,-10 op0"}},
    {"", "CopyBMP(1,0,0,50,50,1,0,0,100,100,0);", 0,
     {"StretchCopy front 0,0,100,100 <- front 0,0,50,50 op0"}},
    // Raster operations: 0..4, anything else copies.
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,1);", 0, {"StretchCopy front 0,0,1,1 <- front 0,0,1,1 op1"}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,2);", 0, {"StretchCopy front 0,0,1,1 <- front 0,0,1,1 op2"}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,3);", 0, {"StretchCopy front 0,0,1,1 <- front 0,0,1,1 op3"}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,4);", 0, {"StretchCopy front 0,0,1,1 <- front 0,0,1,1 op4"}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,7);", 0, {"StretchCopy front 0,0,1,1 <- front 0,0,1,1 op0"}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,-1);", 0, {"StretchCopy front 0,0,1,1 <- front 0,0,1,1 op0"}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1);", 8, {}},
    {"", "CopyBMP(1,0,0,1,1,1,0,0,1,1,0,0);", 23, {}},
    // ShiftBMPColor reads and writes through one working buffer.
    {kBack, "ShiftBMPColor(0,1,2,3,4,1,5,6,50);", 0,
     {"ReadPixels back 1,2,3,4", "WritePixels front 5,6,3,4"}},
    {"", "ShiftBMPColor(1,1,2,3,4,1,5,6,50);", 0,
     {"ReadPixels front 1,2,3,4", "WritePixels front 5,6,3,4"}},
    {"", "ShiftBMPColor(1,0,0,0,4,1,0,0,50);", 0, {}},
    {"", "ShiftBMPColor(1,0,0,4,-1,1,0,0,50);", 0, {}},
    {"", "ShiftBMPColor(1,0,0,100000,100000,1,0,0,50);", 20, {}},
    {"", "ShiftBMPColor(1,0,0,1,1,1,0,0);", 8, {}},
    // ClipBMP takes the current screen.
    {"", "ClipBMP(0,0,64,32);", 0, {"CopyToClipboard front 0,0,64,32"}},
    {kBack, "SelectScreen(0);ClipBMP(1,2,64,32);", 0, {"CopyToClipboard back 1,2,64,32"}},
    {"", "ClipBMP(0,0,64);", 8, {}},
    // SubScreen belongs to the CREATE section only.
    {"", "SubScreen(10,10);", 6, {}},
};

void PrintTo(const ScreenRow& r, std::ostream* os) {
  *os << (r.create[0] ? "back_" : "") << RowName(r.body);
}

class ScreenCommands : public GraphicsTest, public ::testing::WithParamInterface<ScreenRow> {};

TEST_P(ScreenCommands, CopyOrFail) {
  const ScreenRow& row = GetParam();
  EXPECT_EQ(RunBody(row.body, row.create), row.code);
  EXPECT_EQ(canvas_.calls, row.calls);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScreenCommands, ::testing::ValuesIn(kScreenRows));

TEST_F(GraphicsTest, SubScreenDeclaresTheBackScreenAndTheLastSizeWins) {
  ASSERT_EQ(Load("CREATE{SubScreen(10,20);SubScreen(300,200);}"), 0);
  EXPECT_EQ(graphics_state.back_screen_exists, 1);
  EXPECT_EQ(graphics_state.back_width, 300);
  EXPECT_EQ(graphics_state.back_height, 200);
  OnRunCreate(kWindow);
  EXPECT_EQ(canvas_.calls, std::vector<std::string>{"CreateBackScreen 300 200"});
}

TEST_F(GraphicsTest, ANewRunStartsOnTheFrontScreenWithoutBackScreen) {
  ASSERT_EQ(RunBody("SelectScreen(0);", kBack), 0);
  EXPECT_EQ(graphics_state.current_screen, 0);
  ASSERT_EQ(RunBody("Box(0,0,1,1,0,0);"), 0);
  EXPECT_EQ(graphics_state.current_screen, 1);
  EXPECT_EQ(graphics_state.back_screen_exists, 0);
  EXPECT_EQ(canvas_.Last(), "Rectangle front 0,0,1,1 pen 000000 brush 000000");
}

TEST_F(GraphicsTest, ABackScreenThePlatformCouldNotMakeDrawsNowhere) {
  canvas_.back_usable = false;
  ASSERT_EQ(RunBody("SelectScreen(0);Box(0,0,1,1,0,0);x=GetPixelR(0,0);", kBack), 0);
  EXPECT_EQ(canvas_.calls[0], "Rectangle none 0,0,1,1 pen 000000 brush 000000");
  EXPECT_EQ(Var("x"), 255);
}

TEST_F(GraphicsTest, SelectScreenWithoutBackScreenNamesTheCommandInTheBox) {
  ASSERT_EQ(Load("PAINT{SelectScreen(0);}"), 0);
  OnRunCreate(kWindow);
  RunSection(kWindow, "PAINT");
  EXPECT_EQ(LastBox(),
            "サブルーチン : PAINT\r\n\r\n コマンド : SelectScreen\r\n\r\n裏画面が準備されていません");
}

TEST_F(GraphicsTest, ShiftBMPColorScalesEveryByte) {
  canvas_.read_pattern = {1, 100, 200, 0};  // blue 1, green 100, red 200
  ASSERT_EQ(RunBody("ShiftBMPColor(1,0,0,2,1,1,0,0,50);"), 0);
  EXPECT_EQ(canvas_.written, (std::vector<uint8_t>{0, 50, 100, 0, 0, 50, 100, 0}));
  ASSERT_EQ(RunBody("ShiftBMPColor(1,0,0,1,1,1,0,0,300);"), 0);
  EXPECT_EQ(canvas_.written, (std::vector<uint8_t>{3, 255, 255, 0}));
}

TEST_F(GraphicsTest, ShiftBMPColorWritesNothingWhenTheReadFails) {
  canvas_.read_fails = true;
  ASSERT_EQ(RunBody("ShiftBMPColor(1,0,0,2,2,1,0,0,50);"), 0);
  EXPECT_EQ(canvas_.calls, std::vector<std::string>{"ReadPixels front 0,0,2,2"});
}

struct ShiftRow {
  int v;
  int32_t percent;
  int expected;
};

const ShiftRow kShiftRows[] = {
    {200, 50, 100}, {100, 50, 50},  {1, 50, 0},        {200, 300, 255}, {1, 300, 3},
    {200, 100, 200}, {255, 100, 255}, {0, 300, 0},     {200, 0, 0},     {128, 200, 255},
    {127, 200, 254}, {200, -50, 156}, {1, -50, 0},     {3, -50, 255},   {255, -100, 1},
    {200, INT32_MAX, 255}, {200, INT32_MIN, 0},        {255, 101, 255}, {99, 101, 99},
};

TEST(ShiftColourByte, Rows) {
  for (const ShiftRow& r : kShiftRows) {
    EXPECT_EQ(ShiftColourByte(static_cast<uint8_t>(r.v), r.percent), r.expected)
        << r.v << " at " << r.percent << "%";
  }
}

TEST(MirroredDestination, OnlyNegativeExtentsMoveTheOrigin) {
  struct Row {
    Area in, out;
  } rows[] = {
      {{200, 0, -100, 100}, {298, 0, -100, 100}},
      {{0, 50, 100, -100}, {0, 149, 100, -100}},
      {{10, 10, -1, -1}, {9, 10, -1, -1}},
      {{10, 10, 0, 0}, {10, 10, 0, 0}},
      // Far outside every surface the origin wraps at 32 bits.
      {{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}, {-3, -2, INT32_MIN, INT32_MIN}},
  };
  for (const Row& r : rows) {
    Area a = MirroredDestination(r.in);
    EXPECT_EQ(a.x, r.out.x);
    EXPECT_EQ(a.y, r.out.y);
    EXPECT_EQ(a.w, r.out.w);
    EXPECT_EQ(a.h, r.out.h);
  }
}

}  // namespace
}  // namespace zep
