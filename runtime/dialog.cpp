#include "runtime/dialog.h"

#include <cstring>

#include "controls/registry.h"
#include "core/args.h"
#include "core/control_table.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/host.h"
#include "core/loader.h"
#include "core/run_settings.h"
#include "core/section_runs.h"
#include "runtime/dialog_system.h"
#include "runtime/events.h"
#include "runtime/script_window.h"
#include "runtime/window_system.h"

namespace zep {

DialogSystem* dialog_system = nullptr;
ScriptDialog script_dialog;

namespace {

// The section of the dialog's ID string + event (a name too long for any section gives "").
void SectionName(const char* event, char* out) {
  size_t n = std::strlen(script_dialog.name), m = std::strlen(event);
  if (n + m >= kMaxStatement) n = m = 0;
  std::memcpy(out, script_dialog.name, n);
  std::memcpy(out + n, event, m);
  out[n + m] = '\0';
}

// Runs the section of a dialog event. A missing section is no error; a
// missing CLOSE section lets the dialog close.
void DlgRunSection(WindowRef dialog, const char* event) {
  char name[kMaxStatement];
  SectionName(event, name);
  if (std::strcmp(event, "CLOSE") == 0 && error_code == 0) {
    FindSection(name);
    if (error_code != 0) {
      ClearError();
      run_state.dialog_open = 0;
      return;
    }
  }
  RunSection(dialog, name);
}

// Back to the state before DlgBox: no dialog, none of its control records.
void ForgetDialog() {
  run_state.dialog_open = 0;
  control_table.control_count = script_dialog.settings.first_control;
}

// The defaults of a new dialog: 50 pixels right of and below the run
// window's client origin.
void ResetDialogSettings() {
  script_dialog.settings = DialogSettings{};
  script_dialog.settings.left = window_settings.win_l + 50;
  script_dialog.settings.top = window_settings.win_t + 50;
  script_dialog.settings.first_control = control_table.control_count;
}

// Runs the dialog's set-up section, when there is one.
void RunDialogCreate() {
  char name[kMaxStatement];
  SectionName("CREATE", name);
  int open = FindSection(name);
  if (error_code != 0) return ClearError();
  RunCreatePass(open, &dialog_create_commands);
}

// DlgBox("ID_str"): opens the dialog; nothing while one is open.
void CmdDlgBox(WindowRef window, const ArgList& args, int) {
  char name[kMaxStatement];
  if (run_state.dialog_open) return;
  if (!GetStrArg(args, 0, name)) return;
  // A dialog that `end` in a run-window section let go may still be on the
  // screen. It goes before the new one is set up, so that its end can't
  // stop the new one's timer, delete its fonts or cut its controls off the
  // table. When this section is one of its own, the section ends with it.
  if (script_dialog.window != nullptr) {
    dialog_system->DestroyDialog(script_dialog.window);
    if (SectionStopped()) return;
  }
  ResolveStrArg(name, sizeof name);
  CopyText(script_dialog.name, sizeof script_dialog.name, name);
  ResetDialogSettings();
  run_state.dialog_open = 1;
  RunDialogCreate();
  if (error_code != 0) return ForgetDialog();
  script_dialog.window = dialog_system->OpenDialog(window, script_dialog.settings);
  if (script_dialog.window != nullptr) return;
  ForgetDialog();
  host_system->ShowMessage(window, "ダイアログボックスが開けません！", "ZEP Error",
                    kBoxOk | kBoxIconExclamation);
}

}  // namespace

void OnDialogCreate(WindowRef dialog) {
  script_dialog.ready = 0;
  script_dialog.window = dialog;
  if (script_dialog.settings.timer_ms != 0) {
    dialog_system->StartDialogTimer(dialog, script_dialog.settings.timer_ms);
  }
  if (script_dialog.settings.topmost) window_system->SetTopmost(dialog, true);
  CreateControls(dialog, script_dialog.settings.first_control, ControlOwner::kDialog);
  script_dialog.ready = 1;
  DlgRunSection(dialog, "INIT");
}

void OnDialogDestroy(WindowRef dialog) {
  // A section of the dialog that waits for a command of its own (a message
  // box, a file dialog) stops when the command returns.
  StopSectionRuns(dialog);
  if (dialog != script_dialog.window) return;
  run_state.dialog_open = 0;
  script_dialog.window = nullptr;
  if (script_dialog.settings.timer_ms != 0) {
    dialog_system->StopDialogTimer(dialog);
    script_dialog.settings.timer_ms = 0;
  }
  DeleteControlFonts(script_dialog.settings.first_control);
  if (control_table.control_count > script_dialog.settings.first_control) {
    control_table.control_count = script_dialog.settings.first_control;
  }
  // After an error the run is over: the run window follows the dialog,
  // without its CLOSE section (running is clear by then).
  if (error_code != 0 && run_window != nullptr) host_system->PostCloseRequest(run_window);
}

void OnDialogEvent(WindowRef dialog, const char* event) { DlgRunSection(dialog, event); }

void OnDialogSetFocus(WindowRef dialog) { ScriptSetFocus(dialog, DlgRunSection); }
void OnDialogKey(WindowRef dialog, bool down, uint32_t key) {
  ScriptKey(dialog, down, key, DlgRunSection);
}
void OnDialogChar(WindowRef dialog, uint32_t code) { ScriptChar(dialog, code, DlgRunSection); }
void OnDialogTimer(WindowRef dialog) { ScriptTimer(dialog, DlgRunSection); }

void OnDialogMouseMove(WindowRef dialog) {
  if (error_code == 0) DlgRunSection(dialog, "MOUSEMOVE");
}

void OnDialogCommand(WindowRef dialog, int id, int code) {
  if (error_code != 0 || script_dialog.ready == 0 || id < kControlIdBase) return;
  OnControlCommand(dialog, id, code);
}

void OnDialogControlScroll(WindowRef dialog, WindowRef control, ScrollStep step, int pos) {
  if (error_code != 0 || script_dialog.ready == 0) return;
  OnControlScroll(dialog, control, step, pos, script_dialog.settings.first_control);
}

bool OnDialogClose(WindowRef dialog) {
  if (run_state.dialog_open == 0) return true;
  DlgRunSection(dialog, "CLOSE");
  return run_state.dialog_open == 0;
}

namespace {

// The dialog's MOVE, SIZE and MOUSEMOVE set no reserved variable, and it
// has no scroll bars of its own.
void OnDialogMove(WindowRef dialog, int32_t, int32_t) { DlgRunSection(dialog, "MOVE"); }
void OnDialogSize(WindowRef dialog, int32_t, int32_t) { DlgRunSection(dialog, "SIZE"); }
void OnDialogMouseAt(WindowRef dialog, int32_t, int32_t) { OnDialogMouseMove(dialog); }
void OnDialogScrollBar(WindowRef dialog, WindowRef control, ScrollBar, ScrollStep step, int pos) {
  if (control != nullptr) OnDialogControlScroll(dialog, control, step, pos);
}

}  // namespace

const ScriptWindowEvents dialog_window_events = {
    OnDialogCreate, OnDialogDestroy, OnDialogClose,   OnDialogEvent, OnDialogMove,
    OnDialogSize,   OnDialogMouseAt, OnDialogKey,     OnDialogChar,  OnDialogTimer,
    OnDialogSetFocus, OnDialogCommand, OnDialogScrollBar,
};

namespace {

void ResetDialog() { script_dialog = ScriptDialog{}; }

// An error in any section while the dialog is open ends the whole run: the
// dialog's timer stops and the dialog closes without its CLOSE section. An
// error in a dialog section closes the dialog first, and its end then
// closes the run window (see OnDialogDestroy).
void StopDialog(WindowRef failing) {
  if (script_dialog.window == nullptr) return;
  if (script_dialog.settings.timer_ms != 0) {
    dialog_system->StopDialogTimer(script_dialog.window);
    script_dialog.settings.timer_ms = 0;
  }
  run_state.dialog_open = 0;
  if (failing != script_dialog.window) host_system->PostCloseRequest(script_dialog.window);
}

const CommandRow kRows[] = {
    {"DlgBox", CmdDlgBox, 0, kPhaseRun, false, "r"},
};

}  // namespace

const RunPart dialog_part = {"dialog", ResetDialog, nullptr, StopDialog, nullptr};
const CommandList dialog_commands = {"runtime", kRows, RowCount(kRows)};

}  // namespace zep
