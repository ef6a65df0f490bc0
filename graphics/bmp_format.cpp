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

// The compressions of a Windows info header that are read.
constexpr uint32_t kPlainRows = 0;
constexpr uint32_t kRuns8 = 1;
constexpr uint32_t kRuns4 = 2;
constexpr uint32_t kBitFields = 3;

// The OS/2 header and the Windows headers that hold their bit fields.
constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kMasksInside = 40;  // where the masks start in such a header

bool SizeWithinLimits(int64_t width, int64_t rows) {
  return width > 0 && rows > 0 && width <= kMaxBmpSide && rows <= kMaxBmpSide &&
         width * rows <= kMaxBmpPixels;
}

// The 40-byte info header of the files the program writes and hands on:
// uncompressed, resolutions 0.
void PutInfoHeader(std::string* out, int32_t width, int32_t height, uint16_t bits,
                   uint32_t image_size, uint32_t clr_used) {
  Put32(out, kBmpInfoHeader);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, 0);
  Put32(out, image_size);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, clr_used);
  Put32(out, 0);
}

void PutFileHeader(std::string* out, uint32_t offset, uint32_t image_size) {
  *out += "BM";
  Put32(out, offset + image_size);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, offset);
}

// A 12-byte OS/2 header: unsigned 16-bit sides (rows always bottom-up), a
// colour table of 2^bits entries of blue, green, red, no compression.
BmpCheck ReadCore(const uint8_t* data, size_t size, BmpPicture* picture) {
  const uint8_t* info = data + kBmpFileHeader;
  int32_t width = Read16(info + 4);
  int32_t rows = Read16(info + 6);
  if (!SizeWithinLimits(width, rows)) return BmpCheck::kBadSize;
  if (Read16(info + 8) != 1) return BmpCheck::kBadPlanes;
  uint16_t bits = Read16(info + 10);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return BmpCheck::kBadBitCount;
  uint32_t colours = bits <= 8 ? uint32_t{1} << bits : 0;
  size_t table_at = kBmpFileHeader + kCoreHeader;
  size_t pixels_at = table_at + size_t{colours} * 3;
  if (pixels_at > size) return BmpCheck::kShortTable;
  uint64_t image_size = DibStride(width, bits) * static_cast<uint64_t>(rows);
  if (image_size > size - pixels_at) return BmpCheck::kShortPixels;
  picture->table.assign(size_t{colours} * 4, 0);
  for (uint32_t i = 0; i < colours; ++i) {
    std::memcpy(&picture->table[4 * i], data + table_at + 3 * i, 3);
  }
  picture->pixels.clear();
  picture->image = {width, rows, bits, colours, picture->table.data(), data + pixels_at,
                    static_cast<uint32_t>(image_size)};
  return BmpCheck::kOk;
}

// Run-length pixels, 8 or 4 bits a pixel, bottom-up. A pair (n > 0, v) is
// n pixels of v (4 bits: the two halves of v in turn); (0, 0) ends the
// line, (0, 1) the bitmap, (0, 2, dx, dy) moves right and up; (0, n >= 3)
// is followed by n pixels as they are, padded to a 16-bit word. Checks the
// whole stream; when out is not null also writes the indices, one byte
// each, into rows of `stride` bytes.
BmpCheck DecodeRuns(const uint8_t* runs, size_t n, uint16_t bits, int64_t width, int64_t rows,
                    uint64_t stride, uint8_t* out) {
  size_t at = 0;
  int64_t x = 0, y = 0;
  for (;;) {
    if (n - at < 2) return BmpCheck::kShortPixels;
    uint32_t count = runs[at], value = runs[at + 1];
    at += 2;
    if (count > 0) {
      if (y >= rows || x + count > width) return BmpCheck::kBadRuns;
      if (out != nullptr) {
        uint8_t* row = out + static_cast<uint64_t>(y) * stride + x;
        for (uint32_t i = 0; i < count; ++i) {
          row[i] = static_cast<uint8_t>(bits == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 15));
        }
      }
      x += count;
      continue;
    }
    if (value == 0) {  // end of line
      if (y >= rows) return BmpCheck::kBadRuns;
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      return BmpCheck::kOk;
    } else if (value == 2) {  // move
      if (n - at < 2) return BmpCheck::kShortPixels;
      x += runs[at];
      y += runs[at + 1];
      at += 2;
      if (x > width || y >= rows) return BmpCheck::kBadRuns;
    } else {  // absolute run of `value` pixels
      size_t bytes = bits == 8 ? value : (value + 1) / 2;
      size_t padded = bytes + (bytes & 1);
      if (y >= rows || x + value > width) return BmpCheck::kBadRuns;
      if (n - at < padded) return BmpCheck::kShortPixels;
      if (out != nullptr) {
        uint8_t* row = out + static_cast<uint64_t>(y) * stride + x;
        for (uint32_t i = 0; i < value; ++i) {
          uint8_t b = runs[at + (bits == 8 ? i : i / 2)];
          row[i] = bits == 8 ? b : static_cast<uint8_t>(i % 2 == 0 ? b >> 4 : b & 15);
        }
      }
      at += padded;
      x += value;
    }
  }
}

