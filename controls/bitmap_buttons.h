// Bitmap buttons (control type 1 in the run window): a face drawn on an
// off-screen surface, a raised or sunken 3D frame, a command sent when the
// left button is released over the button, and a hint window that pops up
// when the pointer rests on it. The window procedures (Windows only) call
// the On... functions below with plain numbers.
#pragma once

#include <cstdint>

#include "controls/button_system.h"
#include "core/control_table.h"
#include "core/run_parts.h"
#include "graphics/palette.h"

namespace zep {

// One per control index; surface is nullptr for every other control.
struct ButtonSurface {
  Surface surface = nullptr;
  void* replaced = nullptr;  // what the platform context held before
  int32_t w = 0, h = 0;
};

extern ButtonSurface button_surfaces[kMaxControls];

// The hover and hint state of a run, shared by all its buttons.
struct BitmapButtonState {
  WindowRef button_parent = nullptr;  // the run window; receives the commands
  int32_t hover_delay_ms = 1000;
  int32_t hint_life_ms = 8000;
  Rgb hint_fill{255, 255, 255}, hint_border{0, 0, 0}, hint_text{0, 0, 0};
  int hint_owner = -1;    // index of the button whose hint is shown
  int hint_visible = 0;
  WindowRef hint_window = nullptr;
  int hovering = 0;       // the pointer is over a button that holds the capture
  ClientArea parent_client{0, 0, 0, 0};
  int32_t last_x = 0, last_y = 0;  // last move over a button, button coordinates
};

extern BitmapButtonState bitmap_buttons;

// The button state set for the run window, the classes registered; the
// surfaces released at the end.
extern const RunPart bitmap_buttons_part;

// The icon resource of standard glyph number type; 0 outside 1..20.
int GlyphResource(int32_t type);

// One line of a button's frame: from `from` up to, not including, `to`.
struct FrameLine {
  PointXY from, to;
  Rgb colour;
};
constexpr int kFrameLines = 8;
// The eight lines of a w by h button's frame, in drawing order.
void FrameLinesOf(int32_t w, int32_t h, bool sunken, FrameLine out[kFrameLines]);

// Draw the frame on button k's surface, then show the surface on its window.
void DrawRaisedFrame(int k);
void DrawSunkenFrame(int k);

// Creates the button window and surface of record k on parent.
void CreateBitmapButton(WindowRef parent, int k);

void ShowHint(int k);
void CloseHint();

// The index of the bitmap button whose window is w, or -1.
int ButtonIndexOf(WindowRef w);

// The button window's messages.
void OnButtonCreate();
void OnButtonPaint(WindowRef button);
void OnButtonMouseMove(WindowRef button, int32_t x, int32_t y);
void OnButtonDown(WindowRef button);
void OnButtonUp(WindowRef button);
void OnButtonTimer(WindowRef button);
void OnButtonClose(WindowRef button);

// The hint window's messages.
void OnHintCreate(WindowRef hint);
void OnHintDestroy(WindowRef hint);
void OnHintTimer(WindowRef hint);

}  // namespace zep
