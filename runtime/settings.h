// The window settings commands of the CREATE section, their run-phase forms,
// and the reset of the run settings before each run.
#pragma once

#include "core/common.h"

namespace zep {

// Sets every run setting to its start value and marks a run as active.
void ResetRunSettings();

void CmdSetWinStyle(WindowRef window, const char* args, int extra);
void CmdSetWinStyleOption(WindowRef window, const char* args, int extra);
void CmdSetWinColor(WindowRef window, const char* args, int extra);
void CmdSetScrollBar(WindowRef window, const char* args, int extra);
void CmdSetTimer(WindowRef window, const char* args, int extra);
void CmdSetWinSizeCreate(WindowRef window, const char* args, int extra);
void CmdSetWinPosCreate(WindowRef window, const char* args, int extra);
void CmdSetCaptionCreate(WindowRef window, const char* args, int extra);
void CmdSetWinSizeRun(WindowRef window, const char* args, int extra);
void CmdSetWinPosRun(WindowRef window, const char* args, int extra);
void CmdSetCaptionRun(WindowRef window, const char* args, int extra);

}  // namespace zep
