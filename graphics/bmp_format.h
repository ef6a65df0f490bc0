// Windows bitmap (BMP) files: the checks that make a file safe to hand to the
// platform's conversion, the reading of files stored with runs, bit fields
// or an OS/2 header into plain rows, the colour-count rule, and the layout
// of the files the program writes and hands on. Portable: no platform call
// is made here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// A bitmap as the platform converts it: plain rows and a colour table of
// 4-byte entries, whatever way the file stored them.
struct BmpImage {
  int32_t width;                // 1..kMaxBmpSide
  int32_t height;               // positive bottom-up, negative top-down
  uint16_t bit_count;           // 1, 4, 8, 16, 24 or 32
  uint32_t colours;             // entries in the colour table (ColorTableSize)
  const uint8_t* colour_table;  // colours * 4 bytes: blue, green, red, reserved
  const uint8_t* pixels;        // image_size bytes of uncompressed rows
  uint32_t image_size;          // |height| rows of DibStride(width, bit_count) bytes
};

// A bitmap file as read. Plain files are not copied: the image points into
// the file's bytes, the colour table and the pixels right after it. What
// the file stores another way is converted into the buffers here, and the
// image points at them:
// - the 3-byte colour table of a 12-byte (OS/2) header, into 4-byte entries;
// - run-length pixels (4 and 8 bits) into 8-bit rows, bottom-up, with the
//   same colour table; pixels the runs skip take entry 0;
// - bit-field pixels (16 and 32 bits) into 32-bit rows of blue, green, red
//   and 0, in the file's row order; each field scaled to 0..255, rounded.
// Not copyable: the image would point into the original's buffers.
struct BmpPicture {
  BmpImage image{};
  std::vector<uint8_t> table;
  std::vector<uint8_t> pixels;

  BmpPicture() = default;
  BmpPicture(const BmpPicture&) = delete;
  BmpPicture& operator=(const BmpPicture&) = delete;
};

// The colour count of an info header: biClrUsed when biSize is above 35 and
// biClrUsed is not 0; else 2^biBitCount for 8 bits or less; else 0.
uint32_t ColorTableSize(uint32_t bi_size, uint16_t bit_count, uint32_t clr_used);

// Bytes in one pixel row, padded to a multiple of 4.
uint64_t DibStride(int64_t width, uint32_t bit_count);

// Why a file was refused; kOk when it is usable.
enum class BmpCheck : uint8_t {
  kOk,
  kTooShort,       // fewer bytes than the file header and the info header
  kNotBmp,         // does not start with "BM"
  kBadHeaderSize,  // biSize is neither 12 (OS/2) nor one of the Windows headers (40..124)
  kBadSize,        // width or height zero, negative width, or beyond the limits
  kBadPlanes,      // planes other than 1
  kBadBitCount,    // a bit count that does not exist (for the header's kind)
  kCompressed,     // a compression not read here (JPEG, PNG, OS/2 Huffman, 24-bit
                   // runs, unknown), or one that does not fit the bit count
  kTopDownRuns,    // run-length pixels with a negative height: runs are bottom-up only
  kBadMasks,       // a bit field that is empty, not one run of bits, overlaps
                   // another, or lies beyond the pixel's bits
  kBadColours,     // more colours than the bit count can index, or above 256
  kShortTable,     // the file ends inside the bit fields or the colour table
  kShortPixels,    // the file ends before the last pixel row, or before the
                   // runs' end-of-bitmap mark
  kBadRuns,        // a run or a move that leaves the picture
};

// Checks that size bytes at data are a bitmap file whose headers are sane
// and which holds every byte of the colour table and pixels they promise,
// and reads it into *picture. Reads only data[0..size-1]; the pixels are
// taken right after the colour table (after the bit fields of a 40-byte
// header), whatever the file header's pixel offset says.
//
// Headers: 12 bytes (OS/2: 16-bit unsigned width and height, so always
// bottom-up; 1, 4, 8 or 24 bits; a table of 2^bits 3-byte entries), and 40
// to 124 bytes (Windows). Compressions of the Windows headers: none; 8- and
// 4-bit runs (bottom-up only); bit fields for 16 and 32 bits, the three
// masks after a 40-byte header or inside one of 52, 56, 108 or 124 bytes.
// Runs are read until the end-of-bitmap mark, which must come before the
// file ends; a run that passes the end of its line, a move (delta) out of
// the picture, or an end of line past the top row refuses the file.
BmpCheck CheckBmp(const uint8_t* data, size_t size, BmpPicture* picture);

// The bytes of a BMP file that holds exactly the image: the file header
// with the pixel offset right after the colour table, a 40-byte info header
// made from the image's fields (uncompressed, biClrUsed = its colours), its
// colour table and its rows.
std::string BmpFileOf(const BmpImage& image);

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
