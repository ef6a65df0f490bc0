// What each assist produces: the command assist's paste text and help
// keyword, the palette levels and their scroll rules, the style, control
// and font lines, the quoted file name, and the shared assist output.
#include <gtest/gtest.h>

#include <string>

#include "assist/assist_output.h"
#include "assist/choice_assists.h"
#include "assist/command_assist.h"
#include "assist/file_name_assist.h"
#include "assist/font_assist.h"
#include "assist/palette_assist.h"

namespace zep {
namespace {

struct PasteRow {
  int category, index;
  const char* output;
};

const PasteRow kPasteRows[] = {
    {0, 0, "Box(XL,YT,XR,YB,OC,IC) ;\r\n"},
    {3, 4, "CloseFile ;\r\n"},
    {11, 7, "sin(x)\r\n"},
    {12, 0, "loop(n){ 処理内容 }\r\n"},
    {13, 5, "TIMER\r\n{\r\n\r\n}\r\n"},
    {13, 0, "CREATE\r\n{\r\n\r\n}\r\n"},
    {14, 0, "MOUSE_X"},
    {14, 10, "\"FILE_NAME\""},
};

TEST(CommandAssist, PasteTextGetsTheLineEndsOfItsCategory) {
  for (const PasteRow& row : kPasteRows) {
    SetAssistOutput("");
    EXPECT_TRUE(TakeEntryForPaste(row.category, row.index));
    EXPECT_STREQ(AssistOutput(), row.output);
  }
}

TEST(CommandAssist, WithoutAnEntryTheOutputKeepsItsText) {
  SetAssistOutput("kept");
  EXPECT_FALSE(TakeEntryForPaste(0, -1));  // the list has no selection
  EXPECT_FALSE(TakeEntryForPaste(0, 25));
  EXPECT_FALSE(TakeEntryForPaste(15, 0));
  EXPECT_FALSE(TakeEntryForHelp(14, 20));
  EXPECT_STREQ(AssistOutput(), "kept");
}

TEST(CommandAssist, HelpTakesTheEntryAlone) {
  EXPECT_TRUE(TakeEntryForHelp(13, 5));
  EXPECT_STREQ(AssistOutput(), "TIMER");
  EXPECT_TRUE(TakeEntryForHelp(0, 0));
  EXPECT_STREQ(AssistOutput(), "Box(XL,YT,XR,YB,OC,IC) ;");
}

struct KeywordRow {
  const char* text;
  const char* keyword;
};

const KeywordRow kKeywordRows[] = {
    {"Box(XL,YT,XR,YB,OC,IC) ;", "Box"},
    {"loop(n){ 処理内容 }", "loop"},
    {"if(a > b){ 処理内容 }", "if"},
    {"CloseFile ;", "CloseFile ;"},
    {"KillControlFocus ;", "KillControlFocus ;"},
    {"CREATE", "CREATE"},
    {"\"FILE_NAME\"", "\"FILE_NAME\""},
    {"x{y(", "x"},
    {"", ""},
    // 0x7B, the byte of '{', is a trail byte of 魚 (8B 7B): not a cut.
    {"\x8b\x7b(1)", "\x8b\x7b"},
};

TEST(CommandAssist, HelpKeywordIsTheTextBeforeTheFirstParenthesisOrBrace) {
  for (const KeywordRow& row : kKeywordRows) EXPECT_EQ(HelpKeyword(row.text), row.keyword) << row.text;
}

TEST(CommandAssist, OnlyTheFifteenCategoriesAreSelectable) {
  EXPECT_FALSE(IsCategory(-1));  // no selection
  EXPECT_TRUE(IsCategory(0));
  EXPECT_TRUE(IsCategory(14));
  EXPECT_FALSE(IsCategory(15));
}

TEST(AssistOutput, LongTextIsCutWithoutSplittingACharacter) {
  std::string text = "ab";
  for (int i = 0; i < 300; ++i) text += "あ";
  SetAssistOutput(text.c_str());
  EXPECT_EQ(std::string(AssistOutput()).size(), 510u) << "254 characters; the 255th would end at byte 512";
  std::string path = "\"" + std::string(259, 'p') + "\"";
  SetAssistOutput(path.c_str());
  EXPECT_EQ(AssistOutput(), path) << "a full path in quotes fits";
}

struct ResultRow {
  int result;
  AssistAction action;
};

const ResultRow kResultRows[] = {
    {1003, AssistAction::kPaste}, {1004, AssistAction::kCopy}, {1005, AssistAction::kNothing},
    {1, AssistAction::kNothing},  {0, AssistAction::kNothing}, {2, AssistAction::kNothing},
    {-1, AssistAction::kNothing},
};

TEST(AssistOutput, ResultsTellTheEditorWhatToDo) {
  for (const ResultRow& row : kResultRows) EXPECT_EQ(AssistResult(row.result), row.action) << row.result;
}

struct ScrollRow {
  int level, code, pos;
  bool acts;
  int after;
};

const ScrollRow kScrollRows[] = {
    {10, kLineLeft, 0, true, 9},        {0, kLineLeft, 0, false, 0},
    {254, kLineRight, 0, true, 255},    {255, kLineRight, 0, false, 255},
    {200, kThumbTrack, 10, true, 10},   {200, kThumbTrack, 200, true, 200},
    {5, kThumbTrack, 300, true, 255},   {5, kThumbTrack, -3, true, 0},
    {100, 2, 0, false, 100},            // page left
    {100, 3, 0, false, 100},            // page right
    {100, 4, 50, false, 100},           // thumb released
    {100, 8, 0, false, 100},            // end of scroll
    {100, 6, 0, false, 100},            // to the left end
};

TEST(PaletteAssist, ArrowsMoveByOneWithinTheRangeAndDragsSetTheLevel) {
  for (const ScrollRow& row : kScrollRows) {
    int level = row.level;
    EXPECT_EQ(ScrollLevel(&level, row.code, row.pos), row.acts) << row.level << " code " << row.code;
    EXPECT_EQ(level, row.after) << row.level << " code " << row.code;
  }
}

TEST(PaletteAssist, LevelsStartAt255_200_255AndGiveTheirText) {
  PaletteLevels first;
  EXPECT_EQ(PaletteText(first, 0), "SetPal(n,255,200,255) ;\r\n");
  EXPECT_EQ(PaletteText(first, 1), "255,200,255");
  EXPECT_EQ(PaletteText(PaletteLevels{0, 7, 10}, 0), "SetPal(n,0,7,10) ;\r\n");
  EXPECT_EQ(PaletteText(PaletteLevels{0, 7, 10}, 1), "0,7,10");
}

struct StyleRow {
  int id;
  const char* text;
};

const StyleRow kStyleRows[] = {
    {299, ""},
    {300, "SetWinStyle(0) ;\r\n"},
    {301, "SetWinStyle(1) ;\r\n"},
    {302, "SetWinStyle(2) ;\r\n"},
    {303, "SetWinStyle(3) ;\r\n"},
    {304, "SetWinStyle(4) ;\r\n"},
    {305, "SetWinStyleOption(1,80,80) ;\r\n"},
    {306, "SetWinStyleOption(2,80,80) ;\r\n"},
    {307, ""},
};

TEST(StyleAssist, EachRadioButtonGivesItsLine) {
  for (const StyleRow& row : kStyleRows) EXPECT_EQ(StyleText(row.id), row.text) << row.id;
}

struct ControlRow {
  int id, type;
};

const ControlRow kControlRows[] = {
    {499, -1}, {500, 0},  {517, 1},  {501, 10}, {502, 20},  {503, 30},  {504, 31},
    {505, 32}, {506, 33}, {507, 40}, {516, 41}, {508, 50},  {509, 51},  {510, 52},
    {511, 60}, {512, 70}, {513, 71}, {514, 100}, {515, 101}, {518, -1},
};

TEST(ControlAssist, EachRadioButtonGivesItsType) {
  for (const ControlRow& row : kControlRows) {
    EXPECT_EQ(ControlType(row.id), row.type) << row.id;
    std::string expected = row.type < 0 ? "" : "CreateControl(" + std::to_string(row.type) +
                                                   ",\"str\",\"ID_control\",x,y,w,h) ;\r\n";
    EXPECT_EQ(ControlText(row.id), expected) << row.id;
  }
}

struct SampleRow {
  int style;
  int weight;
  bool italic;
};

const SampleRow kSampleRows[] = {{201, 0, false}, {202, 0, true}, {203, 700, false}, {204, 700, true}};

TEST(FontAssist, TheSampleFontFollowsTheStyle) {
  for (const SampleRow& row : kSampleRows) {
    SampleFont font = SampleFontFor(row.style);
    EXPECT_EQ(font.weight, row.weight) << row.style;
    EXPECT_EQ(font.italic, row.italic) << row.style;
    EXPECT_EQ(font.height, 24);
    EXPECT_EQ(font.width, 12);
    EXPECT_EQ(font.charset, 128);
    EXPECT_EQ(font.out_precision, 4);
    EXPECT_EQ(font.clip_precision, 0);
    EXPECT_EQ(font.quality, 1);
    EXPECT_EQ(font.pitch_and_family, 0x11);
  }
  EXPECT_EQ(std::string(kFontSample).size(), 16u);
}

TEST(FontAssist, TextIsTheCommandOrTheNameAlone) {
  const char kMincho[] = "ＭＳ 明朝";
  EXPECT_EQ(FontText(kMincho, 203, 0), "SetFont(\"ＭＳ 明朝\",2) ;\r\n");
  EXPECT_EQ(FontText(kMincho, 201, 0), "SetFont(\"ＭＳ 明朝\",0) ;\r\n");
  EXPECT_EQ(FontText(kMincho, 204, 0), "SetFont(\"ＭＳ 明朝\",3) ;\r\n");
  EXPECT_EQ(FontText(kMincho, 203, 1), "ＭＳ 明朝");
  EXPECT_EQ(FontText("", 202, 0), "SetFont(\"\",1) ;\r\n") << "an empty list gives an empty name";
  EXPECT_EQ(FontText("", 202, 1), "");
}

TEST(FontAssist, TheListKeepsOrderAndDuplicatesUpTo512Names) {
  FontList list;
  EXPECT_TRUE(list.Add("B"));
  EXPECT_TRUE(list.Add("A"));
  EXPECT_TRUE(list.Add("B"));
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.at(0), "B");
  EXPECT_EQ(list.at(1), "A");
  EXPECT_EQ(list.at(2), "B");
  while (list.Add("x")) {
  }
  EXPECT_EQ(list.count(), 512);
  EXPECT_FALSE(list.Add("y"));
  EXPECT_EQ(list.at(511), "x");
}

TEST(FontAssist, AFaceNameHoldsAtMost31BytesOfWholeCharacters) {
  FontList list;
  list.Add(std::string(40, 'f').c_str());
  EXPECT_EQ(list.at(0).size(), 31u);
  std::string wide;
  for (int i = 0; i < 16; ++i) wide += "あ";  // 32 bytes
  list.Add(wide.c_str());
  EXPECT_EQ(list.at(1).size(), 30u) << "15 characters; the 16th would need byte 32";
}

TEST(FileNameAssist, ThePathInDoubleQuotesWithoutALineEnd) {
  EXPECT_EQ(QuotedPath("D:\\data\\a.bmp"), "\"D:\\data\\a.bmp\"");
  EXPECT_EQ(QuotedPath(""), "\"\"");
}

TEST(FileNameAssist, FourFilterPairsThenTheEnd) {
  const char* p = kFileNameFilters;
  const char* expected[] = {"全ファイル(*.*)", "*.*",   "ビットマップ(*.bmp)", "*.bmp",
                            "プログラム(*.zep)", "*.zep", "データ(*.dat)",       "*.dat"};
  for (const char* e : expected) {
    EXPECT_STREQ(p, e);
    p += std::string(p).size() + 1;
  }
  EXPECT_EQ(*p, '\0');
  EXPECT_STREQ(kFileNameTitle, "ファイル名の取得");
  EXPECT_EQ(kFileNameFlags, 0x1804u);
}

}  // namespace
}  // namespace zep
