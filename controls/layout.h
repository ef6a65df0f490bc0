// The commands on any control: creation, size, font and focus.
#pragma once

#include "controls/control_system.h"
#include "core/args.h"
#include "core/command_table.h"
#include "core/common.h"

namespace zep {

// The rows of CreateControl, SetControlSize, SetControlFont,
// SetControlFocus and KillControlFocus.
extern const CommandList control_commands;

// CreateControl(type,"str","ID_control",x,y,w,h): appends a record. The
// dialog's set-up section has a row of its own for it.
void CmdCreateControl(WindowRef window, const ArgList& args, int extra);

// The font SetControlFont makes of its arguments.
ControlFont ScriptFont(const char* face, int32_t w, int32_t h, int32_t sw);

}  // namespace zep
