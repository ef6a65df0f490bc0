#include "core/eval.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/args.h"
#include "core/command_table.h"
#include "core/errors.h"
#include "core/host.h"
#include "core/run_settings.h"
#include "core/variables.h"

namespace zep {

namespace {

struct Entry {
  float value;
  char op;       // + - * / % or NUL; `*` also marks a function's value
  int priority;  // nesting base, +1 for * / %; -1 for a function's value
};

inline bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%';
}

// Reads the parenthesised text that starts after `open` (just past a `(`)
// up to its matching `)`, copying it into args. Literals are copied as they
// stand and their parentheses are not counted. Gives the position of the
// `)`, or nullptr with an error code set.
const char* CutCallArgs(const char* open, const char* expr, char* args) {
  int depth = 1;
  size_t n = 0;
  const char* p = open;
  for (;; ++p) {
    char c = *p;
    if (c == '\0') {
      SetError(kErrParen);
      SetErrorNameN(expr, 31);
      return nullptr;
    }
    if (c == '"') {
      do {
        if (n >= static_cast<size_t>(kMaxCallArgs)) return SetError(kErrTooLong), nullptr;
        args[n++] = *p++;
      } while (*p != '\0' && *p != '"');
      if (*p == '\0') return SetError(kErrParen), nullptr;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      break;
    }
    if (n >= static_cast<size_t>(kMaxCallArgs)) return SetError(kErrTooLong), nullptr;
    args[n++] = c;
  }
  args[n] = '\0';
  return p;
}

// The value of name(args): an array element when a variable has the name,
// else a function's value.
bool CallValue(WindowRef window, const char* name, const char* args, float* value) {
  int v = FindVariable(name, std::strlen(name));
  if (v < 0) {
    CallFunction(window, name, args);
    *value = static_cast<float>(function_result);
    return error_code == 0;
  }
  uint16_t row = TruncToIndex(GetNumArg(window, args, 0));
  if (error_code != 0) return false;
  uint16_t col = TruncToIndex(GetNumArg(window, args, 1));
  if (error_code != 0) return false;
  if (row >= store.rows[v] || col >= store.cols[v]) {
    SetError(kErrArrayRange, name);
    return false;
  }
  *value = static_cast<float>(VariableCells(v)[row * store.cols[v] + col]);
  return true;
}

// Reduces the entry list pair by pair: deeper parentheses first, * / %
// before + -, equal priorities left to right.
float Reduce(Entry* e, int k, const char* expr) {
  while (k > 1) {
    int i = 0;
    while (!(e[i + 1].priority >= 0 && (e[i].priority < 0 || e[i].priority >= e[i + 1].priority))) {
      ++i;
    }
    float a = e[i].value, b = e[i + 1].value, r;
    switch (e[i].op) {
      case '+': r = a + b; break;
      case '-': r = a - b; break;
      case '*': r = a * b; break;
      case '/':
        if (b == 0) {
          SetError(kErrDivZero, expr);
          return 0;
        }
        r = a / b;
        break;
      default:  // '%': the remainder takes the sign of the left operand; x%0 is 0
        r = (b == 0) ? 0.0f : std::fmod(a, b);
        break;
    }
    e[i].value = r;
    e[i].op = e[i + 1].op;
    e[i].priority = e[i + 1].priority;
    std::memmove(e + i + 1, e + i + 2, sizeof(Entry) * static_cast<size_t>(k - i - 2));
    --k;
  }
  return e[0].value;
}

}  // namespace

// Scans the text into entries (value, operator, priority), then reduces.
float EvalExpr(WindowRef window, const char* text) {
  Entry entries[kMaxOperands];
  int k = 0;
  char token[kMaxToken + 2];
  size_t tlen = 0;
  int base = 0;
  for (const char* p = text;; ++p) {
    char c = *p;
    if (IsOperator(c) || c == '\0') {
      double v = 0;
      if (tlen > 0) {
        token[tlen] = '\0';
        v = ReadOperand(token);
        if (error_code != 0) return 0;
      }
      if (k == kMaxOperands) return SetError(kErrTooLong), 0.0f;
      bool strong = (c == '*' || c == '/' || c == '%');
      entries[k++] = {static_cast<float>(v), c, base + (strong ? 1 : 0)};
      tlen = 0;
      if (c == '\0') break;
      if (IsOperator(p[1])) return SetError(kErrExpression), 0.0f;
    } else if (c == '(') {
      base += 10;
    } else if (p[1] == '(') {
      if (tlen >= static_cast<size_t>(kMaxToken)) return SetError(kErrTooLong), 0.0f;
      token[tlen++] = c;
      token[tlen] = '\0';
      char args[kMaxCallArgs + 1];
      const char* close = CutCallArgs(p + 2, text, args);
      if (close == nullptr) return 0;
      float value;
      if (!CallValue(window, token, args, &value)) return 0;
      if (k == kMaxOperands) return SetError(kErrTooLong), 0.0f;
      entries[k++] = {value, '*', -1};
      token[0] = '1';
      tlen = 1;
      p = close;
    } else if (c == ')') {
      base -= 10;
    } else {
      if (tlen >= static_cast<size_t>(kMaxToken)) return SetError(kErrTooLong), 0.0f;
      token[tlen++] = c;
    }
  }
  if (base != 0) {
    SetError(kErrParen);
    SetErrorNameN(text, 31);
    return 0;
  }
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

namespace {

// Reserved names; gives false when the token is none of them.
bool ReadReserved(const char* t, double* v) {
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
  if (std::strchr("MWSKAPYDH", t[0]) == nullptr) return false;
  int id = -1;
  for (const Reserved& r : kNames) {
    if (r.name[0] == t[0] && std::strcmp(r.name, t) == 0) {
      id = r.id;
      break;
    }
  }
  if (id < 0) return false;
  const RunSettings& s = settings;
  const int32_t ints[] = {s.mouse_x, s.mouse_y, s.win_x, s.win_y, s.win_l,
                          s.win_t, s.scr_x, s.scr_y, s.scroll_h, s.scroll_v};
  if (id < 10) {
    *v = ints[id];
  } else if (id == 10) {
    *v = key_code;
  } else if (id == 11) {
    *v = char_code;
  } else if (id == 12) {
    *v = answer;
  } else if (id == 13) {
    *v = 3.14159265359;
  } else {
    LocalTime now = host->Now();
    const int fields[] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    *v = fields[id - 14];
  }
  return true;
}

}  // namespace

double ReadOperand(const char* token) {
  double v;
  if (ReadReserved(token, &v)) return v;
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

// The built-in functions of one argument. Each gives false after setting a code.
bool Domain(double x, const char* name) {
  if (x < -1 || x > 1) return SetError(kErrBadValue, name), false;
  return true;
}

bool BuiltinValue(int id, double x, double* r) {
  switch (id) {
    case 0: *r = std::sin(x * kDegree); return true;
    case 1: *r = std::cos(x * kDegree); return true;
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

}  // namespace

void CallFunction(WindowRef window, const char* name, const char* args) {
  function_result = 0;
  int id = BuiltinId(name);
  if (id >= 0) {
    if (!CheckArgCount(args, 1)) return;
    double x = EvalExpr(window, args);
    if (error_code != 0) return;
    double r;
    if (BuiltinValue(id, x, &r)) function_result = r;
    return;
  }
  const CommandRow* row = FindCommand(name, kPhaseRun);
  if (row != nullptr && row->returns_value) {
    row->handler(window, args, row->extra);
    return;
  }
  SetError(kErrNoValue, name);
}

}  // namespace zep
