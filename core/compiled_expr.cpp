#include "core/compiled_expr.h"

#include <cstring>

#include "core/args.h"
#include "core/eval.h"
#include "core/eval_parts.h"
#include "core/run_settings.h"
#include "core/variables.h"

namespace zep {

int ResolveVariable(VariableRef* ref, const char* name, size_t n) {
  if (ref->index >= 0) return ref->index;
  if (ref->missing_at == store.variable_count) return -1;
  int i = FindVariable(name, n);
  if (i >= 0) {
    ref->index = i;
  } else {
    ref->missing_at = store.variable_count;
  }
  return i;
}

namespace {

// The scanner's requests recorded as operands, one per entry, in order.
struct CompileSink {
  CompiledExpr* expr;

  // An operand token, read as ReadOperand reads it; the clock's names are
  // left to EvalExpr (a second reading could see another second).
  bool Operand(const char* token, size_t length, float*) {
    CompiledOperand o;
    int reserved = length == 0 ? -1 : ReservedId(token);
    double v = 0;
    if (length == 0 || (token[0] == '0' && token[1] == '\0')) {
      o.value = 0;
    } else if (reserved >= kFirstClockId) {
      return false;
    } else if (reserved == kPiId) {
      o.value = static_cast<float>(ReservedValue(kPiId));
    } else if (reserved >= 0) {
      o.kind = CompiledOperand::kReserved;
      o.id = reserved;
    } else {
      size_t used = ParseDecimal(token, &v);
      if (used > 0 && (v != 0 || token[used] == '\0')) {
        o.value = static_cast<float>(v);
      } else {
        o.kind = CompiledOperand::kVariable;
        o.name = token;
      }
    }
    expr->operands.push_back(std::move(o));
    return true;
  }

  // name(args): an array element or a built-in, decided at each pass.
  bool Call(const char* name, const char* args, float*) {
    CompiledOperand o;
    o.kind = CompiledOperand::kCall;
    o.name = name;
    o.args = args;
    o.id = BuiltinId(name);
    for (int k = 0; k < 2; ++k) {
      const char* start;
      size_t length;
      if (FindArg(args, k, &start, &length) == 0) o.index[k] = CompileExpr(start, length);
    }
    if (o.id >= 0 && args[0] != '\0' && CountArgs(args) == 1) {
      o.argument = CompileExpr(args, std::strlen(args));
    }
    expr->operands.push_back(std::move(o));
    return true;
  }

  void Fail(uint8_t, const char*, size_t) {}
};

// The joins of the reduction, replayed on the priorities alone.
void RecordSteps(ExprEntry* e, int k, CompiledExpr* expr) {
  uint8_t slots[kMaxOperands];
  for (int i = 0; i < k; ++i) slots[i] = static_cast<uint8_t>(i);
  while (k > 1) {
    int i = NextPair(e);
    expr->steps.push_back({slots[i], slots[i + 1], e[i].op});
    e[i].op = e[i + 1].op;
    e[i].priority = e[i + 1].priority;
    for (int j = i + 1; j + 1 < k; ++j) {
      e[j] = e[j + 1];
      slots[j] = slots[j + 1];
    }
    --k;
  }
}

// A sub-expression's value, or false when it is missing or gives up.
bool EvalPart(WindowRef window, const std::unique_ptr<CompiledExpr>& part, float* value) {
  return part != nullptr && part->ok && EvalCompiled(window, *part, value);
}

// An array element, checked as the evaluator checks it.
bool ElementValue(WindowRef window, CompiledOperand& o, int v, float* value) {
  float row_value, col_value;
  if (!EvalPart(window, o.index[0], &row_value)) return false;
  if (!EvalPart(window, o.index[1], &col_value)) return false;
  uint16_t row = TruncToIndex(row_value), col = TruncToIndex(col_value);
  if (row >= store.rows[v] || col >= store.cols[v]) return false;
  *value = static_cast<float>(VariableCells(v)[row * store.cols[v] + col]);
  return true;
}

// A built-in function's value, left in function_result as CallFunction
// leaves it. A domain fault is taken back, for EvalExpr to meet again.
bool BuiltinCallValue(WindowRef window, CompiledOperand& o, float* value) {
  function_result = 0;
  float x;
  if (!EvalPart(window, o.argument, &x)) return false;
  double r;
  if (!BuiltinValue(o.id, x, &r)) {
    ClearError();
    return false;
  }
  function_result = r;
  *value = static_cast<float>(function_result);
  return true;
}

bool OperandValue(WindowRef window, CompiledOperand& o, float* value) {
  switch (o.kind) {
    case CompiledOperand::kConstant: *value = o.value; return true;
    case CompiledOperand::kReserved: *value = static_cast<float>(ReservedValue(o.id)); return true;
    case CompiledOperand::kVariable: {
      int v = ResolveVariable(&o.var, o.name.data(), o.name.size());
      if (v < 0) return false;
      *value = static_cast<float>(VariableCells(v)[0]);
      return true;
    }
    default: {
      int v = ResolveVariable(&o.var, o.name.data(), o.name.size());
      if (v >= 0) return ElementValue(window, o, v, value);
      return o.id >= 0 && BuiltinCallValue(window, o, value);
    }
  }
}

}  // namespace

std::unique_ptr<CompiledExpr> CompileExpr(const char* text, size_t n) {
  auto expr = std::make_unique<CompiledExpr>();
  expr->text.assign(text, n);
  ExprEntry entries[kMaxOperands];
  CompileSink sink{expr.get()};
  int k = ScanExpression(expr->text.c_str(), sink, entries);
  expr->ok = k > 0;
  if (expr->ok) {
    RecordSteps(entries, k, expr.get());
  } else {
    expr->operands.clear();
  }
  return expr;
}

bool EvalCompiled(WindowRef window, CompiledExpr& expr, float* value) {
  float values[kMaxOperands];
  size_t count = expr.operands.size();
  for (size_t i = 0; i < count; ++i) {
    if (!OperandValue(window, expr.operands[i], &values[i])) return false;
  }
  for (const CompiledStep& s : expr.steps) {
    if (!ApplyOperator(s.op, values[s.left], values[s.right], &values[s.left])) return false;
  }
  *value = values[0];
  return true;
}

float EvalCached(WindowRef window, CompiledExpr& expr) {
  float value;
  if (expr.ok && EvalCompiled(window, expr, &value)) return value;
  return EvalExpr(window, expr.text.c_str());
}

size_t CompiledSize(const CompiledExpr& expr) {
  size_t bytes = sizeof expr + expr.text.capacity() +
                 expr.operands.capacity() * sizeof(CompiledOperand) +
                 expr.steps.capacity() * sizeof(CompiledStep);
  for (const CompiledOperand& o : expr.operands) {
    bytes += o.name.capacity() + o.args.capacity();
    for (const auto& part : {&o.index[0], &o.index[1], &o.argument}) {
      if (*part != nullptr) bytes += CompiledSize(**part);
    }
  }
  return bytes;
}

}  // namespace zep
