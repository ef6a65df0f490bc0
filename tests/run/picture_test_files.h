// Builds JPEG, GIF and icon files for tests: the structure their checks
// read, with small made-up contents where the decoder alone would look.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/run/bmp_test_files.h"

namespace zep {

inline std::string Be16(uint32_t v) {
  return std::string{static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}

inline std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }

// A marker segment: FF, the marker, the length (2 + contents), the contents.
inline std::string Segment(uint8_t marker, const std::string& contents) {
  return std::string{'\xFF', static_cast<char>(marker)} + Be16(2 + contents.size()) + contents;
}

// A baseline JPEG of one component: start, an APP0 and a quantisation
// table, the frame header (SOF0) of width x height, a Huffman table, the
// scan header, two bytes of scan data, the end.
inline std::string MakeJpeg(uint32_t width, uint32_t height) {
  return Hex("FFD8") + Segment(0xE0, std::string("JFIF\0", 5) + Hex("0101 0000 0100 0100 00")) +
         Segment(0xDB, std::string(65, '\x01')) +
         Segment(0xC0, Hex("08") + Be16(height) + Be16(width) + Hex("01 01 11 00")) +
         Segment(0xC4, Hex("00 01") + std::string(15, '\0') + Hex("00")) +
         Segment(0xDA, Hex("01 01 00 00 3F 00")) + Hex("0000 FFD9");
}

struct GifImage {
  uint32_t left, top, width, height;
};

// A GIF89a of a logical screen with a 2-colour global table, a graphic
// control extension, the images (each a descriptor, the LZW minimum code
// size 2 and one data sub-block) and the trailer.
inline std::string MakeGif(uint32_t screen_w, uint32_t screen_h,
                           const std::vector<GifImage>& images) {
  std::string out = "GIF89a" + Le16(screen_w) + Le16(screen_h) + Hex("80 00 00") +
                    Hex("000000 FFFFFF") + Hex("21F9 04 00000000 00");
  for (const GifImage& i : images) {
    out += Hex("2C") + Le16(i.left) + Le16(i.top) + Le16(i.width) + Le16(i.height) + Hex("00");
    out += Hex("02 02 4C01 00");
  }
  return out + Hex("3B");
}

struct IconImage {
  uint8_t width, height;  // as in the directory: 0 stands for 256
  uint16_t bits;
  bool png;
};

// The bytes of one icon image: a 40-byte header of twice the height, the
// colour table, colour rows and mask rows; or a PNG signature, its header
// chunk (IHDR) and an end chunk.
inline std::string IconImageBytes(const IconImage& i) {
  uint32_t w = i.width == 0 ? 256 : i.width, h = i.height == 0 ? 256 : i.height;
  if (i.png) {
    return Hex("89504E470D0A1A0A") + Be32(13) + "IHDR" + Be32(w) + Be32(h) + Hex("0806000000") +
           Be32(0) + Be32(0) + "IEND" + Be32(0);
  }
  uint32_t colours = i.bits <= 8 ? 1u << i.bits : 0;
  size_t rows = (w * i.bits + 31) / 32 * 4 * h + (w + 31) / 32 * 4 * h;
  return InfoHeader(40, static_cast<int32_t>(w), static_cast<int32_t>(2 * h), i.bits, 0) +
         Table(colours) + std::string(rows, '\0');
}

// An icon file: the 6-byte header, a 16-byte entry per image and the images
// one after the other.
inline std::string MakeIco(const std::vector<IconImage>& images) {
  std::string out = Le16(0) + Le16(1) + Le16(static_cast<uint32_t>(images.size()));
  std::string bodies;
  size_t offset = 6 + 16 * images.size();
  for (const IconImage& i : images) {
    std::string body = IconImageBytes(i);
    out += std::string{static_cast<char>(i.width), static_cast<char>(i.height), 0, 0} + Le16(1) +
           Le16(i.bits) + Le32(static_cast<uint32_t>(body.size())) +
           Le32(static_cast<uint32_t>(offset + bodies.size()));
    bodies += body;
  }
  return out + bodies;
}

}  // namespace zep
