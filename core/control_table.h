// The table of controls that a script's CREATE sections record. Controls are
// addressed by their ID strings; their command IDs are table index + 600.
// The argument helpers, the controls and the run window all reach it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/common.h"

namespace zep {

constexpr int kMaxControls = 256;
constexpr int kControlIdBase = 600;
constexpr int kEditControl = 101;  // one-line edit field
constexpr int kControlTextBytes = 256;

// A font object of the platform; nullptr = none.
using FontRef = void*;

struct ControlRecord {
  WindowRef window = nullptr;  // the child window, once its owner has opened
  int32_t type = 0;
  int32_t x = 0, y = 0, w = 0, h = 0;  // as declared
  int32_t scroll_pos = 0, scroll_max = 0;  // scroll-bar controls
  int32_t command_id = 0;  // bitmap buttons
  int32_t pressed = 0;     // bitmap buttons
  char text[kControlTextBytes] = "";  // the label, or a bitmap button's hint
  char id[kMaxToken + 1] = "";
  FontRef font = nullptr;
  int32_t font_width = 6, font_height = 12;
};

struct ControlTable {
  ControlRecord records[kMaxControls];
  int control_count = 0;
};

extern ControlTable control_table;

void ResetControlTable();

// The current text of control index (at most cap - 1 bytes).
void ControlText(int index, char* out, size_t cap);

}  // namespace zep
