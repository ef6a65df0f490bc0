#include "assist/palette_assist.h"

namespace zep {

PaletteLevels palette_levels;

bool ScrollLevel(int* level, int code, int pos) {
  switch (code) {
    case kLineLeft:
      if (*level <= 0) return false;
      --*level;
      return true;
    case kLineRight:
      if (*level >= 255) return false;
      ++*level;
      return true;
    case kThumbTrack:
      // The bar's range is 0..255; a position outside it cannot be a level.
      *level = pos < 0 ? 0 : pos > 255 ? 255 : pos;
      return true;
    default:
      return false;
  }
}

std::string PaletteText(const PaletteLevels& levels, int mode) {
  std::string rgb = std::to_string(levels.red) + "," + std::to_string(levels.green) + "," +
                    std::to_string(levels.blue);
  return mode == 0 ? "SetPal(n," + rgb + ") ;\r\n" : rgb;
}

}  // namespace zep
