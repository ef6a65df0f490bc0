// Menus: item numbering, the bar built at the window's opening, choosing an
// item, SetMenuStyle and its search bound, the limits of the tables, the
// window height with a bar, and the order of INIT and SIZE with a bar.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/exec.h"
#include "core/run_settings.h"
#include "runtime/events.h"
#include "runtime/menus.h"
#include "runtime/start.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class MenusTest : public RunTest {
 protected:
  // Loads the script, opens the window and forgets the calls so far.
  void Open(const std::string& script) {
    ASSERT_EQ(Load(script.c_str()), 0) << error_name;
    OnRunCreate(kWindow);
    host_.calls.clear();
  }
  // n items "x" under the last title: n PopupMenu statements.
  static std::string Items(int n, const char* text = "x") {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::string("PopupMenu(\"") + text + "\");";
    return s;
  }
};

TEST_F(MenusTest, ItemsAreNumberedAcrossTitlesSeparatorsIncluded) {
  ASSERT_EQ(Load("CREATE{Menu(\"A\");PopupMenu(\"a1\");PopupMenu(\"---\");"
                 "PopupMenuEX(\"a3\",\"ID_a3\");Menu(\"B\");PopupMenuEX(\"---\",\"ID_sep\");"
                 "PopupMenu(\"b2\");}"),
            0);
  std::vector<std::string> expected = {
      "CreatePopup #1",          "AppendItem #1 1 a1", "AppendSeparator #1 2",
      "AppendItem #1 3 a3",      "CreatePopup #2",     "AppendSeparator #2 4",
      "AppendItem #2 5 b2"};
  EXPECT_EQ(host_.calls, expected);
  const char* sections[] = {"", "a1", "---", "ID_a3", "ID_sep", "b2", ""};
  for (int id = 0; id < 7; ++id) EXPECT_STREQ(menu_tables.item_sections[id], sections[id]) << id;
  EXPECT_EQ(menu_tables.next_item_id, 6);
  EXPECT_EQ(menu_tables.menu_count, 2);
}

