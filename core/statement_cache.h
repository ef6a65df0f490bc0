// The statement cache of a run: the form of each statement of the program
// text, filled with its expressions compiled the first time the statement
// runs in the run phase, and run from there every time after. The program
// text stays the truth (positions, error reports and section lookup still
// work on it). The cache is dropped when the program text or the variable
// store is made again (a new run).
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/program.h"
#include "core/statement_form.h"
#include "core/variables.h"

namespace zep {

// When false no form is kept and none is compiled: each statement is cut
// afresh and its expressions evaluated from the text. The differential
// tests and the benchmarks compare both.
extern bool statement_cache_enabled;

// The current cache's tables, for the lookup below: which entry (or -1)
// holds the statement at each position of the text it was made for.
struct StatementIndex {
  unsigned generation = 0;
  const int32_t* slots = nullptr;
  size_t size = 0;
  StatementForm* const* entries = nullptr;
};
extern StatementIndex statement_index;

// Makes the cache afresh when the text or store changed, and fills the
// entry of pos; nullptr when the cache is off.
StatementForm* FillStatementAt(int pos);

// The statement at pos, filled at its first use; nullptr when the cache is off.
inline StatementForm* CachedStatementAt(int pos) {
  const StatementIndex& x = statement_index;
  if (x.generation == run_generation && statement_cache_enabled &&
      static_cast<size_t>(pos) < x.size && x.slots[pos] >= 0) {
    return x.entries[x.slots[pos]];
  }
  return FillStatementAt(pos);
}

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
