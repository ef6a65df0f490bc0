// Expressions compiled once for the statement cache: the operands in order
// from the left, and the joins the evaluator's reduction would make (which
// depend on the text alone). A pass reads the operands and computes the
// joins with the evaluator's own operations, so each result is the same
// 32-bit float.
//
// Whatever a compiled pass can't do exactly as the evaluator does (a
// variable that does not exist yet, a command called for its value, a
// division by zero, a built-in function's domain fault, an index that the
// argument helpers would refuse) makes it give up before anything
// observable has happened; the caller then evaluates the text with
// EvalExpr, which does the same work and reports the fault at the same
// moment. Only function_result and rand()'s seed are touched before
// giving up, and EvalExpr sets both again in the same order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/common.h"

namespace zep {

// A variable looked up by name once it exists. The store only grows
// during a run, so an index found stays right, and a name missing while
// the variable count is unchanged is still missing.
struct VariableRef {
  int index = -1;
  int missing_at = -1;  // variable_count at the last failed lookup
};

// The index of the variable name (n bytes), or -1.
int ResolveVariable(VariableRef* ref, const char* name, size_t n);

struct CompiledExpr;

struct CompiledOperand {
  enum Kind : uint8_t { kConstant, kReserved, kVariable, kCall };
  Kind kind = kConstant;
  float value = 0;      // kConstant
  int id = -1;          // kReserved: the reserved name; kCall: the built-in, or -1
  std::string name;     // kVariable, kCall
  VariableRef var;
  std::string args;     // kCall: the text inside its parentheses
  // kCall: row and column when name is an array; the one argument of a
  // built-in. Null when the text can't be compiled.
  std::unique_ptr<CompiledExpr> index[2];
  std::unique_ptr<CompiledExpr> argument;
};

struct CompiledStep {
  uint8_t left, right;  // operand slots; the result goes to left
  char op;
};

struct CompiledExpr {
  std::string text;  // what EvalExpr is given when the pass gives up
  bool ok = false;   // false: always EvalExpr (a static fault, the clock)
  std::vector<CompiledOperand> operands;
  std::vector<CompiledStep> steps;
};

// Compiles text (which need not be valid: a faulty text is kept for EvalExpr).
std::unique_ptr<CompiledExpr> CompileExpr(const char* text, size_t n);

// A compiled pass: true with *value, or false having given up.
bool EvalCompiled(WindowRef window, CompiledExpr& expr, float* value);

// The value as EvalExpr gives it: a compiled pass, or EvalExpr when it gives up.
float EvalCached(WindowRef window, CompiledExpr& expr);

// Bytes of memory held by a compiled expression, for the cache's size.
size_t CompiledSize(const CompiledExpr& expr);

}  // namespace zep
