// The colours the editor gives a script's words, numbers, texts and
// comments, from the language's own tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/colouring.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class Colouring : public RunTest {};

// Each row: a text, and its coloured pieces as "piece=kind" in order.
std::string Shown(const std::string& text) {
  static const char* const kKinds[] = {"plain", "section", "command", "function", "reserved",
                                       "control", "number", "text", "comment", "unknown"};
  std::string shown;
  for (const ColourSpan& s : ColourText(text)) {
    if (!shown.empty()) shown += " ";
    shown += text.substr(s.start, s.length) + "=" + kKinds[static_cast<int>(s.colour)];
  }
  return shown;
}

TEST_F(Colouring, WordsTakeTheColourOfWhatTheLanguageMakesOfThem) {
  struct Row {
    const char* text;
    const char* shown;
  };
  const Row rows[] = {
      {"PAINT {\r\n}", "PAINT=section"},
      {"TIMMER{}", "TIMMER=section"},
      {"得点表示 {}", "得点表示=section"},
      {"A{Box(1,2,3,4,0,0);}", "A=section Box=command 1=number 2=number 3=number 4=number "
                               "0=number 0=number"},
      {"CREATE{SetTimer(100);Data(\"t\",2,3);}", "CREATE=section SetTimer=command 100=number "
                                                 "Data=command \"t\"=text 2=number 3=number"},
      {"A{x=sin(PI)+abs(MOUSE_X);}", "A=section sin=function PI=reserved abs=function "
                                     "MOUSE_X=reserved"},
      {"A{loop(3){if(a==1){call(\"B\");}}return;end;}",
       "A=section loop=control 3=number if=control 1=number call=control \"B\"=text "
       "return=control end=control"},
      {"A{Prin(1);}", "A=section Prin=unknown 1=number"},
      {"A{Print (1);}", "A=section Print=command 1=number"},
      {"A{x1=2.5;}", "A=section 2.5=number"},
      {"A{// Box( は描かない\r\nx=1;}", "A=section // Box( は描かない=comment 1=number"},
      {"A{s=\"a // b\";}", "A=section \"a // b\"=text"},
      {"A{SetCaption(\"開いたまま", "A=section SetCaption=command \"開いたまま=text"},
      {"A{SetCaption(\"ボタン\");}", "A=section SetCaption=command \"ボタン\"=text"},
      {"A{if(x){B{}}}", "A=section if=control"},
      {"A{ボタン=1;}B{}", "A=section 1=number B=section"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Shown(row.text), row.shown) << row.text;
  }
}

}  // namespace
}  // namespace zep
