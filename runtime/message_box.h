// MessBox: the script's modal message box.
#pragma once

#include <cstdint>

#include "core/command_table.h"

namespace zep {

// The row of MessBox("message","title",btn,icon).
extern const CommandList message_box_commands;

// The platform's box flags for btn and icon, and the value of the answer
// the platform reports. The value follows the buttons shown, never the key
// that closed the box: a box with OK alone gives 1 however it is closed,
// Yes/No closed without a choice gives 0, and Cancel (or closing) -1 where
// there is a Cancel button.
unsigned MessBoxFlags(int32_t btn, int32_t icon);
int32_t MessBoxValue(int32_t btn, int pressed);

}  // namespace zep
