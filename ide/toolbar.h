// The editor's toolbar buttons: the editor's face of the button model
// (controls/button_model.h), with the classes BBtn_class and BStr_class. A
// button shows the icon whose resource id is its command, drawn once at
// creation, with a single one-pixel frame; at most 6 exist; hover and hints
// work only while the editor's text control has the keyboard focus; the
// hint's font is fixed; a focused hint hands the focus to the editor.
#pragma once

#include <cstdint>

#include "controls/button_model.h"
#include "core/common.h"

namespace zep {

constexpr int kMaxToolbarButtons = 6;

struct ToolbarButton {
  WindowRef window = nullptr;
  int32_t width = 0, height = 0;  // client size given at creation
  int command = 0;                // sent on a click; also the icon's id
  int32_t pressed = 0;
  char hint[64] = "";
  Surface image = nullptr;        // the picture, edges included
  void* replaced = nullptr;       // what the image's context held before
};

struct Toolbar {
  ToolbarButton buttons[kMaxToolbarButtons];
  int count = 0;
  WindowRef focus_holder = nullptr;  // hover works while this has the focus
  FontRef hint_font = nullptr;
  BitmapButtonState state;
};

extern ButtonModel toolbar_buttons;

// Creates a button on parent at x, y, sized w by h, showing icon `command`
// and sending it when clicked: its window, or nullptr when 6 exist already
// or the window cannot be made. The first creation also makes the hint font
// and registers the classes; when a registration fails, no button is made.
WindowRef CreateToolbarButton(WindowRef parent, int32_t x, int32_t y, int32_t w, int32_t h,
                              const char* hint, int command);

// The four edges of a w by h button, top, left, bottom, right: white top and
// left and black bottom and right when raised, the other way when sunken.
int SingleFrameLines(int32_t w, int32_t h, bool sunken, FrameLine out[kFrameLines]);

// Every image and the hint font released, the table emptied (the editor's end).
void ReleaseToolbar();

}  // namespace zep
