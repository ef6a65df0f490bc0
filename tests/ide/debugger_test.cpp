// The debugger of runs started from the editor: breakpoints, pauses, steps,
// values changed while paused, the event strip and the watch's throttle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/errors.h"
#include "core/run_watch.h"
#include "ide/debugger.h"
#include "tests/ide/editor_fixture.h"

namespace zep {

namespace {

class DebuggerTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    debugger = Debugger();
  }
  void TearDown() override {
    StopDebugging();
    debugger = Debugger();
    EditorTest::TearDown();
  }
  // Runs text from the editor with breakpoints on lines (from 1).
  void Start(const std::string& text, std::vector<int32_t> lines = {}) {
    Open();
    Type(text);
    for (int32_t line : lines) ToggleBreakpoint(line - 1);
    ASSERT_EQ(RunFromEditor(kEditor), 1);
  }
  // At each pause: the paused line (from 1) and what is selected, then the
  // command of the next step.
  void OnPauses(std::vector<void (*)()> steps) {
    steps_ = std::move(steps);
    editor_system_.while_paused = [this] {
      seen_.push_back(std::to_string(PausedLine() + 1) + " " + Selected());
      if (next_ < steps_.size()) steps_[next_++]();
    };
  }
  std::vector<void (*)()> steps_;
  size_t next_ = 0;
  std::vector<std::string> seen_;
};

void Continue() { DebugContinue(); }
void Step() { DebugStep(false); }
void StepInto() { DebugStep(true); }
void Stop() { DebugStop(); }

TEST_F(DebuggerTest, ABreakpointInTimerPausesThereAndStepsMoveOneStatement) {
  Start("TIMER {\r\n  n = n + 1 ;\r\n  m = n * 2 ;\r\n}\r\nINIT {\r\n  n = 0 ;\r\n}\r\n", {2});
  OnPauses({Step, Continue});
  OnRunTimer(run_window);
  EXPECT_EQ(seen_, (std::vector<std::string>{"2 n = n + 1 ;", "3 m = n * 2 ;"}));
  EXPECT_EQ(Var("m"), 2);
}

}  // namespace

}  // namespace zep
