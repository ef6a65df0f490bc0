#include "core/dispatch.h"

#include <cstring>

#include "core/args.h"
#include "core/command_table.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/program.h"
#include "core/text.h"

namespace zep {

// Outside literals the copy steps by character: the trail byte of a
// double-byte character such as "ボ" (0x83 0x7B) or "マ" (0x83 0x7D) is not
// a brace, so Japanese names work in every statement.
bool CopyStatement(const char* text, int pos, char* out) {
  const char* p = text + pos;
  size_t n = 0;
  bool in_literal = false;
  while (*p != '\0') {
    if (*p == '"') in_literal = !in_literal;
    if (!in_literal && (*p == ';' || *p == '{')) break;
    size_t step = in_literal ? 1 : CharLength(p);
    if (n + step > kMaxStatement) {
      out[n] = '\0';
      SetError(kErrTooLong);
      SetErrorNameN(out, 31);
      return false;
    }
    for (size_t k = 0; k < step; ++k) out[n++] = *p++;
  }
  out[n] = '\0';
  if (in_literal) {
    SetError(kErrParen, out);
    return false;
  }
  return true;
}

void StatementName(const char* statement, char* out) {
  const char* open = std::strchr(statement, '(');
  size_t n = open ? static_cast<size_t>(open - statement) : std::strlen(statement);
  std::memcpy(out, statement, n);
  out[n] = '\0';
}

bool StatementArgs(const char* statement, char* out) {
  const char* p = std::strchr(statement, '(');
  if (p == nullptr) {
    out[0] = '\0';
    return true;
  }
  ++p;
  size_t n = 0;
  while (*p != '\0') {
    if (*p == '"') {
      do out[n++] = *p++; while (*p != '\0' && *p != '"');
      if (*p == '\0') {
        out[n] = '\0';
        SetError(kErrParen);
        return false;
      }
    } else if (*p == ')' && p[1] == '\0') {
      break;
    }
    out[n++] = *p++;
  }
  out[n] = '\0';
  return true;
}

namespace {

struct ControlStatement {
  const char* name;
  int arg_count;
  int kind;
};

const ControlStatement kControlStatements[] = {
    {"loop", 1, kStmtLoop}, {"call", 1, kStmtCall}, {"if", 1, kStmtIf},
    {"return", 0, kStmtReturn}, {"end", 0, kStmtEnd},
};

}  // namespace

int ControlStatementKind(const char* name, bool create_pass, int* arg_count) {
  for (const ControlStatement& c : kControlStatements) {
    if (create_pass && c.kind != kStmtLoop && c.kind != kStmtIf) continue;
    if (std::strcmp(c.name, name) == 0) {
      *arg_count = c.arg_count;
      return c.kind;
    }
  }
  return -1;
}

namespace {

// A control statement's kind after its count check, or -1 when name is none.
int ControlKind(const char* name, const char* args, bool create_pass) {
  int arg_count = 0;
  int kind = ControlStatementKind(name, create_pass, &arg_count);
  if (kind < 0) return -1;
  return CheckArgCount(args, arg_count) ? kind : kStmtDone;
}

// Cuts the statement at pos; false on an error or an empty name.
bool SplitStatement(int pos, char* statement, char* name, char* args) {
  if (!CopyStatement(program_text, pos, statement)) return false;
  StatementName(statement, name);
  if (!StatementArgs(statement, args)) return false;
  if (name[0] == '\0') return false;
  SetErrorName(name);
  return true;
}

}  // namespace

int DispatchStatement(WindowRef window, int pos) {
  char statement[kMaxStatement + 1], name[kMaxStatement + 1], args[kMaxStatement + 1];
  if (!SplitStatement(pos, statement, name, args)) return kStmtDone;
  if (const CommandRow* row = FindCommand(name, kPhaseRun)) {
    row->handler(window, args, row->extra);
    return kStmtDone;
  }
  if (statement[0] == '}') return kStmtDone;
  int kind = ControlKind(name, args, false);
  if (kind >= 0) return kind;
  if (!ExecAssignment(window, pos) && error_code == 0) SetError(kErrNoCommand);
  return kStmtDone;
}

namespace {

// The row of name in a pre-pass's own list.
const CommandRow* FindIn(const CommandList& list, const char* name) {
  for (int i = 0; i < list.count; ++i) {
    if (std::strcmp(list.rows[i].name, name) == 0) return &list.rows[i];
  }
  return nullptr;
}

}  // namespace

int ExecCreateStatement(int pos, const CommandList* only) {
  char statement[kMaxStatement + 1], name[kMaxStatement + 1], args[kMaxStatement + 1];
  if (!SplitStatement(pos, statement, name, args)) return kStmtDone;
  const CommandRow* row = only ? FindIn(*only, name) : FindCommand(name, kPhaseCreate);
  if (row != nullptr) {
    row->handler(nullptr, args, row->extra);
    return kStmtDone;
  }
  int kind = ControlKind(name, args, true);
  if (kind >= 0) return kind;
  if (ExecAssignment(nullptr, pos) || error_code != 0) return kStmtDone;
  if (statement[0] != '}') SetError(kErrNoCommand);
  return kStmtDone;
}

}  // namespace zep
