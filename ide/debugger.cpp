#include "ide/debugger.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/errors.h"
#include "core/host.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/run_watch.h"
#include "core/section_runs.h"
#include "core/text.h"
#include "core/variables.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/error_place.h"
#include "ide/text_offsets.h"
#include "runtime/events.h"

namespace zep {

Debugger debugger;

bool RulePauses(const PauseRule& rule, int section_depth, uint32_t serial, int call_depth) {
  switch (rule.kind) {
    case PauseRule::kNext: return true;
    case PauseRule::kOver:
      if (section_depth != rule.section_depth) return section_depth < rule.section_depth;
      return serial != rule.serial || call_depth <= rule.call_depth;
    default: return false;
  }
}

namespace {

// The text control still holds the text that runs: lines and places of the
// run are the editor's.
bool TextIsRanText() { return editor.text != nullptr && editor.shown == debugger.ran_text; }

int32_t LineOf(int pos) {
  if (pos < 0 || static_cast<size_t>(pos) >= debugger.line_of.size()) return -1;
  return debugger.line_of[static_cast<size_t>(pos)];
}

// The run's breakpoints from the document's, while the text is the one
// that runs (a breakpoint set in a text changed since waits for the next
// run).
void TakeBreakpointsIntoRun() {
  if (!debugger.active || !TextIsRanText()) return;
  std::fill(debugger.break_lines.begin(), debugger.break_lines.end(), 0);
  for (int32_t line : debugger.breakpoints) {
    if (static_cast<size_t>(line) < debugger.break_lines.size()) debugger.break_lines[line] = 1;
  }
}

void OnStatement(WindowRef window, int pos, int call_depth);
void WatchStatements();

// The run takes the breakpoints as they are now, and the margin shows them.
void BreakpointsChanged() {
  TakeBreakpointsIntoRun();
  WatchStatements();
  if (editor.text != nullptr) editor_system->RedrawMargin(editor.text);
}

// The statement hook is set only while the debugger may pause: a
// breakpoint, or a pause or step asked for.
void WatchStatements() {
  bool needed = debugger.active && (!debugger.breakpoints.empty() || debugger.rule.kind != PauseRule::kNone);
  statement_watch = needed ? OnStatement : nullptr;
}

// What the margin, the watch and the status bar show of the run now.
void ShowDebugState(bool watch_now) {
  if (editor.text != nullptr) editor_system->RedrawMargin(editor.text);
  if (watch_now) {
    int64_t now = editor_system->Milliseconds();
    ReadWatchRows(now);
    debugger.watch_shown_ms = now;
    debugger.watch_due = false;
    editor_system->ShowWatch();
  }
}

// The run waits before the statement at pos: it is selected (when the text
// is still the one that runs), the watch shows the variables, and the
// editor's messages are handled until a command lets the run go on.
void Pause(int pos, bool error, const PauseRule& here) {
  debugger.paused = true;
  debugger.here = here;
  debugger.error_stop = error;
  debugger.pos = pos;
  debugger.rule = PauseRule();
  size_t start = 0, end = 0;
  if (TextIsRanText() && FailingStatement(debugger.ran_text.c_str(), pos, &start, &end)) {
    const std::string& text = debugger.ran_text;
    control_system->SetSelection(editor.text, CharOffsetOf(text, start), CharOffsetOf(text, end));
  }
  char status[96];
  std::snprintf(status, sizeof status, error ? kDebugErrorPausedResult : kDebugPausedResult,
                LineOf(pos) + 1);
  ShowEditorResult(status);
  ShowDebugState(true);
  editor_system->WaitWhilePaused(editor.window, &debugger.paused);
  debugger.paused = false;
  debugger.pos = -1;
  if (debugger.active && run_state.running) ShowEditorResult(kRunResult);
  ShowDebugState(false);
  WatchStatements();
}

void OnStatement(WindowRef, int pos, int call_depth) {
  if (debugger.paused) return;  // a section run while the pause waits
  int depth = SectionRunDepth();
  uint32_t serial = depth > 0 && static_cast<size_t>(depth) <= debugger.serials.size()
                        ? debugger.serials[static_cast<size_t>(depth) - 1] : 0;
  // A breakpoint pauses where the run comes to its line: from another line,
  // or back to the line's start (the next pass of a loop, the next event).
  int32_t line = LineOf(pos);
  bool marked = line >= 0 && static_cast<size_t>(line) < debugger.break_lines.size() &&
                debugger.break_lines[line] != 0;
  bool at_break = marked && (line != LineOf(debugger.last_pos) || pos <= debugger.last_pos);
  debugger.last_pos = pos;
  if (at_break || RulePauses(debugger.rule, depth, serial, call_depth)) {
    Pause(pos, false, PauseRule{PauseRule::kOver, depth, serial, call_depth});
  }
}

// Where the name of the section whose `{` is at brace starts in the
// compacted text: after the `}` before it.
int SectionNamePos(int brace) {
  int at = brace;
  while (at > 0 && program_text[at - 1] != '}') --at;
  return at;
}

class Watcher : public RunWatch {
 public:
  void SectionStarted(WindowRef, const char* name, int open) override {
    debugger.serials.push_back(++debugger.next_serial);
    int64_t now = editor_system->Milliseconds();
    EventRow* row = FindRow(name);
    if (row == nullptr) {
      debugger.events.push_back(EventRow{name, 0, 0, 0});
      row = &debugger.events.back();
    }
    ++row->count;
    ++row->running;
    row->last_ms = now - debugger.started_ms;
    debugger.section_line = LineOf(SectionNamePos(open));
    debugger.watch_due = true;
  }

