#include "runtime/commands.h"

#include "runtime/dialog.h"
#include "runtime/message_box.h"
#include "runtime/settings.h"

namespace zep {

namespace {

const CommandRow kRows[] = {
    // Window settings of the CREATE section, and their run-phase forms.
    {"SetWinStyle", CmdSetWinStyle, 0, kPhaseCreate, false},
    {"SetWinStyleOption", CmdSetWinStyleOption, 0, kPhaseCreate, false},
    {"SetWinColor", CmdSetWinColor, 0, kPhaseCreate, false},
    {"SetScrollBar", CmdSetScrollBar, 0, kPhaseCreate, false},
    {"SetTimer", CmdSetTimer, 0, kPhaseCreate, false},
    {"SetWinSize", CmdSetWinSizeCreate, 0, kPhaseCreate, false},
    {"SetWinPos", CmdSetWinPosCreate, 0, kPhaseCreate, false},
    {"SetCaption", CmdSetCaptionCreate, 0, kPhaseCreate, false},
    {"SetWinSize", CmdSetWinSizeRun, 0, kPhaseRun, false},
    {"SetWinPos", CmdSetWinPosRun, 0, kPhaseRun, false},
    {"SetCaption", CmdSetCaptionRun, 0, kPhaseRun, false},
    // The script's dialog box and message box.
    {"DlgBox", CmdDlgBox, 0, kPhaseRun, false},
    {"MessBox", CmdMessBox, 0, kPhaseRun, true},
};

}  // namespace

const CommandList runtime_commands = {"runtime", kRows, RowCount(kRows)};

}  // namespace zep
