// The 3D pack file: records of 24 bytes, one per triangle, each its twelve
// values (x1,y1,z1, x2,y2,z2, x3,y3,z3, r,g,b) as 16-bit two's-complement
// numbers, high byte first. No header: the number of triangles is the
// file's length divided by 24.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zep {

constexpr size_t kPackRecordBytes = 24;

// Writes count triangles (12 values each) into out, which holds count * 24
// bytes. Values outside -32768..32767 keep only their low 16 bits.
void EncodePackFile(const int32_t* triangles, int32_t count, uint8_t* out);

// Reads a pack file of n bytes into triangles, which holds capacity
// triangles: its n / 2 values from the start, sign-extended (a trailing
// partial record is stored too, an odd last byte is not). Gives the number
// of whole records, n / 24; or -1, with nothing stored, when the file is
// longer than capacity * 24 bytes.
int32_t DecodePackFile(const uint8_t* bytes, size_t n, int32_t* triangles, int32_t capacity);

}  // namespace zep
