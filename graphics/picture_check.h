// The checks a picture file passes before the platform's picture decoder
// sees it (LoadGrpFile and the bitmap buttons' pictures). The decoder
// trusts the sizes and offsets a file declares; a file that lies about them
// can make it read or allocate beyond reason inside a command. So every
// file is read here first, with every count and offset checked against the
// file's size, and refused unless it is a bitmap, JPEG, GIF or icon file
// whose declared pictures lie within the limits below. Portable: no
// platform call is made here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "graphics/bmp_format.h"

namespace zep {

// Every declared picture (a bitmap, a JPEG frame, a GIF's logical screen
// and each of its images, each image of an icon file) is at most
// kMaxBmpSide pixels on a side and kMaxBmpPixels pixels in all: at most
// 64 MB at 4 bytes a pixel, whatever the file's own size. A GIF's images
// together hold at most kMaxGifPixels pixels, since its decoder keeps every
// image of an animation.
constexpr int64_t kMaxGifPixels = 4 * kMaxBmpPixels;

enum class PictureKind : uint8_t {
  kRefused,  // not one of the kinds below, or a file that lies
  kBitmap,   // "BM": every check of LoadBMP (CheckBmp)
  kJpeg,     // FF D8: the marker segments up to the first scan
  kGif,      // "GIF87a" or "GIF89a": the whole block structure
  kIcon,     // reserved 0, type 1: the directory and every image in it
};

// The kind of the size bytes at data, when they pass its checks; reads only
// data[0..size-1]. A bitmap is read into *bitmap as LoadBMP reads it.
//
// JPEG: every marker segment up to the first scan (SOS) lies within the
// file; exactly one frame header (SOF0..SOF15 but for DHT, JPG and DAC)
// comes before it, with sample precision 8, 12 or 16, a height and width
// of at least 1 (a height given later by a DNL marker is refused), 1 to 4
// components, and a length that fits them; the scan header names 1 to 4
// components that fit its length. The compressed data after the scan
// header is the decoder's to read.
//
// GIF: the logical screen is at least 1 x 1; the global and local colour
// tables, extension sub-blocks and image data sub-blocks lie within the
// file; each image descriptor's rectangle is at least 1 x 1 and lies inside
// the logical screen; the LZW minimum code size is 2 to 8; at least one
// image; the blocks end at the trailer (0x3B) or exactly at the file's end.
//
// Icon: 1 to 65535 directory entries within the file; each entry's image
// lies within the file after the directory, and is either a PNG image whose
// header chunk (IHDR) gives a size within the limits, or a 40-byte bitmap
// header with 1 plane, 1, 4, 8, 16, 24 or 32 bits, no compression, a height
// of twice the icon's, and room in the entry for its colour table, its
// colour rows and its 1-bit mask rows. The sides of each image are those of
// its entry (0 in an entry stands for 256; a PNG image of an entry of 0 may
// be larger).
PictureKind CheckPictureFile(const uint8_t* data, size_t size, BmpPicture* bitmap);

}  // namespace zep
