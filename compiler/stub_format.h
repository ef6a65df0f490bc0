// The runtime stub as the compiler finds it: packed with run records,
// patched from the base stub to a larger script area, unpacked; its script
// marker and its icon image; the size classes; the icon file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zep {

using Bytes = std::vector<uint8_t>;

// The 32 bytes that open the script area of an unpacked stub.
extern const char kScriptMarker[];
constexpr size_t kMarkerSize = 32;

// A packed stub: "PRS" v nH nL stands for n copies of v (n big-endian); any
// other byte for itself. Its first four bytes are a tag, replaced by the
// executable's signature (4D 5A 90 00) before it is unpacked.
constexpr uint8_t kPackedTag[4] = {'Z', 'P', 'K', '1'};

// Packs an executable (which starts with the signature). Runs of 7 or more
// equal bytes become records, as does every "PRS" of the executable, so
// that unpacking gives back the same bytes.
Bytes PackStub(const Bytes& exe);

// Unpacks, with the signature in place of the tag; false when the packed
// bytes are shorter than the tag or would unpack to more than 64 MB (then
// *too_large, when given, is set: the program would not fit in memory).
bool UnpackStub(Bytes packed, Bytes* exe, bool* too_large = nullptr);

// Applies 4-byte patch records (24-bit big-endian position, new byte) in
// order. false, and nothing applied, when the patch is not whole records or
// names a position beyond the packed stub.
bool ApplyPatch(const Bytes& patch, Bytes* packed);

// The patch that turns packed stub `from` into `to`; false when they differ
// in length or are too long for 24-bit positions.
bool MakePatch(const Bytes& from, const Bytes& to, Bytes* patch);

// A script area size class, by the length of the compacted script.
struct SizeClass {
  int kilobytes;
  const char* stub_suffix;   // appended to the stub's name ("" or "64")
  const char* patch_suffix;  // the patch file's suffix, or "" for none
};
// nullptr for a script of 65,536 bytes or more.
const SizeClass* ClassForLength(size_t length);

// The offset of the first script marker, or -1.
long FindScriptMarker(const Bytes& exe);

// Icon indices, 32 x 32, top row first: 0..15 into the 16-colour icon
// palette, 16 for a transparent pixel.
using IconIndices = std::array<uint8_t, 1024>;
constexpr uint8_t kTransparent = 16;

// The icon palette index of an RGB colour, or kTransparent.
uint8_t IconIndexOf(uint8_t r, uint8_t g, uint8_t b);
// The colour of an icon palette index (0..15) as 0x00BBGGRR.
uint32_t IconColour(uint8_t index);

// Reads the program's icon file format ("or Zep" at offset 1, then 1,024
// pixel bytes). false for a file without the text at offset 1 or too short.
bool ReadIconFile(const uint8_t* data, size_t size, IconIndices* out);

// Reads a 32 x 32, 4-bit icon image (a bottom-up bitmap with its palette,
// pixels and transparency mask, as an icon resource holds it).
bool ReadIconImage(const uint8_t* data, size_t size, IconIndices* out);

// Writes indices into the stub's icon image, found at or after 0x20000 by
// its white palette end and its bottom row of colour 4; a transparent pixel
// becomes index 0 with its mask bit set. Gives false (the stub keeps its
// icon) when there is no such image.
bool ReplaceStubIcon(const IconIndices& indices, Bytes* exe);

// The output name proposed for a saved script: everything from the first
// dot of the file name on replaced by ".exe" (appended when there is none).
// Dots in folder names are passed over, so that the program is proposed
// beside its script, never as another file in a parent folder.
std::string DefaultExeName(const std::string& saved_path);

}  // namespace zep
