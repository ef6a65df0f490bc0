#include "graphics/bmp_format.h"

#include <cstring>

namespace zep {

namespace {

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Read32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

void Put16(std::string* out, uint32_t v) {
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string* out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool BitCountExists(uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

uint32_t ColorTableSize(uint32_t bi_size, uint16_t bit_count, uint32_t clr_used) {
  if (bi_size > 35 && clr_used != 0) return clr_used;
  if (bit_count <= 8) return uint32_t{1} << bit_count;
  return 0;
}

uint64_t DibStride(int64_t width, uint32_t bit_count) {
  return static_cast<uint64_t>((width * bit_count + 31) / 32) * 4;
}

// The info header's own size decides where the colour table starts. Only
// the Windows headers of 40 bytes and more are taken: the 12-byte OS/2
// header has 3-byte table entries and other field offsets.
BmpCheck CheckBmp(const uint8_t* data, size_t size, BmpImage* image) {
  if (size < kBmpFileHeader + kBmpInfoHeader) return BmpCheck::kTooShort;
  if (Read16(data) != 19778) return BmpCheck::kNotBmp;
  const uint8_t* info = data + kBmpFileHeader;
  uint32_t bi_size = Read32(info);
  if (bi_size < kBmpInfoHeader || bi_size > 124) return BmpCheck::kBadHeaderSize;
  if (size < kBmpFileHeader + bi_size) return BmpCheck::kTooShort;
  int32_t width = static_cast<int32_t>(Read32(info + 4));
  int32_t height = static_cast<int32_t>(Read32(info + 8));
  int64_t rows = height < 0 ? -int64_t{height} : height;
  if (width <= 0 || rows == 0 || width > kMaxBmpSide || rows > kMaxBmpSide ||
      int64_t{width} * rows > kMaxBmpPixels) {
    return BmpCheck::kBadSize;
  }
  if (Read16(info + 12) != 1) return BmpCheck::kBadPlanes;
  uint16_t bits = Read16(info + 14);
  if (!BitCountExists(bits)) return BmpCheck::kBadBitCount;
  if (Read32(info + 16) != 0) return BmpCheck::kCompressed;
  uint32_t colours = ColorTableSize(bi_size, bits, Read32(info + 32));
  if (colours > 256 || (bits <= 8 && colours > (uint32_t{1} << bits))) {
    return BmpCheck::kBadColours;
  }
  size_t table_at = kBmpFileHeader + bi_size;
  size_t pixels_at = table_at + size_t{colours} * 4;
  if (pixels_at > size) return BmpCheck::kShortTable;
  uint64_t image_size = DibStride(width, bits) * static_cast<uint64_t>(rows);
  if (image_size > size - pixels_at) return BmpCheck::kShortPixels;
  image->width = width;
  image->height = height;
  image->bit_count = bits;
  image->colours = colours;
  image->colour_table = data + table_at;
  image->pixels = data + pixels_at;
  image->image_size = static_cast<uint32_t>(image_size);
  return BmpCheck::kOk;
}

uint32_t SavedImageSize(const DibPixels& dib) {
  if (dib.image_size != 0) return dib.image_size;
  return static_cast<uint32_t>(DibStride(dib.width, dib.bit_count) *
                               static_cast<uint64_t>(dib.height));
}

std::string BuildBmpFile(const DibPixels& dib) {
  uint32_t colours = dib.bit_count <= 8 ? uint32_t{1} << dib.bit_count : 0;
  uint32_t image_size = SavedImageSize(dib);
  uint32_t offset = static_cast<uint32_t>(kBmpFileHeader) + kBmpInfoHeader + 4 * colours;
  std::string out;
  out.reserve(size_t{offset} + image_size);
  out += "BM";
  Put32(&out, offset + image_size);
  Put16(&out, 0);
  Put16(&out, 0);
  Put32(&out, offset);
  Put32(&out, kBmpInfoHeader);
  Put32(&out, static_cast<uint32_t>(dib.width));
  Put32(&out, static_cast<uint32_t>(dib.height));
  Put16(&out, 1);
  Put16(&out, dib.bit_count);
  Put32(&out, 0);
  Put32(&out, image_size);
  out.append(16, '\0');
  std::string table = dib.colour_table.substr(0, 4 * colours);
  table.resize(4 * colours, '\0');
  out += table;
  out += dib.pixels.substr(0, image_size);
  out.resize(size_t{offset} + image_size, '\0');
  return out;
}

}  // namespace zep
