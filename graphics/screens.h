// The front and back screens: the current drawing target, and the rules of
// the bitmap copies between screens.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/command_table.h"
#include "core/common.h"
#include "graphics/canvas.h"

namespace zep {

// The rows of the screen and bitmap copy commands.
extern const CommandList screen_commands;

// A drawing context for one command; `front` tells whether it must be given
// back to the platform.
struct Target {
  Surface surface;
  bool front;
};

// The context of the current screen: a client-area context of window when the
// front screen is selected, the back screen's context otherwise.
Target AcquireTarget(WindowRef window);
// Gives a client-area context back; nothing to do for the back screen.
void ReleaseTarget(WindowRef window, const Target& target);
// The back screen's context for screen number 0, else the given front context.
Surface ScreenContext(int32_t screen, Surface front);
// Screen numbers up to 0 need the back screen (only 0 names it, but the
// check covers every number up to 0).
bool ScreenAvailable(int32_t screen);

// The destination of a copy with negative extents: a negative width moves
// the origin to x - w - 2, a negative height to y - h - 1; the extents stay.
Area MirroredDestination(const Area& to);
// Modes 0..4 name the five raster operations; any other mode copies.
RasterOp RasterOpFor(int32_t mode);

// One byte of ShiftBMPColor: v * percent / 100 truncated toward zero; above
// 255 gives 255, below 0 keeps its low 8 bits.
uint8_t ShiftColourByte(uint8_t v, int32_t percent);
void ShiftColourBytes(uint8_t* bytes, size_t count, int32_t percent);

// The largest working buffer ShiftBMPColor takes: far above any real screen.
constexpr uint64_t kMaxShiftBytes = 256u * 1024u * 1024u;

}  // namespace zep
