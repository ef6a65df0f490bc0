#include "graphics/palette.h"

namespace zep {

namespace {

// Black, blue, red, magenta, green, cyan, yellow, white (bit 0 blue, bit 1
// red, bit 2 green), the same hues at half intensity, and light grey.
const Rgb kDefaultPalette[kPaletteSize] = {
    {0, 0, 0},     {0, 0, 255},   {255, 0, 0},     {255, 0, 255},
    {0, 255, 0},   {0, 255, 255}, {255, 255, 0},   {255, 255, 255},
    {0, 0, 128},   {128, 0, 0},   {128, 0, 128},   {0, 128, 0},
    {0, 128, 128}, {128, 128, 0}, {128, 128, 128}, {192, 192, 192},
};

}  // namespace

Rgb palette[kPaletteSize];

void ResetPalette() {
  for (int i = 0; i < kPaletteSize; ++i) palette[i] = kDefaultPalette[i];
}

}  // namespace zep
