// The command table: every command a run knows, as rows of name, handler,
// phase and whether it returns a value. Each subsystem owns a list of rows
// beside its handlers; the program installs the lists once at start-up, and
// the dispatcher, the CREATE pre-pass and the evaluator (for value-returning
// commands) look names up here. The core knows the row type and the lookup,
// not the subsystems.
#pragma once

#include <cstdint>

#include "core/common.h"

namespace zep {

struct ArgList;

// A command handler: checks its count, fetches its arguments, does its work,
// and on failure sets error_code and returns. `extra` is a fixed number that
// the row gives to handlers shared by a family of commands.
using Handler = void (*)(WindowRef window, const ArgList& args, int extra);

enum Phase : uint8_t { kPhaseRun = 1, kPhaseCreate = 2, kPhaseBoth = 3 };

struct CommandRow {
  const char* name;
  Handler handler;
  int extra;
  uint8_t phase;
  bool returns_value;  // also callable inside expressions
};

// One subsystem's rows.
struct CommandList {
  const char* subsystem;
  const CommandRow* rows;
  int count;
};

// The number of rows of a row array, for CommandList initialisers.
template <int N>
constexpr int RowCount(const CommandRow (&)[N]) {
  return N;
}

constexpr int kMaxCommands = 512;

// Replaces the installed lists by these (the caller keeps them alive). Rows
// beyond kMaxCommands are a programming error.
void InstallCommandLists(const CommandList* const* lists, int count);

// The row of the command `name` (exact, case-sensitive) in phase, or nullptr.
// Among rows of one name, the first installed wins.
const CommandRow* FindCommand(const char* name, Phase phase);

// Every installed row, in installation order, for tools and tests.
int CommandCount();
const CommandRow& CommandAt(int i);

}  // namespace zep
