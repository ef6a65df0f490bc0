// The commands that draw on a bitmap button's face.
#pragma once

#include "core/command_table.h"

namespace zep {

// The rows of BmpBtBox, BmpBtCircle, BmpBtLine, BmpBtPoint,
// SetButtonGrpFile and SetButtonGrp.
extern const CommandList bitmap_button_commands;

}  // namespace zep
