// The debugger of runs started from the editor: breakpoints, pauses, steps,
// values changed while paused, the event strip and the watch's throttle.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/run_watch.h"
#include "core/variables.h"
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
    Select(0, 1 << 20);
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

TEST(PauseRuleTest, WhereEachRulePauses) {
  struct Row {
    PauseRule::Kind kind;
    int depth;
    uint32_t serial;
    int calls;
    bool pauses;
  };
  // Stepped from section run depth 2, serial 7, one call deep.
  const Row rows[] = {
      {PauseRule::kNone, 2, 7, 1, false},
      {PauseRule::kNext, 3, 9, 4, true},   // into anything
      {PauseRule::kOver, 2, 7, 1, true},   // the next statement beside it
      {PauseRule::kOver, 2, 7, 0, true},   // after a return
      {PauseRule::kOver, 2, 7, 2, false},  // inside a call it made
      {PauseRule::kOver, 3, 8, 0, false},  // a section run nested in a wait
      {PauseRule::kOver, 1, 3, 5, true},   // the section ended: the run below
      {PauseRule::kOver, 2, 8, 3, true},   // it ended: the next event's section
  };
  for (const Row& r : rows) {
    PauseRule rule{r.kind, 2, 7, 1};
    EXPECT_EQ(RulePauses(rule, r.depth, r.serial, r.calls), r.pauses)
        << r.kind << " " << r.depth << " " << r.serial << " " << r.calls;
  }
}

// Each row: a script whose TIMER runs once, its breakpoints, the command
// given at each pause, the pauses seen (line and selection), and a value
// after the tick.
struct PauseRow {
  const char* name;
  const char* script;
  std::vector<int32_t> breakpoints;
  std::vector<void (*)()> commands;
  std::vector<std::string> pauses;
  const char* variable;
  double value;
};

const char kCalls[] =
    "TIMER {\r\n"
    "  a = 1 ;\r\n"
    "  call(\"SUB\") ;\r\n"
    "  b = a + 1 ;\r\n"
    "}\r\n"
    "SUB {\r\n"
    "  a = 5 ;\r\n"
    "}\r\n";

const char kLoop[] =
    "TIMER {\r\n"
    "  loop(3) {\r\n"
    "    n = n + 1 ; m = n ;\r\n"
    "  }\r\n"
    "}\r\n"
    "INIT { n = 0 ; }\r\n";

const PauseRow kPauseRows[] = {
    {"step over a call", kCalls, {3}, {Step, Continue},
     {"3 call(\"SUB\") ;", "4 b = a + 1 ;"}, "b", 6},
    {"step into a call", kCalls, {3}, {StepInto, Step, Continue},
     {"3 call(\"SUB\") ;", "7 a = 5 ;", "4 b = a + 1 ;"}, "b", 6},
    {"a breakpoint in a loop, once a pass for its line", kLoop, {3}, {Continue, Continue, Continue},
     {"3 n = n + 1 ;", "3 n = n + 1 ;", "3 n = n + 1 ;"}, "m", 3},
    {"a step stays on a line of two statements", kLoop, {3}, {Step, Stop},
     {"3 n = n + 1 ;", "3 m = n ;"}, "n", 1},
    {"stop: nothing more runs", kCalls, {2}, {Stop}, {"2 a = 1 ;"}, "a", -1},
};

TEST_F(DebuggerTest, PausesAndSteps) {
  for (const PauseRow& row : kPauseRows) {
    SCOPED_TRACE(row.name);
    Start(row.script, row.breakpoints);
    next_ = 0;
    seen_.clear();
    OnPauses(row.commands);
    OnRunTimer(run_window);
    EXPECT_EQ(seen_, row.pauses);
    int v = FindVariable(row.variable, std::strlen(row.variable));
    EXPECT_EQ(v < 0 ? -1 : VariableCells(v)[0], row.value);
    OnRunDestroy(run_window);
    ClearBreakpoints();
  }
}

