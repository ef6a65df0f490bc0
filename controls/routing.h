// What the window does when a control reports: the section named by the
// control's ID runs, as the control's type decides.
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

// What a scroll notification asks of a scroll-bar control.
enum class ScrollStep { kLineBack, kLineForward, kThumb, kOther };

// A command notification of the control with command id (600 and up) and
// notification code, at window.
void OnControlCommand(WindowRef window, int id, int code);

// A scroll notification of the control whose window is control, searched
// from record first on. pos counts for kThumb only. The position moves,
// clamped to 0..the control's maximum, and the section runs only when it
// changed.
void OnControlScroll(WindowRef window, WindowRef control, ScrollStep step, int32_t pos,
                     int first = 0);

// The new position of a scroll-bar control, clamped.
int32_t ScrollTarget(ScrollStep step, int32_t current, int32_t pos, int32_t max);

}  // namespace zep
