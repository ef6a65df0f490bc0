// The shipped examples that use a name: words of code and whole string
// literals, read by Shift-JIS character; comments use nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/example_uses.h"

namespace zep {
namespace {

struct UseRow {
  const char* script;
  const char* name;
  bool uses;
};

// 0x88 0x41 is one character whose trail byte is 'A'.
const UseRow kUseRows[] = {
    {"PAINT { Box(0, 0, 9, 9, 0, 6) ; }", "Box", true},
    {"// Box(0, 0, 9, 9, 0, 6) ;\r\nPAINT { }", "Box", false},       // a comment
    {"PAINT { } // \"FILE_NAME\"", "FILE_NAME", false},             // a literal in a comment
    {"x=\x88\x41" "Box(0, 0, 9, 9, 0, 6) ;", "Box", true},          // after a trail byte
    {"x=\x88\x41" "B ;", "AB", false},                              // a trail byte joins no word
    {"SetCaption(\"FILE_NAME\") ;", "FILE_NAME", true},             // a literal's whole text
    {"call(\"DRAW\") ;", "DRAW", true},
    {"Print(0, 0, 0, 0, 9, 0, \"a FILE_NAME\") ;", "FILE_NAME", false},
    {"Print(0, 0, 0, 0, 9, 0, \"//\") ; Box(0, 0, 9, 9, 0, 6) ;", "Box", true},  // no comment in a literal
    {"BoxLine(1) ; RBox(1) ;", "Box", false},                       // inside longer words
};

TEST(ExampleUses, WordsOfCodeAndWholeLiteralsOnly) {
  for (const UseRow& row : kUseRows) {
    SCOPED_TRACE(row.script);
    std::vector<std::string> found = ExamplesUsing(row.name, {{"a.zep", row.script}});
    EXPECT_EQ(found, row.uses ? std::vector<std::string>{"a.zep"} : std::vector<std::string>{});
    EXPECT_EQ(NamesInScript(row.script).count(row.name), row.uses ? 1u : 0u);
  }
}

TEST(ExampleUses, TheExamplesThatUseANameInTheirOrder) {
  std::vector<ExampleScript> examples = {
      {"c.zep", "PAINT { Circle(0, 0, 9, 9, 0, 6) ; }"}, {"b.zep", "// Circle"}, {"a.zep", "Circle"}};
  EXPECT_EQ(ExamplesUsing("Circle", examples), (std::vector<std::string>{"c.zep", "a.zep"}));
}

}  // namespace
}  // namespace zep
