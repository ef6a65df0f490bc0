#include "core/statement_form.h"

#include <cstring>

#include "core/args.h"
#include "core/dispatch.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/program.h"
#include "core/variables.h"

namespace zep {

namespace {

// The error state, put back after a fill did what a run of the text does.
struct SavedError {
  SavedError() : code(error_code) { std::memcpy(name, error_name, sizeof name); }
  ~SavedError() {
    error_code = code;
    std::memcpy(error_name, name, sizeof name);
  }
  uint8_t code;
  char name[sizeof error_name];
};

// Keeps the fault the text just set.
void KeepFault(StatementForm* form, bool keeps_name) {
  form->kind = StatementForm::kFault;
  form->fault = error_code;
  form->keeps_name = keeps_name;
  std::memcpy(form->error_name, error_name, sizeof form->error_name);
}

// An expression of the form: compiled, or its text alone for EvalExpr.
std::unique_ptr<CompiledExpr> FormExpr(const char* text, bool compile) {
  if (compile) return CompileExpr(text, std::strlen(text));
  auto expr = std::make_unique<CompiledExpr>();
  expr->text = text;
  return expr;
}

// The row of name in a pre-pass's own list.
const CommandRow* FindIn(const CommandList& list, const char* name) {
  for (int i = 0; i < list.count; ++i) {
    if (std::strcmp(list.rows[i].name, name) == 0) return &list.rows[i];
  }
  return nullptr;
}

const CommandRow* RowFor(const char* name, const FormPhase& phase) {
  if (phase.only != nullptr) return FindIn(*phase.only, name);
  return FindCommand(name, phase.create_pass ? kPhaseCreate : kPhaseRun);
}

// An assignment's target and value: 1 when the statement is one, 0 when it
// is none, -1 for a fault kept.
int FillAssignment(StatementForm* form, const FormPhase& phase) {
  char text[kMaxAssignment + 1];
  size_t equals = 0;
  int found = CutAssignment(form->pos, text, &equals);
  if (found < 0) KeepFault(form, false);
  if (found <= 0) return found;
  text[equals] = '\0';
  form->value = FormExpr(text + equals + 1, phase.compile);
  char* open = std::strchr(text, '(');
  form->kind = open == nullptr ? StatementForm::kAssign : StatementForm::kElementAssign;
  if (open != nullptr) {
    *open = '\0';
    char* close = std::strrchr(open + 1, ')');
    if (close != nullptr) *close = '\0';
    MakeArgList(open + 1, phase.compile, false, &form->args);
  }
  form->target = text;
  return 1;
}

// After the name: a command, a block's end, a control statement, an
// assignment, or nothing the language knows. The CREATE pre-pass tries an
// assignment before it lets a `}` pass.
void FillNamed(StatementForm* form, const char* statement, const char* name, const char* args,
               const FormPhase& phase) {
  if ((form->row = RowFor(name, phase)) != nullptr) {
    form->kind = StatementForm::kCommand;
    MakeArgList(args, phase.compile, false, &form->args);
    form->args.row = form->row;
    return;
  }
  bool block_end = statement[0] == '}';
  if (block_end && !phase.create_pass) {
    form->kind = StatementForm::kBlockEnd;
    return;
  }
  int arg_count = 0;
  int control = ControlStatementKind(name, phase.create_pass, &arg_count);
  if (control >= 0) {
    if (!CheckArgCount(args, arg_count)) return KeepFault(form, false);
    form->kind = StatementForm::kControl;
    form->control = control;
    return MakeArgList(args, phase.compile, control == kStmtIf, &form->args);
  }
  if (FillAssignment(form, phase) != 0) return;
  if (block_end) {
    form->kind = StatementForm::kBlockEnd;
    return;
  }
  SetError(kErrNoCommand);
  KeepFault(form, false);
}

// Index k of an element target: its compiled piece, or the helper.
float IndexValue(WindowRef window, const ArgList& args, size_t k) {
  if (k < args.pieces.size() && args.pieces[k] != nullptr) return EvalCached(window, *args.pieces[k]);
  return GetNumArg(window, args, static_cast<int>(k));
}

// Stores value in target(row, column), checked as the text is checked.
void AssignElement(WindowRef window, StatementForm* form, float value) {
  int v = ResolveVariable(&form->target_var, form->target.data(), form->target.size());
  if (v < 0) return SetError(kErrNoArray, form->target.c_str());
  uint16_t row = TruncToIndex(IndexValue(window, form->args, 0));
  if (error_code != 0) return;
  uint16_t col = TruncToIndex(IndexValue(window, form->args, 1));
  if (error_code != 0) return;
  if (row >= variable_store.rows[v] || col >= variable_store.cols[v]) {
    return SetError(kErrArrayRange, form->target.c_str());
  }
  VariableCells(v)[row * variable_store.cols[v] + col] = value;
}

void Assign(WindowRef window, StatementForm* form) {
  float value = EvalCached(window, *form->value);
  if (error_code != 0) return;
  if (form->kind == StatementForm::kElementAssign) return AssignElement(window, form, value);
  int v = ResolveVariable(&form->target_var, form->target.data(), form->target.size());
  if (v >= 0) {
    VariableCells(v)[0] = value;
  } else if (!CreatePlainVariable(form->target.c_str(), value)) {
    SetErrorName(form->target.c_str());
  }
}

}  // namespace

void FillForm(StatementForm* form, int pos, const FormPhase& phase) {
  SavedError saved;
  form->pos = pos;
  char statement[kMaxStatement + 1], name[kMaxStatement + 1], args[kMaxStatement + 1];
  if (!CopyStatement(program_text, pos, statement)) return KeepFault(form, false);
  StatementName(statement, name);
  if (!StatementArgs(statement, args)) return KeepFault(form, true);
  if (name[0] == '\0') return;
  SetErrorName(name);
  std::memcpy(form->error_name, error_name, sizeof form->error_name);
  FillNamed(form, statement, name, args, phase);
}

void RefillForm(StatementForm* form, int pos, const FormPhase& phase) {
  *form = StatementForm();
  FillForm(form, pos, phase);
}

int RunFormOf(WindowRef window, StatementForm* form) {
  switch (form->kind) {
    case StatementForm::kAssign:
    case StatementForm::kElementAssign:
      std::memcpy(error_name, form->error_name, sizeof error_name);
      Assign(window, form);
      return kStmtDone;
    case StatementForm::kCommand:
      std::memcpy(error_name, form->error_name, sizeof error_name);
      CallHandler(*form->row, window, form->args);
      return kStmtDone;
    case StatementForm::kControl:
      std::memcpy(error_name, form->error_name, sizeof error_name);
      return form->control;
    case StatementForm::kFault:
      if (!form->keeps_name) std::memcpy(error_name, form->error_name, sizeof error_name);
      error_code = form->fault;
      return kStmtDone;
    case StatementForm::kBlockEnd:
      std::memcpy(error_name, form->error_name, sizeof error_name);
      return kStmtDone;
    default: return kStmtDone;  // kEmpty: the error name stays
  }
}

}  // namespace zep
