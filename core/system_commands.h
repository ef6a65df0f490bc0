// Commands that reach other programs: WinExec and WinHelp.
#pragma once

#include "core/common.h"

namespace zep {

void CmdWinExec(WindowRef window, const char* args, int extra);
void CmdWinHelp(WindowRef window, const char* args, int extra);

}  // namespace zep
