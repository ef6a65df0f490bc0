#include "controls/bitmap_buttons.h"

#include <cstring>

#include "controls/types.h"
#include "core/errors.h"
#include "graphics/canvas.h"
#include "resources/resource_ids.h"

namespace zep {

ButtonSystem* button_system = nullptr;
ButtonSurface button_surfaces[kMaxControls];
BitmapButtonState bitmap_buttons;

namespace {

constexpr Rgb kFace{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255}, kLight{224, 224, 224};
constexpr Rgb kGrey{128, 128, 128}, kBlack{0, 0, 0};

// The icon resources of the standard glyphs 1..20, in glyph order.
constexpr int kGlyphResources[20] = {
    ZEP_GLYPH_PAPER, ZEP_GLYPH_OPEN, ZEP_GLYPH_SAVE, ZEP_GLYPH_CUT, ZEP_GLYPH_COPY,
    ZEP_GLYPH_PASTE, ZEP_GLYPH_UNDO, ZEP_GLYPH_REDO, ZEP_GLYPH_CROSS, ZEP_GLYPH_EXCLAMATION,
    ZEP_GLYPH_PRINTER, ZEP_GLYPH_PREVIEW, ZEP_GLYPH_DOCUMENT, ZEP_GLYPH_FIND, ZEP_GLYPH_FIND_AGAIN,
    ZEP_GLYPH_LEFT, ZEP_GLYPH_RIGHT, ZEP_GLYPH_QUESTION, ZEP_GLYPH_HELP_POINTER, ZEP_GLYPH_GRID};

void ReleaseButtonSurface(int k) {
  ButtonSurface& s = button_surfaces[k];
  if (s.surface != nullptr) button_system->ReleaseSurface(s.surface, s.replaced);
  s = ButtonSurface{};
}

// The script's buttons are the bitmap-button records of the control table.
class ScriptButtonFace : public ButtonFace {
 public:
  ScriptButtonFace() : ButtonFace({"BB_class", "BS_class"}) {}

  int IndexOf(WindowRef w) const override { return ButtonIndexOf(w); }

  ButtonView View(int k) const override {
    ControlRecord& r = control_table.records[k];
    ButtonView v;
    v.window = r.window;
    v.w = r.w;
    v.h = r.h;
    v.pressed = &r.pressed;
    v.command = r.command_id;
    v.hint = r.text;
    v.font = r.font;
    v.font_width = r.font_width;
    v.font_height = r.font_height;
    v.surface = button_surfaces[k].surface;
    return v;
  }

  int FrameOf(int k, bool sunken, FrameLine out[kFrameLines]) const override {
    FrameLinesOf(button_surfaces[k].w, button_surfaces[k].h, sunken, out);
    return kFrameLines;
  }

  // While the run window or one of its controls has the keyboard focus.
  bool HoverAllowed() const override {
    WindowRef focus = button_system->FocusWindow();
    if (focus == nullptr) return false;
    if (focus == bitmap_buttons.button_parent) return true;
    for (int k = 0; k < control_table.control_count; ++k) {
      if (control_table.records[k].window == focus) return true;
    }
    return false;
  }

  // The hint never keeps the focus: it goes back where it came from.
  WindowRef HintFocusTarget(WindowRef previous) const override { return previous; }

