#include "controls/commands.h"

#include "controls/button_commands.h"
#include "controls/choice_commands.h"
#include "controls/edit_commands.h"
#include "controls/layout.h"
#include "controls/registry.h"

namespace zep {

namespace {

const CommandRow kRows[] = {
    {"CreateControl", CmdCreateControl, 0, kPhaseCreate, false},
    {"SetControlSize", CmdSetControlSize, 0, kPhaseRun, false},
    {"SetControlFont", CmdSetControlFont, 0, kPhaseRun, false},
    {"SetControlFocus", CmdSetControlFocus, 0, kPhaseRun, false},
    {"KillControlFocus", CmdKillControlFocus, 0, kPhaseRun, false},
    // Edit fields.
    {"SetEditText", CmdSetEditText, 0, kPhaseRun, false},
    {"SetEditCode", CmdSetEditCode, 0, kPhaseRun, false},
    {"SetEditCodeRet", CmdSetEditCodeRet, 0, kPhaseRun, false},
    {"SetEditData", CmdSetEditData, 0, kPhaseRun, false},
    {"SetEditData16", CmdSetEditData16, 0, kPhaseRun, false},
    {"SetEditCursol", CmdSetEditCursol, 0, kPhaseRun, false},
    {"SetEditNoChange", CmdSetEditNoChange, 0, kPhaseRun, false},
    {"GetEditChange", CmdGetEditChange, 0, kPhaseRun, true},
    {"GetEditLength", CmdGetEditLength, 0, kPhaseRun, true},
    {"GetEditCursolStart", CmdGetEditCursol, 0, kPhaseRun, true},
    {"GetEditCursolEnd", CmdGetEditCursol, 1, kPhaseRun, true},
    {"GetEditCode", CmdGetEditCode, 0, kPhaseRun, true},
    {"GetEditData", CmdGetEditData, 0, kPhaseRun, true},
    {"GetEditText", CmdGetEditText, 0, kPhaseRun, false},
    {"CompEditText", CmdCompEditText, 0, kPhaseRun, true},
    {"SearchEditText", CmdSearchEditText, 0, kPhaseRun, true},
    {"ClipEdit", CmdEditAction, kActClip, kPhaseRun, false},
    {"CutEdit", CmdEditAction, kActCut, kPhaseRun, false},
    {"PasteEdit", CmdEditAction, kActPaste, kPhaseRun, false},
    {"ClearEdit", CmdEditAction, kActClear, kPhaseRun, false},
    {"UndoEdit", CmdEditAction, kActUndo, kPhaseRun, false},
    {"AllSelectEdit", CmdEditAction, kActAllSelect, kPhaseRun, false},
    {"AllClipEdit", CmdEditAction, kActAllClip, kPhaseRun, false},
    {"AllClearEdit", CmdEditAction, kActAllClear, kPhaseRun, false},
    // List and combo boxes.
    {"SetListText", CmdSetListText, 0, kPhaseRun, false},
    {"GetListPos", CmdGetListPos, 0, kPhaseRun, true},
    {"SetListPos", CmdSetListPos, 0, kPhaseRun, false},
    {"GetListText", CmdGetListText, 0, kPhaseRun, false},
    {"ClearList", CmdClearList, 0, kPhaseRun, false},
    {"GetComboText", CmdGetComboText, 0, kPhaseRun, false},
    // Buttons.
    {"SetButtonText", CmdSetButtonText, 0, kPhaseRun, false},
    {"SetButtonCheck", CmdSetButtonCheck, 0, kPhaseRun, false},
    {"GetButtonCheck", CmdGetButtonCheck, 0, kPhaseRun, true},
    // Bitmap buttons.
    {"BmpBtBox", CmdBmpBtBox, 0, kPhaseRun, false},
    {"BmpBtCircle", CmdBmpBtCircle, 0, kPhaseRun, false},
    {"BmpBtLine", CmdBmpBtLine, 0, kPhaseRun, false},
    {"BmpBtPoint", CmdBmpBtPoint, 0, kPhaseRun, false},
    {"SetButtonGrpFile", CmdSetButtonGrpFile, 0, kPhaseRun, false},
    {"SetButtonGrp", CmdSetButtonGrp, 0, kPhaseRun, false},
    // Scroll-bar controls.
    {"SetScrollRange", CmdSetScrollRange, 0, kPhaseRun, false},
    {"SetScrollPos", CmdSetScrollPos, 0, kPhaseRun, false},
    {"GetScrollPos", CmdGetScrollPos, 0, kPhaseRun, true},
};

}  // namespace

const CommandList controls_commands = {"controls", kRows, RowCount(kRows)};

}  // namespace zep
