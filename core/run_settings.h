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

// Reserved values that live across runs or belong to no window setting.
extern uint32_t key_code;     // KEY: not reset between runs
extern uint32_t char_code;    // ASC: not reset between runs
extern int32_t answer;        // ANSWER
extern double function_result;

// The value of the commands that give it both as a function value and in ANSWER.
inline void SetResultAndAnswer(int32_t value) {
  function_result = value;
  answer = value;
}

// Run flags.
extern uint8_t running;       // a run is active
extern uint8_t dialog_open;   // the script's dialog box is open
extern int32_t window_ready;  // the run window finished its opening steps

}  // namespace zep
