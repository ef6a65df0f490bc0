// The script's dialog box and message box.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/args.h"
#include "core/control_table.h"
#include "core/run_settings.h"
#include "runtime/dialog.h"
#include "runtime/message_box.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class DialogTest : public RunTest {
 protected:
  // Loads, opens the run window and runs MAIN; calls of the opening are forgotten.
  void OpenAndRun(const std::string& script) {
    ASSERT_EQ(Load(script.c_str()), 0) << error_name;
    OnRunCreate(kWindow);
    host_.calls.clear();
    RunSection(kWindow, "MAIN");
  }
  const WindowRef kDialog = FakeDialogSystem::kDialog;
};

TEST_F(DialogTest, DefaultsWithoutASetUpSection) {
  OpenAndRun("CREATE{SetWinPos(100,120,0);}MAIN{DlgBox(\"ID_d\");x=1;}ID_dINIT{i=1;}");
  ASSERT_FALSE(host_.calls.empty());
  EXPECT_EQ(host_.calls[0], "OpenDialog \"ダイアログ\" 150,170 300x400 colour 7");
  EXPECT_EQ(Var("i"), 1);
  EXPECT_EQ(Var("x"), 1);
  EXPECT_EQ(run_state.dialog_open, 1);
  EXPECT_EQ(script_dialog.window, kDialog);
}

TEST_F(DialogTest, TheSetUpSectionRecordsSettingsAndControls) {
  OpenAndRun("CREATE{CreateControl(0,\"run\",\"ID_run\",0,0,9,9);}MAIN{DlgBox(\"ID_d\");}"
             "ID_dCREATE{SetWinSize(100,50);SetWinPos(5,6,1);SetCaption(\"設定\");SetTimer(30);"
             "SetWinColor(16);n=0;loop(2){n=n+1;}CreateControl(1,\"ok\",\"ID_ok\",1,2,3,4);}"
             "ID_ok{pressed=1;}");
  std::vector<std::string> expected = {
      "OpenDialog \"設定\" 5,6 102x70 colour 16", "StartDialogTimer 30", "SetTopmost 1",
      "CreateFont 12x6 w0 ＭＳ ゴシック", "CreateChild BUTTON \"ok\" 50000000 1,2,3,4 id 601",
      "SetFont 601"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(script_dialog.settings.first_control, 1);
  OnDialogCommand(kDialog, 601, 0);
  EXPECT_EQ(Var("pressed"), 1);
  host_.calls.clear();
  OnDialogDestroy(kDialog);
  EXPECT_EQ(host_.calls, std::vector<std::string>{"StopDialogTimer"});
  EXPECT_EQ(control_table.control_count, 1);  // the dialog's control is gone
  EXPECT_EQ(run_state.dialog_open, 0);
}

TEST_F(DialogTest, SetUpErrorsLeaveNoHalfOpenDialog) {
  struct Row {
    const char* setup;
    int code;
  };
  const Row rows[] = {{"Box(0,0,1,1,0,0);", kErrNoCommand}, {"SetTimer(0);", kErrTimer},
                      {"SetWinColor(17);", kErrColour},     {"SetScrollBar(1,1);", kErrNoCommand},
                      {"SetCaption(x);", kErrNoString}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.setup);
    SetUp();
    host_.boxes.clear();
    OpenAndRun(std::string("MAIN{DlgBox(\"ID_d\");}ID_dCREATE{CreateControl(0,\"a\",\"ID_a\",0,0,9,9);") +
               row.setup + "}");
    EXPECT_EQ(error_code, row.code);
    EXPECT_EQ(run_state.dialog_open, 0);
    EXPECT_EQ(control_table.control_count, 0);
    EXPECT_EQ(host_.boxes.size(), 1u);
    TearDown();
  }
}

TEST_F(DialogTest, AWindowThatCannotBeMadeIsReportedAndForgotten) {
  dialog_system_.refuse = true;
  OpenAndRun("MAIN{DlgBox(\"ID_d\");x=1;}ID_dCREATE{CreateControl(0,\"a\",\"ID_a\",0,0,9,9);}");
  EXPECT_EQ(LastBox(), "ダイアログボックスが開けません！");
  EXPECT_EQ(host_.boxes.back().title, "ZEP Error");
  EXPECT_EQ(run_state.dialog_open, 0);
  EXPECT_EQ(control_table.control_count, 0);
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(Var("x"), 1);
}

// SetWinSize from a dialog section sizes the dialog with the run window's
// menu and style corrections (border 1, caption and menu 19 here).
TEST_F(DialogTest, RunWindowCommandsFromADialogSectionActOnTheDialog) {
  struct Row {
    const char* create;
    const char* resize;
  };
  const Row rows[] = {
      {"", "ResizeWindow 102 70"},
      {"Menu(\"M\");PopupMenu(\"a\");", "ResizeWindow 102 90"},
      {"SetWinStyle(1);", "ResizeWindow 102 50"},
      {"Menu(\"M\");PopupMenu(\"a\");SetWinStyle(3);", "ResizeWindow 102 70"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.create);
    OpenAndRun(std::string("CREATE{") + row.create + "}MAIN{DlgBox(\"ID_d\");}" +
               "ID_dINIT{SetWinSize(100,50);SetCaption(\"d\");}");
    std::vector<std::string> tail(host_.calls.end() - 2, host_.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{row.resize, "SetTitle d"}));
  }
}