TEST_F(DebuggerTest, PauseStopsBeforeTheNextStatementAndAValueChangedIsUsed) {
  Start("TIMER {\r\n  n = n + 1 ;\r\n  m = n * 2 ;\r\n}\r\nINIT {\r\n  n = 0 ;\r\n}\r\n");
  OnRunTimer(run_window);
  EXPECT_EQ(Var("m"), 2);
  EXPECT_TRUE(editor_system_.while_paused == nullptr);
  OnEditorCommand(kCmdDebugPause, 0);
  editor_system_.while_paused = [this] {
    seen_.push_back(std::to_string(PausedLine() + 1) + " " + Selected());
    ReadWatchRows(0);
    ASSERT_EQ(debugger.watch.size(), 2u);
    EXPECT_EQ(debugger.watch[0].name, "n");
    EXPECT_FALSE(SetWatchValue(0, 0, "たくさん"));
    EXPECT_TRUE(SetWatchValue(0, 0, "４０"));  // full-width digits too
    OnEditorCommand(kCmdRun, 0);               // F5 goes on
  };
  OnRunTimer(run_window);
  EXPECT_EQ(seen_, std::vector<std::string>{"2 n = n + 1 ;"});
  EXPECT_EQ(Var("m"), 82);
  EXPECT_FALSE(debugger.paused);
  EXPECT_EQ(statement_watch, nullptr);  // nothing to pause for any more
}

TEST_F(DebuggerTest, AnErrorPausesAfterItsBoxWhenTheDebuggerIsOn) {
  for (bool on : {false, true}) {
    SCOPED_TRACE(on);
    editor_system_.watch_open = on;
    Start("TIMER {\r\n  n = 3 ;\r\n  x = y + 1 ;\r\n}\r\n");
    seen_.clear();
    size_t boxes = host_.boxes.size();
    editor_system_.while_paused = [&] {
      EXPECT_EQ(host_.boxes.size(), boxes + 1);  // the box came first
      seen_.push_back(std::to_string(PausedLine() + 1) + " " + Selected());
      ReadWatchRows(0);
      EXPECT_EQ(debugger.watch.at(0).cells.at(0), 3);
      OnEditorCommand(kCmdRun, 0);
    };
    OnRunTimer(run_window);
    EXPECT_EQ(seen_, on ? std::vector<std::string>{"3 x = y + 1 ;"} : std::vector<std::string>{});
    EXPECT_EQ(run_state.running, 0);
    OnRunDestroy(run_window);
  }
}

TEST_F(DebuggerTest, TheEventStripCountsSectionsAndMarksTheOneRunning) {
  Start("INIT { }\r\nLBUTTONDOWN {\r\n  a = 1 ;\r\n}\r\nLBUTTONDBLCLK {\r\n  b = 1 ;\r\n}\r\n", {6});
  editor_system_.clock_ms = 1500;
  OnRunEvent(run_window, "LBUTTONDOWN");
  editor_system_.clock_ms = 2250;
  OnRunEvent(run_window, "LBUTTONDOWN");
  editor_system_.while_paused = [this] {
    ASSERT_EQ(debugger.events.size(), 3u);
    EXPECT_EQ(debugger.events[2].running, 1);
    EXPECT_EQ(RunningSectionLine(), 4);  // the name's line of LBUTTONDBLCLK
    Continue();
  };
  OnRunEvent(run_window, "LBUTTONDBLCLK");
  std::vector<std::string> rows;
  for (const EventRow& e : debugger.events) {
    rows.push_back(e.name + " " + std::to_string(e.count) + " " + EventTimeText(e.last_ms) + " " +
                   std::to_string(e.running));
  }
  EXPECT_EQ(rows, (std::vector<std::string>{"INIT 1 0.00 秒 0", "LBUTTONDOWN 2 2.25 秒 0",
                                            "LBUTTONDBLCLK 1 2.25 秒 0"}));
}

TEST_F(DebuggerTest, TheWatchIsShownAtMostTenTimesASecond) {
  editor_system_.watch_open = true;
  Start("TIMER {\r\n  n = n + 1 ;\r\n}\r\nINIT { n = 0 ; }\r\n");
  // Section ends at these times, then the window's timer at these.
  struct Row {
    bool tick;  // the window's timer, else a section's end
    int64_t at;
    bool shown;
  };
  const Row rows[] = {{false, 1000, true}, {false, 1050, false}, {true, 1080, false},
                      {true, 1100, true},  {true, 1200, false},  {false, 1210, true}};
  for (const Row& r : rows) {
    editor_system_.clock_ms = r.at;
    int before = editor_system_.watch_shown;
    if (r.tick) {
      OnWatchTimer();
    } else {
      OnRunTimer(run_window);
    }
    EXPECT_EQ(editor_system_.watch_shown > before, r.shown) << r.at;
  }
  EXPECT_EQ(debugger.watch.at(0).cells.at(0), 3);
  EXPECT_EQ(debugger.watch.at(0).changed_ms, 1210);
  editor_system_.clock_ms = 1250;
  OnRunTimer(run_window);  // too soon to be shown
  EXPECT_EQ(debugger.watch.at(0).cells.at(0), 3);
  OnRunDestroy(run_window);  // the values the run ended with stay
  EXPECT_EQ(debugger.watch.at(0).cells.at(0), 4);
}

