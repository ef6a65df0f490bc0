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
#include "core/eval.h"
#include "core/eval_parts.h"
#include "core/variables.h"

namespace zep {

// A variable looked up by name once it exists. The store only grows
// during a run, so an index found stays right, and a name missing while
// the variable count is unchanged is still missing.
struct VariableRef {
  int index = -1;
  int missing_at = -1;  // variable_count at the last failed lookup
};

// The index of the variable name (n bytes), or -1.
int LookUpVariable(VariableRef* ref, const char* name, size_t n);
inline int ResolveVariable(VariableRef* ref, const char* name, size_t n) {
  return ref->index >= 0 ? ref->index : LookUpVariable(ref, name, n);
}

// One step of a compiled expression, run on a stack of 32-bit floats.
struct ExprOp {
  enum Code : uint8_t {
    kConstant,     // push value
    kReserved,     // push the reserved name `id`
    kVariable,     // push the variable names[name] (give up when missing)
    kArrayOrJump,  // names[name] missing: go to jump (the function's code)
    kQuickElement, // the same, then names[name](row, column) of two plain operands
    kElement,      // pop column, row; push names[name](row, column)
    kResultZero,   // function_result = 0, as a function call starts
    kBuiltin,      // the built-in `id` of the top value, in function_result too
    kGiveUp,       // what EvalExpr would refuse or hand to a command
    kJump,
    kAdd, kSubtract, kMultiply, kDivide, kRemainder,
    // The same joins with a plain right operand, held in row, taken at once.
    kAddPlain, kSubtractPlain, kMultiplyPlain, kDividePlain, kRemainderPlain,
  };
  // A plain operand of kQuickElement: a number or a variable.
  struct Plain {
    bool variable;
    uint16_t name;
    float value;
  };
  Code code;
  uint8_t id = 0;
  uint16_t name = 0;
  float value = 0;
  int32_t jump = 0;
  Plain row = {}, column = {};
};

struct NamedVariable {
  std::string name;
  VariableRef ref;
};

struct CompiledExpr {
  std::string text;  // what EvalExpr is given when the pass gives up
  bool ok = false;   // false: always EvalExpr (a static fault, the clock)
  // A whole expression that is one number or one variable, or one
  // operator between two of them, taken at once.
  enum Shape : uint8_t { kCode, kNumber, kOneVariable, kPair };
  Shape shape = kCode;
  ExprOp::Plain left = {}, right = {};  // kPair
  char op = 0;
  std::vector<ExprOp> code;
  std::vector<NamedVariable> names;
};

// Compiles text (which need not be valid: a faulty text is kept for EvalExpr).
std::unique_ptr<CompiledExpr> CompileExpr(const char* text, size_t n);

// A compiled pass: true with *value, or false having given up.
bool EvalCompiled(WindowRef window, CompiledExpr& expr, float* value);

// The value as EvalExpr gives it: a compiled pass, or EvalExpr when it gives up.
// A plain operand whose variable was found before; false when it has not been.
inline bool KnownPlainValue(const CompiledExpr& expr, const ExprOp::Plain& p, float* value) {
  if (!p.variable) return *value = p.value, true;
  int v = expr.names[p.name].ref.index;
  if (v < 0) return false;
  *value = static_cast<float>(VariableCells(v)[0]);
  return true;
}

inline float EvalCached(WindowRef window, CompiledExpr& expr) {
  if (expr.shape == CompiledExpr::kNumber) return expr.code[0].value;
  if (expr.shape == CompiledExpr::kOneVariable && expr.names[0].ref.index >= 0) {
    return static_cast<float>(VariableCells(expr.names[0].ref.index)[0]);
  }
  float value, a, b;
  if (expr.shape == CompiledExpr::kPair && KnownPlainValue(expr, expr.left, &a) &&
      KnownPlainValue(expr, expr.right, &b) && ApplyOperator(expr.op, a, b, &value)) {
    return value;
  }
  if (expr.ok && EvalCompiled(window, expr, &value)) return value;
  return EvalExpr(window, expr.text.c_str());
}

// Bytes of memory held by a compiled expression, for the cache's size.
size_t CompiledSize(const CompiledExpr& expr);

}  // namespace zep
