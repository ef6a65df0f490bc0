#include "core/section_runs.h"

#include "core/errors.h"

namespace zep {

namespace {

SectionRun* innermost = nullptr;
int depth = 0;

}  // namespace

void (*section_starting)(const char* name) = nullptr;

bool EnterSectionRun(SectionRun* run, WindowRef window, const char* name) {
  if (depth >= kMaxSectionRuns) return false;
  *run = SectionRun{window, name, false, innermost};
  innermost = run;
  ++depth;
  return true;
}

void LeaveSectionRun(SectionRun* run) {
  ZEP_ASSERT(run == innermost, "section runs end in the reverse order");
  innermost = run->outer;
  --depth;
}

int SectionRunDepth() { return depth; }

void StopSectionRuns(WindowRef window) {
  for (SectionRun* r = innermost; r != nullptr; r = r->outer) {
    if (window == nullptr || r->window == window) r->stopped = true;
  }
}

const char* CurrentSectionName() { return innermost != nullptr ? innermost->name : ""; }

bool SectionStopped() { return innermost != nullptr && innermost->stopped; }

void EndSectionRuns() {
  if (innermost == nullptr) return;
  StopSectionRuns(nullptr);
  if (error_code == 0) SetError(kErrRunEnded);
}

}  // namespace zep
