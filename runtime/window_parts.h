// The run window's parts of a run's life: its settings, its timer, its
// frame (topmost, own scroll bars) and its shape.
#pragma once

#include "core/run_parts.h"

namespace zep {

extern const RunPart settings_part;  // RunSettings reset at the load pass
extern const RunPart timer_part;     // timer 1, started at the opening, stopped after an error
extern const RunPart frame_part;     // topmost and the window's own scroll ranges
extern const RunPart shape_part;     // the rounded or elliptic window shape

}  // namespace zep
