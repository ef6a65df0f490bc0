#include <gtest/gtest.h>

#include "tests/unit/fake_host.h"

#include <cmath>
#include <cstring>

#include "core/errors.h"
#include "core/eval.h"
#include "core/exec.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/variables.h"
#include "runtime/settings.h"

namespace zep {

int FakeHost::SystemMetric(Metric m) {
  switch (m) {
    case Metric::kCxScreen: return 1024;
    case Metric::kCyScreen: return 768;
    case Metric::kCxBorder: return 1;
    case Metric::kCyBorder: return 1;
    case Metric::kCyCaption: return 19;
    case Metric::kCyMenu: return 19;
    case Metric::kCyVThumb: return 16;
    case Metric::kCxHThumb: return 16;
  }
  return 0;
}

void InterpreterTest::SetUp() {
  host = &host_;
  error_code = 0;
  error_name[0] = '\0';
  FreeProgramText();
  FreeVariableStore();
  ResetRunSettings();
  CreateVariableStore();
}

void InterpreterTest::TearDown() {
  FreeVariableStore();
  FreeProgramText();
  host = nullptr;
}

int InterpreterTest::Load(const char* script) {
  SetProgramText(script, std::strlen(script));
  ResetRunSettings();
  LoadProgram();
  return error_code;
}

int InterpreterTest::Run(const char* script, const char* section) {
  int code = Load(script);
  EXPECT_EQ(code, 0) << "load failed: " << error_name;
  if (code != 0) return code;
  RunSection(reinterpret_cast<WindowRef>(1), section);
  return error_code;
}

double InterpreterTest::Var(const char* name) {
  int i = FindVariable(name, std::strlen(name));
  return i < 0 ? NAN : VariableCells(i)[0];
}

float InterpreterTest::Eval(const char* expr) { return EvalExpr(nullptr, expr); }

}  // namespace zep
