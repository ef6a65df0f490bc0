#include "graphics/screen_state.h"

#include "graphics/canvas.h"
#include "graphics/palette.h"

namespace zep {

GraphicsState graphics_state;

void ResetGraphicsState() { graphics_state = GraphicsState{}; }

namespace {

void OpenPalette(WindowRef) { ResetPalette(); }

void OpenBackScreen(WindowRef window) {
  if (graphics_state.back_screen_exists) {
    canvas_system->CreateBackScreen(window, graphics_state.back_width, graphics_state.back_height);
  }
}

// At a failed load no back screen was made; at the window's end it goes,
// and so does the picture a LoadBMP kept.
void FreeBackScreen(WindowRef window) {
  if (window != nullptr && graphics_state.back_screen_exists) canvas_system->DestroyBackScreen();
  if (window != nullptr) canvas_system->ForgetKeptBitmap();
}

}  // namespace

const RunPart palette_part = {"palette", nullptr, OpenPalette, nullptr, nullptr};
const RunPart screen_part = {"screens", ResetGraphicsState, nullptr, nullptr, nullptr};
const RunPart back_screen_part = {"back screen", nullptr, OpenBackScreen, nullptr,
                                  FreeBackScreen};

}  // namespace zep
