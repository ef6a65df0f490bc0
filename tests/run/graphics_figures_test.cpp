// Drawing primitives and colours: what each figure command asks of the
// canvas, the colour checks, and the radial points of Pie, Arc and Chord.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/run_settings.h"
#include "graphics/figures.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

struct FigureRow {
  const char* body;
  int code;
  const char* call;  // the one drawing call expected; "" when nothing is drawn
};

const FigureRow kFigureRows[] = {
    // Rectangles and the three kinds of colour argument.
    {"Box(0,0,10,10,0,7);", 0, "Rectangle front 0,0,10,10 pen 000000 brush ffffff"},
    {"Box(1,2,3,4,3,-1);", 0, "Rectangle front 1,2,3,4 pen ff00ff brush none"},
    {"Box(1,2,3,4,3,-200);", 0, "Rectangle front 1,2,3,4 pen ff00ff brush none"},
    {"Box(1,2,3,4,-4,7);", 0, "Rectangle front 1,2,3,4 pen 00ff00 dot brush ffffff"},
    {"Box(1,2,3,4,-15,15);", 0, "Rectangle front 1,2,3,4 pen c0c0c0 dot brush c0c0c0"},
    {"Box(1,2,3,4,-0,8);", 0, "Rectangle front 1,2,3,4 pen 000000 brush 000080"},
    {"Box(1,2,3,4,5,6);", 0, "Rectangle front 1,2,3,4 pen 00ffff brush ffff00"},
    {"Box(1.9,-2.9,3,4,0,0);", 0, "Rectangle front 1,-2,3,4 pen 000000 brush 000000"},
    {"Box(1,2,3,4,-16,7);", 1, ""},
    {"Box(1,2,3,4,16,7);", 1, ""},
    {"Box(1,2,3,4,0,16);", 1, ""},
    {"Box(1,2,3,4,5);", 8, ""},
    {"Box(1,2,3,4,5,6,7);", 23, ""},
    {"Box(1,2,3,4,0,q);", 4, ""},
    // The other figures.
    {"RBox(0,0,20,10,4,6,2,5);", 0, "RoundRect front 0,0,20,10 r4,6 pen ff0000 brush 00ffff"},
    {"RBox(0,0,20,10,4,6,2,16);", 1, ""},
    {"RBox(0,0,20,10,4,6,2);", 8, ""},
    {"FBox(0,0,10,0,10,10,0,10,1,-1);", 0,
     "Polygon front (0,0)(10,0)(10,10)(0,10) pen 0000ff brush none"},
    {"FBox(0,0,10,0,10,10,0,10,-16,1);", 1, ""},
    {"Triangle(0,0,10,0,5,8,14,15);", 0, "Polygon front (0,0)(10,0)(5,8) pen 808080 brush c0c0c0"},
    {"Triangle(0,0,10,0,5,8,14);", 8, ""},
    {"Circle(5,6,25,16,-1,2);", 0, "Ellipse front 5,6,25,16 pen 0000ff dot brush ff0000"},
    {"Circle(5,6,25,16,-1,17);", 1, ""},
    // Lines take their colour as an outline colour, with an unseen brush 1.
    {"Line(0,0,10,0,2);", 0, "Line front (0,0)(10,0) pen ff0000 brush 0000ff"},
    {"Line(0,0,10,0,-2);", 0, "Line front (0,0)(10,0) pen ff0000 dot brush 0000ff"},
    {"Line(0,0,10,0,16);", 1, ""},
    {"Line(0,0,10,0,-16);", 1, ""},
    {"Line(0,0,10,0);", 8, ""},
    // A point has a plain colour: no dotted form.
    {"Point(5,5,2);", 0, "SetPixel front 5,5 ff0000"},
    {"Point(5,5,0);", 0, "SetPixel front 5,5 000000"},
    {"Point(5,5,-1);", 1, ""},
    {"Point(5,5,16);", 1, ""},
    {"Point(5,5);", 8, ""},
    // Pie, Arc and Chord: the radial point of SP first, of ST second.
    {"Pie(0,0,100,100,0,90,0,2);", 0, "Pie front 0,0,100,100 (100,50)(50,0) pen 000000 brush ff0000"},
    {"Pie(0,0,100,100,90,0,0,2);", 0, "Pie front 0,0,100,100 (50,0)(100,50) pen 000000 brush ff0000"},
    {"Pie(0,0,101,51,90,0,0,2);", 0, "Pie front 0,0,101,51 (50,0)(101,25) pen 000000 brush ff0000"},
    {"Pie(0,0,100,100,0,90,0,16);", 1, ""},
    {"Pie(0,0,100,100,0,90,0);", 8, ""},
    {"Arc(0,0,100,100,45,45,3);", 0, "Arc front 0,0,100,100 (85,15)(85,15) pen ff00ff brush 0000ff"},
    {"Arc(0,0,100,100,0,360,-3);", 0, "Arc front 0,0,100,100 (50,0)(50,0) pen ff00ff dot brush 0000ff"},
    {"Arc(0,0,100,100,0,90,-16);", 1, ""},
    {"Arc(0,0,100,100,0,90,3,4);", 23, ""},
    {"Chord(0,0,100,100,180,270,4,-1);", 0, "Chord front 0,0,100,100 (0,50)(50,100) pen 00ff00 brush none"},
    {"Chord(0,0,100,100,180,270,4,16);", 1, ""},
    // FullPaint covers the client size last reported (944 x 688 here).
    {"FullPaint(7);", 0, "Rectangle front 0,0,944,688 pen ffffff brush ffffff"},
    {"FullPaint(-2);", 0, "Rectangle front 0,0,944,688 pen ff0000 dot brush none"},
    {"FullPaint(16);", 1, ""},
    {"FullPaint(-16);", 1, ""},
    {"FullPaint();", 23, ""},
    // SetPal changes what later commands draw with.
    {"SetPal(1,255,128,0);Box(0,0,1,1,1,1);", 0, "Rectangle front 0,0,1,1 pen ff8000 brush ff8000"},
    {"SetPal(0,1,2,3);Point(0,0,0);", 0, "SetPixel front 0,0 010203"},
    {"SetPal(15,0,0,0);Line(0,0,1,1,-15);", 0, "Line front (0,0)(1,1) pen 000000 dot brush 0000ff"},
};

