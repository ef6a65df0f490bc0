#include "graphics/screens.h"

#include <cstdlib>

#include "core/args.h"
#include "core/errors.h"
#include "graphics/screen_state.h"

namespace zep {

Target AcquireTarget(WindowRef window) {
  if (graphics_state.current_screen == 0) return {canvas_system->BackSurface(), false};
  return {canvas_system->AcquireFront(window), true};
}

void ReleaseTarget(WindowRef window, const Target& target) {
  if (target.front) canvas_system->ReleaseFront(window, target.surface);
}

Surface ScreenContext(int32_t screen, Surface front) {
  return screen == 0 ? canvas_system->BackSurface() : front;
}

bool ScreenAvailable(int32_t screen) { return screen > 0 || graphics_state.back_screen_exists != 0; }

Area MirroredDestination(const Area& to) {
  Area a = to;
  if (a.w < 0) a.x = Wrap32(int64_t{a.x} - a.w - 2);
  if (a.h < 0) a.y = Wrap32(int64_t{a.y} - a.h - 1);
  return a;
}

RasterOp RasterOpFor(int32_t mode) {
  switch (mode) {
    case 1: return RasterOp::kNotCopy;
    case 2: return RasterOp::kPaint;
    case 3: return RasterOp::kAnd;
    case 4: return RasterOp::kInvert;
    default: return RasterOp::kCopy;
  }
}

// Computed exactly in 64 bits: the same as 32-bit arithmetic wherever that
// does not overflow, and a huge percentage still saturates instead of
// wrapping round to an arbitrary byte.
uint8_t ShiftColourByte(uint8_t v, int32_t percent) {
  int64_t r = int64_t{v} * percent / 100;
  if (r > 255) return 255;
  return static_cast<uint8_t>(static_cast<uint64_t>(r) & 0xFF);
}

void ShiftColourBytes(uint8_t* bytes, size_t count, int32_t percent) {
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = ShiftColourByte(static_cast<uint8_t>(v), percent);
  for (size_t i = 0; i < count; ++i) bytes[i] = table[bytes[i]];
}

namespace {

// SubScreen(wide,height), CREATE only: declares the back screen.
void CmdSubScreen(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  graphics_state.back_width = a[0];
  graphics_state.back_height = a[1];
  graphics_state.back_screen_exists = 1;
}

// SelectScreen(n): 1 draws on the window, 0 on the back screen.
void CmdSelectScreen(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  if (!graphics_state.back_screen_exists) return SetError(kErrNoBackScreen);
  if (a[0] != 0 && a[0] != 1) return SetError(kErrBadValue);
  graphics_state.current_screen = static_cast<uint8_t>(a[0]);
}

// CopyBMP(Scr,X1,Y1,W1,H1,Scr,X2,Y2,W2,H2,mode): one stretching copy between
// screens; it ignores the current screen.
void CmdCopyBMP(WindowRef window, const ArgList& args, int) {
  int32_t a[11];
  if (!GetIntArgs(window, args, 0, 10, a)) return;
  if (!ScreenAvailable(a[0]) || !ScreenAvailable(a[5])) return SetError(kErrNoBackScreen);
  Area from{a[1], a[2], a[3], a[4]};
  Area to = MirroredDestination({a[6], a[7], a[8], a[9]});
  Surface front = canvas_system->AcquireFront(window);
  canvas_system->StretchCopy(ScreenContext(a[5], front), to, ScreenContext(a[0], front), from,
                      RasterOpFor(a[10]));
  canvas_system->ReleaseFront(window, front);
}

// ShiftBMPColor(Scr,X1,Y1,W,H,Scr,X2,Y2,Percent): copies a rectangle with
// every colour byte scaled. An empty rectangle copies nothing; a buffer too
// large to allocate is refused with code 20.
void CmdShiftBMPColor(WindowRef window, const ArgList& args, int) {
  int32_t a[9];
  if (!GetIntArgs(window, args, 0, 8, a)) return;
  if (!ScreenAvailable(a[0]) || !ScreenAvailable(a[5])) return SetError(kErrNoBackScreen);
  int32_t w = a[3], h = a[4];
  if (w <= 0 || h <= 0) return;
  uint64_t bytes = uint64_t{static_cast<uint32_t>(w)} * static_cast<uint32_t>(h) * 4;
  if (bytes > kMaxShiftBytes) return SetError(kErrMemory);
  uint8_t* buffer = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(bytes)));
  if (buffer == nullptr) return SetError(kErrMemory);
  Surface front = canvas_system->AcquireFront(window);
  if (canvas_system->ReadPixels(ScreenContext(a[0], front), {a[1], a[2], w, h}, buffer)) {
    ShiftColourBytes(buffer, static_cast<size_t>(bytes), a[8]);
    canvas_system->WritePixels(ScreenContext(a[5], front), {a[6], a[7], w, h}, buffer);
  }
  canvas_system->ReleaseFront(window, front);
  std::free(buffer);
}

// ClipBMP(XL,YT,W,H): a rectangle of the current screen onto the clipboard.
void CmdClipBMP(WindowRef window, const ArgList& args, int) {
  int32_t a[4];
  if (!GetIntArgs(window, args, 0, 3, a)) return;
  Target target = AcquireTarget(window);
  canvas_system->CopyToClipboard(window, target.surface, {a[0], a[1], a[2], a[3]});
  ReleaseTarget(window, target);
}

const CommandRow kRows[] = {
    {"SubScreen", CmdSubScreen, 0, kPhaseCreate, false, "ii"},
    {"SelectScreen", CmdSelectScreen, 0, kPhaseRun, false, "i"},
    {"CopyBMP", CmdCopyBMP, 0, kPhaseRun, false, "iiiiiiiiiii"},
    {"ClipBMP", CmdClipBMP, 0, kPhaseRun, false, "iiii"},
    {"ShiftBMPColor", CmdShiftBMPColor, 0, kPhaseRun, false, "iiiiiiiii"},
};

}  // namespace

const CommandList screen_commands = {"graphics", kRows, RowCount(kRows)};

}  // namespace zep
