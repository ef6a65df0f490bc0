#include "compiler/stub_format.h"

#include <algorithm>
#include <cstring>

namespace zep {

const char kScriptMarker[] = "ZEP2.15-ZEP2.15-ZEP2.15-ZEP2.15-";

namespace {

constexpr uint8_t kSignature[4] = {0x4D, 0x5A, 0x90, 0x00};
constexpr size_t kRecord = 6;
constexpr size_t kMinRun = 7;  // a shorter run is no shorter as a record
constexpr uint32_t kMaxCount = 0xFFFF;
// Far more than any stub unpacks to; a damaged file that claims more is
// refused before anything is allocated.
constexpr size_t kMaxUnpacked = 64 << 20;

bool IsRecord(const Bytes& b, size_t i) {
  return i + kRecord <= b.size() && b[i] == 'P' && b[i + 1] == 'R' && b[i + 2] == 'S';
}

uint32_t CountOf(const Bytes& b, size_t i) { return b[i + 4] << 8 | b[i + 5]; }

void PutRecord(Bytes* out, uint8_t value, uint32_t count) {
  out->insert(out->end(), {'P', 'R', 'S', value, static_cast<uint8_t>(count >> 8),
                           static_cast<uint8_t>(count)});
}

// The length of the run of equal bytes at i, at most kMaxCount.
size_t RunAt(const Bytes& b, size_t i) {
  size_t n = 1;
  while (i + n < b.size() && b[i + n] == b[i] && n < kMaxCount) ++n;
  return n;
}

}  // namespace

Bytes PackStub(const Bytes& exe) {
  Bytes out(exe.begin(), exe.begin() + std::min<size_t>(4, exe.size()));
  for (size_t i = out.size(); i < exe.size();) {
    size_t run = RunAt(exe, i);
    if (run >= kMinRun) {
      PutRecord(&out, exe[i], static_cast<uint32_t>(run));
      i += run;
    } else if (i + 2 < exe.size() && exe[i] == 'P' && exe[i + 1] == 'R' && exe[i + 2] == 'S') {
      PutRecord(&out, 'P', 1);  // a literal "PRS" would read as a record
      ++i;
    } else {
      out.push_back(exe[i++]);
    }
  }
  for (size_t i = 0; i < 4 && i < out.size(); ++i) out[i] = kPackedTag[i];
  return out;
}

bool UnpackStub(Bytes packed, Bytes* exe, bool* too_large) {
  if (packed.size() < 4) return false;
  std::memcpy(packed.data(), kSignature, 4);
  // Counted in 64 bits: a damaged stub's records may add up past 2^32.
  uint64_t size = 0;
  for (size_t i = 0; i < packed.size();) {
    bool record = IsRecord(packed, i);
    size += record ? CountOf(packed, i) : 1;
    i += record ? kRecord : 1;
  }
  if (size > kMaxUnpacked) {
    if (too_large != nullptr) *too_large = true;
    return false;
  }
  exe->clear();
  exe->reserve(static_cast<size_t>(size));
  for (size_t i = 0; i < packed.size();) {
    if (IsRecord(packed, i)) {
      exe->insert(exe->end(), CountOf(packed, i), packed[i + 3]);
      i += kRecord;
    } else {
      exe->push_back(packed[i++]);
    }
  }
  return true;
}

bool ApplyPatch(const Bytes& patch, Bytes* packed) {
  if (patch.size() % 4 != 0) return false;
  for (size_t i = 0; i < patch.size(); i += 4) {
    size_t pos = patch[i] << 16 | patch[i + 1] << 8 | patch[i + 2];
    if (pos >= packed->size()) return false;
  }
  for (size_t i = 0; i < patch.size(); i += 4) {
    (*packed)[patch[i] << 16 | patch[i + 1] << 8 | patch[i + 2]] = patch[i + 3];
  }
  return true;
}

bool MakePatch(const Bytes& from, const Bytes& to, Bytes* patch) {
  if (from.size() != to.size() || from.size() > 0x1000000) return false;
  patch->clear();
  for (size_t i = 0; i < from.size(); ++i) {
    if (from[i] == to[i]) continue;
    patch->insert(patch->end(), {static_cast<uint8_t>(i >> 16), static_cast<uint8_t>(i >> 8),
                                 static_cast<uint8_t>(i), to[i]});
  }
  return true;
}

const SizeClass* ClassForLength(size_t length) {
  static const SizeClass kClasses[] = {
      {3, "", ""}, {6, "", "06sv"}, {12, "", "12sv"}, {18, "", "18sv"}, {24, "", "24sv"},
      {64, "64", ""},
  };
  for (const SizeClass& c : kClasses) {
    size_t limit = c.kilobytes == 64 ? 65536 : static_cast<size_t>(c.kilobytes) * 1024;
    if (length < limit) return &c;
  }
  return nullptr;
}

long FindScriptMarker(const Bytes& exe) {
  auto at = std::search(exe.begin(), exe.end(), kScriptMarker, kScriptMarker + kMarkerSize);
  return at == exe.end() ? -1 : static_cast<long>(at - exe.begin());
}

std::string DefaultExeName(const std::string& saved_path) {
  size_t slash = saved_path.find_last_of("\\/");
  size_t name = slash == std::string::npos ? 0 : slash + 1;
  return saved_path.substr(0, saved_path.find('.', name)) + ".exe";
}

}  // namespace zep

