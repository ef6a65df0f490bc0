#include "controls/registry.h"

#include "core/control_table.h"

namespace zep {

namespace {

void ResetControls() { ResetControlTable(); }
void FreeControls(WindowRef) { ResetControlTable(); }

}  // namespace

const RunPart controls_part = {"controls", ResetControls, nullptr, nullptr, FreeControls};

}  // namespace zep
