#include "ide/toolbar.h"

#include "controls/control_system.h"
#include "controls/registry.h"
#include "graphics/canvas.h"
#include "ide/editor.h"
#include "ide/editor_system.h"

namespace zep {

namespace {

constexpr Rgb kFace{192, 192, 192}, kWhite{255, 255, 255}, kBlack{0, 0, 0};

void ReleaseButtonImage(ToolbarButton& b) {
  if (b.image != nullptr) button_system->ReleaseSurface(b.image, b.replaced);
  b.image = nullptr;
  b.replaced = nullptr;
}

void DeleteHintFont() {
  if (editor.toolbar.hint_font != nullptr) control_system->FreeFont(editor.toolbar.hint_font);
  editor.toolbar.hint_font = nullptr;
}

class ToolbarFace : public ButtonFace {
 public:
  ToolbarFace() : ButtonFace({"BBtn_class", "BStr_class"}) {}

  int IndexOf(WindowRef w) const override {
    if (w == nullptr) return -1;
    for (int k = 0; k < editor.toolbar.count; ++k) {
      if (editor.toolbar.buttons[k].window == w) return k;
    }
    return -1;
  }

  ButtonView View(int k) const override {
    ToolbarButton& b = editor.toolbar.buttons[k];
    ButtonView v;
    v.window = b.window;
    v.w = b.width;
    v.h = b.height;
    v.pressed = &b.pressed;
    v.command = b.command;
    v.hint = b.hint;
    v.font = editor.toolbar.hint_font;
    v.surface = b.image;
    return v;
  }

  int FrameOf(int k, bool sunken, FrameLine out[kFrameLines]) const override {
    return SingleFrameLines(editor.toolbar.buttons[k].width, editor.toolbar.buttons[k].height, sunken, out);
  }

  bool HoverAllowed() const override {
    WindowRef focus = button_system->FocusWindow();
    return focus != nullptr && focus == editor.toolbar.focus_holder;
  }

  WindowRef HintFocusTarget(WindowRef) const override { return editor.toolbar.state.button_parent; }

  // Closing the first button also deletes the hint font.
  void ReleaseImage(int k) override {
    ReleaseButtonImage(editor.toolbar.buttons[k]);
    if (k == 0) DeleteHintFont();
  }
};

ToolbarFace toolbar_face;

// The first creation: the parent, the hint font and the classes (tried
// again by the next creation when a registration failed).
bool PrepareToolbar(WindowRef parent) {
  editor.toolbar.state = BitmapButtonState{};
  editor.toolbar.state.button_parent = parent;
  if (editor.toolbar.hint_font == nullptr) editor.toolbar.hint_font = control_system->MakeFont(DefaultFont());
  return editor_system->RegisterToolbarClasses(parent);
}

// The image: the face colour, then the icon at its origin (clipped to the
// button's size).
void PaintFace(ToolbarButton& b) {
  b.image = button_system->CreateSurface(b.window, b.width, b.height, &b.replaced);
  if (b.image == nullptr) return;
  Figure f{};
  f.shape = Shape::kRectangle;
  f.right = b.width;
  f.bottom = b.height;
  canvas_system->DrawFigure(b.image, f, Pen{kFace, false}, Brush{kFace, false});
  button_system->DrawIconAt(b.image, b.command);
}

}  // namespace

ButtonModel toolbar_buttons(&toolbar_face, &editor.toolbar.state);

int SingleFrameLines(int32_t w, int32_t h, bool sunken, FrameLine out[kFrameLines]) {
  int32_t a = w - 1, b = h - 1;
  Rgb light = sunken ? kBlack : kWhite, dark = sunken ? kWhite : kBlack;
  out[0] = {{0, 0}, {a, 0}, light};
  out[1] = {{0, 0}, {0, b}, light};
  out[2] = {{0, b}, {a + 1, b}, dark};
  out[3] = {{a, 0}, {a, b + 1}, dark};
  return 4;
}

WindowRef CreateToolbarButton(WindowRef parent, int32_t x, int32_t y, int32_t w, int32_t h,
                              const char* hint, int command) {
  if (editor.toolbar.count >= kMaxToolbarButtons) return nullptr;
  if (editor.toolbar.count == 0 && !PrepareToolbar(parent)) return nullptr;
  WindowRef window =
      button_system->CreateButtonWindow(toolbar_face.classes.button, parent, x, y, w, h);
  if (window == nullptr) return nullptr;
  ToolbarButton& b = editor.toolbar.buttons[editor.toolbar.count++];
  b = ToolbarButton{};
  b.window = window;
  b.width = w;
  b.height = h;
  b.command = command;
  CopyText(b.hint, sizeof b.hint, hint);
  PaintFace(b);
  button_system->ShowAndUpdate(window);
  return window;
}

void ReleaseToolbar() {
  if (editor.toolbar.state.hint_visible != 0) toolbar_buttons.CloseHint();
  for (int k = 0; k < editor.toolbar.count; ++k) ReleaseButtonImage(editor.toolbar.buttons[k]);
  DeleteHintFont();
  editor.toolbar.count = 0;
}

}  // namespace zep
