// The commands on edit fields, lists, buttons and scroll-bar controls, run
// against a model of the controls.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "controls/text_search.h"
#include "core/args.h"
#include "core/control_table.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

// Controls 600.. in this order: a one-line edit, a multi-line edit, a push
// button, a check box, an unsorted and a sorted combo box, a sorted and an
// unsorted list box, a scroll bar 100 wide, a bitmap button.
const char* const kCreate =
    "CreateControl(101,\"\",\"ID_e\",0,0,9,9);CreateControl(100,\"\",\"ID_m\",0,0,9,9);"
    "CreateControl(0,\"b\",\"ID_b\",0,0,9,9);CreateControl(20,\"c\",\"ID_c\",0,0,9,9);"
    "CreateControl(31,\"\",\"ID_combo\",0,0,9,9);CreateControl(30,\"\",\"ID_sc\",0,0,9,9);"
    "CreateControl(40,\"\",\"ID_sl\",0,0,9,9);CreateControl(41,\"\",\"ID_ul\",0,0,9,9);"
    "CreateControl(70,\"\",\"ID_s\",0,0,100,9);CreateControl(1,\"hint\",\"ID_bb\",0,0,9,9);";

struct CommandRow {
  const char* body;  // MAIN; v = ... is read afterwards
  int code;
  double v;          // NaN: not checked
  const char* edit;  // the one-line edit's text afterwards, nullptr: not checked
};

class ControlCommands : public RunTest, public ::testing::WithParamInterface<CommandRow> {
 protected:
  FakeControlSystem::Child& Edit() { return control_system_.children[Child(0)]; }
  static WindowRef Child(int i) { return reinterpret_cast<WindowRef>(0x1000 + 600 + i); }
};

TEST_P(ControlCommands, Run) {
  const CommandRow& row = GetParam();
  std::string script = std::string("CREATE{") + kCreate + "}MAIN{" + row.body + "}";
  ASSERT_EQ(Load(script.c_str()), 0) << error_name;
  CopyText(file_name, sizeof file_name, "a.zep");
  OnRunCreate(kWindow);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(error_code, row.code) << error_name;
  if (!std::isnan(row.v)) {
    EXPECT_EQ(Var("v"), row.v);
  }
  if (row.edit != nullptr) {
    EXPECT_EQ(Edit().text, row.edit);
  }
}

