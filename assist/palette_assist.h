// The palette assist's decisions: the three colour levels that outlive the
// dialog, what each scroll code does to a level, and the text produced.
#pragma once

#include <string>

namespace zep {

struct PaletteLevels {
  int red = 255, green = 200, blue = 255;
};

// The levels shown at the next opening: kept for the whole process, also
// when the dialog is cancelled.
extern PaletteLevels palette_levels;

// The scroll codes of a horizontal scroll bar that the dialog acts on (the
// platform's SB_LINELEFT, SB_LINERIGHT and SB_THUMBTRACK).
enum PaletteScroll { kLineLeft = 0, kLineRight = 1, kThumbTrack = 5 };

// Applies scroll code `code` (with the thumb position `pos`) to a level of
// 0..255. Gives true when the bar's thumb must move and the swatch be
// repainted: an arrow that moves the level, or a drag. Arrows at the ends
// and every other code (page steps, thumb released, end of scroll) change
// nothing and give false.
bool ScrollLevel(int* level, int code, int pos);

// Output mode 0: "SetPal(n,R,G,B) ;" with CR LF, the letter n left for the
// user to replace by a palette number; mode 1: "R,G,B" alone.
std::string PaletteText(const PaletteLevels& levels, int mode);

// The swatch in client pixels, right and bottom exclusive as the platform
// fills rectangles.
constexpr int kSwatchLeft = 202, kSwatchTop = 44, kSwatchRight = 310, kSwatchBottom = 115;

}  // namespace zep
