#include "runtime/events.h"

#include "controls/registry.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "graphics/canvas.h"
#include "graphics/palette.h"
#include "graphics/screen_state.h"
#include "runtime/start.h"

namespace zep {

void OnRunCreate(WindowRef window) {
  window_ready = 0;
  ResetPalette();
  if (settings.timer_ms != 0) host->StartTimer(window, settings.timer_ms);
  answer = 0;
  open_file = -1;
  if (settings.topmost) host->SetTopmost(window, true);
  if (settings.h_range != 0) host->SetScrollRange(window, ScrollBar::kHorizontal, settings.h_range);
  if (settings.v_range != 0) host->SetScrollRange(window, ScrollBar::kVertical, settings.v_range);
  if (graphics.back_screen_exists) {
    canvas->CreateBackScreen(window, graphics.back_width, graphics.back_height);
  }
  if (settings.region_type == 1 || settings.region_type == 2) {
    host->ApplyShape(window, settings.region_type, settings.win_x, settings.win_y,
                     settings.corner_w, settings.corner_h);
  }
  window_ready = 1;
  RunSection(window, "INIT");
}

void OnRunDestroy(WindowRef window) {
  if (open_file != -1) {
    host->CloseFile(open_file);
    open_file = -1;
  }
  if (settings.timer_ms != 0) {
    host->StopTimer(window);
    settings.timer_ms = 0;
  }
  if (graphics.back_screen_exists) canvas->DestroyBackScreen();
  FreeRunTables();
  FreeProgramText();
  if (direct_run) host->PostQuit(0);
}

void OnRunMove(WindowRef window, uint32_t lparam) {
  settings.win_l = static_cast<int32_t>(lparam & 0xFFFF);
  settings.win_t = static_cast<int32_t>(lparam >> 16);
  RunSection(window, "MOVE");
}

void OnRunSize(WindowRef window, uint32_t lparam) {
  settings.win_x = static_cast<int32_t>(lparam & 0xFFFF);
  settings.win_y = static_cast<int32_t>(lparam >> 16);
  RunSection(window, "SIZE");
}

void OnRunMouseMove(WindowRef window, uint32_t lparam) {
  if (error_code != 0) return;
  settings.mouse_x = static_cast<int32_t>(lparam & 0xFFFF);
  settings.mouse_y = static_cast<int32_t>(lparam >> 16);
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
  host->SetFocusTo(window);
}

void OnRunCommand(WindowRef window, int id) {
  if (error_code != 0 || window_ready == 0) return;
  int index = id - kControlIdBase;
  if (index >= 0 && index < control_table.control_count) {
    RunSection(window, control_table.records[index].id);
  }
}

void OnRunEvent(WindowRef window, const char* section) { RunSection(window, section); }

void OnRunScroll(WindowRef window, ScrollBar bar, int code, int pos) {
  bool horizontal = bar == ScrollBar::kHorizontal;
  int32_t& position = horizontal ? settings.scroll_h : settings.scroll_v;
  int32_t range = horizontal ? settings.h_range : settings.v_range;
  if (code == 0) {
    position -= 1;
  } else if (code == 1) {
    position += 1;
  } else if (code == 4) {
    position = pos;
  } else {
    return;
  }
  if (position < 0) position = 0;
  if (position > range) position = range;
  host->SetScrollPosition(window, bar, position);
  RunSection(window, horizontal ? "HSCROLLBAR" : "VSCROLLBAR");
}

bool OnRunClose(WindowRef window) {
  if (running == 0) return true;
  RunSection(window, "CLOSE");
  return running == 0;
}

}  // namespace zep
