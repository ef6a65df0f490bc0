#include "core/variables.h"

#include <cstdlib>
#include <cstring>

#include "core/errors.h"
#include "core/program.h"

namespace zep {

VariableStore variable_store;

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
  size_t cap = variable_store.entries_cap;
  size_t c1 = cap, c2 = cap, c3 = cap, c4 = cap;
  bool ok = GrowTable(&variable_store.rows, &c1, need) && GrowTable(&variable_store.cols, &c2, need) &&
            GrowTable(&variable_store.cell_offset, &c3, need) &&
            GrowTable(&variable_store.name_offset, &c4, need);
  if (ok) variable_store.entries_cap = c1;
  return ok;
}

// Appends a variable of rows x cols cells; the cells are set to value.
bool AppendVariable(const char* name, uint16_t rows, uint16_t cols, double value) {
  size_t cells = static_cast<size_t>(rows) * cols;
  // Cell offsets are 16-bit: all variables together hold at most 65535 cells.
  if (variable_store.cell_count + cells > kMaxCells) {
    SetError(cells == 1 ? kErrMemory : kErrArrayRange);
    return false;
  }
  if (!GrowVariableStore(cells, name)) return false;
  size_t len = std::strlen(name);
  int i = variable_store.variable_count;
  for (size_t c = 0; c < cells; ++c) variable_store.values[variable_store.cell_count + c] = value;
  std::memcpy(variable_store.name_pool + variable_store.name_bytes, name, len + 1);
  variable_store.rows[i] = rows;
  variable_store.cols[i] = cols;
  variable_store.name_offset[i] = variable_store.name_bytes;
  variable_store.cell_offset[i] = variable_store.cell_count;
  variable_store.variable_count += 1;
  variable_store.cell_count = static_cast<uint16_t>(variable_store.cell_count + cells);
  variable_store.name_bytes = static_cast<uint16_t>(variable_store.name_bytes + len + 1);
  return true;
}

}  // namespace

bool CreateVariableStore() {
  FreeVariableStore();
  variable_store.values = static_cast<double*>(std::calloc(1, sizeof(double)));
  variable_store.name_pool = static_cast<char*>(std::calloc(8, 1));
  variable_store.rows = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  variable_store.cols = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  variable_store.cell_offset = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  variable_store.name_offset = static_cast<uint16_t*>(std::calloc(1, sizeof(uint16_t)));
  if (!variable_store.values || !variable_store.name_pool || !variable_store.rows || !variable_store.cols ||
      !variable_store.cell_offset || !variable_store.name_offset) {
    FreeVariableStore();
    SetError(kErrMemory);
    return false;
  }
  variable_store.values_cap = 1;
  variable_store.names_cap = 8;
  variable_store.entries_cap = 1;
  return true;
}

void FreeVariableStore() {
  std::free(variable_store.values);
  std::free(variable_store.name_pool);
  std::free(variable_store.rows);
  std::free(variable_store.cols);
  std::free(variable_store.cell_offset);
  std::free(variable_store.name_offset);
  variable_store = VariableStore{};
  ++run_generation;
}

bool GrowVariableStore(size_t new_cells, const char* name) {
  size_t name_need = variable_store.name_bytes + std::strlen(name) + 1;
  if (name_need > 0xFFFF ||
      !GrowTable(&variable_store.values, &variable_store.values_cap, variable_store.cell_count + new_cells) ||
      !GrowTable(&variable_store.name_pool, &variable_store.names_cap, name_need) ||
      !GrowEntries(variable_store.variable_count + 1u)) {
    SetError(kErrMemory);
    return false;
  }
  return true;
}

int FindVariable(const char* name, size_t n) {
  for (int i = 0; i < variable_store.variable_count; ++i) {
    const char* v = VariableName(i);
    if (v[0] == name[0] && std::strncmp(v, name, n) == 0 && v[n] == '\0') return i;
  }
  return -1;
}

bool CreatePlainVariable(const char* name, double value) {
  if (variable_store.variable_count >= kMaxVariables) {
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