namespace zep {

namespace {

// The 16 colours of the stub's icon, by index.
constexpr uint8_t kIconPalette[16][3] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
    {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

// The colours of the icon file's pixel bytes; 16 is the file's transparent
// colour, and any other byte stands for white.
constexpr uint8_t kFilePalette[17][3] = {
    {0, 0, 0},       {0, 0, 255},   {255, 0, 0},     {255, 0, 255},   {0, 255, 0},
    {0, 255, 255},   {255, 255, 0}, {255, 255, 255}, {0, 0, 128},     {128, 0, 0},
    {128, 0, 128},   {0, 128, 0},   {0, 128, 128},   {128, 128, 0},   {128, 128, 128},
    {192, 192, 192}, {236, 233, 216},
};

constexpr char kIconFileText[] = "or Zep";
constexpr long kIconSearchStart = 0x20000;
constexpr size_t kIconPixels = 512, kIconMask = 128;

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

}  // namespace

uint8_t IconIndexOf(uint8_t r, uint8_t g, uint8_t b) {
  for (uint8_t i = 0; i < 16; ++i) {
    if (kIconPalette[i][0] == r && kIconPalette[i][1] == g && kIconPalette[i][2] == b) return i;
  }
  return kTransparent;
}

uint32_t IconColour(uint8_t index) {
  const uint8_t* rgb = kIconPalette[index & 15];
  return rgb[0] | rgb[1] << 8 | uint32_t(rgb[2]) << 16;
}

bool ReadIconFile(const uint8_t* data, size_t size, IconIndices* out) {
  if (size < 7 + 1024) return false;
  // The text must be found first at offset 1 of the first 7 bytes.
  const uint8_t* found = std::search(data, data + 7, kIconFileText, kIconFileText + 6);
  if (found != data + 1) return false;
  for (size_t i = 0; i < 1024; ++i) {
    uint8_t v = data[7 + i];
    const uint8_t* rgb = v <= 16 ? kFilePalette[v] : kFilePalette[7];
    (*out)[i] = IconIndexOf(rgb[0], rgb[1], rgb[2]);
  }
  return true;
}

bool ReadIconImage(const uint8_t* data, size_t size, IconIndices* out) {
  const size_t header = 40, palette = 64;
  if (size < header + palette + kIconPixels + kIconMask) return false;
  if (Le32(data) != header || Le32(data + 4) != 32 || Le32(data + 8) != 64) return false;
  if (data[14] != 4 || data[15] != 0) return false;  // 4 bits a pixel
  const uint8_t* colours = data + header;
  const uint8_t* pixels = colours + palette;
  const uint8_t* mask = pixels + kIconPixels;
  for (int y = 0; y < 32; ++y) {
    int row = 31 - y;  // bottom-up
    for (int x = 0; x < 32; ++x) {
      uint8_t byte = pixels[row * 16 + x / 2];
      const uint8_t* bgr = colours + 4 * (x % 2 == 0 ? byte >> 4 : byte & 15);
      bool clear = mask[row * 4 + x / 8] & (0x80 >> (x % 8));
      (*out)[y * 32 + x] = clear ? kTransparent : IconIndexOf(bgr[2], bgr[1], bgr[0]);
    }
  }
  return true;
}

bool ReplaceStubIcon(const IconIndices& indices, Bytes* exe) {
  static const uint8_t kPattern[20] = {0xFF, 0xFF, 0xFF, 0x00, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44,
                                       0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44, 0x44};
  long u = static_cast<long>(exe->size());
  long end = u - 30;
  if (end <= kIconSearchStart) return false;
  auto at = std::search(exe->begin() + kIconSearchStart, exe->begin() + end, kPattern, kPattern + 20);
  size_t p = static_cast<size_t>(at - exe->begin());
  // The image must lie whole inside the stub, pixels and mask.
  if (at == exe->begin() + end || p + 4 + kIconPixels + kIconMask > exe->size()) return false;
  uint8_t* pixels = exe->data() + p + 4;
  uint8_t* mask = pixels + kIconPixels;
  IconIndices work = indices;
  for (int y = 31; y >= 0; --y) {
    for (int x = 0; x < 32; x += 2) {
      for (int px = x; px < x + 2; ++px) {
        uint8_t& index = work[y * 32 + px];
        if (index < kTransparent) continue;
        index = 0;
        mask[(31 - y) * 4 + px / 8] |= static_cast<uint8_t>(0x80 >> (px % 8));
      }
      *pixels++ = static_cast<uint8_t>(work[y * 32 + x] << 4 | work[y * 32 + x + 1]);
    }
  }
  return true;
}

}  // namespace zep
