// Statements and control flow: loop, if, call, return, end, assignments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/args.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/run_settings.h"
#include "core/statement_cache.h"
#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

class ExecTest : public InterpreterTest {};

struct ScriptRow {
  const char* script;  // a whole script; section MAIN runs
  const char* var;     // the variable to read afterwards
  double value;
  int code;
};

TEST_F(ExecTest, ControlFlow) {
  const ScriptRow rows[] = {
      {"MAIN{x=0;loop(3){x=x+1;}}", "x", 3, 0},
      {"MAIN{x=0;loop(0){x=x+1;}}", "x", 0, 0},
      {"MAIN{x=0;loop(-1){x=x+1;}}", "x", 0, 0},
      {"MAIN{x=0;loop(2.9){x=x+1;}}", "x", 2, 0},
      {"MAIN{x=0;loop(2){loop(3){x=x+1;}}}", "x", 6, 0},
      {"MAIN{x=0;loop(2){loop(3){x=x+1;}x=x+10;}}", "x", 26, 0},
      {"MAIN{a=2;b=2;x=0;if(a>=b){x=1;}}", "x", 1, 0},
      {"MAIN{a=1;b=2;x=0;if(a>=b){x=1;}x=x+5;}", "x", 5, 0},
      {"MAIN{x=0;if(1!=2){x=x+1;}if(1==1){x=x+1;}if(2<=1){x=x+100;}if(1<2){x=x+1;}}", "x", 3, 0},
      {"MAIN{x=0;call(\"S\");x=x+1;}S{x=x+10;}", "x", 11, 0},
      {"MAIN{x=0;loop(3){call(\"S\");}}S{loop(5){x=x+1;return;}}", "x", 3, 0},
      {"MAIN{x=1;return;x=2;}", "x", 1, 0},
      {"MAIN{x=0;loop(3){x=x+1;if(x==2){return;}}}", "x", 2, 0},
      {"MAIN{x=5;end;x=6;}", "x", 5, 0},
      {"MAIN{x=1/0;}", "x", NAN, kErrDivZero},
      {"MAIN{x=1;x=1/0;}", "x", 1, kErrDivZero},
      {"MAIN{if(a=b){x=1;}}", "x", NAN, kErrIf},
      {"MAIN{if(1){x=1;}}", "x", NAN, kErrIf},
      {"MAIN{if(==1){x=1;}}", "x", NAN, kErrIf},
      {"MAIN{call(\"NOSUCH\");}", "x", NAN, kErrNoSection},
      {"MAIN{call(\"MAIN\");}", "x", NAN, kErrNesting},
      {"MAIN{return(1);}", "x", NAN, kErrArgCount},
      {"MAIN{Foo(1);}", "x", NAN, kErrNoCommand},
      {"MAIN{5=x;}", "x", NAN, kErrExpression},
      {"MAIN{0a=1;}", "x", NAN, kErrExpression},
      {"MAIN{x=Data(1);}", "x", NAN, kErrNoValue},
      {"MAIN{a(0,0)=1;}", "a", NAN, kErrNoArray},
      {"MAIN{PI=4;x=PI;}", "x", 3.14159265359f, 0},
      {"MAIN{x=\"a;b\";}", "x", NAN, kErrUndefined},
      {"MAIN{日本=3;x=日本*2;}", "x", 6, 0},
      // The trail bytes of ボ (0x83 0x7B) and マ (0x83 0x7D) are no braces.
      {"MAIN{ボール=1;x=0;if(ボール==1){x=1;}loop(ボール+1){x=x+1;}}", "x", 3, 0},
      {"MAIN{x=0;call(\"マウス\");}A{マ=1;}マウス{x=x+5;}", "x", 5, 0},
  };
  for (const ScriptRow& row : rows) {
    SCOPED_TRACE(row.script);
    SetUp();
    int code = Run(row.script);
    EXPECT_EQ(code, row.code) << error_name;
    double v = Var(row.var);
    if (std::isnan(row.value)) {
      EXPECT_TRUE(std::isnan(v)) << v;
    } else {
      EXPECT_DOUBLE_EQ(v, row.value);
    }
  }
}

