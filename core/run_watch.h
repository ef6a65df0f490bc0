// What a debugger sees of a run. Nothing here is called unless a watcher is
// set (the editor sets one for the runs it starts); a run that nobody
// watches pays one test of a pointer per statement and per section.
#pragma once

#include "core/common.h"

namespace zep {

class RunWatch {
 public:
  virtual ~RunWatch() = default;
  // A section run starts (its `{` at open in the compacted text) and ends
  // (runs nested in a waiting command too); an end comes for every start,
  // whether the section failed or not.
  virtual void SectionStarted(WindowRef window, const char* name, int open) = 0;
  virtual void SectionEnded(WindowRef window, const char* name) = 0;
  // The error of a section run at pos (compacted text) has been shown in
  // its box; the run ends when this returns.
  virtual void ErrorReported(WindowRef window, int pos) = 0;
  // The run's state is about to be freed: its variables are there for a
  // last look.
  virtual void RunEnding() = 0;
};

extern RunWatch* run_watch;

// Called before each statement of a section run that started while it was
// set (and while it stays set), with the statement's position in the
// compacted text and how many calls deep the section's walk is. It may wait
// (a pause); when it returns, the statement runs unless the run was stopped
// meanwhile. A section run that starts while it is null never tests it.
extern void (*statement_watch)(WindowRef window, int pos, int call_depth);

}  // namespace zep
