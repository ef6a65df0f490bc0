// The fixture of the interpreter tests: a recording host, the lists the run
// knows installed, and helpers to load and run scripts. The core's own tests
// use the core alone; the run tests install every subsystem (run_fixture.h).
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/common.h"
#include "tests/doubles/fake_host.h"

namespace zep {

class InterpreterTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The command lists and run parts of the run; the core's own here.
  virtual void Install();
  // Loads a script as a run does. Gives the error code of the load.
  virtual int Load(const char* script);
  // Loads a script that must load, then runs one section; gives the error code.
  int Run(const char* script, const char* section = "MAIN");
  // The value of a plain variable (or the first cell of an array); NaN when missing.
  double Var(const char* name);
  // Evaluates an expression on its own.
  float Eval(const char* expr);
  std::string LastBox() const { return host_.boxes.empty() ? "" : host_.boxes.back().text; }

  FakeHost host_;
};

}  // namespace zep