TEST_F(MenusTest, TheBarLeavesOutTitlesWithoutItems) {
  struct Row {
    const char* create;
    std::vector<std::string> opening;  // the menu calls of the opening steps
  };
  const Row rows[] = {
      {"", {}},
      {"Menu(\"A\");", {"CreateBar #1", "AttachBar #1"}},
      {"Menu(\"A\");Menu(\"B\");PopupMenu(\"b\");Menu(\"C\");",
       {"CreateBar #2", "AppendPopup #2 #1 B", "AttachBar #2"}},
      {"Menu(\"A\");PopupMenu(\"a\");Menu(\"B\");Menu(\"C\");PopupMenu(\"c\");",
       {"CreateBar #3", "AppendPopup #3 #1 A", "AppendPopup #3 #2 C", "AttachBar #3"}},
      {"Menu(\"ﾌｧｲﾙ(&F)\");PopupMenu(\"---\");",
       {"CreateBar #2", "AppendPopup #2 #1 ﾌｧｲﾙ(&F)", "AttachBar #2"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.create);
    menu_system_.Reset();
    ASSERT_EQ(Load((std::string("CREATE{") + row.create + "}").c_str()), 0);
    host_.calls.clear();
    OnRunCreate(kWindow);
    EXPECT_EQ(host_.calls, row.opening);
    EXPECT_TRUE(menu_system_.loose.empty());
    OnRunDestroy(kWindow);
  }
}

TEST_F(MenusTest, ChoosingAnItemRunsItsSection) {
  Open("CREATE{Menu(\"F\");PopupMenu(\"Open\");PopupMenuEX(\"閉じる\",\"ID_close\");"
       "PopupMenu(\"---\");Menu(\"G\");PopupMenu(\"Open\");}"
       "Open{o=o+1;}ID_close{c=c+1;}閉じる{bad=1;}INIT{o=0;c=0;}");
  const struct {
    int id;
    double o, c;
  } rows[] = {
      {1, 1, 0},  // PopupMenu: the section of its text
      {2, 1, 1},  // PopupMenuEX: the section of its ID, not of its text
      {3, 1, 1},  // the separator names "---": no such section
      {4, 2, 1},  // the same text under a second title
      {5, 2, 1},  // no such item
      {0, 2, 1},
  };
  for (const auto& row : rows) {
    OnRunCommand(kWindow, row.id, 0);
    EXPECT_EQ(Var("o"), row.o) << row.id;
    EXPECT_EQ(Var("c"), row.c) << row.id;
  }
  EXPECT_TRUE(std::isnan(Var("bad")));
  EXPECT_EQ(error_code, 0);
  run_state.window_ready = 0;  // before the opening steps are complete: ignored
  OnRunCommand(kWindow, 1, 0);
  run_state.window_ready = 1;
  EXPECT_EQ(Var("o"), 2);
}

TEST_F(MenusTest, AnItemWithEndClosesTheRun) {
  Open("CREATE{Menu(\"ﾌｧｲﾙ(&F)\");PopupMenuEX(\"閉じる\",\"ID_end\");}ID_end{end;}");
  OnRunCommand(kWindow, 1, 0);
  EXPECT_EQ(run_state.running, 0);
}

TEST_F(MenusTest, SetMenuStyle) {
  struct Row {
    const char* create;
    const char* body;
    int code;
    const char* last;  // the last call, or "" for no state change
  };
  const std::string twenty = "Menu(\"M\");" + Items(14) + "PopupMenu(\"i15\");PopupMenu(\"i16\");" +
                             Items(4, "y");
  const std::string two_titles = twenty + "Menu(\"N\");";
  const Row rows[] = {
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",1,0);", 0,
       "SetItemState #2 1 checked enabled"},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",1,0);SetMenuStyle(\"a\",0,1);", 0,
       "SetItemState #2 1 unchecked greyed"},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",2,-1);", 0,
       "SetItemState #2 1 unchecked enabled"},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",0+1,3-2);", 0,
       "SetItemState #2 1 checked greyed"},
      // PopupMenuEX items are found by their ID, not by their text.
      {"Menu(\"A\");PopupMenu(\"---\");PopupMenuEX(\"閉じる\",\"ID_end\");",
       "SetMenuStyle(\"ID_end\",0,1);", 0, "SetItemState #2 2 unchecked greyed"},
      {"Menu(\"A\");PopupMenuEX(\"閉じる\",\"ID_end\");", "SetMenuStyle(\"閉じる\",0,1);", kErrMenu,
       ""},
      // The first item of that name.
      {"Menu(\"A\");PopupMenu(\"a\");Menu(\"B\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",1,0);", 0,
       "SetItemState #3 1 checked enabled"},
      // One title searches IDs 0..15 only.
      {twenty.c_str(), "SetMenuStyle(\"i15\",1,0);", 0, "SetItemState #2 15 checked enabled"},
      {twenty.c_str(), "SetMenuStyle(\"i16\",1,0);", kErrMenu, ""},
      {twenty.c_str(), "SetMenuStyle(\"y\",1,0);", kErrMenu, ""},
      // A title without items still widens the search.
      {two_titles.c_str(), "SetMenuStyle(\"i16\",1,0);", 0, "SetItemState #2 16 checked enabled"},
      {"", "SetMenuStyle(\"a\",1,0);", kErrMenu, ""},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"b\",1,0);", kErrMenu, ""},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",1);", kErrFewArgs, ""},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",1,0,0);", kErrArgCount, ""},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(a,1,0);", kErrNoString, ""},
      {"Menu(\"A\");PopupMenu(\"a\");", "SetMenuStyle(\"a\",1,q);", kErrUndefined, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.create) + " | " + row.body);
    menu_system_.Reset();
    Open(std::string("CREATE{") + row.create + "}MAIN{" + row.body + "}");
    RunSection(kWindow, "MAIN");
    EXPECT_EQ(error_code, row.code);
    if (row.last[0] == '\0') {
      for (const std::string& call : host_.calls) EXPECT_NE(call.rfind("SetItemState", 0), 0u);
    } else {
      ASSERT_FALSE(host_.calls.empty());
      // The box of an error comes after the state change, so look for the call.
      EXPECT_EQ(host_.calls.back(), row.last);
    }
    OnRunDestroy(kWindow);
  }
  EXPECT_EQ(Load("CREATE{SetMenuStyle(\"a\",1,0);}"), kErrNoCommand);
}

