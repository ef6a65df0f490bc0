// Text output: the text of PrintData, the font fields of a text command, and
// what Print, PrintCode, PrintKJCode, PrintData and SetFont do.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "core/args.h"
#include "graphics/screen_state.h"
#include "graphics/text_output.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

std::string Format(double data, int n) {
  char out[kMaxPrintText + 1];
  size_t length = FormatPrintData(data, n, out, sizeof out);
  EXPECT_EQ(length, std::strlen(out));
  return out;
}

struct DataRow {
  double data;
  int n;
  const char* text;
};

const DataRow kDataRows[] = {
    // The integer part, and the fraction dropped without rounding at n = 0.
    {3.14159, 2, "3.14"},
    {2.5, 3, "2.500"},
    {7, 1, "7.0"},
    {-1.25, 2, "-1.25"},
    {-0.5, 1, "-0.5"},
    {0, 2, "0.00"},
    {0, 0, "0"},
    {-0.25, 0, "-0"},
    {2.9, 0, "2"},
    {-2.9, 0, "-2"},
    // n significant digits, rounded half up, then cut to n decimals.
    {1.056, 2, "1.05"},
    {1.125, 2, "1.13"},
    {4.35, 1, "4.3"},   // 0.34999999999999964 on 17 digits
    {0.45, 1, "0.5"},   // 0.45000000000000001
    {1.005, 2, "1.00"}, // 0.0049999999999998934: two zeros, then cut
    {0.0049, 2, "0.00"},
    {0.0999, 2, "0.10"},
    {0.1, 20, "0.10000000000000001000"},  // 17 digits, then zeros
    // A fraction that rounds up to a whole unit carries into the integer part.
    {1.999, 2, "2.00"},
    {-1.999, 2, "-2.00"},
    {0.999, 2, "1.00"},
    {-0.999, 2, "-1.00"},
    {9.9999, 3, "10.000"},
    {99.96, 1, "100.0"},
    // Integer parts beyond 32 bits are written whole.
    {2147483648.75, 2, "2147483648.75"},
    {-2147483648.25, 2, "-2147483648.25"},
    {3e9, 0, "3000000000"},
    {-3e9, 2, "-3000000000.00"},
    {1e20, 1, "100000000000000000000.0"},
    // A negative n counts as 0.
    {1.5, -3, "1"},
};

void PrintTo(const DataRow& r, std::ostream* os) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g_n%d", r.data, r.n);
  *os << RowName(text);
}

class PrintDataText : public ::testing::TestWithParam<DataRow> {};

TEST_P(PrintDataText, Matches) {
  const DataRow& r = GetParam();
  EXPECT_EQ(Format(r.data, r.n), r.text) << r.data << " with n = " << r.n;
}

INSTANTIATE_TEST_SUITE_P(Rows, PrintDataText, ::testing::ValuesIn(kDataRows));

TEST(PrintDataLimits, AHugeCountIsCutToFitTheText) {
  std::string text = Format(1.25, 100000);
  EXPECT_EQ(text.size(), kMaxPrintText);
  EXPECT_EQ(text.substr(0, 6), "1.2500");
  EXPECT_EQ(text.find_first_not_of('0', 4), std::string::npos);
  text = Format(INT_MAX, INT_MAX);
  EXPECT_EQ(text.size(), kMaxPrintText);
  EXPECT_EQ(text.substr(0, 12), "2147483647.0");
}

TEST(PrintDataLimits, TheLargestNumbersStillFit) {
  std::string text = Format(-1.7976931348623157e308, 600);
  EXPECT_EQ(text.size(), kMaxPrintText);
  EXPECT_EQ(text.substr(0, 5), "-1797");
  EXPECT_EQ(text[310], '.');  // "-" and 309 digits
  text = Format(3.4028234663852886e38, 2);  // the largest float
  EXPECT_EQ(text, "340282346638528859811704183484516925440.00");
}

TEST(PrintDataLimits, NumbersThatAreNotFiniteAreNamed) {
  EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), 2), "inf");
  EXPECT_EQ(Format(-std::numeric_limits<double>::infinity(), 2), "-inf");
  EXPECT_EQ(Format(std::nan(""), 2), "nan");
}

TEST(PrintDataLimits, ASmallBufferIsNeverOverrun) {
  char out[8];
  std::memset(out, 'x', sizeof out);
  EXPECT_EQ(FormatPrintData(3.14159, 2, out, 3), 2u);
  EXPECT_STREQ(out, "3.");
  EXPECT_EQ(out[3], 'x');
  EXPECT_EQ(FormatPrintData(3.14159, 2, out, 0), 0u);
  EXPECT_EQ(out[0], '3');
}