const CommandRow kRows[] = {
    // Inserting at the caret, replacing the selection.
    {"SetEditText(\"ID_e\",\"abc\");SetEditCursol(\"ID_e\",1,2);SetEditText(\"ID_e\",\"XY\");",
     0, NAN, "aXYc"},
    {"SetEditCode(\"ID_e\",321);SetEditCodeRet(\"ID_e\");", 0, NAN, "A\r\n"},
    {"SetEditData(\"ID_e\",3.14159,2);", 0, NAN, "3.14"},
    {"SetEditData(\"ID_e\",0-0.5,1);", 0, NAN, "-0.5"},
    {"SetEditData(\"ID_e\",7,0);", 0, NAN, "7"},
    {"SetEditData16(\"ID_e\",0-1);SetEditData16(\"ID_e\",255);", 0, NAN, "ffffffffff"},
    {"SetEditText(\"ID_e\",\"FILE_NAME\");", 0, NAN, "a.zep"},
    {"SetEditText(\"ID_e\",\"ab\");SetEditCursol(\"ID_e\",0-1,0-1);SetEditText(\"ID_e\",\"c\");", 0,
     NAN, "abc"},
    // Values, in expressions and with ANSWER untouched.
    {"SetEditText(\"ID_e\",\"日本\");v=GetEditLength(\"ID_e\")*10+ANSWER;", 0, 40, nullptr},
    {"SetEditText(\"ID_e\",\"日\");v=GetEditCode(\"ID_e\",0)+GetEditCode(\"ID_e\",1);", 0,
     -109 + -6, nullptr},
    {"SetEditText(\"ID_e\",\"ab\");v=GetEditCode(\"ID_e\",2);", kErrBadValue, NAN, nullptr},
    {"v=GetEditCode(\"ID_e\",0-1);", kErrBadValue, NAN, nullptr},
    {"SetEditText(\"ID_e\",\"12.5kg\");v=GetEditData(\"ID_e\");", 0, 12.5, nullptr},
    {"SetEditText(\"ID_e\",\"kg\");v=GetEditData(\"ID_e\");", 0, 0, nullptr},
    // Full-width digits, signs, point and spaces read as the user sees them;
    // a trail byte that looks like the first byte of a digit does not.
    {"SetEditText(\"ID_e\",\"５６\");v=GetEditData(\"ID_e\");", 0, 56, nullptr},
    {"SetEditText(\"ID_e\",\"　－１２．５ｋｇ\");v=GetEditData(\"ID_e\");", 0, -12.5, nullptr},
    {"SetEditText(\"ID_e\",\"＋3．２5\");v=GetEditData(\"ID_e\");", 0, 3.25, nullptr},
    {"SetEditText(\"ID_e\",\"モO\");v=GetEditData(\"ID_e\");", 0, 0, nullptr},
    {"SetEditText(\"ID_e\",\"１,２\");v=GetEditData(\"ID_e\");", 0, 1, nullptr},
    {"v=GetEditData(\"ID_m\");", kErrControlType, NAN, nullptr},
    {"SetEditText(\"ID_e\",\"abcd\");SetEditCursol(\"ID_e\",1,3);"
     "v=GetEditCursolStart(\"ID_e\")*10+GetEditCursolEnd(\"ID_e\");", 0, 13, nullptr},
    {"v=GetEditChange(\"ID_e\");SetEditText(\"ID_e\",\"x\");v=v*10+GetEditChange(\"ID_e\");"
     "SetEditNoChange(\"ID_e\");v=v*10+GetEditChange(\"ID_e\");", 0, 10, nullptr},
    {"SetEditText(\"ID_m\",\"hello\");GetEditText(\"ID_m\",1,99,\"ID_e\");", 0, NAN, "ello"},
    {"SetEditText(\"ID_m\",\"hello\");GetEditText(\"ID_m\",2,1,\"ID_e\");", kErrBadValue, NAN, ""},
    {"GetEditText(\"ID_m\",0,1,\"ID_b\");", kErrControlType, NAN, nullptr},
    {"GetEditText(\"ID_b\",0,1,\"ID_none\");", kErrNoControl, NAN, nullptr},
    {"SetEditText(\"ID_e\",\"abc\");v=SearchEditText(\"ID_e\",2,\"c\")*10+"
     "CompEditText(\"ID_e\",1,\"bc\");", 0, 21, nullptr},
    {"SetEditText(\"ID_e\",\"abc\");v=CompEditText(\"ID_e\",3,\"\");", 0, 0, nullptr},
    // Selection and clipboard; nothing on a control that is no edit field.
    {"SetEditText(\"ID_e\",\"abc\");AllClipEdit(\"ID_e\");SetEditCursol(\"ID_e\",3,3);"
     "PasteEdit(\"ID_e\");", 0, NAN, "abcabc"},
    {"SetEditText(\"ID_e\",\"abc\");AllClearEdit(\"ID_e\");", 0, NAN, ""},
    {"SetEditText(\"ID_e\",\"abc\");SetEditCursol(\"ID_e\",0,1);CutEdit(\"ID_e\");", 0, NAN, "bc"},
    {"SetEditText(\"ID_e\",\"abc\");UndoEdit(\"ID_e\");", 0, NAN, ""},
    {"SetEditText(\"ID_e\",\"abcd\");SetEditCursol(\"ID_e\",1,2);ClearEdit(\"ID_e\");", 0, NAN,
     "acd"},
    {"SetEditText(\"ID_e\",\"abc\");AllSelectEdit(\"ID_e\");v=GetEditCursolEnd(\"ID_e\");"
     "SetEditText(\"ID_e\",\"x\");", 0, 3, "x"},
    {"ClipEdit(\"ID_b\");CutEdit(\"ID_s\");v=1;", 0, 1, nullptr},
    {"ClipEdit(\"ID_none\");", kErrNoControl, NAN, nullptr},
    // Lists and combo boxes.
    {"SetListText(\"ID_sl\",\"b\");SetListText(\"ID_sl\",\"a\");SetListPos(\"ID_sl\",0);"
     "GetListText(\"ID_sl\",\"ID_e\");v=GetListPos(\"ID_sl\");", 0, 0, "a"},
    {"SetListText(\"ID_ul\",\"b\");SetListText(\"ID_ul\",\"a\");SetListPos(\"ID_ul\",0);"
     "GetListText(\"ID_ul\",\"ID_e\");", 0, NAN, "b"},
    {"v=GetListPos(\"ID_combo\");GetListText(\"ID_combo\",\"ID_e\");", 0, -1, ""},
    {"SetListText(\"ID_combo\",\"x\");SetListPos(\"ID_combo\",0);GetComboText(\"ID_combo\",\"ID_e\");"
     "ClearList(\"ID_combo\");v=GetListPos(\"ID_combo\");", 0, -1, "x"},
    {"GetComboText(\"ID_sl\",\"ID_e\");", kErrControlType, NAN, nullptr},
    {"GetListText(\"ID_sl\",\"ID_m\");", kErrControlType, NAN, nullptr},
    {"SetListText(\"ID_e\",\"x\");", kErrControlType, NAN, nullptr},
    // Buttons.
    {"SetButtonCheck(\"ID_c\",1);v=GetButtonCheck(\"ID_c\");SetButtonCheck(\"ID_c\",2);"
     "v=v*10+GetButtonCheck(\"ID_c\");SetButtonCheck(\"ID_c\",0);v=v*10+GetButtonCheck(\"ID_c\");",
     0, 110, nullptr},
    {"SetButtonCheck(\"ID_b\",1);", kErrControlType, NAN, nullptr},
    {"SetButtonText(\"ID_s\",\"x\");", kErrControlType, NAN, nullptr},
    // Scroll-bar controls.
    {"SetScrollPos(\"ID_s\",80);SetScrollRange(\"ID_s\",50);v=GetScrollPos(\"ID_s\");", 0, 50,
     nullptr},
    {"SetScrollPos(\"ID_s\",500);v=GetScrollPos(\"ID_s\");", 0, 500, nullptr},
    {"v=GetScrollPos(\"ID_e\");", kErrControlType, NAN, nullptr},
    {"v=GetScrollPos(\"FILE_NAME\");", kErrNoControl, NAN, nullptr},
    {"SetEditText(\"ID_e\");", kErrFewArgs, NAN, nullptr},
    {"SetEditText(ID_e,\"x\");", kErrNoString, NAN, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Rows, ControlCommands, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<CommandRow>& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

// The platform's edit control counts characters; every edit command counts
// bytes of the Shift-JIS text, the caret's commands too.
TEST_F(ControlCommands, CaretPositionsAreByteOffsetsWithJapaneseText) {
  struct Row {
    const char* body;
    double v;
    const char* edit;
  };
  const Row rows[] = {
      {"SetEditCursol(\"ID_e\",4,5);SetEditText(\"ID_e\",\"X\");", NAN, "日本Xb"},
      {"SetEditCursol(\"ID_e\",2,6);v=GetEditCursolStart(\"ID_e\")*10+GetEditCursolEnd(\"ID_e\");",
       26, nullptr},
      {"SetEditCursol(\"ID_e\",6,6);v=GetEditCursolStart(\"ID_e\")+GetEditLength(\"ID_e\");", 12,
       nullptr},
      {"SetEditCursol(\"ID_e\",0,2);v=GetEditCursolEnd(\"ID_e\");"
       "v=v*100+SearchEditText(\"ID_e\",0,\"a\");", 204, nullptr},
      {"SetEditCursol(\"ID_e\",0-1,0-1);SetEditText(\"ID_e\",\"c\");", NAN, "日本abc"},
  };
  control_system_.character_positions = true;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.body);
    std::string script = std::string("CREATE{") + kCreate + "}MAIN{SetEditText(\"ID_e\",\"日本ab\");" +
                         row.body + "}";
    ASSERT_EQ(Load(script.c_str()), 0) << error_name;
    OnRunCreate(kWindow);
    RunSection(kWindow, "MAIN");
    EXPECT_EQ(error_code, 0) << error_name;
    if (!std::isnan(row.v)) {
      EXPECT_EQ(Var("v"), row.v);
    }
    if (row.edit != nullptr) {
      EXPECT_EQ(Edit().text, row.edit);
    }
    OnRunDestroy(kWindow);
  }
}