// One bit field: where its bits lie and its largest value.
struct Field {
  uint32_t mask;
  int shift;
  uint64_t max;
};

// A mask is one run of set bits within the pixel's bits.
bool MakeField(uint32_t mask, uint16_t bits, Field* field) {
  if (mask == 0 || (bits == 16 && mask > 0xFFFF)) return false;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  uint64_t run = mask >> shift;
  if ((run & (run + 1)) != 0) return false;
  *field = {mask, shift, run};
  return true;
}

// A field's value scaled to 0..255, rounded to nearest.
uint8_t Channel(uint32_t pixel, const Field& f) {
  uint64_t v = (pixel & f.mask) >> f.shift;
  return static_cast<uint8_t>((v * 255 + f.max / 2) / f.max);
}

// Reads the three masks (red, green, blue) at masks and checks them.
bool ReadFields(const uint8_t* masks, uint16_t bits, Field* fields) {
  uint32_t m[3] = {Read32(masks), Read32(masks + 4), Read32(masks + 8)};
  if ((m[0] & m[1]) != 0 || (m[0] & m[2]) != 0 || (m[1] & m[2]) != 0) return false;
  for (int i = 0; i < 3; ++i) {
    if (!MakeField(m[i], bits, &fields[i])) return false;
  }
  return true;
}

// Bit-field rows (16 or 32 bits a pixel) into 32-bit rows of blue, green,
// red and 0, in the same order.
void ConvertFields(const uint8_t* from, int64_t width, int64_t rows, uint16_t bits,
                   const Field* fields, uint8_t* out) {
  uint64_t stride = DibStride(width, bits);
  for (int64_t y = 0; y < rows; ++y) {
    const uint8_t* row = from + static_cast<uint64_t>(y) * stride;
    for (int64_t x = 0; x < width; ++x) {
      uint32_t pixel = bits == 16 ? Read16(row + 2 * x) : Read32(row + 4 * x);
      out[0] = Channel(pixel, fields[2]);
      out[1] = Channel(pixel, fields[1]);
      out[2] = Channel(pixel, fields[0]);
      out[3] = 0;
      out += 4;
    }
  }
}

// Whether a Windows header's compression fits its bit count and size.
bool CompressionFits(uint32_t compression, uint32_t bi_size, uint16_t bits) {
  switch (compression) {
    case kPlainRows: return true;
    case kRuns8: return bits == 8;
    case kRuns4: return bits == 4;
    case kBitFields:
      return (bits == 16 || bits == 32) &&
             (bi_size == kBmpInfoHeader || bi_size == 52 || bi_size == 56 || bi_size == 108 ||
              bi_size == 124);
    default: return false;
  }
}

