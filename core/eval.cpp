#include "core/eval.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/args.h"
#include "core/command_table.h"
#include "core/eval_parts.h"
#include "core/errors.h"
#include "core/host.h"
#include "core/run_settings.h"
#include "core/trig.h"
#include "core/variables.h"

namespace zep {

const char* CutCallArgs(const char* open, char* args, uint8_t* code, bool* named) {
  int depth = 1;
  size_t n = 0;
  const char* p = open;
  *named = false;
  for (;; ++p) {
    char c = *p;
    if (c == '\0') {
      *code = kErrParen;
      *named = true;
      return nullptr;
    }
    if (c == '"') {
      do {
        if (n >= static_cast<size_t>(kMaxCallArgs)) return *code = kErrTooLong, nullptr;
        args[n++] = *p++;
      } while (*p != '\0' && *p != '"');
      if (*p == '\0') return *code = kErrParen, nullptr;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      break;
    }
    if (n >= static_cast<size_t>(kMaxCallArgs)) return *code = kErrTooLong, nullptr;
    args[n++] = c;
  }
  args[n] = '\0';
  return p;
}

namespace {

// The value of name(args): an array element when a variable has the name,
// else a function's value.
bool CallValue(WindowRef window, const char* name, const char* args, float* value) {
  int v = FindVariable(name, std::strlen(name));
  if (v < 0) {
    CallFunction(window, name, args);
    *value = static_cast<float>(run_state.function_result);
    return error_code == 0;
  }
  uint16_t row = TruncToIndex(GetNumArg(window, args, 0));
  if (error_code != 0) return false;
  uint16_t col = TruncToIndex(GetNumArg(window, args, 1));
  if (error_code != 0) return false;
  if (row >= variable_store.rows[v] || col >= variable_store.cols[v]) {
    SetError(kErrArrayRange, name);
    return false;
  }
  *value = static_cast<float>(VariableCells(v)[row * variable_store.cols[v] + col]);
  return true;
}

// Reduces the entry list pair by pair in the order NextPair gives.
float Reduce(ExprEntry* e, int k, const char* expr) {
  while (k > 1) {
    int i = NextPair(e);
    float r;
    if (!ApplyOperator(e[i].op, e[i].value, e[i + 1].value, &r)) {
      SetError(kErrDivZero, expr);
      return 0;
    }
    e[i].value = r;
    e[i].op = e[i + 1].op;
    e[i].priority = e[i + 1].priority;
    std::memmove(e + i + 1, e + i + 2, sizeof(ExprEntry) * static_cast<size_t>(k - i - 2));
    --k;
  }
  return e[0].value;
}

// The evaluator's own operands: each value read at once, each fault set as
// the error.
struct DirectSink {
  WindowRef window;
  bool Operand(const char* token, size_t length, float* v) {
    double d = length == 0 ? 0 : ReadOperand(token);
    *v = static_cast<float>(d);
    return error_code == 0;
  }
  bool Call(const char* name, const char* args, float* v) { return CallValue(window, name, args, v); }
  void Fail(uint8_t code, const char* name, size_t n) {
    SetError(code);
    if (name != nullptr) SetErrorNameN(name, n);
  }
};

}  // namespace

// Scans the text into entries (value, operator, priority), then reduces.
float EvalExpr(WindowRef window, const char* text) {
  ExprEntry entries[kMaxOperands];
  DirectSink sink{window};
  int k = ScanExpression(text, sink, entries);
  if (k < 0) return 0;
  return Reduce(entries, k, text);
}

size_t ParseDecimal(const char* text, double* value) {
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  const char* number = p;
  if (*p == '+' || *p == '-') ++p;
  size_t digits = 0;
  while (*p >= '0' && *p <= '9') ++p, ++digits;
  bool fraction = *p == '.';
  if (fraction) {
    ++p;
    while (*p >= '0' && *p <= '9') ++p, ++digits;
  }
  if (digits == 0) return 0;
  // Plain integers of up to 15 digits are exact in a double: add them up
  // directly, which is what most literals are, and far faster than strtod.
  if (!fraction && *p != 'e' && *p != 'E' && digits <= 15) {
    const char* d = number;
    bool negative = *d == '-';
    if (*d == '+' || *d == '-') ++d;
    double v = 0;
    for (; d < p; ++d) v = v * 10 + (*d - '0');
    *value = negative ? -v : v;
    return static_cast<size_t>(p - text);
  }
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    if (*q == '+' || *q == '-') ++q;
    if (*q >= '0' && *q <= '9') {
      while (*q >= '0' && *q <= '9') ++q;
      p = q;
    }
  }
  // Only the validated decimal text reaches strtod, so hexadecimal forms,
  // "inf" and "nan" are never read as numbers.
  char buffer[kMaxToken + 2];
  size_t n = static_cast<size_t>(p - number);
  if (n > kMaxToken) n = kMaxToken;
  std::memcpy(buffer, number, n);
  buffer[n] = '\0';
  *value = std::strtod(buffer, nullptr);
  return static_cast<size_t>(p - text);
}