  void ReleaseImage(int k) override { ReleaseButtonSurface(k); }
};

ScriptButtonFace script_face;

// The hint and hover state for a new run window.
void OpenButtons(WindowRef window) {
  bitmap_buttons = BitmapButtonState{};
  bitmap_buttons.button_parent = window;
  button_system->RegisterButtonClasses(window);
}

void FreeButtons(WindowRef) {
  if (bitmap_buttons.hint_visible != 0) script_buttons.CloseHint();
  for (int k = 0; k < kMaxControls; ++k) ReleaseButtonSurface(k);
  bitmap_buttons = BitmapButtonState{};
}

}  // namespace

ButtonModel script_buttons(&script_face, &bitmap_buttons);

const RunPart bitmap_buttons_part = {"bitmap buttons", nullptr, OpenButtons, nullptr, FreeButtons};

int GlyphResource(int32_t type) { return type >= 1 && type <= 20 ? kGlyphResources[type - 1] : 0; }

// With a = w - 1 and b = h - 1: the outer and inner top and left lines in
// the light colours, the right and bottom ones in the dark colours (raised),
// or the other way round (sunken, which draws bottom before right).
void FrameLinesOf(int32_t w, int32_t h, bool sunken, FrameLine out[kFrameLines]) {
  int32_t a = w - 1, b = h - 1;
  Rgb outer_light = sunken ? kBlack : kWhite, inner_light = sunken ? kGrey : kLight;
  Rgb outer_dark = sunken ? kWhite : kBlack, inner_dark = sunken ? kLight : kGrey;
  FrameLine top = {{0, 0}, {a, 0}, outer_light}, top_in = {{1, 1}, {a - 1, 1}, inner_light};
  FrameLine left = {{0, 0}, {0, b}, outer_light}, left_in = {{1, 1}, {1, b - 1}, inner_light};
  FrameLine right = {{a, 0}, {a, b + 1}, outer_dark};
  FrameLine right_in = {{a - 1, 1}, {a - 1, b}, inner_dark};
  FrameLine bottom = {{0, b}, {a + 1, b}, outer_dark};
  FrameLine bottom_in = {{1, b - 1}, {a, b - 1}, inner_dark};
  FrameLine raised[kFrameLines] = {top, top_in, left, left_in, right, right_in, bottom, bottom_in};
  FrameLine pressed[kFrameLines] = {top, top_in, left, left_in, bottom, bottom_in, right, right_in};
  std::memcpy(out, sunken ? pressed : raised, sizeof raised);
}

void DrawRaisedFrame(int k) { script_buttons.DrawFrame(k, false); }

// The window, then the surface filled with the face colour, then the
// window shown, so that its first paint finds the surface.
void CreateBitmapButton(WindowRef parent, int k) {
  ControlRecord& r = control_table.records[k];
  r.window =
      button_system->CreateButtonWindow(script_face.classes.button, parent, r.x, r.y, r.w, r.h);
  if (r.window == nullptr) return;
  ButtonSurface& s = button_surfaces[k];
  ReleaseButtonSurface(k);
  s.surface = button_system->CreateSurface(r.window, r.w, r.h, &s.replaced);
  s.w = r.w;
  s.h = r.h;
  if (s.surface != nullptr) {
    Figure f{};
    f.shape = Shape::kRectangle;
    f.right = r.w;
    f.bottom = r.h;
    canvas_system->DrawFigure(s.surface, f, Pen{kFace, false}, Brush{kFace, false});
  }
  r.command_id = k + kControlIdBase;
  r.pressed = 0;
  button_system->ShowAndUpdate(r.window);
}

int ButtonIndexOf(WindowRef w) {
  if (w == nullptr) return -1;
  for (int k = 0; k < control_table.control_count; ++k) {
    const ControlRecord& r = control_table.records[k];
    if (r.window == w && r.type == kTypeBitmapButton) return k;
  }
  return -1;
}

void OnButtonPaint(WindowRef button) { script_buttons.OnPaint(button); }
void OnButtonMouseMove(WindowRef button, int32_t x, int32_t y) {
  script_buttons.OnMouseMove(button, x, y);
}
void OnButtonDown(WindowRef button) { script_buttons.OnDown(button); }
void OnButtonUp(WindowRef button) { script_buttons.OnUp(button); }
void OnButtonTimer(WindowRef button) { script_buttons.OnTimer(button); }
void OnButtonClose(WindowRef button) { script_buttons.OnClose(button); }

void OnHintCreate(WindowRef hint) { script_buttons.OnHintCreate(hint); }
void OnHintDestroy(WindowRef hint) { script_buttons.OnHintDestroy(hint); }
void OnHintTimer(WindowRef hint) { script_buttons.OnHintTimer(hint); }

}  // namespace zep
