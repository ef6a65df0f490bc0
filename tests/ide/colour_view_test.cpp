// The editor colours only the lines an edit changed, and only when asked
// for the lines about to be seen; the runs count the control's characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/colour_view.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class ColourViewTest : public RunTest {};

// Runs as "start-end:kind", plain ones as "start-end".
std::string Shown(const std::vector<ColourRun>& runs) {
  static const char* const kKinds[] = {"plain", "section", "command", "function", "reserved",
                                       "control", "number", "text", "comment", "unknown"};
  std::string shown;
  for (const ColourRun& r : runs) {
    if (!shown.empty()) shown += " ";
    shown += std::to_string(r.start) + "-" + std::to_string(r.end);
    if (r.colour != Colour::kPlain) shown += std::string(":") + kKinds[static_cast<int>(r.colour)];
  }
  return shown;
}

TEST_F(ColourViewTest, TakesTheAskedLinesOnceInTheControlsCharacters) {
  struct Row {
    const char* text;
    int32_t first, last;
    const char* runs;
  };
  const Row rows[] = {
      // PAINT on line 0 is a section because line 1 opens its block.
      {"PAINT\r\n{\r\nBox(1) ;\r\n}", 0, 1, "0-5 0-5:section"},
      {"PAINT\r\n{\r\nBox(1) ;\r\n}", 2, 3, "8-16 8-11:command 12-13:number"},
      {"PAINT\r\n{\r\nBox(1) ;\r\n}", 0, 9, "0-18 0-5:section 8-11:command 12-13:number"},
      // A double-byte character is one; a line end is one.
      {"// 表\r\n\"あ\" 12", 0, 2, "0-11 0-4:comment 5-8:text 9-11:number"},
      {"", 0, 1, "0-0"},
      {"a\r\nb", 5, 9, ""},
  };
  for (const Row& row : rows) {
    ColourView view;
    view.Reset(row.text);
    EXPECT_EQ(Shown(view.Take(row.first, row.last)), row.runs) << row.text;
    EXPECT_EQ(Shown(view.Take(row.first, row.last)), "") << "again: " << row.text;
  }
}

TEST_F(ColourViewTest, AnEditLeavesTheLinesItDidNotTouchColoured) {
  struct Row {
    const char* before;
    const char* after;
    const char* runs;  // everything still to colour afterwards
  };
  const Row rows[] = {
      {"a\r\nb\r\nc", "a\r\nb\r\nc", ""},
      // A typed character: its line and the one before.
      {"a\r\nb\r\nc", "a\r\nbx\r\nc", "0-4"},
      {"A\r\nbc\r\nc", "A\r\n{c\r\nc", "0-4 0-1:section"},
      // Enter splits a line; the lines below keep their colours though they moved.
      {"x\r\nBox(1)\r\nEnd(2)", "x\r\nBox\r\n(1)\r\nEnd(2)", "0-9 2-5:command 7-8:number"},
      {"a\r\nb\r\nc", "b\r\nc", ""},  // a line taken away at the top
      {"a\r\nb\r\nc", "", "0-0"},
  };
  for (const Row& row : rows) {
    ColourView view;
    view.Reset(row.before);
    view.Take(0, 100);
    view.Update(row.after);
    EXPECT_EQ(Shown(view.Take(0, 100)), row.runs) << row.after;
  }
}

TEST_F(ColourViewTest, PositionsFollowTheirLinesThroughAnEdit) {
  struct Row {
    const char* before;
    const char* after;
    int32_t old, now;
  };
  const Row rows[] = {
      {"a\r\nb(x)\r\nc", "a\r\nb(x)\r\nc", 3, 3},
      {"a\r\nb(x)\r\nc", "new\r\na\r\nb(x)\r\nc", 3, 7},     // a line above
      {"a\r\nb(x)\r\nc", "aaa\r\nb(x)\r\nc", 3, 5},           // a longer line above
      {"a\r\nb(x)\r\nc", "a\r\nb(xy)\r\nc", 3, -1},           // its own line changed
      {"a\r\nb(x)\r\nc", "a\r\nb(x)\r\nc!", 0, 0},            // a line below
      {"a\r\nb(x)\r\nc", "a\r\nb(x)\r\nc", -1, -1},
  };
  for (const Row& row : rows) {
    ColourView view;
    view.Reset(row.before);
    view.Update(row.after);
    EXPECT_EQ(view.MapPosition(row.old), row.now) << row.after;
  }
}

TEST_F(ColourViewTest, NextUncolouredFindsWhatIsLeftToColour) {
  ColourView view;
  view.Reset("a\r\nb\r\nc\r\nd");
  view.Take(1, 3);
  EXPECT_EQ(view.NextUncoloured(0), 0);
  EXPECT_EQ(view.NextUncoloured(1), 3);
  view.Take(0, 4);
  EXPECT_EQ(view.NextUncoloured(0), 4);
  EXPECT_EQ(view.LineCount(), 4);
}

}  // namespace
}  // namespace zep
