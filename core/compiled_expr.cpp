#include "core/compiled_expr.h"

#include <cstring>

#include "core/args.h"
#include "core/eval.h"
#include "core/eval_parts.h"
#include "core/run_settings.h"
#include "core/variables.h"

namespace zep {

int LookUpVariable(VariableRef* ref, const char* name, size_t n) {
  if (ref->missing_at == variable_store.variable_count) return -1;
  int i = FindVariable(name, n);
  if (i >= 0) {
    ref->index = i;
  } else {
    ref->missing_at = variable_store.variable_count;
  }
  return i;
}

namespace {

constexpr int kMaxStack = 256;  // deeper expressions are left to EvalExpr

// An operand as the scanner met it.
struct Leaf {
  enum Kind : uint8_t { kConstant, kReserved, kVariable, kCall };
  Kind kind = kConstant;
  float value = 0;
  int id = -1;       // kReserved: the name; kCall: the built-in, or -1
  std::string name;  // kVariable, kCall
  std::string args;  // kCall
};

// The scanner's requests recorded as leaves, one per entry, in order.
struct LeafSink {
  std::vector<Leaf>* leaves;

  // An operand token, read as ReadOperand reads it; the clock's names are
  // left to EvalExpr (a second reading could see another second).
  bool Operand(const char* token, size_t length, float*) {
    Leaf leaf;
    int reserved = length == 0 ? -1 : ReservedId(token);
    double v = 0;
    if (length == 0 || (token[0] == '0' && token[1] == '\0')) {
      leaf.value = 0;
    } else if (reserved >= kFirstClockId) {
      return false;
    } else if (reserved == kPiId) {
      leaf.value = static_cast<float>(ReservedValue(kPiId));
    } else if (reserved >= 0) {
      leaf.kind = Leaf::kReserved;
      leaf.id = reserved;
    } else {
      size_t used = ParseDecimal(token, &v);
      if (used > 0 && (v != 0 || token[used] == '\0')) {
        leaf.value = static_cast<float>(v);
      } else {
        leaf.kind = Leaf::kVariable;
        leaf.name = token;
      }
    }
    leaves->push_back(std::move(leaf));
    return true;
  }

  bool Call(const char* name, const char* args, float*) {
    Leaf leaf;
    leaf.kind = Leaf::kCall;
    leaf.name = name;
    leaf.args = args;
    leaf.id = BuiltinId(name);
    leaves->push_back(std::move(leaf));
    return true;
  }

  void Fail(uint8_t, const char*, size_t) {}
};

// The tree of the reduction's joins: node i < leaf count is a leaf.
struct Join {
  int left, right;
  char op;
};

// Writes the code of one expression text into expr, operands from the left
// and each join after its two sides, so that values are read in the
// evaluator's order. Gives false when the text can't be compiled.
class Emitter {
 public:
  explicit Emitter(CompiledExpr* expr) : expr_(expr) {}

  bool Text(const char* text) {
    std::vector<Leaf> leaves;
    LeafSink sink{&leaves};
    ExprEntry entries[kMaxOperands];
    int k = ScanExpression(text, sink, entries);
    if (k <= 0) return false;
    std::vector<Join> joins;
    int root = Joins(entries, k, &joins);
    return Node(leaves, joins, root);
  }

  bool StackFits() const { return max_depth_ <= kMaxStack; }

 private:
  // Replays the reduction on the priorities alone.
  static int Joins(ExprEntry* e, int k, std::vector<Join>* joins) {
    int nodes[kMaxOperands];
    int leaf_count = k;
    for (int i = 0; i < k; ++i) nodes[i] = i;
    while (k > 1) {
      int i = NextPair(e);
      joins->push_back({nodes[i], nodes[i + 1], e[i].op});
      nodes[i] = leaf_count + static_cast<int>(joins->size()) - 1;
      e[i].op = e[i + 1].op;
      e[i].priority = e[i + 1].priority;
      for (int j = i + 1; j + 1 < k; ++j) e[j] = e[j + 1], nodes[j] = nodes[j + 1];
      --k;
    }
    return nodes[0];
  }

