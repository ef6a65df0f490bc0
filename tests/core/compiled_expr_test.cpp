// Compiled expressions give what EvalExpr gives: the same float bit for
// bit, the same code, name and function_result; and a compiled pass that
// can't go on gives up without leaving any trace.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

#include "core/compiled_expr.h"
#include "core/errors.h"
#include "core/eval_parts.h"
#include "core/eval.h"
#include "core/run_settings.h"
#include "core/variables.h"
#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

struct Row {
  const char* text;
  bool compiles;    // CompileExpr accepts it
  bool completes;   // a compiled pass gets to the end (no give-up)
  uint8_t code;     // what EvalExpr sets
};

const Row kRows[] = {
    {"1+2*3", true, true, 0},
    {"(1+2)*3-4/8", true, true, 0},
    {"7%3+-2%5", false, false, 10},         // two operators: a static fault
    {"x*2+y", true, true, 0},
    {"x-y-y*x/3", true, true, 0},
    {"missing*2", true, false, 4},           // no such variable yet
    {"10/0", true, false, 22},
    {"10/(x-x)", true, false, 22},
    {"7%0", true, true, 0},                  // a remainder by 0 is 0
    {"sin(90)+1", true, true, 0},
    {"sin(x)*cos(y)+sqrt(x)", true, true, 0},
    {"sin(x)e3", true, true, 0},             // the 1 after `)` reads as 1e3
    {"abs(0-x)%3", true, true, 0},
    {"rand(x)+rand(7)", true, true, 0},
    {"asin(2)", true, false, 16},
    {"sqrt(0-1)", true, false, 16},
    {"sin(1,2)", true, false, 23},
    {"nofunc(1)", true, false, 30},
    {"a(1,2)+a(2,1)", true, true, 0},
    {"a(x,y-1)*2", true, true, 0},
    {"a(x,y)*2", true, false, 7},
    {"a(x-1,y-1)", true, true, 0},
    {"a(5,0)", true, false, 7},
    {"a(0-1,0)", true, false, 7},
    {"a(1)", true, false, 8},
    {"a(1,2,3)", true, true, 0},             // a third index is not read
    {"PI*2", true, true, 0},
    {"ANSWER+MOUSE_X", true, true, 0},
    {"YEAR", false, false, 0},               // the clock is left to EvalExpr
    {"12abc+1", true, true, 0},
    {"0.0+x", true, true, 0},
    {"-3", true, true, 0},
    {"(1+2", false, false, 2},
    {"sin(1+2", false, false, 2},
    {"1+)", false, false, 2},
    {"sin(a(1,1))+a(sin(0),1)", true, true, 0},
    {"x+sin(missing)", true, false, 4},      // gives up after a value was read
};

class CompiledExprTest : public InterpreterTest, public ::testing::WithParamInterface<Row> {
 protected:
  void SetUp() override {
    InterpreterTest::SetUp();
    CreatePlainVariable("x", 2.5);
    CreatePlainVariable("y", 3);
    CreateArray("a", 3, 3);
    for (int c = 0; c < 9; ++c) VariableCells(2)[c] = c * 1.25;
    run_state.answer = 4;
  }
};

std::string Bits(float v) {
  uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return std::to_string(b);
}

TEST_P(CompiledExprTest, GivesWhatEvalExprGives) {
  const Row& row = GetParam();
  auto expr = CompileExpr(row.text, std::strlen(row.text));
  EXPECT_EQ(expr->ok, row.compiles);
  float value = 0;
  bool completed = expr->ok && EvalCompiled(nullptr, *expr, &value);
  EXPECT_EQ(completed, row.completes);
  EXPECT_EQ(error_code, 0) << "a compiled pass leaves no code";

  run_state.function_result = -1;
  error_name[0] = '\0';
  float cached = EvalCached(nullptr, *expr);
  uint8_t cached_code = error_code;
  std::string cached_name = error_name;
  double cached_result = run_state.function_result;

  ClearError();
  run_state.function_result = -1;
  error_name[0] = '\0';
  float direct = EvalExpr(nullptr, row.text);
  EXPECT_EQ(error_code, row.code);
  EXPECT_EQ(cached_code, error_code);
  EXPECT_EQ(cached_name, error_name);
  EXPECT_EQ(Bits(cached), Bits(direct));
  EXPECT_EQ(std::memcmp(&cached_result, &run_state.function_result, sizeof cached_result), 0);
  if (completed) {
    EXPECT_EQ(Bits(value), Bits(direct));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, CompiledExprTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           std::string name = std::to_string(info.index) + "_";
                           for (const char* p = info.param.text; *p != '\0'; ++p) {
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           }
                           return name;
                         });

// The remainder of whole numbers is fmod's, bit for bit, zeros' signs too.
TEST(RemainderTest, WholeNumbersGiveWhatFmodGives) {
  const float kValues[] = {0.0f, -0.0f, 1, -1, 2, -3, 3, 7, -7, 16777216.0f, -16777216.0f,
                           16777217.0f, 2.5f, -2.5f, 1e30f, -1e-30f, 65535, 600, 440};
  for (float a : kValues) {
    for (float b : kValues) {
      if (b == 0) continue;
      float want = std::fmod(a, b), got = Remainder(a, b);
      EXPECT_EQ(Bits(got), Bits(want)) << a << " % " << b;
    }
  }
}

// The variable a name stands for is found once it exists, and a name that
// is still missing is looked up again only after a variable was added.
TEST_F(InterpreterTest, VariablesAreResolvedOnceTheyExist) {
  VariableRef ref;
  EXPECT_EQ(ResolveVariable(&ref, "late", 4), -1);
  EXPECT_EQ(ref.missing_at, variable_store.variable_count);
  CreatePlainVariable("other", 1);
  EXPECT_EQ(ResolveVariable(&ref, "late", 4), -1);
  CreatePlainVariable("late", 2);
  int found = ResolveVariable(&ref, "late", 4);
  ASSERT_GE(found, 0);
  EXPECT_STREQ(VariableName(found), "late");
  EXPECT_EQ(ref.index, found);
}

}  // namespace
}  // namespace zep
