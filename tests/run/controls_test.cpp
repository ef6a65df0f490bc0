// Controls: the type table, CreateControl, creation at the window's opening,
// the commands on any control, and which notifications run a section.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/layout.h"
#include "controls/routing.h"
#include "controls/types.h"
#include "core/control_table.h"
#include "core/variables.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class ControlsTest : public RunTest {
 protected:
  // Loads the script, opens the window and forgets the opening's calls.
  void Open(const char* script) {
    ASSERT_EQ(Load(script), 0) << error_name;
    OnRunCreate(kWindow);
    host_.calls.clear();
  }
  WindowRef Child(int index) { return reinterpret_cast<WindowRef>(0x1000 + 600 + index); }
};

TEST(ControlTypes, ClassAndStyleOfEveryType) {
  struct Row {
    int32_t type;
    const char* cls;
    uint32_t style;
  };
  const Row rows[] = {
      {0, "BUTTON", 0x50000000u},     {10, "BUTTON", 0x50000004u},
      {20, "BUTTON", 0x50000002u},    {30, "COMBOBOX", 0x50200942u},
      {31, "COMBOBOX", 0x50200842u},  {32, "COMBOBOX", 0x50200943u},
      {33, "COMBOBOX", 0x50200843u},  {35, "COMBOBOX", 0x50200840u},
      {39, "COMBOBOX", 0x50200840u},  {40, "LISTBOX", 0x50A01003u},
      {41, "LISTBOX", 0x50A01000u},   {50, "BUTTON", 0x50000107u},
      {51, "BUTTON", 0x50000307u},    {52, "BUTTON", 0x50000207u},
      {60, "STATIC", 0x50000000u},    {70, "SCROLLBAR", 0x50000000u},
      {71, "SCROLLBAR", 0x50000001u}, {100, "EDIT", 0x50B01104u},
      {101, "EDIT", 0x50801180u},     {5, "BUTTON", 0x50000000u},
      {29, "BUTTON", 0x50000000u},    {42, "BUTTON", 0x50000000u},
      {102, "BUTTON", 0x50000000u},   {-3, "BUTTON", 0x50000000u},
  };
  for (const Row& row : rows) {
    ControlClass c = ClassOfType(row.type);
    EXPECT_STREQ(c.class_name, row.cls) << row.type;
    EXPECT_EQ(c.style, row.style) << row.type;
  }
}

TEST(ControlTypes, RangesAndNotifications) {
  EXPECT_TRUE(TypeInRange(29, TypeRange::kButton));
  EXPECT_FALSE(TypeInRange(30, TypeRange::kButton));
  EXPECT_FALSE(TypeInRange(9, TypeRange::kCheck));
  EXPECT_TRUE(TypeInRange(49, TypeRange::kList));
  EXPECT_FALSE(TypeInRange(40, TypeRange::kCombo));
  EXPECT_TRUE(TypeInRange(79, TypeRange::kScroll));
  EXPECT_TRUE(TypeInRange(100, TypeRange::kEdit));
  EXPECT_FALSE(TypeInRange(100, TypeRange::kSingleLine));
  struct Row {
    int32_t type;
    int code;
    bool runs;
  };
  const Row rows[] = {{0, 0, true},   {20, 0, true},  {30, 1, true},  {30, 7, false},
                      {39, 3, false}, {40, 1, true},  {40, 4, false}, {41, 4, true},
                      {101, 768, true}};
  for (const Row& row : rows) {
    EXPECT_EQ(NotificationRunsSection(row.type, row.code), row.runs) << row.type << " " << row.code;
  }
}

TEST(ControlTypes, ScrollTargetsAreClamped) {
  using S = ScrollStep;
  struct Row {
    ScrollStep step;
    int32_t current, pos, max, target;
  };
  const Row rows[] = {{S::kLineBack, 0, 0, 200, 0},    {S::kLineBack, 5, 0, 200, 4},
                      {S::kLineForward, 200, 0, 200, 200}, {S::kLineForward, 7, 0, 200, 8},
                      {S::kThumb, 3, 150, 200, 150},   {S::kThumb, 3, 250, 200, 200},
                      {S::kOther, 9, 0, 200, 9},       {S::kThumb, 9, -4, 200, 0}};
  for (const Row& row : rows) {
    EXPECT_EQ(ScrollTarget(row.step, row.current, row.pos, row.max), row.target);
  }
}