TEST_F(DebuggerTest, BreakpointsMoveWithTheirLines) {
  struct Row {
    const char* name;
    int32_t caret;      // where the edit is made (characters)
    int32_t remove;     // characters it removes there
    const char* typed;  // what it types there
    std::vector<int32_t> after;
  };
  // Breakpoints on lines 2 and 4 (from 1) of "a=1;\r\nb=2;\r\nc=3;\r\nd=4;\r\n".
  const Row rows[] = {
      {"a line typed above", 0, 0, "x=0;\r\n", {3, 5}},
      {"its own line edited", 8, 0, "9", {2, 4}},
      {"Enter at its start", 6, 0, "\r\n", {3, 5}},
      {"its line removed", 6, 6, "", {3}},
      {"lines joined below", 10, 2, "", {2, 3}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Open();
    Type("a=1;\r\nb=2;\r\nc=3;\r\nd=4;\r\n");
    ToggleBreakpoint(1);
    ToggleBreakpoint(3);
    Select(r.caret, r.caret + r.remove);
    Type(r.typed);
    std::vector<int32_t> lines;
    for (int32_t line : debugger.breakpoints) lines.push_back(line + 1);
    EXPECT_EQ(lines, r.after);
    ClearBreakpoints();
  }
}

TEST_F(DebuggerTest, F10WithNoRunStartsOneThatWaitsBeforeItsFirstStatement) {
  Open();
  Type("CREATE { SetTimer(100) ; }\r\nINIT {\r\n  n = 1 ;\r\n  n = 2 ;\r\n}\r\n");
  OnPauses({Step, Continue});
  OnEditorCommand(kCmdDebugStep, 0);
  EXPECT_EQ(seen_, (std::vector<std::string>{"3 n = 1 ;", "4 n = 2 ;"}));
  EXPECT_EQ(Var("n"), 2);
  EXPECT_EQ(run_state.running, 1);
}

TEST_F(DebuggerTest, TheMenuEnablesWhatWouldDoSomething) {
  const int ids[] = {kCmdDebugContinue, kCmdDebugPause, kCmdDebugStep, kCmdDebugStop, kCmdDebugClear};
  auto states = [&] {
    std::string shown;
    for (int id : ids) shown += DebugCommandEnabled(id) ? "1" : "0";
    return shown;
  };
  Open();
  Type("TIMER {\r\n  n = 1 ;\r\n}\r\n");
  EXPECT_EQ(states(), "00100");  // no run: a step starts one
  ToggleBreakpoint(1);
  ASSERT_EQ(RunFromEditor(kEditor), 1);
  EXPECT_EQ(states(), "01011");  // running
  editor_system_.while_paused = [&] {
    EXPECT_EQ(states(), "10111");  // paused
    Continue();
  };
  OnRunTimer(run_window);
  OnRunDestroy(run_window);
  EXPECT_EQ(states(), "00101");  // ended, the breakpoint kept
}

TEST_F(DebuggerTest, F9TogglesTheCaretsLineAndANewTextHasNone) {
  Open();
  Type("a=1;\r\nb=2;\r\n");
  Select(7, 7);
  OnEditorCommand(kCmdDebugBreakpoint, 0);
  EXPECT_EQ(debugger.breakpoints, std::vector<int32_t>{1});
  OnEditorCommand(kCmdDebugBreakpoint, 0);
  EXPECT_TRUE(debugger.breakpoints.empty());
  OnEditorCommand(kCmdDebugBreakpoint, 0);
  ShowNewText("c=3;\r\n");
  EXPECT_TRUE(debugger.breakpoints.empty());
}

}  // namespace

}  // namespace zep
