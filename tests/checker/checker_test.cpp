// The checker's problems, row by row: a script with one mistake and where
// and how it must be reported; and small correct scripts that must get no
// problem at all. Texts are Shift-JIS (the tests build with the program's
// character set), except the rows written as UTF-8 files are.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "checker/checker.h"
#include "core/errors.h"
#include "core/host.h"
#include "runtime/subsystems.h"
#include "tests/doubles/fake_host.h"

namespace zep {
namespace {

constexpr Severity E = Severity::kError;
constexpr Severity W = Severity::kWarning;

struct Mistake {
  const char* name;
  std::string script;
  int line, column;
  Severity kind;
  std::vector<std::string> words;  // all in the message or the hint
};

const Mistake kMistakes[] = {
    // A misspelt name, with the nearest known one.
    {"MisspeltCommand", "INIT {\n  Prin(1, 1, 0, 0, 16, 0, \"a\") ;\n}\n", 2, 3, E, {"「Prin」", "「Print」"}},
    {"CommandInOtherCase", "INIT {\n  print(1, 1, 0, 0, 16, 0, \"a\") ;\n}\n", 2, 3, E, {"「Print」"}},
    {"CrLfLines", "INIT {\r\n  x = 1 ;\r\n  Boxx(1, 1, 2, 2, 0, 0) ;\r\n}\r\n", 3, 3, E, {"「Box」"}},
    {"NoNearCommand", "INIT {\n  Zzyzxq(1) ;\n}\n", 2, 3, E, {"「Zzyzxq」", "つづり"}},
    {"MisspeltSection", "TIMMER {\n  x = 1 ;\n}\n", 1, 1, W, {"「TIMMER」", "「TIMER」"}},
    {"SectionInOtherCase", "Paint {\n}\n", 1, 1, W, {"「PAINT」"}},
    {"MisspeltReserved", "INIT {\n  x = MOUSEX ;\n}\n", 2, 7, E, {"「MOUSEX」", "「MOUSE_X」"}},
    {"ColumnAfterJapanese", "INIT {\n  点 = 0 ; Prin(1, 1, 0, 0, 16, 0, \"あ\") ;\n}\n", 2, 11, E, {"「Print」"}},
    {"Utf8File", u8"INIT {\n  点 = 0 ; Prin(1, 1, 0, 0, 16, 0, \"あ\") ;\n}\n", 2, 11, E, {"「Print」"}},
    {"NoValueNearAName", "INIT {\n  score = 0 ;\n  score = scroe + 1 ;\n}\n", 3, 11, E, {"「scroe」", "「score」"}},
    {"NoValue", "INIT {\n  x = y ;\n}\n", 2, 7, E, {"「y」", "「y = 0 ;」"}},
    // Argument counts of rows that declare theirs, with the catalog's form.
    {"TooFewArguments", "PAINT {\n  Box(10, 10, 50, 50, 1) ;\n}\n", 2, 3, E,
     {"「Box(XL,YT,XR,YB,OC,IC)」", " 6 個", " 5 個しかありません"}},
    {"TooManyArguments", "PAINT {\n  Box(10, 10, 50, 50, 1, 2, 3) ;\n}\n", 2, 3, E, {" 6 個", " 7 個あります"}},
    {"ArgumentsOfNoneTaken", "INIT {\n  CloseFile(1) ;\n}\n", 2, 3, E, {" 0 個", "何も書かない"}},
    {"FunctionTakesOne", "INIT {\n  x = sin(1, 2) ;\n}\n", 2, 7, E, {"「sin(x)」", " 1 個"}},
    // Brackets and quotes left open, at the one that opened.
    {"OpenParen", "INIT {\n  x = (1 + 2 ;\n}\n", 2, 7, E, {"「(」を閉じる「)」"}},
    {"StrayParen", "INIT {\n  x = 1 + 2) ;\n}\n", 2, 12, E, {"「)」と組になる「(」"}},
    {"OpenBrace", "INIT {\n  x = 1 ;\n", 1, 6, E, {"「{」を閉じる「}」"}},
    {"OpenBraceByIndent", "INIT {\n  if (x == 1) {\n    x = 2 ;\n}\nTIMER {\n}\n", 2, 15, E, {"「}」"}},
    {"OpenQuote", "INIT {\n  Print(1, 1, 0, 0, 16, 0, \"abc) ;\n}\n", 2, 28, E, {"「\"」", "閉じていません"}},
    // What the language does not have, with what to write instead.
    {"Else", "INIT {\n  if (y > 1) { y = 1 ; } else { y = 2 ; }\n}\n", 2, 26, E, {"「else」", "if"}},
    {"AndAnd", "INIT {\n  if (x > 1 && y > 1) { x = y ; y = x ; }\n}\n", 2, 13, E, {"「&&」", "if の中に if"}},
    {"OrOr", "INIT {\n  if (x > 1 || y > 1) { x = y ; y = x ; }\n}\n", 2, 13, E, {"「||」", "二つ"}},
    {"AndWord", "INIT {\n  if (x > 1 and y > 1) { x = y ; y = x ; }\n}\n", 2, 13, E, {"「and」"}},
    {"OrWord", "INIT {\n  if (x > 1 or y > 1) { x = y ; y = x ; }\n}\n", 2, 13, E, {"「or」"}},
    {"While", "INIT {\n  while (x < 10) { x = x + 1 ; }\n}\n", 2, 3, E, {"「while」", "loop"}},
    {"For", "INIT {\n  for (i = 0 ; i < 3 ; i = i + 1) { }\n}\n", 2, 3, E, {"「for」", "loop"}},
    {"HashComment", "# my script\nINIT {\n}\n", 1, 1, E, {"「#」", "//"}},
    {"BlockComment", "INIT {\n  /* note */ x = 1 ;\n}\n", 2, 3, E, {"/*", "//"}},
    // Full-width characters outside texts.
    {"WideDigits", "INIT {\n  x = ５６ ;\n}\n", 2, 7, E, {"「５６」", "「56」"}},
    {"WideParen", "INIT {\n  Print（1, 1, 0, 0, 16, 0, \"a\"） ;\n}\n", 2, 8, E, {"「（」", "「(」"}},
    {"WideSemicolon", "INIT {\n  x = 1 ；\n}\n", 2, 9, E, {"「；」", "「;」"}},
    {"JapaneseQuotes", "INIT {\n  Print(1, 1, 0, 0, 16, 0, 「a」) ;\n}\n", 2, 28, E, {"「「」", "「\"」"}},
    {"WideSpace", "INIT {\n  x　= 1 ;\n}\n", 2, 4, E, {"全角のスペース"}},
    // Statements: the `;` that ends each, a name alone, the CREATE phase.
    {"NoSemicolonBeforeBrace", "INIT {\n  x = 1\n}\n", 2, 8, E, {"「;」"}},
    {"NoSemicolonAtLineEnd", "INIT {\n  Box(1, 1, 2, 2, 0, 0)\n  y = 2 ;\n}\n", 2, 24, E, {"「;」"}},
    {"BareUnknownName", "PAINT {\n  Prin ;\n}\n", 2, 3, E, {"「Prin」", "「Print」"}},
    {"BareCommandWithoutItsValues", "PAINT {\n  Box ;\n}\n", 2, 3, E, {" 6 個", " 0 個しかありません"}},
    {"RunCommandInCreate", "CREATE {\n  Print(1, 1, 0, 0, 16, 0, \"a\") ;\n}\n", 2, 3, E, {"「Print」", "CREATE の中では"}},
    {"CallInCreate", "CREATE {\n  call(\"A\") ;\n}\nA {\n}\n", 2, 3, E, {"「call」", "INIT"}},
    {"CreateCommandInInit", "INIT {\n  SetTimer(100) ;\n}\n", 2, 3, E, {"「SetTimer」", "CREATE { }"}},
    {"IfWithOneEquals", "INIT {\n  if (x = 1) { y = 1 ; }\n}\n", 2, 9, E, {"「=」", "「==」"}},
    {"IfWithoutComparison", "INIT {\n  if (x) { y = 1 ; }\n}\n", 2, 3, E, {"比べる式"}},
    {"TwoComparisonsInOneIf", "INIT {\n  x = 5 ;\n  if (0 < x < 10) { x = 1 ; }\n}\n", 3, 13, E,
     {"二つ比べる", "if を二つ重ねて"}},
    {"NothingAfterAnOperator", "INIT {\n  a = 1 ;\n  b = a / 2 + ;\n}\n", 3, 13, E,
     {"「+」のあとに値がありません"}},
    {"NothingAfterEquals", "INIT {\n  b = ;\n}\n", 2, 5, E, {"「=」のあとに"}},
    {"TextPlusNumber", "INIT {\n  s = 1 ;\n  Print(1, 1, 0, 0, 16, 0, \"得点 \" + s) ;\n}\n", 3, 34, W,
     {"PrintData"}},
    {"TextForANumber", "PAINT {\n  Box(10, 10, \"100\", 50, 0, 0) ;\n}\n", 2, 15, E,
     {"「\"100\"」は文字です", "100 と書いて"}},
    {"ArrayReadWithoutData", "INIT {\n  x = tbl(1, 2) + 1 ;\n}\n", 2, 7, E, {"「tbl」という配列", "Data(\"tbl\""}},
    {"TimerWithoutSetTimer", "TIMER {\n  x = 1 ;\n}\n", 1, 1, W, {"SetTimer", "CREATE { SetTimer(100) ; }"}},
    {"LoopWithoutCount", "INIT {\n  loop() { x = 1 ; }\n}\n", 2, 3, E, {"「loop(n)」", " 0 個"}},
    {"ArrayNotMade", "INIT {\n  a(1) = 5 ;\n}\n", 2, 3, E, {"「a」という配列", "Data(\"a\""}},
    {"CallOfNoSection", "INIT {\n  call(\"DRAWW\") ;\n}\nDRAW {\n}\n", 2, 8, W, {"「DRAWW」", "「DRAW」"}},
    // A section ended early, and text outside every section.
    {"StrayBrace", "INIT {\n  x = 1 ;\n}\n}\n", 4, 1, W, {"「}」と組になる「{」"}},
    {"TextOutside", "INIT {\n  x = 1 ; }\n  y = 2 ;\n}\n", 3, 3, W, {"セクションの外"}},
    {"SecondSection", "PAINT {\n}\nINIT {\n}\nPAINT {\n  x = 1 ;\n}\n", 5, 1, W, {"「PAINT」", "前にも"}},
    {"NoSectionName", "INIT {\n}\n{\n  x = 1 ;\n}\n", 3, 1, W, {"名前がありません"}},
};

// The host converts UTF-8 files; every subsystem's rows are installed.
class CheckerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_system = &host_;
    InstallSubsystems();
  }
  void TearDown() override { host_system = nullptr; }

