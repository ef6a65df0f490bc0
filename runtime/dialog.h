// The script's dialog box: DlgBox opens one window of class DLG described
// by the sections whose names begin with the dialog's ID string ("ID_str" +
// "CREATE", "INIT", "PAINT", ...). It is modeless, one at a time; its
// controls are appended to the control table and cut back when it closes.
#pragma once

#include <cstdint>

#include "controls/routing.h"
#include "core/command_table.h"
#include "core/common.h"
#include "core/run_parts.h"
#include "runtime/script_window.h"

namespace zep {

struct DialogSettings {
  uint32_t style = 0x80C80000u;  // popup, caption, system menu
  int32_t width = 300, height = 400;
  int32_t left = 0, top = 0;
  int32_t background = 7;        // a SetWinColor number; 7 is white
  char caption[256] = "ダイアログ";
  int32_t timer_ms = 0;
  uint8_t topmost = 0;
  int32_t first_control = 0;
};

// The open dialog: its window, the ID string its sections begin with,
// whether its opening steps are done, and what its set-up section chose.
struct ScriptDialog {
  WindowRef window = nullptr;  // the open dialog, or nullptr
  char name[kMaxStatement] = "";
  uint8_t ready = 0;           // 0 until the dialog's opening steps are done
  DialogSettings settings;
};

extern ScriptDialog script_dialog;

// The row of DlgBox("ID_str").
extern const CommandList dialog_commands;

// The commands of the dialog's set-up section.
extern const CommandList dialog_create_commands;

// The dialog window's events; each runs the section named by the dialog's
// ID string and the event.
void OnDialogCreate(WindowRef dialog);
void OnDialogDestroy(WindowRef dialog);
void OnDialogEvent(WindowRef dialog, const char* event);
void OnDialogSetFocus(WindowRef dialog);
void OnDialogKey(WindowRef dialog, bool down, uint32_t key);
void OnDialogChar(WindowRef dialog, uint32_t code);
void OnDialogTimer(WindowRef dialog);
void OnDialogMouseMove(WindowRef dialog);
void OnDialogCommand(WindowRef dialog, int id, int code);
void OnDialogControlScroll(WindowRef dialog, WindowRef control, ScrollStep step, int pos);
// The close box or a close request: true when the dialog must go.
bool OnDialogClose(WindowRef dialog);
// The same, one per message of the window procedure.
extern const ScriptWindowEvents dialog_window_events;

// The dialog's part of a run's life: no dialog at the load pass; after an
// error anywhere, its timer stops and both windows are asked to close.
extern const RunPart dialog_part;

}  // namespace zep
