// The commands on edit fields.
#pragma once

#include "core/command_table.h"

namespace zep {

// The rows of the edit-field commands, SetEditText to AllClearEdit.
extern const CommandList edit_commands;

}  // namespace zep
