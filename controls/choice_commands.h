// The commands on list and combo boxes, buttons and scroll-bar controls.
#pragma once

#include "core/common.h"

namespace zep {

void CmdSetListText(WindowRef window, const char* args, int extra);
void CmdGetListPos(WindowRef window, const char* args, int extra);
void CmdSetListPos(WindowRef window, const char* args, int extra);
void CmdGetListText(WindowRef window, const char* args, int extra);
void CmdClearList(WindowRef window, const char* args, int extra);
void CmdGetComboText(WindowRef window, const char* args, int extra);

void CmdSetButtonText(WindowRef window, const char* args, int extra);
void CmdSetButtonCheck(WindowRef window, const char* args, int extra);
void CmdGetButtonCheck(WindowRef window, const char* args, int extra);

void CmdSetScrollRange(WindowRef window, const char* args, int extra);
void CmdSetScrollPos(WindowRef window, const char* args, int extra);
void CmdGetScrollPos(WindowRef window, const char* args, int extra);

}  // namespace zep
