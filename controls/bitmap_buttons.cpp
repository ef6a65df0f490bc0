#include "controls/bitmap_buttons.h"

#include <cstring>

#include "controls/types.h"
#include "core/errors.h"
#include "graphics/canvas.h"

namespace zep {

ButtonSystem* button_system = nullptr;
ButtonSurface button_surfaces[kMaxControls];
BitmapButtonState bitmap_buttons;

namespace {

constexpr Rgb kFace{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255}, kLight{224, 224, 224};
constexpr Rgb kGrey{128, 128, 128}, kBlack{0, 0, 0};

// The icon resources of the standard glyphs 1..20, in glyph order.
constexpr int kGlyphResources[20] = {161, 149, 139, 154, 155, 156, 157, 158, 160, 140,
                                     166, 162, 148, 143, 165, 152, 153, 151, 164, 163};

void ReleaseButtonSurface(int k) {
  ButtonSurface& s = button_surfaces[k];
  if (s.surface != nullptr) button_system->ReleaseSurface(s.surface, s.replaced);
  s = ButtonSurface{};
}

void DrawFrame(int k, bool sunken) {
  ButtonSurface& s = button_surfaces[k];
  const ControlRecord& r = control_table.records[k];
  if (s.surface == nullptr || r.window == nullptr) return;
  FrameLine lines[kFrameLines];
  FrameLinesOf(s.w, s.h, sunken, lines);
  for (const FrameLine& line : lines) {
    Figure f{};
    f.shape = Shape::kLine;
    f.points[0] = line.from;
    f.points[1] = line.to;
    f.point_count = 2;
    canvas->DrawFigure(s.surface, f, Pen{line.colour, false}, Brush{line.colour, true});
  }
  button_system->ShowSurface(r.window, s.surface, s.w, s.h);
}

// The hint and hover state for a new run window.
void OpenButtons(WindowRef window) {
  bitmap_buttons = BitmapButtonState{};
  bitmap_buttons.button_parent = window;
  button_system->RegisterButtonClasses(window);
}

void FreeButtons(WindowRef) {
  if (bitmap_buttons.hint_visible != 0) CloseHint();
  for (int k = 0; k < kMaxControls; ++k) ReleaseButtonSurface(k);
  bitmap_buttons = BitmapButtonState{};
}

}  // namespace

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

void DrawRaisedFrame(int k) { DrawFrame(k, false); }
void DrawSunkenFrame(int k) { DrawFrame(k, true); }

// The window, then the surface filled with the face colour, then the
// window shown, so that its first paint finds the surface.
void CreateBitmapButton(WindowRef parent, int k) {
  ControlRecord& r = control_table.records[k];
  r.window = button_system->CreateButtonWindow(parent, r.x, r.y, r.w, r.h);
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
    canvas->DrawFigure(s.surface, f, Pen{kFace, false}, Brush{kFace, false});
  }
  r.command_id = k + kControlIdBase;
  r.pressed = 0;
  button_system->ShowAndUpdate(r.window);
}

// The hint's size comes from the text's length in bytes and the owner's
// font cell; it appears 8 pixels right of and 24 below the last pointer
// position. Only one hint exists at a time.
void ShowHint(int k) {
  const ControlRecord& r = control_table.records[k];
  if (r.text[0] == '\0') return;
  if (bitmap_buttons.hint_visible != 0) CloseHint();
  bitmap_buttons.hint_owner = k;
  int32_t w = static_cast<int32_t>(std::strlen(r.text)) * r.font_width + 12;
  int32_t h = r.font_height + 4;
  PointXY at = button_system->MapPoint(r.window, nullptr,
                                       {bitmap_buttons.last_x, bitmap_buttons.last_y});
  bitmap_buttons.hint_window =
      button_system->CreateHintWindow(r.window, at.x + 8, at.y + 24, w, h);
  bitmap_buttons.hint_visible = 1;
}

void CloseHint() {
  if (bitmap_buttons.hint_window != nullptr) button_system->SendClose(bitmap_buttons.hint_window);
  bitmap_buttons.hint_window = nullptr;
  bitmap_buttons.hint_visible = 0;
}

int ButtonIndexOf(WindowRef w) {
  if (w == nullptr) return -1;
  for (int k = 0; k < control_table.control_count; ++k) {
    const ControlRecord& r = control_table.records[k];
    if (r.window == w && r.type == kTypeBitmapButton) return k;
  }
  return -1;
}

