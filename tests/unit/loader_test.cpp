// Loading a script: compaction, finding sections, the CREATE pre-pass with
// its settings commands, arrays, and the window-size corrections.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/errors.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/text.h"
#include "core/variables.h"
#include "tests/unit/fake_host.h"

namespace zep {
namespace {

class LoaderTest : public InterpreterTest {};

TEST_F(LoaderTest, Compaction) {
  struct Row {
    const char* in;
    const char* out;
  };
  const Row rows[] = {
      {"PAINT {\r\n  Box(1, 2) ;\r\n}\r\n", "PAINT{Box(1,2);}"},
      {"A{x = \"a  b\" ;}", "A{x=\"a  b\";}"},
      {"A{x=1;// note\r\ny=2;}", "A{x=1;y=2;}"},
      {"A{x=1;// note\ny=2;}\r\nB{}", "A{x=1;B{}"},
      {"A{x=1;}// x", "A{x=1;}"},
      {"A{s(\"// no comment\");}", "A{s(\"// no comment\");}"},
      {"A{s(\"open", "A{s(\"open"},
      {"\tA\t{ }", "A{}"},
  };
  for (const Row& row : rows) {
    std::string text = row.in;
    CompactProgramText(&text[0]);
    EXPECT_STREQ(text.c_str(), row.out) << row.in;
  }
}

TEST_F(LoaderTest, FindSection) {
  SetProgramText("PAINT2{x=1;}PAINT{y=2;}}}X{}stray;Y{}PAINT{z=3;}", 48);
  struct Row {
    const char* name;
    int pos;
  };
  const Row rows[] = {{"PAINT2", 6}, {"PAINT", 17}, {"X", 26}, {"Y", -1}, {"NONE", -1}, {"PAIN", -1}};
  for (const Row& row : rows) {
    error_code = 0;
    EXPECT_EQ(FindSection(row.name), row.pos) << row.name;
    EXPECT_EQ(error_code, row.pos < 0 ? kErrNoSection : 0) << row.name;
  }
}

TEST_F(LoaderTest, DefaultsWithoutCreate) {
  ASSERT_EQ(Load("PAINT{x=1;}"), 0);
  EXPECT_STREQ(settings.caption, "実行中");
  EXPECT_EQ(settings.win_x, 1024 - 80);
  EXPECT_EQ(settings.win_y, 768 - 80);
  EXPECT_EQ(settings.win_l, 40);
  EXPECT_EQ(settings.win_t, 40);
  EXPECT_EQ(settings.window_style, 0x80CF0000u);
  EXPECT_EQ(running, 1);
}

struct SettingsRow {
  const char* create;
  int code;
  int win_x, win_y;       // -1: not checked
  uint32_t style;         // 0: not checked
};

TEST_F(LoaderTest, SettingsCommands) {
  // Metrics of the fake host: border 1, caption 19, menu 19, thumbs 16.
  const SettingsRow rows[] = {
      {"SetWinSize(300,200);", 0, 302, 220, 0x80CF0000u},
      {"SetWinSize(300,200);SetWinStyle(1);", 0, 302, 200, 0x80840000u},
      {"SetWinStyle(7);", 0, -1, -1, 0x80CF0000u},
      {"SetWinStyle(2);", 0, -1, -1, 0x80CA0000u},
      {"SetWinStyle(4);SetWinSize(10,10);", 0, 12, 10, 0x80000000u},
      {"SetWinSize(300,200);SetScrollBar(100,0);", 0, 302, 236, 0x80DF0000u},
      {"SetWinSize(300,200);SetScrollBar(0,50);", 0, 318, 220, 0x80EF0000u},
      {"SetScrollBar(100,0);SetWinStyle(2);SetWinSize(300,200);", 0, 302, 236, 0x80CA0000u},
      {"SetWinStyle(2);SetScrollBar(100,0);", 0, -1, -1, 0x80DA0000u},
      {"SetWinColor(17);", kErrColour, -1, -1, 0},
      {"SetWinColor(-2);", kErrColour, -1, -1, 0},
      {"SetTimer(0);", kErrTimer, -1, -1, 0},
      {"SetTimer(-5);", kErrTimer, -1, -1, 0},
      {"Box(0,0,10,10,0,0);", kErrNoCommand, -1, -1, 0},
      {"call(\"X\");", kErrNoCommand, -1, -1, 0},
      {"end;", kErrNoCommand, -1, -1, 0},
      {"SetWinSize(1);", kErrFewArgs, -1, -1, 0},
      {"SetCaption(title);", kErrNoString, -1, -1, 0},
  };
  for (const SettingsRow& row : rows) {
    SCOPED_TRACE(row.create);
    std::string script = std::string("CREATE{") + row.create + "}";
    EXPECT_EQ(Load(script.c_str()), row.code) << error_name;
    if (row.win_x >= 0) {
      EXPECT_EQ(settings.win_x, row.win_x);
    }
    if (row.win_y >= 0) {
      EXPECT_EQ(settings.win_y, row.win_y);
    }
    if (row.style != 0) {
      EXPECT_EQ(settings.window_style, row.style);
    }
  }
}

TEST_F(LoaderTest, SettingsValues) {
  ASSERT_EQ(Load("CREATE{SetWinPos(10,20,1);SetCaption(\"題名\");SetTimer(250);"
                 "SetWinStyleOption(1,8,6);SetWinColor(14);}"),
            0);
  EXPECT_EQ(settings.win_l, 10);
  EXPECT_EQ(settings.win_t, 20);
  EXPECT_EQ(settings.topmost, 1);
  EXPECT_STREQ(settings.caption, "題名");
  EXPECT_EQ(settings.timer_ms, 250);
  EXPECT_EQ(settings.region_type, 1);
  EXPECT_EQ(settings.corner_w, 8);
  EXPECT_EQ(settings.background, 14);
  ASSERT_EQ(Load("CREATE{SetWinStyleOption(5,1,1);SetWinPos(0,0,2);}"), 0);
  EXPECT_EQ(settings.region_type, 0);
  EXPECT_EQ(settings.topmost, 0);
}

TEST_F(LoaderTest, ArraysInCreate) {
  struct Row {
    const char* create;
    int code;
  };
  const Row rows[] = {
      {"Data(\"a\",2,3);", 0},
      {"Data(\"a\",255,257);", 0},
      {"x=5;Data(\"x\",2,2);", kErrArrayName},
      {"Data(\"a\",0,5);", kErrBadValue},
      {"Data(\"a\",-1,5);", kErrArrayRange},
      {"Data(\"a\",256,256);", kErrArrayRange},
      {"Data(\"a\",200,200);Data(\"b\",200,200);", kErrArrayRange},
      {"Data(\"a\",255,257);x=1;", kErrMemory},  // all 65535 cells in use
      {"Data(a,2,2);", kErrNoString},
      {"Data(\"a\",2);", kErrFewArgs},
      {"v=1;DataInit(\"v\",3);", kErrNoArray},
      {"DataInit(\"none\",3);", kErrNoArray},
      {"Data(\"a\",2,2);DataInit(\"a\",4);", 0},
  };
  for (const Row& row : rows) {
    std::string script = std::string("CREATE{") + row.create + "}";
    EXPECT_EQ(Load(script.c_str()), row.code) << row.create << " " << error_name;
  }
  ASSERT_EQ(Load("CREATE{Data(\"a\",2,3);DataInit(\"a\",4);a=7;x=a(1,2);}"), 0);
  EXPECT_EQ(Var("a"), 7);
  EXPECT_EQ(Var("x"), 4);
}

TEST_F(LoaderTest, CreateLoopsAndIfs) {
  ASSERT_EQ(Load("CREATE{n=0;loop(4){n=n+1;if(n==2){m=n;}}}"), 0);
  EXPECT_EQ(Var("n"), 4);
  EXPECT_EQ(Var("m"), 2);
}

TEST_F(LoaderTest, LoadErrorNamesCreate) {
  Load("CREATE{Data(\"a\",0,1);}");
  ASSERT_EQ(error_code, kErrBadValue);
  char section[32];
  SectionNameAt(program_text, -1, section, sizeof section);
  EXPECT_STREQ(section, "CREATE");
  EXPECT_EQ(store.values, nullptr);  // freed after the failed pre-pass
}

}  // namespace
}  // namespace zep
