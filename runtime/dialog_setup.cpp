// The commands of a dialog's set-up section ("ID_str" + "CREATE"): they
// record the dialog's settings, or declare its controls.
#include "controls/layout.h"
#include "core/args.h"
#include "core/errors.h"
#include "runtime/dialog.h"
#include "runtime/window_system.h"

namespace zep {

namespace {

// SetTimer(t): the dialog's timer; t <= 0 gives code 21.
void DlgSetTimer(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  if (a[0] <= 0) return SetError(kErrTimer);
  script_dialog.settings.timer_ms = a[0];
}

// SetWinColor(c): the background, -1..16 as for the run window.
void DlgSetWinColor(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  if (a[0] < -1 || a[0] > 16) return SetError(kErrColour);
  script_dialog.settings.background = a[0];
}

// SetWinSize(w,h): the outer size for a client area of w by h.
void DlgSetWinSize(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  script_dialog.settings.width = a[0] + 2 * window_system->SystemMetric(Metric::kCxBorder);
  script_dialog.settings.height = a[1] + window_system->SystemMetric(Metric::kCyCaption) +
                           window_system->SystemMetric(Metric::kCyBorder);
}

// SetWinPos(x,y,z): the place; z = 1 keeps the dialog above other windows.
void DlgSetWinPos(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetIntArgs(window, args, 0, 2, a)) return;
  script_dialog.settings.left = a[0];
  script_dialog.settings.top = a[1];
  script_dialog.settings.topmost = a[2] == 1 ? 1 : 0;
}

// SetCaption("text"): the title, at most 255 bytes.
void DlgSetCaption(WindowRef, const ArgList& args, int) {
  char text[kMaxStatement];
  if (!GetStrArg(args, 0, text)) return;
  CopyText(script_dialog.settings.caption, sizeof script_dialog.settings.caption, text);
}

const CommandRow kRows[] = {
    {"SetTimer", DlgSetTimer, 0, kPhaseCreate, false, "i"},
    {"SetWinColor", DlgSetWinColor, 0, kPhaseCreate, false, "i"},
    {"SetWinSize", DlgSetWinSize, 0, kPhaseCreate, false, "ii"},
    {"SetWinPos", DlgSetWinPos, 0, kPhaseCreate, false, "iii"},
    {"SetCaption", DlgSetCaption, 0, kPhaseCreate, false, "t"},
    {"CreateControl", CmdCreateControl, 0, kPhaseCreate, false, "*itciiii"},
};

}  // namespace

const CommandList dialog_create_commands = {"dialog set-up", kRows, RowCount(kRows)};

}  // namespace zep
