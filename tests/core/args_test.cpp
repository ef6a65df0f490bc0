// Statement splitting and the argument helpers every command relies on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/args.h"
#include "core/command_table.h"
#include "core/dispatch.h"
#include "core/errors.h"
#include "core/eval.h"
#include "core/run_settings.h"
#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

class ArgsTest : public InterpreterTest {};

// The list of a text: plain (evaluated from the text) or compiled.
ArgList List(const char* text, bool compile) {
  ArgList list;
  MakeArgList(text, compile, false, &list);
  return list;
}

TEST_F(ArgsTest, CheckArgCount) {
  struct Row {
    const char* args;
    int n;
    int code;
  };
  const Row rows[] = {
      {"", 0, 0},          {"", 1, kErrArgCount},     {"1", 0, kErrArgCount},
      {"1,2,3,4,5", 6, kErrFewArgs}, {"1,2,3,4,5,6,7", 6, kErrArgCount},
      {"1,2,3,4,5,6", 6, 0}, {"f(g(1,2),3)", 1, 0},   {"\"a,b\",\"c\"", 2, 0},
      {"\"開く,保存\",\"ID_a\"", 2, 0}, {"fix(1),2", 2, 0}, {",1", 2, 0},
  };
  for (const Row& row : rows) {
    error_code = 0;
    CheckArgCount(row.args, row.n);
    EXPECT_EQ(error_code, row.code) << row.args << " n=" << row.n;
    for (bool compile : {false, true}) {
      error_code = 0;
      CheckArgCount(List(row.args, compile), row.n);
      EXPECT_EQ(error_code, row.code) << row.args << " n=" << row.n << " compiled " << compile;
    }
  }
}

TEST_F(ArgsTest, GetIntArgsTruncatesAndStopsAtFirstError) {
  for (bool compile : {false, true}) {
    SCOPED_TRACE(compile ? "compiled" : "plain");
    error_code = 0;
    int32_t out[4] = {-9, -9, -9, -9};
    EXPECT_TRUE(GetIntArgs(nullptr, List("2.9,-2.9,1e3,fix(7.5)", compile), 0, 3, out));
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[1], -2);
    EXPECT_EQ(out[2], 1000);
    EXPECT_EQ(out[3], 7);
    int32_t part[3] = {-9, -9, -9};
    EXPECT_TRUE(GetIntArgs(nullptr, List("1,2,3", compile), 2, 2, part));
    EXPECT_EQ(part[2], 3);
    EXPECT_EQ(part[0], -9);
    int32_t bad[3] = {-9, -9, -9};
    EXPECT_FALSE(GetIntArgs(nullptr, List("1,q,3", compile), 0, 2, bad));
    EXPECT_EQ(error_code, kErrUndefined);
    EXPECT_EQ(bad[0], 1);
    EXPECT_EQ(bad[2], -9);
    error_code = 0;
    EXPECT_FALSE(GetIntArgs(nullptr, List(",1", compile), 0, 1, bad));
    EXPECT_EQ(error_code, kErrFewArgs);
    error_code = 0;
    EXPECT_FALSE(GetIntArgs(nullptr, List("(1,2", compile), 0, 0, bad));
    EXPECT_EQ(error_code, kErrParen);
  }
}

TEST_F(ArgsTest, GetStrArg) {
  struct Row {
    const char* args;
    int i;
    const char* out;  // nullptr: code 9
  };
  const Row rows[] = {
      {"\"開く,保存\",\"ID_a\"", 1, "ID_a"}, {"\"開く,保存\",\"ID_a\"", 0, "開く,保存"},
      {"x\"abc\"y", 0, "abc"}, {"title", 0, nullptr}, {"\"open", 0, nullptr},
      {"\"a\"", 1, nullptr}, {"\"\"", 0, ""},
  };
  for (const Row& row : rows) {
    error_code = 0;
    char out[kMaxStatement];
    bool ok = GetStrArg(List(row.args, true), row.i, out);
    if (row.out == nullptr) {
      EXPECT_FALSE(ok) << row.args;
      EXPECT_EQ(error_code, kErrNoString) << row.args;
    } else {
      EXPECT_TRUE(ok) << row.args;
      EXPECT_STREQ(out, row.out);
    }
  }
}

