#include "core/args.h"

#include <cstdio>
#include <cstring>

#include "core/control_table.h"
#include "core/errors.h"
#include "core/eval.h"
#include "core/exec.h"

namespace zep {

char file_name[kMaxPath] = "";
bool watch_declared_reads = false;
int undeclared_reads = 0;
char first_undeclared_read[96] = "";

namespace {

// Steps over an argument text: literals are skipped whole and parentheses
// counted. Stops at a comma at depth 0 or at the end; *depth is the open
// parenthesis count left at the stop.
const char* SkipArg(const char* p, int* depth) {
  *depth = 0;
  while (*p != '\0') {
    if (*p == '"') {
      ++p;
      while (*p != '\0' && *p != '"') ++p;
      if (*p == '\0') break;
    } else if (*p == '(') {
      ++*depth;
    } else if (*p == ')') {
      --*depth;
    } else if (*p == ',' && *depth == 0) {
      break;
    }
    ++p;
  }
  return p;
}

}  // namespace

int CountArgs(const char* args) {
  if (args[0] == '\0') return 0;
  int count = 1;
  int depth = 0;
  for (const char* p = SkipArg(args, &depth); *p == ','; p = SkipArg(p + 1, &depth)) ++count;
  return count;
}

namespace {

bool CheckCount(const char* args, int count, int n) {
  if (args[0] == '\0') {
    if (n == 0) return true;
    SetError(kErrArgCount);
    return false;
  }
  if (count == n) return true;
  SetError(count > n ? kErrArgCount : kErrFewArgs);
  return false;
}

}  // namespace

bool CheckArgCount(const char* args, int n) { return CheckCount(args, CountArgs(args), n); }

bool CheckArgCount(const ArgList& args, int n) {
  return CheckCount(args.text.c_str(), args.count, n);
}

int FindArg(const char* args, int k, const char** start, size_t* length) {
  const char* p = args;
  int depth = 0;
  for (int i = 0;; ++i) {
    const char* end = SkipArg(p, &depth);
    if (i == k) {
      if (*end == '\0' && depth > 0) return kErrParen;
      *start = p;
      *length = static_cast<size_t>(end - p);
      return 0;
    }
    if (*end != ',') return kErrFewArgs;
    p = end + 1;
  }
}

bool LocateArg(const char* args, int k, const char** start, size_t* length) {
  int code = FindArg(args, k, start, length);
  if (code != 0) SetError(static_cast<uint8_t>(code));
  return code == 0;
}

namespace {

// Evaluates argument i of a text into a float; false on any error.
bool EvalArgText(WindowRef window, const char* args, int i, float* value) {
  const char* start;
  size_t length;
  if (!LocateArg(args, i, &start, &length)) return false;
  char text[kMaxStatement + 1];
  if (length > kMaxStatement) return SetError(kErrTooLong), false;
  std::memcpy(text, start, length);
  text[length] = '\0';
  *value = EvalExpr(window, text);
  return error_code == 0;
}

// The same for a list: its compiled piece when it has one.
bool EvalArg(WindowRef window, const ArgList& args, int i, float* value) {
  if (static_cast<size_t>(i) < args.pieces.size() && args.pieces[static_cast<size_t>(i)]) {
    *value = EvalCached(window, *args.pieces[static_cast<size_t>(i)]);
    return error_code == 0;
  }
  return EvalArgText(window, args.text.c_str(), i, value);
}

// Counts a read of argument i as one of kinds that the command's row does
// not declare.
void NoteRead(const ArgList& args, int i, const char* kinds, const char* as) {
  if (!watch_declared_reads) return;
  const char* declared = args.row == nullptr ? nullptr : args.row->args;
  if (declared == nullptr) return;
  if (*declared == '*') ++declared;
  if (i < static_cast<int>(std::strlen(declared)) && std::strchr(kinds, declared[i]) != nullptr) {
    return;
  }
  if (undeclared_reads++ == 0) {
    std::snprintf(first_undeclared_read, sizeof first_undeclared_read,
                  "%s argument %d read as %s", args.row->name, i, as);
  }
}

}  // namespace

bool GetIntArgs(WindowRef window, const ArgList& args, int first, int last, int32_t* out) {
  if (args.text[0] == ',') return SetError(kErrFewArgs), false;
  for (int k = first; k <= last; ++k) {
    float value;
    NoteRead(args, k, "i", "an integer");
    if (!EvalArg(window, args, k, &value)) return false;
    out[k] = TruncToInt32(value);
  }
  return true;
}

bool GetAllIntArgs(WindowRef window, const ArgList& args, int n, int32_t* out) {
  return CheckArgCount(args, n) && GetIntArgs(window, args, 0, n - 1, out);
}

float GetNumArg(WindowRef window, const ArgList& args, int i) {
  NoteRead(args, i, "n", "a number");
  float value = 0;
  if (!EvalArg(window, args, i, &value)) return 0;
  return value;
}

float GetNumArg(WindowRef window, const char* args, int i) {
  float value = 0;
  if (!EvalArgText(window, args, i, &value)) return 0;
  return value;
}

bool GetStrArg(const ArgList& args, int i, char* out) {
  NoteRead(args, i, "trcvs", "text");
  const char* start;
  size_t length;
  uint8_t saved = error_code;
  if (!LocateArg(args.text.c_str(), i, &start, &length)) {
    error_code = saved;
    return SetError(kErrNoString), false;
  }
  const char* open = static_cast<const char*>(std::memchr(start, '"', length));
  if (open == nullptr) return SetError(kErrNoString), false;
  size_t rest = length - static_cast<size_t>(open + 1 - start);
  const char* close = static_cast<const char*>(std::memchr(open + 1, '"', rest));
  if (close == nullptr) return SetError(kErrNoString), false;
  size_t n = static_cast<size_t>(close - open - 1);
  if (n > kMaxStatement - 1) n = kMaxStatement - 1;
  std::memcpy(out, open + 1, n);
  out[n] = '\0';
  return true;
}

bool GetResolvedStrArg(const ArgList& args, int i, char* out) {
  NoteRead(args, i, "r", "a text that may stand for another");
  if (!GetStrArg(args, i, out)) return false;
  ResolveStrArg(out, kMaxStatement);
  return true;
}

void MakeArgList(const char* text, bool compile, bool condition, ArgList* out) {
  out->text = text;
  out->count = CountArgs(text);
  for (int k = 0; compile && k < out->count; ++k) {
    const char* start;
    size_t length;
    bool located = FindArg(text, k, &start, &length) == 0 && length <= kMaxStatement;
    out->pieces.push_back(located ? CompileExpr(start, length) : nullptr);
  }
  const char* right = nullptr;
  size_t left_length = 0;
  if (compile && condition && (out->comparison = ConditionParts(text, &left_length, &right)) >= 0) {
    out->sides[0] = CompileExpr(text, left_length);
    out->sides[1] = CompileExpr(right, std::strlen(right));
  }
}

bool SetFileName(const char* name) {
  if (std::strlen(name) >= sizeof file_name) return SetError(kErrOpenFile), false;
  CopyText(file_name, sizeof file_name, name);
  return true;
}

int FindControlIndex(const char* s) {
  for (int i = 0; i < control_table.control_count; ++i) {
    if (std::strcmp(control_table.records[i].id, s) == 0) return i;
  }
  if (std::strcmp(s, "FILE_NAME") == 0) return -2;
  SetError(kErrNoControl);
  return -1;
}

int ResolveStrArg(char* s, size_t cap) {
  uint8_t saved = error_code;
  int index = FindControlIndex(s);
  error_code = saved;
  if (index >= 0) {
    if (control_table.records[index].type != kEditControl) return 0;
    ControlText(index, s, cap);
    return 1;
  }
  if (index == -2) {
    CopyText(s, cap, file_name);
    return 1;
  }
  return -1;
}

}  // namespace zep
