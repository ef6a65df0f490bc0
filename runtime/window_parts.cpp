#include "runtime/window_parts.h"

#include "core/run_settings.h"
#include "runtime/events.h"
#include "runtime/settings.h"
#include "runtime/window_system.h"

namespace zep {

namespace {

void StartTimer(WindowRef window) {
  if (settings.timer_ms != 0) window_system->StartTimer(window, settings.timer_ms);
}

// At the window's end, or (without a window) after a failed load, when the
// timer was recorded but never started.
void StopTimer(WindowRef window) {
  if (settings.timer_ms == 0) return;
  if (window != nullptr) window_system->StopTimer(window);
  settings.timer_ms = 0;
}

// After an error in any window's section: the run window's timer.
void StopRunTimer(WindowRef) { StopTimer(run_window); }

void OpenFrame(WindowRef window) {
  if (settings.topmost) window_system->SetTopmost(window, true);
  if (settings.h_range != 0) {
    window_system->SetScrollRange(window, ScrollBar::kHorizontal, settings.h_range);
  }
  if (settings.v_range != 0) {
    window_system->SetScrollRange(window, ScrollBar::kVertical, settings.v_range);
  }
}

void OpenShape(WindowRef window) {
  if (settings.region_type == 1 || settings.region_type == 2) {
    window_system->ApplyShape(window, settings.region_type, settings.win_x, settings.win_y,
                              settings.corner_w, settings.corner_h);
  }
}

}  // namespace

const RunPart settings_part = {"settings", ResetRunSettings, nullptr, nullptr, nullptr};
const RunPart timer_part = {"timer", nullptr, StartTimer, StopRunTimer, StopTimer};
const RunPart frame_part = {"frame", nullptr, OpenFrame, nullptr, nullptr};
const RunPart shape_part = {"shape", nullptr, OpenShape, nullptr, nullptr};

}  // namespace zep
