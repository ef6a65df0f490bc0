// What a statement of the program text means, worked out once and run from
// there: its kind, its command row, its arguments cut (and compiled when the
// form is kept by the statement cache), its assignment target, and the
// positions the block walker needs (the next statement, the block it opens,
// the section a call names), found at their first use.
//
// A fault in cutting the statement (a literal left open, a statement too
// long, a wrong count of a control statement, a target that is no name, a
// statement that is nothing the language knows) is kept in the form with
// its code and name, and is set when the statement runs, at the moment the
// text would have failed.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "core/args.h"
#include "core/command_table.h"
#include "core/common.h"
#include "core/compiled_expr.h"
#include "core/errors.h"
#include "core/variables.h"

namespace zep {

// What a statement asks of the block walker.
enum StatementKind { kStmtDone = 0, kStmtLoop = 2, kStmtCall = 3, kStmtIf = 4,
                     kStmtReturn = 5, kStmtEnd = 6 };

struct StatementForm {
  enum Kind : uint8_t {
    kEmpty,          // no name: nothing runs, the error name stays
    kFault,          // fault: the code set when it runs
    kCommand,        // row, args
    kControl,        // control (kStmtLoop ...), args
    kAssign,         // target = value
    kElementAssign,  // target(args) = value
    kBlockEnd,       // a `}` met as a statement
  };
  Kind kind = kEmpty;
  uint8_t fault = 0;
  bool keeps_name = false;  // kFault: the error name stays as it was
  int pos = 0;
  int control = kStmtDone;
  const CommandRow* row = nullptr;
  char error_name[64] = "";  // the name a run of it puts in error_name
  ArgList args;
  std::string target;
  VariableRef target_var;
  std::unique_ptr<CompiledExpr> value;
  // Positions found in the text at their first use: -1 until then.
  int next = -1;
  int block_open = -1, block_close = -1;
  int section_open = -1, section_close = -1;
};

// How a form is filled: for the run phase, or for a CREATE pre-pass whose
// commands are those of `only` when given, else the installed CREATE
// commands; with its expressions compiled, or kept as text.
struct FormPhase {
  bool create_pass = false;
  const CommandList* only = nullptr;
  bool compile = false;
};

// Works out the statement at pos into form (which must be fresh). The error
// state is left as it was.
void FillForm(StatementForm* form, int pos, const FormPhase& phase);
// Makes form fresh and fills it.
void RefillForm(StatementForm* form, int pos, const FormPhase& phase);

// Runs the statement; gives what the walker is to do next.
int RunFormOf(WindowRef window, StatementForm* form);

// The same, with the most frequent statement, a value stored in a plain
// variable that exists, taken at once.
inline int RunForm(WindowRef window, StatementForm* form) {
  if (form->kind != StatementForm::kAssign || form->target_var.index < 0) {
    return RunFormOf(window, form);
  }
  std::memcpy(error_name, form->error_name, sizeof error_name);
  float value = EvalCached(window, *form->value);
  if (error_code == 0) VariableCells(form->target_var.index)[0] = value;
  return kStmtDone;
}

}  // namespace zep
