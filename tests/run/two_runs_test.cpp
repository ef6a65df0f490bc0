// Two runs one after another in one process, as the editor runs them:
// nothing of the first (variables, palette, screens, font, timer, controls,
// 3D packs, data file, dialog, ANSWER, error state) is left in the second.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/control_table.h"
#include "core/data_file.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/variables.h"
#include "graphics/packs.h"
#include "graphics/screen_state.h"
#include "runtime/dialog.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class TwoRunsTest : public RunTest {
 protected:
  // The first run: recorded settings, an array, a changed palette entry, the
  // back screen selected, a font; then a data file and a control as their
  // commands would leave them; then the window ends.
  void RunAndEndFirst() {
    ASSERT_EQ(Load("CREATE{SetTimer(50);SubScreen(100,80);Data(\"arr\",2,2);SetWinColor(0);"
                   "SetCaption(\"one\");SetScrollBar(5,0);Create3DPack(2,5);Set3DCenter(1,2,3);}"
                   "INIT{x=5;SetPal(1,10,20,30);SelectScreen(0);SetFont(\"Arial\",2);"
                   "DlgBox(\"ID_d\");}ID_dCREATE{SetTimer(40);}"),
              0);
    OnRunCreate(kWindow);
    ASSERT_EQ(error_code, 0) << error_name;
    ASSERT_EQ(Var("x"), 5);
    ASSERT_EQ(script_dialog.window, FakeDialogSystem::kDialog);
    open_file = 7;
    run_state.answer = 9;
    run_state.function_result = 9;
    control_table.control_count = 1;
    CopyText(control_table.records[0].id, sizeof control_table.records[0].id, "ID_ok");
    host_.calls.clear();
    canvas_.calls.clear();
    OnRunDestroy(kWindow);
  }

  void ExpectNothingOfTheFirst() {
    EXPECT_LT(FindVariable("x", 1), 0);
    EXPECT_LT(FindVariable("arr", 3), 0);
    EXPECT_STREQ(window_settings.caption, "実行中");
    EXPECT_EQ(window_settings.timer_ms, 0);
    EXPECT_EQ(window_settings.background, 7);
    EXPECT_EQ(window_settings.h_range, 0);
    EXPECT_EQ(graphics_state.back_screen_exists, 0);
    EXPECT_EQ(graphics_state.current_screen, 1);
    EXPECT_STREQ(graphics_state.font_face, "ＭＳ 明朝");
    EXPECT_EQ(control_table.control_count, 0);
    EXPECT_EQ(pack_scene.packs[2].capacity, 0);
    EXPECT_EQ(pack_scene.packs[2].triangles, nullptr);
    EXPECT_EQ(pack_scene.projection.center_x, 100);
    EXPECT_EQ(pack_scene.projection.deep, 1000.0);
    EXPECT_EQ(open_file, -1);
    EXPECT_EQ(error_code, 0);
    EXPECT_EQ(run_state.running, 1);
    EXPECT_EQ(run_state.answer, 0);
    EXPECT_EQ(run_state.dialog_open, 0);
    EXPECT_EQ(script_dialog.window, nullptr);
    EXPECT_STREQ(script_dialog.name, "");
    EXPECT_EQ(script_dialog.settings.timer_ms, 0);
  }
};

TEST_F(TwoRunsTest, TheEndOfTheFirstRunFreesAndStopsEverything) {
  RunAndEndFirst();
  std::vector<std::string> expected = {"CloseFile 7", "StopTimer"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(canvas_.Last(), "DestroyBackScreen");
  EXPECT_EQ(program_text, nullptr);
  EXPECT_EQ(variable_store.values, nullptr);
}

TEST_F(TwoRunsTest, TheSecondRunStartsClean) {
  RunAndEndFirst();
  ASSERT_EQ(Load("INIT{y=1;}MAIN{Point(0,0,1);}"), 0);
  host_.calls.clear();
  canvas_.calls.clear();
  OnRunCreate(kWindow);
  ExpectNothingOfTheFirst();
  EXPECT_TRUE(host_.calls.empty()) << host_.calls.front();  // no timer, no scroll range
  EXPECT_TRUE(canvas_.calls.empty()) << canvas_.Last();     // no back screen
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(canvas_.Last(), "SetPixel front 0,0 0000ff");  // the default palette
}

TEST_F(TwoRunsTest, AFailedCreateLeavesNothingForTheNextRun) {
  EXPECT_EQ(Load("CREATE{SetTimer(50);SubScreen(10,10);Data(\"arr\",2,2);x=1;Data(\"a\",0,1);}"),
            kErrBadValue);
  EXPECT_EQ(program_text, nullptr);
  EXPECT_EQ(variable_store.values, nullptr);
  EXPECT_TRUE(host_.calls.empty());  // the timer was never started, so nothing is stopped
  ASSERT_EQ(Load("INIT{}"), 0);
  OnRunCreate(kWindow);
  ExpectNothingOfTheFirst();
}

TEST_F(TwoRunsTest, AnErrorStopsTheTimerAndClosesTheFileBeforeTheReport) {
  ASSERT_EQ(Load("CREATE{SetTimer(20);}TIMER{x=y;}"), 0);
  OnRunCreate(kWindow);
  open_file = 3;
  host_.calls.clear();
  OnRunTimer(kWindow);
  std::vector<std::string> expected = {"StopTimer", "CloseFile 3", "PostCloseRequest"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(host_.boxes.size(), 1u);
  OnRunDestroy(kWindow);
  ASSERT_EQ(Load("INIT{}"), 0);
  OnRunCreate(kWindow);
  ExpectNothingOfTheFirst();
}

}  // namespace
}  // namespace zep