void OnButtonCreate() {
  bitmap_buttons.hovering = 0;
  button_system->ReleaseMouse();
}

// While a hint is shown the button is not drawn.
void OnButtonPaint(WindowRef button) {
  int k = ButtonIndexOf(button);
  if (k < 0) return;
  if (bitmap_buttons.hint_visible == 0) {
    if (control_table.records[k].pressed != 0) {
      DrawSunkenFrame(k);
    } else {
      DrawRaisedFrame(k);
    }
  }
  bitmap_buttons.parent_client = button_system->ClientRect(bitmap_buttons.button_parent);
}

namespace {

// Hints and hover work only while the run window or one of its controls has
// the keyboard focus.
bool RunWindowActive() {
  WindowRef focus = button_system->FocusWindow();
  if (focus == nullptr) return false;
  if (focus == bitmap_buttons.button_parent) return true;
  for (int k = 0; k < control_table.control_count; ++k) {
    if (control_table.records[k].window == focus) return true;
  }
  return false;
}

bool PointerInside(const ControlRecord& r, int32_t x, int32_t y, PointXY p) {
  const ClientArea& c = bitmap_buttons.parent_client;
  return x > 0 && x < r.w && y > 0 && y < r.h && p.x > 0 && p.x < c.right && p.y > 0 &&
         p.y < c.bottom;
}

}  // namespace

// Entering captures the mouse and starts the hint's delay; the capture
// lets the button see the move that leaves it, which undoes all of that
// and also cancels a press.
void OnButtonMouseMove(WindowRef button, int32_t x, int32_t y) {
  int k = ButtonIndexOf(button);
  if (k < 0 || !RunWindowActive()) return;
  ControlRecord& r = control_table.records[k];
  bitmap_buttons.last_x = x;
  bitmap_buttons.last_y = y;
  PointXY p = button_system->MapPoint(button, bitmap_buttons.button_parent, {x, y});
  if (PointerInside(r, x, y, p)) {
    if (bitmap_buttons.hovering != 0) return;
    bitmap_buttons.hovering = 1;
    button_system->SetArrowCursor();
    button_system->CaptureMouse(button);
    button_system->StartTimer1(button, bitmap_buttons.hover_delay_ms);
    return;
  }
  if (bitmap_buttons.hovering == 0) return;
  bitmap_buttons.hovering = 0;
  button_system->ReleaseMouse();
  CloseHint();
  button_system->StopTimer1(button);
  r.pressed = 0;
  DrawRaisedFrame(k);
}

void OnButtonDown(WindowRef button) {
  int k = ButtonIndexOf(button);
  if (k < 0) return;
  control_table.records[k].pressed = 1;
  CloseHint();
  button_system->StopTimer1(button);
  DrawSunkenFrame(k);
}

// Only a release that follows a press on this button sends its command.
void OnButtonUp(WindowRef button) {
  int k = ButtonIndexOf(button);
  if (k < 0 || control_table.records[k].pressed == 0) return;
  control_table.records[k].pressed = 0;
  CloseHint();
  button_system->StopTimer1(button);
  DrawRaisedFrame(k);
  bitmap_buttons.hovering = 0;
  button_system->ReleaseMouse();
  button_system->SendCommand(bitmap_buttons.button_parent, control_table.records[k].command_id);
}

void OnButtonTimer(WindowRef button) {
  int k = ButtonIndexOf(button);
  if (k < 0) return;
  button_system->StopTimer1(button);
  ShowHint(k);
}

void OnButtonClose(WindowRef button) {
  int k = ButtonIndexOf(button);
  if (k < 0) return;
  if (bitmap_buttons.hovering != 0) button_system->ReleaseMouse();
  ReleaseButtonSurface(k);
}

void OnHintCreate(WindowRef hint) { button_system->StartTimer1(hint, bitmap_buttons.hint_life_ms); }
void OnHintDestroy(WindowRef hint) { button_system->StopTimer1(hint); }

void OnHintTimer(WindowRef hint) {
  button_system->SendClose(hint);
  if (hint == bitmap_buttons.hint_window) bitmap_buttons.hint_window = nullptr;
  bitmap_buttons.hint_visible = 0;
}

}  // namespace zep
