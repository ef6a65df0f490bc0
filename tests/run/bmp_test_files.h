// Builds BMP files for tests, field by field, so that each test can make a
// sound file and then spoil exactly one thing about it.
#pragma once

#include <cstdint>
#include <string>

namespace zep {

struct BmpFields {
  int32_t width = 3, height = 2;
  uint16_t planes = 1, bit_count = 24;
  uint32_t info_size = 40, compression = 0, clr_used = 0;
  uint32_t table_entries = 0;     // colour-table entries written
  int64_t pixel_bytes = -1;       // pixel bytes written; -1: exactly the rows
  std::string magic = "BM";
};

inline void Put(std::string* out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// The file: 14-byte header, info header of info_size bytes, the table
// entries (entry i is i, 2i, 3i, 0) and the pixel bytes (byte k is k * 7).
inline std::string MakeBmp(const BmpFields& f) {
  std::string out = f.magic;
  Put(&out, 0, 4);  // file size: not used by the reader
  Put(&out, 0, 4);
  Put(&out, 14 + f.info_size + 4 * f.table_entries, 4);
  Put(&out, f.info_size, 4);
  Put(&out, static_cast<uint32_t>(f.width), 4);
  Put(&out, static_cast<uint32_t>(f.height), 4);
  Put(&out, f.planes, 2);
  Put(&out, f.bit_count, 2);
  Put(&out, f.compression, 4);
  Put(&out, 0, 4);
  Put(&out, 0, 8);
  Put(&out, f.clr_used, 4);
  Put(&out, 0, 4);
  out.resize(14 + f.info_size, '\0');
  for (uint32_t i = 0; i < f.table_entries; ++i) {
    Put(&out, (i & 0xFF) | ((2 * i & 0xFF) << 8) | ((3 * i & 0xFF) << 16), 4);
  }
  int64_t rows = f.height < 0 ? -int64_t{f.height} : f.height;
  int64_t stride = (int64_t{f.width} * f.bit_count + 31) / 32 * 4;
  int64_t n = f.pixel_bytes >= 0 ? f.pixel_bytes : stride * rows;
  for (int64_t k = 0; k < n; ++k) out.push_back(static_cast<char>(k * 7));
  return out;
}

}  // namespace zep