  bool Node(const std::vector<Leaf>& leaves, const std::vector<Join>& joins, int node) {
    int leaf_count = static_cast<int>(leaves.size());
    if (node < leaf_count) return LeafCode(leaves[static_cast<size_t>(node)]);
    const Join& j = joins[static_cast<size_t>(node - leaf_count)];
    if (!Node(leaves, joins, j.left)) return false;
    // A function's value is joined to the 1 that stands for it after its
    // `)`; times 1 gives the same float, so only the value is computed.
    if (IsOne(leaves, j.right) && j.op == '*' && j.left < leaf_count &&
        leaves[static_cast<size_t>(j.left)].kind == Leaf::kCall) {
      return true;
    }
    static const char kOps[] = "+-*/%";
    int op = static_cast<int>(std::strchr(kOps, j.op) - kOps);
    ExprOp::Plain right;
    if (PlainLeaf(leaves, j.right, &right)) {
      ExprOp join{static_cast<ExprOp::Code>(ExprOp::kAddPlain + op)};
      join.row = right;
      Emit(join, 0);
      return true;
    }
    if (!Node(leaves, joins, j.right)) return false;
    Emit({static_cast<ExprOp::Code>(ExprOp::kAdd + op)}, -1);
    return true;
  }

  // A leaf that is a number or a variable, as a plain operand.
  bool PlainLeaf(const std::vector<Leaf>& leaves, int node, ExprOp::Plain* plain) {
    if (node >= static_cast<int>(leaves.size())) return false;
    const Leaf& leaf = leaves[static_cast<size_t>(node)];
    if (leaf.kind == Leaf::kConstant) return *plain = {false, 0, leaf.value}, true;
    if (leaf.kind == Leaf::kVariable) return *plain = {true, Name(leaf.name), 0}, true;
    return false;
  }

  static bool IsOne(const std::vector<Leaf>& leaves, int node) {
    if (node >= static_cast<int>(leaves.size())) return false;
    const Leaf& leaf = leaves[static_cast<size_t>(node)];
    return leaf.kind == Leaf::kConstant && leaf.value == 1.0f;
  }

  bool LeafCode(const Leaf& leaf) {
    switch (leaf.kind) {
      case Leaf::kConstant: Emit({ExprOp::kConstant, 0, 0, leaf.value}, 1); return true;
      case Leaf::kReserved:
        Emit({ExprOp::kReserved, static_cast<uint8_t>(leaf.id)}, 1);
        return true;
      case Leaf::kVariable: Emit({ExprOp::kVariable, 0, Name(leaf.name)}, 1); return true;
      default: return CallCode(leaf);
    }
  }

  // name(args): an array element when the variable exists at that moment,
  // else a built-in function; anything else is given up.
  bool CallCode(const Leaf& leaf) {
    uint16_t name = Name(leaf.name);
    ExprOp::Plain row, column;
    size_t branch, over;
    if (PlainPart(leaf.args, 0, &row) && PlainPart(leaf.args, 1, &column)) {
      ExprOp quick{ExprOp::kQuickElement, 0, name};
      quick.row = row;
      quick.column = column;
      branch = Emit(quick, 1);
      over = Emit({ExprOp::kJump}, 0);
    } else {
      branch = Emit({ExprOp::kArrayOrJump, 0, name}, 0);
      for (int k = 0; k < 2; ++k) {
        const char* start;
        size_t length;
        if (FindArg(leaf.args.c_str(), k, &start, &length) == 0) {
          Part(std::string(start, length));
        } else {
          Emit({ExprOp::kGiveUp}, 0);
        }
      }
      Emit({ExprOp::kElement, 0, name}, -1);
      over = Emit({ExprOp::kJump}, 0);
    }
    Here(branch);
    Emit({ExprOp::kResultZero}, 0);
    bool one = !leaf.args.empty() && CountArgs(leaf.args.c_str()) == 1;
    if (leaf.id >= 0 && one) {
      Part(leaf.args);
      Emit({ExprOp::kBuiltin, static_cast<uint8_t>(leaf.id)}, 0);
    } else {
      Emit({ExprOp::kGiveUp}, 1);
    }
    depth_ -= 1;  // the two ways leave one value between them
    Here(over);
    return true;
  }

