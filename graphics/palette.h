// The 16-colour palette that every colour argument names.
#pragma once

#include <cstdint>

namespace zep {

struct Rgb {
  uint8_t r, g, b;
};

constexpr int kPaletteSize = 16;

extern Rgb palette[kPaletteSize];

// Puts back the default colours; done every time a run window is created.
void ResetPalette();

}  // namespace zep
