#include "compiler/pe_image.h"

namespace zep {

namespace {

uint32_t Le16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

}  // namespace

long ImageEnd(const uint8_t* file, size_t size) {
  if (size < 0x40 || file[0] != 'M' || file[1] != 'Z') return -1;
  size_t pe = Le32(file + 0x3C);
  if (pe > size || size - pe < 24 || Le32(file + pe) != 0x00004550) return -1;  // "PE\0\0"
  size_t sections = Le16(file + pe + 6);
  size_t optional = Le16(file + pe + 20);
  size_t table = pe + 24 + optional;
  if (table > size || (size - table) / 40 < sections) return -1;
  uint64_t end = 0;
  for (size_t i = 0; i < sections; ++i) {
    const uint8_t* s = file + table + 40 * i;
    uint64_t raw_size = Le32(s + 16), raw_pointer = Le32(s + 20);
    if (raw_size != 0 && raw_pointer + raw_size > end) end = raw_pointer + raw_size;
  }
  if (end > size) return -1;
  return static_cast<long>(end);
}

}  // namespace zep
