// The controls of a run. The table itself is shared (core/control_table.h);
// this subsystem empties it for every run and frees it at the window's end.
#pragma once

#include "core/run_parts.h"

namespace zep {

extern const RunPart controls_part;

}  // namespace zep
