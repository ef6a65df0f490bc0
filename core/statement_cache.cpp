#include "core/statement_cache.h"

#include <cstring>

#include "core/args.h"
#include "core/dispatch.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/program.h"
#include "core/text.h"
#include "core/variables.h"

namespace zep {

bool statement_cache_enabled = true;

namespace {

// One run's statements: an index from text position to entry, and the
// entries (each on its own, so that it stays put while others are added).
struct StatementCache {
  const char* text = nullptr;
  unsigned program = 0, variables = 0;  // the generations it was made for
  std::vector<int32_t> index;
  std::vector<std::unique_ptr<CachedStatement>> entries;
  std::vector<CachedStatement*> pointers;  // the same entries, for the inline lookup
};

std::unique_ptr<StatementCache> cache;
// Caches dropped while a walk was using them, freed when no walk is left.
std::vector<std::unique_ptr<StatementCache>> retired;
int walks = 0;
CachedArgs* active_args = nullptr;

void Retire() {
  if (walks > 0 && cache != nullptr) retired.push_back(std::move(cache));
  cache.reset();
  statement_index = StatementIndex{};
  if (walks == 0) retired.clear();
}

// Points the inline lookup at the cache's tables (again after they grew).
void Publish(StatementCache* c) {
  statement_index.text = c->text;
  statement_index.program = c->program;
  statement_index.variables = c->variables;
  statement_index.slots = c->index.data();
  statement_index.size = c->index.size();
  statement_index.entries = c->pointers.data();
}

// The cache for the current program text and store, made afresh when either changed.
StatementCache* CurrentCache() {
  if (cache != nullptr && cache->text == program_text && cache->program == program_generation &&
      cache->variables == store_generation) {
    return cache.get();
  }
  Retire();
  cache = std::make_unique<StatementCache>();
  cache->text = program_text;
  cache->program = program_generation;
  cache->variables = store_generation;
  cache->index.assign(std::strlen(program_text) + 1, -1);
  Publish(cache.get());
  return cache.get();
}

// The error state, put back after a fill tried what the dispatcher does.
struct SavedError {
  SavedError() : code(error_code) { std::memcpy(name, error_name, sizeof name); }
  ~SavedError() {
    error_code = code;
    std::memcpy(error_name, name, sizeof name);
  }
  uint8_t code;
  char name[sizeof error_name];
};

// An assignment's target and value. Gives false when the statement is none
// or can't be kept (the old path then reports what it reports today).
bool FillAssignment(CachedStatement* s) {
  char text[kMaxAssignment + 1];
  size_t equals = 0;
  if (CutAssignment(s->pos, text, &equals) <= 0) return false;
  text[equals] = '\0';
  const char* expression = text + equals + 1;
  s->value = CompileExpr(expression, std::strlen(expression));
  char* open = std::strchr(text, '(');
  if (open == nullptr) {
    s->target = text;
    s->kind = CachedStatement::kAssign;
    return true;
  }
  *open = '\0';
  char* close = std::strrchr(open + 1, ')');
  if (close != nullptr) *close = '\0';
  s->target = text;
  CompileArgs(open + 1, false, &s->args);
  s->kind = CachedStatement::kElementAssign;
  return true;
}

// Works out what the statement at s->pos is, as DispatchStatement would.
void Fill(CachedStatement* s) {
  SavedError saved;
  char statement[kMaxStatement + 1], name[kMaxStatement + 1], args[kMaxStatement + 1];
  if (!CopyStatement(program_text, s->pos, statement)) return;
  StatementName(statement, name);
  if (!StatementArgs(statement, args) || name[0] == '\0' || error_code != 0) return;
  SetErrorName(name);
  std::memset(s->error_name, 0, sizeof s->error_name);
  std::strcpy(s->error_name, error_name);
  if ((s->row = FindCommand(name, kPhaseRun)) != nullptr) {
    s->kind = CachedStatement::kCommand;
    CompileArgs(args, false, &s->args);
    return;
  }
  if (statement[0] == '}') {
    s->kind = CachedStatement::kNothing;  // a block's end met as a statement
    return;
  }
  int arg_count = 0;
  int kind = ControlStatementKind(name, false, &arg_count);
  if (kind >= 0) {
    if (!CheckArgCount(args, arg_count)) return;
    s->kind = CachedStatement::kControl;
    s->control = kind;
    CompileArgs(args, kind == kStmtIf, &s->args);
    return;
  }
  if (!FillAssignment(s) || error_code != 0) s->kind = CachedStatement::kOldPath;
}

// Argument k as GetNumArg gives it: its compiled piece, or the helper itself
// for one that could not be located (which sets the code).
float ArgValue(WindowRef window, CachedArgs* args, int k) {
  if (k < args->count && args->pieces[static_cast<size_t>(k)] != nullptr) {
    return EvalCached(window, *args->pieces[static_cast<size_t>(k)]);
  }
  return GetNumArg(window, args->text.c_str(), k);
}

// Stores value in target(indices), checked as AssignElement checks it.
void RunElementAssign(WindowRef window, CachedStatement* s, float value) {
  int v = ResolveVariable(&s->target_var, s->target.data(), s->target.size());
  if (v < 0) return SetError(kErrNoArray, s->target.c_str());
  ActiveArgs active(&s->args);
  uint16_t row = TruncToIndex(ArgValue(window, &s->args, 0));
  if (error_code != 0) return;
  uint16_t col = TruncToIndex(ArgValue(window, &s->args, 1));
  if (error_code != 0) return;
  if (row >= store.rows[v] || col >= store.cols[v]) {
    return SetError(kErrArrayRange, s->target.c_str());
  }
  VariableCells(v)[row * store.cols[v] + col] = value;
}

void RunAssign(WindowRef window, CachedStatement* s) {
  float value = EvalCached(window, *s->value);
  if (error_code != 0) return;
  if (s->kind == CachedStatement::kElementAssign) return RunElementAssign(window, s, value);
  int v = ResolveVariable(&s->target_var, s->target.data(), s->target.size());
  if (v >= 0) {
    VariableCells(v)[0] = value;
  } else if (!CreatePlainVariable(s->target.c_str(), value)) {
    SetErrorName(s->target.c_str());
  }
}

size_t ArgsSize(const CachedArgs& a) {
  size_t bytes = a.text.capacity() + a.pieces.capacity() * sizeof(a.pieces[0]);
  for (const auto& p : a.pieces) bytes += p ? CompiledSize(*p) : 0;
  for (const auto& p : a.sides) bytes += p ? CompiledSize(*p) : 0;
  return bytes;
}

}  // namespace

void CompileArgs(const char* text, bool condition, CachedArgs* out) {
  out->text = text;
  out->count = CountArgs(text);
  for (int k = 0; k < out->count; ++k) {
    const char* start;
    size_t length;
    bool located = FindArg(text, k, &start, &length) == 0 && length <= kMaxStatement;
    out->pieces.push_back(located ? CompileExpr(start, length) : nullptr);
  }
  const char* right = nullptr;
  size_t left_length = 0;
  if (condition && (out->comparison = ConditionParts(text, &left_length, &right)) >= 0) {
    out->sides[0] = CompileExpr(text, left_length);
    out->sides[1] = CompileExpr(right, std::strlen(right));
  }
}

StatementIndex statement_index;

CachedStatement* FillStatementAt(int pos) {
  if (!statement_cache_enabled || program_text == nullptr) return nullptr;
  StatementCache* c = CurrentCache();
  if (pos < 0 || static_cast<size_t>(pos) >= c->index.size()) return nullptr;
  int32_t& slot = c->index[static_cast<size_t>(pos)];
  if (slot >= 0) return c->entries[static_cast<size_t>(slot)].get();
  slot = static_cast<int32_t>(c->entries.size());
  c->entries.push_back(std::make_unique<CachedStatement>());
  CachedStatement* s = c->entries.back().get();
  c->pointers.push_back(s);
  s->pos = pos;
  Publish(c);
  Fill(s);
  return s;
}

int RunCachedStatement(WindowRef window, CachedStatement* s) {
  if (s->kind == CachedStatement::kOldPath) return DispatchStatement(window, s->pos);
  std::memcpy(error_name, s->error_name, sizeof error_name);
  switch (s->kind) {
    case CachedStatement::kCommand: {
      ActiveArgs active(&s->args);
      s->row->handler(window, s->args.text.c_str(), s->row->extra);
      return kStmtDone;
    }
    case CachedStatement::kControl: return s->control;
    case CachedStatement::kNothing: return kStmtDone;
    default: RunAssign(window, s); return kStmtDone;
  }
}

CachedArgs* ActiveArgsFor(const char* text) {
  return active_args != nullptr && active_args->text.c_str() == text ? active_args : nullptr;
}

ActiveArgs::ActiveArgs(CachedArgs* args) : saved_(active_args) { active_args = args; }
ActiveArgs::~ActiveArgs() { active_args = saved_; }

CacheUse::CacheUse() { ++walks; }
CacheUse::~CacheUse() {
  if (--walks == 0) retired.clear();
}

size_t StatementCacheBytes() {
  if (cache == nullptr) return 0;
  size_t bytes = sizeof *cache + cache->index.capacity() * sizeof(int32_t);
  bytes += cache->entries.capacity() * sizeof(cache->entries[0]) +
           cache->pointers.capacity() * sizeof(cache->pointers[0]);
  for (const auto& s : cache->entries) {
    bytes += sizeof *s + s->target.capacity() + ArgsSize(s->args);
    if (s->value != nullptr) bytes += CompiledSize(*s->value);
  }
  return bytes;
}

int FillEveryStatement() {
  if (CachedStatementAt(0) == nullptr) return 0;
  for (const char* p = program_text; *p != '\0'; p += CharLength(p)) {
    if (*p == '"') {
      p = SkipLiteral(p);
      if (*p == '\0') break;
    } else if ((*p == ';' || *p == '{' || *p == '}') && p[1] != '\0') {
      CachedStatementAt(static_cast<int>(p + 1 - program_text));
    }
  }
  return StatementCacheCount();
}

int StatementCacheCount() { return cache == nullptr ? 0 : static_cast<int>(cache->entries.size()); }

}  // namespace zep