  FakeHost host_;
};

std::string Describe(const std::vector<Problem>& problems) {
  std::string s;
  for (const Problem& p : problems) {
    s += std::to_string(p.line) + ":" + std::to_string(p.column) + " " + SeverityName(p.kind) + " " + p.message +
         " / " + p.hint + "\n";
  }
  return s;
}

TEST_F(CheckerTest, EachMistakeIsFoundWhereItIs) {
  for (const Mistake& m : kMistakes) {
    std::vector<Problem> problems = CheckScript(m.script);
    const Problem* found = nullptr;
    for (const Problem& p : problems) {
      if (p.line == m.line && p.column == m.column) found = &p;
    }
    if (found == nullptr) {
      ADD_FAILURE() << m.name << ": nothing at " << m.line << ":" << m.column << "\n" << Describe(problems);
      continue;
    }
    EXPECT_EQ(found->kind, m.kind) << m.name;
    for (const std::string& w : m.words) {
      EXPECT_NE((found->message + found->hint).find(w), std::string::npos) << m.name << ": lacks " << w;
    }
  }
}

TEST_F(CheckerTest, TheFirstProblemIsTheMistake) {
  for (const Mistake& m : kMistakes) {
    std::vector<Problem> problems = CheckScript(m.script);
    ASSERT_FALSE(problems.empty()) << m.name;
    EXPECT_EQ(problems[0].line, m.line) << m.name << "\n" << Describe(problems);
    EXPECT_EQ(problems[0].column, m.column) << m.name << "\n" << Describe(problems);
  }
}

