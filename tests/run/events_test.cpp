// What the run window does on its events: opening and closing steps, the
// reserved variables, the close decision and the window's own scroll bars.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/args.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/variables.h"
#include "runtime/events.h"
#include "runtime/start.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class EventsTest : public RunTest {
 protected:
  void TearDown() override {
    direct_run = false;
    RunTest::TearDown();
  }
};

TEST_F(EventsTest, OpeningStepsThenInit) {
  ASSERT_EQ(Load("CREATE{SetTimer(50);SetWinPos(5,6,1);SetScrollBar(10,20);"
                 "SetWinStyleOption(2,0,0);SetWinSize(100,50);}INIT{ready=1;}"),
            0);
  OnRunCreate(kWindow);
  EXPECT_EQ(Var("ready"), 1);
  std::vector<std::string> expected = {"StartTimer 50", "SetTopmost 1", "SetScrollRange h 10",
                                       "SetScrollRange v 20", "ApplyShape 2 118 86 0 0"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(run_state.window_ready, 1);
}

TEST_F(EventsTest, ReservedVariablesFollowEvents) {
  ASSERT_EQ(Load("MOVE{l=WIN_L;t=WIN_T;}SIZE{w=WIN_X;h=WIN_Y;}MOUSEMOVE{mx=MOUSE_X;my=MOUSE_Y;}"
                 "LBUTTONDOWN{cx=MOUSE_X;}KEYDOWN{k=KEY;}KEYUP{u=KEY;}CHARDOWN{c=ASC;}"),
            0);
  OnRunEvent(kWindow, "LBUTTONDOWN");
  EXPECT_EQ(Var("cx"), 0);  // no mouse move yet
  OnRunMove(kWindow, 30, 65526);  // above the screen edge: unsigned 16 bits
  EXPECT_EQ(Var("l"), 30);
  EXPECT_EQ(Var("t"), 65526);
  OnRunSize(kWindow, 200, 120);
  EXPECT_EQ(Var("w"), 200);
  EXPECT_EQ(Var("h"), 120);
  OnRunMouseMove(kWindow, 9, 7);
  EXPECT_EQ(Var("mx"), 9);
  EXPECT_EQ(Var("my"), 7);
  OnRunEvent(kWindow, "LBUTTONDOWN");
  EXPECT_EQ(Var("cx"), 9);
  OnRunKey(kWindow, true, 65);
  OnRunKey(kWindow, false, 66);
  OnRunChar(kWindow, 0x61);
  EXPECT_EQ(Var("k"), 65);
  EXPECT_EQ(Var("u"), 66);
  EXPECT_EQ(Var("c"), 0x61);
}

TEST_F(EventsTest, CloseDecision) {
  ASSERT_EQ(Load("MAIN{}"), 0);
  EXPECT_TRUE(OnRunClose(kWindow));  // no CLOSE section: closes at once
  ASSERT_EQ(Load("CLOSE{n=1;}"), 0);
  EXPECT_FALSE(OnRunClose(kWindow));  // CLOSE without end keeps it open
  EXPECT_FALSE(OnRunClose(kWindow));
  ASSERT_EQ(Load("CLOSE{end;}"), 0);
  EXPECT_TRUE(OnRunClose(kWindow));
  ASSERT_EQ(Load("LBUTTONDOWN{end;}CLOSE{closed=1;}"), 0);
  OnRunEvent(kWindow, "LBUTTONDOWN");
  EXPECT_TRUE(OnRunClose(kWindow));  // after end, CLOSE does not run
  EXPECT_TRUE(std::isnan(Var("closed")));
}

TEST_F(EventsTest, WindowScrollBars) {
  ASSERT_EQ(Load("CREATE{SetScrollBar(3,0);}HSCROLLBAR{n=n+1;p=SCROLL_H;}CREATE2{}"), 0);
  RunSection(kWindow, "CREATE2");
  CreatePlainVariable("n", 0);
  using R = ScrollStep;
  struct Row {
    ScrollStep request;
    int pos, expected;
  };
  const Row rows[] = {{R::kLineBack, 0, 0}, {R::kLineForward, 0, 1}, {R::kLineForward, 0, 2},
                      {R::kLineForward, 0, 3}, {R::kLineForward, 0, 3}, {R::kThumb, 1, 1},
                      {R::kThumb, 9, 3}, {R::kLineBack, 0, 2}};
  int runs = 0;
  for (const Row& row : rows) {
    OnRunScroll(kWindow, ScrollBar::kHorizontal, row.request, row.pos);
    ++runs;
    EXPECT_EQ(Var("p"), row.expected);
    EXPECT_EQ(Var("n"), runs);
  }
  OnRunScroll(kWindow, ScrollBar::kHorizontal, R::kOther, 0);  // page moves are ignored
  EXPECT_EQ(Var("n"), runs);
  EXPECT_EQ(host_.calls.back(), "SetScrollPosition h 2");
}

TEST_F(EventsTest, ErrorInTimerStopsTimerAndIgnoresLaterEvents) {
  ASSERT_EQ(Load("CREATE{SetTimer(10);}TIMER{x=y;}PAINT{p=1;}"), 0);
  OnRunCreate(kWindow);
  OnRunTimer(kWindow);
  EXPECT_EQ(host_.boxes.size(), 1u);
  OnRunEvent(kWindow, "PAINT");
  OnRunTimer(kWindow);
  OnRunMouseMove(kWindow, 0, 0);
  EXPECT_EQ(host_.boxes.size(), 1u);
  EXPECT_TRUE(std::isnan(Var("p")));
  EXPECT_TRUE(OnRunClose(kWindow));
}

TEST_F(EventsTest, DestroyFreesTheRunAndEndsADirectRun) {
  ASSERT_EQ(Load("CREATE{SetTimer(10);}"), 0);
  direct_run = true;
  OnRunDestroy(kWindow);
  EXPECT_EQ(program_text, nullptr);
  EXPECT_EQ(variable_store.values, nullptr);
  std::vector<std::string> expected = {"StopTimer", "PostQuit 0"};
  EXPECT_EQ(host_.calls, expected);
}

TEST_F(EventsTest, RunPhaseWindowCommands) {
  // Fake metrics: border 1, caption 19, menu 19.
  ASSERT_EQ(Load("CREATE{SetWinStyle(3);}MAIN{SetWinSize(100,50);SetWinPos(7,8,1);"
                 "SetCaption(\"FILE_NAME\");}"),
            0);
  CopyText(file_name, sizeof file_name, "a.zep");
  RunSection(kWindow, "MAIN");
  std::vector<std::string> expected = {"ResizeWindow 102 50", "MoveWindowTo 7 8 1", "SetTitle a.zep"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(Run("MAIN{SetTimer(5);}"), kErrNoCommand);
}

TEST_F(EventsTest, FocusRunsItsSectionThenTakesTheFocus) {
  ASSERT_EQ(Load("SETFOCUS{f=1;}KILLFOCUS{k=1;}"), 0);
  OnRunSetFocus(kWindow);
  OnRunEvent(kWindow, "KILLFOCUS");
  EXPECT_EQ(Var("f"), 1);
  EXPECT_EQ(Var("k"), 1);
  EXPECT_EQ(host_.calls.back(), "SetFocusTo");
}

TEST_F(EventsTest, CommandLineQuotesAreDropped) {
  TakeCommandLine("\"C:\\my files\\a\"b.zep\"");
  EXPECT_TRUE(direct_run);
  EXPECT_STREQ(command_file, "C:\\my files\\ab.zep");
  TakeCommandLine("");
  EXPECT_FALSE(direct_run);
}

TEST_F(EventsTest, PrepareRunReportsLoadErrorsWithCreate) {
  const char* script = "CREATE{SetTimer(-5);}";
  EXPECT_EQ(PrepareRun(nullptr, script, std::strlen(script)), StartFailure::kLoad);
  EXPECT_EQ(LastBox(),
            "サブルーチン : CREATE\r\n\r\n コマンド : SetTimer\r\n\r\nタイマーの設定ができません");
  EXPECT_EQ(program_text, nullptr);
  EXPECT_EQ(run_state.running, 0);
}

}  // namespace
}  // namespace zep