struct FontRow {
  int style;
  int32_t weight;
  uint8_t italic;
};

TEST(MakeFont, StyleGivesWeightAndItalic) {
  const FontRow rows[] = {{0, 0, 0}, {1, 0, 1}, {2, 900, 0}, {3, 900, 1}};
  for (const FontRow& r : rows) {
    ResetGraphicsState();
    graphics_state.font_style = static_cast<uint8_t>(r.style);
    FontSpec f = MakeFont(0, 0, 16);
    EXPECT_EQ(f.weight, r.weight) << r.style;
    EXPECT_EQ(f.italic, r.italic) << r.style;
  }
}

TEST(MakeFont, FixedFieldsAndArguments) {
  ResetGraphicsState();
  FontSpec f = MakeFont(90, 8, 16);
  EXPECT_EQ(f.height, 16);
  EXPECT_EQ(f.width, 8);
  EXPECT_EQ(f.escapement, 900);
  EXPECT_EQ(f.orientation, 0);
  EXPECT_EQ(f.underline, 0);
  EXPECT_EQ(f.strike_out, 0);
  EXPECT_EQ(f.char_set, 128);
  EXPECT_EQ(f.out_precision, 4);
  EXPECT_EQ(f.clip_precision, 0);
  EXPECT_EQ(f.quality, 1);
  EXPECT_EQ(f.pitch_and_family, 0x11);
  EXPECT_STREQ(f.face, "ＭＳ 明朝");
  EXPECT_EQ(MakeFont(-45, 0, 0).escapement, -450);
  EXPECT_EQ(MakeFont(INT32_MAX, 0, 0).escapement, -10);  // wraps at 32 bits
}

struct TextRow {
  const char* body;
  int code;
  const char* call;  // "" when nothing is written
};

const TextRow kTextRows[] = {
    {"Print(10,10,0,0,16,0,\"Aa12あぁアァ亜宇\");", 0, "WriteText front 10,10 000000 \"Aa12あぁアァ亜宇\""},
    {"Print(100,100,90,0,16,2,\"x\");", 0, "WriteText front 100,100 ff0000 \"x\""},
    {"Print(0,0,0,0,16,15,\"a\" ignored);", 0, "WriteText front 0,0 c0c0c0 \"a\""},
    {"Print(0,0,0,0,16,16,\"x\");", 1, ""},
    {"Print(0,0,0,0,16,16,x);", 1, ""},  // the colour is checked before the string
    {"Print(0,0,0,0,16,-1,\"x\");", 1, ""},
    {"Print(0,0,0,0,16,0,x);", 9, ""},
    {"Print(0,0,0,0,16,\"x\");", 8, ""},
    {"Print(0,0,0,0,16,0,\"x\",1);", 23, ""},
    {"PrintCode(0,0,0,8,16,7,321);", 0, "WriteText front 0,0 ffffff \"A\""},
    {"PrintCode(0,0,0,8,16,7,65.9);", 0, "WriteText front 0,0 ffffff \"A\""},
    {"PrintCode(0,0,0,8,16,7,-191);", 0, "WriteText front 0,0 ffffff \"A\""},
    {"PrintCode(0,0,0,8,16,7,0);", 0, "WriteText front 0,0 ffffff \"\""},
    {"PrintCode(0,0,0,8,16,7,256);", 0, "WriteText front 0,0 ffffff \"\""},
    {"PrintCode(0,0,0,8,16,16,65);", 1, ""},
    {"PrintCode(0,0,0,8,16,7);", 8, ""},
    {"PrintKJCode(0,0,0,0,16,7,136,159);", 0, "WriteText front 0,0 ffffff \"亜\""},
    {"PrintKJCode(0,0,0,0,16,7,392,415);", 0, "WriteText front 0,0 ffffff \"亜\""},
    {"PrintKJCode(0,0,0,0,16,7,0,65);", 0, "WriteText front 0,0 ffffff \"\""},
    {"PrintKJCode(0,0,0,0,16,7,65,0);", 0, "WriteText front 0,0 ffffff \"A\""},
    {"PrintKJCode(0,0,0,0,16,-3,136,159);", 1, ""},
    {"PrintKJCode(0,0,0,0,16,7,136);", 8, ""},
    {"PrintData(0,0,0,0,16,0,2,3.14159);", 0, "WriteText front 0,0 000000 \"3.14\""},
    {"PrintData(0,0,0,0,16,0,1,-1/2);", 0, "WriteText front 0,0 000000 \"-0.5\""},
    {"PrintData(0,0,0,0,16,0,2,1.999);", 0, "WriteText front 0,0 000000 \"2.00\""},
    {"PrintData(0,0,0,0,16,0,0,-0.25);", 0, "WriteText front 0,0 000000 \"-0\""},
    {"PrintData(0,0,0,0,16,16,2,q);", 1, ""},  // the colour comes before the number
    {"PrintData(0,0,0,0,16,0,2,q);", 4, ""},
    {"PrintData(0,0,0,0,16,0,2);", 8, ""},
};

