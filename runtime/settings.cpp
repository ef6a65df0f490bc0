#include "runtime/settings.h"

#include "core/args.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "runtime/menus.h"
#include "runtime/window_system.h"

namespace zep {

namespace {

int32_t SysMetric(Metric m) { return window_system->SystemMetric(m); }

}  // namespace

void ResetRunSettings() {
  RunSettings s;
  s.scr_x = SysMetric(Metric::kCxScreen);
  s.scr_y = SysMetric(Metric::kCyScreen);
  s.win_x = s.scr_x - 80;
  s.win_y = s.scr_y - 80;
  window_settings = s;
}

void CorrectWindowSize() {
  if (menu_tables.menu_count != 0) {
    window_settings.win_y += SysMetric(Metric::kCyMenu) + SysMetric(Metric::kCyBorder);
  }
  int t = window_settings.style_type;
  if (t == 1 || t == 3 || t == 4) {
    window_settings.win_y -= SysMetric(Metric::kCyCaption) + SysMetric(Metric::kCyBorder);
  }
  if (window_settings.h_range != 0) window_settings.win_y += SysMetric(Metric::kCyVThumb);
  if (window_settings.v_range != 0) window_settings.win_x += SysMetric(Metric::kCxHThumb);
}

uint32_t WindowStyleFor(int style_type) {
  static const uint32_t kStyles[5] = {0x80CF0000u, 0x80840000u, 0x80CA0000u, 0x80800000u,
                                      0x80000000u};
  return (style_type >= 0 && style_type <= 4) ? kStyles[style_type] : kStyles[0];
}

namespace {

// Outer size for a client size of wide x height, with the menu-bar and
// caption corrections of the current run.
void OuterSize(int32_t wide, int32_t height, int32_t* w, int32_t* h) {
  *w = wide + 2 * SysMetric(Metric::kCxBorder);
  *h = height + SysMetric(Metric::kCyCaption) + SysMetric(Metric::kCyBorder);
}

// SetWinStyle(type): one of five window styles; other types count as 0.
void CmdSetWinStyle(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  window_settings.style_type = (a[0] >= 0 && a[0] <= 4) ? a[0] : 0;
  window_settings.window_style = WindowStyleFor(window_settings.style_type);
}

// SetWinStyleOption(type,w,h): rounded (1) or elliptic (2) window shape.
void CmdSetWinStyleOption(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetIntArgs(window, args, 0, 2, a)) return;
  window_settings.region_type = (a[0] == 1 || a[0] == 2) ? a[0] : 0;
  window_settings.corner_w = a[1];
  window_settings.corner_h = a[2];
}

// SetWinColor(c): the background, -1 for none, 0..16 as a stock brush.
void CmdSetWinColor(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  if (a[0] < -1 || a[0] > 16) return SetError(kErrColour);
  window_settings.background = a[0];
}

// SetScrollBar(h,v): gives the window its own scroll bars.
void CmdSetScrollBar(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  if (a[0] > 0) {
    window_settings.h_range = a[0];
    window_settings.window_style |= kStyleHScroll;
  }
  if (a[1] > 0) {
    window_settings.v_range = a[1];
    window_settings.window_style |= kStyleVScroll;
  }
}

// SetTimer(t): timer 1 of the window fires every t milliseconds.
void CmdSetTimer(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  if (a[0] <= 0) return SetError(kErrTimer);
  window_settings.timer_ms = a[0];
}

void CmdSetWinSizeCreate(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  OuterSize(a[0], a[1], &window_settings.win_x, &window_settings.win_y);
}

void CmdSetWinPosCreate(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetIntArgs(window, args, 0, 2, a)) return;
  window_settings.win_l = a[0];
  window_settings.win_t = a[1];
  window_settings.topmost = a[2] == 1 ? 1 : 0;
}

void CmdSetCaptionCreate(WindowRef, const ArgList& args, int) {
  char text[kMaxStatement];
  if (!GetStrArg(args, 0, text)) return;
  CopyText(window_settings.caption, sizeof window_settings.caption, text);
}

// The run-phase SetWinSize resizes the window whose section runs (the run
// window or the dialog); no scroll-bar allowance. The menu and style
// corrections are the run window's, from a dialog's section too.
void CmdSetWinSizeRun(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  int32_t w, h;
  OuterSize(a[0], a[1], &w, &h);
  if (menu_tables.menu_count != 0) {
    h += SysMetric(Metric::kCyMenu) + SysMetric(Metric::kCyBorder);
  }
  int t = window_settings.style_type;
  if (t == 1 || t == 3 || t == 4) {
    h -= SysMetric(Metric::kCyCaption) + SysMetric(Metric::kCyBorder);
  }
  window_system->ResizeWindow(window, w, h);
}

void CmdSetWinPosRun(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetIntArgs(window, args, 0, 2, a)) return;
  window_system->MoveWindowTo(window, a[0], a[1], a[2] == 1);
}

void CmdSetCaptionRun(WindowRef window, const ArgList& args, int) {
  char text[kMaxStatement];
  if (!GetStrArg(args, 0, text)) return;
  ResolveStrArg(text, sizeof text);
  window_system->SetTitle(window, text);
}

const CommandRow kRows[] = {
    // Window settings of the CREATE section, and their run-phase forms.
    {"SetWinStyle", CmdSetWinStyle, 0, kPhaseCreate, false, "i"},
    {"SetWinStyleOption", CmdSetWinStyleOption, 0, kPhaseCreate, false, "iii"},
    {"SetWinColor", CmdSetWinColor, 0, kPhaseCreate, false, "i"},
    {"SetScrollBar", CmdSetScrollBar, 0, kPhaseCreate, false, "ii"},
    {"SetTimer", CmdSetTimer, 0, kPhaseCreate, false, "i"},
    {"SetWinSize", CmdSetWinSizeCreate, 0, kPhaseCreate, false, "ii"},
    {"SetWinPos", CmdSetWinPosCreate, 0, kPhaseCreate, false, "iii"},
    {"SetCaption", CmdSetCaptionCreate, 0, kPhaseCreate, false, "t"},
    {"SetWinSize", CmdSetWinSizeRun, 0, kPhaseRun, false, "ii"},
    {"SetWinPos", CmdSetWinPosRun, 0, kPhaseRun, false, "iii"},
    {"SetCaption", CmdSetCaptionRun, 0, kPhaseRun, false, "r"},
};

}  // namespace

const CommandList window_settings_commands = {"runtime", kRows, RowCount(kRows)};

}  // namespace zep
