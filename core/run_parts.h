// The life of a run in one place. Each piece of a run's state (the variable
// store, the window settings, the timer, the palette, the back screen, the
// control table, the data file, ...) is a run part: a row of what to do at
// each step of the run. The program installs one list of parts at start-up;
// its order is the order of the window's opening steps, and the parts are
// freed in the reverse order.
//
//   reset  the load pass, before CREATE runs: start values of this run
//   open   the window's opening steps (WM_CREATE), before INIT
//   stop   at once after an error, before the report: what would run on
//          (the timer, the open data file)
//   free   the window's end, or a load that failed (window is nullptr then)
//
// Any step may be nullptr.
#pragma once

#include "core/common.h"

namespace zep {

struct RunPart {
  const char* name;
  void (*reset)();
  void (*open)(WindowRef window);
  void (*stop)(WindowRef window);
  void (*free)(WindowRef window);
};

// Replaces the installed parts by these (the caller keeps them alive).
void InstallRunParts(const RunPart* const* parts, int count);

void ResetRunParts();
void OpenRunParts(WindowRef window);
void StopRunParts(WindowRef window);
void FreeRunParts(WindowRef window);

// The core's own part: the run flags and the error state (reset), ANSWER
// (open), the variable store and the program text (free).
extern const RunPart core_run_part;

}  // namespace zep
