// The sections that are running now. The interpreter never pumps messages,
// so sections nest only when an event arrives while a command is inside a
// platform call: a modal loop (MessBox, the file and picture dialogs, the
// warning of WinExec) or a call that sends a message at once (a focus or
// size change). The nested section shares the run's state with the one
// that waits; this list lets the waiting one find out, when the call
// returns, whether it may go on.
#pragma once

#include "core/common.h"

namespace zep {

// Nested section runs beyond this depth are not run: the event is dropped,
// as the platform drops timer ticks that pile up, and a script that opens a
// box on every tick never exhausts the stack.
constexpr int kMaxSectionRuns = 16;

// One section run in progress (RunSection keeps it on its stack).
struct SectionRun {
  WindowRef window;
  const char* name;   // the section's name, while it runs
  bool stopped;       // its window or the run ended, or a nested run failed
  SectionRun* outer;  // the run it nests in, or nullptr
};

// Enters and leaves a section run. Enter gives false (and enters nothing)
// when the nesting is already kMaxSectionRuns deep.
bool EnterSectionRun(SectionRun* run, WindowRef window, const char* name);
void LeaveSectionRun(SectionRun* run);

// How many section runs are in progress.
int SectionRunDepth();

// Marks every section run of window as stopped (every run for nullptr): a
// waiting section then stops as soon as its command returns, without a
// report. Called when a window ends, when the run ends, and when `end` or a
// reported error ends what runs in a window.
void StopSectionRuns(WindowRef window);

// True when the section that runs now (the innermost) was stopped while its
// command waited. A command that waits checks this before it goes on.
bool SectionStopped();

// The name of the section that runs now, or "" outside every section.
const char* CurrentSectionName();

// Called as each section starts, when set (the program's test option that
// forces a fault uses it).
extern void (*section_starting)(const char* name);

// The run has ended (its state is freed) while sections still wait: they
// are stopped, and an error code no box shows is set, so that no waiting
// expression or command reads the freed state.
void EndSectionRuns();

}  // namespace zep
