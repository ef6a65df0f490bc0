#include "controls/button_model.h"

#include <cstring>

#include "graphics/canvas.h"

namespace zep {

void ButtonModel::DrawFrame(int k, bool sunken) {
  ButtonView b = face.View(k);
  if (b.surface == nullptr || b.window == nullptr) return;
  FrameLine lines[kFrameLines];
  int n = face.FrameOf(k, sunken, lines);
  for (int i = 0; i < n; ++i) {
    Figure f{};
    f.shape = Shape::kLine;
    f.points[0] = lines[i].from;
    f.points[1] = lines[i].to;
    f.point_count = 2;
    canvas_system->DrawFigure(b.surface, f, Pen{lines[i].colour, false}, Brush{lines[i].colour, true});
  }
  button_system->ShowSurface(b.window, b.surface, b.w, b.h);
}

// The hint's size comes from the text's length in bytes and the font cell;
// it appears 8 pixels right of and 24 below the last pointer position.
void ButtonModel::ShowHint(int k) {
  ButtonView b = face.View(k);
  if (b.hint[0] == '\0') return;
  if (state.hint_visible != 0) CloseHint();
  state.hint_owner = k;
  int32_t w = static_cast<int32_t>(std::strlen(b.hint)) * b.font_width + 12;
  int32_t h = b.font_height + 4;
  PointXY at = button_system->MapPoint(b.window, nullptr, {state.last_x, state.last_y});
  state.hint_window =
      button_system->CreateHintWindow(face.classes.hint, b.window, at.x + 8, at.y + 24, w, h);
  state.hint_visible = 1;
}

void ButtonModel::CloseHint() {
  if (state.hint_window != nullptr) button_system->SendClose(state.hint_window);
  state.hint_window = nullptr;
  state.hint_visible = 0;
}

void ButtonModel::OnCreate() {
  state.hovering = 0;
  button_system->ReleaseMouse();
}

// While a hint is shown the button is not drawn.
void ButtonModel::OnPaint(WindowRef button) {
  int k = face.IndexOf(button);
  if (k < 0) return;
  if (state.hint_visible == 0) DrawFrame(k, *face.View(k).pressed != 0);
  state.parent_client = button_system->ClientRect(state.button_parent);
}

bool ButtonModel::PointerInside(const ButtonView& b, int32_t x, int32_t y, PointXY p) const {
  const ClientArea& c = state.parent_client;
  return x > 0 && x < b.w && y > 0 && y < b.h && p.x > 0 && p.x < c.right && p.y > 0 &&
         p.y < c.bottom;
}

// Undoes the hover: the capture, the hint and its delay, and a press.
void ButtonModel::Leave(WindowRef button, int k) {
  state.hovering = 0;
  button_system->ReleaseMouse();
  CloseHint();
  button_system->StopTimer1(button);
  *face.View(k).pressed = 0;
  DrawFrame(k, false);
}

// Entering captures the mouse and starts the hint's delay; the capture lets
// the button see the move that leaves it.
void ButtonModel::OnMouseMove(WindowRef button, int32_t x, int32_t y) {
  int k = face.IndexOf(button);
  if (k < 0 || !face.HoverAllowed()) return;
  state.last_x = x;
  state.last_y = y;
  PointXY p = button_system->MapPoint(button, state.button_parent, {x, y});
  if (!PointerInside(face.View(k), x, y, p)) {
    if (state.hovering != 0) Leave(button, k);
    return;
  }
  if (state.hovering != 0) return;
  state.hovering = 1;
  button_system->SetArrowCursor();
  button_system->CaptureMouse(button);
  button_system->StartTimer1(button, state.hover_delay_ms);
}

void ButtonModel::OnDown(WindowRef button) {
  int k = face.IndexOf(button);
  if (k < 0) return;
  *face.View(k).pressed = 1;
  CloseHint();
  button_system->StopTimer1(button);
  DrawFrame(k, true);
}

// Only a release that follows a press on this button sends its command.
void ButtonModel::OnUp(WindowRef button) {
  int k = face.IndexOf(button);
  if (k < 0) return;
  ButtonView b = face.View(k);
  if (*b.pressed == 0) return;
  *b.pressed = 0;
  CloseHint();
  button_system->StopTimer1(button);
  DrawFrame(k, false);
  state.hovering = 0;
  button_system->ReleaseMouse();
  button_system->SendCommand(state.button_parent, b.command);
}

// One hint per hover.
void ButtonModel::OnTimer(WindowRef button) {
  int k = face.IndexOf(button);
  if (k < 0) return;
  button_system->StopTimer1(button);
  ShowHint(k);
}

void ButtonModel::OnClose(WindowRef button) {
  int k = face.IndexOf(button);
  if (k < 0) return;
  if (state.hovering != 0) button_system->ReleaseMouse();
  face.ReleaseImage(k);
}

void ButtonModel::OnHintCreate(WindowRef hint) {
  button_system->StartTimer1(hint, state.hint_life_ms);
}

void ButtonModel::OnHintDestroy(WindowRef hint) { button_system->StopTimer1(hint); }

void ButtonModel::OnHintTimer(WindowRef hint) {
  button_system->SendClose(hint);
  if (hint == state.hint_window) state.hint_window = nullptr;
  state.hint_visible = 0;
}

}  // namespace zep