// Until the window has finished opening SetMenuStyle does nothing, also
// with a wrong count of arguments.
TEST_F(MenusTest, SetMenuStyleBeforeTheWindowIsReadyIgnoresItsArguments) {
  Open("CREATE{Menu(\"A\");PopupMenu(\"a\");}MAIN{SetMenuStyle(\"a\",1);}");
  run_state.window_ready = 0;
  RunSection(kWindow, "MAIN");
  run_state.window_ready = 1;
  EXPECT_EQ(error_code, 0);
  for (const std::string& call : host_.calls) EXPECT_NE(call.rfind("SetItemState", 0), 0u);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(error_code, kErrFewArgs);
  OnRunDestroy(kWindow);
}

TEST_F(MenusTest, TheLimitsOfTheTablesAreLoadErrors) {
  struct Row {
    std::string create;
    int code;
  };
  const std::string t32(32, 't'), t33(33, 't');
  std::string sixteen, items255 = "Menu(\"A\");";
  for (int i = 0; i < 16; ++i) sixteen += "Menu(\"T\");";
  for (int i = 0; i < 255; ++i) items255 += "PopupMenu(\"x\");";
  const Row rows[] = {
      {sixteen, 0},
      {sixteen + "Menu(\"T\");", kErrMenu},
      {items255, 0},
      {items255 + "PopupMenu(\"---\");", kErrMenu},
      {items255 + "Menu(\"B\");PopupMenuEX(\"x\",\"ID_x\");", kErrMenu},
      {"PopupMenu(\"x\");", kErrMenu},
      {"PopupMenuEX(\"x\",\"ID_x\");Menu(\"A\");", kErrMenu},
      {"Menu(\"" + t32 + "\");PopupMenu(\"" + t32 + "\");PopupMenuEX(\"" + t32 + "\",\"" + t32 +
           "\");",
       0},
      {"Menu(\"" + t33 + "\");", kErrTooLong},
      {"Menu(\"A\");PopupMenu(\"" + t33 + "\");", kErrTooLong},
      {"Menu(\"A\");PopupMenuEX(\"" + t33 + "\",\"ID_x\");", kErrTooLong},
      {"Menu(\"A\");PopupMenuEX(\"x\",\"" + t33 + "\");", kErrTooLong},
      {"Menu();", kErrArgCount},
      {"Menu(\"A\",\"B\");", kErrArgCount},
      {"Menu(A);", kErrNoString},
      {"Menu(\"A\");PopupMenuEX(\"x\");", kErrFewArgs},
      {"Menu(\"A\");PopupMenuEX(\"x\",ID_x);", kErrNoString},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.create.substr(0, 80));
    menu_system_.Reset();
    EXPECT_EQ(Load(("CREATE{" + row.create + "}").c_str()), row.code);
    if (row.code != 0) {
      // The failed load destroyed every popup it had made.
      EXPECT_TRUE(menu_system_.loose.empty());
      EXPECT_EQ(menu_tables.menu_count, 0);
    } else {
      FreeRunParts(nullptr);
    }
  }
  const char* script = "CREATE{PopupMenu(\"x\");}";
  EXPECT_EQ(PrepareRun(nullptr, script, std::strlen(script)), StartFailure::kLoad);
  EXPECT_EQ(LastBox(), "サブルーチン : CREATE\r\n\r\n コマンド : PopupMenu\r\n\r\nメニューが無効です");
}

TEST_F(MenusTest, TheBarAddsToTheWindowHeight) {
  // Fake metrics: border 1, caption 19, menu 19.
  struct Row {
    const char* create;
    int win_y;
    const char* resize;  // run-time SetWinSize(100,50)
  };
  const Row rows[] = {
      {"SetWinSize(100,50);", 70, "ResizeWindow 102 70"},
      {"SetWinSize(100,50);Menu(\"A\");PopupMenu(\"a\");", 90, "ResizeWindow 102 90"},
      {"Menu(\"A\");SetWinSize(100,50);", 90, "ResizeWindow 102 90"},  // no items: still counts
      {"SetWinSize(100,50);Menu(\"A\");Menu(\"B\");", 90, "ResizeWindow 102 90"},
      {"SetWinSize(100,50);SetWinStyle(1);Menu(\"A\");", 70, "ResizeWindow 102 70"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.create);
    Open(std::string("CREATE{") + row.create + "}MAIN{SetWinSize(100,50);}");
    EXPECT_EQ(window_settings.win_y, row.win_y);
    RunSection(kWindow, "MAIN");
    EXPECT_EQ(host_.calls.back(), row.resize);
    OnRunDestroy(kWindow);
  }
}

