// The table of controls that a script's CREATE section records. Controls are
// addressed by their ID strings; their command IDs are table index + 600.
// The argument helpers, the controls and the run window all reach it.
#pragma once

#include <cstddef>

#include "core/common.h"

namespace zep {

constexpr int kMaxControls = 256;
constexpr int kControlIdBase = 600;
constexpr int kEditControl = 101;  // one-line edit field

struct ControlRecord {
  int type = 0;
  char id[kMaxToken + 1] = "";
  WindowRef handle = nullptr;
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
