// The commands of a dialog's set-up section ("ID_str" + "CREATE"): they
// record the dialog's settings, or declare its controls.
#include "controls/registry.h"
#include "core/args.h"
#include "core/errors.h"
#include "runtime/dialog.h"
#include "runtime/window_system.h"

namespace zep {

namespace {

// SetTimer(t): the dialog's timer; t <= 0 gives code 21.
void DlgSetTimer(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetAllIntArgs(window, args, 1, a)) return;
  if (a[0] <= 0) return SetError(kErrTimer);
  dialog_settings.dialog_timer_ms = a[0];
}

// SetWinColor(c): the background, -1..16 as for the run window.
void DlgSetWinColor(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetAllIntArgs(window, args, 1, a)) return;
  if (a[0] < -1 || a[0] > 16) return SetError(kErrColour);
  dialog_settings.background = a[0];
}

// SetWinSize(w,h): the outer size for a client area of w by h.
void DlgSetWinSize(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetAllIntArgs(window, args, 2, a)) return;
  dialog_settings.width = a[0] + 2 * window_system->SystemMetric(Metric::kCxBorder);
  dialog_settings.height = a[1] + window_system->SystemMetric(Metric::kCyCaption) +
                           window_system->SystemMetric(Metric::kCyBorder);
}

// SetWinPos(x,y,z): the place; z = 1 keeps the dialog above other windows.
void DlgSetWinPos(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetAllIntArgs(window, args, 3, a)) return;
  dialog_settings.left = a[0];
  dialog_settings.top = a[1];
  dialog_settings.dialog_topmost = a[2] == 1 ? 1 : 0;
}

// SetCaption("text"): the title, at most 255 bytes.
void DlgSetCaption(WindowRef, const ArgList& args, int) {
  char text[kMaxStatement];
  if (!CheckArgCount(args, 1) || !GetStrArg(args, 0, text)) return;
  CopyText(dialog_settings.caption, sizeof dialog_settings.caption, text);
}

const CommandRow kRows[] = {
    {"SetTimer", DlgSetTimer, 0, kPhaseCreate, false},
    {"SetWinColor", DlgSetWinColor, 0, kPhaseCreate, false},
    {"SetWinSize", DlgSetWinSize, 0, kPhaseCreate, false},
    {"SetWinPos", DlgSetWinPos, 0, kPhaseCreate, false},
    {"SetCaption", DlgSetCaption, 0, kPhaseCreate, false},
    {"CreateControl", CmdCreateControl, 0, kPhaseCreate, false},
};

}  // namespace

const CommandList dialog_create_commands = {"dialog set-up", kRows, RowCount(kRows)};

}  // namespace zep
