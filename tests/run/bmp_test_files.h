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

namespace zep {

// Bytes for hand-made files, written as the file reads.
inline std::string Le16(uint32_t v) {
  std::string out;
  Put(&out, v, 2);
  return out;
}

inline std::string Le32(uint32_t v) {
  std::string out;
  Put(&out, v, 4);
  return out;
}

// Bytes from hexadecimal pairs; blanks are ignored.
inline std::string Hex(const char* text) {
  std::string out;
  auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  for (const char* p = text; *p != '\0';) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    out.push_back(static_cast<char>(digit(p[0]) * 16 + digit(p[1])));
    p += 2;
  }
  return out;
}

// The 14-byte file header; the reader uses only its first two bytes.
inline std::string FileHeader() { return "BM" + std::string(12, '\0'); }

// A Windows info header of `size` bytes: the fields of the 40-byte header,
// zeros after them.
inline std::string InfoHeader(uint32_t size, int32_t width, int32_t height, uint16_t bits,
                              uint32_t compression, uint32_t clr_used = 0) {
  std::string out = Le32(size) + Le32(static_cast<uint32_t>(width)) +
                    Le32(static_cast<uint32_t>(height)) + Le16(1) + Le16(bits) +
                    Le32(compression) + std::string(12, '\0') + Le32(clr_used) + Le32(0);
  out.resize(size, '\0');
  return out;
}

// A 108- or 124-byte header with the red, green and blue masks inside.
inline std::string MaskedHeader(uint32_t size, int32_t width, int32_t height, uint16_t bits,
                                uint32_t red, uint32_t green, uint32_t blue) {
  std::string out = InfoHeader(size, width, height, bits, 3);
  out.replace(40, 12, Le32(red) + Le32(green) + Le32(blue));
  return out;
}

// The 12-byte OS/2 header.
inline std::string CoreHeader(uint16_t width, uint16_t height, uint16_t bits, uint16_t planes = 1) {
  return Le32(12) + Le16(width) + Le16(height) + Le16(planes) + Le16(bits);
}

// The colours of the hand-made files, by letter: entry i of their colour
// tables is the i-th of these, then black.
struct Named {
  char letter;
  uint8_t r, g, b;
};
constexpr Named kNamedColours[] = {{'k', 0, 0, 0},       {'r', 255, 0, 0},   {'g', 0, 255, 0},
                                   {'b', 0, 0, 255},     {'w', 255, 255, 255}, {'y', 255, 255, 0}};

// A colour table of n entries of blue, green, red and 0 (3 bytes each for
// OS/2 files).
inline std::string Table(uint32_t n, int entry_bytes = 4) {
  std::string out;
  for (uint32_t i = 0; i < n; ++i) {
    Named c = i < 6 ? kNamedColours[i] : kNamedColours[0];
    out += std::string{static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r)};
    if (entry_bytes == 4) out.push_back('\0');
  }
  return out;
}

}  // namespace zep
