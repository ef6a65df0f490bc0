// The commands that draw on a bitmap button's face.
#pragma once

#include "core/args.h"
#include "core/common.h"

namespace zep {

void CmdBmpBtBox(WindowRef window, const ArgList& args, int extra);
void CmdBmpBtCircle(WindowRef window, const ArgList& args, int extra);
void CmdBmpBtLine(WindowRef window, const ArgList& args, int extra);
void CmdBmpBtPoint(WindowRef window, const ArgList& args, int extra);
void CmdSetButtonGrpFile(WindowRef window, const ArgList& args, int extra);
void CmdSetButtonGrp(WindowRef window, const ArgList& args, int extra);

}  // namespace zep