TEST_F(ControlsTest, ControlsAreMadeAtTheOpeningWithTheirOwnFont) {
  ASSERT_EQ(Load("CREATE{CreateControl(0,\"OK\",\"ID_ok\",10,20,80,24);"
                 "CreateControl(70,\"\",\"ID_bar\",0,50,200,16);}"),
            0);
  EXPECT_TRUE(host_.calls.empty());  // nothing is made in CREATE
  OnRunCreate(kWindow);
  std::vector<std::string> expected = {
      "CreateFont 12x6 w0 ＭＳ ゴシック",
      "CreateChild BUTTON \"OK\" 50000000 10,20,80,24 id 600",
      "SetFont 600",
      "CreateFont 12x6 w0 ＭＳ ゴシック",
      "CreateChild SCROLLBAR \"\" 50000000 0,50,200,16 id 601",
      "SetFont 601",
      "SetScrollBarRange 601 200",
      "SetScrollBarPos 601 0"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(control_table.records[1].scroll_max, 200);
  OnRunDestroy(kWindow);
  EXPECT_EQ(control_system_.fonts_alive, 0);
  EXPECT_EQ(control_table.control_count, 0);
}

TEST_F(ControlsTest, CreateControlChecks) {
  struct Row {
    const char* script;
    int code;
  };
  const Row rows[] = {
      {"CREATE{CreateControl(0,\"a\",\"ID_a\",1,2,3);}", kErrFewArgs},
      {"CREATE{CreateControl(0,\"a\",\"ID_a\",1,2,3,4,5);}", kErrArgCount},
      {"CREATE{CreateControl(0,a,\"ID_a\",1,2,3,4);}", kErrNoString},
      {"CREATE{CreateControl(q,\"a\",\"ID_a\",1,2,3,4);}", kErrUndefined},
      {"MAIN{CreateControl(0,\"a\",\"ID_a\",1,2,3,4);}CREATE{}", 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Load(row.script), row.code) << row.script;
  }
  EXPECT_EQ(Run("MAIN{CreateControl(0,\"a\",\"ID_a\",1,2,3,4);}"), kErrNoCommand);
  std::string long_id = "CREATE{CreateControl(0,\"a\",\"" + std::string(128, 'x') + "\",1,2,3,4);}";
  EXPECT_EQ(Load(long_id.c_str()), kErrControlCreate);
}

// A full table is refused before the count is checked: a 257th
// CreateControl gives code 25 whatever its arguments.
TEST_F(ControlsTest, AFullTableIsRefusedBeforeTheCount) {
  EXPECT_EQ(Load("CREATE{loop(256){CreateControl(0,\"b\",\"ID_b\",0,0,10,10);}CreateControl(0);}"),
            kErrControlCreate);
  EXPECT_EQ(Load("CREATE{loop(255){CreateControl(0,\"b\",\"ID_b\",0,0,10,10);}CreateControl(0);}"),
            kErrFewArgs);
}

TEST_F(ControlsTest, The257thControlFailsWithTheFixedMessage) {
  const char* script =
      "CREATE{loop(257){CreateControl(0,\"b\",\"ID_b\",0,0,10,10);}}";
  EXPECT_EQ(PrepareRun(nullptr, script, std::strlen(script)), StartFailure::kLoad);
  EXPECT_EQ(LastBox(), "サブルーチン : CREATE\r\n\r\n コマンド : CreateControl\r\n\r\n"
                       "コントロールの作成に失敗しました");
  EXPECT_EQ(Load("CREATE{loop(256){CreateControl(0,\"b\",\"ID_b\",0,0,10,10);}}"), 0);
}

TEST_F(ControlsTest, NotificationsRunTheSectionOfTheControlsId) {
  Open("CREATE{CreateControl(0,\"OK\",\"ID_ok\",0,0,9,9);CreateControl(31,\"\",\"ID_c\",0,0,9,9);"
       "CreateControl(0,\"again\",\"ID_ok\",0,0,9,9);}"
       "ID_ok{n=n+1;}ID_c{c=c+1;}INIT{n=0;c=0;}");
  RunSection(kWindow, "INIT");
  OnRunCommand(kWindow, 600, 0);   // a click
  OnRunCommand(kWindow, 602, 0);   // a second control with the same ID runs the same section
  OnRunCommand(kWindow, 601, 3);   // the combo's list opened: nothing
  OnRunCommand(kWindow, 601, 1);   // a selection change
  OnRunCommand(kWindow, 603, 0);   // no such control
  OnRunCommand(kWindow, 5, 0);     // a menu item: no menus yet
  EXPECT_EQ(Var("n"), 2);
  EXPECT_EQ(Var("c"), 1);
}

TEST_F(ControlsTest, ScrollBarControlsRunTheirSectionOnlyWhenThePositionChanges) {
  Open("CREATE{CreateControl(70,\"\",\"ID_s\",0,0,3,10);}ID_s{n=n+1;p=p+1;}INIT{n=0;p=0;}");
  RunSection(kWindow, "INIT");
  using S = ScrollStep;
  OnRunControlScroll(kWindow, Child(0), S::kLineBack, 0);    // at 0 already
  OnRunControlScroll(kWindow, Child(0), S::kLineForward, 0);
  OnRunControlScroll(kWindow, Child(0), S::kThumb, 9);       // clamped to 3
  OnRunControlScroll(kWindow, Child(0), S::kLineForward, 0); // at the end
  OnRunControlScroll(kWindow, reinterpret_cast<WindowRef>(0x99), S::kLineForward, 0);
  EXPECT_EQ(Var("n"), 2);
  EXPECT_EQ(control_table.records[0].scroll_pos, 3);
  EXPECT_EQ(control_system_.scroll_pos[Child(0)], 3);
}

TEST_F(ControlsTest, SizeFontAndFocus) {
  Open("CREATE{CreateControl(101,\"\",\"ID_e\",0,0,50,20);}");
  struct Row {
    const char* body;
    int code;
    const char* last_call;
  };
  const Row rows[] = {
      {"SetControlSize(\"ID_e\",5,6,70,22);", 0, "PlaceControl 600 5,6,70,22"},
      {"SetControlFont(\"ID_e\",\"Arial\",8,16,3);", 0, "SetFont 600"},
      {"SetControlFocus(\"ID_e\");", 0, "ControlFocus 600"},
      {"KillControlFocus;", 0, "ControlFocus window"},
      {"SetControlFocus(\"ID_none\");", kErrNoControl, ""},
      {"SetControlFocus(\"FILE_NAME\");", kErrNoControl, ""},
      {"SetControlSize(\"ID_e\",5,6,70);", kErrFewArgs, ""},
      {"SetControlFont(\"ID_e\",Arial,8,16,0);", kErrNoString, ""},
      {"KillControlFocus(1);", kErrArgCount, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.body);
    std::string script = std::string("CREATE{CreateControl(101,\"\",\"ID_e\",0,0,50,20);}MAIN{") +
                         row.body + "}";
    Open(script.c_str());
    RunSection(kWindow, "MAIN");
    EXPECT_EQ(error_code, row.code) << error_name;
    if (row.last_call[0] != '\0') {
      ASSERT_FALSE(host_.calls.empty());
      EXPECT_EQ(host_.calls.back(), row.last_call);
    }
    OnRunDestroy(kWindow);
    SetUp();
  }
  EXPECT_EQ(ScriptFont("F", 8, 16, 3).weight, 900);
  EXPECT_TRUE(ScriptFont("F", 8, 16, 1).italic);
  EXPECT_EQ(ScriptFont("F", 8, 16, 7).weight, 0);
}

}  // namespace
}  // namespace zep