  void SectionEnded(WindowRef, const char* name) override {
    if (!debugger.serials.empty()) debugger.serials.pop_back();
    EventRow* row = FindRow(name);
    if (row != nullptr && row->running > 0) --row->running;
    debugger.watch_due = true;
    OnWatchTimer();
  }

  void ErrorReported(WindowRef, int pos) override {
    if (debugger.breakpoints.empty() && !editor_system->WatchWindowOpen()) return;
    Pause(pos, true, PauseRule());
  }

  // The watch keeps the values the run ended with.
  void RunEnding() override { ShowDebugState(editor_system->WatchWindowOpen()); }

 private:
  static EventRow* FindRow(const char* name) {
    for (EventRow& row : debugger.events) {
      if (row.name == name) return &row;
    }
    return nullptr;
  }
};

Watcher watcher;

// The line of each byte of the compacted form of text.
std::vector<int32_t> CompactedLines(const std::string& text) {
  std::vector<int> sources;
  CompactionSources(text.c_str(), &sources);
  std::vector<int32_t> lines(sources.size());
  int32_t line = 0;
  size_t at = 0;
  for (size_t i = 0; i < sources.size(); ++i) {
    for (; at < static_cast<size_t>(sources[i]); ++at) line += text[at] == '\n';
    lines[i] = line;
  }
  return lines;
}

}  // namespace

void StartDebugging(const std::string& text) {
  debugger.active = true;
  debugger.paused = false;
  debugger.error_stop = false;
  debugger.rule = debugger.start_paused ? PauseRule{PauseRule::kNext} : PauseRule();
  debugger.ran_text = text;
  debugger.line_of = CompactedLines(text);
  debugger.break_lines.assign(std::count(text.begin(), text.end(), '\n') + 1, 0);
  debugger.last_pos = -1;
  debugger.serials.clear();
  debugger.section_line = -1;
  debugger.events.clear();
  debugger.watch.clear();
  debugger.started_ms = editor_system->Milliseconds();
  TakeBreakpointsIntoRun();
  run_watch = &watcher;
  WatchStatements();
  editor_system->ShowWatch();
}

void StopDebugging() {
  debugger.active = false;
  debugger.paused = false;
  debugger.rule = PauseRule();
  run_watch = nullptr;
  statement_watch = nullptr;
  for (EventRow& row : debugger.events) row.running = 0;
  ShowDebugState(false);
  editor_system->ShowWatch();
}

void DebugContinue() {
  if (!debugger.paused) return;
  debugger.paused = false;
}

void DebugPause() {
  if (!debugger.active || debugger.paused) return;
  debugger.rule = PauseRule{PauseRule::kNext};
  WatchStatements();
  ShowEditorResult(kDebugPauseAsked);
}

// A step pauses again before the next statement; over a call, the one
// after it. The place is known when the pause ends (OnStatement).
void DebugStep(bool into) {
  if (!debugger.paused) {
    // Not running yet: the run starts and waits before its first statement.
    if (run_state.running) return;
    debugger.start_paused = true;
    EditorRun();
    debugger.start_paused = false;
    return;
  }
  debugger.paused = false;
  if (debugger.error_stop) return;
  debugger.rule = debugger.here;
  if (into) debugger.rule.kind = PauseRule::kNext;
}

void DebugStop() {
  if (!debugger.active || !run_state.running) return;
  debugger.paused = false;
  debugger.rule = PauseRule();
  StopSectionRuns(nullptr);
  run_state.running = 0;
  if (run_window != nullptr) host_system->PostCloseRequest(run_window);
}

bool DebugCommandEnabled(int id) {
  switch (id) {
    case kCmdDebugContinue: return debugger.paused;
    case kCmdDebugStep: case kCmdDebugStepInto: return debugger.paused || !run_state.running;
    case kCmdDebugPause: return debugger.active && !debugger.paused;
    case kCmdDebugStop: return debugger.active && run_state.running;
    case kCmdDebugClear: return !debugger.breakpoints.empty();
    default: return true;
  }
}

bool HasBreakpoint(int32_t line) {
  return std::binary_search(debugger.breakpoints.begin(), debugger.breakpoints.end(), line);
}

void ToggleBreakpoint(int32_t line) {
  if (line < 0) return;
  auto at = std::lower_bound(debugger.breakpoints.begin(), debugger.breakpoints.end(), line);
  if (at != debugger.breakpoints.end() && *at == line) {
    debugger.breakpoints.erase(at);
  } else {
    debugger.breakpoints.insert(at, line);
  }
  BreakpointsChanged();
}

void ToggleBreakpointAtCaret() {
  int32_t start = 0, end = 0;
  control_system->GetSelection(editor.text, &start, &end);
  std::string text = control_system->GetText(editor.text);
  size_t caret = ByteOffsetOf(text, start);
  ToggleBreakpoint(static_cast<int32_t>(std::count(text.begin(), text.begin() + caret, '\n')));
}

void ClearBreakpoints() {
  debugger.breakpoints.clear();
  BreakpointsChanged();
}

void MapBreakpoints() {
  std::vector<int32_t> moved;
  for (int32_t line : debugger.breakpoints) {
    int32_t now = editor.colours.MapLine(line);
    if (now >= 0 && (moved.empty() || moved.back() != now)) moved.push_back(now);
  }
  debugger.breakpoints = std::move(moved);
}

void DropBreakpoints() {
  debugger.breakpoints.clear();
  BreakpointsChanged();
}

int32_t PausedLine() {
  if (!debugger.paused || !TextIsRanText()) return -1;
  return LineOf(debugger.pos);
}

int32_t RunningSectionLine() {
  if (!debugger.active || !TextIsRanText()) return -1;
  return debugger.section_line;
}

void OnWatchTimer() {
  if (!debugger.watch_due) return;
  int64_t now = editor_system->Milliseconds();
  if (now - debugger.watch_shown_ms < kWatchIntervalMs) return;
  ShowDebugState(editor_system->WatchWindowOpen());
  debugger.watch_shown_ms = now;
  debugger.watch_due = false;
}

void ReadWatchRows(int64_t now) {
  if (!debugger.active || variable_store.values == nullptr) return;
  size_t count = variable_store.variable_count;
  debugger.watch.resize(std::max(count, debugger.watch.size()));
  for (size_t i = 0; i < count; ++i) {
    WatchRow& row = debugger.watch[i];
    int v = static_cast<int>(i);
    uint16_t rows = variable_store.rows[v], cols = variable_store.cols[v];
    const double* cells = VariableCells(v);
    std::vector<double> now_cells(cells, cells + static_cast<size_t>(rows) * cols);
    if (row.name != VariableName(v) || row.cells != now_cells) {
      bool fresh = row.name != VariableName(v);
      row.name = VariableName(v);
      row.rows = rows;
      row.cols = cols;
      row.cells = std::move(now_cells);
      row.changed_ms = fresh && rows * cols > 1 ? -1 : now;
    }
  }
}

bool SetWatchValue(size_t row, size_t cell, const std::string& text) {
  if (!debugger.paused || row >= debugger.watch.size()) return false;
  std::string number = HalfWidthNumberText(text);
  const char* begin = number.c_str();
  while (*begin == ' ') ++begin;
  char* end = nullptr;
  double value = std::strtod(begin, &end);
  if (end == begin) return false;
  while (*end == ' ') ++end;
  if (*end != '\0') return false;
  int v = FindVariable(debugger.watch[row].name.c_str(), debugger.watch[row].name.size());
  if (v < 0) return false;
  size_t cells = static_cast<size_t>(variable_store.rows[v]) * variable_store.cols[v];
  if (cell >= cells) return false;
  VariableCells(v)[cell] = static_cast<float>(value);
  ReadWatchRows(editor_system->Milliseconds());
  editor_system->ShowWatch();
  return true;
}

std::string WatchValueText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  return text;
}

bool WatchRowShown(const WatchRow& row, const std::string& filter) {
  if (filter.empty()) return true;
  auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
  std::string name = row.name, part = filter;
  std::transform(name.begin(), name.end(), name.begin(), lower);
  std::transform(part.begin(), part.end(), part.begin(), lower);
  return name.find(part) != std::string::npos;
}

std::string EventTimeText(int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%02lld 秒", static_cast<long long>(ms / 1000),
                static_cast<long long>(ms % 1000 / 10));
  return text;
}

}  // namespace zep