void PrintTo(const FigureRow& r, std::ostream* os) { *os << RowName(r.body); }

class FigureCommands : public GraphicsTest, public ::testing::WithParamInterface<FigureRow> {};

TEST_P(FigureCommands, DrawOrFail) {
  const FigureRow& row = GetParam();
  EXPECT_EQ(RunBody(row.body), row.code);
  ExpectOnlyCall(row.call);
}

INSTANTIATE_TEST_SUITE_P(Rows, FigureCommands, ::testing::ValuesIn(kFigureRows));

TEST_F(GraphicsTest, FullPaintFollowsTheReportedClientSize) {
  ASSERT_EQ(Load("MAIN{FullPaint(4);}"), 0);
  OnRunCreate(kWindow);
  OnRunSize(kWindow, 320, 240);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(canvas_.Last(), "Rectangle front 0,0,320,240 pen 00ff00 brush 00ff00");
}

TEST_F(GraphicsTest, SetPalRefusesValuesOutOfRangeAndChangesNothing) {
  const char* const bodies[] = {"SetPal(16,0,0,0);", "SetPal(-1,0,0,0);", "SetPal(1,256,0,0);",
                                "SetPal(1,0,-1,0);", "SetPal(1,0,0,256);", "SetPal(1,0,0);"};
  for (const char* body : bodies) {
    int code = RunBody(body);
    EXPECT_EQ(code, std::string(body) == "SetPal(1,0,0);" ? 8 : 1) << body;
    for (int n = 0; n < kPaletteSize; ++n) {
      Rgb before = palette[n];
      ResetPalette();
      EXPECT_TRUE(before.r == palette[n].r && before.g == palette[n].g && before.b == palette[n].b)
          << body << " changed entry " << n;
    }
  }
}

TEST_F(GraphicsTest, PaletteIsBackToTheDefaultsInTheNextRun) {
  ASSERT_EQ(RunBody("SetPal(2,1,2,3);Point(0,0,2);"), 0);
  EXPECT_EQ(canvas_.Last(), "SetPixel front 0,0 010203");
  ASSERT_EQ(RunBody("Point(0,0,2);"), 0);
  EXPECT_EQ(canvas_.Last(), "SetPixel front 0,0 ff0000");
}

