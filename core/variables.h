// The VariableStore: every variable and array of a running script.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/common.h"

namespace zep {

// Six tables indexed by variable number. Cells and names are only appended;
// nothing is removed while a run lasts.
struct VariableStore {
  double* values = nullptr;      // all cells, variable after variable
  char* name_pool = nullptr;     // the names, each NUL-terminated
  uint16_t* rows = nullptr;      // first dimension; 1 for a plain variable
  uint16_t* cols = nullptr;      // second dimension; 1 for a plain variable
  uint16_t* cell_offset = nullptr;
  uint16_t* name_offset = nullptr;
  uint16_t variable_count = 0;
  uint16_t cell_count = 0;
  uint16_t name_bytes = 0;
  // Allocated sizes of the tables.
  size_t values_cap = 0, names_cap = 0, entries_cap = 0;
};

extern VariableStore variable_store;

// Creates empty tables (code 20 when that fails) and frees them.
bool CreateVariableStore();
void FreeVariableStore();

// Makes room for new_cells more cells and for name plus its terminator.
// Returns false with code 20 when a table can't grow.
bool GrowVariableStore(size_t new_cells, const char* name);

// Index of the first variable called name (length n), or -1.
int FindVariable(const char* name, size_t n);

inline const char* VariableName(int i) { return variable_store.name_pool + variable_store.name_offset[i]; }
inline double* VariableCells(int i) { return variable_store.values + variable_store.cell_offset[i]; }

// Creates a plain variable holding value. Codes 11, 20; code 3 for a name
// longer than an expression can ever read. error_name is left to the caller.
bool CreatePlainVariable(const char* name, double value);

// Creates an array of rows x cols zero cells (the checks of Data come first).
bool CreateArray(const char* name, uint16_t rows, uint16_t cols);

}  // namespace zep
