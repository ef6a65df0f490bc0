// Drawing state of a run: the current screen, the back screen and the font;
// and the graphics parts of a run's life.
#pragma once

#include <cstdint>

#include "core/run_parts.h"

namespace zep {

struct GraphicsState {
  uint8_t current_screen = 1;      // 1 = front screen, 0 = back screen
  uint8_t back_screen_exists = 0;  // SubScreen was declared
  int32_t back_width = 0, back_height = 0;
  char font_face[32] = "ＭＳ 明朝";
  uint8_t font_style = 0;          // 0 normal, 1 italic, 2 bold, 3 bold italic
};

extern GraphicsState graphics_state;

// Start values for a new run: front screen, no back screen, default font.
void ResetGraphicsState();

// The default palette at the window's opening.
extern const RunPart palette_part;
// The graphics state, reset at the load pass.
extern const RunPart screen_part;
// The back screen that SubScreen declared, made at the window's opening and
// destroyed at its end.
extern const RunPart back_screen_part;

}  // namespace zep