int ReservedId(const char* t) {
  struct Reserved {
    const char* name;
    int id;
  };
  static const Reserved kNames[] = {
      {"MOUSE_X", 0}, {"MOUSE_Y", 1}, {"WIN_X", 2}, {"WIN_Y", 3}, {"WIN_L", 4},
      {"WIN_T", 5}, {"SCR_X", 6}, {"SCR_Y", 7}, {"SCROLL_H", 8}, {"SCROLL_V", 9},
      {"KEY", 10}, {"ASC", 11}, {"ANSWER", 12}, {"PI", 13}, {"YEAR", 14},
      {"MONTH", 15}, {"DAY", 16}, {"HOUR", 17}, {"MIN", 18}, {"SEC", 19},
  };
  if (std::strchr("MWSKAPYDH", t[0]) == nullptr) return -1;
  for (const Reserved& r : kNames) {
    if (r.name[0] == t[0] && std::strcmp(r.name, t) == 0) return r.id;
  }
  return -1;
}

double ReservedValue(int id) {
  const RunSettings& s = window_settings;
  const int32_t ints[] = {s.mouse_x, s.mouse_y, s.win_x, s.win_y, s.win_l,
                          s.win_t, s.scr_x, s.scr_y, s.scroll_h, s.scroll_v};
  if (id < 10) return ints[id];
  if (id == 10) return key_code;
  if (id == 11) return char_code;
  if (id == 12) return run_state.answer;
  if (id == kPiId) return 3.14159265359;
  LocalTime now = host_system->Now();
  const int fields[] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
  return fields[id - kFirstClockId];
}

double ReadOperand(const char* token) {
  int reserved = ReservedId(token);
  if (reserved >= 0) return ReservedValue(reserved);
  double v;
  if (token[0] == '0' && token[1] == '\0') return 0;
  size_t used = ParseDecimal(token, &v);
  // A whole token that is a number is that number, zero included ("0.0");
  // a non-zero leading number wins over what follows ("12abc" is 12).
  if (used > 0 && (v != 0 || token[used] == '\0')) return v;
  int i = FindVariable(token, std::strlen(token));
  if (i >= 0) return VariableCells(i)[0];
  SetError(kErrUndefined, token);
  return 0;
}

uint32_t RandomNext(uint32_t* state) {
  *state = *state * 214013u + 2531011u;
  return (*state >> 16) & 0x7FFF;
}

namespace {

constexpr double kDegree = 0.01745329251994;
uint32_t random_state = 1;

bool Domain(double x, const char* name) {
  if (x < -1 || x > 1) return SetError(kErrBadValue, name), false;
  return true;
}

}  // namespace

// Each gives false after setting a code.
bool BuiltinValue(int id, double x, double* r) {
  switch (id) {
    case 0: *r = Sine(x * kDegree); return true;
    case 1: *r = Cosine(x * kDegree); return true;
    case 2: *r = std::tan(x * kDegree); return true;
    case 3: return Domain(x, "asin") && (*r = std::asin(x) / kDegree, true);
    case 4: return Domain(x, "acos") && (*r = std::acos(x) / kDegree, true);
    case 5: *r = std::atan(x) / kDegree; return true;
    case 6:
      if (x < 0) return SetError(kErrBadValue, "sqrt"), false;
      *r = std::sqrt(x);
      return true;
    case 7: {
      // |INT32_MIN| does not fit; it stays INT32_MIN as the hardware gives it.
      uint32_t u = static_cast<uint32_t>(TruncToInt32(x));
      if (static_cast<int32_t>(u) < 0) u = 0u - u;
      *r = static_cast<int32_t>(u);
      return true;
    }
    case 8: *r = TruncToInt32(x); return true;
    case 9:
      random_state = static_cast<uint32_t>(TruncToInt32(x));
      *r = RandomNext(&random_state) % 100;
      return true;
    default: {  // AscType
      bool printable = (x >= 32 && x <= 127) || (x >= 160 && x <= 223);
      *r = printable ? 1 : 0;
      return true;
    }
  }
}

int BuiltinId(const char* name) {
  static const char* const kNames[] = {"sin", "cos", "tan", "asin", "acos", "atan",
                                       "sqrt", "abs", "fix", "rand", "AscType"};
  for (int i = 0; i < 11; ++i) {
    if (std::strcmp(kNames[i], name) == 0) return i;
  }
  return -1;
}

void CallFunction(WindowRef window, const char* name, const char* args) {
  run_state.function_result = 0;
  int id = BuiltinId(name);
  if (id >= 0) {
    if (!CheckArgCount(args, 1)) return;
    double x = EvalExpr(window, args);
    if (error_code != 0) return;
    double r;
    if (BuiltinValue(id, x, &r)) run_state.function_result = r;
    return;
  }
  const CommandRow* row = FindCommand(name, kPhaseRun);
  if (row != nullptr && row->returns_value) {
    ArgList list;
    MakeArgList(args, false, false, &list);
    list.row = row;
    CallHandler(*row, window, list);
    return;
  }
  SetError(kErrNoValue, name);
}

}  // namespace zep
