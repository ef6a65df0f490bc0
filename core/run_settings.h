// The settings of the run-time window and the values that scripts read as
// reserved variables (WIN_X, MOUSE_X, KEY, ...). The CREATE section changes
// the settings before the window exists; window events keep the values current.
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

constexpr int kCaptionBytes = 264;

struct RunSettings {
  uint32_t window_style = 0x80CF0000u;
  int32_t style_type = 0;
  int32_t win_x = 0, win_y = 0;   // WIN_X, WIN_Y: outer size, then client size
  int32_t win_l = 40, win_t = 40; // WIN_L, WIN_T
  int32_t scr_x = 0, scr_y = 0;   // SCR_X, SCR_Y
  int32_t mouse_x = 0, mouse_y = 0;
  int32_t region_type = 0, corner_w = 0, corner_h = 0;
  int32_t background = 7;         // SetWinColor number; -1 = no fill
  char caption[kCaptionBytes] = "実行中";
  int32_t timer_ms = 0;
  uint8_t topmost = 0;
  int32_t h_range = 0, v_range = 0;
  int32_t scroll_h = 0, scroll_v = 0;
};

extern RunSettings window_settings;

// Reserved values that live across runs: KEY and ASC.
extern uint32_t key_code;
extern uint32_t char_code;

// The state of the run in progress apart from its window's settings: where
// it is, and the values a script reads that no window setting holds. The
// core's run part resets it at the load pass.
struct RunState {
  uint8_t running = 0;        // a run is active
  uint8_t dialog_open = 0;    // the script's dialog box is open
  int32_t window_ready = 0;   // the run window finished its opening steps
  int32_t answer = 0;         // ANSWER
  double function_result = 0; // the value a function or command call gives
};
extern RunState run_state;

// The value of the commands that give it both as a function value and in ANSWER.
inline void SetResultAndAnswer(int32_t value) {
  run_state.function_result = value;
  run_state.answer = value;
}

}  // namespace zep