TEST_F(GraphicsTest, GetPixelGivesEachChannelInResultAndAnswer) {
  ASSERT_EQ(RunBody("SetPal(5,1,2,3);Point(3,4,5);r=GetPixelR(3,4);g=GetPixelG(3,4);"
                    "b=GetPixelB(3,4);"),
            0);
  EXPECT_EQ(Var("r"), 1);
  EXPECT_EQ(Var("g"), 2);
  EXPECT_EQ(Var("b"), 3);
  EXPECT_EQ(run_state.answer, 3);
  EXPECT_EQ(canvas_.Last(), "GetPixel front 3,4");
}

TEST_F(GraphicsTest, GetPixelOutsideTheSurfaceIs255AsStatementToo) {
  ASSERT_EQ(RunBody("GetPixelB(-1,-1);x=ANSWER;y=GetPixelR(-1,-1)+GetPixelG(5000,0);"), 0);
  EXPECT_EQ(Var("x"), 255);
  EXPECT_EQ(Var("y"), 510);
}

struct RadialRow {
  int32_t left, top, right, bottom, degrees;
  int32_t x, y;
};

const RadialRow kRadialRows[] = {
    // The four main directions give the rectangle's own edges.
    {0, 0, 100, 100, 0, 50, 0},
    {0, 0, 100, 100, 90, 100, 50},
    {0, 0, 100, 100, 180, 50, 100},
    {0, 0, 100, 100, 270, 0, 50},
    {0, 0, 100, 100, 360, 50, 0},
    {0, 0, 101, 51, 90, 101, 25},
    {0, 0, 101, 51, 180, 50, 51},
    {0, 0, 101, 51, 270, 0, 25},
    // The same directions reached by the formula fall one pixel short.
    {0, 0, 101, 51, 450, 100, 25},
    {0, 0, 100, 100, -90, 1, 50},
    {0, 0, 100, 100, 540, 50, 99},
    // Between them: truncation toward zero after cos and sin.
    {0, 0, 100, 100, 45, 85, 15},
    {-10, -10, 10, 10, 135, 7, 7},
    {10, 20, -10, -20, 30, -5, 17},
    // Halves truncate toward zero: (-11 + 0) / 2 is -5, not -6.
    {-11, -11, 0, 0, 0, -5, -11},
    {-11, -11, 0, 0, 90, 0, -5},
    // Above 450 the remainder is negative; with a large radius the constant
    // 3.141592 makes -50 and 310 degrees differ from each other.
    {0, 0, 20000000, 20000000, 500, 16427877, 17660443},
    {0, 0, 20000000, 20000000, -50, 2339559, 3572121},
    // Extreme angles do not overflow.
    {0, 0, 100, 100, INT32_MIN, 11, 80},
    {0, 0, 100, 100, INT32_MAX, 89, 80},
};

void PrintTo(const RadialRow& r, std::ostream* os) {
  *os << r.left << "_" << r.top << "_" << r.right << "_" << r.bottom << "_at_" << r.degrees;
}

class RadialPoints : public ::testing::TestWithParam<RadialRow> {};

TEST_P(RadialPoints, Match) {
  const RadialRow& r = GetParam();
  PointXY p = RadialPoint(r.left, r.top, r.right, r.bottom, r.degrees);
  EXPECT_EQ(p.x, r.x) << r.degrees;
  EXPECT_EQ(p.y, r.y) << r.degrees;
}

INSTANTIATE_TEST_SUITE_P(Rows, RadialPoints, ::testing::ValuesIn(kRadialRows));

TEST(RadialPointExtremes, TheWidestRectangleStaysInRange) {
  // Centre (INT32_MIN + INT32_MAX) / 2 = 0, half sides 2147483647.
  PointXY p = RadialPoint(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 45);
  EXPECT_EQ(p.x, 1518500497);
  EXPECT_EQ(p.y, -1518500001);
  p = RadialPoint(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 200);
  EXPECT_EQ(p.x, -734484496);
  EXPECT_EQ(p.y, 2017973869);
}

}  // namespace
}  // namespace zep
