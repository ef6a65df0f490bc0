#include "core/run_parts.h"

#include "core/errors.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/run_watch.h"
#include "core/section_runs.h"
#include "core/variables.h"

namespace zep {

namespace {

const RunPart* const* installed = nullptr;
int installed_count = 0;

void ResetCore() {
  error_code = 0;
  error_pos = -1;
  run_state.dialog_open = 0;
  run_state.running = 1;
}

void OpenCore(WindowRef) { run_state.answer = 0; }

void FreeCore(WindowRef) {
  if (run_watch != nullptr) run_watch->RunEnding();
  EndSectionRuns();
  FreeVariableStore();
  FreeProgramText();
}

}  // namespace

const RunPart core_run_part = {"core", ResetCore, OpenCore, nullptr, FreeCore};

void InstallRunParts(const RunPart* const* parts, int count) {
  installed = parts;
  installed_count = count;
}

void ResetRunParts() {
  for (int i = 0; i < installed_count; ++i) {
    if (installed[i]->reset) installed[i]->reset();
  }
}

void OpenRunParts(WindowRef window) {
  for (int i = 0; i < installed_count; ++i) {
    if (installed[i]->open) installed[i]->open(window);
  }
}

void StopRunParts(WindowRef window) {
  for (int i = 0; i < installed_count; ++i) {
    if (installed[i]->stop) installed[i]->stop(window);
  }
}

void FreeRunParts(WindowRef window) {
  for (int i = installed_count - 1; i >= 0; --i) {
    if (installed[i]->free) installed[i]->free(window);
  }
}

}  // namespace zep