TEST_F(ExecTest, EndClearsRunningAndClosesWithoutError) {
  EXPECT_EQ(Run("MAIN{end;}"), 0);
  EXPECT_EQ(run_state.running, 0);
  EXPECT_EQ(host_.calls.back(), "PostCloseRequest");
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ExecTest, MissingSections) {
  EXPECT_EQ(Run("MAIN{x=1;}", "PAINT"), 0);
  EXPECT_EQ(run_state.running, 1);
  EXPECT_EQ(Run("MAIN{x=1;}", "CLOSE"), kErrNoSection);
  EXPECT_EQ(run_state.running, 0);
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ExecTest, CallOfMissingSectionNamesTheCaller) {
  Run("PAINT{call(\"NONE\");}", "PAINT");
  EXPECT_EQ(LastBox(),
            "サブルーチン : PAINT\r\n\r\n コマンド : NONE\r\n\r\nサブルーチンが見つかりません");
}

TEST_F(ExecTest, ErrorInsideCalledSectionNamesIt) {
  Run("MAIN{call(\"SUB\");}SUB{x=q;}");
  EXPECT_EQ(LastBox(), "サブルーチン : SUB\r\n\r\n 変数 : q\r\n\r\n変数の値が未定です");
}

// A block or literal left open names the statement that opened it, never a
// command an earlier section ran; a cut name never ends in half a character.
TEST_F(ExecTest, OpenBlocksNameTheirOwnStatement) {
  const struct { const char* script; const char* section; const char* box; } kRows[] = {
      {"INIT{WinHelp(\"h\");}\r\nMAIN{x=1;", "MAIN",
       "サブルーチン : MAIN\r\n\r\n コマンド : MAIN\r\n\r\nカッコの対応エラー"},
      {"INIT{WinHelp(\"h\");}\r\nMAIN{loop(2){x=1;}", "MAIN",
       "サブルーチン : MAIN\r\n\r\n コマンド : MAIN\r\n\r\nカッコの対応エラー"},
      {"INIT{WinHelp(\"h\");}\r\nMAIN{x=1;loop(2){y=2;}", "MAIN",
       "サブルーチン : MAIN\r\n\r\n コマンド : MAIN\r\n\r\nカッコの対応エラー"},
  };
  for (const auto& row : kRows) {
    ASSERT_EQ(Load(row.script), 0);
    RunSection(nullptr, "INIT");
    RunSection(nullptr, row.section);
    EXPECT_EQ(LastBox(), row.box) << row.script;
  }
  // Statement too long: the 31-byte name stops before a character that
  // would straddle the cut.
  std::string text = "MAIN{WinHelp(\"" + std::string(21, 'a') + "日本" + std::string(600, 'b') + "\");}";
  EXPECT_EQ(Run(text.c_str()), kErrTooLong);
  EXPECT_EQ(std::string(error_name), "WinHelp(\"" + std::string(21, 'a'));
}

TEST_F(ExecTest, StatementLengthLimits) {
  // WinHelp("...") is 11 bytes around its text.
  std::string stmt512 = "MAIN{WinHelp(\"" + std::string(512 - 11, 'a') + "\");}";
  EXPECT_EQ(Run(stmt512.c_str()), 0);
  std::string stmt513 = "MAIN{WinHelp(\"" + std::string(513 - 11, 'a') + "\");}";
  EXPECT_EQ(Run(stmt513.c_str()), kErrTooLong);
  std::string assign = "MAIN{x=" + std::string(260, '1') + ";}";
  EXPECT_EQ(Run(assign.c_str()), kErrTooLong);
  std::string side = "MAIN{if(" + std::string(140, '1') + "==1){x=1;}}";
  EXPECT_EQ(Run(side.c_str()), kErrTooLong);
  std::string name = "MAIN{" + std::string(130, 'n') + "=1;}";
  EXPECT_EQ(Run(name.c_str()), kErrTooLong);
  // A long misspelt command is no assignment: it is unknown, as a short one.
  struct Row {
    std::string statement;
    int code;
  };
  const Row rows[] = {
      {"Prin(\"" + std::string(300, 'a') + "\")", kErrNoCommand},
      {"Prin(" + std::string(300, '1') + ")", kErrNoCommand},
      {"Prin(\"" + std::string(300, 'a') + "=\")", kErrNoCommand},
      {"Prin(" + std::string(300, '1') + ")=1", kErrTooLong},
      {"x(1)=" + std::string(300, '1'), kErrTooLong},
  };
  for (const Row& row : rows) {
    std::string script = "MAIN{" + row.statement + ";}";
    EXPECT_EQ(Run(script.c_str()), row.code) << row.statement.substr(0, 8);
  }
}

