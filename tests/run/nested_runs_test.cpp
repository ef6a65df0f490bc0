// Sections that run while another waits inside a command (a message box, a
// file dialog): the waiting command keeps its own name and value, and a
// run, window or section that ends meanwhile stops the waiting section
// without a second box and without reading what was freed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/control_table.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/section_runs.h"
#include "runtime/dialog.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class NestedRunTest : public RunTest {
 protected:
  // Loads, opens the run window and runs MAIN.
  void OpenAndRun(const std::string& script) {
    ASSERT_EQ(Load(script.c_str()), 0) << error_name;
    OnRunCreate(kWindow);
    RunSection(kWindow, "MAIN");
  }
  const WindowRef kDialog = FakeDialogSystem::kDialog;
};

TEST_F(NestedRunTest, TheWaitingCommandReportsItsOwnName) {
  // The dialog gives back the focus before it returns: SETFOCUS (missing
  // here) and KILLFOCUS run, and their names must not reach the report of
  // the file that can't be opened.
  host_.dialog_path = "C:\\missing.dat";
  host_.during_dialog = [] {
    RunSection(kWindow, "SETFOCUS");
    RunSection(kWindow, "KILLFOCUS");
  };
  OpenAndRun("MAIN{OpenFileReadDlg(\"開く\");}KILLFOCUS{Box(0,0,1,1,0,0);}");
  EXPECT_EQ(error_code, kErrOpenFile);
  EXPECT_EQ(LastBox(), "サブルーチン : MAIN\r\n\r\n コマンド : OpenFileReadDlg\r\n\r\nファイルを開けません");
}

// Each way a run, a window or a section can end while MAIN waits in
// MessBox: MAIN stops where it waits and no second box comes.
TEST_F(NestedRunTest, AnEndDuringTheWaitStopsTheWaitingSection) {
  struct Row {
    const char* what;
    std::function<void()> during;
    size_t boxes;  // the MessBox and what the nested run reported
  };
  const Row rows[] = {
      {"end in TIMER", [] { RunSection(kWindow, "TIMER"); }, 1},
      {"an error in TIMER", [] { RunSection(kWindow, "BAD"); }, 2},
      {"the window closed and destroyed",
       [] {
         run_state.running = 0;
         if (OnRunClose(kWindow)) OnRunDestroy(kWindow);
       },
       1},
      {"an error, then the window destroyed",
       [] {
         RunSection(kWindow, "BAD");
         OnRunDestroy(kWindow);
       },
       2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SetUp();
    host_.boxes.clear();
    host_.during_box = row.during;
    OpenAndRun("MAIN{v=MessBox(\"a\",\"b\",1,0)+w;after=1;}TIMER{end;}BAD{x=1/0;}");
    EXPECT_EQ(host_.boxes.size(), row.boxes);
    if (row.boxes == 2) {
      EXPECT_EQ(host_.boxes[1].text, "サブルーチン : BAD\r\n\r\n コマンド : 1/0\r\n\r\nゼロでの除算はできません");
    }
    if (program_text != nullptr) {
      EXPECT_TRUE(std::isnan(Var("after")));
    }
    EXPECT_EQ(run_state.running, 0);
    TearDown();
  }
}

TEST_F(NestedRunTest, AnotherDialogSectionsEndStopsTheWaitingDialogSection) {
  host_.during_box = [this] {
    RunSection(kDialog, "ID_dFINISH");  // end: the dialog is told to close
    OnDialogClose(kDialog);
    OnDialogDestroy(kDialog);
  };
  OpenAndRun("MAIN{DlgBox(\"ID_d\");}ID_dINIT{MessBox(\"a\",\"b\",1,0);after=1;}ID_dFINISH{end;}");
  EXPECT_EQ(host_.boxes.size(), 1u);
  EXPECT_TRUE(std::isnan(Var("after")));
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(run_state.running, 1);  // the run window goes on
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(run_state.dialog_open, 1);  // and may open the dialog again
}

TEST_F(NestedRunTest, EventsDuringWaitsNestOnlySoDeep) {
  int ticks = 0;
  std::function<void()> tick = [&] {
    if (++ticks > 100) return;
    host_.during_box = tick;
    OnRunTimer(kWindow);
  };
  host_.during_box = tick;
  OpenAndRun("MAIN{MessBox(\"a\",\"b\",1,0);}TIMER{n=n+1;MessBox(\"a\",\"b\",1,0);}CREATE{n=0;}");
  EXPECT_EQ(host_.boxes.size(), static_cast<size_t>(kMaxSectionRuns));
  EXPECT_EQ(Var("n"), kMaxSectionRuns - 1);
  EXPECT_EQ(SectionRunDepth(), 0);
  EXPECT_EQ(error_code, 0);
}

TEST_F(NestedRunTest, AReopenedDialogKeepsItsTimerFontsAndControls) {
  OpenAndRun(
      "MAIN{DlgBox(\"ID_d\");}QUIT{end;}"
      "ID_dCREATE{SetTimer(40);CreateControl(0,\"a\",\"ID_a\",0,0,9,9);}ID_a{pressed=1;}");
  RunSection(kWindow, "QUIT");  // `end` in the run window lets the dialog go
  EXPECT_EQ(run_state.dialog_open, 0);
  EXPECT_EQ(run_state.running, 1);
  WindowRef old_dialog = script_dialog.window;
  dialog_system_.next = reinterpret_cast<WindowRef>(0x3333);
  host_.calls.clear();
  RunSection(kWindow, "MAIN");
  ASSERT_EQ(script_dialog.window, dialog_system_.next);
  // The old window's end (at once, or when the platform gets to it) leaves
  // the new dialog alone.
  OnDialogDestroy(old_dialog);
  size_t started = 0, stopped_after = 0;
  for (const std::string& call : host_.calls) {
    if (call == "StartDialogTimer 40") ++started;
    if (call == "StopDialogTimer" && started > 0) ++stopped_after;
  }
  EXPECT_EQ(started, 1u);
  EXPECT_EQ(stopped_after, 0u);
  EXPECT_EQ(script_dialog.settings.timer_ms, 40);
  EXPECT_EQ(control_table.control_count, 1);
  EXPECT_EQ(host_.calls.back().rfind("SetFont", 0), 0u) << host_.calls.back();
  OnDialogCommand(script_dialog.window, kControlIdBase, 0);
  EXPECT_EQ(Var("pressed"), 1);
}

}  // namespace
}  // namespace zep
