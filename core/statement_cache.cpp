#include "core/statement_cache.h"

#include <cstring>

#include "core/text.h"

namespace zep {

bool statement_cache_enabled = true;

namespace {

// One run's statements: an index from text position to entry, and the
// entries (each on its own, so that it stays put while others are added).
struct StatementCache {
  unsigned generation = 0;  // the run_generation it was made for
  std::vector<int32_t> index;
  std::vector<std::unique_ptr<StatementForm>> entries;
  std::vector<StatementForm*> pointers;  // the same entries, for the inline lookup
};

std::unique_ptr<StatementCache> cache;
// Caches dropped while a walk was using them, freed when no walk is left.
std::vector<std::unique_ptr<StatementCache>> retired;
int walks = 0;

void Retire() {
  if (walks > 0 && cache != nullptr) retired.push_back(std::move(cache));
  cache.reset();
  statement_index = StatementIndex{};
  if (walks == 0) retired.clear();
}

// Points the inline lookup at the cache's tables (again after they grew).
void Publish(StatementCache* c) {
  statement_index.generation = c->generation;
  statement_index.slots = c->index.data();
  statement_index.size = c->index.size();
  statement_index.entries = c->pointers.data();
}

// The cache for the current program text and store, made afresh when either changed.
StatementCache* CurrentCache() {
  if (cache != nullptr && cache->generation == run_generation) {
    return cache.get();
  }
  Retire();
  cache = std::make_unique<StatementCache>();
  cache->generation = run_generation;
  cache->index.assign(std::strlen(program_text) + 1, -1);
  Publish(cache.get());
  return cache.get();
}

size_t ArgsSize(const ArgList& a) {
  size_t bytes = a.text.capacity() + a.pieces.capacity() * sizeof(a.pieces[0]);
  for (const auto& p : a.pieces) bytes += p ? CompiledSize(*p) : 0;
  for (const auto& p : a.sides) bytes += p ? CompiledSize(*p) : 0;
  return bytes;
}

}  // namespace

StatementIndex statement_index;

StatementForm* FillStatementAt(int pos) {
  if (!statement_cache_enabled || program_text == nullptr) return nullptr;
  StatementCache* c = CurrentCache();
  if (pos < 0 || static_cast<size_t>(pos) >= c->index.size()) return nullptr;
  int32_t& slot = c->index[static_cast<size_t>(pos)];
  if (slot >= 0) return c->entries[static_cast<size_t>(slot)].get();
  slot = static_cast<int32_t>(c->entries.size());
  c->entries.push_back(std::make_unique<StatementForm>());
  StatementForm* s = c->entries.back().get();
  c->pointers.push_back(s);
  Publish(c);
  FillForm(s, pos, FormPhase{false, nullptr, true});
  return s;
}

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