TEST_F(ArgsTest, ResolveStrArg) {
  CopyText(file_name, sizeof file_name, "C:\\data\\a.zep");
  char s[kMaxStatement] = "FILE_NAME";
  EXPECT_EQ(ResolveStrArg(s, sizeof s), 1);
  EXPECT_STREQ(s, "C:\\data\\a.zep");
  char t[kMaxStatement] = "plain text";
  error_code = 0;
  EXPECT_EQ(ResolveStrArg(t, sizeof t), -1);
  EXPECT_STREQ(t, "plain text");
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(FindControlIndex("FILE_NAME"), -2);
  EXPECT_EQ(FindControlIndex("ID_none"), -1);
  EXPECT_EQ(error_code, kErrNoControl);
}

TEST_F(ArgsTest, StatementSplitting) {
  struct Row {
    const char* statement;
    const char* name;
    const char* args;
  };
  const Row rows[] = {
      {"Box(XL,YT,XR,YB,OC,IC)", "Box", "XL,YT,XR,YB,OC,IC"},
      {"end", "end", ""},
      {"Print(1,\"a)b\")", "Print", "1,\"a)b\""},
      {"f(1", "f", "1"},
      {"x=sin(30)", "x=sin", "30"},
  };
  for (const Row& row : rows) {
    char name[kMaxStatement + 1], args[kMaxStatement + 1];
    StatementName(row.statement, name);
    ASSERT_TRUE(StatementArgs(row.statement, args));
    EXPECT_STREQ(name, row.name);
    EXPECT_STREQ(args, row.args);
  }
  char args[kMaxStatement + 1];
  EXPECT_FALSE(StatementArgs("f(\"open", args));
  EXPECT_EQ(error_code, kErrParen);
}

// Commands whose rows declare their arguments: the count is checked before
// the handler runs, in a statement and inside an expression alike, and a
// read the letters do not allow is counted.
int handler_runs = 0;
void CountRun(WindowRef window, const ArgList& args, int extra) {
  ++handler_runs;
  int32_t v[2];
  if (extra == 1) GetIntArgs(window, args, 0, 1, v);
  char text[kMaxStatement];
  if (extra == 2) GetStrArg(args, 0, text);
  run_state.function_result = 7;
}

const CommandRow kDeclaredRows[] = {
    {"Two", CountRun, 1, kPhaseRun, true, "ii"},
    {"Own", CountRun, 0, kPhaseRun, false, "*ii"},
    {"Wrong", CountRun, 2, kPhaseRun, false, "i"},
};
const CommandList kDeclared = {"test", kDeclaredRows, RowCount(kDeclaredRows)};

class DeclaredArgsTest : public InterpreterTest {
 protected:
  void Install() override {
    static const CommandList* const kLists[] = {&kDeclared};
    InstallCommandLists(kLists, 1);
  }
  void TearDown() override {
    undeclared_reads = 0;
    InterpreterTest::TearDown();
  }
};

TEST_F(DeclaredArgsTest, TheCountIsCheckedBeforeTheHandlerRuns) {
  struct Row {
    const char* script;
    int code;
    int runs;
  };
  const Row rows[] = {
      {"MAIN{Two(1,2);}", 0, 1},
      {"MAIN{Two(1);}", kErrFewArgs, 0},
      {"MAIN{Two(1,2,3);}", kErrArgCount, 0},
      {"MAIN{Two();}", kErrArgCount, 0},
      {"MAIN{a=Two(1);}", kErrFewArgs, 0},
      {"MAIN{a=Two(1,2)+1;}", 0, 1},
      {"MAIN{Own(1);}", 0, 1},  // the handler counts for itself
  };
  for (const Row& row : rows) {
    handler_runs = 0;
    EXPECT_EQ(Run(row.script), row.code) << row.script;
    EXPECT_EQ(handler_runs, row.runs) << row.script;
  }
  EXPECT_EQ(undeclared_reads, 0) << first_undeclared_read;
}

TEST_F(DeclaredArgsTest, AReadTheLettersDoNotAllowIsCounted) {
  EXPECT_EQ(Run("MAIN{Wrong(\"a\");}"), 0);
  EXPECT_EQ(undeclared_reads, 1);
  EXPECT_STREQ(first_undeclared_read, "Wrong argument 0 read as text");
}

}  // namespace
}  // namespace zep