TEST_F(ControlCommands, ButtonTextGoesToTheLabelOrTheHint) {
  std::string script = std::string("CREATE{") + kCreate +
                       "}MAIN{SetButtonText(\"ID_b\",\"OK\");SetButtonText(\"ID_bb\",\"new\");}";
  ASSERT_EQ(Load(script.c_str()), 0);
  OnRunCreate(kWindow);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(control_system_.children[Child(2)].text, "OK");
  EXPECT_STREQ(control_table.records[9].text, "new");
}

TEST(TextSearch, StepsByCharacter) {
  struct Row {
    const char* text;
    int32_t n;
    const char* str;
    int32_t search, compare;
  };
  const Row rows[] = {
      {"abc", 0, "abc", 0, 1},  {"abc", 2, "c", 2, 1},   {"abc", 2, "cd", -1, 0},
      {"abc", 3, "", -1, 0},    {"abc", -1, "a", -1, 0}, {"abcabc", 1, "a", 3, 0},
      // The trail byte of ア (0x83 0x41) is no "A" when the search steps by character.
      {"\x83" "AA", 0, "A", 2, 0},
      {"\x83" "AA", 1, "A", 1, 1},
  };
  for (const Row& row : rows) {
    size_t length = std::strlen(row.text), m = std::strlen(row.str);
    EXPECT_EQ(SearchText(row.text, length, row.n, row.str, m), row.search) << row.text << row.n;
    EXPECT_EQ(CompareText(row.text, length, row.n, row.str, m), row.compare) << row.text << row.n;
  }
}

}  // namespace
}  // namespace zep