TEST_F(CheckerTest, PlacesCountCharactersAndCoverTheMistake) {
  std::vector<Problem> p = CheckScript("INIT {\n  x = ５６ + Box(1) ;\n}\n");
  ASSERT_EQ(p.size(), 2u) << Describe(p);
  EXPECT_EQ(p[0].length, 2);                 // ５６
  EXPECT_EQ(p[1].column, 12);                // Box, after two double-byte digits
  EXPECT_EQ(p[1].length, 6);                 // Box(1)
}

// Both full-width quotes are named, and what they hold is a text, not a
// variable with no value.
TEST_F(CheckerTest, FullWidthQuotesHoldAText) {
  std::vector<Problem> p = CheckScript("INIT {\n  Print(1, 1, 0, 0, 16, 0, 「あい」) ;\n}\n");
  ASSERT_EQ(p.size(), 2u) << Describe(p);
  EXPECT_EQ(p[0].column, 28);
  EXPECT_EQ(p[1].column, 31);
}

TEST_F(CheckerTest, AFileThatIsNoScriptIsOneError) {
  std::vector<Problem> p = CheckScript(std::string("I\0N\0I\0T\0", 8));
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].kind, E);
  EXPECT_STREQ(SeverityName(p[0].kind), "エラー");
  EXPECT_STREQ(SeverityName(W), "注意");
}

