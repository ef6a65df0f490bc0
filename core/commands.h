// The command table: one row per command, naming its handler and the phase
// in which it exists. The dispatcher, the CREATE pre-pass and the expression
// evaluator (for value-returning commands) all look commands up here.
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

// A command handler: checks its count, fetches its arguments, does its work,
// and on failure sets error_code and returns. `extra` is a fixed number that
// the table gives to handlers shared by a family of commands.
using Handler = void (*)(WindowRef window, const char* args, int extra);

enum Phase : uint8_t { kPhaseRun = 1, kPhaseCreate = 2, kPhaseBoth = 3 };

struct CommandRow {
  const char* name;
  Handler handler;
  int extra;
  uint8_t phase;
  bool returns_value;  // also callable inside expressions
};

// The row of the command `name` (exact, case-sensitive) in phase, or nullptr.
const CommandRow* FindCommand(const char* name, Phase phase);

// Every row, for tools and tests.
const CommandRow* CommandTable(int* count);

}  // namespace zep