// A Windows info header of bi_size bytes (40..124).
BmpCheck ReadWindows(const uint8_t* data, size_t size, uint32_t bi_size, BmpPicture* picture) {
  const uint8_t* info = data + kBmpFileHeader;
  int32_t width = static_cast<int32_t>(Read32(info + 4));
  int32_t height = static_cast<int32_t>(Read32(info + 8));
  int64_t rows = height < 0 ? -int64_t{height} : height;
  if (!SizeWithinLimits(width, rows)) return BmpCheck::kBadSize;
  if (Read16(info + 12) != 1) return BmpCheck::kBadPlanes;
  uint16_t bits = Read16(info + 14);
  if (!BitCountExists(bits)) return BmpCheck::kBadBitCount;
  uint32_t compression = Read32(info + 16);
  if (!CompressionFits(compression, bi_size, bits)) return BmpCheck::kCompressed;
  bool runs = compression == kRuns8 || compression == kRuns4;
  if (runs && height < 0) return BmpCheck::kTopDownRuns;
  uint32_t colours = ColorTableSize(bi_size, bits, Read32(info + 32));
  if (colours > 256 || (bits <= 8 && colours > (uint32_t{1} << bits))) {
    return BmpCheck::kBadColours;
  }
  size_t table_at = kBmpFileHeader + bi_size;
  Field fields[3];
  if (compression == kBitFields) {
    const uint8_t* masks = info + kMasksInside;
    if (bi_size == kBmpInfoHeader) {
      if (size - table_at < 12) return BmpCheck::kShortTable;
      table_at += 12;
    }
    if (!ReadFields(masks, bits, fields)) return BmpCheck::kBadMasks;
  }
  size_t pixels_at = table_at + size_t{colours} * 4;
  if (pixels_at > size) return BmpCheck::kShortTable;
  const uint8_t* pixels = data + pixels_at;
  picture->table.clear();
  picture->pixels.clear();
  if (runs) {
    uint64_t stride = DibStride(width, 8);
    BmpCheck check = DecodeRuns(pixels, size - pixels_at, bits, width, rows, stride, nullptr);
    if (check != BmpCheck::kOk) return check;
    picture->pixels.assign(stride * static_cast<uint64_t>(rows), 0);
    DecodeRuns(pixels, size - pixels_at, bits, width, rows, stride, picture->pixels.data());
    picture->image = {width, static_cast<int32_t>(rows), 8, colours, data + table_at,
                      picture->pixels.data(), static_cast<uint32_t>(picture->pixels.size())};
    return BmpCheck::kOk;
  }
  uint64_t image_size = DibStride(width, bits) * static_cast<uint64_t>(rows);
  if (image_size > size - pixels_at) return BmpCheck::kShortPixels;
  if (compression == kBitFields) {
    picture->pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(rows) * 4);
    ConvertFields(pixels, width, rows, bits, fields, picture->pixels.data());
    picture->image = {width, height, 32, colours, data + table_at, picture->pixels.data(),
                      static_cast<uint32_t>(picture->pixels.size())};
    return BmpCheck::kOk;
  }
  picture->image = {width, height, bits, colours, data + table_at, pixels,
                    static_cast<uint32_t>(image_size)};
  return BmpCheck::kOk;
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

// The info header's own size decides its kind and where the colour table
// starts.
BmpCheck CheckBmp(const uint8_t* data, size_t size, BmpPicture* picture) {
  if (size < kBmpFileHeader + kCoreHeader) return BmpCheck::kTooShort;
  if (Read16(data) != 19778) return BmpCheck::kNotBmp;
  uint32_t bi_size = Read32(data + kBmpFileHeader);
  if (bi_size == kCoreHeader) return ReadCore(data, size, picture);
  if (bi_size < kBmpInfoHeader || bi_size > 124) return BmpCheck::kBadHeaderSize;
  if (size < kBmpFileHeader + bi_size) return BmpCheck::kTooShort;
  return ReadWindows(data, size, bi_size, picture);
}

std::string BmpFileOf(const BmpImage& image) {
  uint32_t table = 4 * image.colours;
  uint32_t offset = static_cast<uint32_t>(kBmpFileHeader) + kBmpInfoHeader + table;
  std::string out;
  out.reserve(size_t{offset} + image.image_size);
  PutFileHeader(&out, offset, image.image_size);
  PutInfoHeader(&out, image.width, image.height, image.bit_count, image.image_size, image.colours);
  out.append(reinterpret_cast<const char*>(image.colour_table), table);
  out.append(reinterpret_cast<const char*>(image.pixels), image.image_size);
  return out;
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
  PutFileHeader(&out, offset, image_size);
  PutInfoHeader(&out, dib.width, dib.height, dib.bit_count, image_size, 0);
  std::string table = dib.colour_table.substr(0, 4 * colours);
  table.resize(4 * colours, '\0');
  out += table;
  out += dib.pixels.substr(0, image_size);
  out.resize(size_t{offset} + image_size, '\0');
  return out;
}

}  // namespace zep