const char* const kCorrectScripts[] = {
    "CREATE {\n  SetWinSize(200, 100) ;\n  SetTimer(100) ;\n}\nINIT {\n  x = 0 ;\n}\nTIMER {\n  x = x + 1 ;\n"
    "  if (x >= 10) { x = 0 ; }\n}\n",
    "CREATE {\r\n  Data(\"a\", 10, 1) ;\r\n}\r\nINIT {\r\n  a(1, 0) = 5 ;\r\n  b = a(1, 0) ;\r\n}\r\n",
    // A section near an event's name that the script calls.
    "INIT {\n  call(\"TIMMER\") ;\n}\nTIMMER {\n}\n",
    // A control's section, and a dialog's sections: its ID string and an event.
    "CREATE {\n  CreateControl(0, \"OK\", \"ID_ok\", 0, 0, 50, 20) ;\n}\nID_ok {\n  end ;\n}\n",
    "INIT {\n  DlgBox(\"D\") ;\n}\nDCREATE {\n}\nDPAINT {\n}\n",
    // Words near reserved ones that the script gives values.
    "INIT {\n  key = 1 ;\n  x = key ;\n  MOUSEX = 2 ;\n}\n",
    // Everything in comments and texts.
    "// else while && # /* （５）\nINIT {\n  Print(1, 1, 0, 0, 16, 0, \"else && （５）；　\") ; // ）\n}\n",
    "INIT {\n  点数 = 0 ;\n  点数１ = 点数 + 1 ;\n}\n",
    "PAINT {\n  x = MOUSE_X + sin(PI) + abs(KEY) + fix(x / 2) ;\n  loop(3) { x = x - 1 ; }\n  return ;\n}\n",
    "INIT {\n  x = 1;y = 2;\n  if(x<y){x=y;}\n}\n",
    u8"INIT {\n  点 = 1 ;\n}\n",
    // A dialog's set-up section reads its own list; CREATE knows loop and if.
    "INIT {\n  DlgBox(\"D\") ;\n}\nDCREATE {\n  SetWinSize(100, 100) ;\n}\n",
    "CREATE {\n  if (SCR_X > 800) { SetWinSize(800, 600) ; }\n  loop(2) { n = 1 ; }\n  SetTimer(10) ;\n}\n",
    // Statements over more than one line, and names alone.
    "INIT {\n  x = 1 +\n    2 ;\n  Print(1, 1, 0, 0,\n    16, 0, \"a\") ;\n}\n",
    "CREATE {\n  SetTimer(10) ;\n}\nINIT {\n  CloseFile ;\n  end ;\n}\nTIMER { return ; }\n",
    "INIT {\n  call(\"DRAW\") ;\n}\nDRAW {\n  if (MOUSE_X >= 0) { return ; }\n  if (1 < 2) { }\n}\n",
};