TEST_F(DialogTest, ASecondDlgBoxIsIgnored) {
  OpenAndRun("MAIN{DlgBox(\"ID_d\");DlgBox(\"ID_e\");x=1;}ID_eINIT{e=1;}");
  EXPECT_EQ(Var("x"), 1);
  EXPECT_TRUE(std::isnan(Var("e")));
  EXPECT_STREQ(script_dialog.name, "ID_d");
}

TEST_F(DialogTest, CloseDecisions) {
  OpenAndRun("MAIN{DlgBox(\"ID_d\");}");
  EXPECT_TRUE(OnDialogClose(kDialog));  // no CLOSE section: it closes at once
  OpenAndRun("MAIN{DlgBox(\"ID_d\");}ID_dCLOSE{n=1;}");
  EXPECT_FALSE(OnDialogClose(kDialog));
  EXPECT_EQ(Var("n"), 1);
  OpenAndRun("MAIN{DlgBox(\"ID_d\");}ID_dCLOSE{end;}");
  EXPECT_TRUE(OnDialogClose(kDialog));
  EXPECT_EQ(run_state.running, 1);  // end in a dialog section closes only the dialog
}

TEST_F(DialogTest, EndInARunSectionWhileTheDialogIsOpen) {
  OpenAndRun("MAIN{DlgBox(\"ID_d\");}STOP{end;}CLOSE{c=1;}");
  RunSection(kWindow, "STOP");
  EXPECT_EQ(run_state.dialog_open, 0);
  EXPECT_EQ(run_state.running, 1);
  EXPECT_FALSE(OnRunClose(kWindow));  // the run window's CLOSE runs and keeps it open
  EXPECT_EQ(Var("c"), 1);
}

TEST_F(DialogTest, AnErrorInADialogSectionEndsTheRunWithOneBox) {
  OpenAndRun("CREATE{SetTimer(50);}MAIN{DlgBox(\"ID_d\");}ID_dCREATE{SetTimer(20);}"
             "ID_dTIMER{x=y;}ID_dCLOSE{c=1;}CLOSE{c=2;}");
  host_.calls.clear();
  OnDialogTimer(kDialog);
  std::vector<std::string> expected = {"StopTimer", "StopDialogTimer", "PostCloseRequest"};
  EXPECT_EQ(host_.calls, expected);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(LastBox(), "サブルーチン : ID_dTIMER\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です");
  OnRunEvent(kWindow, "PAINT");
  OnDialogTimer(kDialog);
  EXPECT_EQ(host_.boxes.size(), 1u);
  EXPECT_TRUE(OnDialogClose(kDialog));
  host_.calls.clear();
  OnDialogDestroy(kDialog);  // the dialog's end asks the run window to close
  EXPECT_EQ(host_.calls, std::vector<std::string>{"PostCloseRequest"});
  EXPECT_TRUE(OnRunClose(kWindow));
  EXPECT_TRUE(std::isnan(Var("c")));  // neither CLOSE ran
}

TEST(MessBoxMapping, FlagsAndValues) {
  struct Row {
    int32_t btn, icon;
    unsigned flags;
  };
  const Row rows[] = {{1, 0, 0x00}, {2, 1, 0x31}, {3, 2, 0x44}, {4, 3, 0x23},
                      {9, 4, 0x10}, {0, 5, 0x00}, {2, -1, 0x01}};
  for (const Row& row : rows) {
    EXPECT_EQ(MessBoxFlags(row.btn, row.icon), row.flags) << row.btn << " " << row.icon;
  }
}

// The value follows the buttons shown, never the key that closed the box:
// Escape or the close box report Cancel (2), or nothing at all (0 or -1)
// where the box has no Cancel button.
TEST(MessBoxMapping, ValueFollowsTheButtonsShown) {
  struct Row {
    int32_t btn;
    int pressed;
    int32_t value;
  };
  const Row rows[] = {
      {1, 1, 1},  {1, 2, 1},  {1, -1, 1}, {0, 2, 1},  {5, 0, 1},  {-3, 2, 1},
      {2, 1, 1},  {2, 2, -1}, {2, 0, -1},
      {3, 6, 1},  {3, 7, 0},  {3, 2, 0},  {3, -1, 0}, {3, 0, 0},
      {4, 6, 1},  {4, 7, 0},  {4, 2, -1}, {4, 0, -1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessBoxValue(row.btn, row.pressed), row.value) << row.btn << " " << row.pressed;
  }
}

TEST_F(DialogTest, MessBoxShowsResolvedTextsAndGivesTheButtonsValue) {
  CopyText(file_name, sizeof file_name, "a.zep");
  host_.box_answer = 2;
  OpenAndRun("MAIN{v=MessBox(\"FILE_NAME\",\"題\",4,3)+ANSWER*10;}");
  EXPECT_EQ(Var("v"), -1);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "a.zep");
  EXPECT_EQ(host_.boxes[0].title, "題");
  EXPECT_EQ(host_.boxes[0].flags, 0x23u);
  EXPECT_EQ(Run("MAIN{MessBox(\"a\",\"b\",1);}"), kErrFewArgs);
}

}  // namespace
}  // namespace zep
