// The commands that draw on a bitmap button's face.
#pragma once

#include "core/common.h"

namespace zep {

void CmdBmpBtBox(WindowRef window, const char* args, int extra);
void CmdBmpBtCircle(WindowRef window, const char* args, int extra);
void CmdBmpBtLine(WindowRef window, const char* args, int extra);
void CmdBmpBtPoint(WindowRef window, const char* args, int extra);
void CmdSetButtonGrpFile(WindowRef window, const char* args, int extra);
void CmdSetButtonGrp(WindowRef window, const char* args, int extra);

}  // namespace zep