TEST_F(CheckerTest, CorrectScriptsHaveNoProblem) {
  for (const char* script : kCorrectScripts) {
    EXPECT_EQ(Describe(CheckScript(script)), "") << script;
  }
}

}  // namespace
}  // namespace zep

namespace zep {
namespace {

// A run's error said in the checker's words at the statement that failed.
TEST_F(CheckerTest, RunErrorsAreSaidAtTheirStatement) {
  struct Row {
    const char* script;
    const char* statement;  // where it failed: the first place of this text
    int code;
    const char* name;
    int line, column, length;
    std::vector<std::string> words;  // all in the message or the hint
  };
  const Row rows[] = {
      {"PAINT {\r\n  Box(10, 10, 50, 50, 1) ;\r\n}\r\n", "Box(10, 10, 50, 50, 1)", kErrFewArgs, "Box",
       2, 3, 22, {"「Box(XL,YT,XR,YB,OC,IC)」", " 6 個", " 5 個しかありません"}},
      // The values fit: a `;` left out joined two statements.
      {"PAINT {\r\n  点 = 1 ; Box(1, 1, 2, 2, 0, 0)\r\n  x = 1 ;\r\n}\r\n",
       "Box(1, 1, 2, 2, 0, 0)\r\n  x = 1", kErrFewArgs, "Box", 2, 11, 30, {"「;」"}},
      {"INIT {\r\n  x = y ;\r\n}\r\n", "x = y", kErrUndefined, "y", 2, 3, 5, {"「y」", "「y = 0 ;」"}},
      {"INIT {\r\n  SetTimer(10) ;\r\n}\r\n", "SetTimer(10)", kErrNoCommand, "SetTimer", 2, 3, 12,
       {"CREATE { }"}},
      {"INIT {\r\n  Prin(1) ;\r\n}\r\n", "Prin(1)", kErrNoCommand, "Prin", 2, 3, 7, {"「Print」"}},
      {"INIT {\r\n  x = 1 / 0 ;\r\n}\r\n", "x = 1 / 0", kErrDivZero, "x", 2, 3, 9, {"0 で割ろう"}},
      // No words of its own: the box's message, and where to look.
      {"INIT {\r\n  OpenFile(\"a\", 0) ;\r\n}\r\n", "OpenFile(\"a\", 0)", kErrOpenFile, "OpenFile",
       2, 3, 16, {"ファイルを開けません", "「OpenFile」", "F1"}},
  };
  for (const Row& row : rows) {
    std::string script = row.script;
    size_t start = script.find(row.statement);
    ASSERT_NE(start, std::string::npos) << row.statement;
    Problem p = ExplainRunError(script, start, start + std::strlen(row.statement), row.code, row.name);
    EXPECT_EQ(p.kind, Severity::kError);
    EXPECT_EQ(p.line, row.line) << row.statement;
    EXPECT_EQ(p.column, row.column) << row.statement;
    EXPECT_EQ(p.length, row.length) << row.statement;
    for (const std::string& w : row.words) {
      EXPECT_NE((p.message + p.hint).find(w), std::string::npos)
          << row.statement << ": " << w << " not in " << p.message << p.hint;
    }
  }
}

}  // namespace
}  // namespace zep
