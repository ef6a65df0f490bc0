#include "core/dispatch.h"

#include <cstring>

#include "core/errors.h"
#include "core/statement_form.h"
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

}  // namespace zep