  // Argument k of args when it is one number or one variable name.
  bool PlainPart(const std::string& args, int k, ExprOp::Plain* plain) {
    const char* start;
    size_t length;
    if (FindArg(args.c_str(), k, &start, &length) != 0) return false;
    std::vector<Leaf> leaves;
    LeafSink sink{&leaves};
    ExprEntry entries[kMaxOperands];
    std::string text(start, length);
    if (ScanExpression(text.c_str(), sink, entries) != 1) return false;
    const Leaf& leaf = leaves[0];
    if (leaf.kind == Leaf::kConstant) {
      *plain = {false, 0, leaf.value};
      return true;
    }
    if (leaf.kind != Leaf::kVariable) return false;
    *plain = {true, Name(leaf.name), 0};
    return true;
  }

  // A text that EvalExpr evaluates on its own (an index, an argument): its
  // code, or a give-up when it can't be compiled.
  void Part(const std::string& text) {
    size_t mark = expr_->code.size();
    int depth = depth_;
    if (!Text(text.c_str())) {
      expr_->code.resize(mark);
      depth_ = depth;
      Emit({ExprOp::kGiveUp}, 1);
    }
  }

  uint16_t Name(const std::string& name) {
    for (size_t i = 0; i < expr_->names.size(); ++i) {
      if (expr_->names[i].name == name) return static_cast<uint16_t>(i);
    }
    expr_->names.push_back({name, {}});
    return static_cast<uint16_t>(expr_->names.size() - 1);
  }

  size_t Emit(ExprOp op, int stack_change) {
    expr_->code.push_back(op);
    depth_ += stack_change;
    if (depth_ > max_depth_) max_depth_ = depth_;
    return expr_->code.size() - 1;
  }

  void Here(size_t jump_op) { expr_->code[jump_op].jump = static_cast<int32_t>(expr_->code.size()); }