TEST_F(ExecTest, VariableLimit) {
  std::string script = "MAIN{";
  for (int i = 0; i < 511; ++i) script += "v" + std::to_string(i) + "=1;";
  script += "}";
  EXPECT_EQ(Run(script.c_str()), 0);
  std::string more = script.substr(0, script.size() - 1) + "w=1;}";
  EXPECT_EQ(Run(more.c_str()), kErrTooManyVars);
  EXPECT_STREQ(error_name, "w");
}

TEST_F(ExecTest, WinExecWarnsAndGoesOn) {
  host_.start_program_result = 2;
  EXPECT_EQ(Run("MAIN{WinExec(\"nosuch.exe\");x=1;}"), 0);
  EXPECT_EQ(Var("x"), 1);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "nosuch.exe を実行できません");
  EXPECT_EQ(host_.boxes[0].title, "ZEP Warning");
}

TEST_F(ExecTest, WinHelpOpensTheResolvedFile) {
  CopyText(file_name, sizeof file_name, "C:\\help\\ZEP2.HLP");
  EXPECT_EQ(Run("MAIN{WinHelp(\"FILE_NAME\");WinHelp(\"other.hlp\");}"), 0);
  std::vector<std::string> expected = {"OpenHelpIndex C:\\help\\ZEP2.HLP", "OpenHelpIndex other.hlp"};
  EXPECT_EQ(host_.calls, expected);
  EXPECT_EQ(Run("MAIN{WinHelp();}"), kErrArgCount);
  EXPECT_EQ(Run("MAIN{WinHelp(help);}"), kErrNoString);
}

TEST_F(ExecTest, NestedBlocksStopAtTheDeepestLevel) {
  std::string deep, shallow;
  for (int i = 0; i < 127; ++i) shallow += "if(1==1){";
  shallow += "x=1;" + std::string(127, '}');
  deep = "if(1==1){" + shallow + "}";
  EXPECT_EQ(Run(("MAIN{" + shallow + "}").c_str()), 0);
  EXPECT_EQ(Var("x"), 1);
  EXPECT_EQ(Run(("MAIN{" + deep + "}").c_str()), kErrNesting);
}

TEST_F(ExecTest, BraceInsideLiteralAndTrailByte) {
  // 0x7B is '{'; the trail byte of "倹" (0x8C 0x7B) must not open a block.
  EXPECT_EQ(Run("MAIN{x=0;loop(2){WinHelp(\"a{b}\");x=x+1;}}"), 0);
  EXPECT_EQ(Var("x"), 2);
}

}  // namespace
}  // namespace zep

namespace zep {
namespace {

// A statement whose text is faulty fails when it runs, with the code and
// the name the text gives, the first time and again from the kept form,
// with the cache and without it; and the joins with a number or variable
// on their right give up to the evaluator where it would fault.
TEST_F(ExecTest, FaultsOfTheTextAndPlainJoinsAreTheSameEveryPass) {
  struct Row {
    const char* body;
    int code;
    const char* name;  // nullptr: the name is not checked
  };
  const Row rows[] = {
      {"q;", kErrNoCommand, "q"},
      {"loop(1,2){}", kErrArgCount, "loop"},
      {"if(1){}", kErrIf, "if(1)"},
      {"1x=2;", kErrExpression, "1x=2"},
      {"a(0,0)=1;", kErrNoArray, "a"},
      {"y=5;x=y/0;", kErrDivZero, nullptr},
      {"y=5;x=y%0;", 0, nullptr},
      {"y=5;x=y-z;", kErrUndefined, "z"},
      {"x=0;y=3;loop(2){x=x+y*2-1;}", 0, nullptr},
  };
  for (bool cached : {false, true}) {
    statement_cache_enabled = cached;
    for (const Row& row : rows) {
      std::string script = std::string("MAIN{") + row.body + "}T{call(\"MAIN\");}";
      for (const char* section : {"MAIN", "T"}) {
        EXPECT_EQ(Run(script.c_str(), section), row.code) << row.body << " " << section;
        if (row.name != nullptr) {
          EXPECT_STREQ(error_name, row.name) << row.body;
        }
        error_code = 0;
      }
    }
  }
  statement_cache_enabled = true;
  EXPECT_EQ(Run("MAIN{x=0;y=3;loop(2){x=x+y*2-1;}}"), 0);
  EXPECT_EQ(Var("x"), 10);
}

}  // namespace
}  // namespace zep
