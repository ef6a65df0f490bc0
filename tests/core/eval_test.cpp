// The expression evaluator: operators, priorities, literals, functions,
// array elements, reserved variables and every error it raises.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/errors.h"
#include "core/eval.h"
#include "core/exec.h"
#include "core/run_settings.h"
#include "core/variables.h"
#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

class EvalTest : public InterpreterTest {};

struct EvalRow {
  const char* expr;
  float value;  // expected when code is 0
  int code;
  const char* name;  // expected error_name, or nullptr to skip
};

TEST_F(EvalTest, ValuesAndErrors) {
  const EvalRow rows[] = {
      {"1+2*3", 7, 0, nullptr},
      {"(1+2)*3", 9, 0, nullptr},
      {"8-3-2", 3, 0, nullptr},
      {"8/4/2", 1, 0, nullptr},
      {"2*(3+4)*5", 70, 0, nullptr},
      {"10%4", 2, 0, nullptr},
      {"7.5%2", 1.5f, 0, nullptr},
      {"(-7)%3", -1, 0, nullptr},
      {"5%0", 0, 0, nullptr},
      {"-5", -5, 0, nullptr},
      {"3+", 3, 0, nullptr},
      {"", 0, 0, nullptr},
      {"2*(-3)", -6, 0, nullptr},
      {"1/3", 1.0f / 3.0f, 0, nullptr},
      {"1e3", 1000, 0, nullptr},
      {"1e-3", -2, 0, nullptr},
      {"12abc", 12, 0, nullptr},
      {"0.0", 0, 0, nullptr},
      {"2.5e2", 250, 0, nullptr},
      {"16777217", 16777216, 0, nullptr},
      {"123456789012345678901", 123456789012345678901.0f, 0, nullptr},
      {"2.5e+2", 4.5f, 0, nullptr},
      {"fix(-2.7)", -2, 0, nullptr},
      {"abs(-2.7)", 2, 0, nullptr},
      {"abs(3)+1", 4, 0, nullptr},
      {"2*abs(-3)", 6, 0, nullptr},
      {"sqrt(16)", 4, 0, nullptr},
      {"atan(1)", 45, 0, nullptr},
      {"AscType(65)", 1, 0, nullptr},
      {"AscType(130)", 0, 0, nullptr},
      {"AscType(200)", 1, 0, nullptr},
      {"AscType(177)", 1, 0, nullptr},
      {"AscType(13)", 0, 0, nullptr},
      {"AscType(127)", 1, 0, nullptr},
      {"PI", 3.14159265359f, 0, nullptr},
      {"2*-3", 0, kErrExpression, nullptr},
      {"1/0", 0, kErrDivZero, "1/0"},
      {"1/(2-2)", 0, kErrDivZero, "1/(2-2)"},
      {"(1+2", 0, kErrParen, "(1+2"},
      {"q+1", 0, kErrUndefined, "q"},
      {"0x10", 0, kErrUndefined, "0x10"},
      {"inf", 0, kErrUndefined, "inf"},
      {"asin(2)", 0, kErrBadValue, "asin"},
      {"acos(-1.5)", 0, kErrBadValue, "acos"},
      {"sqrt(-1)", 0, kErrBadValue, "sqrt"},
      {"2(3)", 0, kErrNoValue, "2"},
      {"foo(1)", 0, kErrNoValue, "foo"},
      {"sin(1,2)", 0, kErrArgCount, nullptr},
      {"sin()", 0, kErrArgCount, nullptr},
      {"sin(30", 0, kErrParen, nullptr},
  };
  for (const EvalRow& row : rows) {
    SCOPED_TRACE(row.expr);
    error_code = 0;
    error_name[0] = '\0';
    float v = Eval(row.expr);
    EXPECT_EQ(error_code, row.code);
    if (row.code == 0) {
      EXPECT_FLOAT_EQ(v, row.value);
    }
    if (row.name) {
      EXPECT_STREQ(error_name, row.name);
    }
  }
}

TEST_F(EvalTest, ResultsAre32BitFloats) {
  EXPECT_EQ(Eval("1/3"), 0.33333334f);
  EXPECT_NEAR(Eval("sin(30)"), 0.5f, 1e-6);
  EXPECT_EQ(Eval("16777216+1"), 16777216.0f);
}

TEST_F(EvalTest, RandIsTheClassicGeneratorSeededByItsArgument) {
  uint32_t state = 5;
  float expected = static_cast<float>(RandomNext(&state) % 100);
  EXPECT_EQ(Eval("rand(5)"), expected);
  EXPECT_EQ(Eval("rand(5)"), expected);
  state = 1;
  EXPECT_EQ(RandomNext(&state), 41u);  // the first value of the classic generator
  EXPECT_EQ(Eval("rand(1)"), 41.0f);
}

TEST_F(EvalTest, ArrayElementsAndBounds) {
  ASSERT_EQ(Load("CREATE{Data(\"a\",2,3);a(1,2)=9;v=4;}"), 0);
  EXPECT_EQ(Eval("a(1,2)"), 9);
  EXPECT_EQ(Eval("a"), 0);
  EXPECT_EQ(Eval("v(0,0)+1"), 5);
  error_code = 0;
  Eval("a(2,0)");
  EXPECT_EQ(error_code, kErrArrayRange);
  EXPECT_STREQ(error_name, "a");
  error_code = 0;
  Eval("a(-1,0)");
  EXPECT_EQ(error_code, kErrArrayRange);
  error_code = 0;
  Eval("a(1)");
  EXPECT_EQ(error_code, kErrFewArgs);
}

TEST_F(EvalTest, ReservedVariables) {
  window_settings.mouse_x = 12;
  window_settings.win_y = 300;
  key_code = 65;
  run_state.answer = -3;
  EXPECT_EQ(Eval("MOUSE_X+WIN_Y"), 312);
  EXPECT_EQ(Eval("KEY"), 65);
  EXPECT_EQ(Eval("ANSWER"), -3);
  EXPECT_EQ(Eval("YEAR*10000+MONTH*100+DAY"), 20261207.0f);
  EXPECT_EQ(Eval("HOUR*3600+MIN*60+SEC"), 5 * 3600 + 4 * 60 + 3);
}

TEST_F(EvalTest, OverlongPiecesAreRefused) {
  std::string token(200, 'a');
  error_code = 0;
  Eval(token.c_str());
  EXPECT_EQ(error_code, kErrTooLong);
  std::string many;
  for (int i = 0; i < 200; ++i) many += "1+";
  many += "1";
  error_code = 0;
  Eval(many.c_str());
  EXPECT_EQ(error_code, kErrTooLong);
  std::string args = "sin(" + std::string(130, '1') + ")";
  error_code = 0;
  Eval(args.c_str());
  EXPECT_EQ(error_code, kErrTooLong);
}

}  // namespace
}  // namespace zep
