// The core's own commands: arrays (Data, DataInit) and the commands that
// reach other programs (WinExec, WinHelp).
#pragma once

#include "core/command_table.h"
#include "core/common.h"

namespace zep {

extern const CommandList core_commands;

}  // namespace zep
