// The problem panel: the checker's problems listed under the text half a
// second after typing stops and before each run, marked where they stand,
// and selected in the text by a double-click on their line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ide/problem_panel.h"
#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

TEST(ProblemPanelRows, ListLinesAndPlacesInTheText) {
  struct Row {
    const char* text;
    Problem problem;
    const char* line;
    int32_t start, end;  // plain characters, a line end two
  };
  const Row rows[] = {
      {"A {\r\n  Prin(1) ;\r\n}", {2, 3, 4, Severity::kError, "「Prin」はありません。", "「Print」と書いてください。"},
       "2 行 3 列  エラー: 「Prin」はありません。 「Print」と書いてください。", 7, 11},
      {"点数 = 1 ;", {1, 6, 1, Severity::kWarning, "m", ""}, "1 行 6 列  注意: m", 5, 6},
      // A place past its line's end stops there; a line past the text's end
      // is the text's end.
      {"ab\r\ncd", {1, 2, 9, Severity::kError, "m", "h"}, "1 行 2 列  エラー: m h", 1, 2},
      {"ab", {5, 1, 1, Severity::kError, "m", "h"}, "5 行 1 列  エラー: m h", 2, 2},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ProblemListLine(row.problem), row.line) << row.text;
    int32_t start = -1, end = -1;
    ProblemRange(row.text, row.problem, &start, &end);
    EXPECT_EQ(start, row.start) << row.text;
    EXPECT_EQ(end, row.end) << row.text;
  }
}

class ProblemPanelTest : public EditorTest {
 protected:
  FakeControlSystem::Child& List() {
    return control_system_.children[reinterpret_cast<WindowRef>(0x1000 + kProblemListId)];
  }
  bool Marked(const std::string& run) const {
    const std::vector<std::string>& c = editor_system_.coloured;
    return std::find(c.begin(), c.end(), run) != c.end();
  }
};

TEST_F(ProblemPanelTest, TypingWaitsForTheTimerThenListsAndMarks) {
  Open();
  Type("INIT {\r\n  Prin(1) ;\r\n}\r\n");
  EXPECT_TRUE(Called("StartCheckTimer 500"));
  EXPECT_TRUE(List().items.empty()) << "nothing before the text has rested";
  editor_system_.coloured.clear();
  CheckEditorText();  // the timer
  EXPECT_TRUE(Called("StopCheckTimer"));
  ASSERT_EQ(List().items.size(), 1u);
  EXPECT_NE(List().items[0].find("2 行 3 列  エラー: "), std::string::npos) << List().items[0];
  EXPECT_NE(List().items[0].find("「Print」"), std::string::npos) << List().items[0];
  // Prin stands at characters 9-13 of the control (a line end one).
  EXPECT_TRUE(Marked("9-13:problem")) << ::testing::PrintToString(editor_system_.coloured);
}

TEST_F(ProblemPanelTest, ADoubleClickSelectsTheProblemInTheText) {
  Open();
  Type("INIT {\r\n  x = 1 ;\r\n  Boxx(1, 1, 2, 2, 0, 0) ;\r\n}\r\n");
  CheckEditorText();
  ASSERT_EQ(List().items.size(), 1u);
  Select(0, 0);
  OnEditorCommand(kProblemListId, 1);  // a single click selects nothing in the text
  EXPECT_EQ(Selected(), "");
  control_system_.SelectItem(editor.problem_list, false, 0);
  OnEditorCommand(kProblemListId, 2);
  EXPECT_EQ(Selected(), "Boxx");
  EXPECT_TRUE(Called("ControlFocus 200"));
}

// After the box of a run's error, the list says it first, in its words.
TEST_F(ProblemPanelTest, ARunsErrorIsSaidFirstOnceItsBoxHasClosed) {
  Open();
  Type("CREATE { }\r\nTIMER {\r\n  x = y + 1 ;\r\n}\r\n");
  ASSERT_EQ(RunFromEditor(kEditor), 1);
  RunSection(run_window, "TIMER");
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_NE(LastBox().find("変数の値が未定です"), std::string::npos);  // the box as it always is
  OnRunDestroy(run_window);
  ASSERT_FALSE(List().items.empty());
  EXPECT_EQ(List().items[0].find("3 行 3 列  エラー: 変数「y」に、まだ値が入っていない"), 0u)
      << List().items[0];
  EXPECT_EQ(List().selected, 0);
  // A load error too, in place of what the check found at the same place.
  Select(0, static_cast<int32_t>(Text().text.size()));
  Type("CREATE {\r\n  Prin(1) ;\r\n}\r\n");
  CheckEditorText();
  ASSERT_EQ(List().items.size(), 1u);
  EXPECT_EQ(RunFromEditor(kEditor), 0);
  ASSERT_EQ(List().items.size(), 1u);
  EXPECT_NE(List().items[0].find("「Print」"), std::string::npos) << List().items[0];
}

TEST_F(ProblemPanelTest, AnOpenedFileIsCheckedAtOnce) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "INIT {\r\n  Prin(1) ;\r\n}\r\n";
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(List().items.size(), 1u);
  host_.files["C:\\work\\prog.zep"] = "INIT {\r\n  x = 1 ;\r\n}\r\n";
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_TRUE(List().items.empty());
}

}  // namespace
}  // namespace zep
