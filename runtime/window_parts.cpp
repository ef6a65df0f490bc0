#include "runtime/window_parts.h"

#include "core/run_settings.h"
#include "runtime/events.h"
#include "runtime/settings.h"
#include "runtime/window_system.h"

namespace zep {

namespace {

void StartTimer(WindowRef window) {
  if (window_settings.timer_ms != 0) window_system->StartTimer(window, window_settings.timer_ms);
}

// At the window's end, or (without a window) after a failed load, when the
// timer was recorded but never started.
void StopTimer(WindowRef window) {
  if (window_settings.timer_ms == 0) return;
  if (window != nullptr) window_system->StopTimer(window);
  window_settings.timer_ms = 0;
}

// After an error in any window's section: the run window's timer.
void StopRunTimer(WindowRef) { StopTimer(run_window); }

void OpenFrame(WindowRef window) {
  if (window_settings.topmost) window_system->SetTopmost(window, true);
  if (window_settings.h_range != 0) {
    window_system->SetScrollRange(window, ScrollBar::kHorizontal, window_settings.h_range);
  }
  if (window_settings.v_range != 0) {
    window_system->SetScrollRange(window, ScrollBar::kVertical, window_settings.v_range);
  }
}

void OpenShape(WindowRef window) {
  if (window_settings.region_type == 1 || window_settings.region_type == 2) {
    window_system->ApplyShape(window, window_settings.region_type, window_settings.win_x, window_settings.win_y,
                              window_settings.corner_w, window_settings.corner_h);
  }
}

}  // namespace

const RunPart settings_part = {"settings", ResetRunSettings, nullptr, nullptr, nullptr};
const RunPart timer_part = {"timer", nullptr, StartTimer, StopRunTimer, StopTimer};
const RunPart frame_part = {"frame", nullptr, OpenFrame, nullptr, nullptr};
const RunPart shape_part = {"shape", nullptr, OpenShape, nullptr, nullptr};

}  // namespace zep
