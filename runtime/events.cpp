#include "runtime/events.h"

#include "core/control_table.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
#include "runtime/start.h"

namespace zep {

void OnRunCreate(WindowRef window) {
  window_ready = 0;
  OpenRunParts(window);
  window_ready = 1;
  RunSection(window, "INIT");
}

void OnRunDestroy(WindowRef window) {
  FreeRunParts(window);
  if (direct_run) window_system->PostQuit(0);
}

void OnRunMove(WindowRef window, int32_t left, int32_t top) {
  settings.win_l = left;
  settings.win_t = top;
  RunSection(window, "MOVE");
}

void OnRunSize(WindowRef window, int32_t width, int32_t height) {
  settings.win_x = width;
  settings.win_y = height;
  RunSection(window, "SIZE");
}

void OnRunMouseMove(WindowRef window, int32_t x, int32_t y) {
  if (error_code != 0) return;
  settings.mouse_x = x;
  settings.mouse_y = y;
  RunSection(window, "MOUSEMOVE");
}

void OnRunKey(WindowRef window, bool down, uint32_t key) {
  key_code = key;
  RunSection(window, down ? "KEYDOWN" : "KEYUP");
}

void OnRunChar(WindowRef window, uint32_t code) {
  char_code = code;
  RunSection(window, "CHARDOWN");
}

void OnRunTimer(WindowRef window) {
  if (error_code != 0) return;
  RunSection(window, "TIMER");
}

void OnRunSetFocus(WindowRef window) {
  RunSection(window, "SETFOCUS");
  window_system->SetFocusTo(window);
}

void OnRunCommand(WindowRef window, int id, int code) {
  if (error_code != 0 || window_ready == 0) return;
  if (id >= kControlIdBase) OnControlCommand(window, id, code);
}

void OnRunControlScroll(WindowRef window, WindowRef control, ScrollStep request, int pos) {
  if (error_code != 0 || window_ready == 0) return;
  OnControlScroll(window, control, request, pos);
}

void OnRunEvent(WindowRef window, const char* section) { RunSection(window, section); }

void OnRunScroll(WindowRef window, ScrollBar bar, ScrollStep request, int pos) {
  bool horizontal = bar == ScrollBar::kHorizontal;
  int32_t& position = horizontal ? settings.scroll_h : settings.scroll_v;
  int32_t range = horizontal ? settings.h_range : settings.v_range;
  switch (request) {
    case ScrollStep::kLineBack: position -= 1; break;
    case ScrollStep::kLineForward: position += 1; break;
    case ScrollStep::kThumb: position = pos; break;
    case ScrollStep::kOther: return;
  }
  if (position < 0) position = 0;
  if (position > range) position = range;
  window_system->SetScrollPosition(window, bar, position);
  RunSection(window, horizontal ? "HSCROLLBAR" : "VSCROLLBAR");
}

bool OnRunClose(WindowRef window) {
  if (running == 0) return true;
  RunSection(window, "CLOSE");
  return running == 0;
}

}  // namespace zep
