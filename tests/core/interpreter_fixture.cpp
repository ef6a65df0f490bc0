#include "tests/core/interpreter_fixture.h"

#include <cmath>
#include <cstring>

#include "core/args.h"
#include "core/commands.h"
#include "core/errors.h"
#include "core/eval.h"
#include "core/exec.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_parts.h"
#include "core/variables.h"

namespace zep {

void InterpreterTest::Install() {
  static const CommandList* const kLists[] = {&core_commands};
  static const RunPart* const kParts[] = {&core_run_part, &data_file_part};
  InstallCommandLists(kLists, 1);
  InstallRunParts(kParts, 2);
}

void InterpreterTest::SetUp() {
  host_system = &host_;
  file_system = &host_;
  Install();
  FreeRunParts(nullptr);
  error_name[0] = '\0';
  watch_declared_reads = true;
  undeclared_reads = 0;
  ResetRunParts();
  CreateVariableStore();
}

void InterpreterTest::TearDown() {
  EXPECT_EQ(undeclared_reads, 0) << first_undeclared_read;
  FreeRunParts(nullptr);
  host_system = nullptr;
  file_system = nullptr;
}

int InterpreterTest::Load(const char* script) {
  SetProgramText(script, std::strlen(script));
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
