#include "core/command_table.h"

#include <cstring>

#include "core/args.h"

namespace zep {

namespace {

// The installed rows in installation order, and the same rows grouped by the
// first byte of their name, so that a lookup compares only names that can
// match.
struct Index {
  const CommandRow* rows[kMaxCommands];
  int count = 0;
  uint16_t start[257] = {};
  const CommandRow* by_first[kMaxCommands];
};

Index index;

unsigned char FirstByte(const CommandRow* row) { return static_cast<unsigned char>(row->name[0]); }

void BuildGroups() {
  uint16_t counts[256] = {};
  for (int i = 0; i < index.count; ++i) ++counts[FirstByte(index.rows[i])];
  index.start[0] = 0;
  for (int c = 0; c < 256; ++c) index.start[c + 1] = static_cast<uint16_t>(index.start[c] + counts[c]);
  uint16_t fill[256];
  std::memcpy(fill, index.start, sizeof fill);
  for (int i = 0; i < index.count; ++i) index.by_first[fill[FirstByte(index.rows[i])]++] = index.rows[i];
}

}  // namespace

void InstallCommandLists(const CommandList* const* lists, int count) {
  index.count = 0;
  for (int l = 0; l < count; ++l) {
    for (int r = 0; r < lists[l]->count; ++r) {
      ZEP_ASSERT(index.count < kMaxCommands, "too many command rows");
      if (index.count < kMaxCommands) index.rows[index.count++] = &lists[l]->rows[r];
    }
  }
  BuildGroups();
}

const CommandRow* FindCommand(const char* name, Phase phase) {
  unsigned char first = static_cast<unsigned char>(name[0]);
  for (int i = index.start[first]; i < index.start[first + 1]; ++i) {
    const CommandRow* row = index.by_first[i];
    if ((row->phase & phase) != 0 && std::strcmp(row->name, name) == 0) return row;
  }
  return nullptr;
}

int DeclaredArgCount(const CommandRow& row) {
  if (row.args == nullptr || row.args[0] == '*') return -1;
  return static_cast<int>(std::strlen(row.args));
}

void CallHandler(const CommandRow& row, WindowRef window, const ArgList& args) {
  int count = DeclaredArgCount(row);
  if (count >= 0 && !CheckArgCount(args, count)) return;
  row.handler(window, args, row.extra);
}

int CommandCount() { return index.count; }

const CommandRow& CommandAt(int i) { return *index.rows[i]; }

}  // namespace zep
