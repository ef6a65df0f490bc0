// The run window's commands: its settings in CREATE and their run-phase forms.
#pragma once

#include "core/command_table.h"

namespace zep {

extern const CommandList runtime_commands;

}  // namespace zep
