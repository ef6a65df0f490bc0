#include "core/control_table.h"

#include "core/host.h"

namespace zep {

ControlTable control_table;

void ResetControlTable() { control_table.control_count = 0; }

void ControlText(int index, char* out, size_t cap) {
  host_system->GetWindowTextOf(control_table.records[index].window, out, cap);
}

}  // namespace zep
