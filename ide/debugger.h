// The debugger of the runs the editor starts. It keeps breakpoints on the
// lines of the text (they move with their lines as the text is edited),
// pauses a run before a statement (F6, a breakpoint, a step, an error), steps
// one statement at a time (F10 over a call, F11 into it), counts the
// sections that ran (the event strip) and shows the variables (the watch),
// at most ten times a second. A run the debugger does not look into (no
// breakpoint, no pause asked for) runs its statements as any other run.
//
// While a run is paused the editor's own message loop runs inside the
// statement that waits (EditorSystem::WaitWhilePaused): the run's window
// repaints, its other events wait, and the commands below go on or stop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common.h"

namespace zep {

// The watch is shown anew at most this often, and a changed value stands
// out this long.
constexpr int64_t kWatchIntervalMs = 100;
constexpr int64_t kChangedShowMs = 1000;

// Where a run that goes on is to pause next.
struct PauseRule {
  enum Kind : uint8_t {
    kNone,  // at a breakpoint only
    kNext,  // before the next statement anywhere (pause, step into)
    kOver,  // before the next statement of the same section run that is
            // not inside a call it makes, or the first after that run ended
  };
  Kind kind = kNone;
  int section_depth = 0;  // kOver: the section run stepped in
  uint32_t serial = 0;
  int call_depth = 0;
};

// Whether rule pauses before a statement of the section run that is
// section_depth deep (counted from 1) and numbered serial, call_depth calls
// deep in it.
bool RulePauses(const PauseRule& rule, int section_depth, uint32_t serial, int call_depth);

// A line of the event strip: a section that ran, how often, when it last
// started (milliseconds since the run started), and whether it runs now.
struct EventRow {
  std::string name;
  int64_t count = 0;
  int64_t last_ms = 0;
  int running = 0;  // how many runs of it are in progress
};

// A variable of the run as the watch shows it: a plain one has one row and
// one column.
struct WatchRow {
  std::string name;
  uint16_t rows = 1, cols = 1;
  std::vector<double> cells;
  int64_t changed_ms = -1;  // when a cell last changed (editor's clock), -1 never
};

struct Debugger {
  std::vector<int32_t> breakpoints;  // lines of the editor's text from 0, ascending

  // The run in progress (or the last one, for what the watch still shows).
  bool active = false;      // a run started here has not ended
  bool paused = false;      // it waits before the statement at pos
  bool error_stop = false;  // the pause is its error's: it ends after it
  bool start_paused = false;  // the run about to start waits before its first statement
  int pos = -1;
  PauseRule here;  // where it waits, as a step over from there
  PauseRule rule;
  std::string ran_text;            // the text the run was loaded from
  std::vector<int32_t> line_of;    // the line of ran_text of each compacted byte
  std::vector<uint8_t> break_lines;  // the run's breakpoints, by line of ran_text
  int last_pos = -1;  // the statement the hook saw last
  std::vector<uint32_t> serials;   // the serial of each section run in progress
  uint32_t next_serial = 0;
  int32_t section_line = -1;  // the name's line of the section that runs (or ran last)
  std::vector<EventRow> events;
  int64_t started_ms = 0;
  std::vector<WatchRow> watch;
  int64_t watch_shown_ms = -kWatchIntervalMs;
  bool watch_due = false;
};

extern Debugger debugger;

// A run starts from the editor with text: the debugger watches it from
// its first section on. When it ends (or failed to start), it lets go.
void StartDebugging(const std::string& text);
void StopDebugging();

// The commands. Continue (F5 while paused), pause (F6), step (F10), step
// into (F11; either starts a run that waits before its first statement
// when none runs), stop the run, toggle the breakpoint on the caret's line
// (F9) or on a line (a click in the margin), clear them all. A command of
// the menu is enabled when it would do something now.
void DebugContinue();
void DebugPause();
void DebugStep(bool into);
void DebugStop();
void ToggleBreakpoint(int32_t line);
void ToggleBreakpointAtCaret();
void ClearBreakpoints();
bool HasBreakpoint(int32_t line);
bool DebugCommandEnabled(int id);

// The text changed: breakpoints move with their lines (ColourView::MapLine);
// a whole new text has none.
void MapBreakpoints();
void DropBreakpoints();

// The line of the editor's text that the margin marks as where the run
// waits, and the name's line of the section that runs; -1 when none (or
// the text is no longer the one that ran).
int32_t PausedLine();
int32_t RunningSectionLine();

// The watch window's timer: a refresh that a section's end left due is
// made once kWatchIntervalMs have passed since the last.
void OnWatchTimer();
// The variables as they stand now, each changed cell's row marked with the
// time (for the highlight).
void ReadWatchRows(int64_t now);
// A value typed for a variable's cell while the run is paused: true when
// it is a number, which the run then uses.
bool SetWatchValue(size_t row, size_t cell, const std::string& text);
// The text of a value, and whether a row's name passes the filter (any
// part of the name, ASCII letters in either case).
std::string WatchValueText(double value);
bool WatchRowShown(const WatchRow& row, const std::string& filter);
// "12.34 秒": milliseconds since the run started.
std::string EventTimeText(int64_t ms);

}  // namespace zep
