// Bitmap buttons (control type 1 in the run window): the script's face of
// the button model (controls/button_model.h). The face is drawn on an
// off-screen surface, framed as a raised or sunken 3D button with a double
// frame; the command is the control's id; the hint is the control's text in
// its font; hover and hints work while the run window or one of its
// controls has the focus. The window procedures (Windows only) call the
// On... functions below with plain numbers.
#pragma once

#include <cstdint>

#include "controls/button_model.h"
#include "core/control_table.h"
#include "core/run_parts.h"

namespace zep {

// One per control index; surface is nullptr for every other control.
struct ButtonSurface {
  Surface surface = nullptr;
  void* replaced = nullptr;  // what the platform context held before
  int32_t w = 0, h = 0;
};

extern ButtonSurface button_surfaces[kMaxControls];

// The hover and hint state of a run, shared by all its buttons.
extern BitmapButtonState bitmap_buttons;

// The model of the script's buttons, with the classes BB_class and BS_class.
extern ButtonModel script_buttons;

// The button state set for the run window, the classes registered; the
// surfaces released at the end.
extern const RunPart bitmap_buttons_part;

// The icon resource of standard glyph number type; 0 outside 1..20.
int GlyphResource(int32_t type);

// The eight lines of a w by h button's double frame, in drawing order.
void FrameLinesOf(int32_t w, int32_t h, bool sunken, FrameLine out[kFrameLines]);

// Draws the raised frame on button k's surface, then shows the surface on its
// window.
void DrawRaisedFrame(int k);

// Creates the button window and surface of record k on parent.
void CreateBitmapButton(WindowRef parent, int k);

// The index of the bitmap button whose window is w, or -1.
int ButtonIndexOf(WindowRef w);

// The button window's messages.
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
