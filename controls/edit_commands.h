// The commands on edit fields.
#pragma once

#include "core/args.h"
#include "core/common.h"

namespace zep {

void CmdSetEditText(WindowRef window, const ArgList& args, int extra);
void CmdSetEditCode(WindowRef window, const ArgList& args, int extra);
void CmdSetEditCodeRet(WindowRef window, const ArgList& args, int extra);
void CmdSetEditData(WindowRef window, const ArgList& args, int extra);
void CmdSetEditData16(WindowRef window, const ArgList& args, int extra);
void CmdSetEditCursol(WindowRef window, const ArgList& args, int extra);
void CmdSetEditNoChange(WindowRef window, const ArgList& args, int extra);
void CmdGetEditChange(WindowRef window, const ArgList& args, int extra);
void CmdGetEditLength(WindowRef window, const ArgList& args, int extra);
// extra 0: the start of the selection, 1: its end.
void CmdGetEditCursol(WindowRef window, const ArgList& args, int extra);
void CmdGetEditCode(WindowRef window, const ArgList& args, int extra);
void CmdGetEditData(WindowRef window, const ArgList& args, int extra);
void CmdGetEditText(WindowRef window, const ArgList& args, int extra);
void CmdCompEditText(WindowRef window, const ArgList& args, int extra);
void CmdSearchEditText(WindowRef window, const ArgList& args, int extra);
// extra: one of the EditAction values below.
void CmdEditAction(WindowRef window, const ArgList& args, int extra);

// The clipboard and selection commands, by their row's extra number.
enum EditAction { kActClip, kActCut, kActPaste, kActClear, kActUndo, kActAllSelect,
                  kActAllClip, kActAllClear };

}  // namespace zep
