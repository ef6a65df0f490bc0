// The hover, press and hint model of the program's own picture buttons,
// written once for its two faces: the script's bitmap buttons (BB_class with
// the hint class BS_class) and the editor's toolbar (BBtn_class, BStr_class).
//
// A button is idle, hovered (the pointer rests on it: mouse captured, the
// hover delay running, then its hint shown) or pressed (drawn sunken).
// Leaving the button from any state makes it idle and raised again; a press
// then a release on the button is the only way to send its command. One
// hint window exists at a time; it closes after its lifetime, on a press, a
// release, or when the pointer leaves the button.
//
// What differs between the faces is behind ButtonFace: where the buttons are
// kept, the frame's lines, when hovering is allowed, the hint's font, where
// a focused hint sends the focus, and how a button's picture is released.
#pragma once

#include <cstdint>

#include "controls/button_system.h"
#include "core/control_table.h"
#include "graphics/palette.h"

namespace zep {

// The window classes of one face.
struct ButtonClasses {
  const char* button;
  const char* hint;
};

// The hover and hint state of one set of buttons.
struct BitmapButtonState {
  WindowRef button_parent = nullptr;  // receives the buttons' commands
  int32_t hover_delay_ms = 1000;
  int32_t hint_life_ms = 8000;
  Rgb hint_fill{255, 255, 255}, hint_border{0, 0, 0}, hint_text{0, 0, 0};
  int hint_owner = -1;    // index of the button whose hint is shown
  int hint_visible = 0;
  WindowRef hint_window = nullptr;
  int hovering = 0;       // the pointer is over a button that holds the capture
  ClientArea parent_client{0, 0, 0, 0};
  int32_t last_x = 0, last_y = 0;  // last move over a button, button coordinates
  int32_t hint_width = 0, hint_height = 0;  // the hint window's client size
};

// One button as the model sees it.
struct ButtonView {
  WindowRef window = nullptr;
  int32_t w = 0, h = 0;            // the size the pointer is tested against
  int32_t* pressed = nullptr;      // 1 between a press and its release or cancel
  int command = 0;                 // sent to the parent on a click
  const char* hint = "";           // empty: no hint
  FontRef font = nullptr;          // the hint's font and its cell
  int32_t font_width = 6, font_height = 12;
  Surface surface = nullptr;       // the picture, frame included; nullptr: none
};

// One line of a button's frame: from `from` up to, not including, `to`.
struct FrameLine {
  PointXY from, to;
  Rgb colour;
};
constexpr int kFrameLines = 8;

class ButtonFace {
 public:
  explicit ButtonFace(ButtonClasses classes) : classes(classes) {}
  virtual ~ButtonFace() = default;

  // The index of the button whose window is w, or -1.
  virtual int IndexOf(WindowRef w) const = 0;
  virtual ButtonView View(int k) const = 0;
  // The lines of button k's frame in drawing order (at most kFrameLines).
  virtual int FrameOf(int k, bool sunken, FrameLine out[kFrameLines]) const = 0;
  // Hover and hints work only while this holds.
  virtual bool HoverAllowed() const = 0;
  // Where a hint that got the focus hands it on (previous lost it).
  virtual WindowRef HintFocusTarget(WindowRef previous) const = 0;
  // Button k's window is closing: its picture goes (the window stays).
  virtual void ReleaseImage(int k) = 0;

  const ButtonClasses classes;
};

// The model's steps for one face and its state. The window procedures call
// the On... functions with plain numbers.
class ButtonModel {
 public:
  ButtonModel(ButtonFace* face, BitmapButtonState* state) : face(*face), state(*state) {}

  // Draws the frame on button k's picture, then shows the picture.
  void DrawFrame(int k, bool sunken);
  void ShowHint(int k);
  void CloseHint();

  void OnCreate();
  void OnPaint(WindowRef button);
  void OnMouseMove(WindowRef button, int32_t x, int32_t y);
  void OnDown(WindowRef button);
  void OnUp(WindowRef button);
  void OnTimer(WindowRef button);
  void OnClose(WindowRef button);

  void OnHintCreate(WindowRef hint);
  void OnHintDestroy(WindowRef hint);
  void OnHintTimer(WindowRef hint);

  ButtonFace& face;
  BitmapButtonState& state;

 private:
  bool PointerInside(const ButtonView& b, int32_t x, int32_t y, PointXY in_parent) const;
  void Leave(WindowRef button, int k);
};

}  // namespace zep
