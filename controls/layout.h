// The commands on any control: size, font and focus.
#pragma once

#include "controls/control_system.h"
#include "core/args.h"
#include "core/common.h"

namespace zep {

void CmdSetControlSize(WindowRef window, const ArgList& args, int extra);
void CmdSetControlFont(WindowRef window, const ArgList& args, int extra);
void CmdSetControlFocus(WindowRef window, const ArgList& args, int extra);
void CmdKillControlFocus(WindowRef window, const ArgList& args, int extra);

// The font SetControlFont makes of its arguments.
ControlFont ScriptFont(const char* face, int32_t w, int32_t h, int32_t sw);

}  // namespace zep
