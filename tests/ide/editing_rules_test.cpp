// What the editor does as a line is typed: indentation after Enter and
// before `}`, and the matching bracket.
#include <gtest/gtest.h>

#include <string>

#include "ide/editing_rules.h"

namespace zep {
namespace {

TEST(EditingRules, EnterKeepsTheIndentationAndIndentsAfterABrace) {
  struct Row {
    const char* line;
    const char* indent;
  };
  const Row rows[] = {
      {"", ""},
      {"x=1;", ""},
      {"\tx=1;", "\t"},
      {"  \tx=1;", "  \t"},
      {"PAINT {", "\t"},
      {"\tif(a==1){", "\t\t"},
      {"\tloop(3) {   // 三回", "\t\t"},
      {"\tSetCaption(\"{\");", "\t"},
      {"\tSetCaption(\"開く{", "\t"},
      {"ボ", ""},  // its trail byte is a `{`, not a brace
      {"\t}", "\t"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IndentAfterEnter(row.line), row.indent) << row.line;
  }
}

TEST(EditingRules, ACloseBraceOnABlankLineMovesBackOneStep) {
  struct Row {
    const char* line;
    const char* before;
  };
  const Row rows[] = {
      {"\t\t", "\t"}, {"\t", ""}, {"", ""}, {"        ", "    "}, {"  ", ""},
      {"\tx", "\tx"}, {"\t\tx=1;", "\t\tx=1;"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IndentBeforeCloseBrace(row.line), row.before) << row.line;
  }
}

TEST(EditingRules, TabAndShiftTabMoveEveryLineOfASelectionOneStep) {
  struct Row {
    const char* lines;
    bool out;
    const char* result;
  };
  const Row rows[] = {
      {"a\r\n\tb\r\n\r\nc", false, "\ta\r\n\t\tb\r\n\r\n\tc"},
      {"\ta\r\n\t\tb\r\n\r\nc", true, "a\r\n\tb\r\n\r\nc"},
      {"      a\r\n  b", true, "  a\r\nb"},
      {" \ta", true, "\ta"},
      {"", false, ""},
      {"", true, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(IndentLines(row.lines, row.out), row.result) << row.lines;
}

TEST(EditingRules, LoneLineEndsBecomeWholeOnes) {
  struct Row {
    const char* text;
    const char* normal;
    bool changed;
  };
  const Row rows[] = {
      {"a\r\nb", "a\r\nb", false}, {"a\nb", "a\r\nb", true},   {"a\rb", "a\r\nb", true},
      {"a\r\r\nb", "a\r\n\r\nb", true}, {"\n\r", "\r\n\r\n", true}, {"", "", false},
      {"表\n", "表\r\n", true},  // a trail byte is never a line end
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    EXPECT_EQ(NormaliseLineEnds(&text), row.changed) << row.text;
    EXPECT_EQ(text, row.normal) << row.text;
  }
}

TEST(EditingRules, TheWordAtTheCaretIsTheNameThere) {
  struct Row {
    const char* text;
    size_t pos;
    const char* word;
  };
  const Row rows[] = {
      {"Box(1,2)", 0, "Box"},    {"Box(1,2)", 2, "Box"}, {"Box(1,2)", 3, "Box"},  // just after it
      {"a = MOUSE_X ;", 6, "MOUSE_X"}, {"x = 得点 + 1", 4, "得点"}, {"x = 得点 + 1", 6, "得点"},
      {"( )", 1, ""}, {"", 0, ""}, {"TIMER\r\n{", 5, "TIMER"}, {"ボタン", 2, "ボタン"},
  };
  for (const Row& row : rows) EXPECT_EQ(WordAt(row.text, row.pos), row.word) << row.text << " " << row.pos;
}

TEST(EditingRules, TheMatchingBracketSkipsTextsCommentsAndTrailBytes) {
  const std::string text = "A{if(x==\"(\"){B(1);} // }\r\nボ=1;}";
  struct Row {
    size_t pos;
    size_t match;
  };
  const size_t npos = std::string::npos;
  size_t outer_open = 1, outer_close = text.size() - 1;
  size_t if_paren = 4, if_close = text.find(')', 9);
  size_t b_open = text.find("B(") + 1, b_close = text.find(");");
  const Row rows[] = {
      {outer_open, outer_close}, {outer_close, outer_open},
      {if_paren, if_close},      {if_close, if_paren},
      {b_open, b_close},         {b_close, b_open},
      {text.find("\"(\"") + 1, npos},  // in a text
      {text.find("// }") + 3, npos},   // in a comment
      {text.find("ボ") + 1, npos},     // a trail byte that looks like `{`
      {0, npos},                       // no bracket
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MatchingBracket(text, row.pos), row.match) << row.pos;
  }
  EXPECT_EQ(MatchingBracket("A{(", 2), npos);
  EXPECT_EQ(MatchingBracket("A{", 5), npos);
}

}  // namespace
}  // namespace zep
