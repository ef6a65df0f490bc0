// Windows bitmap (BMP) files: the checks that make a file safe to hand to the
// platform's conversion, the colour-count rule, and the layout of the files
// the program writes. Portable: no platform call is made here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zep {

// Limits on what a picture file may make the program allocate. A file above
// kMaxPictureFile bytes is not read at all; a bitmap above these sides or
// pixels is refused before the platform makes a picture of it (the device
// picture of a 1-bit file can be 32 times larger than the file).
constexpr size_t kMaxPictureFile = 64u * 1024 * 1024;
constexpr int32_t kMaxBmpSide = 16384;
constexpr int64_t kMaxBmpPixels = int64_t{4096} * 4096;

constexpr size_t kBmpFileHeader = 14;
constexpr uint32_t kBmpInfoHeader = 40;

// A bitmap file that passed CheckBmp, with pointers into the file's bytes.
struct BmpImage {
  int32_t width;                // 1..kMaxBmpSide
  int32_t height;               // as in the file: positive bottom-up, negative top-down
  uint16_t bit_count;           // 1, 4, 8, 16, 24 or 32
  uint32_t colours;             // entries in the colour table (ColorTableSize)
  const uint8_t* colour_table;  // colours * 4 bytes: blue, green, red, reserved
  const uint8_t* pixels;        // image_size bytes, right after the colour table
  uint32_t image_size;          // |height| rows of DibStride(width, bit_count) bytes
};

// The colour count of an info header: biClrUsed when biSize is above 35 and
// biClrUsed is not 0; else 2^biBitCount for 8 bits or less; else 0.
uint32_t ColorTableSize(uint32_t bi_size, uint16_t bit_count, uint32_t clr_used);

// Bytes in one pixel row, padded to a multiple of 4.
uint64_t DibStride(int64_t width, uint32_t bit_count);

// Why a file was refused; kOk when it is usable.
enum class BmpCheck : uint8_t {
  kOk,
  kTooShort,       // fewer than the file and info headers
  kNotBmp,         // does not start with "BM"
  kBadHeaderSize,  // biSize is not one of the Windows info headers (40..124)
  kBadSize,        // width or height zero, negative width, or beyond the limits
  kBadPlanes,      // planes other than 1
  kBadBitCount,    // a bit count that does not exist
  kCompressed,     // any compression: only plain rows are read
  kBadColours,     // more colours than the bit count can index, or above 256
  kShortTable,     // the file ends inside the colour table
  kShortPixels,    // the file ends before the last pixel row
};

// Checks that size bytes at data are a bitmap file whose headers are sane
// and which holds every byte of the colour table and pixels they promise.
// Reads only data[0..size-1]. On kOk fills *image.
BmpCheck CheckBmp(const uint8_t* data, size_t size, BmpImage* image);

// A rectangle as the platform gave its pixels for saving.
struct DibPixels {
  int32_t width, height;     // height positive: rows bottom-up
  uint16_t bit_count;        // the screen picture's planes x bits per plane
  uint32_t image_size;       // as the platform filled it in, or 0
  std::string colour_table;  // 4 x 2^bit_count bytes for 8 bits or less, else empty
  std::string pixels;        // the rows, each padded to 4 bytes
};

// The image size written: the platform's, or height x stride when it gave 0.
uint32_t SavedImageSize(const DibPixels& dib);

// The bytes of the BMP file for dib: file header, 40-byte info header,
// colour table, pixels. Pixels beyond the image size are not written and
// missing ones are written as zero bytes.
std::string BuildBmpFile(const DibPixels& dib);

}  // namespace zep