TEST_F(MenusTest, InitRunsBeforeTheSizeThatAttachingTheBarSends) {
  ASSERT_EQ(Load("CREATE{SetWinSize(200,150);Menu(\"A\");PopupMenu(\"a\");}"
                 "INIT{order=1;iw=WIN_X;ih=WIN_Y;il=WIN_L;sizes=0;moves=0;}"
                 "SIZE{if(order==1){order=2;}sizes=sizes+1;}MOVE{moves=moves+1;}"),
            0);
  menu_system_.on_call = [](const std::string& call) {
    if (call.rfind("AttachBar", 0) != 0) return;
    OnRunSize(kWindow, 200, 131);
    OnRunMove(kWindow, 44, 80);
  };
  OnRunCreate(kWindow);
  EXPECT_EQ(Var("order"), 1);
  EXPECT_EQ(Var("iw"), 202);  // INIT saw the creation size and place
  EXPECT_EQ(Var("ih"), 190);
  EXPECT_EQ(Var("il"), 40);
  EXPECT_EQ(Var("sizes"), 0);
  EXPECT_EQ(Var("moves"), 0);
  // Afterwards the reserved variables hold what the platform reported.
  EXPECT_EQ(window_settings.win_x, 200);
  EXPECT_EQ(window_settings.win_y, 131);
  EXPECT_EQ(window_settings.win_l, 44);
  EXPECT_EQ(window_settings.win_t, 80);
  OnRunSize(kWindow, 210, 140);
  OnRunMove(kWindow, 50, 90);
  EXPECT_EQ(Var("order"), 2);
  EXPECT_EQ(Var("sizes"), 1);
  EXPECT_EQ(Var("moves"), 1);
  EXPECT_EQ(window_settings.win_x, 210);
  EXPECT_EQ(window_settings.win_t, 90);
}

TEST_F(MenusTest, ASizeDuringInitIsNotUndoneByTheOpeningReport) {
  ASSERT_EQ(Load("CREATE{Menu(\"A\");PopupMenu(\"a\");}INIT{SetMenuStyle(\"a\",1,0);}"
                 "SIZE{s=WIN_X;}"),
            0);
  // Attaching reports 300 wide; INIT's command is followed by a report of 320.
  menu_system_.on_call = [](const std::string& call) {
    if (call.rfind("AttachBar", 0) == 0) OnRunSize(kWindow, 300, 200);
    if (call.rfind("SetItemState", 0) == 0) OnRunSize(kWindow, 320, 210);
  };
  OnRunCreate(kWindow);
  EXPECT_EQ(Var("s"), 320);
  EXPECT_EQ(window_settings.win_x, 320);
  EXPECT_EQ(window_settings.win_y, 210);
}

TEST_F(MenusTest, TwoRunsLeaveNoMenuBehind) {
  Open("CREATE{Menu(\"A\");PopupMenu(\"a1\");PopupMenu(\"a2\");Menu(\"B\");PopupMenu(\"b1\");}");
  OnRunDestroy(kWindow);
  // The attached bar and its popups went with the window: nothing to destroy.
  EXPECT_TRUE(menu_system_.loose.empty());
  for (const std::string& call : host_.calls) EXPECT_NE(call.rfind("DestroyMenu", 0), 0u);
  host_.calls.clear();
  ASSERT_EQ(Load("CREATE{Menu(\"Z\");PopupMenu(\"z\");}MAIN{SetMenuStyle(\"a2\",1,0);}"), 0);
  EXPECT_EQ(menu_tables.menu_count, 1);
  EXPECT_EQ(menu_tables.next_item_id, 2);
  EXPECT_STREQ(menu_tables.item_sections[2], "");
  OnRunCreate(kWindow);
  std::vector<std::string> expected = {"CreatePopup #4", "AppendItem #4 1 z", "CreateBar #5",
                                       "AppendPopup #5 #4 Z", "AttachBar #5"};
  EXPECT_EQ(host_.calls, expected);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(error_code, kErrMenu);
}

}  // namespace
}  // namespace zep
