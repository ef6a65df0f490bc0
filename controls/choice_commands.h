// The commands on list and combo boxes, buttons and scroll-bar controls.
#pragma once

#include "core/args.h"
#include "core/common.h"

namespace zep {

void CmdSetListText(WindowRef window, const ArgList& args, int extra);
void CmdGetListPos(WindowRef window, const ArgList& args, int extra);
void CmdSetListPos(WindowRef window, const ArgList& args, int extra);
void CmdGetListText(WindowRef window, const ArgList& args, int extra);
void CmdClearList(WindowRef window, const ArgList& args, int extra);
void CmdGetComboText(WindowRef window, const ArgList& args, int extra);

void CmdSetButtonText(WindowRef window, const ArgList& args, int extra);
void CmdSetButtonCheck(WindowRef window, const ArgList& args, int extra);
void CmdGetButtonCheck(WindowRef window, const ArgList& args, int extra);

void CmdSetScrollRange(WindowRef window, const ArgList& args, int extra);
void CmdSetScrollPos(WindowRef window, const ArgList& args, int extra);
void CmdGetScrollPos(WindowRef window, const ArgList& args, int extra);

}  // namespace zep
