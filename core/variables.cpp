#include "core/variables.h"

#include <cstdlib>
#include <cstring>

#include "core/errors.h"
#include "core/program.h"

namespace zep {

VariableStore store;

namespace {

// Grows one table to at least `need` elements, zero-filling new space.
template <typename T>
bool GrowTable(T** table, size_t* cap, size_t need) {
  if (need <= *cap) return true;
  size_t new_cap = need < 2 * *cap ? 2 * *cap : need;
  void* grown = std::realloc(*table, new_cap * sizeof(T));
  if (grown == nullptr) return false;
  *table = static_cast<T*>(grown);
  std::memset(*table + *cap, 0, (new_cap - *cap) * sizeof(T));
  *cap = new_cap;
  return true;
}

bool GrowEntries(size_t need) {
  size_t cap = store.entries_cap;
  size_t c1 = cap, c2 = cap, c3 = cap, c4 = cap;
  bool ok = GrowTable(&store.rows, &c1, need) && GrowTable(&store.cols, &c2, need) &&
            GrowTable(&store.cell_offset, &c3, need) &&
            GrowTable(&store.name_offset, &c4, need);
  if (ok) store.entries_cap = c1;
  return ok;
}

// Appends a variable of rows x cols cells; the cells are set to value.
bool AppendVariable(const char* name, uint16_t rows, uint16_t cols, double value) {
  size_t cells = static_cast<size_t>(rows) * cols;
  // Cell offsets are 16-bit: all variables together hold at most 65535 cells.
  if (store.cell_count + cells > kMaxCells) {
    SetError(cells == 1 ? kErrMemory : kErrArrayRange);
    return false;
  }
  if (!GrowVariableStore(cells, name)) return false;
  size_t len = std::strlen(name);
  int i = store.variable_count;
  for (size_t c = 0; c < cells; ++c) store.values[store.cell_count + c] = value;
  std::memcpy(store.name_pool + store.name_bytes, name, len + 1);
  store.rows[i] = rows;
  store.cols[i] = cols;
  store.name_offset[i] = store.name_bytes;
  store.cell_offset[i] = store.cell_count;
  store.variable_count += 1;
  store.cell_count = static_cast<uint16_t>(store.cell_count + cells);
  store.name_bytes = static_cast<uint16_t>(store.name_bytes + len + 1);
  return true;
}

}  // namespace

bool CreateVariableStore() {
  FreeVariableStore();
  store.values = static_cast<double*>(std::calloc(1, sizeof(double)));
  store.name_pool = static_cast<char*>(std::calloc(8, 1));
  store.rows = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  store.cols = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  store.cell_offset = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  store.name_offset = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  if (!store.values || !store.name_pool || !store.rows || !store.cols ||
      !store.cell_offset || !store.name_offset) {
    FreeVariableStore();
    SetError(kErrMemory);
    return false;
  }
  store.values_cap = 1;
  store.names_cap = 8;
  store.entries_cap = 1;
  return true;
}

void FreeVariableStore() {
  std::free(store.values);
  std::free(store.name_pool);
  std::free(store.rows);
  std::free(store.cols);
  std::free(store.cell_offset);
  std::free(store.name_offset);
  store = VariableStore{};
  ++run_generation;
}

bool GrowVariableStore(size_t new_cells, const char* name) {
  size_t name_need = store.name_bytes + std::strlen(name) + 1;
  if (name_need > 0xFFFF ||
      !GrowTable(&store.values, &store.values_cap, store.cell_count + new_cells) ||
      !GrowTable(&store.name_pool, &store.names_cap, name_need) ||
      !GrowEntries(store.variable_count + 1u)) {
    SetError(kErrMemory);
    return false;
  }
  return true;
}

int FindVariable(const char* name, size_t n) {
  for (int i = 0; i < store.variable_count; ++i) {
    const char* v = VariableName(i);
    if (v[0] == name[0] && std::strncmp(v, name, n) == 0 && v[n] == '\0') return i;
  }
  return -1;
}

bool CreatePlainVariable(const char* name, double value) {
  if (store.variable_count >= kMaxVariables) {
    SetError(kErrTooManyVars);
    return false;
  }
  if (std::strlen(name) > static_cast<size_t>(kMaxToken)) {
    SetError(kErrTooLong);
    return false;
  }
  return AppendVariable(name, 1, 1, value);
}

bool CreateArray(const char* name, uint16_t rows, uint16_t cols) {
  return AppendVariable(name, rows, cols, 0.0);
}

}  // namespace zep