  CompiledExpr* expr_;
  int depth_ = 0, max_depth_ = 0;
};

// A division or remainder on the stack's top value by b.
bool Divide(ExprOp::Code code, float* top, float b) {
  return ApplyOperator(code == ExprOp::kDivide || code == ExprOp::kDividePlain ? '/' : '%', *top, b,
                       top);
}

// A plain operand's value; false for a variable that does not exist.
bool PlainValue(CompiledExpr& expr, const ExprOp::Plain& plain, float* value) {
  if (!plain.variable) {
    *value = plain.value;
    return true;
  }
  NamedVariable& n = expr.names[plain.name];
  int v = ResolveVariable(&n.ref, n.name.data(), n.name.size());
  if (v < 0) return false;
  *value = static_cast<float>(VariableCells(v)[0]);
  return true;
}

// names[op.name](row, column) of two plain operands.
bool QuickElement(CompiledExpr& expr, const ExprOp& op, float* out) {
  int v = expr.names[op.name].ref.index;
  float row_value, col_value;
  if (!PlainValue(expr, op.row, &row_value) || !PlainValue(expr, op.column, &col_value)) {
    return false;
  }
  uint16_t row = TruncToIndex(row_value), col = TruncToIndex(col_value);
  if (row >= variable_store.rows[v] || col >= variable_store.cols[v]) return false;
  *out = static_cast<float>(VariableCells(v)[row * variable_store.cols[v] + col]);
  return true;
}

// The element names[op.name](row, column) on the stack's top two values.
bool Element(const CompiledExpr& expr, const ExprOp& op, float* stack, int* sp) {
  int v = expr.names[op.name].ref.index;
  *sp -= 2;
  uint16_t row = TruncToIndex(stack[*sp]), col = TruncToIndex(stack[*sp + 1]);
  if (row >= variable_store.rows[v] || col >= variable_store.cols[v]) return false;
  stack[(*sp)++] = static_cast<float>(VariableCells(v)[row * variable_store.cols[v] + col]);
  return true;
}

// A built-in function's value, left in function_result as CallFunction
// leaves it. A domain fault is taken back, for EvalExpr to meet again.
bool Builtin(const ExprOp& op, float* top) {
  double r;
  if (!BuiltinValue(op.id, *top, &r)) {
    ClearError();
    return false;
  }
  run_state.function_result = r;
  *top = static_cast<float>(run_state.function_result);
  return true;
}

// A number or variable operation as a plain operand.
bool AsPlain(const ExprOp& op, ExprOp::Plain* plain) {
  if (op.code == ExprOp::kConstant) return *plain = {false, 0, op.value}, true;
  if (op.code == ExprOp::kVariable) return *plain = {true, op.name, 0}, true;
  return false;
}

}  // namespace

std::unique_ptr<CompiledExpr> CompileExpr(const char* text, size_t n) {
  auto expr = std::make_unique<CompiledExpr>();
  expr->text.assign(text, n);
  Emitter emitter(expr.get());
  expr->ok = emitter.Text(expr->text.c_str()) && emitter.StackFits();
  if (!expr->ok) {
    expr->code.clear();
    expr->names.clear();
  } else if (expr->code.size() == 1 && expr->code[0].code == ExprOp::kConstant) {
    expr->shape = CompiledExpr::kNumber;
  } else if (expr->code.size() == 1 && expr->code[0].code == ExprOp::kVariable) {
    expr->shape = CompiledExpr::kOneVariable;
  } else if (expr->code.size() == 2 && AsPlain(expr->code[0], &expr->left) &&
             expr->code[1].code >= ExprOp::kAddPlain) {
    static const char kOps[] = "+-*/%";
    expr->shape = CompiledExpr::kPair;
    expr->right = expr->code[1].row;
    expr->op = kOps[expr->code[1].code - ExprOp::kAddPlain];
  }
  return expr;
}

bool EvalCompiled(WindowRef, CompiledExpr& expr, float* value) {
  float stack[kMaxStack];
  int sp = 0;
  const ExprOp* code = expr.code.data();
  const int32_t end = static_cast<int32_t>(expr.code.size());
  for (int32_t pc = 0; pc < end; ++pc) {
    const ExprOp& op = code[pc];
    switch (op.code) {
      case ExprOp::kConstant: stack[sp++] = op.value; break;
      case ExprOp::kReserved: stack[sp++] = static_cast<float>(ReservedValue(op.id)); break;
      case ExprOp::kVariable: {
        NamedVariable& n = expr.names[op.name];
        int v = ResolveVariable(&n.ref, n.name.data(), n.name.size());
        if (v < 0) return false;
        stack[sp++] = static_cast<float>(VariableCells(v)[0]);
        break;
      }
      case ExprOp::kArrayOrJump: {
        NamedVariable& n = expr.names[op.name];
        if (ResolveVariable(&n.ref, n.name.data(), n.name.size()) < 0) pc = op.jump - 1;
        break;
      }
      case ExprOp::kQuickElement: {
        NamedVariable& n = expr.names[op.name];
        if (ResolveVariable(&n.ref, n.name.data(), n.name.size()) < 0) {
          pc = op.jump - 1;
        } else if (!QuickElement(expr, op, &stack[sp++])) {
          return false;
        }
        break;
      }
      case ExprOp::kElement:
        if (!Element(expr, op, stack, &sp)) return false;
        break;
      case ExprOp::kResultZero: run_state.function_result = 0; break;
      case ExprOp::kBuiltin:
        if (!Builtin(op, &stack[sp - 1])) return false;
        break;
      case ExprOp::kGiveUp: return false;
      case ExprOp::kJump: pc = op.jump - 1; break;
      case ExprOp::kAdd: --sp, stack[sp - 1] = stack[sp - 1] + stack[sp]; break;
      case ExprOp::kSubtract: --sp, stack[sp - 1] = stack[sp - 1] - stack[sp]; break;
      case ExprOp::kMultiply: --sp, stack[sp - 1] = stack[sp - 1] * stack[sp]; break;
      case ExprOp::kDivide:
      case ExprOp::kRemainder:
        --sp;
        if (!Divide(op.code, &stack[sp - 1], stack[sp])) return false;
        break;
      default: {
        float b;
        if (!PlainValue(expr, op.row, &b)) return false;
        float& a = stack[sp - 1];
        switch (op.code) {
          case ExprOp::kAddPlain: a = a + b; break;
          case ExprOp::kSubtractPlain: a = a - b; break;
          case ExprOp::kMultiplyPlain: a = a * b; break;
          default:
            if (!Divide(op.code, &a, b)) return false;
            break;
        }
        break;
      }
    }
  }
  *value = stack[0];
  return true;
}

size_t CompiledSize(const CompiledExpr& expr) {
  size_t bytes = sizeof expr + expr.text.capacity() + expr.code.capacity() * sizeof(ExprOp) +
                 expr.names.capacity() * sizeof(NamedVariable);
  for (const NamedVariable& n : expr.names) bytes += n.name.capacity();
  return bytes;
}

}  // namespace zep
