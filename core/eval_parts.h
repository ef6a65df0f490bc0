// The pieces of the evaluator that the statement cache's compiled
// expressions share with it, so that both cut an expression the same way
// and compute every value with the same operations.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/common.h"
#include "core/errors.h"

namespace zep {

// One operand of an expression with the operator that follows it.
struct ExprEntry {
  float value;
  char op;       // + - * / % or NUL; `*` also marks a function's value
  int priority;  // nesting base, +1 for * / %; -1 for a function's value
};

inline bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '%';
}

// Reads the parenthesised text that starts at `open` (just past a `(`) up to
// its matching `)`, copying it into args (kMaxCallArgs + 1 bytes). Literals
// are copied as they stand and their parentheses are not counted. Gives the
// position of the `)`, or nullptr with *code set (2 or 3) and *named true
// when the fault names the expression (a parenthesis left open).
const char* CutCallArgs(const char* open, char* args, uint8_t* code, bool* named);

// Which pair of e[0..k) the reduction joins next: deeper parentheses first,
// * / % before + -, equal priorities left to right. It depends on the
// priorities alone.
inline int NextPair(const ExprEntry* e) {
  int i = 0;
  while (!(e[i + 1].priority >= 0 && (e[i].priority < 0 || e[i].priority >= e[i + 1].priority))) {
    ++i;
  }
  return i;
}

// fmod(a, b) for b != 0. Whole numbers of at most 24 bits, which a float
// holds exactly, take the integer remainder: it is the same exact value, a
// zero keeping the sign of a as fmod's does.
inline float Remainder(float a, float b) {
  constexpr float kWhole = 16777216.0f;
  if (a >= -kWhole && a <= kWhole && b >= -kWhole && b <= kWhole) {
    int32_t ia = static_cast<int32_t>(a), ib = static_cast<int32_t>(b);
    if (static_cast<float>(ia) == a && static_cast<float>(ib) == b && ib != 0) {
      int32_t r = ia % ib;
      return r != 0 ? static_cast<float>(r) : std::copysign(0.0f, a);
    }
  }
  return std::fmod(a, b);
}

// a op b in 32-bit floats; false for a division by zero.
inline bool ApplyOperator(char op, float a, float b, float* r) {
  switch (op) {
    case '+': *r = a + b; return true;
    case '-': *r = a - b; return true;
    case '*': *r = a * b; return true;
    case '/':
      if (b == 0) return false;
      *r = a / b;
      return true;
    default:  // '%': the remainder takes the sign of the left operand; x%0 is 0
      *r = (b == 0) ? 0.0f : Remainder(a, b);
      return true;
  }
}

// Reserved operand names: the id of token (0..19), or -1. Ids from
// kFirstClockId read the clock.
int ReservedId(const char* token);
constexpr int kFirstClockId = 14;
constexpr int kPiId = 13;
double ReservedValue(int id);

// The built-in functions of one argument: the id of name, or -1; the value
// for x (false after setting a code).
int BuiltinId(const char* name);
bool BuiltinValue(int id, double x, double* r);

// Cuts an expression into entries as the evaluator does, asking the sink for
// the value of each operand token (an empty one is 0) and of each
// name(args), in order from the left: one request per entry. Static faults go to sink.Fail(code, name, n) (name may be nullptr;
// n bytes of it). Gives the entry count, or -1 after a fault or when the
// sink refused an operand.
template <class Sink>
int ScanExpression(const char* text, Sink& sink, ExprEntry* entries) {
  int k = 0;
  char token[kMaxToken + 2];
  size_t tlen = 0;
  int base = 0;
  for (const char* p = text;; ++p) {
    char c = *p;
    if (IsOperator(c) || c == '\0') {
      float v = 0;
      token[tlen] = '\0';
      if (!sink.Operand(token, tlen, &v)) return -1;
      if (k == kMaxOperands) return sink.Fail(kErrTooLong, nullptr, 0), -1;
      bool strong = (c == '*' || c == '/' || c == '%');
      entries[k++] = {v, c, base + (strong ? 1 : 0)};
      tlen = 0;
      if (c == '\0') break;
      if (IsOperator(p[1])) return sink.Fail(kErrExpression, nullptr, 0), -1;
    } else if (c == '(') {
      base += 10;
    } else if (p[1] == '(') {
      if (tlen >= static_cast<size_t>(kMaxToken)) return sink.Fail(kErrTooLong, nullptr, 0), -1;
      token[tlen++] = c;
      token[tlen] = '\0';
      char args[kMaxCallArgs + 1];
      uint8_t code = 0;
      bool named = false;
      const char* close = CutCallArgs(p + 2, args, &code, &named);
      if (close == nullptr) return sink.Fail(code, named ? text : nullptr, 31), -1;
      float value = 0;
      if (!sink.Call(token, args, &value)) return -1;
      if (k == kMaxOperands) return sink.Fail(kErrTooLong, nullptr, 0), -1;
      entries[k++] = {value, '*', -1};
      token[0] = '1';
      tlen = 1;
      p = close;
    } else if (c == ')') {
      base -= 10;
    } else {
      if (tlen >= static_cast<size_t>(kMaxToken)) return sink.Fail(kErrTooLong, nullptr, 0), -1;
      token[tlen++] = c;
    }
  }
  if (base != 0) return sink.Fail(kErrParen, text, 31), -1;
  return k;
}

}  // namespace zep
