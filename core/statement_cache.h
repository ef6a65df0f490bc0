// The statement cache of a run: what each statement of the program text
// means, worked out the first time it runs in the run phase and used every
// time after. The program text stays the truth (positions, error reports
// and section lookup still work on it); the cache only remembers what the
// dispatcher and the block walker would find in it again: the statement's
// kind, its command row, its arguments split and compiled, its assignment
// target resolved to a variable once it exists, the next statement, the
// block it opens and where that block ends.
//
// A statement whose cutting sets an error code, or whose meaning the cache
// can't keep exactly, is marked for the old path: the dispatcher runs it
// from the text every time. The cache is dropped when the program text or
// the variable store is made again (a new run).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/common.h"
#include "core/compiled_expr.h"
#include "core/program.h"
#include "core/variables.h"

namespace zep {

// When false every statement takes the old path (the differential tests and
// the benchmarks compare both).
extern bool statement_cache_enabled;

// An argument text kept for the run, with each argument located and
// compiled. The argument helpers use them when handed this very text.
struct CachedArgs {
  std::string text;
  int count = 0;  // CountArgs(text)
  std::vector<std::unique_ptr<CompiledExpr>> pieces;  // null: not located
  // The text of an if( ): its comparison (-1: left to EvalCondition) and sides.
  int comparison = -1;
  std::unique_ptr<CompiledExpr> sides[2];
};

// Compiles text as an argument list (and as a condition when asked).
void CompileArgs(const char* text, bool condition, CachedArgs* out);

struct CachedStatement {
  enum Kind : uint8_t { kOldPath, kCommand, kControl, kAssign, kElementAssign, kNothing };
  Kind kind = kOldPath;
  int pos = 0;
  int control = 0;  // kControl: what DispatchStatement gives (kStmtLoop ...)
  const CommandRow* row = nullptr;
  char error_name[64];  // what the dispatcher puts there: the statement's name
  CachedArgs args;   // the statement's arguments; an element target's indices
  std::string target;  // the assigned variable or array
  VariableRef target_var;
  std::unique_ptr<CompiledExpr> value;
  // Positions found in the text once: -1 until then.
  int next = -1;
  int block_open = -1, block_close = -1;
  int section_open = -1, section_close = -1;
};

// The current cache's tables, for the lookup below: which entry (or -1)
// holds the statement at each position of the text it was made for.
struct StatementIndex {
  const char* text = nullptr;
  unsigned program = 0, variables = 0;
  const int32_t* slots = nullptr;
  size_t size = 0;
  CachedStatement* const* entries = nullptr;
};
extern StatementIndex statement_index;

// Makes the cache afresh when the text or store changed, and fills the
// entry of pos; nullptr when the cache is off.
CachedStatement* FillStatementAt(int pos);

// The statement at pos, filled at its first use; nullptr when the cache is off.
inline CachedStatement* CachedStatementAt(int pos) {
  const StatementIndex& x = statement_index;
  if (statement_cache_enabled && x.text == program_text && x.program == program_generation &&
      x.variables == store_generation && static_cast<size_t>(pos) < x.size &&
      x.slots[pos] >= 0) {
    return x.entries[x.slots[pos]];
  }
  return FillStatementAt(pos);
}

// Runs a cached statement as DispatchStatement runs it; gives the same kind.
int RunCachedStatement(WindowRef window, CachedStatement* s);

// The cached arguments that the helpers may use while a handler runs.
CachedArgs* ActiveArgsFor(const char* text);
class ActiveArgs {
 public:
  explicit ActiveArgs(CachedArgs* args);
  ~ActiveArgs();
  ActiveArgs(const ActiveArgs&) = delete;
  ActiveArgs& operator=(const ActiveArgs&) = delete;

 private:
  CachedArgs* saved_;
};

// Held by each block walk, so that a cache dropped while statements of it
// are running is freed only when no walk is left.
class CacheUse {
 public:
  CacheUse();
  ~CacheUse();
  CacheUse(const CacheUse&) = delete;
  CacheUse& operator=(const CacheUse&) = delete;
};

// Fills the entry of every place a statement can start, as a run that met
// them all would: the most the cache can hold for this text. Gives the count.
int FillEveryStatement();

// Bytes held by the cache now, and the statements in it.
size_t StatementCacheBytes();
int StatementCacheCount();

}  // namespace zep
