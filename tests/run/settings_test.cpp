// The window settings of the CREATE section, the window-size corrections of
// the load, and what an error does to the timer.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "core/exec.h"
#include "core/run_settings.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class SettingsTest : public RunTest {};

TEST_F(SettingsTest, DefaultsWithoutCreate) {
  ASSERT_EQ(Load("PAINT{x=1;}"), 0);
  EXPECT_STREQ(window_settings.caption, "実行中");
  EXPECT_EQ(window_settings.win_x, 1024 - 80);
  EXPECT_EQ(window_settings.win_y, 768 - 80);
  EXPECT_EQ(window_settings.win_l, 40);
  EXPECT_EQ(window_settings.win_t, 40);
  EXPECT_EQ(window_settings.window_style, 0x80CF0000u);
  EXPECT_EQ(run_state.running, 1);
}

struct SettingsRow {
  const char* create;
  int code;
  int win_x, win_y;       // -1: not checked
  uint32_t style;         // 0: not checked
};

TEST_F(SettingsTest, SettingsCommands) {
  // Metrics of the fake window system: border 1, caption 19, menu 19, thumbs 16.
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
      EXPECT_EQ(window_settings.win_x, row.win_x);
    }
    if (row.win_y >= 0) {
      EXPECT_EQ(window_settings.win_y, row.win_y);
    }
    if (row.style != 0) {
      EXPECT_EQ(window_settings.window_style, row.style);
    }
  }
}

TEST_F(SettingsTest, SettingsValues) {
  ASSERT_EQ(Load("CREATE{SetWinPos(10,20,1);SetCaption(\"題名\");SetTimer(250);"
                 "SetWinStyleOption(1,8,6);SetWinColor(14);}"),
            0);
  EXPECT_EQ(window_settings.win_l, 10);
  EXPECT_EQ(window_settings.win_t, 20);
  EXPECT_EQ(window_settings.topmost, 1);
  EXPECT_STREQ(window_settings.caption, "題名");
  EXPECT_EQ(window_settings.timer_ms, 250);
  EXPECT_EQ(window_settings.region_type, 1);
  EXPECT_EQ(window_settings.corner_w, 8);
  EXPECT_EQ(window_settings.background, 14);
  ASSERT_EQ(Load("CREATE{SetWinStyleOption(5,1,1);SetWinPos(0,0,2);}"), 0);
  EXPECT_EQ(window_settings.region_type, 0);
  EXPECT_EQ(window_settings.topmost, 0);
}

TEST_F(SettingsTest, ErrorStopsTimerReportsAndCloses) {
  ASSERT_EQ(Load("CREATE{SetTimer(100);}TIMER{loop(2){x=y;}}"), 0);
  OnRunCreate(kWindow);
  host_.calls.clear();
  RunSection(kWindow, "TIMER");
  EXPECT_EQ(error_code, kErrUndefined);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].title, "ZEP Error");
  EXPECT_EQ(host_.boxes[0].flags, kBoxIconExclamation);
  EXPECT_EQ(host_.boxes[0].text,
            "サブルーチン : TIMER\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です");
  EXPECT_EQ(host_.calls.front(), "StopTimer");
  EXPECT_EQ(host_.calls.back(), "PostCloseRequest");
  EXPECT_EQ(window_settings.timer_ms, 0);
  EXPECT_EQ(run_state.running, 0);
  // Events that come while the report is pending run nothing and show no second box.
  RunSection(kWindow, "PAINT");
  EXPECT_EQ(host_.boxes.size(), 1u);
}

}  // namespace
}  // namespace zep