void PrintTo(const TextRow& r, std::ostream* os) { *os << RowName(r.body); }

class TextCommands : public GraphicsTest, public ::testing::WithParamInterface<TextRow> {};

TEST_P(TextCommands, WriteOrFail) {
  const TextRow& row = GetParam();
  EXPECT_EQ(RunBody(row.body), row.code);
  ExpectOnlyCall(row.call);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextCommands, ::testing::ValuesIn(kTextRows));

TEST_F(GraphicsTest, TextUsesTheArgumentsForItsFont) {
  ASSERT_EQ(RunBody("Print(100,100,90,7,24,2,\"x\");"), 0);
  EXPECT_EQ(canvas_.last_font.height, 24);
  EXPECT_EQ(canvas_.last_font.width, 7);
  EXPECT_EQ(canvas_.last_font.escapement, 900);
  EXPECT_STREQ(canvas_.last_font.face, "ＭＳ 明朝");
  EXPECT_EQ(canvas_.last_font.weight, 0);
}

TEST_F(GraphicsTest, SetFontLastsUntilTheNextSetFontOrRun) {
  ASSERT_EQ(RunBody("SetFont(\"ＭＳ ゴシック\",3);Print(0,0,0,0,16,0,\"a\");"), 0);
  EXPECT_STREQ(canvas_.last_font.face, "ＭＳ ゴシック");
  EXPECT_EQ(canvas_.last_font.weight, 900);
  EXPECT_EQ(canvas_.last_font.italic, 1);
  ASSERT_EQ(RunBody("Print(0,0,0,0,16,0,\"a\");"), 0);
  EXPECT_STREQ(canvas_.last_font.face, "ＭＳ 明朝");
  EXPECT_EQ(canvas_.last_font.italic, 0);
}

TEST_F(GraphicsTest, SetFontRefusesABadSwitchOrName) {
  const struct {
    const char* body;
    int code;
  } rows[] = {{"SetFont(\"x\",4);", 16}, {"SetFont(\"x\",-1);", 16}, {"SetFont(x,1);", 9},
              {"SetFont(\"x\");", 8},    {"SetFont(\"x\",1,2);", 23}};
  for (const auto& r : rows) {
    EXPECT_EQ(RunBody(r.body), r.code) << r.body;
    EXPECT_STREQ(graphics_state.font_face, "ＭＳ 明朝") << r.body;
    EXPECT_EQ(graphics_state.font_style, 0) << r.body;
  }
}

TEST_F(GraphicsTest, SetFontCutsALongNameToWholeCharacters) {
  // 15 double-byte characters and "A": 31 bytes; one more character is dropped whole.
  ASSERT_EQ(RunBody("SetFont(\"A明明明明明明明明明明明明明明明明\",2);"), 0);
  EXPECT_STREQ(graphics_state.font_face, "A明明明明明明明明明明明明明明明");
  EXPECT_EQ(std::strlen(graphics_state.font_face), 31u);
  ASSERT_EQ(RunBody("SetFont(\"AB明明明明明明明明明明明明明明明\",2);"), 0);
  EXPECT_STREQ(graphics_state.font_face, "AB明明明明明明明明明明明明明明");
}

TEST_F(GraphicsTest, PrintWritesTheCurrentFileNameForFILE_NAME) {
  std::strcpy(file_name, "C:\\data\\a.txt");
  ASSERT_EQ(RunBody("Print(1,2,0,0,16,4,\"FILE_NAME\");"), 0);
  EXPECT_EQ(canvas_.Last(), "WriteText front 1,2 00ff00 \"C:\\data\\a.txt\"");
  file_name[0] = '\0';
}

TEST_F(GraphicsTest, TextGoesToTheSelectedScreen) {
  ASSERT_EQ(RunBody("SelectScreen(0);PrintData(3,4,0,0,16,1,0,42.9);", "SubScreen(10,10);"), 0);
  EXPECT_EQ(canvas_.Last(), "WriteText back 3,4 0000ff \"42\"");
}

}  // namespace
}  // namespace zep
