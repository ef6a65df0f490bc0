// The control commands: their rows (commands.cpp).
#pragma once

#include "core/command_table.h"

namespace zep {

extern const CommandList controls_commands;

}  // namespace zep
