#include "graphics/picture_check.h"

#include <cstring>

namespace zep {

namespace {

uint16_t Little16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Little32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

uint16_t Big16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

uint32_t Big32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

bool WithinLimits(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxBmpSide && height <= kMaxBmpSide &&
         width * height <= kMaxBmpPixels;
}

// --- JPEG -------------------------------------------------------------------

// Frame headers: SOF0..SOF15 but for DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameHeader(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// A frame header's contents (after its length): precision, height, width,
// and three bytes for each component.
bool FrameHeaderFits(const uint8_t* f, size_t n) {
  if (n < 6) return false;
  uint8_t precision = f[0];
  uint32_t components = f[5];
  if (precision != 8 && precision != 12 && precision != 16) return false;
  if (components < 1 || components > 4 || n != 6 + 3 * size_t{components}) return false;
  return WithinLimits(Big16(f + 3), Big16(f + 1));
}

// A scan header's contents: the component count, two bytes for each, and
// three bytes of spectral selection and approximation.
bool ScanHeaderFits(const uint8_t* s, size_t n) {
  if (n < 1) return false;
  uint32_t components = s[0];
  return components >= 1 && components <= 4 && n == 1 + 2 * size_t{components} + 3;
}

// Walks the marker segments from the start of image to the first scan.
bool CheckJpeg(const uint8_t* data, size_t size) {
  size_t at = 2;
  bool frame = false;
  for (;;) {
    if (at >= size || data[at] != 0xFF) return false;
    while (at < size && data[at] == 0xFF) ++at;  // fill bytes
    if (at >= size) return false;
    uint8_t marker = data[at++];
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no contents
    if (marker == 0x00 || marker == 0xD8 || marker == 0xD9) return false;
    if (size - at < 2) return false;
    size_t length = Big16(data + at);
    if (length < 2 || length > size - at) return false;
    const uint8_t* contents = data + at + 2;
    if (IsFrameHeader(marker)) {
      if (frame || !FrameHeaderFits(contents, length - 2)) return false;
      frame = true;
    } else if (marker == 0xDA) {
      return frame && ScanHeaderFits(contents, length - 2);
    }
    at += length;
  }
}

// --- GIF --------------------------------------------------------------------

// The bytes of a colour table that a packed field announces, or 0.
size_t GifTable(uint8_t packed) {
  return (packed & 0x80) != 0 ? size_t{3} << ((packed & 7) + 1) : 0;
}

// Steps over data sub-blocks: sizes and their bytes up to a size of 0.
bool SkipSubBlocks(const uint8_t* data, size_t size, size_t* at) {
  for (;;) {
    if (*at >= size) return false;
    size_t n = data[(*at)++];
    if (n == 0) return true;
    if (size - *at < n) return false;
    *at += n;
  }
}

bool CheckGif(const uint8_t* data, size_t size) {
  if (size < 13) return false;
  int64_t screen_w = Little16(data + 6), screen_h = Little16(data + 8);
  if (!WithinLimits(screen_w, screen_h)) return false;
  size_t at = 13;
  if (GifTable(data[10]) > size - at) return false;
  at += GifTable(data[10]);
  int images = 0;
  int64_t pixels = 0;
  for (;;) {
    if (at == size) return images > 0;
    uint8_t block = data[at++];
    if (block == 0x3B) return images > 0;
    if (block == 0x21) {  // extension: its label, then sub-blocks
      if (at >= size) return false;
      ++at;
      if (!SkipSubBlocks(data, size, &at)) return false;
    } else if (block == 0x2C) {  // image descriptor
      if (size - at < 9) return false;
      int64_t left = Little16(data + at), top = Little16(data + at + 2);
      int64_t w = Little16(data + at + 4), h = Little16(data + at + 6);
      uint8_t packed = data[at + 8];
      at += 9;
      if (w < 1 || h < 1 || left + w > screen_w || top + h > screen_h) return false;
      pixels += w * h;
      if (pixels > kMaxGifPixels) return false;
      if (GifTable(packed) > size - at) return false;
      at += GifTable(packed);
      if (at >= size || data[at] < 2 || data[at] > 8) return false;  // LZW minimum code size
      ++at;
      if (!SkipSubBlocks(data, size, &at)) return false;
      ++images;
    } else {
      return false;
    }
  }
}

// --- Icons ------------------------------------------------------------------

constexpr size_t kIconEntry = 16;
const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// A side of a directory entry: 0 stands for 256.
int64_t EntrySide(uint8_t side) { return side == 0 ? 256 : side; }

// A PNG image: its signature and header chunk, with a size that matches the
// entry's (an entry side of 0 allows 256 or more).
bool CheckPngIcon(const uint8_t* png, size_t n, uint8_t entry_w, uint8_t entry_h) {
  if (n < 8 + 8 + 13 + 4) return false;
  if (Big32(png + 8) != 13 || std::memcmp(png + 12, "IHDR", 4) != 0) return false;
  uint32_t w = Big32(png + 16), h = Big32(png + 20);
  if (!WithinLimits(w, h)) return false;
  bool width_fits = entry_w == 0 ? w >= 256 : w == entry_w;
  bool height_fits = entry_h == 0 ? h >= 256 : h == entry_h;
  return width_fits && height_fits;
}

// A bitmap image: a 40-byte header of twice the icon's height (colour rows,
// then mask rows), its colour table, and both sets of rows within n bytes.
bool CheckDibIcon(const uint8_t* dib, size_t n, int64_t w, int64_t h) {
  if (n < kBmpInfoHeader || Little32(dib) != kBmpInfoHeader) return false;
  int64_t width = static_cast<int32_t>(Little32(dib + 4));
  int64_t height = static_cast<int32_t>(Little32(dib + 8));
  uint16_t bits = Little16(dib + 14);
  if (width != w || height != 2 * h || Little16(dib + 12) != 1 || Little32(dib + 16) != 0) {
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  uint32_t colours = ColorTableSize(kBmpInfoHeader, bits, Little32(dib + 32));
  if (colours > 256 || (bits <= 8 && colours > (uint32_t{1} << bits))) return false;
  uint64_t need = kBmpInfoHeader + uint64_t{colours} * 4 + DibStride(w, bits) * h +
                  DibStride(w, 1) * h;
  return need <= n;
}

bool CheckIcon(const uint8_t* data, size_t size) {
  if (size < 6 || Little16(data) != 0 || Little16(data + 2) != 1) return false;
  size_t count = Little16(data + 4);
  if (count == 0 || (size - 6) / kIconEntry < count) return false;
  size_t directory_end = 6 + count * kIconEntry;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = data + 6 + i * kIconEntry;
    size_t bytes = Little32(entry + 8), offset = Little32(entry + 12);
    if (bytes == 0 || offset < directory_end || offset > size || bytes > size - offset) {
      return false;
    }
    const uint8_t* image = data + offset;
    bool png = bytes >= 8 && std::memcmp(image, kPngSignature, 8) == 0;
    if (png ? !CheckPngIcon(image, bytes, entry[0], entry[1])
            : !CheckDibIcon(image, bytes, EntrySide(entry[0]), EntrySide(entry[1]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

PictureKind CheckPictureFile(const uint8_t* data, size_t size, BmpPicture* bitmap) {
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    return CheckBmp(data, size, bitmap) == BmpCheck::kOk ? PictureKind::kBitmap
                                                         : PictureKind::kRefused;
  }
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) {
    return CheckJpeg(data, size) ? PictureKind::kJpeg : PictureKind::kRefused;
  }
  if (size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0)) {
    return CheckGif(data, size) ? PictureKind::kGif : PictureKind::kRefused;
  }
  if (size >= 4 && Little16(data) == 0 && Little16(data + 2) == 1) {
    return CheckIcon(data, size) ? PictureKind::kIcon : PictureKind::kRefused;
  }
  return PictureKind::kRefused;
}

}  // namespace zep
