#include "graphics/pack_file.h"

#include "graphics/pack_maths.h"

namespace zep {

void EncodePackFile(const int32_t* triangles, int32_t count, uint8_t* out) {
  size_t values = static_cast<size_t>(count) * kTriangleValues;
  for (size_t i = 0; i < values; ++i) {
    uint32_t v = static_cast<uint32_t>(triangles[i]);
    out[2 * i] = static_cast<uint8_t>((v >> 8) & 0xFF);
    out[2 * i + 1] = static_cast<uint8_t>(v & 0xFF);
  }
}

int32_t DecodePackFile(const uint8_t* bytes, size_t n, int32_t* triangles, int32_t capacity) {
  if (capacity < 0 || n > static_cast<size_t>(capacity) * kPackRecordBytes) return -1;
  for (size_t i = 0; i < n / 2; ++i) {
    int32_t v = (bytes[2 * i] << 8) | bytes[2 * i + 1];
    triangles[i] = v >= 0x8000 ? v - 0x10000 : v;
  }
  return static_cast<int32_t>(n / kPackRecordBytes);
}

}  // namespace zep
