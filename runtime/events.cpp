#include "runtime/events.h"

#include "core/control_table.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
#include "runtime/menus.h"
#include "runtime/script_window.h"
#include "runtime/start.h"

namespace zep {

namespace {

// Attaching the menu bar during the opening steps makes the platform report
// a new size (and place) before INIT has run. Those reports are kept here and
// taken after INIT without running SIZE or MOVE: INIT still comes first and
// sees the creation values, and the platform's reports after the opening run
// the sections, with a menu bar as without.
struct OpeningReport {
  bool seen = false;
  int32_t a = 0, b = 0;
};
struct Opening {
  bool under_way = false;
  OpeningReport size, move;
};
Opening opening;

void TakeOpeningPlace() {
  if (opening.size.seen) window_settings.win_x = opening.size.a, window_settings.win_y = opening.size.b;
  if (opening.move.seen) window_settings.win_l = opening.move.a, window_settings.win_t = opening.move.b;
  opening = Opening{};
}

}  // namespace

WindowRef run_window = nullptr;
void (*run_ended)() = nullptr;

void OnRunCreate(WindowRef window) {
  run_window = window;
  run_state.window_ready = 0;
  opening.under_way = true;
  OpenRunParts(window);
  opening.under_way = false;
  run_state.window_ready = 1;
  RunSection(window, "INIT");
  TakeOpeningPlace();
}

void OnRunDestroy(WindowRef window) {
  FreeRunParts(window);
  run_window = nullptr;
  if (direct_run) window_system->PostQuit(0);
  if (run_ended != nullptr) run_ended();
}

void OnRunMove(WindowRef window, int32_t left, int32_t top) {
  if (opening.under_way) {
    opening.move = {true, left, top};
    return;
  }
  opening.move.seen = false;
  window_settings.win_l = left;
  window_settings.win_t = top;
  RunSection(window, "MOVE");
}

void OnRunSize(WindowRef window, int32_t width, int32_t height) {
  if (opening.under_way) {
    opening.size = {true, width, height};
    return;
  }
  opening.size.seen = false;
  window_settings.win_x = width;
  window_settings.win_y = height;
  RunSection(window, "SIZE");
}

void OnRunMouseMove(WindowRef window, int32_t x, int32_t y) {
  if (error_code != 0) return;
  window_settings.mouse_x = x;
  window_settings.mouse_y = y;
  RunSection(window, "MOUSEMOVE");
}

void OnRunKey(WindowRef window, bool down, uint32_t key) { ScriptKey(window, down, key, RunSection); }
void OnRunChar(WindowRef window, uint32_t code) { ScriptChar(window, code, RunSection); }
void OnRunTimer(WindowRef window) { ScriptTimer(window, RunSection); }
void OnRunSetFocus(WindowRef window) { ScriptSetFocus(window, RunSection); }

void OnRunCommand(WindowRef window, int id, int code) {
  if (error_code != 0 || run_state.window_ready == 0) return;
  if (id >= kControlIdBase) {
    OnControlCommand(window, id, code);
  } else {
    OnMenuCommand(window, id);
  }
}

void OnRunControlScroll(WindowRef window, WindowRef control, ScrollStep request, int pos) {
  if (error_code != 0 || run_state.window_ready == 0) return;
  OnControlScroll(window, control, request, pos);
}

void OnRunEvent(WindowRef window, const char* section) { RunSection(window, section); }

void OnRunScroll(WindowRef window, ScrollBar bar, ScrollStep request, int pos) {
  bool horizontal = bar == ScrollBar::kHorizontal;
  int32_t& position = horizontal ? window_settings.scroll_h : window_settings.scroll_v;
  int32_t range = horizontal ? window_settings.h_range : window_settings.v_range;
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
  if (run_state.running == 0) return true;
  RunSection(window, "CLOSE");
  return run_state.running == 0;
}

namespace {

void OnRunScrollBar(WindowRef window, WindowRef control, ScrollBar bar, ScrollStep step, int pos) {
  if (control == nullptr) return OnRunScroll(window, bar, step, pos);
  OnRunControlScroll(window, control, step, pos);
}

}  // namespace

const ScriptWindowEvents run_window_events = {
    OnRunCreate, OnRunDestroy, OnRunClose,    OnRunEvent,    OnRunMove,
    OnRunSize,   OnRunMouseMove, OnRunKey,    OnRunChar,     OnRunTimer,
    OnRunSetFocus, OnRunCommand, OnRunScrollBar,
};

}  // namespace zep
