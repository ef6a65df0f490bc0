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

// A command handler: fetches its arguments from the statement's list, does
// its work, and on failure sets error_code and returns. `extra` is a fixed
// number that the row gives to handlers shared by a family of commands.
using Handler = void (*)(WindowRef window, const ArgList& args, int extra);

enum Phase : uint8_t { kPhaseRun = 1, kPhaseCreate = 2, kPhaseBoth = 3 };

// A row's arguments, one letter each, in order:
//   i  an integer (the value truncated toward zero)
//   n  a number (the 32-bit float, not truncated)
//   t  a text in quotes, as written
//   r  a text in quotes that may stand for another: the text of the one-line
//      edit field with that ID, or the current file for "FILE_NAME"
//   c  a control's ID, in quotes
//   v  a variable's or array's name, in quotes
//   s  a section's name, in quotes
// The count is checked before the handler runs (codes 8 and 23), unless
// the letters begin with '*': then the handler reads the arguments in a way
// of its own and checks the count itself (the letters after '*' describe
// the arguments it reads).
struct CommandRow {
  const char* name;
  Handler handler;
  int extra;
  uint8_t phase;
  bool returns_value;  // also callable inside expressions
  const char* args = nullptr;
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

// Runs the row's handler on args: the count check its letters ask for,
// then the handler.
void CallHandler(const CommandRow& row, WindowRef window, const ArgList& args);

// The number of arguments the row's letters give; -1 when the handler
// checks the count itself.
int DeclaredArgCount(const CommandRow& row);

// Every installed row, in installation order, for tools and tests.
int CommandCount();
const CommandRow& CommandAt(int i);

}  // namespace zep
